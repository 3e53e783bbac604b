#include "report/report.h"
#include "ui/settings/settings_window.h"
#include "ui_test_support.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QMenu>
#include <QMimeData>
#include <QSignalSpy>
#include <QTest>

using namespace zefnaro;
using namespace zefnaro::testing;

class SettingsMenusTest : public QObject {
    Q_OBJECT

    std::unique_ptr<MainWindow> window;

    SettingsWindow* openSettings() {
        window->findChild<QAction*>("settingsAction")->trigger();
        return window->findChild<SettingsWindow*>("settingsWindow");
    }
    QString report() { return window->reportBox().text(); }
    QString plainReport() { return report(); }

private slots:
    void init() {
        assumeFonts();
        window = shownMainWindow();
    }
    void cleanup() { window.reset(); }

    void listsAndOpeningValues() {
        SettingsWindow* s = openSettings();
        QVERIFY(s);
        QCOMPARE(s->windowTitle(), QStringLiteral("Settings"));
        auto* names = control<QComboBox>(*s, "fontList");
        auto* sizes = control<QComboBox>(*s, "sizeList");
        const QStringList fonts = {"CS Avva Shenouda",
                                   "CS Pishoi",
                                   "CS New Athanasius",
                                   "CS Coptic Manuscript",
                                   "CS Copto Manuscript",
                                   "CS Koptos Manuscript",
                                   "CS Copt",
                                   "Zefnaro Coptic",
                                   "FreeSerif",
                                   "Noto Sans Coptic"};
        QStringList listed;
        for (int i = 0; i < names->count(); ++i)
            listed << names->itemText(i);
        QCOMPARE(listed, fonts);
        QCOMPARE(sizes->count(), 25);
        QCOMPARE(sizes->itemText(0), QStringLiteral("8"));
        QCOMPARE(sizes->itemText(4), QStringLiteral("16"));
        QCOMPARE(sizes->itemText(24), QStringLiteral("56"));
        QCOMPARE(names->currentText(), QStringLiteral("CS Copto Manuscript"));
        QCOMPARE(sizes->currentText(), QStringLiteral("16"));
        QVERIFY(control<QCheckBox>(*s, "masculineBox")->isChecked());
        QVERIFY(!control<QCheckBox>(*s, "ordinalBox")->isChecked());
        QCOMPARE(control<QPushButton>(*s, "defaultButton")->text(), QStringLiteral("&Default"));
        QCOMPARE(control<QCheckBox>(*s, "masculineBox")->text(),
                 QStringLiteral("Display &masculine form of Coptic number"));
        QCOMPARE(control<QCheckBox>(*s, "ordinalBox")->text(),
                 QStringLiteral("Display Coptic &ordinal number"));
    }

    void choicesAreStoredAndShownAtOnce() {
        SettingsWindow* s = openSettings();
        QSignalSpy executed(window.get(), &MainWindow::recomputed);
        control<QComboBox>(*s, "fontList")->setCurrentIndex(1); // as the list does
        QCOMPARE(window->settings().fontName, std::string("CS Pishoi"));
        QCOMPARE(executed.count(), 1);
        control<QComboBox>(*s, "sizeList")->setCurrentText(QStringLiteral("40"));
        QCOMPARE(window->settings().fontSize, 40);
        QCOMPARE(executed.count(), 2);
        QCOMPARE(statusLabel(*window)->text(),
                 QStringLiteral(" CS Pishoi | 40 | Masculine | Cardinal"));
        QCOMPARE(lines(reportEdit(*window))[11].format.fontFamilies().toStringList(),
                 QStringList{"CS Pishoi"});

        s->close();
        QTRY_VERIFY(!window->findChild<SettingsWindow*>());
        s = openSettings();
        QCOMPARE(control<QComboBox>(*s, "fontList")->currentText(), QStringLiteral("CS Pishoi"));
        QCOMPARE(control<QComboBox>(*s, "sizeList")->currentText(), QStringLiteral("40"));
    }

    void checkBoxesSwitchTheForms() {
        numberBox(*window)->setNumberText(QStringLiteral("21"));
        SettingsWindow* s = openSettings();
        QTest::mouseClick(control<QCheckBox>(*s, "masculineBox"), Qt::LeftButton);
        QVERIFY(!window->settings().form.masculine());
        QVERIFY(report().contains(QStringLiteral("in Bohairic Coptic (feminine) is written")));
        QVERIFY(report().contains(QStringLiteral("jw] ou`i")));
        QTest::mouseClick(control<QCheckBox>(*s, "ordinalBox"), Qt::LeftButton);
        QVERIFY(window->settings().form.ordinal());
        QVERIFY(report().startsWith(QStringLiteral("\nThe ordinal number\n\n21st")));
    }

