// Every word of both word lists, written out once in full, in both genders and
// both halves: the table the golden test and the word lists' own test read.
#pragma once

#include <cstdint>

namespace zefnaro::golden {

struct CopticGolden {
    std::uint32_t number;
    const char* masculineText;
    const char* masculinePronunciation;
    const char* feminineText;
    const char* femininePronunciation;
};

// Cardinal forms; the ordinal is "mah " and the cardinal, except for one.
inline constexpr CopticGolden copticWords[] = {
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

struct EnglishGolden {
    std::uint32_t number;
    const char* cardinal;
    const char* ordinal;
};

inline constexpr EnglishGolden englishWords[] = {
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

} // namespace zefnaro::golden
