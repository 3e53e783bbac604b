// English number words, cardinal ("Twenty-One") or ordinal ("Twenty-First").
#pragma once

#include <string>

namespace zefnaro {

// One lexicon word (1..20, the tens, 100, 1000, 1000000); unknown keys give "".
std::string getEnglishWord(double number, bool ordinal);

// The words for a value 0..999; 0 and anything outside that range give "".
std::string englishHundreds(double number, bool ordinal);

// The whole number in words; only the last word takes the ordinal form. Anything
// that is not a whole number from 1 to 999,999,999 gives "".
std::string toEnglishWords(double number, bool ordinal);

} // namespace zefnaro
