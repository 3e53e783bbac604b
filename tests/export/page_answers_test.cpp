// The web page's answers against the engine they speak for: a round replayed from
// its seed asks the window's questions, its verdicts are practice's, and the numerals
// found are the command line's.
#include "export/page_answers.h"
#include "export/page_calls.h"
#include "export/page_first_calls.h"
#include "export/practice_answers.h"
#include "practice/worksheet_layout.h"
#include "zefnaro/find.h"

#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

using namespace zefnaro;
using nlohmann::json;

namespace {

json called(const json& request) {
    std::string out;
    page::answerCall(out, request.dump());
    return json::parse(out);
}

TEST(PracticeAnswers, ARoundIsItsSeedAndItsVerdictsArePractices) {
    for (const char* ask : {"numerals", "write-coptic"})
        for (const char* forms : {"mixed", "ordinal-feminine"})
            for (const std::uint64_t seed : {0ull, 7ull, 4294967295ull}) {
                const json round{{"ask", ask}, {"up_to", 1000}, {"forms", forms}, {"seed", seed}, {"language", "en"}};
                PracticeOptions options{*askNamed(ask), 1000, std::nullopt};
                if (std::string_view(forms) != "mixed") options.form = Form{Kind::ordinal, Gender::feminine};
                QuestionMaker maker(options, seed);
                for (std::uint32_t index = 0; index < 12; ++index) {
                    const Question q = maker.next();
                    json request = round;
                    request["call"] = "question";
                    request["index"] = index;
                    const json asked = called(request);
                    ASSERT_EQ(asked["number"], q.number) << ask << ' ' << seed << ' ' << index;
                    ASSERT_EQ(asked["text"], q.text);
                    ASSERT_EQ(asked["ordinal"], q.form.ordinal());
                    // The right answer is right, another number is wrong and says so,
                    // blanks are no answer.
                    request["call"] = "verdict";
                    request["tally"] = {{"right", 0}, {"asked", 0}, {"streak", 0}, {"answered", false}};
                    const auto verdict = [&request](const std::string& answer) {
                        request["answer"] = answer;
                        return called(request);
                    };
                    const json right = verdict(q.answer);
                    ASSERT_TRUE(right["correct"]) << right;
                    ASSERT_EQ(right["number"], q.number);
                    ASSERT_EQ(right["tally"]["streak"], 1);
                    const json w = verdict(std::to_string(q.number % 999 + 1));
                    ASSERT_EQ(w["correct"], false);
                    ASSERT_EQ(w["why"], check(q, std::to_string(q.number % 999 + 1)).why);
                    ASSERT_EQ(verdict("  ")["no_answer"], true);
                }
            }
    const json facts = called({{"call", "practice_facts"}});
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
    const json year = called({{"call", "church_year"}, {"year", "ⲁ̿ⲯ̅ⲙ̅ⲅ̅"}, {"language", "en"}});
    EXPECT_EQ(year["year"], 1743);
    ASSERT_EQ(year["observances"].size(), 38u);
    const json& easter = year["observances"][24];
    EXPECT_EQ(easter["id"], "easter");
    EXPECT_EQ(easter["first"], "2027-05-02");
    EXPECT_EQ(easter["coptic_text"], "24 Parmouti 1743 AM");
    EXPECT_EQ(year["ics"].get<std::string>().rfind("BEGIN:VCALENDAR\r\n", 0), 0u);
    for (const char* bad : {"10000", "xyz"}) {
        EXPECT_TRUE(called({{"call", "church_year"}, {"year", bad}, {"language", "ar"}}).contains("error")) << bad;
    }
}

// The page's worksheet is laid out by practice's rules from what the browser
// measured: the answer is practice's grid, and its look the part's.
TEST(PageCalls, AWorksheetPartIsLaidOutAsTheWindowsIs) {
    const json measures{{"number_width", 30}, {"text_width", 80}, {"widest_answer", 40}, {"line_height", 20},
                        {"width", 680}, {"height", 1000}, {"header_height", 100}, {"millimetre", 3.78}};
    for (const char* part : {"questions", "key"}) {
        const json got = called({{"call", "sheet_layout"}, {"part", part}, {"points", 16}, {"ask", "write-coptic"},
                                 {"measures", measures}});
        const SheetGrid grid = layOutSheet(
            sheetLook(std::string_view(part) == "key" ? SheetPart::answerKey : SheetPart::questions, 16,
                      Ask::writeCoptic),
            {30, 80, 40, 20, 680, 1000, 100, 3.78});
        EXPECT_EQ(got["columns"], grid.columns) << part;
        EXPECT_EQ(got["rows"], grid.rows) << part;
        EXPECT_EQ(got["stacked"], grid.stacked) << part;
        EXPECT_NEAR(got["row_height"].get<double>(), grid.rowHeight, 1e-6) << part;
        EXPECT_EQ(got["look"]["coptic_answer"], true) << part;
    }
    json bad{{"call", "sheet_layout"}, {"part", "answers"}, {"points", 16}, {"ask", "numerals"}, {"measures", measures}};
    EXPECT_NE(called(bad).value("error", "").find("part"), std::string::npos);
    bad["part"] = "key";
    bad["measures"]["width"] = -5;
    EXPECT_NE(called(bad).value("error", "").find("width"), std::string::npos);
}

// Each member of a request is checked: one missing, of the wrong type, out of range
// or naming nothing is refused with its name, never a default taken in its place.
TEST(PageCalls, ARequestThatNamesNothingIsRefusedWithItsName) {
    const json report{{"call", "report"}, {"entry", "5"}, {"form", "ordinal-feminine"}, {"writing", "unicode"},
                      {"language", "ar"}};
    EXPECT_TRUE(called(report).contains("html"));
    const json round{{"call", "worksheet"}, {"ask", "numerals"}, {"up_to", 100}, {"forms", "mixed"},
                     {"seed", 3}, {"count", 10}, {"language", "en"}};
    EXPECT_EQ(called(round)["questions"].size(), 10u);
    const std::vector<std::pair<json, std::string>> bad{
        {{{"form", "ordinal"}}, "form"},
        {{{"form", "Ordinal-Feminine"}}, "form"},
        {{{"form", 2}}, "form"},
        {{{"language", "fr"}}, "language"},
        {{{"writing", "latin"}}, "writing"},
        {{{"entry", nullptr}}, "entry"},
        {{{"call", "repot"}}, "repot"},
        {{{"call", 5}}, "call"},
    };
    for (const auto& [change, name] : bad) {
        json request = report;
        request.update(change);
        if (change.contains("entry")) request.erase("entry");
        const json answer = called(request);
        EXPECT_NE(answer.value("error", "").find(name), std::string::npos) << request << answer;
        EXPECT_FALSE(answer.contains("html")) << request;
    }
    const std::vector<std::pair<json, std::string>> badRounds{
        {{{"forms", "one"}}, "forms"},      {{{"ask", "write"}}, "ask"}, {{{"count", 201}}, "count"},
        {{{"up_to", 0}}, "up_to"},          {{{"seed", -1}}, "seed"},    {{{"seed", 1.5}}, "seed"},
    };
    for (const auto& [change, name] : badRounds) {
        json request = round;
        request.update(change);
        const json answer = called(request);
        EXPECT_NE(answer.value("error", "").find(name), std::string::npos) << request << answer;
    }
    for (const char* text : {"", "[]", "{", "\"report\"", "{\"entry\":\"5\"}"}) {
        std::string out;
        page::answerCall(out, text);
        EXPECT_TRUE(json::parse(out).contains("error")) << text;
    }
}

} // namespace

