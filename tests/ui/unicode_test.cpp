// The report in Unicode Coptic: the machine defaults with and without the CS
// fonts, the Settings list and the notice of a missing font, the styled lines and
// the clipboard.
#include "report/report.h"
#include "ui/settings/settings_window.h"
#include "ui_test_support.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QLabel>
#include <QFontMetrics>
#include <QMimeData>
#include <QPushButton>
#include <QStyle>
#include <QStyleOptionComboBox>
#include <QTest>

using namespace zefnaro;
using namespace zefnaro::testing;

namespace {

const QStringList freeFonts = {"Zefnaro Coptic", "FreeSerif", "Noto Sans Coptic"};

} // namespace

class UnicodeTest : public QObject {
    Q_OBJECT

    std::unique_ptr<MainWindow> window;

    void open(const QStringList& installed) {
        assumeFonts(installed);
        window = std::make_unique<MainWindow>();
        window->show();
        QVERIFY(QTest::qWaitForWindowExposed(window.get()));
    }
    SettingsWindow* openSettings() {
        window->findChild<QAction*>("settingsAction")->trigger();
        return window->findChild<SettingsWindow*>("settingsWindow");
    }

private slots:
    void cleanup() {
        window.reset();
        setFontCheck({});
    }

    void theFreeFontsAreInstalledWithCoptic() {
        setFontCheck({});
        loadProjectFont();
        for (const QString& family :
             {QStringLiteral("FreeSerif"), QStringLiteral("Zefnaro Coptic")}) {
            QVERIFY2(fontInstalled(family),
                     qPrintable(family + " is missing: install fonts-freefont-ttf, or build "
                                         "the program's font"));
            const QFontMetrics metrics{QFont(family)};
            for (char32_t c : {U'\u2C81', U'\u03E3', U'\u03EF'})
                QVERIFY2(metrics.inFontUcs4(c), qPrintable(family));
        }
    }

    void defaultsFollowTheMachine() {
        open({}); // every font, the CS fonts too
        QCOMPARE(window->settings().fontName, std::string("CS Copto Manuscript"));
        QCOMPARE(statusLabel(*window)->text(),
                 QStringLiteral(" CS Copto Manuscript | 16 | Masculine | Cardinal"));
        window.reset();
        open(freeFonts);
        QCOMPARE(window->settings().fontName, std::string("Zefnaro Coptic"));
        QCOMPARE(statusLabel(*window)->text(),
                 QStringLiteral(" Zefnaro Coptic | 16 | Masculine | Cardinal"));
        // Words in another font: the status line names the numerals' font too.
        changeSettings(*window, [](DisplaySettings& s) { s.fontName = "FreeSerif"; });
        QCOMPARE(statusLabel(*window)->text(),
                 QStringLiteral(" FreeSerif, numerals Zefnaro Coptic | 16 | Masculine | Cardinal"));
    }

    void settingsMarkMissingFontsAndDefaultChoosesUnicode() {
        open(freeFonts);
        SettingsWindow* s = openSettings();
        auto* names = control<QComboBox>(*s, "fontList");
        QCOMPARE(names->count(), 10);
        QCOMPARE(names->itemText(0), QStringLiteral("CS Avva Shenouda (not installed)"));
        QCOMPARE(names->itemText(7), QStringLiteral("Zefnaro Coptic"));
        QCOMPARE(names->itemText(8), QStringLiteral("FreeSerif"));
        QCOMPARE(names->itemText(9), QStringLiteral("Noto Sans Coptic"));
        QCOMPARE(names->currentIndex(), 7);
        auto* notice = window->findChild<QLabel*>("fontNotice");
        QVERIFY(notice->isHidden());
        // The closed list shows the longest name whole.
        names->setCurrentIndex(0);
        QStyleOptionComboBox option;
        option.initFrom(names);
        const QRect field = names->style()->subControlRect(QStyle::CC_ComboBox, &option,
                                                           QStyle::SC_ComboBoxEditField, names);
        QVERIFY(names->fontMetrics().horizontalAdvance(names->itemText(0)) <= field.width());
        QVERIFY(names->geometry().right() < control<QComboBox>(*s, "sizeList")->x());
        QVERIFY(s->rect().contains(control<QPushButton>(*s, "closeButton")->geometry()));
        // A missing font stays selectable, and the window says what that means.
        names->setCurrentIndex(1);
        QCOMPARE(window->settings().fontName, std::string("CS Pishoi"));
        QCOMPARE(statusLabel(*window)->text(),
                 QStringLiteral(" CS Pishoi | 16 | Masculine | Cardinal"));
        QVERIFY(notice->isVisible());
        QVERIFY(notice->text().startsWith(QStringLiteral("CS Pishoi is not installed")));
        QVERIFY(notice->geometry().intersected(reportEdit(*window)->geometry()).isEmpty());
        QTest::mouseClick(control<QPushButton>(*s, "defaultButton"), Qt::LeftButton);
        QCOMPARE(window->settings(), defaultSettings(false));
        QCOMPARE(names->currentIndex(), 7);
        QVERIFY(notice->isHidden());
    }

