#include "practice.h"

#include "engine/coptic.h"
#include "engine/numbers.h"
#include "engine/arabic.h"
#include "engine/joined.h"
#include "engine/utf8.h"
#include "reasons.h"

#include <algorithm>

namespace zefnaro {

namespace {

struct AskText {
    Ask ask;
    std::string_view name, instruction, oneQuestion, arabicInstruction, arabicOneQuestion;
};

constexpr AskText askTexts[] = {
    {Ask::numerals, "numerals", "Write the number each Coptic numeral stands for, in digits.",
     "Write the number this Coptic numeral stands for, in digits.",
     "اكتب بالأرقام العدد الذي يدل عليه كل رقم قبطي.", "اكتب بالأرقام العدد الذي يدل عليه هذا الرقم القبطي."},
    {Ask::coptic, "coptic", "Write the number each line of Coptic words stands for, in digits.",
     "Write the number this line of Coptic words stands for, in digits.",
     "اكتب بالأرقام العدد الذي يدل عليه كل سطر من الكلمات القبطية.",
     "اكتب بالأرقام العدد الذي يدل عليه هذا السطر من الكلمات القبطية."},
    {Ask::pronunciation, "pronunciation", "Write the number each pronunciation stands for, in digits.",
     "Write the number this pronunciation stands for, in digits.",
     "اكتب بالأرقام العدد الذي يدل عليه كل نطق.", "اكتب بالأرقام العدد الذي يدل عليه هذا النطق."},
    {Ask::writeNumerals, "write-numerals", "Write each number in Coptic numerals.",
     "Write this number in Coptic numerals.", "اكتب كل عدد بالأرقام القبطية.", "اكتب هذا العدد بالأرقام القبطية."},
    {Ask::writeCoptic, "write-coptic", "Write each number in Coptic words.",
     "Write this number in Coptic words.", "اكتب كل عدد بالكلمات القبطية.", "اكتب هذا العدد بالكلمات القبطية."}};

// A learner's sentence in the question's language.
std::string_view said(Language language, std::string_view english, std::string_view arabic) {
    return language == Language::arabic ? arabic : english;
}

std::string digitsIn(Language language, std::uint32_t number) {
    if (language == Language::english) return groupDigits(number);
    std::string out;
    appendArabicDigits(out, number);
    return out;
}

// Quoted from the answer: in Arabic isolated, so that it keeps its own direction.
std::string quote(Language language, std::string_view text) {
    return language == Language::arabic ? joined({"«\u2068", text, "\u2069»"}) : joined({"\"", text, "\""});
}

const AskText& textsOf(Ask ask) {
    return *std::find_if(std::begin(askTexts), std::end(askTexts),
                         [ask](const AskText& t) { return t.ask == ask; });
}

std::string shownDigits(std::uint32_t number, Form form, Language language) {
    if (language == Language::arabic) {
        std::string text = digitsIn(language, number);
        if (form.ordinal() && form.feminine()) return text + " (العدد الترتيبي، مؤنث)";
        if (form.ordinal()) return text + " (العدد الترتيبي)";
        if (form.feminine()) return text + " (مؤنث)";
        return text;
    }
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

std::string_view plainName(WrittenForm form, Language language) {
    switch (form) {
    case WrittenForm::digits:
        return said(language, "digits", "الأرقام");
    case WrittenForm::english:
        return said(language, "English words", "الكلمات الإنجليزية");
    case WrittenForm::coptic:
        return said(language, "Coptic words", "الكلمات القبطية");
    case WrittenForm::pronunciation:
        return said(language, "their pronunciation", "النطق");
    case WrittenForm::numerals:
        return said(language, "Coptic numerals", "الأرقام القبطية");
    case WrittenForm::arabic:
        return said(language, "Arabic words", "الكلمات العربية");
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
std::string unreadable(Language language) {
    return std::string(said(language, "not a number Zefnaro can read: ", "ليس عددًا يقرؤه زفنارو: "));
}

std::string wrongWords(std::string_view answer, Language language) {
    const ExplainedReading read = readExplainedAs(answer, WrittenForm::coptic);
    const ReadError& error = read.result.error;
    const std::string word = error.position > 0 ? wordAt(answer, error.position) : std::string();
    switch (error.code) {
    case ReadErrorCode::unknownWord:
        if (!word.empty())
            return quote(language, word) +
                   std::string(said(language, " is not a Coptic number word", " ليست من كلمات الأعداد القبطية"));
        break;
    case ReadErrorCode::mixedGenders:
        return std::string(said(language, "the words mix masculine and feminine forms",
                                "الكلمات تخلط صيغ المذكر بصيغ المؤنث"));
    case ReadErrorCode::misplaced:
        if (!word.empty()) return quote(language, word) + std::string(said(language, " is out of place", " في غير موضعها"));
        return learnerReason(read.why, language);
    default:
        break;
    }
    return unreadable(language) + learnerReason(read.why, language);
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

std::string_view instruction(Ask ask, Language language) {
    return said(language, textsOf(ask).instruction, textsOf(ask).arabicInstruction);
}

std::string_view questionInstruction(Ask ask, Language language) {
    return said(language, textsOf(ask).oneQuestion, textsOf(ask).arabicOneQuestion);
}

Question makeQuestion(Ask ask, std::uint32_t number, Form form, Language language) {
    Question q{ask, number, form, {}, {}, language};
    if (asksToWrite(ask)) {
        q.text = shownDigits(number, form, language);
        q.answer = written(ask, number, form);
    } else {
        q.text = written(ask, number, form);
        q.answer = digitsIn(language, number);
    }
    return q;
}

QuestionMaker::QuestionMaker(PracticeOptions options, std::uint64_t seed)
    : options_(options), random_(seed) {
    options_.upTo = std::clamp<std::uint32_t>(options_.upTo, 1, largestNumber);
}

namespace {

// Draws are plain arithmetic on the generator's words, not the standard library's
// distributions, whose algorithms differ from one library to another: a seed must
// ask the same questions in the window, the command line and the web page (built
// against another library). Uniform in [0, n): words below 2^64 mod n are drawn
// again, so that every remainder is equally likely.
std::uint32_t below(std::mt19937_64& random, std::uint32_t n) {
    const std::uint64_t least = (0 - std::uint64_t{n}) % n;
    std::uint64_t word = random();
    while (word < least)
        word = random();
    return static_cast<std::uint32_t>(word % n);
}

bool coin(std::mt19937_64& random) {
    return (random() >> 63) != 0;
}

} // namespace

Question QuestionMaker::next() {
    const std::uint32_t number = 1 + below(random_, options_.upTo);
    Form form;
    if (options_.form) {
        form = *options_.form;
    } else {
        const bool ordinal = coin(random_);
        form = formOf(ordinal, coin(random_));
    }
    return makeQuestion(options_.ask, number, form, options_.language);
}

Verdict check(const Question& q, std::string_view answer) {
    Verdict v;
    const ExplainedReading any = readExplained(answer);
    v.read = any.result;
    if (!v.read.ok()) {
        if (q.ask == Ask::writeCoptic) {
            v.why = wrongWords(answer, q.language);
        } else {
            // A numerals answer is told the numerals' reason, not the words'.
            const ExplainedReading as = q.ask == Ask::writeNumerals
                                            ? readExplainedAs(answer, WrittenForm::numerals)
                                            : any;
            v.why = unreadable(q.language) + learnerReason(as.result.ok() ? any.why : as.why, q.language);
        }
        return v;
    }
    const Reading& r = v.read.reading;
    if (!rightForm(q.ask, r)) {
        const std::string_view asked = plainName(
            q.ask == Ask::writeNumerals ? WrittenForm::numerals : WrittenForm::coptic, q.language);
        v.why = q.language == Language::arabic
                    ? joined({"مكتوب ب", plainName(r.written, q.language), " لا ب", asked})
                    : joined({"written as ", plainName(r.written, q.language), ", not as ", asked});
        return v;
    }
    if (r.number != q.number) {
        v.why = q.language == Language::arabic
                    ? joined({"يُقرأ ", digitsIn(q.language, r.number), " لا ", digitsIn(q.language, q.number)})
                    : joined({"reads as ", groupDigits(r.number), ", not ", groupDigits(q.number)});
        return v;
    }
    if (asksToWrite(q.ask)) {
        if (r.form.ordinal() != q.form.ordinal()) {
            v.why = q.form.ordinal() ? said(q.language, "cardinal, not ordinal", "عدد أصلي لا ترتيبي")
                                     : said(q.language, "ordinal, not cardinal", "عدد ترتيبي لا أصلي");
            return v;
        }
        if (r.form.feminine() == q.form.masculine() && !gendersAlike(q.ask, q.number, q.form.ordinal())) {
            v.why = q.form.masculine() ? said(q.language, "feminine, not masculine", "مؤنث لا مذكر")
                                       : said(q.language, "masculine, not feminine", "مذكر لا مؤنث");
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
