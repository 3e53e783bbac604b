// The Practice window through its controls: every mode answered right (the write
// modes on the keypad alone) and wrong, the score, worksheets as PDF pages, and
// Random's range in the main window.
#include "ui_test_support.h"

#include "engine/numbers.h"
#include "ui/practice/practice_window.h"

#include <QAction>
#include <QComboBox>
#include <QLineEdit>
#include <QProcess>
#include <QPushButton>
#include <QScrollArea>
#include <QTemporaryDir>
#include <QTextBlock>
#include <QToolButton>
#include <QToolTip>
#include <QtTest>

#include <set>

using namespace zefnaro;
using namespace zefnaro::testing;

class PracticeWindowTest : public QObject {
    Q_OBJECT
    std::unique_ptr<MainWindow> window;
    PracticeWindow* practice = nullptr;

    // Writes a text on the keypad, key by key: marks from their own keys.
    void typeOnKeypad(const QString& text) {
        const auto keys = practice->findChild<QWidget*>("keypad")->findChildren<QToolButton*>();
        for (qsizetype i = 0; i < text.size();) {
            QToolButton* best = nullptr;
            qsizetype bestLength = 0;
            for (QToolButton* key : keys) {
                const QString typed = key->text().remove(QStringLiteral("◌"));
                if (typed.size() > bestLength && text.mid(i).startsWith(typed) &&
                    (typed != QStringLiteral("Space"))) {
                    best = key;
                    bestLength = typed.size();
                }
            }
            if (!best && text.at(i) == QLatin1Char(' '))
                for (QToolButton* key : keys)
                    if (key->text() == QStringLiteral("Space")) best = key, bestLength = 1;
            QVERIFY2(best, qPrintable(QStringLiteral("no key for ") + text.mid(i)));
            best->click();
            i += bestLength;
        }
    }

    QString verdict() { return control<QLabel>(*practice, "verdictText")->accessibleDescription(); }

    int pdfPages(const QString& pdf) {
        QProcess info;
        info.start(QStringLiteral("pdfinfo"), {pdf});
        if (!info.waitForFinished() || info.exitCode() != 0) return -1;
        const QString text = QString::fromUtf8(info.readAllStandardOutput());
        return QRegularExpression(QStringLiteral("Pages:\\s+(\\d+)")).match(text).captured(1).toInt();
    }

    QString pdfText(const QString& pdf, int first, int last) {
        QProcess text;
        text.start(QStringLiteral("pdftotext"), {QStringLiteral("-f"), QString::number(first), QStringLiteral("-l"),
                                                 QString::number(last), pdf, QStringLiteral("-")});
        text.waitForFinished();
        return QString::fromUtf8(text.readAllStandardOutput());
    }
    QString score() { return control<QLabel>(*practice, "scoreText")->text(); }

private slots:
    void init() {
        assumeFonts();
        window = shownMainWindow();
        QTest::keyClick(window.get(), Qt::Key_F5);
        practice = window->findChild<PracticeWindow*>("practiceWindow");
        QVERIFY(practice);
        QVERIFY(QTest::qWaitForWindowExposed(practice));
    }
    void cleanup() { window.reset(); }

    void opensOnceFromTheMenuAndF5() {
        QCOMPARE(practice->windowTitle(), QStringLiteral("Practice"));
        window->findChild<QAction*>("practiceAction")->trigger();
        QCOMPARE(window->findChildren<PracticeWindow*>().size(), 1);
        QVERIFY(!practice->question().text.empty());
    }

    void everyModeRightAndWrong() {
        const Form forms[] = {formOf(false, true), formOf(true, false)};
        int asked = 0, right = 0;
        for (const Ask ask : allAsks)
            for (const Form form : forms) {
                const Question q = makeQuestion(ask, 2005, form);
                practice->ask(q);
                QCOMPARE(control<QWidget>(*practice, "keypad")->isVisible(), asksToWrite(ask));
                auto* answer = control<QLineEdit>(*practice, "answerBox");
                if (asksToWrite(ask))
                    typeOnKeypad(QString::fromStdString(q.answer));
                else
                    QTest::keyClicks(answer, QStringLiteral("two thousand five"));
                QCOMPARE(answer->text().toStdString(), asksToWrite(ask) ? q.answer : "two thousand five");
                QTest::keyClick(answer, Qt::Key_Return);
                QCOMPARE(verdict(), QStringLiteral("Right!"));
                QVERIFY(!control<QWidget>(*practice, "practiceReport")->isVisible());
                ++asked, ++right;
                QCOMPARE(score(), QStringLiteral("Score: %1 of %2 · streak 1").arg(right).arg(asked));

                practice->ask(q);
                QTest::keyClicks(answer, QStringLiteral("2015"));
                QTest::keyClick(answer, Qt::Key_Return);
                QVERIFY2(verdict().startsWith(QStringLiteral("Not yet: you wrote 2,015")), qPrintable(verdict()));
                QVERIFY(verdict().endsWith(QStringLiteral("The answer is %1.").arg(QString::fromStdString(q.answer))));
                // The whole report of the number asked, in the form asked.
                auto* report = control<QTextEdit>(*practice, "practiceReport");
                QVERIFY(report->isVisible());
                QVERIFY(report->toPlainText().contains(form.ordinal() ? QStringLiteral("2,005th")
                                                                    : QStringLiteral("2,005")));
                ++asked;
                QCOMPARE(score(), QStringLiteral("Score: %1 of %2 · streak 0").arg(right).arg(asked));
                // Enter again goes on to a new question.
                QTest::keyClick(answer, Qt::Key_Return);
                QVERIFY(verdict().isEmpty());
            }
    }

