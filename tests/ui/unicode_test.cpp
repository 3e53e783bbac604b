// The report in Unicode Coptic: the machine defaults with and without the CS
// fonts, the Settings list, the styled lines, the clipboard, and numeral ranks
// that can be told apart on screen.
#include "report/report.h"
#include "ui/settings/settings_window.h"
#include "ui_test_support.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QFontDatabase>
#include <QFontMetrics>
#include <QImage>
#include <QMimeData>
#include <QPainter>
#include <QPushButton>
#include <QTest>

using namespace zefnaro;
using namespace zefnaro::testing;

namespace {

const QStringList freeFonts = {"FreeSerif", "MPH 2B Damase", "Noto Sans Coptic"};

// Rows holding dark pixels, counted as runs, above `limit`.
int strokesAbove(const QImage& image, int limit) {
    int runs = 0;
    bool inRun = false;
    for (int y = 0; y < limit; ++y) {
        bool dark = false;
        for (int x = 0; x < image.width() && !dark; ++x)
            dark = qGray(image.pixel(x, y)) < 128;
        if (dark && !inRun) ++runs;
        inRun = dark;
    }
    return runs;
}

int firstDarkRow(const QImage& image) {
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (qGray(image.pixel(x, y)) < 128) return y;
    return image.height();
}

QImage rendered(const QFont& font, const QString& text) {
    QImage image(240, 160, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    painter.setFont(font);
    painter.setPen(Qt::black);
    painter.drawText(image.rect(), Qt::AlignCenter, text);
    return image;
}

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
        window->findChild<QAction*>("mnuSettings")->trigger();
        return window->findChild<SettingsWindow*>("frmSettings");
    }

private slots:
    void cleanup() {
        window.reset();
        setFontCheck({});
    }

    void theFreeFontsAreInstalledWithCoptic() {
        setFontCheck({});
        for (const QString& family :
             {QStringLiteral("FreeSerif"), QStringLiteral("MPH 2B Damase")}) {
            QVERIFY2(fontInstalled(family),
                     qPrintable(family + " is missing: install fonts-freefont-ttf and "
                                         "fonts-mph-2b-damase"));
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
        QCOMPARE(window->settings().fontName, std::string("FreeSerif"));
        QCOMPARE(statusLabel(*window)->text(),
                 QStringLiteral(" FreeSerif | 16 | Masculine | Cardinal"));
    }

    void settingsMarkMissingFontsAndDefaultChoosesUnicode() {
        open(freeFonts);
        SettingsWindow* s = openSettings();
        auto* names = control<QComboBox>(*s, "cboFontName");
        QCOMPARE(names->count(), 9);
        QCOMPARE(names->itemText(1), QStringLiteral("CS Pishoi (not installed)"));
        QCOMPARE(names->itemText(7), QStringLiteral("FreeSerif"));
        QCOMPARE(names->itemText(8), QStringLiteral("Noto Sans Coptic"));
        QCOMPARE(names->currentIndex(), 7);
        names->setCurrentIndex(1); // a missing font stays selectable
        QCOMPARE(window->settings().fontName, std::string("CS Pishoi"));
        QCOMPARE(statusLabel(*window)->text(),
                 QStringLiteral(" CS Pishoi | 16 | Masculine | Cardinal"));
        QTest::mouseClick(control<QPushButton>(*s, "cmdDefault"), Qt::LeftButton);
        QCOMPARE(window->settings(), defaultSettings(false));
        QCOMPARE(names->currentIndex(), 7);
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
                    {11, QColor(255, 0, 0), "FreeSerif", true},
                    {15, QColor(0, 128, 0), "Arial", true},
                    {19, QColor(128, 64, 0), "MPH 2B Damase", false}};
        for (const auto& r : rows) {
            const Line& line = shown[static_cast<std::size_t>(r.line)];
            QVERIFY2(line.uniform, qPrintable(line.text));
            QCOMPARE(line.format.foreground().color(), r.colour);
            QCOMPARE(line.format.fontFamilies().toStringList(), QStringList{r.font});
            QCOMPARE(line.format.fontPointSize(), 16.0);
            QCOMPARE(line.format.font().bold(), r.bold);
        }
        // The six selections cover exactly their pieces, counted in characters.
        const Report report = composeReport("2005", window->settings());
        QCOMPARE(report.steps.size(), std::size_t{6});
        const QString text = window->reportBox().text();
        const std::string* pieces[] = {&report.digits, &report.english, &report.coptic,
                                       &report.pronunciation, &report.numerals};
        for (std::size_t i = 0; i < 5; ++i) {
            const FormatStep& step = report.steps[i + 1];
            QCOMPARE(text.mid(step.start, step.length), QString::fromStdString(*pieces[i]));
        }
    }

    void copyAllPutsUnicodeOnTheClipboard() {
        open(freeFonts);
        enter(numberBox(*window), QStringLiteral("2005"));
        QGuiApplication::clipboard()->clear();
        window->findChild<QAction*>("mnuCopy")->trigger();
        const QMimeData* data = QGuiApplication::clipboard()->mimeData();
        QVERIFY(data->text().contains(QStringLiteral("\nⲥ̀ⲛⲁⲩ ⲛ̀ϣⲟ ⲧⲓⲟⲩ\n")));
        QVERIFY(data->text().contains(QStringLiteral("\nⲃ̿ⲉ̅\n")));
        QVERIFY(data->html().contains(QStringLiteral("ⲥ̀ⲛⲁⲩ")));
        QVERIFY(data->html().contains(QStringLiteral("FreeSerif")));
        QVERIFY(data->html().contains(QStringLiteral("MPH 2B Damase")));
        const QByteArray rtf = data->data(QStringLiteral("text/rtf"));
        QVERIFY(rtf.contains("FreeSerif;"));
        // ⲥ U+2CA5, the jinkim U+0300, ⲛ U+2C9B; ⲃ U+2C83 and its U+033F.
        QVERIFY(rtf.contains("\\u11429?\\u768?\\u11419?"));
        QVERIFY(rtf.contains("\\u11395?\\u831?"));
    }

    // The three ranks as the report draws them by default: its numerals line's own
    // font, size and weight, one stroke for units, two for thousands, three for
    // millions.
    void numeralRanksLookDifferent() {
        setFontCheck({});
        assumeFonts(freeFonts);
        window = std::make_unique<MainWindow>();
        enter(numberBox(*window), QStringLiteral("1001001"));
        const Line numerals = lines(reportEdit(*window))[19];
        QCOMPARE(numerals.text, QStringLiteral("ⲁ̿̅ⲁ̿ⲁ̅"));
        QFont font = numerals.format.font();
        font.setFamilies(numerals.format.fontFamilies().toStringList());
        const int letterTop = firstDarkRow(rendered(font, QStringLiteral("ⲁ")));
        QCOMPARE(strokesAbove(rendered(font, QStringLiteral("ⲁ̅")), letterTop), 1);
        QCOMPARE(strokesAbove(rendered(font, QStringLiteral("ⲁ̿")), letterTop), 2);
        QCOMPARE(strokesAbove(rendered(font, QStringLiteral("ⲁ̿̅")), letterTop), 3);
    }
};

QTEST_MAIN(UnicodeTest)
#include "unicode_test.moc"
