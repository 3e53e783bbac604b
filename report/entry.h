// What a typed entry stands for, read the lenient way the entry box has always
// read it: the one place a typed text becomes a number, before any writer sees it.
#pragma once

#include <cstdint>
#include <optional>
#include <string_view>

namespace zefnaro {

// Reads the leading number of a text: blanks, tabs and line feeds are skipped
// anywhere; then an optional sign, digits, an optional fraction and exponent, or
// "&H" hexadecimal / "&O" octal. Stops at the first character that cannot continue
// the number. No number gives 0; too large gives +/-infinity. Total: any bytes
// give a value, never NaN, never an exception.
double readNumber(std::string_view text);

// The number a value stands for when it is a whole number from 1 to largestNumber:
// the one gate between a typed value and the writers.
std::optional<std::uint32_t> translatable(double number);

} // namespace zefnaro
