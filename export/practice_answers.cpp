#include "export/practice_answers.h"

#include "engine/language.h"
#include "export/json.h"
#include "export/members.h"
#include "practice/keypad.h"
#include "practice/worksheet.h"

namespace zefnaro::page {

namespace {

PracticeOptions optionsOf(const Round& round) {
    PracticeOptions options;
    options.ask = round.ask;
    options.upTo = round.upTo;
    options.form = round.form;
    options.language = round.language;
    return options;
}

Question questionOf(const Round& round, std::uint32_t index) {
    QuestionMaker maker(optionsOf(round), round.seed);
    Question q = maker.next();
    for (std::uint32_t i = 0; i < index; ++i) // a round is its seed: replayed, never kept
        q = maker.next();
    return q;
}

} // namespace

void appendPracticeFacts(std::string& out) {
    json::Object(out)
        .value("asks",
               [](std::string& o) {
                   json::appendArray(o, allAsks, [](std::string& a, Ask ask) { json::appendString(a, askName(ask)); });
               })
        .value("keypad",
               [](std::string& o) {
                   json::appendArray(o, keypadRows(), [](std::string& rows, const std::vector<Key>& row) {
                       json::appendArray(rows, row, [](std::string& keys, const Key& key) {
                           json::Object(keys).text("text", key.text).text("name", key.name).end(false);
                       });
                   });
               })
        .value("worksheet",
               [](std::string& o) {
                   json::Object(o)
                       .value("sizes",
                              [](std::string& a) {
                                  json::appendArray(a, worksheetSizes,
                                                    [](std::string& e, int points) { e += std::to_string(points); });
                              })
                       .number("size", worksheetSize)
                       .number("count", worksheetCount)
                       .number("largest", largestWorksheet)
                       .real("margin_mm", worksheetMarginMm)
                       .value("papers",
                              [](std::string& a) {
                                  json::appendArray(a, worksheetPapers, [](std::string& e, const Paper& paper) {
                                      json::Object(e)
                                          .text("name", paper.name)
                                          .real("width_mm", paper.widthMm)
                                          .real("height_mm", paper.heightMm)
                                          .end(false);
                                  });
                              })
                       .end(false);
               })
        .end(false);
}

void appendSheetLayout(std::string& out, const SheetLook& look, const SheetMeasures& measured) {
    const SheetGrid grid = layOutSheet(look, measured);
    json::Object(out)
        .value("look",
               [&look](std::string& o) {
                   json::Object(o)
                       .real("points", look.points)
                       .real("number_scale", look.numberScale)
                       .boolean("coptic_text", look.copticText)
                       .boolean("coptic_answer", look.copticAnswer)
                       .boolean("bold_answer", look.boldAnswer)
                       .boolean("lines", look.lines)
                       .end(false);
               })
        .boolean("stacked", grid.stacked)
        .real("answer_width", grid.answerWidth)
        .real("row_height", grid.rowHeight)
        .real("gap", grid.gap)
        .number("columns", grid.columns)
        .number("rows", grid.rows)
        .end(false);
}

void appendQuestion(std::string& out, const Round& round, std::uint32_t index) {
    const Question q = questionOf(round, index);
    json::Object o(out);
    eachQuestionMember(q, o);
    o.text("answer_words", answerWords(q.answer, q.language))
        .text("instruction", questionInstruction(q.ask, q.language))
        .boolean("writes", asksToWrite(q.ask))
        .end(false);
}

namespace {

void addTally(json::Object& o, const Tally& t, Language language) {
    o.value("tally",
            [&t](std::string& s) {
                json::Object(s)
                    .number("right", t.right)
                    .number("asked", t.asked)
                    .number("streak", t.streak)
                    .boolean("answered", t.answered)
                    .end(false);
            })
        .text("tally_words", tallyWords(t, language));
}

} // namespace

void appendVerdict(std::string& out, const Round& round, std::uint32_t index, std::string_view answer,
                   Tally tally) {
    const Question q = questionOf(round, index);
    json::Object o(out);
    if (isNoAnswer(answer)) {
        o.boolean("correct", false).boolean("no_answer", true).text("words", noAnswerWords(q.language));
        addTally(o, tally, q.language);
        o.end(false);
        return;
    }
    const Verdict v = check(q, answer);
    eachVerdictMember(v, o);
    o.boolean("no_answer", false).text("why", v.why).text("besides", besidesTheNumber(q, v));
    o.text("words", verdictWords(q, v));
    addTally(o, afterAnswer(tally, v), q.language);
    o.end(false);
}

void appendTally(std::string& out, Tally tally, TallyEvent event, Language language) {
    if (event == TallyEvent::shown) tally = afterShown(tally);
    if (event == TallyEvent::next) tally = afterNext(tally);
    json::Object o(out);
    addTally(o, tally, language);
    o.end(false);
}

void appendWorksheet(std::string& out, const Round& round, int count) {
    const PracticeOptions options = optionsOf(round);
    const Worksheet sheet = makeWorksheet(options, count, round.seed); // never empty
    const Ask ask = options.ask;
    json::Object(out)
        .text("title", sheet.title)
        .text("instruction", sheet.instruction)
        .boolean("writes", asksToWrite(ask))
        .boolean("coptic_questions", ask == Ask::numerals || ask == Ask::coptic)
        .value("questions",
               [&](std::string& o) {
                   json::appendArray(o, sheet.questions, [](std::string& a, const Question& q) {
                       json::Object question(a);
                       eachQuestionMember(q, question);
                       question.end(false);
                   });
               })
        .end(false);
}

} // namespace zefnaro::page
