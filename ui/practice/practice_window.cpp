#include "practice_window.h"

#include "platform/colour.h"
#include "ui/window_language.h"
#include "engine/numbers.h"
#include "platform/named.h"
#include "practice/keypad.h"
#include "platform/arial.h"
#include "platform/geometry.h"
#include "practice/worksheet.h"
#include "ui/practice/worksheet_pages.h"
#include "report/fonts.h"
#include "report/report.h"
#include "ui/art/pictures.h"
#include "ui/fonts.h"

#include <QComboBox>
#include <QApplication>
#include <QDir>
#include <QKeyEvent>
#include <QFileDialog>
#include <QFileInfo>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPageLayout>
#include <QPushButton>
#include <QStandardPaths>
#include <QTextDocument>
#include <QTextEdit>
#include <QToolButton>
#include <QVBoxLayout>

namespace zefnaro {

namespace {

// Mode, range and forms, kept for the run when the window opens again.
struct Choices {
    int mode = 0, range = 1, forms = 0; // range: up to 100, where learners start
};
Choices& remembered() {
    static Choices choices;
    return choices;
}

} // namespace

PracticeWindow::PracticeWindow(std::function<DisplaySettings()> settings, QWidget* owner)
    : QDialog(owner, Qt::Window), settings_(std::move(settings)), random_(std::random_device{}()),
      modeList_(new QComboBox), rangeList_(new QComboBox), formList_(new QComboBox),
      instructionText_(new QLabel), questionText_(new QLabel), answerBox_(new QLineEdit),
      checkButton_(new QPushButton(tr("&Check"))), keypad_(buildKeypad()),
      verdictText_(new QLabel), reportEdit_(new QTextEdit), reportBox_(reportEdit_),
      showAnswerButton_(new QPushButton(tr("Show &Answer"))),
      nextButton_(new QPushButton(tr("&Next"))),
      worksheetButton_(new QPushButton(tr("&Worksheet..."))), scoreText_(new QLabel) {
    setObjectName(QStringLiteral("practiceWindow"));
    setWindowTitle(tr("Practice"));
    setWindowIcon(zefnaroIcon());
    setAttribute(Qt::WA_DeleteOnClose);
    loadProjectFont();
    buildControls();
    layOut();
    nextQuestion();
    // Opens tall enough for the verdict and the report pane with every control
    // in sight; the pane scrolls, the window does not.
    reportEdit_->show();
    resize(std::max(640, sizeHint().width()), std::max(640, sizeHint().height()));
    reportEdit_->hide();
    centreOnScreen(*this);
}

void PracticeWindow::buildControls() {
    named(modeList_, "modeList", tr("What to practise"));
    for (const auto& [ask, caption] :
         {std::pair{Ask::numerals, tr("Read Coptic numerals")}, {Ask::coptic, tr("Read Coptic words")},
          {Ask::pronunciation, tr("Read the pronunciation")},
          {Ask::writeNumerals, tr("Write Coptic numerals")}, {Ask::writeCoptic, tr("Write Coptic words")}})
        modeList_->addItem(caption, static_cast<int>(ask));
    named(rangeList_, "practiceRangeList", tr("Numbers up to"));
    for (const std::uint32_t upTo : practiceRanges)
        rangeList_->addItem(tr("up to %1").arg(numberText(upTo)), upTo);
    named(formList_, "formList", tr("Forms"));
    formList_->addItem(tr("As in Settings"));
    formList_->addItem(tr("Mixed"));
    const Choices& kept = remembered();
    modeList_->setCurrentIndex(kept.mode);
    rangeList_->setCurrentIndex(kept.range);
    formList_->setCurrentIndex(kept.forms);
    for (QComboBox* list : {modeList_, rangeList_, formList_})
        connect(list, &QComboBox::currentIndexChanged, this, &PracticeWindow::choiceChanged);

    named(instructionText_, "instructionText", tr("What to do"));
    instructionText_->setWordWrap(true);
    named(questionText_, "questionText", tr("Question"));
    questionText_->setAlignment(Qt::AlignCenter);
    questionText_->setWordWrap(true);
    questionText_->setTextInteractionFlags(Qt::TextSelectableByMouse);
    questionText_->setMinimumHeight(64);
    named(answerBox_, "answerBox", tr("Your answer"));
    answerBox_->setFont(projectCopticFont(16));
    answerBox_->setPlaceholderText(tr("Your answer"));
    answerBox_->installEventFilter(this);
    checkButton_->setObjectName(QStringLiteral("checkButton"));
    checkButton_->setDefault(true);
    named(verdictText_, "verdictText", tr("Verdict"));
    verdictText_->setWordWrap(true);
    verdictText_->setFont(arialFont(11, true));
    verdictText_->setTextFormat(Qt::RichText);
    verdictText_->setTextInteractionFlags(Qt::TextSelectableByMouse);
    named(reportEdit_, "practiceReport", tr("The report of the number asked"));
    reportEdit_->setReadOnly(true);
    reportEdit_->setMinimumHeight(200);
    reportEdit_->hide();
    // Enter in the answer box checks; no button takes Enter for itself.
    for (QPushButton* b : {checkButton_, showAnswerButton_, nextButton_, worksheetButton_})
        b->setAutoDefault(false);
    showAnswerButton_->setObjectName(QStringLiteral("showAnswerButton"));
    nextButton_->setObjectName(QStringLiteral("nextButton"));
    worksheetButton_->setObjectName(QStringLiteral("worksheetButton"));
    worksheetButton_->setToolTip(tr("Save or print a worksheet of questions in this mode and "
                                    "range, with the answers on its last page"));
    named(scoreText_, "scoreText", tr("Score"));

    // Check, or once checked, go on; the answer box has the focus again after
    // every button.
    connect(checkButton_, &QPushButton::clicked, this,
            [this] { tally_.answered ? nextQuestion() : checkAnswer(); answerBox_->setFocus(); });
    connect(showAnswerButton_, &QPushButton::clicked, this,
            [this] { showAnswer(); answerBox_->setFocus(); });
    connect(nextButton_, &QPushButton::clicked, this,
            [this] { nextQuestion(); answerBox_->setFocus(); });
    connect(worksheetButton_, &QPushButton::clicked, this, &PracticeWindow::chooseWorksheet);
}

QWidget* PracticeWindow::buildKeypad() {
    auto* pad = new QWidget;
    pad->setObjectName(QStringLiteral("keypad"));
    pad->setAccessibleName(tr("Coptic keypad"));
    auto* grid = new QGridLayout(pad);
    grid->setSpacing(2);
    grid->setContentsMargins(0, 0, 0, 0);
    const std::vector<std::vector<Key>> rows = keypadRows();
    for (int row = 0; row < 4; ++row) {
        int column = 0;
        for (const Key& key : rows[static_cast<std::size_t>(row)]) {
            const QString text = qs(key.text);
            // A lone mark is shown on a dotted circle, as type specimens show them.
            const bool mark = text.at(0).isMark();
            auto* button = new QToolButton(pad);
            button->setText(mark ? QStringLiteral("◌") + text : text.trimmed().isEmpty() ? tr("Space") : text);
            button->setFont(projectCopticFont(14));
            // The keys' names are the catalogue's, by their English.
            const QString name = QCoreApplication::translate("Keypad", std::string(key.name).c_str());
            button->setAccessibleName(name);
            button->setToolTip(name);
            button->setFocusPolicy(Qt::NoFocus); // the answer box keeps the focus
            button->setMinimumSize(36, 32);
            connect(button, &QToolButton::clicked, this, [this, text] { insertOnKeypad(text); });
            grid->addWidget(button, row, column++);
        }
    }
    return pad;
}

void PracticeWindow::layOut() {
    auto* choices = new QHBoxLayout;
    const auto labelled = [&](const QString& caption, QComboBox* list) {
        auto* label = new QLabel(caption);
        label->setBuddy(list);
        choices->addWidget(label);
        choices->addWidget(list);
    };
    labelled(tr("&Practise:"), modeList_);
    labelled(tr("N&umbers:"), rangeList_);
    labelled(tr("&Forms:"), formList_);
    choices->addStretch(1);
    auto* answerRow = new QHBoxLayout;
    answerRow->addWidget(answerBox_, 1);
    answerRow->addWidget(checkButton_);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(scoreText_, 1);
    buttons->addWidget(showAnswerButton_);
    buttons->addWidget(nextButton_);
    buttons->addWidget(worksheetButton_);

    auto* column = new QVBoxLayout(this);
    column->addLayout(choices);
    column->addWidget(instructionText_);
    column->addWidget(questionText_);
    column->addLayout(answerRow);
    column->addWidget(keypad_);
    column->addWidget(verdictText_);
    column->addWidget(reportEdit_, 1);
    column->addStretch(1); // where the report will stand, while it is hidden
    column_ = column;
    column->addLayout(buttons);
    setTabOrder(modeList_, rangeList_);
    setTabOrder(rangeList_, formList_);
    setTabOrder(formList_, answerBox_);
    setTabOrder(answerBox_, checkButton_);
    setTabOrder(checkButton_, showAnswerButton_);
    setTabOrder(showAnswerButton_, nextButton_);
    setTabOrder(nextButton_, worksheetButton_);
}

PracticeOptions PracticeWindow::options() const {
    PracticeOptions o;
    o.ask = static_cast<Ask>(modeList_->currentData().toInt());
    o.upTo = rangeList_->currentData().toUInt();
    if (formList_->currentIndex() == 0) o.form = settings_().form;
    o.language = currentLanguage();
    return o;
}

void PracticeWindow::nextQuestion() {
    QuestionMaker maker(options(), random_());
    ask(maker.next());
}

void PracticeWindow::ask(const Question& question) {
    question_ = question;
    tally_ = afterNext(tally_);
    const bool coptic = question.ask == Ask::numerals || question.ask == Ask::coptic;
    questionText_->setFont(coptic ? projectCopticFont(question.ask == Ask::numerals ? 30 : 20)
                                  : arialFont(20, true));
    questionText_->setText(qs(question.text));
    questionText_->setAccessibleDescription(qs(question.text));
    instructionText_->setText(qs(questionInstruction(question.ask, question.language)));
    keypad_->setVisible(asksToWrite(question.ask));
    answerBox_->clear();
    answerBox_->setFocus();
    verdictText_->clear();
    verdictText_->setAccessibleDescription({});
    showReportPane(false);
    checkButton_->setText(tr("&Check"));
    updateScore();
}

void PracticeWindow::choiceChanged() {
    remembered() = Choices{modeList_->currentIndex(), rangeList_->currentIndex(),
                           formList_->currentIndex()};
    nextQuestion();
    answerBox_->setFocus(); // a list chosen, the next answer is typed at once
}

bool PracticeWindow::eventFilter(QObject* watched, QEvent* event) {
    if (watched == answerBox_ && event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter) {
            tally_.answered ? nextQuestion() : checkAnswer();
            return true; // taken here, so no button acts on it too
        }
    }
    return QDialog::eventFilter(watched, event);
}

