#include "zefnaro/find.h"
#include "zefnaro/form.h"
#include "zefnaro/write.h"

#include <gtest/gtest.h>

#include <string>
#include <tuple>
#include <vector>

using namespace zefnaro;

namespace {

// text as reported, value, ordinal, feminine, kind
using Row = std::tuple<std::string, std::uint32_t, bool, bool, std::string_view>;

std::vector<Row> rows(const std::vector<FoundNumeral>& found) {
    std::vector<Row> out;
    for (const FoundNumeral& f : found)
        out.emplace_back(f.text, f.kind == FoundKind::fraction ? f.denominator : f.reading.number,
                         f.reading.form.ordinal(), f.reading.form.feminine(), foundKindName(f.kind));
    return out;
}

struct Rule {
    const char* phrase;
    std::vector<Row> found;
};

// How Bohairic texts write their numbers, one rule a row, in phrases of the kind
// the Bible and the service books have.
const std::vector<Rule> rules{
    // Joined to articles and particles: the number alone is reported; a feminine
    // article or ϯ after it makes it feminine.
    {"ⲁϥϭⲓ ⲙ̀ⲡⲓⲍ̅ ⲛ̀ⲱⲓⲕ", {{"ⲍ̅", 7, false, false, "numeral"}}},
    {"ⲛⲉⲙ ϯⲅ̅ ⲛ̀ⲥϩⲓⲙⲓ", {{"ⲅ̅", 3, false, true, "numeral"}}},
    {"ⲛⲓⲕ̅ⲇ̅ ⲉ̀ⲡⲓⲣ̅ⲙ̅ⲇ̅ ⲡⲁⲓⲅ̅", {{"ⲕ̅ⲇ̅", 24, false, false, "numeral"}, {"ⲣ̅ⲙ̅ⲇ̅", 144, false, false, "numeral"},
                               {"ⲅ̅", 3, false, false, "numeral"}}},
    {"ⲛ̀ⲥⲟⲩⲕ̅ⲍ̅ ⲙ̀ⲫⲛⲁⲩ ⲛ̀ⲁϫⲡⲑ̅ϯ ⲛ̀ⲅ̅ϯ ⲛ̀ⲣⲟⲙⲡⲓ",
     {{"ⲕ̅ⲍ̅", 27, false, false, "numeral"}, {"ⲑ̅ϯ", 9, false, true, "numeral"}, {"ⲅ̅ϯ", 3, false, true, "numeral"}}},
    // Ordinals: ⲙⲁϩ joined or apart, feminine by the article before it or ϯ after.
    {"ⲧⲉϥⲙⲁϩⲅ̅ ⲛ̀ⲉϩⲟⲟⲩ ⲙ̀ⲙⲁϩⲃ̅ ⲡⲓⲙⲁϩⲅ̅ ⲙⲁϩⲅ̅ϯ",
     {{"ⲙⲁϩⲅ̅", 3, true, true, "numeral"}, {"ⲙⲁϩⲃ̅", 2, true, false, "numeral"},
      {"ⲙⲁϩⲅ̅", 3, true, false, "numeral"}, {"ⲙⲁϩⲅ̅ϯ", 3, true, true, "numeral"}}},
    {"ϧⲉⲛ ϯⲙⲁϩ ⲭ̅ ⲛ̀ⲣⲟⲙⲡⲓ", {{"ⲙⲁϩ ⲭ̅", 600, true, true, "numeral"}}},
    {"ⲙⲁϩ ⲥ̀ⲛⲁⲩ ⲙ̀ⲙⲁϩⲥⲛⲟⲩϯ", {{"ⲙⲁϩ ⲥ̀ⲛⲁⲩ", 2, true, false, "words"}, {"ⲙⲁϩⲥⲛⲟⲩϯ", 2, true, true, "words"}}},
    // ⲛ̀ϣⲟ and ⲑⲃⲁ multiply, ⲛⲉⲙ adds a smaller part, and so does ⲛ̀ after a thousand.
    {"ⲣ̅ⲙ̅ⲇ̅ ⲛ̀ϣⲟ ⲛ̀ⲣⲱⲙⲓ", {{"ⲣ̅ⲙ̅ⲇ̅ ⲛ̀ϣⲟ", 144000, false, false, "mixed"}}},
    {"ⲑⲃⲁ ⲃ̅ ⲛ̀ϩⲁⲛⲑⲃⲁ", {{"ⲑⲃⲁ ⲃ̅ ⲛ̀ϩⲁⲛⲑⲃⲁ", 200000000, false, false, "mixed"}}},
    {"ⲛ̀ⲟⲩϣⲟ ⲛ̀ⲥ̅ ⲛⲉⲙ ⲝ̅ ⲛ̀ⲉϩⲟⲟⲩ", {{"ⲟⲩϣⲟ ⲛ̀ⲥ̅ ⲛⲉⲙ ⲝ̅", 1260, false, false, "mixed"}}},
    {"ⲉ̀ⲡⲓⲝ̅ ⲛ̀ⲑⲃⲁ ⲛⲉⲙ ⲅ̅ ⲛ̀ϣⲟ ⲛⲉⲙ ⲫ̅ ⲛⲉⲙ ⲛ̅",
     {{"ⲝ̅ ⲛ̀ⲑⲃⲁ ⲛⲉⲙ ⲅ̅ ⲛ̀ϣⲟ ⲛⲉⲙ ⲫ̅ ⲛⲉⲙ ⲛ̅", 603550, false, false, "mixed"}}},
    // Words, where they can only be a number: alone, or a word that may be another
    // word before a counted noun.
    {"ϣⲟⲙⲧ ⲛ̀ϣⲉ ⲛ̀ⲣⲱⲙⲓ ⲛ̀ⲟⲩϣⲟ ⲛ̀ⲣⲟⲙⲡⲓ",
     {{"ϣⲟⲙⲧ ⲛ̀ϣⲉ", 300, false, false, "words"}, {"ⲟⲩϣⲟ", 1000, false, false, "words"}}},
    {"ⲣⲱⲙⲓ ⲥ̀ⲛⲁⲩ ⲙⲏⲧⲥ̀ⲛⲁⲩ ⲛ̀ⲁⲡⲟⲥⲧⲟⲗⲟⲥ ϩⲙⲉ ⲛ̀ⲉϩⲟⲟⲩ ⲧⲉⲛⲧⲟⲗⲏ ⲥ̀ⲛⲟⲩϯ",
     {{"ⲥ̀ⲛⲁⲩ", 2, false, false, "words"}, {"ⲙⲏⲧⲥ̀ⲛⲁⲩ", 12, false, false, "words"},
      {"ϩⲙⲉ", 40, false, false, "words"}, {"ⲥ̀ⲛⲟⲩϯ", 2, false, true, "words"}}},
    // ⲣⲉ makes a fraction: its denominator, never the whole number.
    {"ⲫⲣⲉⲅ̅ ⲙ̀ⲫⲣⲉⲙⲏⲧ", {{"ⲣⲉⲅ̅", 3, false, false, "fraction"}, {"ⲣⲉⲙⲏⲧ", 10, false, false, "fraction"}}},
    // Numbers side by side stay apart; a thousand's stroke and its units join.
    {"ⲍ̅ ⲛ̀ⲟ̅ ⲃ̅ ⲃ̅ ⲙ̅ ⲛⲉⲙ ⲙ̅ ⲃ̿ ⲉ̅",
     {{"ⲍ̅", 7, false, false, "numeral"}, {"ⲟ̅", 70, false, false, "numeral"}, {"ⲃ̅", 2, false, false, "numeral"},
      {"ⲃ̅", 2, false, false, "numeral"}, {"ⲙ̅", 40, false, false, "numeral"}, {"ⲙ̅", 40, false, false, "numeral"},
      {"ⲃ̿ ⲉ̅", 2005, false, false, "numeral"}}},
    // Every stroke texts use: half marks over several letters, macrons.
    {"ⲓ︤ⲃ︥ ⲕ̄ⲁ̄", {{"ⲓ︤ⲃ︥", 12, false, false, "numeral"}, {"ⲕ̄ⲁ̄", 21, false, false, "numeral"}}},
    // ⲙⲁϩ of a verb (ⲁⲩⲙⲁϩ, they filled) and ⲙⲁϩⲓ (a cubit) are no ordinals.
    {"ⲁⲩⲙⲁϩ ⲓ̅ⲃ̅ ⲛ̀ⲕⲟⲧ ⲧ̅ ⲙ̀ⲙⲁϩⲓ", {{"ⲓ̅ⲃ̅", 12, false, false, "numeral"}, {"ⲧ̅", 300, false, false, "numeral"}}},
    // The CS fonts' text: a mark before its letter.
    {"pi=z mah =b =r=m=d n`so", {{"=z", 7, false, false, "numeral"}, {"mah =b", 2, true, false, "numeral"},
                                  {"=r=m=d n`so", 144000, false, false, "mixed"}}},
};

TEST(FindNumerals, RealTextsRules) {
    for (const Rule& rule : rules)
        EXPECT_EQ(rows(findNumerals(rule.phrase)), rule.found) << rule.phrase;
}

// Holy names under strokes, words that are numbers only beside other number
// parts, and other text are no numbers.
TEST(FindNumerals, NoNumbers) {
    for (const char* t : {"ⲓⲏ̅ⲥ̅ ⲡⲭ̅ⲥ̅", "ⲡⲓⲡⲛ̅ⲁ̅ ⲟⲩⲡⲛ̅ⲁ̅", "ⲡⲛ̅ⲁ̅ⲧⲓⲕⲟⲥ", "ⲓⲥ̅ⲗ̅ ⲙ̀ⲡⲓⲥ̅ⲗ̅", "ⲉⲣϭ̅ⲥ̅ ⲡⲁϭ̅ⲥ̅",
                          "ⲫ̅ϯ", "ⲓⲗ̅ⲏ̅ⲙ̅ ⲓ̀ⲗ̅ⲏ̅ⲙ̅", "ⲇ̅ⲁ̅ⲇ̅", "ⲥ̅ⲣ̅ⲟ̅ⲥ̅", "ⲛ̀ⲭⲣ̅ⲥ̅", "ⲑ̅ⲥ̅", "Ⲑ̅Ⲥ̅", "ⲡ̅ⲟ̅ⲥ̅",
                          "ⲟⲩⲁⲓ ⲛ̀ⲛⲓⲙⲁⲑⲏⲧⲏⲥ", "ⲁϥϣⲉ ⲛⲁϥ", "ϣⲉ ⲛⲁϥ", "ⲉ̀ϣⲉ ⲉ̀ϧⲟⲩⲛ", "ϧⲉⲛ ⲑⲙⲏϯ ⲛ̀ⲛⲓⲥⲛⲏⲟⲩ",
                          "ⲥⲉ ⲛ̀ⲑⲟϥ", "ⲙⲁϩ ⲡⲓⲕⲁϩⲓ", "ϯϯ ⲙ̀ⲙⲟϥ", "ⲡⲉ ⲧⲉ ⲛⲉ", "so now", "a=b", "ⲙⲁϩ"})
        EXPECT_EQ(rows(findNumerals(std::string("ⲁⲩⲱ ") + t + " ⲡⲉ")), std::vector<Row>{}) << t;
    EXPECT_TRUE(findNumerals("\xff\xfe ⲓ̅ⲥ̅ \xc3").empty());
}

// Lines and columns count characters as people see them; a text cut into pieces at
// any blank or line end finds the same, numbers going on across the cut included.
TEST(FindNumerals, PlacesAndPieces) {
    std::string text;
    for (const Rule& rule : rules) text += std::string(rule.phrase) + "\n";
    const std::vector<FoundNumeral> whole = findNumerals(text);
    ASSERT_GE(whole.size(), 30u);
    const auto places = [](const std::vector<FoundNumeral>& found) {
        std::vector<std::tuple<std::size_t, std::size_t, std::string>> out;
        for (const FoundNumeral& f : found) out.emplace_back(f.line, f.column, f.text);
        return out;
    };
    EXPECT_EQ(places(findNumerals("ⲁⲩⲱ ⲓ̅ⲃ̅\nⲁϥϭⲓ ⲙ̀ⲡⲓⲍ̅ ϧⲉⲛ ϯⲙⲁϩ ⲭ̅ ⲛⲉⲙ ⲛ̀ⲟⲩϣⲟ ⲛ̀ⲥ̅")),
              (std::vector<std::tuple<std::size_t, std::size_t, std::string>>{
                  {1, 5, "ⲓ̅ⲃ̅"}, {2, 9, "ⲍ̅"}, {2, 16, "ⲙⲁϩ ⲭ̅"}, {2, 27, "ⲟⲩϣⲟ ⲛ̀ⲥ̅"}}));
    for (std::size_t at = 0; at < text.size(); ++at) {
        if (text[at] != ' ' && text[at] != '\n') continue;
        NumeralFinder finder;
        std::vector<FoundNumeral> pieces;
        const auto found = [&](const FoundNumeral& f) { pieces.push_back(f); };
        finder.scan(std::string_view(text).substr(0, at + 1), found);
        finder.scan(std::string_view(text).substr(at + 1), found);
        finder.finish(found);
        ASSERT_EQ(places(pieces), places(whole)) << "cut after byte " << at;
        ASSERT_EQ(rows(pieces), rows(whole)) << "cut after byte " << at;
    }
}

} // namespace

