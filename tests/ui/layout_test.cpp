// The windows' layouts: where the controls stand at 96 dpi, measured against the
// windows as they were drawn, and that captions twice as long still fit.
#include "ui_test_support.h"

#include "ui/about/about_window.h"
#include "ui/main/main_window.h"
#include "ui/settings/settings_window.h"

#include <QTranslator>
#include <QtTest>

using namespace zefnaro;
using namespace zefnaro::testing;

namespace {

// Every caption twice over, as a wordy translation would make it.
class LongTranslator : public QTranslator {
public:
    bool isEmpty() const override { return false; }
    QString translate(const char*, const char* source, const char*, int) const override {
        const QString text = QString::fromUtf8(source);
        return text + QLatin1Char(' ') + QString(text).remove(QLatin1Char('&'));
    }
};

struct Placed {
    const char* name;
    QRect at;           // in the window
    bool centred = false; // a centred text: its middle matters, not its box
};

QRect placeOf(QWidget& window, const char* name) {
    auto* w = control<QWidget>(window, name);
    return {w->mapTo(&window, QPoint(0, 0)), w->size()};
}

// The visible named controls, none outside the window and none over another.
void noOverlaps(QWidget& window, int atLeast) {
    QList<QWidget*> shown;
    for (QWidget* w : window.findChildren<QWidget*>()) {
        const bool leaf = w->findChildren<QWidget*>().isEmpty() || w->inherits("QComboBox") ||
                          w->inherits("QAbstractScrollArea");
        if (w->window() == &window && !w->objectName().isEmpty() && w->isVisibleTo(&window) && leaf &&
            !w->objectName().startsWith(QLatin1String("qt_")))
            shown << w;
    }
    QVERIFY(shown.size() >= atLeast);
    for (QWidget* a : shown) {
        const QRect ra(a->mapTo(&window, QPoint(0, 0)), a->size());
        QVERIFY2(window.rect().contains(ra), qPrintable(a->objectName() + " outside"));
        for (QWidget* b : shown) {
            const QRect rb(b->mapTo(&window, QPoint(0, 0)), b->size());
            if (a != b && !a->isAncestorOf(b) && !b->isAncestorOf(a) && a->parent() != b &&
                b->parent() != a)
                QVERIFY2(!ra.intersects(rb), qPrintable(a->objectName() + " over " + b->objectName()));
        }
    }
}

} // namespace

class LayoutTest : public QObject {
    Q_OBJECT
    std::unique_ptr<MainWindow> window;

private slots:
    void init() {
        assumeFonts();
        window = shownMainWindow();
    }
    void cleanup() { window.reset(); }

    void fixedWindowsStandWhereTheyWereDrawn() {
        // As drawn at 96 dpi: each within 3 pixels of its place then. The font list
        // was drawn 145 wide; what stands right of it moves over as far as it grows
        // to show the longest name.
        window->showSettings();
        auto* settings = window->findChild<SettingsWindow*>("settingsWindow");
        const int grown = control<QWidget>(*settings, "fontList")->width() - 145;
        QVERIFY(grown >= 0 && grown < 60);
        const Placed settingsControls[] = {{"masculineBox", {8, 8, 225, 17}},
                                           {"ordinalBox", {8, 24, 225, 17}},
                                           {"fontLabel", {8, 48, 73, 17}},
                                           {"fontList", {8, 64, 145, 22}},
                                           {"sizeList", {160 + grown, 64, 65, 22}},
                                           // the language, new below the lists, moves the buttons down
                                           {"languageLabel", {8, 96, 62, 17}},
                                           {"languageList", {67, 93, 90, 22}},
                                           {"defaultButton", {56 + grown, 125, 81, 25}},
                                           {"closeButton", {144 + grown, 125, 81, 25}}};
        window->showAbout();
        auto* about = window->findChild<AboutWindow*>("aboutWindow");
        QCOMPARE(about->size(), QSize(547, 471));
        const Placed aboutControls[] = {
            {"crossPicture", {0, 0, 250, 471}}, {"titleText", {264, 8, 273, 25}},
            {"versionText", {304, 32, 81, 17}}, {"authorText", {304, 48, 233, 33}},
            {"descriptionText", {264, 88, 273, 81}}, {"helpLink", {288, 184, 225, 17}},
            {"licenceLink", {288, 216, 217, 17}},    {"feedbackText", {264, 248, 273, 65}},
            {"fontsBanner", {264, 328, 277, 57}},   {"webLink", {256, 400, 289, 17}, true},    {"emailLink", {288, 416, 225, 17}, true},
            {"closeButton", {456, 440, 81, 25}}};
        const auto near = [](QWidget& w, const Placed& p) {
            const QRect at = placeOf(w, p.name);
            const QString where = QStringLiteral("%1 at %2,%3").arg(QString::fromLatin1(p.name)).arg(at.x()).arg(at.y());
            const int dx = p.centred ? at.center().x() - p.at.center().x() : at.x() - p.at.x();
            QVERIFY2(std::abs(dx) <= 3 && std::abs(at.y() - p.at.y()) <= 3,
                     qPrintable(where));
        };
        for (const Placed& p : settingsControls)
            near(*settings, p);
        for (const Placed& p : aboutControls)
            near(*about, p);
        // The buttons keep their drawn size; the lists' right edges meet the button's.
        QCOMPARE(placeOf(*settings, "closeButton").right(), placeOf(*settings, "sizeList").right());
        QCOMPARE(placeOf(*about, "closeButton").size(), QSize(81, 25));
    }

    void longerCaptionsWidenTheWindows() {
        window->showSettings();
        const QSize drawn = window->findChild<SettingsWindow*>("settingsWindow")->size();
        window.reset();
        LongTranslator longer;
        QCoreApplication::installTranslator(&longer);
        window = shownMainWindow();
        window->showSettings();
        window->showAbout();
        auto* settings = window->findChild<SettingsWindow*>("settingsWindow");
        auto* about = window->findChild<AboutWindow*>("aboutWindow");
        QVERIFY(settings->width() > drawn.width() + 100);
        noOverlaps(*settings, 8);
        QVERIFY(about->height() > 471);
        noOverlaps(*about, 15);
        noOverlaps(*window, 5);
        QCoreApplication::removeTranslator(&longer);
    }
};

QTEST_MAIN(LayoutTest)
#include "layout_test.moc"