    void unicodeReportLines() {
        open(freeFonts);
        enter(numberBox(*window), QStringLiteral("2005"));
        const auto shown = lines(reportEdit(*window));
        QCOMPARE(shown.size(), std::size_t{23});
        QCOMPARE(shown[11].text, QStringLiteral("ⲥ̀ⲛⲁⲩ ⲛ̀ϣⲟ ⲧⲓⲟⲩ"));
        QCOMPARE(shown[15].text, QStringLiteral("esnav ensho tiw"));
        QCOMPARE(shown[19].text, QStringLiteral("ⲃ̿ⲉ̅"));
        const struct {
            int line;
            QColor colour;
            QString font;
            bool bold;
        } rows[] = {{3, QColor(0, 0, 0), "Arial", true},
                    {7, QColor(128, 0, 128), "Arial", true},
                    {11, QColor(255, 0, 0), "Zefnaro Coptic", true},
                    {15, QColor(0, 128, 0), "Arial", true},
                    {19, QColor(128, 64, 0), "Zefnaro Coptic", false}};
        for (const auto& r : rows) {
            const ShownLine& line = shown[static_cast<std::size_t>(r.line)];
            QVERIFY2(line.uniform, qPrintable(line.text));
            QCOMPARE(line.format.foreground().color(), r.colour);
            QCOMPARE(line.format.fontFamilies().toStringList().first(), r.font);
            QCOMPARE(line.format.fontPointSize(), 16.0);
            QCOMPARE(line.format.font().bold(), r.bold);
        }
    }

    void copyAllPutsUnicodeOnTheClipboard() {
        open(freeFonts);
        enter(numberBox(*window), QStringLiteral("2005"));
        QGuiApplication::clipboard()->clear();
        window->findChild<QAction*>("copyAllAction")->trigger();
        const QMimeData* data = QGuiApplication::clipboard()->mimeData();
        QVERIFY(data->text().contains(QStringLiteral("\nⲥ̀ⲛⲁⲩ ⲛ̀ϣⲟ ⲧⲓⲟⲩ\n")));
        QVERIFY(data->text().contains(QStringLiteral("\nⲃ̿ⲉ̅\n")));
        QVERIFY(data->html().contains(QStringLiteral("ⲥ̀ⲛⲁⲩ")));
        // The program's font first, the other Coptic fonts as fallbacks.
        QVERIFY(data->html().contains(
            QStringLiteral("\"Zefnaro Coptic\", \"FreeSerif\", \"Noto Sans Coptic\"")));
        const QByteArray rtf = data->data(QStringLiteral("text/rtf"));
        QVERIFY(rtf.contains("Zefnaro Coptic;"));
        // ⲥ U+2CA5, the jinkim U+0300, ⲛ U+2C9B; ⲃ U+2C83 and its U+033F.
        QVERIFY(rtf.contains("\\u11429?\\u768?\\u11419?"));
        QVERIFY(rtf.contains("\\u11395?\\u831?"));
    }
};

QTEST_MAIN(UnicodeTest)
#include "unicode_test.moc"
