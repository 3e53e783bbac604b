#include "numbers.h"

#include <charconv>
#include <cmath>
#include <cstdint>
#include <optional>

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

namespace {

// Where a decimal number's parts end, and what decides its order of magnitude
// when it is out of a double's range.
struct Decimal {
    std::size_t start = 0, end = 0; // the digits, point and exponent, without the sign
    std::size_t integerDigits = 0;  // significant digits before the point
    std::size_t leadingFractionZeros = 0;
};

// Scans digits, an optional fraction and an optional exponent from s[i]; nullopt
// when there is no digit.
std::optional<Decimal> scanDecimal(std::string_view s, std::size_t i) {
    const auto digit = [&](std::size_t k) { return k < s.size() && s[k] >= '0' && s[k] <= '9'; };
    Decimal d;
    d.start = i;
    bool anyDigit = false;
    for (; digit(i); ++i) {
        anyDigit = true;
        if (d.integerDigits > 0 || s[i] != '0') ++d.integerDigits;
    }
    if (i < s.size() && s[i] == '.') {
        bool fractionNonZero = false;
        for (++i; digit(i); ++i) {
            anyDigit = true;
            if (s[i] != '0') fractionNonZero = true;
            if (!fractionNonZero) ++d.leadingFractionZeros;
        }
    }
    if (!anyDigit) return std::nullopt;
    d.end = i;
    if (i < s.size() && (s[i] == 'E' || s[i] == 'e')) {
        std::size_t j = i + 1;
        if (j < s.size() && (s[j] == '+' || s[j] == '-')) ++j;
        if (digit(j)) {
            while (digit(j))
                ++j;
            d.end = j;
        }
    }
    return d;
}

// Infinity or zero for a decimal out of a double's range, told apart by its
// order of magnitude.
double outOfRange(std::string_view number, const Decimal& d) {
    long long exponent = 0;
    if (const auto e = number.find_first_of("Ee"); e != std::string_view::npos) {
        const std::string_view digits = number.substr(e + 1);
        const bool minus = !digits.empty() && digits[0] == '-';
        for (char c : digits) {
            if (c < '0' || c > '9') continue;
            exponent = exponent * 10 + (c - '0');
            if (exponent > 1'000'000'000LL) break;
        }
        if (minus) exponent = -exponent;
    }
    const long long magnitude = d.integerDigits > 0
                                    ? exponent + static_cast<long long>(d.integerDigits)
                                    : exponent - static_cast<long long>(d.leadingFractionZeros);
    return magnitude > 0 ? HUGE_VAL : 0.0;
}

} // namespace

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
    const bool negative = !s.empty() && s[0] == '-';
    const bool hasSign = !s.empty() && (s[0] == '-' || s[0] == '+');
    const auto d = scanDecimal(s, hasSign ? 1 : 0);
    if (!d) return 0;
    const std::string_view number = std::string_view(s).substr(d->start, d->end - d->start);
    double value = 0;
    const auto [ptr, ec] =
        std::from_chars(number.data(), number.data() + number.size(), value, std::chars_format::general);
    if (ec == std::errc::result_out_of_range)
        value = outOfRange(number, *d);
    else if (ec != std::errc())
        return 0;
    if (value == 0) return 0; // no negative zero
    return negative ? -value : value;
}

} // namespace zefnaro
