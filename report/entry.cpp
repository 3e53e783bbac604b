#include "entry.h"

#include "zefnaro/form.h"

#include <cmath>
#include <cstdint>
#include <limits>
#include <optional>
#include <string>

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

// The decimal's value without the C library's locale or a double from_chars
// (which not every standard library has): the significant digits as an integer
// times a power of ten. Exact, as one correctly rounded operation, where the
// digits fit 2^53 and the power 10^22; a whole number in range always does.
double decimalValue(std::string_view number, const Decimal& d) {
    std::uint64_t digits = 0;
    int kept = 0;
    long long scale = 0; // the power of ten of the last digit kept
    bool seenPoint = false;
    std::size_t i = 0;
    for (; i < number.size() && number[i] != 'E' && number[i] != 'e'; ++i) {
        if (number[i] == '.') {
            seenPoint = true;
            continue;
        }
        const int digit = number[i] - '0';
        if (kept == 0 && digit == 0) {
            if (seenPoint) --scale;
            continue;
        }
        if (kept < 19) {
            digits = digits * 10 + static_cast<std::uint64_t>(digit);
            ++kept;
            if (seenPoint) --scale;
        } else if (!seenPoint) {
            ++scale; // beyond what is kept: only its place counts
        }
    }
    if (digits == 0) return 0;
    long long exponent = 0;
    if (i < number.size()) {
        const std::string_view e = number.substr(i + 1);
        const bool minus = !e.empty() && e[0] == '-';
        for (char c : e)
            if (c >= '0' && c <= '9' && exponent < 1'000'000'000LL) exponent = exponent * 10 + (c - '0');
        if (minus) exponent = -exponent;
    }
    while (digits % 10 == 0) { // trailing zeros belong to the power
        digits /= 10;
        ++scale;
    }
    const long long power = scale + exponent;
    const long long magnitude = d.integerDigits > 0
                                    ? exponent + static_cast<long long>(d.integerDigits)
                                    : exponent - static_cast<long long>(d.leadingFractionZeros);
    if (magnitude > 309 || magnitude < -330) return outOfRange(number, d);
    static constexpr double exact[] = {1e0,  1e1,  1e2,  1e3,  1e4,  1e5,  1e6,  1e7,
                                       1e8,  1e9,  1e10, 1e11, 1e12, 1e13, 1e14, 1e15,
                                       1e16, 1e17, 1e18, 1e19, 1e20, 1e21, 1e22};
    const auto m = static_cast<double>(digits);
    if (digits < (std::uint64_t{1} << 53) && power >= -22 && power <= 22)
        return power >= 0 ? m * exact[power] : m / exact[-power];
    const long double v = static_cast<long double>(digits) * std::pow(10.0L, static_cast<long double>(power));
    if (v > std::numeric_limits<double>::max()) return HUGE_VAL;
    return static_cast<double>(v);
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
    double value = decimalValue(number, *d);
    if (value == 0) return 0; // no negative zero
    return negative ? -value : value;
}

} // namespace zefnaro
