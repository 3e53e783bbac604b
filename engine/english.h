// English number words, cardinal ("Twenty-One") or ordinal ("Twenty-First").
// English has no gender: only form.ordinal matters here.
#pragma once

#include "engine/form.h"

#include <cstdint>
#include <string>

namespace zefnaro {

// One lexicon word (1..20, the tens, 100, 1000, 1000000); unknown keys give "".
std::string getEnglishWord(double key, Form form);

// The words for a value 0..999; 0 and anything outside that range give "".
std::string englishHundreds(double number, Form form);

// The whole number in words; only the last word takes the ordinal form. Anything
// that is not a whole number from 1 to 999,999,999 gives "".
std::string toEnglishWords(double number, Form form);

// The same appended to `out` (nothing for a number outside 1..999,999,999).
void appendEnglishWords(std::string& out, std::uint32_t number, Form form);

} // namespace zefnaro
