// The web page's answers against the engine they speak for: a round replayed from
// its seed asks the window's questions, its verdicts are practice's, and the numerals
// found are the command line's.
#include "export/page_answers.h"
#include "export/practice_answers.h"
#include "zefnaro/find.h"

#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

using namespace zefnaro;
using nlohmann::json;

namespace {

TEST(PracticeAnswers, ARoundIsItsSeedAndItsVerdictsArePractices) {
    for (const char* ask : {"numerals", "write-coptic"})
        for (const char* forms : {"mixed", "one"})
            for (const std::uint64_t seed : {0ull, 7ull, 4294967295ull}) {
                const page::Round round{ask, forms, "ordinal", "feminine", "en", 1000, seed};
                PracticeOptions options{*askNamed(ask), 1000, std::nullopt};
                if (std::string_view(forms) == "one") options.form = Form{Kind::ordinal, Gender::feminine};
                QuestionMaker maker(options, seed);
                for (std::uint32_t index = 0; index < 12; ++index) {
                    const Question q = maker.next();
                    std::string out;
                    page::appendQuestion(out, round, index);
                    const json asked = json::parse(out);
                    ASSERT_EQ(asked["number"], q.number) << ask << ' ' << seed << ' ' << index;
                    ASSERT_EQ(asked["text"], q.text);
                    ASSERT_EQ(asked["ordinal"], q.form.ordinal());
                    // The right answer is right, another number is wrong and says so,
                    // blanks are no answer.
                    std::string right, wrong, none;
                    page::appendVerdict(right, round, index, q.answer);
                    page::appendVerdict(wrong, round, index, std::to_string(q.number % 999 + 1));
                    page::appendVerdict(none, round, index, "  ");
                    ASSERT_TRUE(json::parse(right)["correct"]) << right;
                    const json w = json::parse(wrong);
                    ASSERT_EQ(w["correct"], false);
                    ASSERT_EQ(w["why"], check(q, std::to_string(q.number % 999 + 1)).why);
                    ASSERT_EQ(json::parse(none)["no_answer"], true);
                }
            }
    std::string keypad;
    page::appendPracticeFacts(keypad);
    const json facts = json::parse(keypad);
    EXPECT_EQ(facts["asks"].size(), allAsks.size());
    EXPECT_GE(facts["keypad"].size(), 4u);
}

TEST(PageAnswers, NumeralsFoundAreTheFindersOwn) {
    const std::string text = "ⲁⲩⲱ ⲓ̅ⲃ̅ ⲛ̀ⲣⲱⲙⲓ\nⲓ̅ⲥ̅ ⲡⲉⲭ̅ⲥ̅ ⲙⲁϩ ⲕ̅ⲁ̅ϯ\n\"quoted\" ⲁ̿̅ⲃ̿ⲉ̅";
    std::string out;
    page::appendFound(out, text);
    const json found = json::parse(out)["found"];
    const std::vector<FoundNumeral> expected = findNumerals(text);
    ASSERT_EQ(found.size(), expected.size());
    for (std::size_t i = 0; i < expected.size(); ++i) {
        EXPECT_EQ(found[i]["line"], expected[i].line);
        EXPECT_EQ(found[i]["column"], expected[i].column);
        EXPECT_EQ(found[i]["text"], expected[i].text);
        EXPECT_EQ(found[i]["number"], expected[i].reading.number);
    }
    std::string none;
    page::appendFound(none, "");
    EXPECT_EQ(none, R"({"found":[]})");
}

TEST(PageAnswers, AChurchYearWithItsCalendarOrWhyNot) {
    std::string out;
    page::appendChurchYear(out, "ⲁ̿ⲯ̅ⲙ̅ⲅ̅", "en");
    const json year = json::parse(out);
    EXPECT_EQ(year["year"], 1743);
    ASSERT_EQ(year["observances"].size(), 26u);
    const json& easter = year["observances"][16];
    EXPECT_EQ(easter["id"], "easter");
    EXPECT_EQ(easter["first"], "2027-05-02");
    EXPECT_EQ(easter["coptic_text"], "24 Parmouti 1743 AM");
    EXPECT_EQ(year["ics"].get<std::string>().rfind("BEGIN:VCALENDAR\r\n", 0), 0u);
    for (const char* bad : {"10000", "xyz"}) {
        std::string error;
        page::appendChurchYear(error, bad, "ar");
        EXPECT_TRUE(json::parse(error).contains("error")) << bad;
    }
}

} // namespace
