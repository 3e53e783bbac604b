#include "numbers.h"

#include <charconv>
#include <cmath>
#include <cstdint>

namespace zefnaro {

namespace {

bool isBlank(char c) {
    return c == ' ' || c == '\t' || c == '\n';
}

double readRadix(std::string_view digits, int radix) {
    double value = 0;
    for (char c : digits) {
        int d;
        if (c >= '0' && c <= '9')
            d = c - '0';
        else if (c >= 'a' && c <= 'f')
            d = c - 'a' + 10;
        else if (c >= 'A' && c <= 'F')
            d = c - 'A' + 10;
        else
            break;
        if (d >= radix) break;
        value = value * radix + d;
    }
    return value;
}

} // namespace

std::optional<std::uint32_t> translatable(double number) {
    if (!(number >= 1 && number <= largestNumber)) return std::nullopt;
    // In range the conversion is exact for whole numbers; a fraction loses its part.
    const auto whole = static_cast<std::uint32_t>(number);
    if (static_cast<double>(whole) != number) return std::nullopt;
    return whole;
}

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

double readNumber(std::string_view text) {
    // The blanks may stand anywhere, even inside the digits ("1 2" is 12), so the
    // number is read from a copy without them.
    std::string s;
    s.reserve(text.size());
    for (char c : text)
        if (!isBlank(c)) s.push_back(c);

    if (s.size() >= 2 && s[0] == '&') {
        if (s[1] == 'H' || s[1] == 'h') return readRadix(std::string_view(s).substr(2), 16);
        if (s[1] == 'O' || s[1] == 'o') return readRadix(std::string_view(s).substr(2), 8);
        return 0;
    }

    std::size_t i = 0;
    const bool negative = i < s.size() && s[i] == '-';
    if (i < s.size() && (s[i] == '-' || s[i] == '+')) ++i;
    const std::size_t start = i;
    std::size_t integerDigits = 0; // significant digits before the point
    bool anyDigit = false;
    for (; i < s.size() && s[i] >= '0' && s[i] <= '9'; ++i) {
        anyDigit = true;
        if (integerDigits > 0 || s[i] != '0') ++integerDigits;
    }
    std::size_t leadingFractionZeros = 0;
    bool fractionNonZero = false;
    if (i < s.size() && s[i] == '.') {
        ++i;
        for (; i < s.size() && s[i] >= '0' && s[i] <= '9'; ++i) {
            anyDigit = true;
            if (s[i] != '0') fractionNonZero = true;
            if (!fractionNonZero) ++leadingFractionZeros;
        }
    }
    if (!anyDigit) return 0;
    std::size_t end = i;
    if (i < s.size() && (s[i] == 'E' || s[i] == 'e')) {
        std::size_t j = i + 1;
        if (j < s.size() && (s[j] == '+' || s[j] == '-')) ++j;
        if (j < s.size() && s[j] >= '0' && s[j] <= '9') {
            while (j < s.size() && s[j] >= '0' && s[j] <= '9')
                ++j;
            end = j;
        }
    }

    double value = 0;
    const char* first = s.data() + start;
    const char* last = s.data() + end;
    const auto [ptr, ec] = std::from_chars(first, last, value, std::chars_format::general);
    if (ec == std::errc::result_out_of_range) {
        // Overflow or underflow: tell them apart by the order of magnitude.
        long long exponent = 0;
        const std::string_view rest(first, static_cast<std::size_t>(last - first));
        if (const auto e = rest.find_first_of("Ee"); e != std::string_view::npos) {
            const std::string_view digits = rest.substr(e + 1);
            const bool minus = !digits.empty() && digits[0] == '-';
            for (char c : digits) {
                if (c < '0' || c > '9') continue;
                exponent = exponent * 10 + (c - '0');
                if (exponent > 1'000'000'000LL) break;
            }
            if (minus) exponent = -exponent;
        }
        const long long magnitude = integerDigits > 0
                                        ? exponent + static_cast<long long>(integerDigits)
                                        : exponent - static_cast<long long>(leadingFractionZeros);
        value = magnitude > 0 ? HUGE_VAL : 0.0;
    } else if (ec != std::errc()) {
        return 0;
    }
    if (value == 0) return 0; // no negative zero
    return negative ? -value : value;
}

} // namespace zefnaro
