// Checks every written form of a number must pass, shared by the property tests,
// the engine fuzzer and the whole-range sweep.
#pragma once

#include <string>

namespace zefnaro::checks {

// Empty when every form of n (1..999,999,999) in this gender and kind is sound:
// no text empty; no leading, trailing or doubled blanks; the Coptic text and its
// pronunciation have the same number of blanks; the numeral has one letter per
// nonzero digit; only the last English word is ordinal; no text holds a quote,
// backslash or control character; the Unicode words and
// numeral hold only Coptic letters, blanks and the three marks, each mark after a
// letter, the words as many blanks as the pronunciation, the numeral one letter per
// nonzero digit with its rank's marks. Otherwise what broke.
std::string violation(long n, bool masculine, bool ordinal);

// Empty when every written form of n in this gender and kind reads back to n and
// to its form: digits (with the suffix in the ordinal), English, Coptic words in
// font text and in Unicode, the pronunciation, numerals in font text and in
// Unicode. Otherwise what broke.
std::string roundTripViolation(long n, bool masculine, bool ordinal);

} // namespace zefnaro::checks
