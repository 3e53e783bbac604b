#include "numbers.h"

#include <charconv>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>

namespace zefnaro {

namespace {

// The 15 significant digits of a finite, nonzero magnitude with trailing zeros
// dropped, and its decimal exponent (value = 0.d1d2... * 10^(exponent + 1)).
struct Significand {
    std::string digits;
    int exponent = 0;
};

Significand significand(double magnitude) {
    char buf[40];
    std::snprintf(buf, sizeof buf, "%.14e", magnitude);
    Significand s;
    const char* p = buf;
    for (; *p != 'e' && *p != '\0'; ++p)
        if (*p >= '0' && *p <= '9') s.digits.push_back(*p);
    if (*p == 'e') s.exponent = std::atoi(p + 1);
    while (s.digits.size() > 1 && s.digits.back() == '0')
        s.digits.pop_back();
    return s;
}

bool isBlank(char c) {
    return c == ' ' || c == '\t' || c == '\n';
}

// Digits of a whole, non-negative value (no grouping). Beyond 2^53 the value is
// written with 15 significant digits and zeros, as the runtime formats it.
std::string wholeDigits(double magnitude) {
    if (magnitude < 1e15) return std::to_string(static_cast<std::uint64_t>(magnitude));
    Significand s = significand(magnitude);
    s.digits.resize(static_cast<std::size_t>(s.exponent) + 1, '0');
    return s.digits;
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

double realMod(double x, double y) {
    // x - floor(x / y) * y, computed exactly: fmod has no rounding error, so huge
    // values still give a remainder within the divisor.
    if (y == 0 || !std::isfinite(x) || std::isnan(y) || !std::isfinite(x / y)) return 0;
    if (std::isinf(y)) return (x == 0 || (x < 0) == (y < 0)) ? x : 0;
    double r = std::fmod(x, y);
    if (r != 0 && (r < 0) != (y < 0)) r += y;
    return r == 0 ? 0 : r;
}

double realModWrap(double x, double y) {
    return realMod(x, -y) + y;
}

double realMax(double a, double b) {
    return a >= b ? a : b;
}

std::string getOrdinalSuffix(double number) {
    if (std::fabs(number) < 1e15 && number == std::floor(number)) {
        // Whole numbers: the same rule on the last two digits, without text.
        const auto n = static_cast<std::uint64_t>(std::fabs(number));
        const auto t = n % 100;
        if (t >= 4 && t <= 20) return "th";
        switch (n % 10) {
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
    const std::string magnitude = decimalText(std::fabs(number));
    const std::size_t take = magnitude.size() < 2 ? magnitude.size() : 2;
    const double t = readNumber(std::string_view(magnitude).substr(magnitude.size() - take));
    if (t >= 4 && t <= 20) return "th";
    const std::string text = decimalText(number);
    switch (text.empty() ? '\0' : text.back()) {
    case '1':
        return "st";
    case '2':
        return "nd";
    case '3':
        return "rd";
    default:
        return "th";
    }
}

std::string groupDigits(double number, std::string_view separator) {
    if (!std::isfinite(number)) return "";
    const double rounded = std::round(number);
    const std::string digits = wholeDigits(std::fabs(rounded));
    std::string out;
    if (rounded < 0) out.push_back('-');
    for (std::size_t i = 0; i < digits.size(); ++i) {
        if (i > 0 && (digits.size() - i) % 3 == 0) out.append(separator);
        out.push_back(digits[i]);
    }
    return out;
}

std::string decimalText(double number) {
    if (std::isnan(number)) return "NaN";
    if (std::isinf(number)) return number > 0 ? "Infinity" : "-Infinity";
    if (number == 0) return "0";
    const Significand s = significand(std::fabs(number));
    std::string out = number < 0 ? "-" : "";
    const int e = s.exponent;
    if (e >= 15 || e < -4) {
        out += s.digits.substr(0, 1);
        if (s.digits.size() > 1) out += "." + s.digits.substr(1);
        char exp[16];
        std::snprintf(exp, sizeof exp, "E%c%02d", e < 0 ? '-' : '+', e < 0 ? -e : e);
        return out + exp;
    }
    if (e < 0) return out + "0." + std::string(static_cast<std::size_t>(-e - 1), '0') + s.digits;
    const auto whole = static_cast<std::size_t>(e) + 1;
    std::string digits = s.digits;
    if (digits.size() <= whole) return out + digits + std::string(whole - digits.size(), '0');
    return out + digits.substr(0, whole) + "." + digits.substr(whole);
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

bool isTranslatable(double number) {
    return number >= 1 && number <= 999'999'999 && number == std::floor(number);
}

std::size_t utf8Length(std::string_view text) {
    std::size_t count = 0;
    for (char c : text)
        if ((static_cast<unsigned char>(c) & 0xC0) != 0x80) ++count;
    return count;
}

} // namespace zefnaro
