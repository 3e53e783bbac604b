// Bohairic Coptic number words and alphabetic numerals, as Coptic-font text (ASCII
// plus the Latin-1 place marks, stored as UTF-8) and as Latin-letter pronunciation.
#pragma once

#include "zefnaro/form.h"

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace zefnaro {

// The whole number in Coptic words: font text, Unicode (the font text transcoded)
// or their pronunciation. A number outside 1..999,999,999 gives "".
std::string toCopticWords(std::uint32_t number, Form form, Writing writing = Writing::fontText);

// The number as Coptic alphabetic numerals. In font text the place marks stand
// before their letters ("=" units, "Ë" thousands, "Ì" millions); in Unicode they
// follow them (U+0305 units, U+033F thousands, U+033F U+0305 millions), with ϯ as
// the feminine ending and "ⲙⲁϩ " as the ordinal prefix. A number outside
// 1..999,999,999, and the pronunciation (numerals have
// none), give "".
std::string toCopticNumerals(std::uint32_t number, Form form, Writing writing = Writing::fontText);

// One letter of a numeral with its place mark, as written, and what it stands for:
// ⲫ̿̅ is 500 (its letter) × 1,000,000 (its mark) = 500,000,000.
struct NumeralLetter {
    // The pieces as written, in order: a mark before (font text), the letter, the
    // marks after it (Unicode); they live as long as the program.
    std::string_view before, letter, after;
    std::uint32_t digit = 0; // 1..9
    std::uint32_t place = 0; // 0 for units .. 8 for hundreds of millions
    std::uint32_t letterValue() const { return digit * tenTo(place % 3); } // 1..900
    std::uint32_t rank() const { return tenTo(place / 3 * 3); }          // 1, 1,000, 1,000,000
    std::uint32_t value() const { return digit * tenTo(place); }
    std::string text() const { return std::string(before).append(letter).append(after); }

private:
    static constexpr std::uint32_t tenTo(std::uint32_t power) {
        std::uint32_t v = 1;
        while (power-- > 0)
            v *= 10;
        return v;
    }
};

// The letters of the number's numeral, most significant first, without the
// ordinal prefix and the feminine ending; none outside 1..999,999,999 or for the
// pronunciation.
std::vector<NumeralLetter> numeralLetters(std::uint32_t number, Writing writing);
// The same into a list that keeps its room: for callers that write many.
void numeralLetters(std::vector<NumeralLetter>& into, std::uint32_t number, Writing writing);

// The same texts appended to `out`, for callers that write many (nothing is
// appended for a number outside 1..999,999,999).
void appendCopticWords(std::string& out, std::uint32_t number, Form form, Writing writing);
void appendCopticNumerals(std::string& out, std::uint32_t number, Form form, Writing writing);

// Coptic-font text in Unicode Coptic, letter by letter; the jinkim (a grave accent
// before its letter) becomes U+0300 after it. Blanks, and any character the fonts
// do not draw as a Coptic letter, stay as they are.
std::string fontTextToUnicode(std::string_view fontText);

} // namespace zefnaro
