// The Coptic Date window through its controls: opened once from the View menu, the
// Gregorian field and the Coptic fields kept in step both ways, a typed Coptic date,
// its report in the main window's font, Copy All.
#include "ui_test_support.h"

#include "report/date_report.h"
#include "ui/date/date_window.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QDateEdit>
#include <QDir>
#include <QTimer>
#include <QLabel>
#include <QLineEdit>
#include <QFile>
#include <QTemporaryDir>
#include <QListWidget>
#include <QMimeData>
#include <QPushButton>
#include <QSpinBox>
#include <QTextBlock>
#include <QToolTip>
#include <QtTest>

using namespace zefnaro;
using namespace zefnaro::testing;

class DateWindowTest : public QObject {
    Q_OBJECT
    std::unique_ptr<MainWindow> window;
    DateWindow* dates = nullptr;

    CopticDate fields() {
        return {control<QSpinBox>(*dates, "copticYearSpin")->value(),
                control<QComboBox>(*dates, "copticMonthList")->currentIndex() + 1,
                control<QSpinBox>(*dates, "copticDaySpin")->value()};
    }
    QDate dateField() { return control<QDateEdit>(*dates, "gregorianDateEdit")->date(); }

private slots:
    void init() {
        assumeFonts();
        window = shownMainWindow();
        QTest::keyClick(window.get(), Qt::Key_D, Qt::ControlModifier);
        dates = window->findChild<DateWindow*>("dateWindow");
        QVERIFY(dates);
        QVERIFY(QTest::qWaitForWindowExposed(dates));
    }
    void cleanup() { window.reset(); }

