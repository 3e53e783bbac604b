#include "practice.h"

#include "engine/coptic.h"
#include "engine/numbers.h"
#include "engine/utf8.h"
#include "reasons.h"

#include <algorithm>

namespace zefnaro {

namespace {

struct AskText {
    Ask ask;
    std::string_view name, instruction, oneQuestion;
};

constexpr AskText askTexts[] = {
    {Ask::numerals, "numerals", "Write the number each Coptic numeral stands for, in digits.",
     "Write the number this Coptic numeral stands for, in digits."},
    {Ask::coptic, "coptic", "Write the number each line of Coptic words stands for, in digits.",
     "Write the number this line of Coptic words stands for, in digits."},
    {Ask::pronunciation, "pronunciation", "Write the number each pronunciation stands for, in digits.",
     "Write the number this pronunciation stands for, in digits."},
    {Ask::writeNumerals, "write-numerals", "Write each number in Coptic numerals.",
     "Write this number in Coptic numerals."},
    {Ask::writeCoptic, "write-coptic", "Write each number in Coptic words.",
     "Write this number in Coptic words."}};

const AskText& textsOf(Ask ask) {
    return *std::find_if(std::begin(askTexts), std::end(askTexts),
                         [ask](const AskText& t) { return t.ask == ask; });
}

std::string shownDigits(std::uint32_t number, Form form) {
    std::string text = groupDigits(number);
    if (form.ordinal()) text += getOrdinalSuffix(number);
    if (!form.masculine()) text += " (feminine)";
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
    return written(ask, number, formOf(ordinal, true)) == written(ask, number, formOf(ordinal, false));
}

// In the write modes, the answer is in the form asked; any form does for reading.
bool rightForm(Ask ask, const Reading& r) {
    if (ask == Ask::writeNumerals) return r.written == WrittenForm::numerals;
    if (ask == Ask::writeCoptic) return r.written == WrittenForm::coptic;
    return true;
}

std::string_view plainName(WrittenForm form) {
    switch (form) {
    case WrittenForm::digits:
        return "digits";
    case WrittenForm::english:
        return "English words";
    case WrittenForm::coptic:
        return "Coptic words";
    case WrittenForm::pronunciation:
        return "their pronunciation";
    case WrittenForm::numerals:
        return "Coptic numerals";
    case WrittenForm::arabic:
        return "Arabic words";
    }
    return "digits";
}

// The blank-separated word of `text` at character `position` (from 1, a letter
// with its marks one character), or "".
std::string wordAt(std::string_view text, std::size_t position) {
    std::size_t seen = 0, start = 0;
    bool found = false;
    for (std::size_t i = 0; i < text.size();) {
        const auto d = utf8::decodeAt(text, i);
        const std::size_t length = d ? d->length : 1;
        const char32_t c = d ? d->code : U'?';
        if (c == U' ') {
            if (found) return std::string(text.substr(start, i - start));
            start = i + 1;
        } else if (!utf8::isCombiningMark(c) && ++seen == position) {
            found = true;
        }
        i += length;
    }
    return found ? std::string(text.substr(start)) : std::string();
}

// What is wrong with an answer in Coptic words that the reader cannot take: a
// word that is no Coptic number word, or one out of place.
std::string wrongWords(std::string_view answer) {
    const ExplainedReading read = readExplainedAs(answer, WrittenForm::coptic);
    const ReadError& error = read.result.error;
    const std::string word = error.position > 0 ? wordAt(answer, error.position) : std::string();
    switch (error.code) {
    case ReadErrorCode::unknownWord:
        if (!word.empty()) return "\"" + word + "\" is not a Coptic number word";
        break;
    case ReadErrorCode::mixedGenders:
        return "the words mix masculine and feminine forms";
    case ReadErrorCode::misplaced:
        if (!word.empty()) return "\"" + word + "\" is out of place";
        return learnerReason(read.why);
    default:
        break;
    }
    return "not a number Zefnaro can read: " + learnerReason(read.why);
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

std::string_view questionInstruction(Ask ask) {
    return textsOf(ask).oneQuestion;
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
        form = formOf(coin(random_), coin(random_));
    }
    return makeQuestion(options_.ask, number, form);
}

Verdict check(const Question& q, std::string_view answer) {
    Verdict v;
    const ExplainedReading any = readExplained(answer);
    v.read = any.result;
    if (!v.read.ok()) {
        if (q.ask == Ask::writeCoptic) {
            v.why = wrongWords(answer);
        } else {
            // A numerals answer is told the numerals' reason, not the words'.
            const ExplainedReading as = q.ask == Ask::writeNumerals
                                            ? readExplainedAs(answer, WrittenForm::numerals)
                                            : any;
            v.why = "not a number Zefnaro can read: " + learnerReason(as.result.ok() ? any.why : as.why);
        }
        return v;
    }
    const Reading& r = v.read.reading;
    if (!rightForm(q.ask, r)) {
        v.why = std::string("written as ").append(plainName(r.written)).append(", not as ")
                    .append(q.ask == Ask::writeNumerals ? "Coptic numerals" : "Coptic words");
        return v;
    }
    if (r.number != q.number) {
        v.why = "reads as " + groupDigits(r.number) + ", not " + groupDigits(q.number);
        return v;
    }
    if (asksToWrite(q.ask)) {
        if (r.form.ordinal() != q.form.ordinal()) {
            v.why = q.form.ordinal() ? "cardinal, not ordinal" : "ordinal, not cardinal";
            return v;
        }
        if (r.form.feminine() == q.form.masculine() && !gendersAlike(q.ask, q.number, q.form.ordinal())) {
            v.why = q.form.masculine() ? "feminine, not masculine" : "masculine, not feminine";
            return v;
        }
    }
    v.correct = true;
    return v;
}

bool isNoAnswer(std::string_view answer) {
    return answer.find_first_not_of(" \t\r\n\v\f") == std::string_view::npos;
}

std::string_view besidesTheNumber(const Question& q, const Verdict& v) {
    if (v.correct || !v.read.ok()) return {};
    const Reading& r = v.read.reading;
    return r.number == q.number || !rightForm(q.ask, r) ? std::string_view(v.why)
                                                        : std::string_view();
}

} // namespace zefnaro
