// A learner's session, the same in the window, the command line and the page:
// what has been asked and answered (a value the page keeps and hands back, since
// the engine keeps nothing between calls) and the sentences a learner reads.
#pragma once

#include "practice/practice.h"

#include <string>

namespace zefnaro {

struct Tally {
    int right = 0, asked = 0, streak = 0; // right answers in a row
    bool answered = false;                // the question shown is answered, or its answer shown
};

// A question's first answer counts; a later one changes nothing.
Tally afterAnswer(Tally tally, const Verdict& verdict);
// The answer shown before one was given: asked, and not known.
Tally afterShown(Tally tally);
// The next question, not yet answered.
Tally afterNext(Tally tally);

// "Right!", or "Not yet: …." with what is wrong: the verdict as the window and the
// page show it, the answer beside it.
std::string verdictWords(const Question& question, const Verdict& verdict);
// "The answer is 2,005."
std::string answerWords(std::string_view answer, Language language);
// "Write your answer, then press Enter."
std::string_view noAnswerWords(Language language);
// "Score: 3 of 5 · streak 2"
std::string tallyWords(const Tally& tally, Language language);

} // namespace zefnaro