// The verdict with the answer in the Coptic font where it is Coptic, so that a
// Coptic line is drawn in one font.
void PracticeWindow::setVerdict(const QString& text, const QString& answer, const QColor& colour) {
    const bool coptic = asksToWrite(question_.ask);
    QString html = text.toHtmlEscaped();
    if (!answer.isEmpty()) {
        const QString shown = coptic ? QStringLiteral("<span style=\"font-family:'%1'; font-weight:normal; "
                                                      "font-size:14pt\">%2</span>")
                                           .arg(qs(projectFont), answer.toHtmlEscaped())
                                     : answer.toHtmlEscaped();
        html += QLatin1Char(' ') + qs(answerWords("\x01", question_.language)).toHtmlEscaped().replace(QChar(1), shown);
    }
    QPalette p = verdictText_->palette();
    p.setColor(QPalette::WindowText, colour);
    verdictText_->setPalette(p);
    verdictText_->setText(html);
    const QString plain =
        answer.isEmpty() ? text : text + QLatin1Char(' ') + qs(answerWords(answer.toStdString(), question_.language));
    verdictText_->setAccessibleDescription(plain);
}

void PracticeWindow::checkAnswer() {
    if (tally_.answered) return;
    if (isNoAnswer(answerBox_->text().toStdString())) { // no answer yet: ask again
        setVerdict(qs(noAnswerWords(question_.language)), {}, palette().color(QPalette::WindowText));
        return;
    }
    const Verdict v = check(question_, answerBox_->text().toStdString());
    tally_ = afterAnswer(tally_, v);
    setVerdict(qs(verdictWords(question_, v)), v.correct ? QString() : qs(question_.answer),
               v.correct ? qColour(colours::green) : qColour(colours::error));
    if (!v.correct) showReport();
    checkButton_->setText(tr("&Next"));
    updateScore();
}

