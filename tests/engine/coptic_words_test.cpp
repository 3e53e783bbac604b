#include "engine/internal/words.h"
#include "engine/engine.h"

#include <gtest/gtest.h>

#include <cstdint>

#include <cmath>
#include <limits>

using namespace zefnaro;

namespace {

struct WordsCase {
    std::uint32_t number;
    bool masculine;
    bool ordinal;
    const char* text;
    const char* pronunciation;
};

void PrintTo(const WordsCase& c, std::ostream* os) {
    *os << c.number << (c.masculine ? " m" : " f") << (c.ordinal ? " ord" : " card");
}

class CopticWords : public testing::TestWithParam<WordsCase> {};

TEST_P(CopticWords, TextAndPronunciation) {
    const auto& c = GetParam();
    const Form form = formOf(c.ordinal, c.masculine);
    EXPECT_EQ(toCopticWords(c.number, form, Writing::fontText), c.text);
    EXPECT_EQ(toCopticWords(c.number, form, Writing::pronunciation), c.pronunciation);
}

INSTANTIATE_TEST_SUITE_P(
    MasculineCardinal, CopticWords,
    testing::Values(
        WordsCase{1, true, false, "ouai", "way"}, WordsCase{2, true, false, "`cnau", "esnav"},
        WordsCase{10, true, false, "myt", "meet"}, WordsCase{11, true, false, "metouai", "metway"},
        WordsCase{12, true, false, "met`cnau", "metesnav"},
        WordsCase{19, true, false, "met'it", "metpseet"}, WordsCase{20, true, false, "jwt", "goot"},
        WordsCase{21, true, false, "jwt ouai", "goot way"},
        WordsCase{99, true, false, "picteoui 'it", "pestaiwy pseet"},
        WordsCase{100, true, false, "se", "shay"},
        WordsCase{101, true, false, "se nem ouai", "shay nem way"},
        WordsCase{110, true, false, "se nem myt", "shay nem meet"},
        WordsCase{111, true, false, "se nem metouai", "shay nem metway"},
        WordsCase{200, true, false, "`cnau `nse", "esnav enshay"},
        WordsCase{250, true, false, "`cnau `nse nem teoui", "esnav enshay nem taiwy"},
        WordsCase{1000, true, false, "so", "sho"},
        WordsCase{1001, true, false, "so ouai", "sho way"},
        WordsCase{1100, true, false, "so se", "sho shay"},
        WordsCase{2000, true, false, "`cnau `nso", "esnav ensho"},
        WordsCase{2005, true, false, "`cnau `nso tiou", "esnav ensho tiw"},
        WordsCase{11000, true, false, "metouai `nso", "metway ensho"},
        WordsCase{12345, true, false, "met`cnau `nso somt `nse nem `hme tiou",
                  "metesnav ensho shomt enshay nem ehmay tiw"},
        WordsCase{101000, true, false, "se nem ouai `nso", "shay nem way ensho"},
        WordsCase{1000000, true, false, "so`nso", "shoensho"},
        WordsCase{1000001, true, false, "so`nso ouai", "shoensho way"},
        WordsCase{1001001, true, false, "so`nso so ouai", "shoensho sho way"},
        WordsCase{1005000, true, false, "so`nso tiou `nso", "shoensho tiw ensho"},
        WordsCase{2000000, true, false, "`cnau `nso`nso", "esnav enshoensho"},
        WordsCase{999999999, true, false,
                  "'it `nse nem picteoui 'it `nso`nso 'it `nse nem picteoui 'it `nso 'it `nse nem "
                  "picteoui 'it",
                  "pseet enshay nem pestaiwy pseet enshoensho pseet enshay nem pestaiwy pseet "
                  "ensho pseet enshay nem pestaiwy pseet"}));

INSTANTIATE_TEST_SUITE_P(
    FeminineCardinal, CopticWords,
    testing::Values(WordsCase{1, false, false, "ou`i", "wee"},
                    WordsCase{2, false, false, "`cnou]", "esnwti"},
                    WordsCase{10, false, false, "my]", "meeti"},
                    WordsCase{12, false, false, "met`cnou]", "metesnwti"},
                    WordsCase{21, false, false, "jw] ou`i", "gooti wee"},
                    WordsCase{200, false, false, "`cnou] `nse", "esnwti enshay"},
                    WordsCase{2005, false, false, "`cnou] `nso tie", "esnwti ensho tiay"}));

INSTANTIATE_TEST_SUITE_P(
    Ordinal, CopticWords,
    testing::Values(WordsCase{1, true, true, "houit", "hwyt"},
                    WordsCase{1, false, true, "houi]", "hwyti"},
                    WordsCase{2, true, true, "mah `cnau", "mah esnav"},
                    WordsCase{21, false, true, "mah jw] ou`i", "mah gooti wee"},
                    WordsCase{1000, true, true, "mah so", "mah sho"},
                    WordsCase{1000, false, true, "mah so", "mah sho"},
                    WordsCase{1000000, true, true, "mah so`nso", "mah shoensho"},
                    WordsCase{1000000, false, true, "mah so`nso", "mah shoensho"}));

// Outside 1..999,999,999 every builder gives the empty text.
INSTANTIATE_TEST_SUITE_P(
    Unsupported, CopticWords,
    testing::Values(WordsCase{0, true, false, "", ""}, WordsCase{1'000'000'000, true, false, "", ""},
                    WordsCase{4'294'967'295, false, true, "", ""}));

TEST(CopticHundreds, GroupValues) {
    EXPECT_EQ(copticHundreds(0, true, Writing::fontText), "");
    EXPECT_EQ(copticHundreds(345, true, Writing::fontText), "somt `nse nem `hme tiou");
    EXPECT_EQ(copticHundreds(15, false, Writing::pronunciation), "mettiay");
    EXPECT_EQ(copticHundreds(1000, true, Writing::fontText), "");
}

} // namespace
