#include "engine/engine.h"
#include "platform/locale_separator.h"
#include "report/report.h"
#include "ui_test_support.h"
#include <QToolButton>

#include <QApplication>
#include <QClipboard>
#include <QSignalSpy>
#include <QTest>

using namespace zefnaro;
using namespace zefnaro::testing;

class MainWindowTest : public QObject {
    Q_OBJECT

    std::unique_ptr<MainWindow> window;
    NumberBox* box = nullptr;

    QString reportText() { return window->reportBox().text(); }
    QString expectedReport(const char* entry) {
        return plain(composeReport(entry, window->settings()));
    }

private slots:
    void init() {
        assumeFonts();
        window = shownMainWindow();
        box = numberBox(*window);
    }
    void cleanup() { window.reset(); }

    void startsWithARandomNumberAndItsReport() {
        const QString text = box->text();
        QVERIFY(!text.isEmpty() && text.size() <= 9);
        bool ok = false;
        const int n = text.toInt(&ok);
        QVERIFY(ok && n >= 1 && n <= 999'999'999);
        QCOMPARE(spinner(*window)->value(), n);
        QCOMPARE(reportText(),
                 plain(composeReport(text.toStdString(), window->settings(), localeGroupSeparator())));
        QCOMPARE(statusLabel(*window)->text(),
                 QStringLiteral(" CS Copto Manuscript | 16 | Masculine | Cardinal"));
        QCOMPARE(box->selectedText(), text); // selected, ready to be typed over
        QCOMPARE(window->settings(), DisplaySettings{});
        QVERIFY(reportEdit(*window)->isVisible());
    }

    void typingADigitAfter12() {
        enter(box, "12");
        QSignalSpy executed(window.get(), &MainWindow::recomputed);
        QTest::keyClick(box, '7');
        QCOMPARE(box->text(), QStringLiteral("127"));
        QCOMPARE(spinner(*window)->value(), 127);
        QCOMPARE(executed.count(), 1);
        QVERIFY(!box->hasSelectedText());
        QCOMPARE(reportText(), expectedReport("127"));
    }

    void leadingZeroIsRewritten() {
        enter(box, "0");
        QTest::keyClick(box, '5');
        QCOMPARE(box->text(), QStringLiteral("5"));
        QCOMPARE(box->selectedText(), QStringLiteral("5"));
        QCOMPARE(spinner(*window)->value(), 5);
        QCOMPARE(reportText(), expectedReport("5"));
    }

    void backspaceAfterTheFirstDigit() {
        enter(box, "123");
        box->setCursorPosition(1);
        QTest::keyClick(box, Qt::Key_Backspace);
        QCOMPARE(box->text(), QStringLiteral("23"));
        QCOMPARE(box->selectedText(), QStringLiteral("23"));
        QCOMPARE(spinner(*window)->value(), 23);
        QCOMPARE(reportText(), expectedReport("23"));
    }

    void deletingEverything() {
        enter(box, "45");
        box->selectAll();
        QTest::keyClick(box, Qt::Key_Backspace);
        // The spinner went to 0 and wrote it back, selected.
        QCOMPARE(box->text(), QStringLiteral("0"));
        QCOMPARE(box->selectedText(), QStringLiteral("0"));
        QCOMPARE(reportText(), QStringLiteral("\n") + QStringLiteral("The number 0 (zero) does not exist in Coptic"));
        // With the spinner already at 0 the box stays empty.
        QTest::keyClick(box, Qt::Key_Backspace);
        QCOMPARE(box->text(), QString());
        QCOMPARE(spinner(*window)->value(), 0);
        QCOMPARE(reportText(), QStringLiteral("\n") + QStringLiteral("The number 0 (zero) does not exist in Coptic"));
    }

    void enterRecomputesOnce() {
        enter(box, "2005");
        QSignalSpy executed(window.get(), &MainWindow::recomputed);
        QTest::keyClick(box, Qt::Key_Return);
        QCOMPARE(executed.count(), 1);
        QCOMPARE(box->text(), QStringLiteral("2005"));
        QTest::keyClick(box, Qt::Key_Enter);
        QCOMPARE(executed.count(), 2);
    }