void PracticeWindow::showAnswer() {
    if (!tally_.answered) checkButton_->setText(tr("&Next"));
    tally_ = afterShown(tally_);
    setVerdict({}, qs(question_.answer), palette().color(QPalette::WindowText));
    showReport();
    updateScore();
}

void PracticeWindow::showReport() {
    DisplaySettings s = settings_();
    s.form = question_.form;
    reportBox_.setReport(composeReport(question_.number, s));
    showReportPane(true);
}

// The report takes the room the stretch below it keeps while it is hidden.
void PracticeWindow::showReportPane(bool shown) {
    reportEdit_->setVisible(shown);
    column_->setStretch(column_->indexOf(reportEdit_) + 1, shown ? 0 : 1);
}

void PracticeWindow::updateScore() {
    scoreText_->setText(qs(tallyWords(tally_, currentLanguage())));
}

void PracticeWindow::insertOnKeypad(const QString& text) {
    if (text == QStringLiteral("⌫")) {
        answerBox_->backspace();
    } else {
        answerBox_->insert(text);
    }
    answerBox_->setFocus();
}

Worksheet PracticeWindow::worksheetFor(const WorksheetRequest& request) {
    Worksheet sheet = makeWorksheet(request.options, request.count, random_());
    if (!request.title.isEmpty()) sheet.title = request.title.toStdString();
    return sheet;
}

