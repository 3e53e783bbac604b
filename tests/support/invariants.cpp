#include "invariants.h"

#include "zefnaro/read.h"
#include "engine/internal/words.h"
#include "engine/engine.h"

#include <algorithm>
#include <array>
#include <string_view>
#include <vector>

namespace zefnaro::checks {

namespace {

bool blanksClean(std::string_view s) {
    return !s.empty() && s.front() != ' ' && s.back() != ' ' &&
           s.find("  ") == std::string_view::npos;
}

bool isOrdinalWord(std::string_view word) {
    static const std::array<std::string, 30> words = [] {
        std::array<std::string, 30> w;
        std::size_t i = 0;
        for (int key : {1,  2,  3,  4,  5,  6,  7,  8,  9,  10, 11, 12, 13,  14,   15,
                        16, 17, 18, 19, 20, 30, 40, 50, 60, 70, 80, 90, 100, 1000, 1000000})
            w[i++] = englishWord(key, formOf(true, true));
        std::sort(w.begin(), w.end());
        return w;
    }();
    return std::binary_search(words.begin(), words.end(), word,
                              [](std::string_view a, std::string_view b) { return a < b; });
}

// The engine's own decoder; an ill-formed byte becomes U+FFFD, which no check accepts.
std::u32string codePoints(std::string_view s) {
    std::u32string out;
    for (std::size_t i = 0; i < s.size();) {
        const auto d = utf8::decodeAt(s, i);
        out.push_back(d ? d->code : U'\uFFFD');
        i += d ? d->length : 1;
    }
    return out;
}

using utf8::isCopticLetter;

bool isMark(char32_t c) {
    return c == 0x0300 || c == 0x0305 || c == 0x033F;
}

// Only Coptic letters, blanks and the three marks; every mark after a letter (or
// after another mark of the same letter).
bool unicodeClean(std::u32string_view s) {
    for (std::size_t i = 0; i < s.size(); ++i) {
        const char32_t c = s[i];
        if (isMark(c)) {
            if (i == 0 || !(isCopticLetter(s[i - 1]) || isMark(s[i - 1]))) return false;
        } else if (c != U' ' && !isCopticLetter(c)) {
            return false;
        }
    }
    return true;
}

// The Unicode numeral: one letter per nonzero digit, each with its rank's marks.
std::string unicodeNumeralViolation(long n, bool masculine, bool ordinal, std::u32string s) {
    if (ordinal) {
        if (s.substr(0, 4) != U"\u2C99\u2C81\u03E9 ") return "Unicode numeral lacks the prefix";
        s.erase(0, 4);
    }
    if (!masculine) {
        if (s.empty() || s.back() != U'\u03EF') return "Unicode numeral lacks the ending";
        s.pop_back();
    }
    std::vector<int> places; // place of each nonzero digit, most significant first
    int place = 0;
    for (long v = n; v > 0; v /= 10, ++place)
        if (v % 10 != 0) places.insert(places.begin(), place);
    std::size_t i = 0;
    for (int p : places) {
        if (i >= s.size() || !isCopticLetter(s[i])) return "Unicode numeral letters differ";
        ++i;
        const std::u32string_view marks = p >= 6 ? U"\u033F\u0305" : p >= 3 ? U"\u033F" : U"\u0305";
        if (std::u32string_view(s).substr(i, marks.size()) != marks)
            return "Unicode numeral mark wrong for its rank";
        i += marks.size();
    }
    return i == s.size() ? std::string() : "Unicode numeral has more than its digits";
}

} // namespace

std::string violation(long n, bool masculine, bool ordinal) {
    const auto x = static_cast<std::uint32_t>(n);
    const Form form = formOf(ordinal, masculine);
    const std::string text = toCopticWords(x, form, Writing::fontText);
    const std::string spoken = toCopticWords(x, form, Writing::pronunciation);
    const std::string english = toEnglishWords(x, form);
    const std::string numeral = toCopticNumerals(x, form);
    const std::string unicodeWords = toCopticWords(x, form, Writing::unicode);
    const std::u32string unicode = codePoints(unicodeWords);
    const std::u32string unicodeNumeral = codePoints(toCopticNumerals(x, form, Writing::unicode));
    if (!blanksClean(text) || !blanksClean(spoken) || !blanksClean(english) ||
        !blanksClean(numeral))
        return "empty text or bad blanks";
    // The command line writes these into JSON as they stand.
    for (const std::string* s : {&text, &spoken, &english, &numeral})
        if (std::any_of(s->begin(), s->end(), [](char c) {
                return c == '"' || c == '\\' || static_cast<unsigned char>(c) < 0x20;
            }))
            return "a quote, backslash or control character in " + *s;
    if (std::count(text.begin(), text.end(), ' ') != std::count(spoken.begin(), spoken.end(), ' '))
        return "blank count differs between text and pronunciation";
    if (unicodeWords != fontTextToUnicode(text)) return "Unicode words are not the text transcoded";
    if (!unicodeClean(unicode) || !unicodeClean(unicodeNumeral))
        return "Unicode holds other than Coptic letters, blanks and marks, or a stray mark";
    if (std::count(unicode.begin(), unicode.end(), U' ') !=
        std::count(spoken.begin(), spoken.end(), ' '))
        return "blank count differs between Unicode words and pronunciation";
    if (auto v = unicodeNumeralViolation(n, masculine, ordinal, unicodeNumeral); !v.empty())
        return v;

    std::string_view letters = numeral;
    if (ordinal) {
        if (letters.substr(0, 4) != "mah ") return "numeral lacks the ordinal prefix";
        letters.remove_prefix(4);
    }
    if (!masculine) {
        if (letters.empty() || letters.back() != ']') return "numeral lacks the feminine ending";
        letters.remove_suffix(1);
    }
    std::size_t nonzero = 0;
    for (long v = n; v > 0; v /= 10)
        if (v % 10 != 0) ++nonzero;
    if (utf8::codePoints(letters) != 2 * nonzero) return "numeral letters differ from nonzero digits";

    std::size_t start = 0;
    for (std::size_t i = 0; i <= english.size(); ++i) {
        if (i < english.size() && english[i] != ' ' && english[i] != '-') continue;
        const bool last = i == english.size();
        if (isOrdinalWord(std::string_view(english).substr(start, i - start)) != (ordinal && last))
            return "ordinal word misplaced: " + english;
        start = i + 1;
    }
    return {};
}

} // namespace zefnaro::checks

