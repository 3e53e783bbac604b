#include "engine/internal/words.h"
#include "engine/engine.h"
#include "golden_words.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <string>

using namespace zefnaro;

namespace {

struct WordCase {
    long long key;
    bool standaloneTen;
    bool masculine;
    const char* text;
    const char* pronunciation;
};

class CopticWord : public testing::TestWithParam<WordCase> {};

TEST_P(CopticWord, BothHalves) {
    const auto& c = GetParam();
    const Ten ten = c.standaloneTen ? Ten::standalone : Ten::combining;
    EXPECT_EQ(copticWord(c.key, c.masculine, Writing::fontText, ten), c.text);
    EXPECT_EQ(copticWord(c.key, c.masculine, Writing::pronunciation, ten), c.pronunciation);
}

INSTANTIATE_TEST_SUITE_P(
    Lexicon, CopticWord,
    testing::Values(
        WordCase{0, true, true, "", ""}, WordCase{0, true, false, "", ""},
        WordCase{11, true, true, "", ""}, WordCase{11, false, false, "", ""},
        WordCase{200, true, true, "", ""}, WordCase{-5, true, true, "", ""},
        WordCase{10, false, true, "met", "met"}, WordCase{10, false, false, "met", "met"},
        WordCase{-4, true, true, "houit", "hwyt"}, WordCase{-4, true, false, "houi]", "hwyti"},
        WordCase{-1, true, true, "`n", "en"}, WordCase{-2, true, false, "nem", "nem"},
        WordCase{-3, true, true, "mah", "mah"}));

// Each key of the word lists is the golden table's word for its number, in both
// genders and both halves; the table's other numbers are no keys.
TEST(CopticWord, EveryKeyIsTheGoldenWord) {
    int keys = 0;
    for (const auto& g : golden::copticWords) {
        const auto key = static_cast<long long>(g.number);
        const std::string masculine = copticWord(key, true, Writing::fontText);
        if (masculine.empty()) continue; // 11, 101, 2000: built of keys
        ++keys;
        EXPECT_EQ(masculine, g.masculineText);
        EXPECT_EQ(copticWord(key, true, Writing::pronunciation), g.masculinePronunciation);
        EXPECT_EQ(copticWord(key, false, Writing::fontText), g.feminineText);
        EXPECT_EQ(copticWord(key, false, Writing::pronunciation), g.femininePronunciation);
    }
    EXPECT_EQ(keys, 21); // 1..10, the tens from 20, 100, 1000, 1000000
}

TEST(CopticWord, GenderFreeKeysIgnoreGender) {
    for (long long key : {30, 40, 50, 60, 70, 80, 90, 100, 1000, 1'000'000, -1, -2, -3})
        for (Writing half : {Writing::fontText, Writing::pronunciation}) {
            EXPECT_EQ(copticWord(key, true, half), copticWord(key, false, half));
            EXPECT_FALSE(copticWord(key, true, half).empty()) << key;
        }
}

TEST(CopticWord, NoEntryHoldsTheSeparator) {
    for (int key = -4; key <= 1000000; key += (key < 100 ? 1 : 900))
        for (Ten ten : {Ten::standalone, Ten::combining})
            for (bool masc : {false, true})
                for (Writing half : {Writing::fontText, Writing::pronunciation})
                    EXPECT_EQ(copticWord(key, masc, half, ten).find('#'), std::string::npos);
}

TEST(EnglishWord, LexiconAndMends) {
    const Form cardinal = formOf(false, true), ordinal = formOf(true, true);
    EXPECT_EQ(englishWord(90, ordinal), "Ninetieth");
    EXPECT_EQ(englishWord(100, ordinal), "Hundredth");
    EXPECT_EQ(englishWord(12, cardinal), "Twelve");
    EXPECT_EQ(englishWord(12, ordinal), "Twelfth");
    EXPECT_EQ(englishWord(0, ordinal), "");
    EXPECT_EQ(englishWord(21, cardinal), "");
    EXPECT_EQ(englishHundreds(0, ordinal), "");
}

} // namespace
