// Every window opens inside the screen, frame and title bar included, at any
// scale factor; where the screen is tall enough the main window shows the whole
// report of a nine-digit number. Run on a 1920 x 1080 screen at scale 1 and on a
// 1600 x 1200 screen at scale 2 (see the tests' CMakeLists).
#include "ui/about/about_window.h"
#include "ui/settings/settings_window.h"
#include "ui_test_support.h"

#include <QAction>
#include <QScreen>
#include <QScrollBar>
#include <QTest>

using namespace zefnaro;
using namespace zefnaro::testing;

class ScreenTest : public QObject {
    Q_OBJECT

    static void inside(QWidget* w) {
        QTRY_VERIFY(w->isVisible());
        QCoreApplication::processEvents();
        const QRect area = w->screen()->availableGeometry();
        QVERIFY2(area.contains(w->frameGeometry()),
                 qPrintable(QStringLiteral("%1 at %2,%3 %4x%5 outside %6x%7")
                                .arg(w->objectName())
                                .arg(w->frameGeometry().x())
                                .arg(w->frameGeometry().y())
                                .arg(w->frameGeometry().width())
                                .arg(w->frameGeometry().height())
                                .arg(area.width())
                                .arg(area.height())));
    }

private slots:
    void everyWindowOpensInsideTheScreen() {
        assumeFonts();
        MainWindow window;
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        inside(&window);
        window.findChild<QAction*>("mnuSettings")->trigger();
        inside(window.findChild<SettingsWindow*>("frmSettings"));
        window.findChild<QAction*>("mnuAbout")->trigger();
        inside(window.findChild<AboutWindow*>("frmAbout"));
    }

    void theWholeReportShowsWhereTheScreenAllows() {
        assumeFonts();
        MainWindow window;
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        const QSize screen = window.screen()->availableGeometry().size();
        if (screen.height() < 900) QSKIP("a screen this small cannot show the whole report");
        for (const char* n : {"777777777", "999999999", "373737373", "123456789"}) {
            enter(numberBox(window), QString::fromLatin1(n));
            QCoreApplication::processEvents();
            QCOMPARE(reportEdit(window)->verticalScrollBar()->maximum(), 0);
        }
    }
};

QTEST_MAIN(ScreenTest)
#include "screen_test.moc"