namespace {

// The small engine of the page's first view answers each of its calls exactly as
// the whole engine does, in every form, writing and language, for entries that
// read and entries that do not.
TEST(PageCalls, TheFirstViewsEngineIsTheWholeEnginesOwn) {
    std::size_t compared = 0;
    for (const char* language : {"en", "ar", "en-XA"})
        for (const char* entry : {"2005", "ⲙⲁϩⲕ̅ⲁ̅ϯ", "٢٠٠٥", "two thousand and five", "xyz", "", "999999999", "0"})
            for (const Form form : allForms)
                for (const char* writing : {"unicode", "font-text"}) {
                    const json members{{"entry", entry}, {"text", entry}, {"form", std::string(formCode(form))},
                                       {"writing", writing}, {"language", language}};
                    for (const char* call : {"report", "report_copy", "read", "catalogue", "facts", "practice_facts"}) {
                        json request = members;
                        request["call"] = call;
                        std::string first;
                        page::answerFirstCall(first, call, entry, formCode(form), writing, language);
                        ASSERT_EQ(json::parse(first), called(request)) << call << " " << entry << " " << language;
                        ++compared;
                    }
                }
    EXPECT_EQ(compared, 3u * 8 * 4 * 2 * 6);
    // What it does not know it says, as the whole engine does.
    for (const auto& [call, form, writing, language] :
         std::vector<std::array<const char*, 4>>{{"report", "plural", "unicode", "en"},
                                                 {"report", "cardinal-masculine", "braille", "en"},
                                                 {"read", "", "", "xx"},
                                                 {"church_year", "cardinal-masculine", "unicode", "en"}}) {
        std::string out;
        page::answerFirstCall(out, call, "5", form, writing, language);
        EXPECT_TRUE(json::parse(out).contains("error")) << out;
    }
}

} // namespace