    void defaultRestoresAllFour() {
        numberBox(*window)->setNumberText(QStringLiteral("2005"));
        SettingsWindow* s = openSettings();
        control<QCheckBox>(*s, "masculineBox")->setChecked(false);
        control<QCheckBox>(*s, "ordinalBox")->setChecked(true);
        control<QComboBox>(*s, "fontList")->setCurrentIndex(0);
        control<QComboBox>(*s, "sizeList")->setCurrentIndex(24);
        QCOMPARE(statusLabel(*window)->text(),
                 QStringLiteral(" CS Avva Shenouda | 56 | Feminine | Ordinal"));
        QTest::mouseClick(control<QPushButton>(*s, "defaultButton"), Qt::LeftButton);
        QCOMPARE(window->settings().fontName, std::string("CS Copto Manuscript"));
        QCOMPARE(window->settings().fontSize, 16);
        QVERIFY(window->settings().form.masculine());
        QVERIFY(!window->settings().form.ordinal());
        QCOMPARE(statusLabel(*window)->text(),
                 QStringLiteral(" CS Copto Manuscript | 16 | Masculine | Cardinal"));
        QCOMPARE(report(), plain(composeReport("2005", DisplaySettings{})));
    }

    void combosTakeNoTypedCharactersButArrowsChoose() {
        SettingsWindow* s = openSettings();
        QSignalSpy executed(window.get(), &MainWindow::recomputed);
        for (const char* name : {"fontList", "sizeList"}) {
            auto* combo = control<QComboBox>(*s, name);
            const int before = combo->currentIndex();
            QTest::keyClicks(combo, "CS Pishoi 40 c8");
            QTest::keyClick(combo, Qt::Key_Backspace);
            QTest::keyClick(combo, Qt::Key_Delete);
            QCOMPARE(combo->currentIndex(), before);
        }
        QCOMPARE(executed.count(), 0);
        QCOMPARE(window->settings().fontName, std::string("CS Copto Manuscript"));
        QTest::keyClick(control<QComboBox>(*s, "sizeList"), Qt::Key_Down);
        QCOMPARE(window->settings().fontSize, 18);
        QCOMPARE(executed.count(), 1);
    }

    void oneSettingsWindowAndEscCloses() {
        SettingsWindow* s = openSettings();
        QCOMPARE(openSettings(), s);
        QTest::keyClick(numberBox(*window), Qt::Key_S, Qt::ControlModifier);
        QCOMPARE(window->findChildren<SettingsWindow*>().size(), 1);
        QTest::keyClick(s, Qt::Key_Escape);
        QTRY_COMPARE(window->findChildren<SettingsWindow*>().size(), 0);
    }

    void menuCaptionsAndShortcuts() {
        const struct {
            const char* name;
            const char* caption;
            QKeySequence shortcut;
        } rows[] = {{"copySelectedAction", "&Copy Selected", QKeySequence(Qt::CTRL | Qt::Key_C)},
                    {"copyAllAction", "Copy &All", QKeySequence(Qt::CTRL | Qt::Key_A)},
                    {"settingsAction", "&Settings", QKeySequence(Qt::CTRL | Qt::Key_S)},
                    {"helpAction", "Launch &Help...", QKeySequence(Qt::Key_F1)},
                    {"tutorialAction", "Launch &Tutorial...", QKeySequence(Qt::Key_F2)},
                    {"licenceAction", "Launch &EULA...", QKeySequence(Qt::Key_F3)},
                    {"aboutAction", "&About ZFN", QKeySequence()}};
        for (const auto& r : rows) {
            auto* action = window->findChild<QAction*>(r.name);
            QVERIFY2(action, r.name);
            QCOMPARE(action->text(), QString::fromLatin1(r.caption));
            QCOMPARE(action->shortcut(), r.shortcut);
            QVERIFY(action->isEnabled() && action->isVisible() && !action->isChecked());
        }
        QCOMPARE(window->findChild<QMenu*>("editMenu")->title(), QStringLiteral("&Edit"));
        QCOMPARE(window->findChild<QMenu*>("helpMenu")->title(), QStringLiteral("&Help"));
        QVERIFY(window->findChild<QAction*>("helpSeparator")->isSeparator());
        QVERIFY(window->findChild<QAction*>("editSeparator")->isSeparator());
    }

