// Practice: one question at a time in the mode the learner picks, an immediate
// verdict, the score and streak of the session, and worksheets to print.
#pragma once

#include "platform/report_box.h"
#include "practice/practice.h"
#include "practice/session.h"
#include "report/display_settings.h"
#include "ui/practice/worksheet_dialog.h"

#include <QDialog>

#include <functional>
#include <random>

class QBoxLayout;
class QComboBox;
class QGridLayout;
class QLabel;
class QLineEdit;
class QPushButton;
class QTextEdit;
class QWidget;

namespace zefnaro {

class PracticeWindow : public QDialog {
    Q_OBJECT
public:
    // `settings` gives the main window's settings as they are when a question is
    // made: its form (unless Mixed is chosen) and its fonts for the report.
    PracticeWindow(std::function<DisplaySettings()> settings, QWidget* owner);

    PracticeOptions options() const;
    const Question& question() const { return question_; }
    // Asks this question instead of a drawn one.
    void ask(const Question& question);
    void nextQuestion();
    void checkAnswer();
    void showAnswer();
    // The worksheet asked for: a PDF, or on a printer, the same pages.
    bool saveWorksheet(const QString& path, const WorksheetRequest& request);
    // The questions a request asks for, drawn from the window's random numbers.
    Worksheet worksheetFor(const WorksheetRequest& request);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void buildControls();
    QWidget* buildKeypad();
    void layOut();
    void insertOnKeypad(const QString& text);
    void showReport();
    void showReportPane(bool shown);
    void updateScore();
    void chooseWorksheet();
    void choiceChanged();
    void setVerdict(const QString& text, const QString& answer, const QColor& colour);

    std::function<DisplaySettings()> settings_;
    std::mt19937_64 random_;
    Question question_;
    Tally tally_; // the session's score, and whether this question has its verdict

    QComboBox* modeList_;
    QComboBox* rangeList_;
    QComboBox* formList_;
    QLabel* instructionText_;
    QLabel* questionText_;
    QLineEdit* answerBox_;
    QPushButton* checkButton_;
    QWidget* keypad_;
    QLabel* verdictText_;
    QTextEdit* reportEdit_;
    ReportBox reportBox_;
    QPushButton* showAnswerButton_;
    QPushButton* nextButton_;
    QPushButton* worksheetButton_;
    QLabel* scoreText_;
    QBoxLayout* column_ = nullptr;
};

} // namespace zefnaro
