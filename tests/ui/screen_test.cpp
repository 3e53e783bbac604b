// Every window opens inside the screen, frame and title bar included, at any
// scale factor, with every control reachable; where the screen allows it the main
// window shows the whole report of a nine-digit number. Run on 1920 x 1080 and
// 1366 x 768 screens at scale 1, and on 1600 x 1200 and 1366 x 768 at scale 2 (see
// the tests' CMakeLists).
#include "ui/about/about_window.h"
#include "ui/settings/settings_window.h"
#include "ui_test_support.h"

#include <QAbstractButton>
#include <QAction>
#include <QComboBox>
#include <QScreen>
#include <QScrollArea>
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

    // Each control the keyboard can reach can be brought inside the window.
    static void reachable(QWidget* w) {
        auto* scroll = w->findChild<QScrollArea*>();
        const auto controls = w->findChildren<QWidget*>();
        int checked = 0;
        for (QWidget* c : controls) {
            if (!(c->focusPolicy() & Qt::TabFocus) || c->isHidden() || c->inherits("QScrollBar") ||
                c->inherits("QAbstractScrollArea"))
                continue;
            if (scroll) scroll->ensureWidgetVisible(c, 0, 0);
            const QRect at(c->mapTo(w, QPoint(0, 0)), c->size());
            // Its start and its middle inside: there to be seen and clicked.
            QVERIFY2(w->rect().contains(at.topLeft()) && w->rect().contains(at.center()),
                     qPrintable(c->objectName() + " out of reach"));
            ++checked;
        }
        QVERIFY(checked >= 3);
    }

private slots:
    void everyWindowOpensInsideTheScreen() {
        assumeFonts();
        MainWindow window;
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        inside(&window);
        window.findChild<QAction*>("settingsAction")->trigger();
        inside(window.findChild<SettingsWindow*>("settingsWindow"));
        reachable(window.findChild<SettingsWindow*>("settingsWindow"));
        window.findChild<QAction*>("aboutAction")->trigger();
        inside(window.findChild<AboutWindow*>("aboutWindow"));
        reachable(window.findChild<AboutWindow*>("aboutWindow"));
    }

    void theWholeReportShowsWhereTheScreenAllows() {
        assumeFonts();
        MainWindow window;
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        const QSize screen = window.screen()->availableGeometry().size();
        if (screen.height() < 700) QSKIP("a screen this small cannot show the whole report");
        for (const char* n : {"777777777", "999999999", "373737373", "123456789"}) {
            enter(numberBox(window), QString::fromLatin1(n));
            QCoreApplication::processEvents();
            QCOMPARE(reportEdit(window)->verticalScrollBar()->maximum(), 0);
        }
    }
};

QTEST_MAIN(ScreenTest)
#include "screen_test.moc"
