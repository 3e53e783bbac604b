// Every word of both word lists and every numeral letter, written out in full, in
// every form it is used in: a one-letter slip in a list cannot pass unnoticed.
#include "engine/engine.h"
#include "golden_words.h"

#include <gtest/gtest.h>

#include <string>
#include <utility>

using namespace zefnaro;
using golden::copticWords;
using golden::englishWords;

namespace {

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
