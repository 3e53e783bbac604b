// The letters and place marks of Coptic numerals in both writings: what the
// numeral builder writes and what the reader of numerals reads back.
#pragma once

#include "zefnaro/form.h"

#include <array>
#include <string_view>

namespace zefnaro {

using Letters = std::array<std::array<std::string_view, 10>, 3>; // [place][digit]

struct NumeralScript {
    Letters letters;
    std::array<std::string_view, 3> before, after; // marks of units, thousands, millions
    std::string_view prefix, ending;               // ordinal, feminine
};

// The font text puts the mark before its letter ("=" units, "Ë" thousands, "Ì"
// millions) and draws 9, 60 and 600 with the glyph variants ":", "|" and "<".
inline constexpr NumeralScript fontTextNumerals{
    {{{"", "a", "b", "g", "d", "e", "^", "z", "y", ":"},
      {"", "i", "k", "l", "m", "n", "|", "o", "p", "f"},
      {"", "r", "c", "t", "u", "v", "<", "'", "w", "s"}}},
    {"=", "\xC3\x8B", "\xC3\x8C"},
    {"", "", ""},
    "mah ",
    "]"};

// Unicode puts the mark after its letter: one stroke (U+0305) for units, two
// (U+033F) for thousands, three (U+033F U+0305) for millions.
inline constexpr NumeralScript unicodeNumerals{
    {{{"", "ⲁ", "ⲃ", "ⲅ", "ⲇ", "ⲉ", "ⲋ", "ⲍ", "ⲏ", "ⲑ"},
      {"", "ⲓ", "ⲕ", "ⲗ", "ⲙ", "ⲛ", "ⲝ", "ⲟ", "ⲡ", "ϥ"},
      {"", "ⲣ", "ⲥ", "ⲧ", "ⲩ", "ⲫ", "ⲭ", "ⲯ", "ⲱ", "ϣ"}}},
    {"", "", ""},
    {"\u0305", "\u033F", "\u033F\u0305"},
    "ⲙⲁϩ ",
    "ϯ"};

// The Unicode ordinal prefix's word, and its letters as the readers compare them.
inline constexpr std::string_view unicodeOrdinalWord = "ⲙⲁϩ";
inline constexpr std::u32string_view unicodeOrdinalLetters = U"ⲙⲁϩ";
static_assert(unicodeNumerals.prefix.substr(0, unicodeOrdinalWord.size()) == unicodeOrdinalWord);
inline constexpr std::u32string_view fontTextOrdinalLetters = U"mah";
static_assert(fontTextNumerals.prefix == "mah ");

inline const NumeralScript& numeralScript(Writing writing) {
    return writing == Writing::unicode ? unicodeNumerals : fontTextNumerals;
}

} // namespace zefnaro