    void rangeAndFormsChooseTheQuestions() {
        auto* range = control<QComboBox>(*practice, "practiceRangeList");
        range->setCurrentIndex(0); // up to 10
        changeSettings(*window, [](DisplaySettings& s) { s.form = {Kind::ordinal, Gender::feminine}; });
        for (int i = 0; i < 40; ++i) {
            practice->nextQuestion();
            QVERIFY(practice->question().number >= 1 && practice->question().number <= 10);
            QCOMPARE(practice->question().form, (formOf(true, false)));
        }
        control<QComboBox>(*practice, "formList")->setCurrentIndex(1); // mixed
        std::set<std::pair<bool, bool>> seen;
        for (int i = 0; i < 60; ++i) {
            practice->nextQuestion();
            seen.insert({practice->question().form.ordinal(), practice->question().form.masculine()});
        }
        QCOMPARE(seen.size(), std::size_t{4});
    }

    // 40 questions of each mode: a header with the title and the name line on
    // the first page, every question on the question pages, the key after them
    // on pages of its own whose numerals read back within the range.
    void worksheetPagesWithTheAnswersLast() {
        QTemporaryDir dir;
        for (const Ask ask : allAsks) {
            WorksheetRequest request;
            request.options = {ask, 1000, Form{}};
            request.count = 40;
            request.title = QStringLiteral("Class 3, week %1").arg(static_cast<int>(ask));
            const QString pdf = dir.filePath(QStringLiteral("sheet%1.pdf").arg(static_cast<int>(ask)));
            QVERIFY(practice->saveWorksheet(pdf, request));
            if (qEnvironmentVariableIsSet("ZEFNARO_KEEP_SHEETS"))
                QFile::copy(pdf, qEnvironmentVariable("ZEFNARO_KEEP_SHEETS") + QFileInfo(pdf).fileName());
            const int pages = pdfPages(pdf);
            if (pages < 0) QSKIP("pdfinfo is not installed");
            int questionPages = 0;
            while (questionPages < pages && !pdfText(pdf, questionPages + 1, questionPages + 1)
                                                  .contains(QStringLiteral("Answers:")))
                ++questionPages;
            QVERIFY2(questionPages >= 1 && pages > questionPages, qPrintable(request.title));
            request.look.answerKey = false;
            QVERIFY(practice->saveWorksheet(pdf + QStringLiteral(".q"), request));
            QVERIFY(!pdfText(pdf + QStringLiteral(".q"), 1, 99).contains(QStringLiteral("Answers:")));
            const QString first = pdfText(pdf, 1, 1);
            QVERIFY2(first.contains(request.title) && first.contains(QStringLiteral("Name")) &&
                         first.contains(QStringLiteral("Date")),
                     qPrintable(first));
            const QString questions = pdfText(pdf, 1, questionPages);
            for (int n = 1; n <= 40; ++n)
                QVERIFY2(questions.contains(QStringLiteral("%1.").arg(n)), qPrintable(questions));
            const QString key = pdfText(pdf, questionPages + 1, pages);
            QVERIFY2(key.contains(QStringLiteral("Answers")), qPrintable(key));
            if (ask != Ask::writeNumerals) continue;
            int numerals = 0;
            for (const QString& word : key.split(QRegularExpression(QStringLiteral("\\s+")))) {
                const ReadResult r = readWrittenNumber(word.toStdString());
                if (r.ok() && r.reading.written == WrittenForm::numerals) {
                    QVERIFY(r.reading.number <= 1000);
                    ++numerals;
                }
            }
            QVERIFY2(numerals == 40, qPrintable(key));
        }
    }

