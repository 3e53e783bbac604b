#include "engine/internal/words.h"
#include "engine/engine.h"

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
    EXPECT_EQ(getCopticWord(c.key, c.masculine, Writing::fontText, ten), c.text);
    EXPECT_EQ(getCopticWord(c.key, c.masculine, Writing::pronunciation, ten), c.pronunciation);
}

INSTANTIATE_TEST_SUITE_P(
    Lexicon, CopticWord,
    testing::Values(
        WordCase{0, true, true, "", ""}, WordCase{0, true, false, "", ""},
        WordCase{11, true, true, "", ""}, WordCase{11, false, false, "", ""},
        WordCase{200, true, true, "", ""}, WordCase{-5, true, true, "", ""},
        WordCase{10, false, true, "met", "met"},
        WordCase{10, false, false, "met", "met"}, WordCase{10, true, true, "myt", "meet"},
        WordCase{10, true, false, "my]", "meeti"}, WordCase{6, true, false, "co", "so"},
        WordCase{1, true, false, "ou`i", "wee"}, WordCase{1, true, true, "ouai", "way"},
        WordCase{9, true, true, "'it", "pseet"}, WordCase{20, true, false, "jw]", "gooti"},
        WordCase{1000000, true, true, "so`nso", "shoensho"},
        WordCase{1000000, true, false, "so`nso", "shoensho"},
        WordCase{-4, true, true, "houit", "hwyt"}, WordCase{-4, true, false, "houi]", "hwyti"},
        WordCase{-1, true, true, "`n", "en"}, WordCase{-2, true, false, "nem", "nem"},
        WordCase{-3, true, true, "mah", "mah"}));

TEST(CopticWord, GenderFreeKeysIgnoreGender) {
    for (long long key : {30, 40, 50, 60, 70, 80, 90, 100, 1000, 1'000'000, -1, -2, -3})
        for (Writing half : {Writing::fontText, Writing::pronunciation}) {
            EXPECT_EQ(getCopticWord(key, true, half), getCopticWord(key, false, half));
            EXPECT_FALSE(getCopticWord(key, true, half).empty()) << key;
        }
}

TEST(CopticWord, NoEntryHoldsTheSeparator) {
    for (int key = -4; key <= 1000000; key += (key < 100 ? 1 : 900))
        for (Ten ten : {Ten::standalone, Ten::combining})
            for (bool masc : {false, true})
                for (Writing half : {Writing::fontText, Writing::pronunciation})
                    EXPECT_EQ(getCopticWord(key, masc, half, ten).find('#'), std::string::npos);
}

TEST(EnglishWord, LexiconAndMends) {
    const Form cardinal = formOf(false, true), ordinal = formOf(true, true);
    EXPECT_EQ(getEnglishWord(90, ordinal), "Ninetieth");
    EXPECT_EQ(getEnglishWord(100, ordinal), "Hundredth");
    EXPECT_EQ(getEnglishWord(12, cardinal), "Twelve");
    EXPECT_EQ(getEnglishWord(12, ordinal), "Twelfth");
    EXPECT_EQ(getEnglishWord(0, ordinal), "");
    EXPECT_EQ(getEnglishWord(21, cardinal), "");
    EXPECT_EQ(englishHundreds(0, ordinal), "");
}

} // namespace
