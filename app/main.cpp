// Zefnaro's window program.
#include "ui/main/main_window.h"
#include "ui/settings/display_settings.h"
#include "zefnaro/version.h"

#include <QApplication>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Zefnaro"));
    QApplication::setApplicationDisplayName(QStringLiteral("Zefnaro"));
    QApplication::setApplicationVersion(QString::fromLatin1(zefnaro::versionText));

    zefnaro::DisplaySettings settings; // the one record for the whole run
    zefnaro::MainWindow window(settings);
    window.show();
    return QApplication::exec();
}
