// Every word of both word lists and every numeral letter, written out in full, in
// every form it is used in: a one-letter slip in a list cannot pass unnoticed.
#include "engine/engine.h"

#include <gtest/gtest.h>

#include <string>
#include <utility>

using namespace zefnaro;

namespace {

struct CopticGolden {
    std::uint32_t number;
    const char* masculineText;
    const char* masculinePronunciation;
    const char* feminineText;
    const char* femininePronunciation;
};

// Cardinal forms; the ordinal is "mah " and the cardinal, except for one.
constexpr CopticGolden copticWords[] = {
    {1, "ouai", "way", "ou`i", "wee"},
    {2, "`cnau", "esnav", "`cnou]", "esnwti"},
    {3, "somt", "shomt", "som]", "shomti"},
    {4, "`ftoou", "eftow", "`ftoe", "eftoai"},
    {5, "tiou", "tiw", "tie", "tiay"},
    {6, "coou", "sow", "co", "so"},
    {7, "sasf", "shashf", "sasfi", "shashfi"},
    {8, "`smyn", "eshmeen", "`smyni", "eshmeeni"},
    {9, "'it", "pseet", "'i]", "pseeti"},
    {10, "myt", "meet", "my]", "meeti"},
    {11, "metouai", "metway", "metou`i", "metwee"},
    {19, "met'it", "metpseet", "met'i]", "metpseeti"},
    {20, "jwt", "goot", "jw]", "gooti"},
    {30, "map", "map", "map", "map"},
    {40, "`hme", "ehmay", "`hme", "ehmay"},
    {50, "teoui", "taiwy", "teoui", "taiwy"},
    {60, "ce", "say", "ce", "say"},
    {70, "`sbe", "eshvay", "`sbe", "eshvay"},
    {80, "qamne", "khamnay", "qamne", "khamnay"},
    {90, "picteoui", "pestaiwy", "picteoui", "pestaiwy"},
    {100, "se", "shay", "se", "shay"},
    {101, "se nem ouai", "shay nem way", "se nem ou`i", "shay nem wee"},
    {200, "`cnau `nse", "esnav enshay", "`cnou] `nse", "esnwti enshay"},
    {1000, "so", "sho", "so", "sho"},
    {2000, "`cnau `nso", "esnav ensho", "`cnou] `nso", "esnwti ensho"},
    {1000000, "so`nso", "shoensho", "so`nso", "shoensho"},
    {2000000, "`cnau `nso`nso", "esnav enshoensho", "`cnou] `nso`nso", "esnwti enshoensho"},
};

TEST(GoldenCopticWords, EveryWordInAllFourForms) {
    for (const auto& g : copticWords) {
        for (bool masculine : {true, false}) {
            const std::string text = masculine ? g.masculineText : g.feminineText;
            const std::string spoken =
                masculine ? g.masculinePronunciation : g.femininePronunciation;
            const Form cardinal = formOf(false, masculine), ordinal = formOf(true, masculine);
            EXPECT_EQ(toCopticWords(g.number, cardinal, Writing::fontText), text) << g.number;
            EXPECT_EQ(toCopticWords(g.number, cardinal, Writing::pronunciation), spoken) << g.number;
            if (g.number == 1) continue;
            EXPECT_EQ(toCopticWords(g.number, ordinal, Writing::fontText), "mah " + text) << g.number;
            EXPECT_EQ(toCopticWords(g.number, ordinal, Writing::pronunciation), "mah " + spoken)
                << g.number;
        }
    }
    EXPECT_EQ(toCopticWords(1, formOf(true, true), Writing::fontText), "houit");
    EXPECT_EQ(toCopticWords(1, formOf(true, true), Writing::pronunciation), "hwyt");
    EXPECT_EQ(toCopticWords(1, formOf(true, false), Writing::fontText), "houi]");
    EXPECT_EQ(toCopticWords(1, formOf(true, false), Writing::pronunciation), "hwyti");
}

struct EnglishGolden {
    std::uint32_t number;
    const char* cardinal;
    const char* ordinal;
};

constexpr EnglishGolden englishWords[] = {
    {1, "One", "First"},
    {2, "Two", "Second"},
    {3, "Three", "Third"},
    {4, "Four", "Fourth"},
    {5, "Five", "Fifth"},
    {6, "Six", "Sixth"},
    {7, "Seven", "Seventh"},
    {8, "Eight", "Eighth"},
    {9, "Nine", "Ninth"},
    {10, "Ten", "Tenth"},
    {11, "Eleven", "Eleventh"},
    {12, "Twelve", "Twelfth"},
    {13, "Thirteen", "Thirteenth"},
    {14, "Fourteen", "Fourteenth"},
    {15, "Fifteen", "Fifteenth"},
    {16, "Sixteen", "Sixteenth"},
    {17, "Seventeen", "Seventeenth"},
    {18, "Eighteen", "Eighteenth"},
    {19, "Nineteen", "Nineteenth"},
    {20, "Twenty", "Twentieth"},
    {30, "Thirty", "Thirtieth"},
    {40, "Forty", "Fortieth"},
    {50, "Fifty", "Fiftieth"},
    {60, "Sixty", "Sixtieth"},
    {70, "Seventy", "Seventieth"},
    {80, "Eighty", "Eightieth"},
    {90, "Ninety", "Ninetieth"},
    {100, "One Hundred", "One Hundredth"},
    {1000, "One Thousand", "One Thousandth"},
    {1000000, "One Million", "One Millionth"},
};

TEST(GoldenEnglishWords, EveryWordCardinalAndOrdinal) {
    for (const auto& g : englishWords) {
        EXPECT_EQ(toEnglishWords(g.number, formOf(false, true)), g.cardinal);
        EXPECT_EQ(toEnglishWords(g.number, formOf(true, true)), g.ordinal);
        EXPECT_EQ(toEnglishWords(g.number, formOf(true, false)), g.ordinal); // no gender in English
    }
}

// The letter of each digit at each place, units rank "=", thousands "Ë",
// millions "Ì".
TEST(GoldenNumerals, EveryLetterAtEveryRank) {
    const char* units = "abgde^zy:";
    const char* tens = "iklmn|opf";
    const char* hundreds = "rctuv<'ws";
    const struct {
        int scale;
        const char* mark;
    } ranks[] = {{1, "="}, {1000, "\xC3\x8B"}, {1000000, "\xC3\x8C"}};
    for (const auto& rank : ranks)
        for (int digit = 1; digit <= 9; ++digit) {
            const std::size_t i = static_cast<std::size_t>(digit - 1);
            const std::pair<int, char> places[] = {
                {digit, units[i]}, {digit * 10, tens[i]}, {digit * 100, hundreds[i]}};
            for (const auto& [value, letter] : places)
                EXPECT_EQ(toCopticNumerals(static_cast<std::uint32_t>(value * rank.scale), Form{}),
                          std::string(rank.mark) + letter)
                    << value * rank.scale;
        }
}

// Every text half of the Coptic word list, and what it is in Unicode.
constexpr std::pair<const char*, const char*> unicodeWords[] = {
    {"ouai", "ⲟⲩⲁⲓ"},    {"ou`i", "ⲟⲩⲓ̀"},    {"`cnau", "ⲥ̀ⲛⲁⲩ"},
    {"`cnou]", "ⲥ̀ⲛⲟⲩϯ"}, {"somt", "ϣⲟⲙⲧ"},   {"som]", "ϣⲟⲙϯ"},
    {"`ftoou", "ϥ̀ⲧⲟⲟⲩ"}, {"`ftoe", "ϥ̀ⲧⲟⲉ"},  {"tiou", "ⲧⲓⲟⲩ"},
    {"tie", "ⲧⲓⲉ"},      {"coou", "ⲥⲟⲟⲩ"},   {"co", "ⲥⲟ"},
    {"sasf", "ϣⲁϣϥ"},    {"sasfi", "ϣⲁϣϥⲓ"}, {"`smyn", "ϣ̀ⲙⲏⲛ"},
    {"`smyni", "ϣ̀ⲙⲏⲛⲓ"}, {"'it", "ⲯⲓⲧ"},     {"'i]", "ⲯⲓϯ"},
    {"myt", "ⲙⲏⲧ"},      {"my]", "ⲙⲏϯ"},     {"met", "ⲙⲉⲧ"},
    {"jwt", "ϫⲱⲧ"},      {"jw]", "ϫⲱϯ"},     {"map", "ⲙⲁⲡ"},
    {"`hme", "ϩ̀ⲙⲉ"},     {"teoui", "ⲧⲉⲟⲩⲓ"}, {"ce", "ⲥⲉ"},
    {"`sbe", "ϣ̀ⲃⲉ"},     {"qamne", "ϧⲁⲙⲛⲉ"}, {"picteoui", "ⲡⲓⲥⲧⲉⲟⲩⲓ"},
    {"se", "ϣⲉ"},        {"so", "ϣⲟ"},       {"so`nso", "ϣⲟⲛ̀ϣⲟ"},
    {"`n", "ⲛ̀"},         {"nem", "ⲛⲉⲙ"},     {"mah", "ⲙⲁϩ"},
    {"houit", "ϩⲟⲩⲓⲧ"},  {"houi]", "ϩⲟⲩⲓϯ"},
};

TEST(GoldenUnicode, EveryWordOfTheListTranscoded) {
    for (const auto& [fontText, unicode] : unicodeWords)
        EXPECT_EQ(fontTextToUnicode(fontText), unicode) << fontText;
    // Each word is also what the builder writes for its number.
    for (const auto& g : copticWords)
        for (bool masculine : {true, false})
            EXPECT_EQ(toCopticWords(g.number, formOf(false, masculine), Writing::unicode),
                      fontTextToUnicode(masculine ? g.masculineText : g.feminineText));
}

TEST(GoldenUnicode, TheRestOfTheFontsLetters) {
    EXPECT_EQ(fontTextToUnicode("bgdz;klxoprtuv,'wfqhj[^"), "ⲃⲅⲇⲍⲑⲕⲗⲝⲟⲡⲣⲧⲩⲫⲭⲯⲱϥϧϩϫϭⲋ");
    // A jinkim with no letter after it, and characters that are no letter, stay.
    EXPECT_EQ(fontTextToUnicode("a` `1 Ë="), "ⲁ` `1 Ë=");
    EXPECT_EQ(fontTextToUnicode(""), "");
}

TEST(GoldenUnicode, WorkedExamples) {
    EXPECT_EQ(toCopticWords(2005, Form{}, Writing::unicode),
              "\u2CA5\u0300\u2C9B\u2C81\u2CA9 \u2C9B\u0300\u03E3\u2C9F \u2CA7\u2C93\u2C9F\u2CA9");
    EXPECT_EQ(toCopticWords(21, formOf(true, false), Writing::unicode), "ⲙⲁϩ ϫⲱϯ ⲟⲩⲓ̀");
    EXPECT_EQ(toCopticNumerals(2005, Form{}, Writing::unicode), "\u2C83\u033F\u2C89\u0305");
    EXPECT_EQ(toCopticNumerals(21, formOf(true, false), Writing::unicode), "ⲙⲁϩ ⲕ̅ⲁ̅ϯ");
    EXPECT_EQ(toCopticNumerals(999999999, Form{}, Writing::unicode), "ϣ̿̅ϥ̿̅ⲑ̿̅ϣ̿ϥ̿ⲑ̿ϣ̅ϥ̅ⲑ̅");
    EXPECT_EQ(toCopticNumerals(1000001, formOf(true, true), Writing::unicode), "ⲙⲁϩ ⲁ̿̅ⲁ̅");
    for (std::uint32_t bad : {0U, 1'000'000'000U, 4'294'967'295U})
        EXPECT_EQ(toCopticNumerals(bad, Form{}, Writing::unicode), "") << bad;
    EXPECT_EQ(toCopticWords(0, Form{}, Writing::unicode), "");
}

// The letter of each digit at each place in Unicode: the mark follows the letter.
TEST(GoldenUnicode, EveryLetterAtEveryRank) {
    const char* letters[3][9] = {{"ⲁ", "ⲃ", "ⲅ", "ⲇ", "ⲉ", "ⲋ", "ⲍ", "ⲏ", "ⲑ"},
                                 {"ⲓ", "ⲕ", "ⲗ", "ⲙ", "ⲛ", "ⲝ", "ⲟ", "ⲡ", "ϥ"},
                                 {"ⲣ", "ⲥ", "ⲧ", "ⲩ", "ⲫ", "ⲭ", "ⲯ", "ⲱ", "ϣ"}};
    const struct {
        int scale;
        const char* mark;
    } ranks[] = {{1, "\u0305"}, {1000, "\u033F"}, {1000000, "\u033F\u0305"}};
    for (const auto& rank : ranks)
        for (int place = 0, power = 1; place < 3; ++place, power *= 10)
            for (int digit = 1; digit <= 9; ++digit) {
                const auto value = static_cast<std::uint32_t>(digit * power * rank.scale);
                const std::string expected = std::string(letters[place][digit - 1]) + rank.mark;
                EXPECT_EQ(toCopticNumerals(value, Form{}, Writing::unicode), expected) << value;
                EXPECT_EQ(toCopticNumerals(value, formOf(false, false), Writing::unicode),
                          expected + "ϯ")
                    << value;
            }
}

} // namespace
