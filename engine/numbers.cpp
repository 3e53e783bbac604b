#include "numbers.h"

#include <charconv>
#include <cstdint>

namespace zefnaro {

std::string getOrdinalSuffix(std::uint64_t number) {
    const auto t = number % 100;
    if (t >= 4 && t <= 20) return "th";
    switch (number % 10) {
    case 1:
        return "st";
    case 2:
        return "nd";
    case 3:
        return "rd";
    default:
        return "th";
    }
}

void appendGroupedDigits(std::string& out, std::uint64_t number, std::string_view separator) {
    char digits[24];
    const auto size = static_cast<std::size_t>(
        std::to_chars(digits, digits + sizeof digits, number).ptr - digits);
    if (separator.size() == 1) { // the usual case: built on the stack, copied once
        char grouped[32];
        std::size_t length = 0;
        for (std::size_t i = 0; i < size; ++i) {
            if (i > 0 && (size - i) % 3 == 0) grouped[length++] = separator[0];
            grouped[length++] = digits[i];
        }
        out.append(grouped, length);
        return;
    }
    for (std::size_t i = 0; i < size; ++i) {
        if (i > 0 && (size - i) % 3 == 0) out.append(separator);
        out.push_back(digits[i]);
    }
}

std::string groupDigits(std::uint64_t number, std::string_view separator) {
    std::string out;
    appendGroupedDigits(out, number, separator);
    return out;
}

} // namespace zefnaro