    void copyAllPutsTheWholeReportOnTheClipboard() {
        changeSettings(*window, [](DisplaySettings& s) { s.fontName = "CS Koptos Manuscript"; });
        numberBox(*window)->setNumberText(QStringLiteral("2005"));
        // The entry box focused with its number selected, as after Up: still the report.
        numberBox(*window)->setFocus();
        numberBox(*window)->selectAll();
        QGuiApplication::clipboard()->clear();
        window->findChild<QAction*>("copyAllAction")->trigger();
        const QMimeData* data = QGuiApplication::clipboard()->mimeData();
        QCOMPARE(data->text(), plainReport());
        const QString html = data->html();
        QVERIFY(html.contains(QStringLiteral("CS Koptos Manuscript")));
        for (const char* colour : {"#ff0000", "#008000", "#800080", "#804000", "#0000ff"})
            QVERIFY2(html.contains(QString::fromLatin1(colour)), colour);
        QVERIFY(html.contains(QStringLiteral("font-style: italic")));
        QVERIFY(html.contains(QStringLiteral("font-weight: bold")));
        const QByteArray rtf = data->data(QStringLiteral("text/rtf"));
        QVERIFY(rtf.startsWith("{\\rtf1"));
        QVERIFY(rtf.contains("CS Koptos Manuscript;"));
        QVERIFY(rtf.contains("\\red255\\green0\\blue0;"));
        QVERIFY(rtf.contains("\\'cbb=e")); // the place mark as the font's byte
        QVERIFY(rtf.contains("\\qc"));
        QVERIFY(caretAtStart(reportEdit(*window)));
    }

    void copySelectedCopiesExactlyTheSelection() {
        numberBox(*window)->setNumberText(QStringLiteral("21"));
        selectLine(reportEdit(*window), 11); // the Coptic words of 21
        window->findChild<QAction*>("copySelectedAction")->trigger();
        QCOMPARE(QGuiApplication::clipboard()->text(), QStringLiteral("jwt ouai"));
        QVERIFY(caretAtStart(reportEdit(*window)));
        // Nothing selected: the clipboard keeps what it had.
        window->findChild<QAction*>("copySelectedAction")->trigger();
        QCOMPARE(QGuiApplication::clipboard()->text(), QStringLiteral("jwt ouai"));
    }

    // Ctrl+C copies the selection of the box that has the focus; Copy Selected is
    // there only while something is selected; Ctrl+A copies the whole report.
    void copyFollowsTheFocus() {
        NumberBox* box = numberBox(*window);
        auto* copy = window->findChild<QAction*>("copySelectedAction");
        box->setNumberText(QStringLiteral("21"));
        box->setFocus();
        box->selectAll();
        selectLine(reportEdit(*window), 15); // the pronunciation
        QTest::keyClick(box, Qt::Key_C, Qt::ControlModifier);
        QCOMPARE(QGuiApplication::clipboard()->text(), QStringLiteral("21"));
        box->deselect();
        QVERIFY(copy->isEnabled()); // the report's selection is still there
        QTest::keyClick(box, Qt::Key_C, Qt::ControlModifier);
        QCOMPARE(QGuiApplication::clipboard()->text(), QStringLiteral("goot way"));
        QVERIFY(!copy->isEnabled()); // copying leaves no selection
        QGuiApplication::clipboard()->setText(QStringLiteral("kept"));
        QTest::keyClick(box, Qt::Key_C, Qt::ControlModifier);
        QCOMPARE(QGuiApplication::clipboard()->text(), QStringLiteral("kept"));
        QTest::keyClick(box, Qt::Key_A, Qt::ControlModifier);
        QCOMPARE(QGuiApplication::clipboard()->text(), plainReport());
        QCOMPARE(box->text(), QStringLiteral("21"));
        reportEdit(*window)->setFocus();
        selectLine(reportEdit(*window), 3);
        QVERIFY(copy->isEnabled());
        QTest::keyClick(reportEdit(*window), Qt::Key_C, Qt::ControlModifier);
        QCOMPARE(QGuiApplication::clipboard()->text(), QStringLiteral("21"));
    }
};

QTEST_MAIN(SettingsMenusTest)
#include "settings_menus_test.moc"
