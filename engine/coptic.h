// Bohairic Coptic number words and alphabetic numerals, as Coptic-font text (ASCII
// plus the Latin-1 place marks, stored as UTF-8) and as Latin-letter pronunciation.
#pragma once

#include "engine/form.h"

#include <string>

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

// The number as Coptic alphabetic numerals. Anything that is not a whole number
// from 1 to 999,999,999 gives "".
std::string toCopticNumerals(double number, Form form);

} // namespace zefnaro
