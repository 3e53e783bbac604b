// Zefnaro's window program.
#include "ui/launcher.h"
#include "ui/art/pictures.h"
#include "ui/main/main_window.h"
#include "zefnaro/version.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QTextEdit>
#include <QTimer>

#include <cstdio>

namespace {

// For measuring start-up: quits as soon as the first report has been painted.
class FirstPaintProbe : public QObject {
public:
    using QObject::QObject;
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Paint) QTimer::singleShot(0, qApp, &QApplication::quit);
        return QObject::eventFilter(watched, event);
    }
};

// Where the companion documents are found; 0 when all three can be read.
int checkDocuments() {
    int missing = 0;
    for (const auto* document :
         {&zefnaro::helpDocument, &zefnaro::tutorialDocument, &zefnaro::eulaDocument}) {
        const QString path = zefnaro::documentPath(zefnaro::programFolder(), *document);
        const bool found = zefnaro::fileExists(path);
        missing += found ? 0 : 1;
        std::printf("%s: %s\n", found ? "found" : "missing", qPrintable(path));
    }
    return missing == 0 ? 0 : 1;
}

} // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Zefnaro"));
    QApplication::setApplicationDisplayName(QStringLiteral("Zefnaro"));
    QApplication::setApplicationVersion(QString::fromLatin1(zefnaro::versionText));
    QApplication::setDesktopFileName(QStringLiteral("org.zefnaro.Zefnaro"));
    QApplication::setWindowIcon(zefnaro::zefnaroIcon());

    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral(
        "Writes whole numbers in Bohairic Coptic: words, pronunciation and numerals."));
    parser.addHelpOption();
    parser.addVersionOption();
    const QCommandLineOption check(
        QStringLiteral("check-documents"),
        QStringLiteral("Print where the help, tutorial and licence are found, then exit."));
    QCommandLineOption probe(QStringLiteral("startup-probe"),
                             QStringLiteral("Quit once the first report has been painted."));
    probe.setFlags(QCommandLineOption::HiddenFromHelp);
    parser.addOption(check);
    parser.addOption(probe);
    parser.process(app);
    if (parser.isSet(check)) return checkDocuments();

    zefnaro::MainWindow window;
    if (parser.isSet(probe)) {
        if (auto* report = window.findChild<QTextEdit*>(QStringLiteral("rtDisplay")))
            report->viewport()->installEventFilter(new FirstPaintProbe(&window));
    }
    window.show();
    return QApplication::exec();
}
