// Practice for learners: questions drawn at random in a chosen mode and range,
// and the checking of an answer with the reader of every written form. Shared by
// the Practice window, worksheets and the command line.
#pragma once

#include "engine/language.h"
#include "zefnaro/form.h"
#include "zefnaro/read.h"

#include <array>
#include <cstdint>
#include <optional>
#include <random>
#include <string>
#include <string_view>

namespace zefnaro {

// Read: a Coptic form is shown and the learner answers in any written form.
// Write: digits are shown and the learner writes Coptic numerals or words.
enum class Ask { numerals, coptic, pronunciation, writeNumerals, writeCoptic };
inline constexpr std::array<Ask, 5> allAsks{Ask::numerals, Ask::coptic, Ask::pronunciation,
                                            Ask::writeNumerals, Ask::writeCoptic};

// "numerals", "coptic", "pronunciation", "write-numerals", "write-coptic".
std::string_view askName(Ask ask);
std::optional<Ask> askNamed(std::string_view name);
bool asksToWrite(Ask ask);
// What the learner is asked to do, e.g. "Write each number in Coptic numerals."
std::string_view instruction(Ask ask, Language language = defaultLanguage);
// The same for one question shown alone: "Write this number in Coptic numerals."
std::string_view questionInstruction(Ask ask, Language language = defaultLanguage);

// The ranges offered for Random and for practice: numbers from 1 up to each.
inline constexpr std::array<std::uint32_t, 6> practiceRanges{10, 100, 1'000, 10'000, 1'000'000,
                                                             largestNumber};

struct PracticeOptions {
    Ask ask = Ask::numerals;
    std::uint32_t upTo = largestNumber; // 1..largestNumber
    std::optional<Form> form;           // none: each question in a form of its own
    Language language = defaultLanguage; // of the questions' digits and the verdicts
};

struct Question {
    Ask ask = Ask::numerals;
    std::uint32_t number = 1;
    Form form;
    std::string text;   // what is shown, Coptic in Unicode
    std::string answer; // a right answer: digits for reading, Unicode Coptic for writing
    Language language = defaultLanguage; // of the digits shown and the verdict's words
};

// The question for a number: what reading or writing it asks is shown; in Arabic
// the digits are Arabic-Indic and the form is said in words.
Question makeQuestion(Ask ask, std::uint32_t number, Form form, Language language = defaultLanguage);

// Questions drawn at random; the same seed gives the same questions.
class QuestionMaker {
public:
    QuestionMaker(PracticeOptions options, std::uint64_t seed);
    Question next();

private:
    PracticeOptions options_;
    std::mt19937_64 random_;
};

struct Verdict {
    bool correct = false;
    ReadResult read; // what the answer reads as, or why it cannot be read
    // For a wrong answer, what is wrong with it in a learner's words: for one the
    // reader cannot take, which Coptic word is wrong, or "not a number Zefnaro
    // can read" and the reason.
    std::string why;
};

// Reading: any written form of the right number is right. Writing: the answer
// must be written in the form asked (Coptic numerals, or Coptic words in either
// writing) and show the asked ordinal and gender.
Verdict check(const Question& question, std::string_view answer);

// No answer at all (nothing, or blanks): not wrong, the question is asked again.
bool isNoAnswer(std::string_view answer);

// What a wrong answer that was read gets wrong besides its number, to tell after
// "you wrote 2,015"; "" where the number is all that is wrong.
std::string_view besidesTheNumber(const Question& question, const Verdict& verdict);

// The sentences a learner reads, the same in the window, the command line and the page.
// "Question 3 of 10: ⲕ̅ⲁ̅"
std::string questionSentence(int index, int count, const Question& question);
// "Right." or "Wrong: you wrote 2,015 (digits). The answer is 2,005."
std::string verdictSentence(const Question& question, const Verdict& verdict);
// "Score: 7 of 10"
std::string scoreSentence(int right, int answered, Language language);

} // namespace zefnaro
