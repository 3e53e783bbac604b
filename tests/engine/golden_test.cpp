// Every word of both word lists and every numeral letter, written out in full, in
// every form it is used in: a one-letter slip in a list cannot pass unnoticed.
#include "engine/zefnaro.h"

#include <gtest/gtest.h>

#include <string>

using namespace zefnaro;

namespace {

struct CopticGolden {
    int number;
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
            const std::string spoken = masculine ? g.masculinePronunciation : g.femininePronunciation;
            const Form cardinal{false, masculine}, ordinal{true, masculine};
            EXPECT_EQ(toCopticWords(g.number, cardinal, Half::text), text) << g.number;
            EXPECT_EQ(toCopticWords(g.number, cardinal, Half::pronunciation), spoken) << g.number;
            if (g.number == 1) continue;
            EXPECT_EQ(toCopticWords(g.number, ordinal, Half::text), "mah " + text) << g.number;
            EXPECT_EQ(toCopticWords(g.number, ordinal, Half::pronunciation), "mah " + spoken)
                << g.number;
        }
    }
    EXPECT_EQ(toCopticWords(1, Form{true, true}, Half::text), "houit");
    EXPECT_EQ(toCopticWords(1, Form{true, true}, Half::pronunciation), "hwyt");
    EXPECT_EQ(toCopticWords(1, Form{true, false}, Half::text), "houi]");
    EXPECT_EQ(toCopticWords(1, Form{true, false}, Half::pronunciation), "hwyti");
}

struct EnglishGolden {
    int number;
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
        EXPECT_EQ(toEnglishWords(g.number, Form{false, true}), g.cardinal);
        EXPECT_EQ(toEnglishWords(g.number, Form{true, true}), g.ordinal);
        EXPECT_EQ(toEnglishWords(g.number, Form{true, false}), g.ordinal); // no gender in English
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
                EXPECT_EQ(toCopticNumerals(value * rank.scale, Form{}),
                          std::string(rank.mark) + letter)
                    << value * rank.scale;
        }
}

} // namespace
