// What the web page's Practice asks the engine, answered as one JSON object each:
// the keypad, the question of a round, the verdict on an answer, a worksheet. The
// rules are practice's; here they are only written down, as for the window.
#pragma once

#include "practice/practice.h"
#include "practice/session.h"
#include "practice/worksheet_layout.h"

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace zefnaro::page {

// {"asks":[names…],"keypad":[[{"text","name"}…]…],"worksheet":{"sizes","size","count",
// "largest","margin_mm","papers":[{"name","width_mm","height_mm"}…]}}.
void appendPracticeFacts(std::string& out);

// The question number `index` (from 0) of a round: the same options and seed give
// the same questions, as in the window. Without a form, each question has a form
// of its own ("mixed").
// {"ask","number","ordinal","masculine","text","answer","answer_words","instruction","writes"}.
struct Round {
    Ask ask = Ask::numerals;
    std::optional<Form> form;
    Language language = defaultLanguage;
    std::uint32_t upTo = largestNumber;
    std::uint64_t seed = 0;
};
void appendQuestion(std::string& out, const Round& round, std::uint32_t index);

// The verdict on an answer to that question, with the session's tally before it:
// {"correct","number","read_as" (or "error"),"no_answer","why","besides","words"
// (the verdict as the learner reads it),"tally"{…},"tally_words"}.
void appendVerdict(std::string& out, const Round& round, std::uint32_t index, std::string_view answer,
                   Tally tally = {});

// The tally after the answer is shown or the next question, or as it is:
// {"tally":{"right","asked","streak","answered"},"tally_words"}.
enum class TallyEvent { none, shown, next };
void appendTally(std::string& out, Tally tally, TallyEvent event, Language language);

// A worksheet of `count` questions (1 to 200) for that round's options and seed:
// the window's sheet for the same seed. {"title","instruction","writes",
// "coptic_questions","questions":[{"number","text","answer"}…]}.
void appendWorksheet(std::string& out, const Round& round, int count);

// A part of a worksheet set as practice sets it, for the texts the page measured:
// {"look":{"points","number_scale","coptic_text","coptic_answer","bold_answer","lines"},
// "stacked","answer_width","row_height","gap","columns","rows"}.
void appendSheetLayout(std::string& out, const SheetLook& look, const SheetMeasures& measured);

} // namespace zefnaro::page
