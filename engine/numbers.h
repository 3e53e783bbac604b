// Small numeric helpers shared by the word and numeral builders and the report.
// Every function here is total: any double (NaN, infinities, fractions, huge
// values) gives a defined result and nothing throws.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace zefnaro {

// Remainder with a floored quotient; the sign follows y. Division by 0 (or a
// quotient too large to be whole) gives 0.
double realMod(double x, double y);

// realMod(x, -y) + y: for y > 0 a value in (0, y], so multiples of y give y.
double realModWrap(double x, double y);

// a if a >= b, otherwise b (so NaN in b returns a).
double realMax(double a, double b);

// "st", "nd", "rd" or "th" for the digits of the number.
std::string getOrdinalSuffix(double number);

// The number rounded to a whole number (halves away from zero) with its digits in
// groups of three, e.g. 1234567 -> "1,234,567". Non-finite values give "".
std::string groupDigits(double number, std::string_view separator = ",");

// How the desktop runtime writes a double: at most 15 significant digits, no
// separators, "E+nn"/"E-nn" outside 1e-4 .. 1e15. NaN and infinities spelled out.
std::string decimalText(double number);

// Reads the leading number of a text the lenient way: blanks, tabs and line feeds
// are skipped anywhere; then an optional sign, digits, an optional fraction and
// exponent, or "&H" hexadecimal / "&O" octal. Stops at the first character that
// cannot continue the number. No number gives 0; too large gives +/-infinity.
double readNumber(std::string_view text);

// True when the number is whole and lies in 1..999,999,999, the numbers the
// builders can write.
bool isTranslatable(double number);

// Characters (code points) in UTF-8 text: positions in the report count these.
std::size_t utf8Length(std::string_view text);

} // namespace zefnaro
