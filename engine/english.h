// English number words, cardinal ("Twenty-One") or ordinal ("Twenty-First").
// English has no gender: only form.ordinal() matters here.
#pragma once

#include "zefnaro/form.h"

#include <cstdint>
#include <string>

namespace zefnaro {

// The whole number in words; only the last word takes the ordinal form. A number
// outside 1..999,999,999 gives "".
std::string toEnglishWords(std::uint32_t number, Form form);

// The same appended to `out` (nothing for a number outside 1..999,999,999).
void appendEnglishWords(std::string& out, std::uint32_t number, Form form);

} // namespace zefnaro
