// Small numeric helpers shared by the builders and the report. Every function
// here is total: any input gives a defined result and nothing throws.
#pragma once

#include "engine/form.h"

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

namespace zefnaro {

// "st", "nd", "rd" or "th" for a whole number.
std::string getOrdinalSuffix(std::uint64_t number);

// The digits in groups of three, e.g. 1234567 -> "1,234,567".
std::string groupDigits(std::uint64_t number, std::string_view separator = ",");
void appendGroupedDigits(std::string& out, std::uint64_t number, std::string_view separator = ",");

// Reads the leading number of a text the lenient way: blanks, tabs and line feeds
// are skipped anywhere; then an optional sign, digits, an optional fraction and
// exponent, or "&H" hexadecimal / "&O" octal. Stops at the first character that
// cannot continue the number. No number gives 0; too large gives +/-infinity.
double readNumber(std::string_view text);

} // namespace zefnaro
