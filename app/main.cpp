// Zefnaro's window program.
#include "ui/art/pictures.h"
#include "ui/window_language.h"
#include "ui/launcher.h"
#include "ui/main/main_window.h"
#include "zefnaro/version.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QTextEdit>
#include <QTimer>

#include <cstdio>
#include <optional>
#include <cstdlib>

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

struct Options {
    QCommandLineOption check{
        QStringLiteral("check-documents"),
        QStringLiteral("Print where the help, tutorial and licence are found, then exit.")};
    QCommandLineOption probe{QStringLiteral("startup-probe"),
                             QStringLiteral("Quit once the first report has been painted.")};

    void addTo(QCommandLineParser& parser) {
        parser.setApplicationDescription(QStringLiteral(
            "Writes whole numbers in Bohairic Coptic: words, pronunciation and numerals."));
        parser.addHelpOption();
        parser.addVersionOption();
        probe.setFlags(QCommandLineOption::HiddenFromHelp);
        parser.addOption(check);
        parser.addOption(probe);
    }
};

// The options that need no window are answered before any display is opened, so
// that they work on a machine without one. True when the program is done.
bool answeredWithoutWindow(int argc, char** argv, int& status) {
    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("Zefnaro"));
    QCoreApplication::setApplicationVersion(QString::fromLatin1(zefnaro::versionText));
    QCommandLineParser parser;
    Options options;
    options.addTo(parser);
    // Qt's window options (-platform, -style ...) are not known here: an error now
    // is reported once the window program has taken those away.
    if (!parser.parse(QCoreApplication::arguments())) return false;
    if (parser.isSet(QStringLiteral("help"))) {
        std::printf("%s", qPrintable(parser.helpText()));
        status = 0;
        return true;
    }
    if (parser.isSet(QStringLiteral("version"))) {
        std::printf("Zefnaro %s\n", zefnaro::versionText);
        status = 0;
        return true;
    }
    if (parser.isSet(options.check)) {
        status = checkDocuments();
        return true;
    }
    return false;
}

// Qt ends a program that finds no display with an abort and a page of advice;
// what it says while it starts is held back, and said in one line if it fails.
QStringList& startupMessages() {
    static QStringList messages;
    return messages;
}

void startupMessage(QtMsgType type, const QMessageLogContext&, const QString& message) {
    if (type != QtFatalMsg) {
        startupMessages() << message;
        return;
    }
    std::fprintf(stderr,
                 "zefnaro: needs a graphical display and could not open one%s; zefnaro-cli "
                 "works without one\n",
                 qEnvironmentVariableIsEmpty("DISPLAY") &&
                         qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY")
                     ? " (DISPLAY is not set)"
                     : "");
    std::_Exit(1);
}

} // namespace

int main(int argc, char** argv) {
    int status = 0;
    if (answeredWithoutWindow(argc, argv, status)) return status;

    const QtMessageHandler usual = qInstallMessageHandler(startupMessage);
    QApplication app(argc, argv);
    qInstallMessageHandler(usual);
    for (const QString& message : startupMessages())
        std::fprintf(stderr, "%s\n", qPrintable(message));
    QApplication::setApplicationName(QStringLiteral("Zefnaro"));
    QApplication::setApplicationDisplayName(QStringLiteral("Zefnaro"));
    QApplication::setApplicationVersion(QString::fromLatin1(zefnaro::versionText));
    QApplication::setDesktopFileName(QStringLiteral("org.zefnaro.Zefnaro"));
    QApplication::setWindowIcon(zefnaro::zefnaroIcon());
    QCommandLineParser parser;
    Options options;
    options.addTo(parser);
    parser.process(app); // unknown options end here, with a message

    QApplication::setOrganizationName(QStringLiteral("Zefnaro"));
    // A new language in Settings opens the window again in it, on the same number
    // and with the same settings.
    QString number;
    std::optional<zefnaro::DisplaySettings> settings;
    for (;;) {
        const zefnaro::Language language = zefnaro::languageOf(zefnaro::savedLanguageChoice());
        zefnaro::useLanguage(language);
        zefnaro::MainWindow window;
        if (settings) {
            settings->language = language;
            window.applySettings(*settings);
            window.showNumber(number);
        }
        if (parser.isSet(options.probe)) {
            if (auto* report = window.findChild<QTextEdit*>(QStringLiteral("reportView")))
                report->viewport()->installEventFilter(new FirstPaintProbe(&window));
        }
        window.show();
        const int status = QApplication::exec();
        if (status != zefnaro::MainWindow::languageChangedStatus) return status;
        number = window.number();
        settings = window.settings();
    }
}
