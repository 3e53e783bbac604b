// Small numeric helpers shared by the builders and the report. Every function
// here is total: any input gives a defined result and nothing throws.
#pragma once

#include "zefnaro/form.h"

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

namespace zefnaro {

// A form from the two choices the windows and the command line offer.
constexpr Form formOf(bool ordinal, bool masculine) {
    return Form{ordinal ? Kind::ordinal : Kind::cardinal,
                masculine ? Gender::masculine : Gender::feminine};
}


// "st", "nd", "rd" or "th" for a whole number.
std::string getOrdinalSuffix(std::uint64_t number);

// The digits in groups of three, e.g. 1234567 -> "1,234,567".
std::string groupDigits(std::uint64_t number, std::string_view separator = ",");
void appendGroupedDigits(std::string& out, std::uint64_t number, std::string_view separator = ",");

} // namespace zefnaro
