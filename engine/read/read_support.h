// Shared by the readers of the written forms: the text as characters with their
// positions, and the shape of a reader's answer.
#pragma once

#include "zefnaro/read.h"
#include "engine/joined.h"
#include "engine/numbers.h"
#include "engine/read_reason.h"
#include "engine/utf8.h"

#include <functional>
#include <initializer_list>
#include <optional>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

namespace zefnaro::reading {


// One character of the input and its 1-based position in the whole text.
struct Char {
    char32_t code;
    std::size_t position;
};
using Chars = std::vector<Char>;

// What a form's reader made of a text: a reading, or an error and how far the
// text went before it (to report the most telling error when no form fits).
struct Attempt {
    std::optional<Reading> reading;
    ReadWhy why;
    std::size_t progress = 0;
    ReadErrorCode code = ReadErrorCode::none;
    std::size_t position = 0; // of the error: the character it names, 0 for none
};

// What kinds of characters a text holds, noted while it is decoded.
struct Kinds {
    bool coptic = false;   // Coptic letters
    bool overline = false; // numeral place marks after a letter
    bool fontMark = false; // numeral place marks of the font text: = Ë Ì
    bool arabic = false;      // Arabic letters
    bool arabicDigits = false; // Arabic-Indic digits or separators
};

// Decodes UTF-8; nullopt and the position of the first bad byte when it is not.
std::optional<Chars> decode(std::string_view text, std::size_t& bad, Kinds& kinds);

// An error at the character it names, which is where the reading stopped unless
// said otherwise.
inline Attempt failed(ReadWhy why, std::size_t progress,
                      ReadErrorCode code = ReadErrorCode::misplaced,
                      std::optional<std::size_t> position = std::nullopt) {
    return Attempt{std::nullopt, std::move(why), progress, code, position.value_or(progress)};
}

// A reason and what it names.
inline ReadWhy because(ReadReason reason, std::string subject = {}, std::size_t at = 0) {
    ReadWhy why;
    why.reason = reason;
    why.subject = std::move(subject);
    why.at = at;
    return why;
}

// The kind and the gender a text shows.
inline Kind kindOf(bool ordinal) {
    return ordinal ? Kind::ordinal : Kind::cardinal;
}
inline Gender genderOf(bool feminine) {
    return feminine ? Gender::feminine : Gender::masculine;
}

std::string toUtf8(const Chars& chars, std::size_t from, std::size_t to);

using utf8::isBlank;

using utf8::isCopticLetter;

// What marks a numeral: the strokes over and under, the sign ͵ before a thousand,
// a keraia after a numeral.
inline bool isNumeralMark(char32_t c) {
    return c == 0x0304 || c == 0x0305 || c == 0x033F || c == 0x0331 || c == 0x0375 ||
           c == 0x0374 || c == 0x02B9;
}

// Capitals stand at the even code points, each small letter right after.
inline char32_t copticLower(char32_t c) {
    return isCopticLetter(c) && c % 2 == 0 ? c + 1 : c;
}

// ---- Words ----------------------------------------------------------------

struct Token {
    std::string_view text; // normalised: lower case, no jinkim
    std::size_t position;
    char32_t before = U' '; // the separator in front of it: a blank or a hyphen
};

// The words of a text, normalised into one buffer with one blank between words, so
// that a run of words is a piece of it.
struct Words {
    std::string buffer;
    std::vector<Token> tokens;

    std::size_t size() const { return tokens.size(); }
    bool empty() const { return tokens.empty(); }
    const Token& operator[](std::size_t i) const { return tokens[i]; }
    // Words [from, to) as written in the buffer; from < to.
    std::string_view run(std::size_t from, std::size_t to) const {
        const char* begin = tokens[from].text.data();
        const char* end = tokens[to - 1].text.data() + tokens[to - 1].text.size();
        return {begin, static_cast<std::size_t>(end - begin)};
    }
};

// Lower-cases Latin and Coptic letters and drops the jinkim (a grave accent before
// its letter in font text, U+0300 after it in Unicode): words read the same with
// or without it. Blanks separate words.
Words words(const Chars& text);

// Maps looked up by a piece of a text without copying it.
struct Hash {
    using is_transparent = void;
    std::size_t operator()(std::string_view s) const { return std::hash<std::string_view>{}(s); }
};
template <typename Value> using Map = std::unordered_map<std::string, Value, Hash, std::equal_to<>>;

// A builder's text as the readers see it: lower case, no jinkim, single blanks.
std::string normalised(std::string_view written);
// A word no written form has.
ReadWhy unknown(const Token& t);

Attempt readDigits(const Chars& text);
// English words, from the blank-separated words of the text.
Attempt readEnglish(const Chars& text, const Words& blankSeparated);
bool isEnglishWord(std::string_view word);
// Words in Latin letters: English, Coptic font text or its pronunciation.
Attempt readLatinWords(const Chars& text);
// Coptic words in Unicode.
Attempt readUnicodeWords(const Chars& text);
Attempt readFontNumerals(const Chars& text);
// Arabic number words.
Attempt readArabicWords(const Chars& text);
// Coptic words as `form` writes them in `writing` (the Coptic text, or its
// pronunciation in Latin letters).
Attempt readCopticWords(const Chars& text, const Words& words, WrittenForm form, Writing writing);
// The pronunciation in Arabic letters.
Attempt readArabicLetters(const Chars& text);
// The Arabic names of a Coptic month as people spell them, '|' between them;
// and whether a word is the era's name after an Arabic year.
std::string_view arabicMonthSpellings(int month);
bool isArabicEra(std::string_view word);
// The text with Arabic-Indic digits and separators as ASCII ones.
Chars withAsciiDigits(Chars text);
Attempt readUnicodeNumerals(const Chars& text);

} // namespace zefnaro::reading