    void spinnerUpFrom41() {
        enter(box, "41");
        QSignalSpy executed(window.get(), &MainWindow::recomputed);
        QTest::mouseClick(spinner(*window)->upButton(), Qt::LeftButton);
        QCOMPARE(box->text(), QStringLiteral("42"));
        QCOMPARE(box->selectedText(), QStringLiteral("42"));
        QCOMPARE(executed.count(), 1);
        QCOMPARE(reportText(), expectedReport("42"));
        QTest::mouseClick(spinner(*window)->downButton(), Qt::LeftButton);
        QCOMPARE(box->text(), QStringLiteral("41"));
    }

    void spinnerStopsAtItsLimits() {
        enter(box, "999999999");
        QTest::mouseClick(spinner(*window)->upButton(), Qt::LeftButton);
        QCOMPARE(box->text(), QStringLiteral("999999999"));
        QVERIFY(!spinner(*window)->setValue(-1));
        QVERIFY(!spinner(*window)->setValue(1'000'000'000));
        QCOMPARE(spinner(*window)->value(), 999'999'999);
    }

    void focusSelectsAll() {
        enter(box, "777");
        control<QPushButton>(*window, "randomButton")->setFocus();
        const QString now = box->text();
        box->deselect();
        box->setFocus(Qt::TabFocusReason);
        QCOMPARE(box->selectedText(), now);
    }

    void charactersOtherThanDigitsAreDiscarded() {
        enter(box, "12");
        QSignalSpy executed(window.get(), &MainWindow::recomputed);
        QTest::keyClicks(box, "a -.,+E&");
        QTest::keyClick(box, Qt::Key_Space);
        QTest::keyClick(box, Qt::Key_X, Qt::ControlModifier);
        QTest::keyClick(box, Qt::Key_Z, Qt::ControlModifier);
        QCOMPARE(box->text(), QStringLiteral("12"));
        QCOMPARE(executed.count(), 0);
    }

    void tenthDigitIsRefused() {
        enter(box, "1");
        QTest::keyClicks(box, "23456789");
        const QColor base = box->palette().color(QPalette::Base);
        QSignalSpy refused(box, &NumberBox::refused);
        QTest::keyClicks(box, "0");
        QCOMPARE(box->text(), QStringLiteral("123456789"));
        // Refused with a sign: the bell and a flash of the box, that passes.
        QCOMPARE(refused.count(), 1);
        QVERIFY(box->palette().color(QPalette::Base) != base);
        QTRY_COMPARE(box->palette().color(QPalette::Base), base);
        box->selectAll(); // a selection makes room
        QTest::keyClicks(box, "7");
        QCOMPARE(box->text(), QStringLiteral("7"));
        QCOMPARE(refused.count(), 1);
        box->setNumberText(QStringLiteral("98765432109876"));
        QCOMPARE(box->text(), QStringLiteral("987654321"));
    }

    // An Arabic keyboard's digits are the digits they stand for.
    void arabicKeyboardDigitsAreDigits() {
        box->clear();
        for (const QChar c : QStringLiteral("٢٠٠۵")) // as an Arabic keyboard sends them
            QTest::sendKeyEvent(QTest::Click, box, Qt::Key_unknown, QString(c), Qt::NoModifier);
        QCOMPARE(box->text(), QStringLiteral("2005"));
    }

    void unreadablePastedTextIsReadLeniently() {
        // Text that is no written number goes into the box as pasting always did.
        // With the spinner already at the value read, the pasted text stays.
        const std::pair<const char*, const char*> rows[] = {{"12abc", "12"}, {"1 2", "12"}};
        for (const auto& [pasted, as] : rows) {
            enter(box, QString::fromLatin1(as));
            box->selectAll();
            QGuiApplication::clipboard()->setText(QString::fromLatin1(pasted));
            window->pasteText(QGuiApplication::clipboard()->text());
            QCOMPARE(box->text(), QString::fromLatin1(pasted));
            QCOMPARE(reportText(), expectedReport(as));
        }
        // Otherwise the spinner takes the value and writes its digits back.
        enter(box, "7");
        box->selectAll();
        QGuiApplication::clipboard()->setText(QStringLiteral("12abc"));
        window->pasteText(QGuiApplication::clipboard()->text());
        QCOMPARE(box->text(), QStringLiteral("12"));
        QCOMPARE(box->selectedText(), QStringLiteral("12"));
        QCOMPARE(reportText(), expectedReport("12"));
    }

    void outOfRangeValuesGetTheRangeMessage() {
        enter(box, "0"); // a message: the status line stays as it was
        changeSettings(*window, [](DisplaySettings& s) { s.form.kind = Kind::ordinal; });
        enter(box, "2"); // so that 1.5, rounded to 2, leaves the spinner as it is
        enter(box, "-5");
        const QString status = statusLabel(*window)->text();
        QCOMPARE(status, QStringLiteral(" CS Copto Manuscript | 16 | Masculine | Ordinal"));
        for (const char* pasted : {"-5", "1.5", "1E300", "1E999", "-2.5E10", "2.0001"}) {
            box->setText(QString::fromLatin1(pasted));
            QCOMPARE(box->text(), QString::fromLatin1(pasted));
            QCOMPARE(reportText(), QStringLiteral("\n") + QStringLiteral("Only whole numbers from 1 to 999,999,999 can be translated"));
            const auto shown = lines(reportEdit(*window));
            QCOMPARE(shown.size(), std::size_t{2});
            QCOMPARE(shown[1].format.foreground().color(), QColor(0, 0, 255));
            QCOMPARE(shown[1].format.fontPointSize(), 16.0);
            QCOMPARE(shown[1].format.fontFamilies().toStringList(), QStringList{"Arial"});
            QCOMPARE(shown[1].alignment, Qt::AlignHCenter);
            QVERIFY(window->reportBox().isWholeSelected());
            QCOMPARE(statusLabel(*window)->text(), status);
        }
    }

    void reportAsAUserSeesIt() {
        changeSettings(*window, [](DisplaySettings& s) {
            s.fontName = "CS Pishoi";
            s.fontSize = 20;
        });
        enter(box, "21");
        const auto shown = lines(reportEdit(*window));
        QCOMPARE(shown.size(), std::size_t{23});
        const QStringList texts = {"", "The cardinal number",
                                   "", "21",
                                   "", "or",
                                   "", "Twenty-One",
                                   "", "in Bohairic Coptic (masculine) is written",
                                   "", "jwt ouai",
                                   "", "which is pronounced",
                                   "", "goot way",
                                   "", "or",
                                   "", "=k=a",
                                   "", "for short",
                                   ""};
        const QColor blue(0, 0, 255);
        const std::map<int, std::pair<QColor, QString>> styled = {
            {3, {QColor(0, 0, 0), "Arial"}},
            {7, {QColor(128, 0, 128), "Arial"}},
            {11, {QColor(255, 0, 0), "CS Pishoi"}},
            {15, {QColor(0, 128, 0), "Arial"}},
            {19, {QColor(128, 64, 0), "CS Pishoi"}}};
        for (int i = 0; i < 23; ++i) {
            const ShownLine& line = shown[static_cast<std::size_t>(i)];
            QCOMPARE(line.text, texts[i]);
            QCOMPARE(line.alignment, Qt::AlignHCenter);
            if (line.text.isEmpty()) continue;
            QVERIFY2(line.uniform, qPrintable(line.text));
            const auto it = styled.find(i);
            const QColor colour = it == styled.end() ? blue : it->second.first;
            const QString font = it == styled.end() ? QStringLiteral("Arial") : it->second.second;
            QCOMPARE(line.format.foreground().color(), colour);
            QCOMPARE(line.format.fontFamilies().toStringList(), QStringList{font});
            QCOMPARE(line.format.fontPointSize(), 20.0);
            QCOMPARE(line.format.fontItalic(), i == 15);
            QVERIFY(QFont(reportEdit(*window)->document()->defaultFont()).bold());
            QVERIFY(line.format.fontWeight() == QFont::Bold ||
                    !line.format.hasProperty(QTextFormat::FontWeight));
        }
        // After a report: caret at 0, nothing selected.
        QVERIFY(caretAtStart(reportEdit(*window)));
    }

    void fontNameChangesOnlyTheCopticLines() {
        enter(box, "12345");
        const auto before = lines(reportEdit(*window));
        changeSettings(*window, [](DisplaySettings& s) { s.fontName = "CS Copt"; });
        const auto after = lines(reportEdit(*window));
        for (std::size_t i = 0; i < before.size(); ++i) {
            if (i == 11 || i == 19) {
                QCOMPARE(after[i].format.fontFamilies().toStringList(), QStringList{"CS Copt"});
                QVERIFY(after[i].format != before[i].format);
            } else {
                QCOMPARE(after[i].format, before[i].format);
            }
        }
    }

    void fontSizeChangesEveryLineButNotTheZeroMessage() {
        enter(box, "12345");
        changeSettings(*window, [](DisplaySettings& s) { s.fontSize = 40; });
        for (const ShownLine& line : lines(reportEdit(*window)))
            if (!line.text.isEmpty()) QCOMPARE(line.format.fontPointSize(), 40.0);
        enter(box, "0");
        QCOMPARE(lines(reportEdit(*window))[1].format.fontPointSize(), 16.0);
    }

    void statusLineRules() {
        enter(box, "0");
        changeSettings(*window, [](DisplaySettings& s) {
            s.form = {Kind::ordinal, Gender::feminine};
            s.fontSize = 8;
        });
        QCOMPARE(statusLabel(*window)->text(),
                 QStringLiteral(" CS Copto Manuscript | 16 | Masculine | Cardinal"));
        enter(box, "3");
        QCOMPARE(statusLabel(*window)->text(),
                 QStringLiteral(" CS Copto Manuscript | 8 | Feminine | Ordinal"));
    }

    void randomButtonDrawsWholeNumbers() {
        auto* random = control<QPushButton>(*window, "randomButton");
        QCOMPARE(random->text(), QStringLiteral("&Random"));
        for (int i = 0; i < 50; ++i) {
            QSignalSpy executed(window.get(), &MainWindow::recomputed);
            random->click();
            bool ok = false;
            const int n = box->text().toInt(&ok);
            QVERIFY(ok && n >= 1 && n <= 999'999'999);
            QCOMPARE(box->selectedText(), box->text());
            QCOMPARE(spinner(*window)->value(), n);
            QVERIFY(executed.count() <= 1); // none when the same number is drawn again
        }
        QCOMPARE(
            spinner(*window)->toolTip(),
            QStringLiteral("Use the up and down buttons to increase or decrease the number by 1."));
    }

    void layoutFollowsTheWindow() {
        // As wide as designed; at least as tall, and tall enough for a long report.
        QWidget* inner = window->centralWidget();
        QCOMPARE(inner->width(), 647);
        const int h = inner->height();
        QVERIFY(h >= 664);
        auto* report = reportEdit(*window);
        auto* status = statusLabel(*window);
        QCOMPARE(report->geometry(), QRect(8, 48, 631, h - 73));
        QCOMPARE(status->geometry(), QRect(8, h - 21, 631, 17));
        const QRect entry = box->geometry();

        window->resize(window->width() + 100, window->height() + 60);
        QTRY_COMPARE(inner->size(), QSize(747, h + 60));
        QCOMPARE(report->geometry(), QRect(8, 48, 731, h - 13));
        QCOMPARE(status->geometry(), QRect(8, h + 39, 731, 17));
        QCOMPARE(status->y() - (report->y() + report->height()), 4); // half a margin
        QCOMPARE(box->geometry(), entry);

        window->showMaximized();
        QTRY_VERIFY(window->isMaximized());
        QTRY_COMPARE(report->width(), inner->width() - 16);
        QCOMPARE(report->height(), inner->height() - 73);
        window->showNormal();
        QTRY_VERIFY(!window->isMaximized());
        QTRY_COMPARE(report->width(), inner->width() - 16);
        QCOMPARE(report->height(), inner->height() - 73);

        // No smaller than its controls: the entry row whole, the report and the
        // status line below it, as wide as each other.
        window->resize(1, 1);
        QCoreApplication::processEvents();
        QVERIFY(inner->width() >= 8 + 137 + 7 + 89 + 8);
        QCOMPARE(box->geometry(), entry);
        QVERIFY(control<QPushButton>(*window, "randomButton")->geometry().right() < inner->width() - 8);
        QVERIFY(report->height() > 0);
        QCOMPARE(report->width(), inner->width() - 16);
        QCOMPARE(status->geometry(), QRect(8, inner->height() - 21, report->width(), 17));
    }
};

QTEST_MAIN(MainWindowTest)
#include "main_window_test.moc"
