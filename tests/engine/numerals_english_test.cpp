#include "engine/engine.h"

#include <gtest/gtest.h>

#include <cstdint>

#include <array>
#include <tuple>
#include <utility>
#include <vector>
#include <cmath>

using namespace zefnaro;

namespace {

// Masculine cardinal, feminine cardinal, masculine ordinal, feminine ordinal.
struct NumeralCase {
    std::uint32_t number;
    std::array<const char*, 4> forms;
};

class Numerals : public testing::TestWithParam<NumeralCase> {};

TEST_P(Numerals, AllFourForms) {
    const auto& c = GetParam();
    EXPECT_EQ(toCopticNumerals(c.number, formOf(false, true)), c.forms[0]);
    EXPECT_EQ(toCopticNumerals(c.number, formOf(false, false)), c.forms[1]);
    EXPECT_EQ(toCopticNumerals(c.number, formOf(true, true)), c.forms[2]);
    EXPECT_EQ(toCopticNumerals(c.number, formOf(true, false)), c.forms[3]);
}

INSTANTIATE_TEST_SUITE_P(
    Table, Numerals,
    testing::Values(NumeralCase{1, {"=a", "=a]", "mah =a", "mah =a]"}},
                    NumeralCase{9, {"=:", "=:]", "mah =:", "mah =:]"}},
                    NumeralCase{10, {"=i", "=i]", "mah =i", "mah =i]"}},
                    NumeralCase{11, {"=i=a", "=i=a]", "mah =i=a", "mah =i=a]"}},
                    NumeralCase{99, {"=f=:", "=f=:]", "mah =f=:", "mah =f=:]"}},
                    NumeralCase{100, {"=r", "=r]", "mah =r", "mah =r]"}},
                    NumeralCase{250, {"=c=n", "=c=n]", "mah =c=n", "mah =c=n]"}},
                    NumeralCase{999, {"=s=f=:", "=s=f=:]", "mah =s=f=:", "mah =s=f=:]"}},
                    NumeralCase{1000, {"Ëa", "Ëa]", "mah Ëa", "mah Ëa]"}},
                    NumeralCase{2005, {"Ëb=e", "Ëb=e]", "mah Ëb=e", "mah Ëb=e]"}},
                    NumeralCase{12345,
                                {"ËiËb=t=m=e", "ËiËb=t=m=e]", "mah ËiËb=t=m=e", "mah ËiËb=t=m=e]"}},
                    NumeralCase{100000, {"Ër", "Ër]", "mah Ër", "mah Ër]"}},
                    NumeralCase{1000000, {"Ìa", "Ìa]", "mah Ìa", "mah Ìa]"}},
                    NumeralCase{1001001, {"ÌaËa=a", "ÌaËa=a]", "mah ÌaËa=a", "mah ÌaËa=a]"}},
                    NumeralCase{999999999,
                                {"ÌsÌfÌ:ËsËfË:=s=f=:", "ÌsÌfÌ:ËsËfË:=s=f=:]",
                                 "mah ÌsÌfÌ:ËsËfË:=s=f=:", "mah ÌsÌfÌ:ËsËfË:=s=f=:]"}},
                    NumeralCase{60, {"=|", "=|]", "mah =|", "mah =|]"}},
                    NumeralCase{60000, {"Ë|", "Ë|]", "mah Ë|", "mah Ë|]"}},
                    NumeralCase{0, {"", "", "", ""}}, NumeralCase{1'000'000'000, {"", "", "", ""}},
                    NumeralCase{4'294'967'295, {"", "", "", ""}}));

TEST(NumeralLetters, EachLetterWithItsValue) {
    // text, letter's value, rank
    using L = std::tuple<std::string, std::uint32_t, std::uint32_t>;
    const std::pair<std::uint32_t, std::vector<L>> rows[] = {
        {21, {L{"ⲕ\u0305", 20, 1}, L{"ⲁ\u0305", 1, 1}}},
        {2005, {L{"ⲃ\u033F", 2, 1000}, L{"ⲉ\u0305", 5, 1}}},
        {500'000'000, {L{"ⲫ\u033F\u0305", 500, 1'000'000}}},
        {60'090, {L{"ⲝ\u033F", 60, 1000}, L{"ϥ\u0305", 90, 1}}}};
    for (const auto& [number, expected] : rows) {
        std::vector<L> letters;
        for (const NumeralLetter& l : numeralLetters(number, Writing::unicode))
            letters.emplace_back(l.text(), l.letterValue(), l.rank());
        EXPECT_EQ(letters, expected) << number;
    }
    EXPECT_TRUE(numeralLetters(0, Writing::unicode).empty());
    EXPECT_TRUE(numeralLetters(1'000'000'000, Writing::fontText).empty());
    EXPECT_TRUE(numeralLetters(21, Writing::pronunciation).empty());
}

TEST(NumeralLetters, SpellTheNumeralAndAddUpToTheNumber) {
    for (std::uint32_t n = 1; n <= largestNumber; n = n * 7 + 3)
        for (const Writing w : {Writing::fontText, Writing::unicode}) {
            std::string spelt;
            std::uint32_t sum = 0;
            for (const NumeralLetter& l : numeralLetters(n, w)) {
                spelt += l.text();
                sum += l.value();
            }
            EXPECT_EQ(spelt, toCopticNumerals(n, Form{}, w)) << n;
            EXPECT_EQ(sum, n);
        }
}

TEST(Utf8Length, CountsPlaceMarksAsOneCharacter) {
    const std::string numeral = toCopticNumerals(999999999, Form{});
    EXPECT_EQ(numeral.size(), 24u); // six two-byte marks
    EXPECT_EQ(utf8::codePoints(numeral), 18u);
    EXPECT_EQ(utf8::codePoints("mah =k=a]"), 9u);
    EXPECT_EQ(utf8::codePoints(""), 0u);
}

struct EnglishCase {
    std::uint32_t number;
    const char* cardinal;
    const char* ordinal;
};

class EnglishWords : public testing::TestWithParam<EnglishCase> {};

TEST_P(EnglishWords, CardinalAndOrdinal) {
    const auto& c = GetParam();
    EXPECT_EQ(toEnglishWords(c.number, formOf(false, true)), c.cardinal);
    EXPECT_EQ(toEnglishWords(c.number, formOf(true, true)), c.ordinal);
}

INSTANTIATE_TEST_SUITE_P(
    Table, EnglishWords,
    testing::Values(
        EnglishCase{1, "One", "First"}, EnglishCase{12, "Twelve", "Twelfth"},
        EnglishCase{20, "Twenty", "Twentieth"}, EnglishCase{21, "Twenty-One", "Twenty-First"},
        EnglishCase{90, "Ninety", "Ninetieth"}, EnglishCase{100, "One Hundred", "One Hundredth"},
        EnglishCase{101, "One Hundred and One", "One Hundred and First"},
        EnglishCase{115, "One Hundred and Fifteen", "One Hundred and Fifteenth"},
        EnglishCase{190, "One Hundred and Ninety", "One Hundred and Ninetieth"},
        EnglishCase{201, "Two Hundred and One", "Two Hundred and First"},
        EnglishCase{1000, "One Thousand", "One Thousandth"},
        EnglishCase{1001, "One Thousand One", "One Thousand First"},
        EnglishCase{1100, "One Thousand One Hundred", "One Thousand One Hundredth"},
        EnglishCase{2005, "Two Thousand Five", "Two Thousand Fifth"},
        EnglishCase{12345, "Twelve Thousand Three Hundred and Forty-Five",
                    "Twelve Thousand Three Hundred and Forty-Fifth"},
        EnglishCase{101000, "One Hundred and One Thousand", "One Hundred and One Thousandth"},
        EnglishCase{1000000, "One Million", "One Millionth"},
        EnglishCase{1000001, "One Million One", "One Million First"},
        EnglishCase{1001000, "One Million One Thousand", "One Million One Thousandth"},
        EnglishCase{999999999,
                    "Nine Hundred and Ninety-Nine Million Nine Hundred and Ninety-Nine Thousand "
                    "Nine Hundred and Ninety-Nine",
                    "Nine Hundred and Ninety-Nine Million Nine Hundred and Ninety-Nine Thousand "
                    "Nine Hundred and Ninety-Ninth"},
        EnglishCase{0, "", ""}, EnglishCase{1'000'000'000, "", ""},
        EnglishCase{4'294'967'295, "", ""}));

} // namespace
