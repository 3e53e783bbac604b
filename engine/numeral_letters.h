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

// The numeral letters' names as learners say them, with what each stands for, by
// place (units, tens, hundreds) and digit; the marks' names by rank.
inline constexpr std::array<std::array<std::string_view, 10>, 3> numeralLetterNames{
    {{"", "alpha, 1", "vida, 2", "gamma, 3", "dalda, 4", "ei, 5", "so, 6", "zata, 7", "ita, 8", "thita, 9"},
     {"", "iota, 10", "kappa, 20", "laula, 30", "mi, 40", "ni, 50", "exi, 60", "o, 70", "pi, 80", "fai, 90"},
     {"", "ro, 100", "sima, 200", "tav, 300", "epsilon, 400", "phi, 500", "khi, 600", "epsi, 700", "o, 800",
      "shai, 900"}}};
inline constexpr std::array<std::string_view, 3> numeralMarkNames{
    "one stroke: units", "two strokes: thousands", "three strokes: millions"};

// What else the Coptic numbers are written with, in Unicode, and its names: the
// letters only words use, the feminine ending, the jinkim, the ordinal prefix.
struct NamedText {
    std::string_view text, name;
};
inline constexpr std::array<NamedText, 7> otherNumberLetters{{{"ϧ", "khai"},
                                                              {"ϩ", "hori"},
                                                              {"ϫ", "janja"},
                                                              {"ϭ", "chima"},
                                                              {unicodeNumerals.ending, "ti, the feminine ending"},
                                                              {"\u0300", "jinkim"},
                                                              {unicodeNumerals.prefix, "mah, the ordinal prefix"}}};

inline const NumeralScript& numeralScript(Writing writing) {
    return writing == Writing::unicode ? unicodeNumerals : fontTextNumerals;
}

} // namespace zefnaro
