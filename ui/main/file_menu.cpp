// The main window's File menu: saving the report as a file, printing it, quitting.
#include "main_window.h"
#include "menu_item.h"

#include "platform/locale_separator.h"
#include "platform/number_box.h"
#include "platform/report_files.h"
#include "report/fonts.h"
#include "report/report.h"
#include "ui/fonts.h"

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QFileDialog>
#include <QFile>
#include <QFileInfo>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QPageLayout>
#include <QPdfWriter>
#include <QPrintDialog>
#include <QPrinter>
#include <QStandardPaths>
#include <QTextDocument>
#include <QTextEdit>

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

bool MainWindow::saveReport(const QString& path) {
    const QString suffix = QFileInfo(path).suffix().toLower();
    const QTextDocument& document = *reportEdit_->document();
    const Report shown =
        composeReport(numberBox_->text().toStdString(), settings_, localeGroupSeparator());
    const QString title = shown.isMessage
                              ? tr("Zefnaro report")
                              : tr("Zefnaro report: %1").arg(QString::fromUtf8(shown.text(Piece::digits)));
    bool written = false;
    QString why;
    const QMap<QString, QString> carriedFonts{{QString::fromUtf8(projectFont), projectFontFile()}};
    if (suffix == QLatin1String("pdf")) {
        QPdfWriter pdf(path);
        pdf.setTitle(title);
        pdf.setCreator(QStringLiteral("Zefnaro"));
        pdf.setPageLayout(reportPageLayout());
        written = paintOnOnePage(document, pdf) && QFileInfo(path).size() > 0;
    } else if (suffix == QLatin1String("odt")) {
        written = writeOdt(document, title, path, why, carriedFonts);
    } else {
        QFile file(path);
        const QByteArray page = toHtml5(document, title, carriedFonts).toUtf8();
        written = file.open(QIODevice::WriteOnly) && file.write(page) == page.size();
        if (!written) why = file.errorString();
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
    paintOnOnePage(*reportEdit_->document(), printer);
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
