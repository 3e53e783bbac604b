#include "zefnaro/find.h"

#include <gtest/gtest.h>

#include <string>
#include <tuple>
#include <vector>

using namespace zefnaro;

namespace {

using Row = std::tuple<std::size_t, std::size_t, std::string, std::uint32_t, bool, bool>;

std::vector<Row> rows(const std::vector<FoundNumeral>& found) {
    std::vector<Row> out;
    for (const FoundNumeral& f : found)
        out.emplace_back(f.line, f.column, f.text, f.reading.number, f.reading.form.ordinal(),
                         f.reading.form.feminine());
    return out;
}

const std::string text =
    "In the year ⲁ̿ⲱ̅ⲡ̅ⲏ̅ of the martyrs, ⲓ̅ⲥ̅ ⲡ̅ⲭ̅ⲥ̅ said ⲡⲉ and ⲙⲁϩ ⲕ̅ⲁ̅ϯ.\n"
    "line two: ⲃ̿ ⲉ̅, ͵ⲃⲉ̅ ⲕⲁʹ ⲙⲁϩⲅ̅ and ⲃ̿,ⲉ̅\n"
    "ⲁ̅ⲫ̅ⲝ̅ⲉ̅ ⲑ̅ⲥ̅ ͵ⲃⲉ\n";

TEST(FindNumerals, MarkedNumeralsWithLineAndColumn) {
    const std::vector<Row> expected{
        {1, 13, "ⲁ̿ⲱ̅ⲡ̅ⲏ̅", 1888, false, false}, {1, 53, "ⲙⲁϩ ⲕ̅ⲁ̅ϯ", 21, true, true},
        {2, 11, "ⲃ̿ ⲉ̅", 2005, false, false},     {2, 16, "͵ⲃⲉ̅", 2005, false, false},
        {2, 20, "ⲕⲁʹ", 21, false, false},         {2, 24, "ⲙⲁϩⲅ̅", 3, true, false},
        {2, 33, "ⲃ̿", 2000, false, false},         {2, 35, "ⲉ̅", 5, false, false},
        {3, 1, "ⲁ̅ⲫ̅ⲝ̅ⲉ̅", 1565, false, false},      {3, 9, "͵ⲃⲉ", 2005, false, false}};
    EXPECT_EQ(rows(findNumerals(text)), expected);
    // Cut at every blank and line end in turn, in two pieces: the same, numerals
    // going on across the cut included.
    for (std::size_t at = 0; at < text.size(); ++at) {
        if (text[at] != ' ' && text[at] != '\n') continue;
        NumeralFinder finder;
        std::vector<FoundNumeral> pieces;
        const auto found = [&](const FoundNumeral& f) { pieces.push_back(f); };
        finder.scan(std::string_view(text).substr(0, at + 1), found);
        finder.scan(std::string_view(text).substr(at + 1), found);
        finder.finish(found);
        ASSERT_EQ(rows(pieces), expected) << "cut after byte " << at;
    }
}

// Stroked abbreviations of sacred names are no numerals; nor are plain words.
TEST(FindNumerals, SacredNamesAndPlainWordsPassedOver) {
    for (const char* t : {"ⲓ̅ⲥ̅", "ⲭ̅ⲥ̅", "ⲡ̅ⲛ̅ⲁ̅", "ⲑ̅ⲥ̅", "Ⲑ̅Ⲥ̅", "ⲑ̅ⲩ̅", "ⲡ̅ⲟ̅ⲥ̅", "ⲓ̅ⲏ̅ⲥ̅", "ⲭ̅ⲣ̅ⲥ̅", "ⲡⲉ", "ⲧⲉ",
                          "ⲛⲉ", "ⲥ̀ⲛⲁⲩ", "ⲙⲁϩ", "ⲙⲁϩ ⲥ̀ⲛⲁⲩ"})
        EXPECT_TRUE(findNumerals(std::string("a ") + t + " b").empty()) << t;
    EXPECT_TRUE(findNumerals("\xff\xfe ⲓ̅ⲥ̅ \xc3").empty());
    EXPECT_EQ(rows(findNumerals("\xff ⲕ̅")), (std::vector<Row>{{1, 3, "ⲕ̅", 20, false, false}}));
}

} // namespace
