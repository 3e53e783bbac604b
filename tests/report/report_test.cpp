#include "engine/numbers.h"
#include "engine/utf8.h"
#include "report/report.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <random>
#include <utility>
#include <vector>

using namespace zefnaro;

namespace {

std::vector<std::pair<int, int>> selections(const Report& r) {
    std::vector<std::pair<int, int>> out;
    for (const auto& s : r.steps)
        out.emplace_back(s.start, s.length);
    return out;
}

TEST(Report, WorkedExampleCardinalMasculine) {
    const Report r = composeReport("21", DisplaySettings{});
    EXPECT_FALSE(r.isMessage);
    EXPECT_EQ(utf8::codePoints(r.text), 168u);
    EXPECT_EQ(selections(r), (std::vector<std::pair<int, int>>{
                                 {0, 168}, {25, 2}, {37, 10}, {96, 8}, {131, 8}, {149, 4}}));
    EXPECT_EQ(r.text, "\r\nThe cardinal number\r\n\r\n21\r\n\r\nor\r\n\r\nTwenty-One\r\n\r\n"
                      "in Bohairic Coptic (masculine) is written\r\n\r\njwt ouai\r\n\r\n"
                      "which is pronounced\r\n\r\ngoot way\r\n\r\nor\r\n\r\n=k=a\r\n\r\n"
                      "for short\r\n");
}

TEST(Report, WorkedExampleOrdinalFeminine) {
    DisplaySettings s;
    s.ordinal = true;
    s.masculine = false;
    const Report r = composeReport("21", s);
    EXPECT_EQ(utf8::codePoints(r.text), 184u);
    EXPECT_EQ(selections(r), (std::vector<std::pair<int, int>>{
                                 {0, 184}, {24, 4}, {38, 12}, {98, 12}, {137, 13}, {160, 9}}));
    EXPECT_EQ(r.digits, "21st");
    EXPECT_EQ(r.numerals, "mah =k=a]");
}

TEST(Report, AttributesOfTheSixSteps) {
    DisplaySettings s;
    s.fontName = "CS Pishoi";
    s.fontSize = 40;
    const Report r = composeReport("12345", s);
    ASSERT_EQ(r.steps.size(), 6u);
    EXPECT_EQ(r.steps[0].colour, colours::blue);
    EXPECT_EQ(r.steps[0].font, "Arial");
    EXPECT_EQ(r.steps[0].pointSize, 40);
    EXPECT_TRUE(r.steps[0].centred);
    const Rgb expected[] = {colours::blue, colours::black, colours::purple,
                            colours::red,  colours::green, colours::brown};
    for (std::size_t i = 0; i < 6; ++i) {
        EXPECT_EQ(r.steps[i].colour, expected[i]) << i;
        EXPECT_EQ(r.steps[i].emphasis, i == 4) << i;
        EXPECT_EQ(r.steps[i].font.has_value(), i == 0 || i == 3 || i == 5) << i;
    }
    EXPECT_EQ(r.steps[3].font, "CS Pishoi");
    EXPECT_EQ(r.steps[5].font, "CS Pishoi");
}

// Each styled step covers exactly its piece, counted in characters, for numbers
// whose numerals carry the two-byte place marks.
TEST(Report, SelectionsCoverTheirPieces) {
    for (const char* entry : {"1", "1000", "999999999", "1001001", "2005"})
        for (bool ordinal : {false, true}) {
            DisplaySettings s;
            s.ordinal = ordinal;
            const Report r = composeReport(entry, s);
            const std::u32string text = [&] {
                std::u32string out;
                for (std::size_t i = 0; i < r.text.size();) {
                    const unsigned char c = static_cast<unsigned char>(r.text[i]);
                    const std::size_t n = c < 0x80 ? 1 : c < 0xE0 ? 2 : c < 0xF0 ? 3 : 4;
                    out.push_back(c);
                    i += n;
                }
                return out;
            }();
            ASSERT_EQ(r.steps[0].length, static_cast<int>(text.size()));
            const std::string pieces[] = {r.digits, r.english, r.coptic, r.pronunciation,
                                          r.numerals};
            for (std::size_t i = 0; i < 5; ++i) {
                const auto& step = r.steps[i + 1];
                EXPECT_EQ(step.length, static_cast<int>(utf8::codePoints(pieces[i])));
                ASSERT_LE(step.start + step.length, r.steps[0].length);
                EXPECT_NE(text[static_cast<std::size_t>(step.start)], U'\r');
                EXPECT_EQ(text[static_cast<std::size_t>(step.start + step.length)], U'\r');
            }
        }
}

TEST(Report, TwentyThreeLines) {
    const std::string lines = plainLines(composeReport("999999999", DisplaySettings{}).text);
    EXPECT_EQ(std::count(lines.begin(), lines.end(), '\n'), 22);
    EXPECT_EQ(lines.find('\r'), std::string::npos);
    EXPECT_NE(lines.find("\n999,999,999\n"), std::string::npos);
}

TEST(Report, Messages) {
    DisplaySettings s;
    s.fontSize = 40;
    const std::pair<const char*, std::string_view> rows[] = {
        {"", zeroMessage},       {"0", zeroMessage},           {"000", zeroMessage},
        {"abc", zeroMessage},    {"-5", rangeMessage},         {"1.5", rangeMessage},
        {"1E300", rangeMessage}, {"&HFFFFFFFF", rangeMessage}, {"1E999", rangeMessage}};
    for (const auto& [entry, text] : rows) {
        const Report r = composeReport(entry, s);
        EXPECT_TRUE(r.isMessage) << entry;
        EXPECT_EQ(r.text, "\r\n" + std::string(text)) << entry;
        ASSERT_EQ(r.steps.size(), 1u);
        EXPECT_EQ(r.steps[0].pointSize, 16); // not the chosen size
        EXPECT_EQ(r.steps[0].length, static_cast<int>(r.text.size()));
        EXPECT_EQ(r.steps[0].colour, colours::blue);
        EXPECT_EQ(r.steps[0].font, "Arial");
        EXPECT_TRUE(r.steps[0].centred);
    }
}

TEST(Report, LenientEntryText) {
    const std::pair<const char*, const char*> rows[] = {
        {"12abc", "12"}, {"1 2", "12"}, {"1,234", "1"}, {"&HFF", "255"}, {"1E3", "1,000"}};
    for (const auto& [entry, digits] : rows)
        EXPECT_EQ(composeReport(entry, DisplaySettings{}).digits, digits) << entry;
}

TEST(Report, LocaleSeparatorAndFeminineLine) {
    DisplaySettings s;
    s.masculine = false;
    const Report r = composeReport("1234567", s, ".");
    EXPECT_EQ(r.digits, "1.234.567");
    EXPECT_EQ(r.genderLine, "in Bohairic Coptic (feminine) is written");
}

TEST(StatusText, Rules) {
    DisplaySettings s;
    EXPECT_EQ(statusText(s), " CS Copto Manuscript | 16 | Masculine | Cardinal");
    s.ordinal = true;
    s.masculine = false;
    s.fontSize = 8;
    s.fontName = "CS Copt";
    EXPECT_EQ(statusText(s), " CS Copt | 8 | Feminine | Ordinal");
}

} // namespace

namespace {

// The command line's plain report is the window's report, line for line, in both
// writings and all four forms.
TEST(PlainReport, SameTextAsTheComposedReport) {
    std::mt19937 gen(3);
    std::uniform_int_distribution<std::uint32_t> pick(1, 999'999'999);
    for (int i = 0; i < 2000; ++i) {
        const std::uint32_t n = i < 1000 ? static_cast<std::uint32_t>(i + 1) : pick(gen);
        for (int f = 0; f < 4; ++f)
            for (const char* font : {"CS Copto Manuscript", "FreeSerif"}) {
                DisplaySettings s;
                s.ordinal = f >= 2;
                s.masculine = f % 2 == 0;
                s.fontName = font;
                std::string plain;
                appendPlainReport(plain, n, Form{s.ordinal, s.masculine}, writingFor(font));
                ASSERT_EQ(plain, plainLines(composeReport(static_cast<double>(n), s).text))
                    << n << " " << font << " form " << f;
            }
    }
}

} // namespace
