#include "engine/zefnaro.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <random>
#include <string>

using namespace zefnaro;

namespace {

constexpr double inf = std::numeric_limits<double>::infinity();
const double nan = std::nan("");

TEST(OrdinalSuffix, Table) {
    const std::pair<double, const char*> rows[] = {
        {1, "st"},   {2, "nd"},         {3, "rd"},       {4, "th"},      {10, "th"},
        {11, "th"},  {12, "th"},        {13, "th"},      {14, "th"},     {20, "th"},
        {21, "st"},  {22, "nd"},        {23, "rd"},      {100, "th"},    {101, "st"},
        {103, "rd"}, {111, "th"},       {112, "th"},     {121, "st"},    {1000, "th"},
        {-21, "st"}, {999999999, "th"}, {1000001, "st"}, {1000012, "th"}};
    for (const auto& [number, suffix] : rows)
        EXPECT_EQ(getOrdinalSuffix(number), suffix) << number;
}

TEST(OrdinalSuffix, AnyDoubleGivesOneOfTheFour) {
    for (double x : {0.0, -0.0, 1.5, -3.0, 1e300, -1e-300, inf, -inf, nan}) {
        const std::string s = getOrdinalSuffix(x);
        EXPECT_TRUE(s == "st" || s == "nd" || s == "rd" || s == "th") << x;
    }
}

TEST(Remainders, Table) {
    struct Row {
        double (*op)(double, double);
        double x, y, result;
    };
    const Row rows[] = {
        {realMod, 12345, 1000, 345}, {realMod, 100, 100, 0}, {realMod, -7, 3, 2},
        {realMod, 7, -3, -2},        {realMod, 5, 0, 0},     {realMod, 0, 0, 0},
        {realMod, 1e308, 1e-308, 0}, {realMod, nan, 3, 0},   {realMod, inf, 3, 0},
        {realModWrap, 1, 3, 1},      {realModWrap, 3, 3, 3}, {realModWrap, 4, 3, 1},
        {realModWrap, 6, 3, 3},      {realModWrap, 9, 3, 3}, {realModWrap, 0, 3, 3},
        {realModWrap, 5, 0, 0},      {realMax, 1, -2, 1},    {realMax, 1, 4, 4},
        {realMax, 2, 2, 2},
    };
    for (const auto& r : rows)
        EXPECT_EQ(r.op(r.x, r.y), r.result) << r.x << ", " << r.y;
}

// Far beyond the numbers the program writes, the remainder still lies within the
// divisor (plain x - floor(x / y) * y loses it to rounding).
TEST(Remainders, HugeValuesStayWithinTheDivisor) {
    for (double x : {1e300, -1e300, 123456789012345678.0, 1e22 + 1})
        for (double y : {3.0, 7.0, -3.0, 1000.0, 0.1}) {
            const double r = realMod(x, y);
            EXPECT_TRUE(y > 0 ? (r >= 0 && r < y) : (r <= 0 && r > y))
                << x << " mod " << y << " = " << r;
        }
    EXPECT_EQ(realMod(5, inf), 5);
    EXPECT_EQ(realMod(-5, inf), 0);
}

TEST(GroupDigits, Table) {
    const std::pair<double, const char*> rows[] = {{5, "5"},
                                                   {1000, "1,000"},
                                                   {999999999, "999,999,999"},
                                                   {0, "0"},
                                                   {-1234, "-1,234"},
                                                   {1234.5, "1,235"},
                                                   {-0.4, "0"},
                                                   {123456, "123,456"},
                                                   {1e15, "1,000,000,000,000,000"},
                                                   {inf, ""},
                                                   {nan, ""}};
    for (const auto& [number, text] : rows)
        EXPECT_EQ(groupDigits(number), text) << number;
    EXPECT_EQ(groupDigits(1234567, "."), "1.234.567");
    EXPECT_EQ(groupDigits(1234567, "\u202f"), "1\u202f234\u202f567");
    EXPECT_EQ(groupDigits(1e300).size(), 301u + 100u); // 301 digits, 100 separators
}

TEST(DecimalText, LikeTheDesktopRuntime) {
    const std::pair<double, const char*> rows[] = {{0, "0"},
                                                   {-0.0, "0"},
                                                   {12, "12"},
                                                   {-5, "-5"},
                                                   {0.5, "0.5"},
                                                   {123456789.75, "123456789.75"},
                                                   {1e15, "1E+15"},
                                                   {1.5e-5, "1.5E-05"},
                                                   {0.0001, "0.0001"},
                                                   {1e300, "1E+300"},
                                                   {inf, "Infinity"},
                                                   {nan, "NaN"},
                                                   {1.0 / 3, "0.333333333333333"}};
    for (const auto& [number, text] : rows)
        EXPECT_EQ(decimalText(number), text);
}

TEST(ReadNumber, LenientRules) {
    const std::pair<std::string, double> rows[] = {{"12abc", 12},
                                                   {"1 2", 12},
                                                   {"1,234", 1},
                                                   {"", 0},
                                                   {"000", 0},
                                                   {"&HFF", 255},
                                                   {"&hff", 255},
                                                   {"&O17", 15},
                                                   {"1E3", 1000},
                                                   {"1e3", 1000},
                                                   {"-5", -5},
                                                   {".5", 0.5},
                                                   {"+7", 7},
                                                   {" \t\n42", 42},
                                                   {"4\t2\n", 42},
                                                   {"- 5", -5},
                                                   {"1.2.3", 1.2},
                                                   {"1E", 1},
                                                   {"1E+", 1},
                                                   {"2e-1", 0.2},
                                                   {"abc", 0},
                                                   {".", 0},
                                                   {"-", 0},
                                                   {"&", 0},
                                                   {"&H", 0},
                                                   {"&O8", 0},
                                                   {"&HFFFFFFFF", 4294967295.0},
                                                   {"\r12", 0},
                                                   {"12\r3", 12},
                                                   {"1E-999", 0},
                                                   {"0.0", 0},
                                                   {"999999999", 999999999},
                                                   {"007", 7}};
    for (const auto& [text, value] : rows)
        EXPECT_EQ(readNumber(text), value) << '"' << text << '"';
}

TEST(ReadNumber, TooLargeIsInfinityNeverZero) {
    EXPECT_EQ(readNumber("1E999"), inf);
    EXPECT_EQ(readNumber("-1E999"), -inf);
    EXPECT_EQ(readNumber("1E99999999999999999999999"), inf);
    EXPECT_EQ(readNumber(std::string(400, '9')), inf);
    EXPECT_EQ(readNumber("0.000001E400"), inf);
    EXPECT_EQ(readNumber("&H" + std::string(300, 'F')), inf);
    EXPECT_FALSE(std::signbit(readNumber("-0")));
}

TEST(ReadNumber, HostileBytes) {
    EXPECT_EQ(readNumber(std::string("12\0"
                                     "34",
                                     5)),
              12);
    EXPECT_EQ(readNumber("\xff\xfe\x80"), 0);
    EXPECT_EQ(readNumber("3\xc3"), 3);
    const std::string megabyte(1 << 20, '7');
    EXPECT_EQ(readNumber(megabyte), inf);
    EXPECT_EQ(readNumber("0." + megabyte), readNumber("0.7777777777777777777777"));
    std::mt19937 gen(20261207);
    std::uniform_int_distribution<int> byte(0, 255);
    for (int i = 0; i < 20000; ++i) {
        std::string s(static_cast<std::size_t>(i % 40), '\0');
        for (char& c : s)
            c = static_cast<char>(byte(gen));
        const double v = readNumber(s);
        EXPECT_FALSE(std::isnan(v));
    }
}

TEST(IsTranslatable, Range) {
    EXPECT_TRUE(isTranslatable(1));
    EXPECT_TRUE(isTranslatable(999999999));
    for (double x : {0.0, -1.0, 1.5, 1e9, inf, nan})
        EXPECT_FALSE(isTranslatable(x)) << x;
}

} // namespace