    // The shown year's feasts and fasts: listed, each a click to its first day, the
    // list following the year; the year saved as an iCalendar file.
    void theYearsFeastsAndFasts() {
        dates->showGregorian(QDate(2027, 4, 1));
        auto* list = control<QListWidget>(*dates, "churchYearList");
        QCOMPARE(list->count(), 38);
        QList<QListWidgetItem*> easter = list->findItems(QStringLiteral("Easter\n"), Qt::MatchStartsWith);
        QCOMPARE(easter.size(), 1);
        QVERIFY(plain(dates->report()).contains(QStringLiteral("\nwhich is\nGreat Lent, 31 days to Easter\n")));
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->visualItemRect(easter[0]).center());
        QCOMPARE(dateField(), QDate(2027, 5, 2));
        dates->showGregorian(QDate(2027, 9, 20)); // 1744 AM
        QVERIFY(list->item(0)->text().endsWith(QStringLiteral("1744 AM")));
        QTemporaryDir folder;
        const QString path = folder.filePath(QStringLiteral("year.ics"));
        QVERIFY(dates->saveCalendar(path));
        QFile file(path);
        QVERIFY(file.open(QIODevice::ReadOnly));
        const QByteArray ics = file.readAll();
        QVERIFY(ics.startsWith("BEGIN:VCALENDAR\r\n"));
        QCOMPARE(ics.count("BEGIN:VEVENT"), 38);
        QVERIFY(ics.contains("UID:1744-easter@zefnaro"));
        // A calendar that cannot be written is said, and the file there stays whole;
        // so is a year whose days reach 10000 AD, which calendar files cannot hold.
        for (const auto& [year, where] : {std::pair{1744, path + QStringLiteral("/inside.ics")},
                                          std::pair{9716, folder.filePath(QStringLiteral("late.ics"))}}) {
            dates->showCoptic({year, 1, 1});
            QTimer::singleShot(0, [] {
                if (auto* m = QApplication::activeModalWidget()) m->close();
            });
            QVERIFY2(!dates->saveCalendar(where), qPrintable(where));
        }
        QFile again(path);
        QVERIFY(again.open(QIODevice::ReadOnly));
        QCOMPARE(again.readAll(), ics);
        QCOMPARE(QDir(folder.path()).entryList(QDir::Files | QDir::Hidden), QStringList{QStringLiteral("year.ics")});
    }

    void opensOnceModelessOnToday() {
        QCOMPARE(dates->windowTitle(), QStringLiteral("Coptic Date — Zefnaro"));
        QVERIFY(!dates->isModal());
        window->findChild<QAction*>("copticDateAction")->trigger();
        QCOMPARE(window->findChildren<DateWindow*>().size(), 1);
        QCOMPARE(dateField(), QDate::currentDate());
    }

    // Typed into either side, the other follows: arrows on the Gregorian field's
    // day, the Coptic spin boxes and month list, and the leap day's edges.
    void fieldsKeptInStep() {
        auto* dateEdit = control<QDateEdit>(*dates, "gregorianDateEdit");
        dates->showGregorian(QDate(2023, 9, 11));
        QCOMPARE(fields(), (CopticDate{1739, 13, 6}));
        dateEdit->setFocus();
        dateEdit->setCurrentSection(QDateTimeEdit::DaySection);
        QTest::keyClick(dateEdit, Qt::Key_Up);
        QCOMPARE(dateField(), QDate(2023, 9, 12));
        QCOMPARE(fields(), (CopticDate{1740, 1, 1}));

        auto* day = control<QSpinBox>(*dates, "copticDaySpin");
        auto* month = control<QComboBox>(*dates, "copticMonthList");
        auto* year = control<QSpinBox>(*dates, "copticYearSpin");
        year->setValue(1743);
        month->setCurrentIndex(2);
        day->setFocus();
        day->selectAll();
        QTest::keyClicks(day, "29");
        QCOMPARE(dateField(), QDate(2026, 12, 8));
        // 6 Pi Kogi Enavot in a leap year; a common year has 5, and the day follows.
        month->setCurrentIndex(12);
        day->setValue(6);
        QCOMPARE(dateField(), QDate(2027, 9, 11));
        QCOMPARE(day->maximum(), 6);
        QTest::keyClick(year, Qt::Key_Down);
        QCOMPARE(fields(), (CopticDate{1742, 13, 5}));
        QCOMPARE(day->maximum(), 5);
        QCOMPARE(dateField(), QDate(2026, 9, 10));
    }

    void readsATypedDateAndSaysWhatIsWrong() {
        auto* box = control<QLineEdit>(*dates, "copticDateBox");
        auto* message = control<QLabel>(*dates, "readMessage");
        box->setFocus();
        box->insert(QStringLiteral("ⲕ̅ⲑ̅ Ⲁⲑⲱⲣ ⲁ̿ⲯ̅ⲙ̅ⲅ̅")); // as the keypad or a paste would
        QTest::keyClick(box, Qt::Key_Return);
        QCOMPARE(dateField(), QDate(2026, 12, 8));
        QVERIFY(message->isHidden());
        QVERIFY(!dates->readCoptic(QStringLiteral("31 Hathor 1743")));
        QVERIFY(message->isVisible());
        QVERIFY(message->text().startsWith(QStringLiteral("There is no 31 Hathor")));
        QCOMPARE(dateField(), QDate(2026, 12, 8));
    }

    // The report is the composed one, in the main window's font and size as they
    // change; Copy All puts it on the clipboard.
    void reportFollowsTheMainSettingsAndIsCopied() {
        dates->showGregorian(QDate(2026, 12, 8));
        for (const char* font : {"CS Copto Manuscript", "Zefnaro Coptic"}) {
            changeSettings(*window, [&](DisplaySettings& s) {
                s.fontName = font;
                s.fontSize = 20;
            });
            const Report expected = composeDateReport({1743, 3, 29}, window->settings());
            QCOMPARE(plain(dates->report()), plain(expected));
            const std::vector<ShownLine> shown = lines(control<QTextEdit>(*dates, "dateReport"));
            QCOMPARE(shown[3].format.fontFamilies().toStringList().value(0),
                     QString::fromStdString(expected.numeralsFont));
            QCOMPARE(shown[3].format.fontPointSize(), 20.0);
            // The mouse along the numerals line: each letter of the day and the year says
            // what it stands for, the month's name nothing.
            auto* edit = control<QTextEdit>(*dates, "dateReport");
            const QTextBlock block = edit->document()->findBlockByNumber(3);
            const QStringList tips = tipsAlong(edit, block);
            QCOMPARE(tips, (QStringList{"ⲕ̅ = 20", "ⲑ̅ = 9", "ⲁ̿ = 1 × 1,000", "ⲯ̅ = 700", "ⲙ̅ = 40", "ⲅ̅ = 3"}));
        }
        QApplication::clipboard()->clear();
        control<QPushButton>(*dates, "copyAllButton")->click();
        QCOMPARE(QApplication::clipboard()->text(), plain(dates->report()));
        QVERIFY(QApplication::clipboard()->mimeData()->html().contains(QStringLiteral("Ⲁⲑⲱⲣ")));
    }
};

QTEST_MAIN(DateWindowTest)
#include "date_window_test.moc"
