// Bohairic Coptic number words and alphabetic numerals, as Coptic-font text (ASCII
// plus the Latin-1 place marks, stored as UTF-8) and as Latin-letter pronunciation.
#pragma once

#include "engine/form.h"

#include <cstdint>
#include <string>
#include <string_view>

namespace zefnaro {

// The whole number in Coptic words: font text, Unicode (the font text transcoded)
// or their pronunciation. Anything that is not a whole number from 1 to
// 999,999,999 gives "".
std::string toCopticWords(double number, Form form, Writing writing = Writing::fontText);

// The number as Coptic alphabetic numerals. In font text the place marks stand
// before their letters ("=" units, "Ë" thousands, "Ì" millions); in Unicode they
// follow them (U+0305 units, U+033F thousands, U+033F U+0305 millions), with ϯ as
// the feminine ending and "ⲙⲁϩ " as the ordinal prefix. Anything that is not a
// whole number from 1 to 999,999,999, and the pronunciation (numerals have
// none), give "".
std::string toCopticNumerals(double number, Form form, Writing writing = Writing::fontText);

// The same texts appended to `out`, for callers that write many (nothing is
// appended for a number outside 1..999,999,999).
void appendCopticWords(std::string& out, std::uint32_t number, Form form, Writing writing);
void appendCopticNumerals(std::string& out, std::uint32_t number, Form form, Writing writing);

// Coptic-font text in Unicode Coptic, letter by letter; the jinkim (a grave accent
// before its letter) becomes U+0300 after it. Blanks, and any character the fonts
// do not draw as a Coptic letter, stay as they are.
std::string fontTextToUnicode(std::string_view fontText);

} // namespace zefnaro
