// Practice: one question at a time in the mode the learner picks, an immediate
// verdict, the score and streak of the session, and worksheets to print.
#pragma once

#include "platform/report_box.h"
#include "practice/practice.h"
#include "report/display_settings.h"

#include <QDialog>

#include <functional>
#include <random>

class QComboBox;
class QGridLayout;
class QLabel;
class QLineEdit;
class QPagedPaintDevice;
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
    // The worksheet of `count` questions as chosen: a PDF, or on a printer.
    bool saveWorksheet(const QString& path, int count);
    void printWorksheet(QPagedPaintDevice& device, int count);

private:
    void buildControls();
    QWidget* buildKeypad();
    void layOut();
    void insertOnKeypad(const QString& text);
    void showReport();
    void updateScore();
    void chooseWorksheet();

    std::function<DisplaySettings()> settings_;
    std::mt19937_64 random_;
    Question question_;
    bool answered_ = false; // this question has its verdict
    int asked_ = 0, right_ = 0, streak_ = 0;

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
};

} // namespace zefnaro
