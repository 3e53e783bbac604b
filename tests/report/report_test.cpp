#include "engine/numbers.h"
#include "export/text.h"
#include "report/report.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <random>
#include <utility>
#include <vector>

using namespace zefnaro;

namespace {

TEST(Report, WorkedExampleCardinalMasculine) {
    const Report r = composeReport("21", DisplaySettings{});
    EXPECT_FALSE(r.isMessage);
    EXPECT_EQ(plainText(r), "\nThe cardinal number\n\n21\n\nor\n\nTwenty-One\n\n"
                            "in Bohairic Coptic (masculine) is written\n\njwt ouai\n\n"
                            "which is pronounced\n\ngoot way\n\nor\n\n=k=a\n\n"
                            "for short\n");
}

TEST(Report, WorkedExampleOrdinalFeminine) {
    DisplaySettings s;
    s.form = {Kind::ordinal, Gender::feminine};
    const Report r = composeReport("21", s);
    EXPECT_EQ(r.text(Piece::digits), "21st");
    EXPECT_EQ(r.text(Piece::numerals), "mah =k=a]");
    EXPECT_EQ(r.lines[1].text, "The ordinal number");
    EXPECT_EQ(r.lines[9].text, "in Bohairic Coptic (feminine) is written");
}

// Every number's report has the same shape: 23 lines, each piece on its own line
// in its own style, the report's words and blank lines between them.
TEST(Report, EachPieceOnItsLineInItsStyle) {
    struct Expected {
        Piece piece;
        Rgb colour;
        FontRole font;
        bool italic;
    };
    const std::pair<std::size_t, Expected> pieces[] = {
        {3, {Piece::digits, colours::black, FontRole::report, false}},
        {7, {Piece::english, colours::purple, FontRole::report, false}},
        {11, {Piece::coptic, colours::red, FontRole::coptic, false}},
        {15, {Piece::pronunciation, colours::green, FontRole::report, true}},
        {19, {Piece::numerals, colours::brown, FontRole::numerals, false}}};
    for (const char* font : {"CS Pishoi", "FreeSerif"})
        for (const char* entry : {"1", "1000", "999999999", "1001001", "2005"}) {
            DisplaySettings s;
            s.fontName = font;
            s.fontSize = 40;
            const Report r = composeReport(entry, s);
            ASSERT_EQ(r.lines.size(), 23u) << entry;
            for (std::size_t i = 0; i < r.lines.size(); ++i) {
                const Line& line = r.lines[i];
                EXPECT_EQ(line.style.pointSize, 40);
                // Blank lines between; on the others a piece of the number or the report's words.
                Piece want = i % 2 == 0 ? Piece::blank : Piece::words;
                for (const auto& [at, e] : pieces)
                    if (at == i) want = e.piece;
                EXPECT_EQ(line.piece, want) << entry << " line " << i;
                EXPECT_EQ(line.text.empty(), i % 2 == 0) << entry << " line " << i;
            }
            for (const auto& [at, e] : pieces) {
                const Style& style = r.lines[at].style;
                EXPECT_EQ(r.lines[at].piece, e.piece) << entry;
                EXPECT_EQ(style.colour, e.colour) << entry << " line " << at;
                EXPECT_EQ(style.font, e.font);
                EXPECT_EQ(style.italic, e.italic);
                // Unicode numerals are drawn regular, beside bold words.
                EXPECT_EQ(style.bold, !(e.piece == Piece::numerals && font[0] == 'F'));
            }
            EXPECT_EQ(r.family(FontRole::report), "Arial");
            EXPECT_EQ(r.family(FontRole::coptic), font);
            EXPECT_EQ(r.family(FontRole::numerals), font[0] == 'F' ? "Zefnaro Coptic" : font);
        }
}

TEST(Report, Messages) {
    DisplaySettings s;
    s.fontSize = 40;
    constexpr std::string_view rangeMessage = "Only whole numbers from 1 to 999,999,999 can be translated";
    constexpr std::string_view zeroMessage = "The number 0 (zero) does not exist in Coptic";
    const std::pair<const char*, std::string_view> rows[] = {
        {"", zeroMessage},       {"0", zeroMessage},           {"000", zeroMessage},
        {"abc", zeroMessage},    {"-5", rangeMessage},         {"1.5", rangeMessage},
        {"1E300", rangeMessage}, {"&HFFFFFFFF", rangeMessage}, {"1E999", rangeMessage}};
    for (const auto& [entry, text] : rows) {
        const Report r = composeReport(entry, s);
        EXPECT_TRUE(r.isMessage) << entry;
        std::string expected = "\n"; // appended: GCC 12 at -O3 warns, falsely, about "\n" + ...
        expected += text;
        EXPECT_EQ(plainText(r), expected) << entry;
        for (const Line& line : r.lines) {
            EXPECT_EQ(line.style.pointSize, 16); // not the chosen size
            EXPECT_EQ(line.style.colour, colours::blue);
            EXPECT_EQ(line.style.font, FontRole::report);
        }
    }
}

TEST(Report, LenientEntryText) {
    const std::pair<const char*, const char*> rows[] = {
        {"12abc", "12"}, {"1 2", "12"}, {"1,234", "1"}, {"&HFF", "255"}, {"1E3", "1,000"}};
    for (const auto& [entry, digits] : rows)
        EXPECT_EQ(composeReport(entry, DisplaySettings{}).text(Piece::digits), digits) << entry;
}

TEST(Report, LocaleSeparator) {
    DisplaySettings s;
    s.form.gender = Gender::feminine;
    const Report r = composeReport("1234567", s, ".");
    EXPECT_EQ(r.text(Piece::digits), "1.234.567");
}

TEST(StatusText, Rules) {
    DisplaySettings s;
    EXPECT_EQ(statusText(s), " CS Copto Manuscript | 16 | Masculine | Cardinal");
    s.form = {Kind::ordinal, Gender::feminine};
    s.fontSize = 8;
    s.fontName = "CS Copt";
    EXPECT_EQ(statusText(s), " CS Copt | 8 | Feminine | Ordinal");
}

// Right to left each font's name stands isolated on its own, so that the Arabic
// between them keeps its place; the size in Arabic-Indic digits.
TEST(StatusText, ArabicIsolatesEachFontName) {
    DisplaySettings s;
    s.language = *languageNamed("ar");
    s.fontName = "Noto Sans Coptic";
    EXPECT_EQ(statusText(s), " \u2068Noto Sans Coptic\u2069، والأرقام بخط \u2068Zefnaro Coptic\u2069 | ١٦ | مذكر | العدد الأصلي");
    s.language = defaultLanguage;
    EXPECT_EQ(statusText(s), " Noto Sans Coptic, numerals Zefnaro Coptic | 16 | Masculine | Cardinal");
}

} // namespace

namespace {

// The command line's report, composed from a checked number, form and writing, is
// the window's report line for line, in both writings and all four forms.
TEST(PlainReport, SameTextAsTheWindowsReport) {
    std::mt19937 gen(3);
    std::uniform_int_distribution<std::uint32_t> pick(1, 999'999'999);
    for (int i = 0; i < 2000; ++i) {
        const std::uint32_t n = i < 1000 ? static_cast<std::uint32_t>(i + 1) : pick(gen);
        for (int f = 0; f < 4; ++f)
            for (const char* font : {"CS Copto Manuscript", "FreeSerif"}) {
                DisplaySettings s;
                s.form = formOf(f >= 2, f % 2 == 0);
                s.fontName = font;
                std::string text;
                appendPlainReport(text, n, s.form, writingFor(font));
                ASSERT_EQ(text, plainText(composeReport(n, s.form, writingFor(font))));
                ASSERT_EQ(text,
                          plainText(composeReport(std::to_string(n), s)))
                    << n << " " << font << " form " << f;
            }
    }
}

} // namespace
