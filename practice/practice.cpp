#include "practice.h"

#include "engine/coptic.h"
#include "engine/numbers.h"

#include <algorithm>

namespace zefnaro {

namespace {

struct AskText {
    Ask ask;
    std::string_view name, instruction;
};

constexpr AskText askTexts[] = {
    {Ask::numerals, "numerals", "Write the number each Coptic numeral stands for, in digits."},
    {Ask::coptic, "coptic", "Write the number each line of Coptic words stands for, in digits."},
    {Ask::pronunciation, "pronunciation",
     "Write the number each pronunciation stands for, in digits."},
    {Ask::writeNumerals, "write-numerals", "Write each number in Coptic numerals."},
    {Ask::writeCoptic, "write-coptic", "Write each number in Coptic words."}};

const AskText& textsOf(Ask ask) {
    return *std::find_if(std::begin(askTexts), std::end(askTexts),
                         [ask](const AskText& t) { return t.ask == ask; });
}

std::string shownDigits(std::uint32_t number, Form form) {
    std::string text = groupDigits(number);
    if (form.ordinal) text += getOrdinalSuffix(number);
    if (!form.masculine) text += " (feminine)";
    return text;
}

std::string written(Ask ask, std::uint32_t number, Form form) {
    return ask == Ask::numerals || ask == Ask::writeNumerals
               ? toCopticNumerals(number, form, Writing::unicode)
               : toCopticWords(number, form, ask == Ask::pronunciation ? Writing::pronunciation
                                                                       : Writing::unicode);
}

// Where both genders are written alike, either one is shown.
bool gendersAlike(Ask ask, std::uint32_t number, bool ordinal) {
    return written(ask, number, Form{ordinal, true}) == written(ask, number, Form{ordinal, false});
}

// In the write modes, the answer is in the form asked; any form does for reading.
bool rightForm(Ask ask, const Reading& r) {
    if (ask == Ask::writeNumerals) return r.form == WrittenForm::numerals;
    if (ask == Ask::writeCoptic) return r.form == WrittenForm::coptic;
    return true;
}

} // namespace

std::string_view askName(Ask ask) {
    return textsOf(ask).name;
}

std::optional<Ask> askNamed(std::string_view name) {
    for (const AskText& t : askTexts)
        if (t.name == name) return t.ask;
    return std::nullopt;
}

bool asksToWrite(Ask ask) {
    return ask == Ask::writeNumerals || ask == Ask::writeCoptic;
}

std::string_view instruction(Ask ask) {
    return textsOf(ask).instruction;
}

Question makeQuestion(Ask ask, std::uint32_t number, Form form) {
    Question q{ask, number, form, {}, {}};
    if (asksToWrite(ask)) {
        q.text = shownDigits(number, form);
        q.answer = written(ask, number, form);
    } else {
        q.text = written(ask, number, form);
        q.answer = groupDigits(number);
    }
    return q;
}

QuestionMaker::QuestionMaker(PracticeOptions options, std::uint64_t seed)
    : options_(options), random_(seed) {
    options_.upTo = std::clamp<std::uint32_t>(options_.upTo, 1, largestNumber);
}

Question QuestionMaker::next() {
    const std::uint32_t number = std::uniform_int_distribution<std::uint32_t>(1, options_.upTo)(random_);
    Form form;
    if (options_.form) {
        form = *options_.form;
    } else {
        std::bernoulli_distribution coin;
        form = Form{coin(random_), coin(random_)};
    }
    return makeQuestion(options_.ask, number, form);
}

Verdict check(const Question& q, std::string_view answer) {
    Verdict v;
    v.read = readWrittenNumber(answer);
    if (!v.read.ok()) return v;
    const Reading& r = v.read.reading;
    if (!rightForm(q.ask, r)) {
        v.why = std::string("written as ").append(formName(r.form)).append(", not as ")
                    .append(q.ask == Ask::writeNumerals ? "Coptic numerals" : "Coptic words");
        return v;
    }
    if (r.number != q.number) {
        v.why = "reads as " + groupDigits(r.number) + ", not " + groupDigits(q.number);
        return v;
    }
    if (asksToWrite(q.ask)) {
        if (r.ordinal != q.form.ordinal) {
            v.why = q.form.ordinal ? "cardinal, not ordinal" : "ordinal, not cardinal";
            return v;
        }
        if (r.feminine == q.form.masculine && !gendersAlike(q.ask, q.number, q.form.ordinal)) {
            v.why = q.form.masculine ? "feminine, not masculine" : "masculine, not feminine";
            return v;
        }
    }
    v.correct = true;
    return v;
}

std::string_view besidesTheNumber(const Question& q, const Verdict& v) {
    if (v.correct || !v.read.ok()) return {};
    const Reading& r = v.read.reading;
    return r.number == q.number || !rightForm(q.ask, r) ? std::string_view(v.why)
                                                        : std::string_view();
}

} // namespace zefnaro
