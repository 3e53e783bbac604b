// Drives the real main window with thousands of random events from a fixed seed
// and checks after each one what a user would see. A failure names the seed and
// the event; replay with ZEFNARO_MONKEY_SEED=N (and ZEFNARO_MONKEY_EVENTS=M).
#include "report/entry.h"
#include "platform/locale_separator.h"
#include "report/report.h"
#include "ui/practice/practice_window.h"
#include "ui/settings/settings_window.h"
#include "ui_test_support.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QSignalSpy>
#include <QTest>
#include <QToolButton>

#include <cmath>
#include <random>

using namespace zefnaro;
using namespace zefnaro::testing;

namespace {

unsigned long setting(const char* name, unsigned long fallback) {
    bool ok = false;
    const unsigned long value = qEnvironmentVariable(name).toULong(&ok);
    return ok ? value : fallback;
}

} // namespace

class MonkeyTest : public QObject {
    Q_OBJECT

    std::mt19937 rng;
    int pick(int n) { return std::uniform_int_distribution<int>(0, n - 1)(rng); }

    QString randomText() {
        static const QStringList samples = {
            "12abc", "1 2", "1,234", "&HFF", "&O17", "1E3", "-5", "1.5", "1E300", "1E999", "0",
            "000", "\t7\n", "٣", "\u202e12", "99999999999",
            // written numbers, read back by a paste
            "ⲃ̿ⲉ̅", "ⲙⲁϩ ⲕ̅ⲁ̅ϯ", "two thousand and five", "`cnau `nso tiou", "21st", "1,234,567", "ⲃ̿ⲃ̿",
            "mah jw] ou`i"};
        switch (pick(4)) {
        case 0:
            return samples[pick(static_cast<int>(samples.size()))];
        case 1:
            return QString::number(pick(1'000'000'000));
        case 2: { // hostile: any code points, control characters included
            QString s;
            for (int i = pick(40); i > 0; --i)
                s += QChar(static_cast<char16_t>(1 + pick(0xD7FF)));
            return s;
        }
        default: {
            QString s;
            for (int i = pick(2000); i > 0; --i)
                s += QChar(static_cast<char16_t>(0x20 + pick(0x5F)));
            return s;
        }
        }
    }

    void typeKey(NumberBox* box) {
        static const Qt::Key keys[] = {
            Qt::Key_Backspace, Qt::Key_Delete, Qt::Key_Return, Qt::Key_Enter,   Qt::Key_Left,
            Qt::Key_Right,     Qt::Key_Home,   Qt::Key_End,    Qt::Key_Space,   Qt::Key_Escape,
            Qt::Key_Up,        Qt::Key_Down,   Qt::Key_PageUp, Qt::Key_PageDown};
        static const Qt::Key ctrl[] = {Qt::Key_V,    Qt::Key_X,     Qt::Key_Z, Qt::Key_C,
                                       Qt::Key_A,    Qt::Key_Y,     Qt::Key_K, Qt::Key_Insert,
                                       Qt::Key_Plus, Qt::Key_Minus, Qt::Key_0};
        switch (pick(4)) {
        case 0:
        case 1:
            QTest::keyClick(box, static_cast<char>('0' + pick(10)));
            break;
        case 2:
            if (pick(2))
                QTest::keyClick(box, static_cast<char>(0x21 + pick(0x5E)));
            else
                QTest::keyClick(box, keys[pick(std::size(keys))]);
            break;
        default:
            QTest::keyClick(box, ctrl[pick(std::size(ctrl))], Qt::ControlModifier);
            break;
        }
    }

    void changeSetting(MainWindow& w) {
        w.findChild<QAction*>("settingsAction")->trigger();
        auto* s = w.findChild<SettingsWindow*>("settingsWindow");
        if (!s) return;
        switch (pick(7)) {
        case 0:
            control<QComboBox>(*s, "fontList")->setCurrentIndex(pick(7));
            break;
        case 1:
            control<QComboBox>(*s, "sizeList")->setCurrentIndex(pick(25));
            break;
        case 2:
            QTest::mouseClick(control<QCheckBox>(*s, "masculineBox"), Qt::LeftButton);
            break;
        case 3:
            QTest::mouseClick(control<QCheckBox>(*s, "ordinalBox"), Qt::LeftButton);
            break;
        case 4:
            QTest::mouseClick(control<QPushButton>(*s, "defaultButton"), Qt::LeftButton);
            break;
        case 5:
            QTest::keyClick(control<QComboBox>(*s, "sizeList"),
                            pick(2) ? Qt::Key_Down : Qt::Key_Up);
            break;
        default:
            s->close();
            break;
        }
    }

    // Practice, driven as a restless learner would; its score never counts more
    // right answers than questions, and its questions keep to the chosen range.
    QString practise(MainWindow& w) {
        w.findChild<QAction*>("practiceAction")->trigger();
        auto* p = w.findChild<PracticeWindow*>("practiceWindow");
        if (!p) return QStringLiteral("no Practice window");
        switch (pick(7)) {
        case 0:
            control<QComboBox>(*p, "modeList")->setCurrentIndex(pick(5));
            break;
        case 1:
            control<QComboBox>(*p, "practiceRangeList")->setCurrentIndex(pick(6));
            break;
        case 2:
            control<QComboBox>(*p, "formList")->setCurrentIndex(pick(2));
            break;
        case 3: {
            auto* answer = control<QLineEdit>(*p, "answerBox");
            answer->setText(pick(2) ? randomText() : QString::fromStdString(p->question().answer));
            QTest::keyClick(answer, Qt::Key_Return);
            break;
        }
        case 4: {
            const auto keys = control<QWidget>(*p, "keypad")->findChildren<QToolButton*>();
            keys[pick(static_cast<int>(keys.size()))]->click();
            break;
        }
        case 5:
            control<QPushButton>(*p, pick(2) ? "showAnswerButton" : "nextButton")->click();
            break;
        default:
            p->close();
            return {};
        }
        const QStringList score = control<QLabel>(*p, "scoreText")->text().split(QLatin1Char(' '));
        if (score.size() < 4 || score[1].toInt() > score[3].toInt()) return QStringLiteral("score");
        const auto upTo = control<QComboBox>(*p, "practiceRangeList")->currentData().toUInt();
        if (p->question().number < 1 || p->question().number > upTo) return QStringLiteral("range");
        return {};
    }

    void resize(MainWindow& w) {
        // Log-uniform sizes from 1 x 1 to very large.
        const auto side = [&] {
            return static_cast<int>(
                std::exp(std::uniform_real_distribution<>(0, std::log(4000.0))(rng)));
        };
        w.resize(side(), side());
    }

private slots:
    void randomEvents() {
        const unsigned long seed = setting("ZEFNARO_MONKEY_SEED", 20261207);
        const unsigned long events = setting("ZEFNARO_MONKEY_EVENTS", 10000);
        qInfo("monkey seed %lu, %lu events", seed, events);
        rng.seed(static_cast<std::mt19937::result_type>(seed));

        MainWindow window;
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        NumberBox* box = numberBox(window);
        Spinner* spin = spinner(window);
        ReportBox& report = window.reportBox();
        QTextEdit* edit = reportEdit(window);
        auto* random = control<QPushButton>(window, "randomButton");
        QSignalSpy executed(&window, &MainWindow::recomputed);
        const std::string sep = localeGroupSeparator();

        for (unsigned long event = 1; event <= events; ++event) {
            executed.clear();
            const int kind = pick(100);
            if (kind < 35)
                typeKey(box);
            else if (kind < 45) {
                QGuiApplication::clipboard()->setText(randomText());
                if (pick(2)) box->selectAll();
                if (pick(2))
                    box->paste(); // straight into the box
                else
                    window.pasteText(QGuiApplication::clipboard()->text()); // read as written
            } else if (kind < 55)
                QTest::mouseClick(pick(2) ? spin->upButton() : spin->downButton(), Qt::LeftButton);
            else if (kind < 60)
                random->click();
            else if (kind < 66) {
                QWidget* targets[] = {box, random, edit};
                targets[pick(3)]->setFocus(Qt::TabFocusReason);
            } else if (kind < 76)
                changeSetting(window);
            else if (kind < 84) {
                if (pick(2)) {
                    QTextCursor c(edit->document());
                    const int end = edit->document()->characterCount() - 1;
                    c.setPosition(pick(end + 1));
                    c.setPosition(pick(end + 1), QTextCursor::KeepAnchor);
                    edit->setTextCursor(c);
                    window.findChild<QAction*>("copySelectedAction")->trigger();
                } else {
                    window.findChild<QAction*>("copyAllAction")->trigger();
                }
            } else if (kind < 89)
                resize(window);
            else if (kind < 92) {
                if (const QString wrong = practise(window); !wrong.isEmpty())
                    QFAIL(qPrintable(QStringLiteral("practice: %1 at event %2").arg(wrong).arg(event)));
            }
            else
                QTest::keyClick(box, Qt::Key_Return);
            if (event % 64 == 0) QCoreApplication::processEvents();

            const QString where = QStringLiteral("seed %1, event %2 (kind %3), box \"%4\"")
                                      .arg(seed)
                                      .arg(event)
                                      .arg(kind)
                                      .arg(box->text());
            const auto fail = [&](const char* what) {
                QFAIL(qPrintable(QStringLiteral("%1: %2").arg(QString::fromLatin1(what), where)));
            };
            if (box->text().size() > 9) return fail("more than 9 characters");
            const double value = readNumber(box->text().toStdString());
            if (value >= 0 && value <= 999'999'999 && value == std::floor(value) &&
                spin->value() != static_cast<int>(value))
                return fail("the spinner does not hold the box's value");
            const Report expected =
                composeReport(box->text().toStdString(), window.settings(), sep);
            if (report.text() != plain(expected))
                return fail("the report box does not hold the report for the box");
            if (!executed.isEmpty()) {
                if (expected.isMessage ? !report.isWholeSelected() : !caretAtStart(edit))
                    return fail("the selection after a report is wrong");
            }
            if (!box->isVisible() || !edit->isVisible()) return fail("a box is hidden");
            // However small the window, the report box keeps a size to show a line in.
            if (edit->width() < 1 || edit->height() < 1) return fail("the report box collapsed");
        }
    }
};

QTEST_MAIN(MonkeyTest)
#include "monkey_test.moc"
