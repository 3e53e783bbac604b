// Zefnaro's window program.
#include "ui/main/main_window.h"
#include "ui/settings/display_settings.h"
#include "zefnaro/version.h"

#include <QApplication>
#include <QTextEdit>
#include <QTimer>

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

} // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Zefnaro"));
    QApplication::setApplicationDisplayName(QStringLiteral("Zefnaro"));
    QApplication::setApplicationVersion(QString::fromLatin1(zefnaro::versionText));

    zefnaro::DisplaySettings settings; // the one record for the whole run
    zefnaro::MainWindow window(settings);
    if (QApplication::arguments().contains(QStringLiteral("--startup-probe"))) {
        if (auto* report = window.findChild<QTextEdit*>(QStringLiteral("rtDisplay")))
            report->viewport()->installEventFilter(new FirstPaintProbe(&window));
    }
    window.show();
    return QApplication::exec();
}