namespace {

// Every number as the engine writes its numerals, in both writings and every form,
// is found where it stands in a sentence, alone or joined to an article: the
// finder reads all that the report writes. Only ⲫ̅ϯ, 500 feminine, is God's name
// (and with ⲡⲓ before it, ⲥ̅ⲗ̅, 230, is Israel's).
TEST(FindNumerals, EveryNumberTheReportWrites) {
    std::vector<std::uint32_t> numbers;
    for (std::uint32_t n = 1; n <= 12000; ++n) numbers.push_back(n);
    for (std::uint64_t n = 12007; n <= largestNumber; n = n * 3 + 7919) numbers.push_back(static_cast<std::uint32_t>(n));
    numbers.push_back(largestNumber);
    std::size_t checked = 0;
    for (const Form form : allForms)
        for (const std::uint32_t n : numbers) {
            const Pieces p = writeNumber(n, form).pieces;
            for (const std::string& numeral : {p.numerals, p.numeralsFontText}) {
                if (n == 500 && form.feminine()) continue;
                const bool unicode = &numeral == &p.numerals;
                const std::string before = unicode ? "ⲁⲩⲱ ⲙ̀ⲡⲉϥ" : "ⲁⲩⲱ `mpef";
                const std::vector<FoundNumeral> found = findNumerals(before + numeral + (unicode ? " ⲛ̀ⲣⲱⲙⲓ" : " n`rwmi"));
                ASSERT_EQ(found.size(), 1u) << numeral;
                EXPECT_EQ(found[0].reading.number, n) << numeral;
                EXPECT_EQ(found[0].reading.form.ordinal(), form.ordinal()) << numeral;
                // The article ⲡⲉϥ is masculine; the feminine is the ending ϯ.
                EXPECT_EQ(found[0].reading.form.feminine(), form.feminine()) << numeral;
                EXPECT_EQ(found[0].text, numeral);
                EXPECT_EQ(found[0].column, unicode ? 9u : 10u);
                ++checked;
            }
        }
    EXPECT_GT(checked, 90'000u);
}

} // namespace

namespace {

// Long runs of number words, as a hostile paste might hold: each number is found
// once with its value, whether the text comes whole or in pieces cut at blanks.
TEST(FindNumerals, LongRunsOfNumberParts) {
    struct Run {
        const char* part;
        std::size_t finds; // a part
        std::uint32_t value;
    };
    for (const Run& run : {Run{"ⲃ̅ ⲛⲉⲙ ", 1, 2}, Run{"ⲙ̅ ⲛⲉⲙ ⲃ̅ ", 1, 42}, Run{"ⲛⲉⲙ ", 0, 0},
                           Run{"ⲑⲃⲁ ⲃ̅ ⲛ̀ϣⲟ ", 1, 20'000'000}, Run{"ⲙⲁϩ ", 0, 0}, Run{"ⲛ̀ϣⲟ ⲛ̀ⲕⲓϯ ", 1, 1000}}) {
        std::string text;
        for (int i = 0; i < 3000; ++i) text += run.part;
        const std::vector<FoundNumeral> whole = findNumerals(text);
        ASSERT_EQ(whole.size(), 3000 * run.finds) << run.part;
        for (const FoundNumeral& f : whole) ASSERT_EQ(f.reading.number, run.value) << run.part;
        NumeralFinder finder;
        std::size_t pieces = 0;
        for (std::size_t from = 0; from < text.size();) {
            std::size_t to = std::min(text.size(), from + 997);
            while (to < text.size() && text[to - 1] != ' ') ++to; // cut after a blank
            finder.scan(std::string_view(text).substr(from, to - from), [&](const FoundNumeral&) { ++pieces; });
            from = to;
        }
        finder.finish([&](const FoundNumeral&) { ++pieces; });
        EXPECT_EQ(pieces, whole.size()) << run.part;
    }
}

} // namespace
