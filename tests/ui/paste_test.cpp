// Pasting and dropping written numbers: Ctrl+V, the entry box's context menu, the
// Edit menu and a drop, with numerals, Coptic words, grouped digits and text
// that is no written number.
#include "report/report.h"
#include "platform/locale_separator.h"
#include "ui/settings/settings_window.h"
#include "ui_test_support.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QMenu>
#include <QMimeData>
#include <QTest>
#include <QTimer>

using namespace zefnaro;
using namespace zefnaro::testing;

class PasteTest : public QObject {
    Q_OBJECT

    std::unique_ptr<MainWindow> window;
    NumberBox* box = nullptr;

    QString report() { return window->reportBox().text(); }
    QString expected(std::uint32_t n, bool ordinal = false, bool masculine = true) {
        DisplaySettings s = window->settings();
        s.form = {ordinal ? Kind::ordinal : Kind::cardinal, masculine ? Gender::masculine : Gender::feminine};
        return plain(composeReport(n, s, localeGroupSeparator()));
    }
    void clipboard(const QString& text) { QGuiApplication::clipboard()->setText(text); }

    // The four ways in, each given the text.
    void byKey(const QString& text) {
        clipboard(text);
        box->setFocus();
        QTest::keyClick(box, Qt::Key_V, Qt::ControlModifier);
    }
    void byContextMenu(const QString& text) {
        clipboard(text);
        QContextMenuEvent event(QContextMenuEvent::Mouse, QPoint(5, 5),
                                box->mapToGlobal(QPoint(5, 5)));
        QApplication::sendEvent(box, &event);
        QMenu* menu = nullptr;
        QTRY_VERIFY((menu = box->findChild<QMenu*>()) != nullptr);
        QAction* paste = nullptr;
        for (QAction* a : menu->actions())
            if (a->text().startsWith(QStringLiteral("&Paste"))) paste = a;
        QVERIFY(paste);
        paste->trigger();
        menu->close();
    }
    void byMenu(const QString& text) {
        clipboard(text);
        window->findChild<QAction*>("pasteAction")->trigger();
    }
    void byDrop(const QString& text, QWidget* target) {
        QMimeData data;
        data.setText(text);
        const QPoint at = target->rect().center();
        QDragEnterEvent enter(at, Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(target, &enter);
        QVERIFY(enter.isAccepted());
        QDropEvent drop(QPointF(at), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(target, &drop);
        QVERIFY(drop.isAccepted());
    }
    void way(int which, const QString& text) {
        switch (which) {
        case 0:
            byKey(text);
            break;
        case 1:
            byContextMenu(text);
            break;
        case 2:
            byMenu(text);
            break;
        case 3:
            byDrop(text, box);
            break;
        default:
            byDrop(text, window.get());
        }
    }

private slots:
    void init() {
        assumeFonts();
        window = shownMainWindow();
        box = numberBox(*window);
        enter(box, QStringLiteral("7"));
    }
    void cleanup() { window.reset(); }

    void theMenuItem() {
        auto* paste = window->findChild<QAction*>("pasteAction");
        QVERIFY(paste);
        QCOMPARE(paste->text(), QStringLiteral("&Paste"));
        QCOMPARE(paste->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_V));
    }

    void writtenNumbersEveryWay_data() {
        QTest::addColumn<int>("way");
        for (int w = 0; w < 5; ++w)
            QTest::addRow("%s", std::array{"key", "context menu", "Edit menu", "drop on box",
                                           "drop on window"}[static_cast<std::size_t>(w)])
                << w;
    }
    void writtenNumbersEveryWay() {
        QFETCH(int, way);
        const struct {
            const char* text;
            std::uint32_t number;
        } rows[] = {{"1,234,567", 1234567},
                    {"ⲃ̿ⲉ̅", 2005},
                    {"`cnau `nso tiou", 2005},
                    {"ⲥ̀ⲛⲁⲩ ⲛ̀ϣⲟ ⲧⲓⲟⲩ", 2005},
                    {"Twelve Thousand", 12000}};
        for (const auto& r : rows) {
            this->way(way, QString::fromUtf8(r.text));
            QCOMPARE(box->text(), QString::number(r.number));
            QCOMPARE(spinner(*window)->value(), static_cast<int>(r.number));
            QCOMPARE(report(), expected(r.number));
        }
        // Text that is no written number goes in as it is, read the lenient way.
        enter(box, QString());
        this->way(way, QStringLiteral("12abc"));
        QCOMPARE(box->text(), QStringLiteral("12"));
        QCOMPARE(report(), expected(12));
        // ... and the status line says why, in the reader's words, for a while.
        const QString why = statusLabel(*window)->text();
        QVERIFY2(why.startsWith(QStringLiteral(" Pasted text is no written number: not a number: "
                                               "\"a\" at character 3")),
                 qPrintable(why));
        auto* timer = window->findChild<QTimer*>("statusMessageTimer");
        QVERIFY(timer->isActive() && timer->interval() >= 3000);
        timer->start(1);
        QTRY_COMPARE(statusLabel(*window)->text(),
                 QString::fromStdString(statusText(window->settings())));
    }

    void anOrdinalFeminineTextSwitchesTheForm() {
        window->findChild<QAction*>("settingsAction")->trigger();
        auto* settings = window->findChild<SettingsWindow*>("settingsWindow");
        QVERIFY(settings);
        byMenu(QStringLiteral("ⲙⲁϩ ⲕ̅ⲁ̅ϯ"));
        QCOMPARE(box->text(), QStringLiteral("21"));
        QVERIFY(window->settings().form.ordinal());
        QVERIFY(window->settings().form.feminine());
        QCOMPARE(report(), expected(21, true, false));
        // Said where the user looks, then the status line as ever.
        QCOMPARE(statusLabel(*window)->text(),
                 QStringLiteral(" Now showing ordinal, feminine forms, as the pasted text is written"));
        window->findChild<QTimer*>("statusMessageTimer")->start(1);
        QTRY_COMPARE(statusLabel(*window)->text(),
                     QStringLiteral(" CS Copto Manuscript | 16 | Feminine | Ordinal"));
        QVERIFY(control<QCheckBox>(*settings, "ordinalBox")->isChecked());
        QVERIFY(!control<QCheckBox>(*settings, "masculineBox")->isChecked());
        // The same number again in another form: the report follows the form.
        window->applySettings(DisplaySettings{});
        byKey(QStringLiteral("21st"));
        QVERIFY(window->settings().form.ordinal());
        QCOMPARE(report(), expected(21, true, true));
    }
};

QTEST_MAIN(PasteTest)
#include "paste_test.moc"
