#include "report/entry.h"
#include "zefnaro/form.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <limits>
#include <random>
#include <string>

using namespace zefnaro;

namespace {

constexpr double inf = std::numeric_limits<double>::infinity();
const double nan = std::nan("");

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

TEST(Translatable, Range) {
    EXPECT_EQ(translatable(1), 1u);
    EXPECT_EQ(translatable(999999999), largestNumber);
    for (double x : {0.0, -0.0, -1.0, 1.5, 999999999.5, 1e9, 4294967297.0, inf, -inf, nan})
        EXPECT_FALSE(translatable(x).has_value()) << x;
}

} // namespace
