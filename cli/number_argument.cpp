#include "number_argument.h"

#include "report/report.h"

#include <algorithm>

namespace zefnaro::cli {

namespace {

bool isDigit(char c) {
    return c >= '0' && c <= '9';
}
bool isBlank(char c) {
    return c == ' ' || c == '\t' || c == '\r' || c == '\n' || c == '\v' || c == '\f';
}

std::string_view trim(std::string_view s) {
    while (!s.empty() && isBlank(s.front()))
        s.remove_prefix(1);
    while (!s.empty() && isBlank(s.back()))
        s.remove_suffix(1);
    return s;
}

// Either no commas, or a first group of 1-3 digits and further groups of 3.
bool wellGrouped(std::string_view s) {
    if (s.find(',') == std::string_view::npos) return true;
    std::size_t group = 0;
    bool firstGroup = true;
    for (char c : s) {
        if (c == ',') {
            if (group == 0 || group > 3 || (!firstGroup && group != 3)) return false;
            firstGroup = false;
            group = 0;
        } else {
            ++group;
        }
    }
    return group == 3;
}

ParsedNumber reject(std::string_view why) {
    return {0, std::string(why) + ": " + std::string(expectedRange)};
}

// Digits, commas, at most one point, optionally after a sign: a number in form.
bool looksNumeric(std::string_view s) {
    if (!s.empty() && (s.front() == '-' || s.front() == '+')) s.remove_prefix(1);
    if (s.empty() || std::count(s.begin(), s.end(), '.') > 1) return false;
    return std::any_of(s.begin(), s.end(), isDigit) && std::all_of(s.begin(), s.end(), [](char c) {
               return isDigit(c) || c == ',' || c == '.';
           });
}

} // namespace

ParsedNumber parseNumberArgument(std::string_view input) {
    const std::string_view s = trim(input);
    if (s.empty()) return reject("empty input");
    if (looksNumeric(s)) {
        if (s.front() == '-') return reject("negative numbers cannot be translated");
        if (s.front() == '+') return reject("write the number without a sign");
        if (s.find('.') != std::string_view::npos)
            return reject("fractions and decimal points are not accepted");
        if (!wellGrouped(s))
            return reject("commas must group the digits in threes, as in 1,234,567");
        long value = 0;
        for (char c : s) {
            if (!isDigit(c)) continue;
            value = value * 10 + (c - '0');
            if (value > largestNumber) return reject("too large");
        }
        if (value == 0) return {0, std::string(zeroMessage)};
        return {value, {}};
    }
    return reject("not a number");
}

} // namespace zefnaro::cli