    // Enter always checks: after a click on Next, after a list is chosen; the
    // verdict and the report show with every control still in the window.
    void noAnswerIsLost() {
        auto* answer = control<QLineEdit>(*practice, "answerBox");
        for (const char* button : {"nextButton", "showAnswerButton"}) {
            QTest::mouseClick(control<QPushButton>(*practice, button), Qt::LeftButton);
            QVERIFY(answer->hasFocus());
            if (QByteArray(button) == "showAnswerButton") QTest::keyClick(answer, Qt::Key_Return); // on
            const QString before = score();
            QTest::keyClicks(answer, QStringLiteral("5"));
            QTest::keyClick(answer, Qt::Key_Return);
            QVERIFY2(!verdict().isEmpty() && score() != before, qPrintable(score()));
        }
        auto* mode = control<QComboBox>(*practice, "modeList");
        mode->setFocus();
        QTest::keyClick(mode, Qt::Key_Down);
        QVERIFY(answer->hasFocus());
        // Nothing written is no answer: asked again, the score kept.
        const QString before = score();
        QTest::keyClick(answer, Qt::Key_Return);
        QCOMPARE(score(), before);
        QVERIFY(!verdict().isEmpty());

        QTest::mouseClick(control<QPushButton>(*practice, "showAnswerButton"), Qt::LeftButton);
        QVERIFY(practice->findChildren<QScrollArea*>().size() <= 1); // the report's own
        auto* report = control<QTextEdit>(*practice, "practiceReport");
        QVERIFY(report->isVisible() && report->height() >= 150);
        for (const char* name : {"scoreText", "showAnswerButton", "nextButton", "worksheetButton", "checkButton"}) {
            auto* w = control<QWidget>(*practice, name);
            const QRect inWindow(w->mapTo(practice, QPoint(0, 0)), w->size());
            QVERIFY2(practice->rect().contains(inWindow), name);
        }
    }

    // A Coptic answer in a words question is told about its words.
    void wrongWordsToldAsWords() {
        auto* answer = control<QLineEdit>(*practice, "answerBox");
        practice->ask(makeQuestion(Ask::writeCoptic, 7, Form{}));
        answer->setText(QStringLiteral("ⲙⲏⲧϣⲁϣϥ"));
        QTest::keyClick(answer, Qt::Key_Return);
        QVERIFY2(verdict().startsWith(QStringLiteral("Not yet: \"ⲙⲏⲧϣⲁϣϥ\" is not a Coptic number word.")),
                 qPrintable(verdict()));
    }

    // Mode, range and forms come back when the window opens again.
    void choicesKeptForTheRun() {
        control<QComboBox>(*practice, "modeList")->setCurrentIndex(3);
        control<QComboBox>(*practice, "practiceRangeList")->setCurrentIndex(4);
        practice->close();
        QTRY_VERIFY(!window->findChild<PracticeWindow*>("practiceWindow"));
        window->findChild<QAction*>("practiceAction")->trigger();
        practice = window->findChild<PracticeWindow*>("practiceWindow");
        QVERIFY(practice);
        QCOMPARE(control<QComboBox>(*practice, "modeList")->currentIndex(), 3);
        QCOMPARE(control<QComboBox>(*practice, "practiceRangeList")->currentIndex(), 4);
        control<QComboBox>(*practice, "modeList")->setCurrentIndex(0);
        control<QComboBox>(*practice, "practiceRangeList")->setCurrentIndex(1);
    }

    // Each letter of the numerals line tells its value under the mouse and, as
    // the caret reaches it, in the status line; the prefix and ending tell none.
    void numeralLettersExplained() {
        practice->close();
        const std::vector<QString> letters{QStringLiteral("ⲫ̿̅ = 500 × 1,000,000"),
                                           QStringLiteral("ⲕ̅ = 20"), QStringLiteral("ⲁ̅ = 1")};
        for (const char* font : {"Zefnaro Coptic", "CS Avva Shenouda"}) {
            changeSettings(*window, [font](DisplaySettings& s) {
                s.fontName = font;
                s.form = {Kind::ordinal, Gender::feminine};
            });
            enter(numberBox(*window), QStringLiteral("500000021"));
            auto* edit = reportEdit(*window);
            const Report report = composeReport(500000021.0, window->settings());
            const QString numerals = QString::fromStdString(std::string(report.text(Piece::numerals)));
            QTextBlock block = edit->document()->begin();
            while (block.isValid() && block.text() != numerals)
                block = block.next();
            QVERIFY2(block.isValid(), font);
            const QStringList tips = tipsAlong(edit, block);
            QCOMPARE(tips, QStringList(letters.begin(), letters.end()));
            // The keyboard: the caret on the second letter.
            window->activateWindow();
            QVERIFY(QTest::qWaitForWindowActive(window.get()));
            edit->setFocus();
            QTextCursor caret = edit->textCursor();
            const auto second = static_cast<int>(
                numerals.indexOf(QString::fromUtf8(font[0] == 'Z' ? "ⲕ" : "=k")));
            caret.setPosition(block.position() + second);
            edit->setTextCursor(caret);
            QVERIFY2(edit->hasFocus(), "focus");
            QCOMPARE(statusLabel(*window)->text().trimmed(), letters[1]);
        }
    }

    void randomKeepsToItsRange() {
        auto* range = control<QComboBox>(*window, "rangeList");
        QCOMPARE(range->currentText(), QStringLiteral("up to 999,999,999"));
        range->setCurrentIndex(0);
        std::set<int> seen;
        for (int i = 0; i < 200; ++i) {
            control<QPushButton>(*window, "randomButton")->click();
            seen.insert(numberBox(*window)->text().toInt());
        }
        QCOMPARE(*seen.begin(), 1);
        QCOMPARE(*seen.rbegin(), 10);
    }
};

QTEST_MAIN(PracticeWindowTest)
#include "practice_window_test.moc"
