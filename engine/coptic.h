// Bohairic Coptic number words and alphabetic numerals, as Coptic-font text (ASCII
// plus the Latin-1 place marks, stored as UTF-8) and as Latin-letter pronunciation.
#pragma once

#include <string>

namespace zefnaro {

// One lexicon word: keys 1..9, the tens, 100, 1000, 1000000 and the grammatical
// words -1 (particle), -2 (and), -3 (ordinal prefix), -4 (first). Key 10 has a
// standalone and a combining form. Unknown keys give "".
std::string getCopticWord(double number, bool standaloneTen, bool masculine, bool pronunciation);

// The words for a value 0..999; 0 and anything outside that range give "".
std::string copticHundreds(double number, bool masculine, bool pronunciation);

// The whole number in Coptic words. Anything that is not a whole number from 1 to
// 999,999,999 gives "".
std::string toCopticWords(double number, bool masculine, bool ordinal, bool pronunciation);

// Place mark and letter for one digit times a power of ten (e.g. 2000 -> "Ëb").
// 0, and anything that is not a whole number from 1 to 999,999,999, gives "".
std::string getCopticNumeral(double value);

// The number as Coptic alphabetic numerals. Anything that is not a whole number
// from 1 to 999,999,999 gives "".
std::string toCopticNumerals(double number, bool masculine, bool ordinal);

} // namespace zefnaro