namespace zefnaro::checks {

std::string roundTripViolation(long n, bool masculine, bool ordinal) {
    const auto x = static_cast<std::uint32_t>(n);
    const Form form = formOf(ordinal, masculine);
    const auto number = static_cast<std::uint32_t>(n);
    std::string digits = groupDigits(number);
    if (ordinal) digits += getOrdinalSuffix(number);
    const std::string fontWords = toCopticWords(x, form, Writing::fontText);
    const std::string masculineWords = toCopticWords(x, formOf(ordinal, true), Writing::fontText);
    const std::string spoken = toCopticWords(x, form, Writing::pronunciation);
    const struct {
        std::string text;
        WrittenForm form;
        Writing writing;
    } written[] = {
        {digits, WrittenForm::digits, Writing::fontText},
        {toEnglishWords(x, form), WrittenForm::english, Writing::fontText},
        {fontWords, WrittenForm::coptic, Writing::fontText},
        {toCopticWords(x, form, Writing::unicode), WrittenForm::coptic, Writing::unicode},
        {spoken, WrittenForm::pronunciation, Writing::fontText},
        {toCopticNumerals(x, form), WrittenForm::numerals, Writing::fontText},
        {toCopticNumerals(x, form, Writing::unicode), WrittenForm::numerals, Writing::unicode},
    };
    for (const auto& w : written) {
        const ReadResult r = readWrittenNumber(w.text);
        const std::string which = std::string(formName(w.form)) + " \"" + w.text + "\"";
        if (!r.ok()) return which + " unreadable: " + r.error.message;
        const Reading& got = r.reading;
        if (w.form == WrittenForm::pronunciation && got.written == WrittenForm::coptic) {
            // A pronunciation that is also Coptic font text reads as the font text
            // ("map" is thirty both ways; "so" is a thousand, not a feminine six).
            const Form readForm = got.form;
            if (got.writing != Writing::fontText ||
                toCopticWords(got.number, readForm, Writing::fontText) != w.text)
                return which + " read as other Coptic words";
            continue;
        }
        if (got.number != number) return which + " read as " + std::to_string(got.number);
        if (got.written != w.form) return which + " read as " + std::string(formName(got.written));
        if ((w.form == WrittenForm::coptic || w.form == WrittenForm::numerals) &&
            got.writing != w.writing)
            return which + " read in the other writing";
        const bool showsOrdinal = w.form != WrittenForm::digits || ordinal;
        if (showsOrdinal && got.form.ordinal() != ordinal) return which + " read in the other kind";
        // Words show the feminine only where its words differ; numerals always.
        const bool showsGender = w.form == WrittenForm::numerals ||
                                 (w.form == WrittenForm::coptic && fontWords != masculineWords);
        if ((showsGender && got.form.feminine() == masculine) || (masculine && got.form.feminine()))
            return which + " read in the other gender";
    }
    return {};
}

} // namespace zefnaro::checks
