// Bohairic Coptic number words and alphabetic numerals, as Coptic-font text (ASCII
// plus the Latin-1 place marks, stored as UTF-8) and as Latin-letter pronunciation.
#pragma once

#include "engine/form.h"

#include <cstdint>
#include <string>
#include <string_view>

namespace zefnaro {

// Which half of a Coptic lexicon entry: the Coptic-font text or its pronunciation.
enum class Half { text, pronunciation };

// Key 10 has a standalone form and one that combines with a following unit.
enum class Ten { standalone, combining };

// One lexicon word: keys 1..9, the tens, 100, 1000, 1000000 and the grammatical
// words -1 (particle), -2 (and), -3 (ordinal prefix), -4 (first). Unknown keys give "".
std::string getCopticWord(double key, bool masculine, Half half, Ten ten = Ten::standalone);

// The words for a value 0..999; 0 and anything outside that range give "".
std::string copticHundreds(double number, bool masculine, Half half);

// The whole number in Coptic words (font text) or their pronunciation. Anything
// that is not a whole number from 1 to 999,999,999 gives "".
std::string toCopticWords(double number, Form form, Half half = Half::text);

// The Coptic words in the given writing (the text half of the lexicon; Unicode is
// the font text transcoded). Anything that is not a whole number from 1 to
// 999,999,999 gives "".
std::string toCopticWords(double number, Form form, Writing writing);

// The number as Coptic alphabetic numerals. In font text the place marks stand
// before their letters ("=" units, "Ë" thousands, "Ì" millions); in Unicode they
// follow them (U+0305 units, U+033F thousands, U+033F U+0305 millions), with ϯ as
// the feminine ending and "ⲙⲁϩ " as the ordinal prefix. Anything that is not a
// whole number from 1 to 999,999,999 gives "".
std::string toCopticNumerals(double number, Form form, Writing writing = Writing::fontText);

// The same texts appended to `out`, for callers that write many (nothing is
// appended for a number outside 1..999,999,999).
void appendCopticWords(std::string& out, std::uint32_t number, Form form, Half half);
void appendCopticWords(std::string& out, std::uint32_t number, Form form, Writing writing);
void appendCopticNumerals(std::string& out, std::uint32_t number, Form form, Writing writing);

// Coptic-font text in Unicode Coptic, letter by letter; the jinkim (a grave accent
// before its letter) becomes U+0300 after it. Blanks, and any character the fonts
// do not draw as a Coptic letter, stay as they are.
std::string fontTextToUnicode(std::string_view fontText);

} // namespace zefnaro
