// The main window's File menu: saving the report as a file, printing it, quitting.
#include "main_window.h"
#include "menu_item.h"

#include "platform/locale_separator.h"
#include "platform/number_box.h"
#include "export/html.h"
#include "export/odt.h"
#include "platform/report_document.h"
#include "report/fonts.h"
#include "report/report.h"
#include "ui/fonts.h"

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QFileDialog>
#include <QFile>
#include "platform/saved_file.h"
#include <QFileInfo>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QPageLayout>
#include <QPdfWriter>
#include <QPrintDialog>
#include <QPrinter>
#include <QStandardPaths>

namespace zefnaro {


void MainWindow::createFileMenu() {
    QMenu* file = menuBar()->addMenu(tr("&File"));
    file->setObjectName(QStringLiteral("fileMenu"));
    connect(item(file, "saveAsAction", tr("Save Report &As..."),
                 QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_S)),
            &QAction::triggered, this, &MainWindow::saveReportAs);
    connect(item(file, "printAction", tr("&Print..."), QKeySequence(Qt::CTRL | Qt::Key_P)),
            &QAction::triggered, this, &MainWindow::printReportWithDialog);
    file->addSeparator();
    connect(item(file, "quitAction", tr("&Quit"), QKeySequence(Qt::CTRL | Qt::Key_Q)),
            &QAction::triggered, this, &QWidget::close);
}

namespace {

// The program's font travels in saved pages and packages that use it.
std::vector<CarriedFont> carriedFonts() {
    QFile file(projectFontFile());
    if (!file.open(QIODevice::ReadOnly)) return {};
    const QByteArray bytes = file.readAll();
    return {{std::string(projectFont), QFileInfo(file).fileName().toStdString(), bytes.toStdString()}};
}

} // namespace

bool MainWindow::saveReport(const QString& path) {
    const QString suffix = QFileInfo(path).suffix().toLower();
    const Report& shown = reportBox_.report();
    const std::string title = reportTitle(shown);
    bool written = false;
    QString why;
    if (suffix == QLatin1String("pdf")) {
        written = saveWhole(
            path,
            [&](QIODevice& device) {
                bool painted = false;
                {
                    QPdfWriter pdf(&device);
                    pdf.setTitle(QString::fromStdString(title));
                    pdf.setCreator(QStringLiteral("Zefnaro"));
                    pdf.setPageLayout(reportPageLayout());
                    painted = paintOnOnePage(shown, pdf);
                } // the PDF is finished as its writer goes
                return painted && device.size() > 0;
            },
            why);
    } else if (suffix == QLatin1String("odt")) {
        std::string reason;
        written = saveOdt(shown, title, QFile::encodeName(path).toStdString(), reason, carriedFonts());
        why = QString::fromStdString(reason);
    } else {
        const std::string page = reportPage(shown, title, carriedFonts());
        written = saveWhole(path, QByteArray::fromStdString(page), why);
    }
    if (!written) {
        QMessageBox box(
            QMessageBox::Warning, QApplication::applicationDisplayName(),
            tr("The report could not be saved as %1.").arg(QDir::toNativeSeparators(path)) +
                (why.isEmpty() ? QString() : QStringLiteral("\n\n") + why),
            QMessageBox::Ok, this);
        box.setObjectName(QStringLiteral("saveFailedMessage"));
        box.exec();
    }
    return written;
}

void MainWindow::saveReportAs() {
    const QString html = tr("Web page (*.html)"), odt = tr("OpenDocument text (*.odt)"),
                  pdf = tr("PDF (*.pdf)");
    const QString folder = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    const QString name = tr("Zefnaro %1").arg(numberBox_->text());
    QString filter = html;
    QString path = QFileDialog::getSaveFileName(
        this, tr("Save Report As"), QDir(folder).filePath(name + QStringLiteral(".html")),
        QStringList{html, odt, pdf}.join(QStringLiteral(";;")), &filter);
    if (path.isEmpty()) return;
    if (QFileInfo(path).suffix().isEmpty())
        path += filter == odt   ? QStringLiteral(".odt")
                : filter == pdf ? QStringLiteral(".pdf")
                                : QStringLiteral(".html");
    saveReport(path);
}

void MainWindow::printReport(QPrinter& printer) {
    paintOnOnePage(reportBox_.report(), printer);
}

void MainWindow::printReportWithDialog() {
    QPrinter printer(QPrinter::HighResolution);
    printer.setDocName(tr("Zefnaro %1").arg(numberBox_->text()));
    printer.setPageLayout(reportPageLayout()); // the page a saved PDF has
    QPrintDialog dialog(&printer, this);
    dialog.setWindowTitle(tr("Print Report"));
    if (dialog.exec() == QDialog::Accepted) printReport(printer);
}

} // namespace zefnaro
