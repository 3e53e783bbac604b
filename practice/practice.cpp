#include "practice.h"

#include "engine/coptic.h"
#include "engine/numbers.h"
#include "engine/read_reason.h"
#include "engine/say.h"
#include "engine/joined.h"
#include "engine/utf8.h"

#include <algorithm>

namespace zefnaro {

namespace {

struct AskText {
    Ask ask;
    std::string_view name;
    Text instruction, oneQuestion;
};

constexpr AskText askTexts[] = {
    {Ask::numerals, "numerals", Text::practice_instruction_numerals, Text::practice_one_question_numerals},
    {Ask::coptic, "coptic", Text::practice_instruction_coptic, Text::practice_one_question_coptic},
    {Ask::pronunciation, "pronunciation", Text::practice_instruction_pronunciation,
     Text::practice_one_question_pronunciation},
    {Ask::writeNumerals, "write-numerals", Text::practice_instruction_write_numerals,
     Text::practice_one_question_write_numerals},
    {Ask::writeCoptic, "write-coptic", Text::practice_instruction_write_coptic,
     Text::practice_one_question_write_coptic}};

// Quoted from the answer: in a right-to-left language isolated, so that it keeps its own direction.
std::string quote(Language language, std::string_view text) {
    return say(Text::quoted, language, {text});
}

const AskText& textsOf(Ask ask) {
    return *std::find_if(std::begin(askTexts), std::end(askTexts),
                         [ask](const AskText& t) { return t.ask == ask; });
}

std::string shownDigits(std::uint32_t number, Form form, Language language) {
    std::string digits;
    appendNumberDigits(digits, number, form, language);
    if (form.ordinal() && form.feminine()) return say(Text::practice_shown_ordinal_feminine, language, {digits});
    if (form.ordinal()) return say(Text::practice_shown_ordinal, language, {digits});
    if (form.feminine()) return say(Text::practice_shown_feminine, language, {digits});
    return digits;
}

// The pronunciation as the language prints it: in Arabic letters for Arabic readers.
std::string written(Ask ask, std::uint32_t number, Form form, Language language) {
    if (ask == Ask::pronunciation) {
        std::string out;
        appendPronunciation(out, number, form, language);
        return out;
    }
    return ask == Ask::numerals || ask == Ask::writeNumerals ? toCopticNumerals(number, form, Writing::unicode)
                                                             : toCopticWords(number, form, Writing::unicode);
}

// Where both genders are written alike, either one is shown.
bool gendersAlike(Ask ask, std::uint32_t number, bool ordinal, Language language) {
    return written(ask, number, formOf(ordinal, true), language) ==
           written(ask, number, formOf(ordinal, false), language);
}

// In the write modes, the answer is in the form asked; any form does for reading.
bool rightForm(Ask ask, const Reading& r) {
    if (ask == Ask::writeNumerals) return r.written == WrittenForm::numerals;
    if (ask == Ask::writeCoptic) return r.written == WrittenForm::coptic;
    return true;
}

std::string_view plainName(WrittenForm form, Language language) {
    switch (form) {
    case WrittenForm::digits: return say(Text::practice_written_digits, language);
    case WrittenForm::english: return say(Text::practice_written_english, language);
    case WrittenForm::coptic: return say(Text::practice_written_coptic, language);
    case WrittenForm::pronunciation: return say(Text::practice_written_pronunciation, language);
    case WrittenForm::numerals: return say(Text::practice_written_numerals, language);
    case WrittenForm::arabic: return say(Text::practice_written_arabic, language);
    case WrittenForm::arabicPronunciation: return say(Text::practice_written_pronunciation_arabic, language);
    }
    return say(Text::practice_written_digits, language);
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
std::string unreadable(const ReadWhy& why, Language language) {
    return say(Text::practice_unreadable, language, {learnerSentence(why, language)});
}

std::string wrongWords(std::string_view answer, Language language) {
    const ExplainedReading read = readExplainedAs(answer, WrittenForm::coptic);
    const ReadError& error = read.result.error;
    const std::string word = error.position > 0 ? wordAt(answer, error.position) : std::string();
    switch (error.code) {
    case ReadErrorCode::unknownWord:
        if (!word.empty()) return say(Text::practice_not_a_word, language, {quote(language, word)});
        break;
    case ReadErrorCode::mixedGenders:
        return std::string(say(Text::practice_mixed_genders, language));
    case ReadErrorCode::misplaced:
        if (!word.empty()) return say(Text::practice_out_of_place, language, {quote(language, word)});
        return learnerSentence(read.why, language);
    default:
        break;
    }
    return unreadable(read.why, language);
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
    return say(textsOf(ask).instruction, language);
}

std::string_view questionInstruction(Ask ask, Language language) {
    return say(textsOf(ask).oneQuestion, language);
}

Question makeQuestion(Ask ask, std::uint32_t number, Form form, Language language) {
    Question q{ask, number, form, {}, {}, language};
    if (asksToWrite(ask)) {
        q.text = shownDigits(number, form, language);
        q.answer = written(ask, number, form, language);
    } else {
        q.text = written(ask, number, form, language);
        q.answer = groupedText(number, language);
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
            v.why = unreadable(as.result.ok() ? any.why : as.why, q.language);
        }
        return v;
    }
    const Reading& r = v.read.reading;
    if (!rightForm(q.ask, r)) {
        const std::string_view asked = plainName(
            q.ask == Ask::writeNumerals ? WrittenForm::numerals : WrittenForm::coptic, q.language);
        v.why = say(Text::practice_written_as, q.language, {plainName(r.written, q.language), asked});
        return v;
    }
    if (r.number != q.number) {
        v.why = say(Text::practice_reads_as, q.language,
                    {groupedText(r.number, q.language), groupedText(q.number, q.language)});
        return v;
    }
    if (asksToWrite(q.ask)) {
        if (r.form.ordinal() != q.form.ordinal()) {
            v.why = say(q.form.ordinal() ? Text::practice_not_ordinal : Text::practice_not_cardinal, q.language);
            return v;
        }
        if (r.form.feminine() == q.form.masculine() && !gendersAlike(q.ask, q.number, q.form.ordinal(), q.language)) {
            v.why = say(q.form.masculine() ? Text::practice_not_masculine : Text::practice_not_feminine, q.language);
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

namespace {

std::string count(int n, Language language) {
    return countText(static_cast<std::uint32_t>(std::max(n, 0)), language);
}

} // namespace

std::string questionSentence(int index, int count, const Question& q) {
    return say(Text::practice_question, q.language,
               {countText(static_cast<std::uint32_t>(index), q.language),
                countText(static_cast<std::uint32_t>(count), q.language), q.text});
}

std::string verdictSentence(const Question& q, const Verdict& v) {
    if (v.correct) return std::string(say(Text::practice_right, q.language));
    std::string why = v.why;
    if (v.read.ok()) {
        const std::string wrote = groupedText(v.read.reading.number, q.language);
        const std::string_view as = nameIn(nameOf(v.read.reading.written), q.language);
        const std::string_view besides = besidesTheNumber(q, v);
        why = besides.empty() ? say(Text::practice_you_wrote, q.language, {wrote, as})
                              : say(Text::practice_you_wrote_besides, q.language, {wrote, as, besides});
    }
    return say(Text::practice_wrong, q.language, {why, q.answer});
}

std::string scoreSentence(int right, int answered, Language language) {
    return say(Text::practice_score, language, {count(right, language), count(answered, language)});
}

} // namespace zefnaro
