// How the command line reads a NUMBER: strict, unlike the window's lenient reader,
// so that a typo in a script is reported rather than translated.
#pragma once

#include <string>
#include <string_view>

namespace zefnaro::cli {

inline constexpr std::string_view expectedRange = "expected a whole number from 1 to 999,999,999";

struct ParsedNumber {
    long value = 0;     // 1..999,999,999 when ok
    std::string reason; // why the input was rejected; empty when ok
    bool ok() const { return reason.empty(); }
};

// Plain decimal digits, optionally grouped by commas in threes ("1,234,567"),
// surrounding blanks ignored.
ParsedNumber parseNumberArgument(std::string_view input);

} // namespace zefnaro::cli