bool PracticeWindow::saveWorksheet(const QString& path, const WorksheetRequest& request) {
    if (saveWorksheetPdf(path, worksheetFor(request), request.look)) return true;
    QMessageBox::warning(this, tr("Worksheet"),
                         tr("The worksheet could not be saved as %1.").arg(QDir::toNativeSeparators(path)));
    return false;
}

void PracticeWindow::chooseWorksheet() {
    const PracticeOptions now = options();
    WorksheetDialog dialog(now, formList_->currentIndex() == 1,
                           now.form.value_or(settings_().form), this);
    if (dialog.exec() != QDialog::Accepted) return answerBox_->setFocus();
    const WorksheetRequest request = dialog.request();
    if (dialog.choice() == WorksheetDialog::savePdf) {
        const QString folder = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
        QString path = QFileDialog::getSaveFileName(
            this, tr("Save Worksheet"), QDir(folder).filePath(tr("Zefnaro worksheet.pdf")),
            tr("PDF (*.pdf)"));
        if (!path.isEmpty()) {
            if (QFileInfo(path).suffix().isEmpty()) path += QStringLiteral(".pdf");
            saveWorksheet(path, request);
        }
    } else if (dialog.choice() == WorksheetDialog::print) {
        printWorksheet(worksheetFor(request), request.look, this);
    }
    answerBox_->setFocus();
}

} // namespace zefnaro
