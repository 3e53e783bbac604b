#include "child_process.h"

#include "export/page_calls.h"
#include "zefnaro/read.h"

#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

#include <cstdlib>
#include <fstream>
#include <sys/wait.h>
#include <sstream>
#include <algorithm>
#include <string>
#include <vector>

namespace {

using namespace std::chrono_literals;

struct Outcome {
    int status;
    std::string out, err;
};

Outcome cli(std::vector<std::string> args, const std::string& input = "") {
    args.insert(args.begin(), ZEFNARO_CLI);
    ChildProcess p(args);
    p.write(input);
    const int status = p.finish();
    return {status, p.out, p.err};
}

const char* const report2005 = "\nThe cardinal number\n\n2,005\n\nor\n\nTwo Thousand Five\n\n"
                               "in Bohairic Coptic (masculine) is written\n\nⲥ̀ⲛⲁⲩ ⲛ̀ϣⲟ ⲧⲓⲟⲩ\n\n"
                               "which is pronounced\n\nesnav ensho tiw\n\nor\n\nⲃ̿ⲉ̅\n\n"
                               "for short\n";

TEST(Cli, TextReportForOneNumber) {
    const Outcome r = cli({"2005"});
    EXPECT_EQ(r.status, 0);
    EXPECT_EQ(r.out, report2005);
    EXPECT_EQ(r.err, "");
}

TEST(Cli, OrdinalFeminineText) {
    const Outcome r = cli({"--ordinal", "--feminine", "21"});
    EXPECT_EQ(r.status, 0);
    EXPECT_NE(r.out.find("\nThe ordinal number\n\n21st\n"), std::string::npos);
    EXPECT_NE(r.out.find("\nⲙⲁϩ ϫⲱϯ ⲟⲩⲓ̀\n"), std::string::npos);
    EXPECT_NE(r.out.find("(feminine)"), std::string::npos);
}

TEST(Cli, ArabicReportAndMessages) {
    const Outcome r = cli({"--lang", "ar", "--ordinal", "--feminine", "21", "٢١", "xyz"});
    EXPECT_EQ(r.status, 1);
    // "For short" comes before the numerals, so that they read as no second pronunciation.
    const std::string report = "\nالعدد الترتيبي\n\n٢١\n\nأو\n\nالحادية والعشرون\n\n"
                               "يُكتب بالقبطية البحيرية (بصيغة المؤنث)\n\nⲙⲁϩ ϫⲱϯ ⲟⲩⲓ̀\n\nويُنطق\n\n"
                               "ماه جوتي أوي\n\nويُكتب اختصارًا بالأرقام القبطية\n\nⲙⲁϩ ⲕ̅ⲁ̅ϯ\n";
    EXPECT_EQ(r.out, report + report);
    EXPECT_EQ(r.err, "zefnaro-cli: \"xyz\": ليس عددًا: الكلمة «\u2068xyz\u2069» عند الحرف ١ ليست من "
                     "كلمات الأعداد: المطلوب عدد صحيح من ١ إلى ٩٩٩٬٩٩٩٬٩٩٩\n");
    const Outcome json = cli({"--lang", "ar", "--json", "0"});
    EXPECT_EQ(json.out, "{\"input\":\"0\",\"error\":\"العدد ٠ (صفر) غير موجود في القبطية\"}\n");
    const Outcome day = cli({"--lang", "ar", "--coptic-date", "٢٩ هاتور ١٧٤٣"});
    EXPECT_EQ(day.out.substr(0, day.out.find("\n\n", 1)),
              "\nالثلاثاء، ٨ ديسمبر ٢٠٢٦ م\nيوافق في التقويم القبطي\nⲕ̅ⲑ̅ Ⲁⲑⲱⲣ ⲁ̿ⲯ̅ⲙ̅ⲅ̅\n٢٩ هاتور ١٧٤٣ للشهداء");
    EXPECT_NE(day.out.find("\nمن الشهر\nⲀⲑⲱⲣ\nأثور\nهاتور\n"), std::string::npos);
    EXPECT_NE(day.out.find("\nألف وسبعمائة وثلاثة وأربعون\n"), std::string::npos);
    const Outcome practice = cli({"--lang", "ar", "--practice", "--count", "2", "--seed", "4", "--up-to", "10"},
                                 "xyz\n\n٨\n");
    EXPECT_NE(practice.out.find("خطأ: ليس عددًا يقرؤه زفنارو: الكلمة «\u2068xyz\u2069» ليست من كلمات الأعداد. الإجابة: "),
              std::string::npos)
        << practice.out;
    EXPECT_NE(practice.out.find("\nالنتيجة: "), std::string::npos);
    EXPECT_NE(practice.out.find("السؤال ٢ من ٢: "), std::string::npos);
    const Outcome badDay = cli({"--lang", "ar", "--coptic-date", "31 Hathor 1743"});
    EXPECT_EQ(badDay.err, "zefnaro-cli: \"31 Hathor 1743\": لا يوجد يوم ٣١ من هاتور: كل شهر عدا الأخير ثلاثون يومًا\n");
    EXPECT_EQ(cli({"--lang", "fr", "7"}).status, 2);
}

TEST(Cli, JsonLinesInInputOrder) {
    const Outcome r = cli({"--json", "12,345", "0", "7"});
    EXPECT_EQ(r.status, 1);
    EXPECT_EQ(
        r.out,
        "{\"input\":\"12,345\",\"number\":12345,\"read_as\":\"digits\",\"ordinal\":false,"
        "\"masculine\":true,"
        "\"digits\":\"12,345\",\"english\":\"Twelve Thousand Three Hundred and Forty-Five\","
        "\"arabic\":\"اثنا عشر ألفًا وثلاثمائة وخمسة وأربعون\",\"arabic_digits\":\"١٢٬٣٤٥\","
        "\"coptic\":\"met`cnau `nso somt `nse nem `hme tiou\",\"pronunciation\":\"metesnav "
        "ensho shomt enshay nem ehmay tiw\",\"pronunciation_arabic\":\"ميتيسناف إنشو شومت إنشي نيم إهمي تيو\","
        "\"numerals\":\"ËiËb=t=m=e\","
        "\"coptic_unicode\":\"ⲙⲉⲧⲥ̀ⲛⲁⲩ ⲛ̀ϣⲟ ϣⲟⲙⲧ ⲛ̀ϣⲉ ⲛⲉⲙ ϩ̀ⲙⲉ ⲧⲓⲟⲩ\","
        "\"numerals_unicode\":\"ⲓ̿ⲃ̿ⲧ̅ⲙ̅ⲉ̅\",\"numeral_values\":[[\"ⲓ̿\",10000],[\"ⲃ̿\",2000],"
        "[\"ⲧ̅\",300],[\"ⲙ̅\",40],[\"ⲉ̅\",5]]}\n"
        "{\"input\":\"0\",\"error\":\"The number 0 (zero) does not exist in Coptic\"}\n"
        "{\"input\":\"7\",\"number\":7,\"read_as\":\"digits\",\"ordinal\":false,\"masculine\":true,"
        "\"digits\":\"7\",\"english\":\"Seven\",\"arabic\":\"سبعة\",\"arabic_digits\":\"٧\","
        "\"coptic\":\"sasf\",\"pronunciation\":"
        "\"shashf\",\"pronunciation_arabic\":\"شاشف\",\"numerals\":\"=z\",\"coptic_unicode\":\"ϣⲁϣϥ\","
        "\"numerals_unicode\":\"ⲍ̅\",\"numeral_values\":[[\"ⲍ̅\",7]]}\n");
}

// A terminal shows Unicode Coptic by default; the CS fonts' text on request.
TEST(Cli, WritingOfTheTextReport) {
    EXPECT_EQ(cli({"--unicode", "2005"}).out, report2005);
    const Outcome r = cli({"--font-text", "--ordinal", "--feminine", "21"});
    EXPECT_EQ(r.status, 0);
    EXPECT_NE(r.out.find("\nmah jw] ou`i\n"), std::string::npos);
    EXPECT_NE(r.out.find("\nmah gooti wee\n"), std::string::npos);
    EXPECT_NE(r.out.find("\nmah =k=a]\n"), std::string::npos);
    EXPECT_EQ(r.out.find("ⲙ"), std::string::npos);
    const Outcome both = cli({"--font-text", "--unicode", "21"});
    EXPECT_EQ(both.status, 2);
    EXPECT_EQ(both.err.rfind("zefnaro-cli: ", 0), 0u) << both.err;
}

TEST(Cli, ReadsEveryWrittenForm) {
    EXPECT_EQ(cli({"ⲃ̿ⲉ̅"}).out, report2005);
    EXPECT_EQ(cli({"two thousand and five"}).out, report2005);
    EXPECT_EQ(cli({"`cnau `nso tiou", "esnav ensho tiw", "Ëb=e"}).out,
              std::string(report2005) + report2005 + report2005);
    // The form follows the input unless an option names it.
    const Outcome r = cli({"--json"}, "ⲙⲁϩ ⲕ̅ⲁ̅ϯ\n21st\n");
    EXPECT_EQ(r.status, 0);
    EXPECT_EQ(r.out.substr(0, r.out.find(",\"digits\"")),
              "{\"input\":\"ⲙⲁϩ ⲕ̅ⲁ̅ϯ\",\"number\":21,\"read_as\":\"numerals\",\"ordinal\":true,"
              "\"masculine\":false");
    EXPECT_NE(r.out.find("{\"input\":\"21st\",\"number\":21,\"read_as\":\"digits\",\"ordinal\":"
                         "true,\"masculine\":true"),
              std::string::npos);
    const Outcome forced = cli({"--json", "--feminine", "21st"});
    EXPECT_NE(forced.out.find("\"ordinal\":false,\"masculine\":false"), std::string::npos);
    for (const char* form : {"Twenty-One", "jwt ouai", "goot way", "=k=a", "ⲕ̅ⲁ̅", "ϫⲱⲧ ⲟⲩⲁⲓ"}) {
        const Outcome one = cli({"--json", form});
        EXPECT_NE(one.out.find("\"number\":21,"), std::string::npos) << form << one.err;
    }
}

TEST(Cli, StillRejectedWithTheReadersMessage) {
    const Outcome r = cli({"12abc", "1 2", "&HFF", "ⲃ̿ⲃ̿"});
    EXPECT_EQ(r.status, 1);
    EXPECT_EQ(r.out, "");
    EXPECT_NE(r.err.find("zefnaro-cli: \"12abc\": not a number: \"a\" at character 3"),
              std::string::npos)
        << r.err;
    EXPECT_NE(r.err.find("zefnaro-cli: \"ⲃ̿ⲃ̿\": \"ⲃ̿\" at character 2: the thousands already"),
              std::string::npos)
        << r.err;
    EXPECT_EQ(std::count(r.err.begin(), r.err.end(), '\n'), 4);
}

TEST(Cli, RejectionsGoToStandardErrorAndTheRestGoesOn) {
    const Outcome r = cli({"-5", "2005", "1.5", "abc", "1000000000", "0", "1,23", ""});
    EXPECT_EQ(r.status, 1);
    EXPECT_EQ(r.out, report2005);
    const std::string range = "expected a whole number from 1 to 999,999,999";
    for (const char* input :
         {"\"-5\": ", "\"1.5\": ", "\"abc\": ", "\"1000000000\": ", "\"1,23\": ", "\"\": "}) {
        const auto at = r.err.find(std::string("zefnaro-cli: ") + input);
        ASSERT_NE(at, std::string::npos) << input << "\n" << r.err;
        EXPECT_EQ(r.err.substr(r.err.find(':', at + 13 + 3), std::string::npos).find(range) !=
                      std::string::npos,
                  true);
    }
    EXPECT_NE(r.err.find("zefnaro-cli: \"0\": The number 0 (zero) does not exist in Coptic\n"),
              std::string::npos);
    EXPECT_EQ(std::count(r.err.begin(), r.err.end(), '\n'), 7);
}

TEST(Cli, StandardInputSkipsBlankLines) {
    const Outcome r = cli({}, "2005\n\n   \n 2,005 \r\n");
    EXPECT_EQ(r.status, 0);
    EXPECT_EQ(r.out, std::string(report2005) + report2005);
}

TEST(Cli, HostileInputInJson) {
    const Outcome r = cli({"--json"}, std::string("12\0"
                                                  "3\n\xff\xfe\n",
                                                  8) +
                                          std::string(100000, '9'));
    EXPECT_EQ(r.status, 1);
    EXPECT_EQ(std::count(r.out.begin(), r.out.end(), '\n'), 3);
    EXPECT_EQ(r.out.find("\"number\""), std::string::npos);
    EXPECT_NE(r.out.find("\\u0000"), std::string::npos);
}

TEST(Cli, StreamsEachAnswerBeforeTheNextLine) {
    ChildProcess p({ZEFNARO_CLI, "--json"});
    p.write("1\n");
    ASSERT_TRUE(p.readUntil("\"number\":1,", 5s));
    p.write("2\n");
    ASSERT_TRUE(p.readUntil("\"number\":2,", 5s));
    EXPECT_EQ(p.finish(), 0);
}

TEST(Cli, UsageErrorsHelpAndVersion) {
    const Outcome bogus = cli({"--bogus"});
    EXPECT_EQ(bogus.status, 2);
    EXPECT_EQ(bogus.err.rfind("zefnaro-cli: ", 0), 0u) << bogus.err;
    const Outcome help = cli({"--help"});
    EXPECT_EQ(help.status, 0);
    EXPECT_NE(help.out.find("--ordinal"), std::string::npos);
    const Outcome version = cli({"--version"});
    EXPECT_EQ(version.status, 0);
    EXPECT_EQ(version.out.rfind("zefnaro-cli ", 0), 0u);
    // What does not go together is refused before anything is written, naming the option.
    const std::pair<std::vector<std::string>, std::string> refused[] = {
        {{"--find", "a.txt", "b.txt"}, "--find"},
        {{"--practice", "21"}, "--practice"},
        {{"--html"}, "--html"},
        {{"--html", "1", "2"}, "--html"},
        {{"--html", "--json", "1"}, "--json"},
        {{"--date", "2026-12-08", "--coptic-date", "1 Thout 1"}, "--coptic-date"},
        {{"--find", "--practice"}, "--practice"}};
    for (const auto& [args, named] : refused) {
        const Outcome r = cli(args);
        EXPECT_EQ(r.status, 2) << named;
        EXPECT_EQ(r.out, "") << named;
        EXPECT_EQ(r.err.rfind("zefnaro-cli: ", 0), 0u) << r.err;
        EXPECT_NE(r.err.find(named), std::string::npos) << r.err;
    }
}

} // namespace

// Practice: each question, its verdict as one JSON line, the score; the same seed
// asks the same questions, and the answers are checked against them.
TEST(CliPractice, JsonStepsScoreAndSeed) {
    const std::vector<std::string> args{"--practice", "--json", "--seed", "42", "--up-to", "10",
                                        "--count", "3", "--ask", "numerals"};
    const Outcome first = cli(args, "");
    // No input: the first question is asked, none answered.
    ASSERT_EQ(first.status, 0);
    const auto question = nlohmann::json::parse(first.out.substr(0, first.out.find('\n')));
    EXPECT_EQ(question["question"], 1);
    EXPECT_EQ(question["ask"], "numerals");
    const std::string text = question["text"];
    const std::uint32_t asked = zefnaro::readWrittenNumber(text).reading.number;
    ASSERT_GE(asked, 1u);
    ASSERT_LE(asked, 10u);
    EXPECT_EQ(first.out.substr(first.out.find('\n') + 1), "{\"score\":0,\"of\":0}\n");

    // The right number in digits, then a wrong one, then a word that is no number.
    const Outcome r = cli(args, std::to_string(asked) + "\n11\nxyz\n");
    std::vector<nlohmann::json> lines;
    std::istringstream in(r.out);
    for (std::string line; std::getline(in, line);)
        lines.push_back(nlohmann::json::parse(line));
    ASSERT_EQ(lines.size(), 7u);
    EXPECT_EQ(lines[0], question); // the same seed, the same question
    EXPECT_EQ(lines[1], nlohmann::json::parse("{\"question\":1,\"answer\":\"" +
                                              std::to_string(asked) +
                                              "\",\"correct\":true,\"number\":" +
                                              std::to_string(asked) +
                                              ",\"read_as\":\"digits\",\"expected\":" +
                                              std::to_string(asked) + "}"));
    EXPECT_EQ(lines[3]["correct"], false);
    EXPECT_EQ(lines[3]["number"], 11);
    EXPECT_EQ(lines[5]["correct"], false);
    EXPECT_TRUE(lines[5].contains("error") && !lines[5].contains("number"));
    EXPECT_EQ(lines[6], nlohmann::json::parse("{\"score\":1,\"of\":3}"));
}

TEST(CliPractice, WriteModesAndBadOptions) {
    const Outcome r = cli({"--practice", "--ask", "write-numerals", "--ordinal", "--feminine",
                           "--up-to", "1", "--count", "2"},
                          "ⲙⲁϩ ⲁ̅ϯ\nⲁ̅\n");
    EXPECT_EQ(r.out, "Write each number in Coptic numerals.\n"
                     "Question 1 of 2: 1st (feminine)\nRight.\n"
                     "Question 2 of 2: 1st (feminine)\n"
                     "Wrong: you wrote 1 (numerals), cardinal, not ordinal. The answer is ⲙⲁϩ ⲁ̅ϯ.\n"
                     "Score: 1 of 2\n");
    for (const std::vector<std::string>& bad :
         {std::vector<std::string>{"--practice", "--up-to", "0"},
          {"--practice", "--ask", "letters"},
          {"--practice", "21"},
          {"--seed", "3"}})
        EXPECT_EQ(cli(bad).status, 2) << bad.back();
}

// --find: a file or standard input, each marked numeral with its place; plain
// words and sacred names passed over; a file that cannot be read is an error.
TEST(CliFind, FileStdinAndJson) {
    const std::string text = "Year ⲁ̿ⲱ̅ⲡ̅ⲏ̅ of ⲓ̅ⲥ̅ ⲡⲉ,\nthe ⲙⲁϩ ⲕ̅ⲁ̅ϯ day\n";
    const std::string path = testing::TempDir() + "/find.txt";
    {
        std::ofstream(path) << text;
    }
    const Outcome fromFile = cli({"--find", path});
    EXPECT_EQ(fromFile.status, 0);
    EXPECT_EQ(fromFile.out, "1:6\tⲁ̿ⲱ̅ⲡ̅ⲏ̅\t1888\tcardinal\tmasculine\tnumeral\n"
                            "2:5\tⲙⲁϩ ⲕ̅ⲁ̅ϯ\t21\tordinal\tfeminine\tnumeral\n");
    const Outcome json = cli({"--find", "--json"}, text);
    EXPECT_EQ(json.out, "{\"line\":1,\"column\":6,\"text\":\"ⲁ̿ⲱ̅ⲡ̅ⲏ̅\",\"number\":1888,"
                        "\"ordinal\":false,\"masculine\":true,\"kind\":\"numeral\"}\n"
                        "{\"line\":2,\"column\":5,\"text\":\"ⲙⲁϩ ⲕ̅ⲁ̅ϯ\",\"number\":21,"
                        "\"ordinal\":true,\"masculine\":false,\"kind\":\"numeral\"}\n");
    EXPECT_EQ(cli({"--find", path + ".missing"}).status, 2);
    EXPECT_EQ(cli({"--find", "--practice"}).status, 2);
}

namespace {

// The JSON line of 29 Hathor 1743 (8 December 2026), its members in their order.
const std::string hathor29 =
    "{\"gregorian\":\"2026-12-08\",\"weekday\":\"Tuesday\",\"weekday_arabic\":\"الثلاثاء\","
    "\"coptic_year\":1743,\"coptic_month\":3,"
    "\"coptic_day\":29,\"month_coptic\":\"Ⲁⲑⲱⲣ\",\"month_font_text\":\"A;wr\","
    "\"month_pronunciation\":\"Athor\",\"month_english\":\"Hathor\",\"month_arabic\":\"هاتور\","
    "\"day_numerals\":\"ⲕ̅ⲑ̅\","
    "\"year_numerals\":\"ⲁ̿ⲯ̅ⲙ̅ⲅ̅\",\"day_coptic\":\"ϫⲱⲧ ⲯⲓⲧ\","
    "\"year_coptic\":\"ϣⲟ ϣⲁϣϥ ⲛ̀ϣⲉ ⲛⲉⲙ ϩ̀ⲙⲉ ϣⲟⲙⲧ\",\"day_pronunciation\":\"goot pseet\","
    "\"year_pronunciation\":\"sho shashf enshay nem ehmay shomt\",\"observances\":[\"nativity_fast\"]}\n";

} // namespace

TEST(CliDates, EveryWritingGivesTheSameLineAndBadDatesTheirError) {
    const Outcome coptic = cli({"--coptic-date", "-", "--json"},
                               "1743-03-29\n29 Hathor 1743\nⲕ̅ⲑ̅ Ⲁⲑⲱⲣ ⲁ̿ⲯ̅ⲙ̅ⲅ̅\n\n31 Hathor 1743\n");
    EXPECT_EQ(coptic.status, 1);
    EXPECT_EQ(coptic.out, hathor29 + hathor29 + hathor29 +
                              "{\"input\":\"31 Hathor 1743\",\"error\":\"There is no 31 Hathor: "
                              "every month but the last has 30 days\"}\n");
    const Outcome gregorian = cli({"--date", "2026-12-08", "--json", "2026-02-30"});
    EXPECT_EQ(gregorian.out, hathor29 + "{\"input\":\"2026-02-30\",\"error\":\"There is no 30 "
                                        "February 2026: the month has 28 days\"}\n");
    const Outcome text = cli({"--date", "2026-12-08", "--font-text"});
    EXPECT_EQ(text.status, 0);
    EXPECT_NE(text.out.find("\nTuesday, 8 December 2026\nin the Coptic calendar is\n=k=: A;wr "
                            "\xC3\x8B" "a='=m=g\n29 Hathor 1743 AM\n"),
              std::string::npos);
    const std::time_t now = std::time(nullptr);
    std::tm local{};
    localtime_r(&now, &local);
    char today[16];
    std::strftime(today, sizeof today, "%Y-%m-%d", &local);
    EXPECT_NE(cli({"--date", "today", "--json"}).out.find(std::string("{\"gregorian\":\"") + today),
              std::string::npos);
    EXPECT_EQ(cli({"--date", "x", "--coptic-date", "y"}).status, 2);
}

// In Arabic the finder's forms and a church year's kinds are Arabic: a kind after a
// dash, none where the name says it, and the .ics names and files in Arabic.
TEST(CliArabic, FindsAndChurchYearsSayTheirWordsInArabic) {
    const Outcome found = cli({"--find", "--lang", "ar"}, "ⲁⲩⲱ ⲓ̅ⲃ̅ ⲙⲁϩ ⲕ̅ⲁ̅ϯ ⲫⲣⲉⲅ̅\n");
    EXPECT_EQ(found.out, "1:5\tⲓ̅ⲃ̅\t12\tأصلي\tمذكر\tأرقام قبطية\n1:8\tⲙⲁϩ ⲕ̅ⲁ̅ϯ\t21\tترتيبي\tمؤنث\tأرقام قبطية\n"
                         "1:17\tⲣⲉⲅ̅\t1/3\tأصلي\tمذكر\tكسر\n");
    const Outcome year = cli({"--church-year", "1743", "--lang", "ar"});
    for (const char* line : {"  صوم الميلاد\n", "  عيد الميلاد المجيد — عيد سيدي كبير\n", "  عيد الصليب\n",
                             "  الخماسين المقدسة — فترة\n", "  نياحة السيدة العذراء — عيد للسيدة العذراء\n"})
        EXPECT_NE(year.out.find(line), std::string::npos) << line;
    const Outcome ics = cli({"--church-year", "1743", "--lang", "ar", "--ics"});
    EXPECT_NE(ics.out.find("X-WR-CALNAME:السنة الكنسية القبطية ١٧٤٣ للشهدا"), std::string::npos);
    EXPECT_NE(ics.out.find("CATEGORIES:صوم\r\n"), std::string::npos);
    EXPECT_EQ(ics.out.find("CATEGORIES:fast"), std::string::npos);
}

TEST(CliChurchYear, AYearsObservancesAsTextAndJsonAndBadYearsSaid) {
    const Outcome text = cli({"--church-year", "ⲁ̿ⲯ̅ⲙ̅ⲅ̅"});
    EXPECT_EQ(text.status, 0);
    EXPECT_EQ(text.out.substr(0, text.out.find('\n')), "11 September 2026  1 Thout 1743 AM  Nayrouz (the Coptic New Year) (feast)");
    EXPECT_NE(text.out.find("\n8 March 2027 – 1 May 2027  29 Meshir 1743 AM – 23 Parmouti 1743 AM  Great Lent (fast)\n"),
              std::string::npos)
        << text.out;
    const Outcome json = cli({"--church-year", "1743", "--json", "10000", "x"});
    EXPECT_EQ(json.status, 1);
    EXPECT_NE(json.out.find("{\"id\":\"easter\",\"name\":\"Easter\",\"kind\":\"major_feast\",\"first\":\"2027-05-02\","
                            "\"last\":\"2027-05-02\",\"coptic_first\":\"1743-08-24\",\"coptic_last\":\"1743-08-24\"}\n"),
              std::string::npos);
    EXPECT_NE(json.out.find("{\"input\":\"10000\",\"error\":\"There is no year 10000 AM here: years go from 1 to 9999 AM\"}"),
              std::string::npos);
    EXPECT_NE(json.out.find("{\"input\":\"x\",\"error\":"), std::string::npos);
    EXPECT_EQ(cli({"--church-year", "1743", "--ics", "--json"}).status, 2);
    // What a day is: Great Lent's days to Easter, Holy Week's in its week, and the
    // Annunciation in Holy Week or on Easter commemorated without changing the week.
    for (const auto& [date, is] : std::vector<std::pair<std::string, std::string>>{
             {"2027-04-01", "\nwhich is\nGreat Lent, 31 days to Easter\n\n"},
             {"1988-04-07", "\nwhich is\nHoly Week (Pascha), 3 days to Easter\n"
                            "Annunciation, commemorated without changing the week\nCovenant Thursday\n\n"},
             {"1991-04-07", "\nwhich is\nAnnunciation, commemorated without changing the week\nEaster\n"
                            "The Holy Fifty Days\n\n"},
             {"2027-04-07", "\nwhich is\nGreat Lent, 25 days to Easter\nAnnunciation\nWednesday and Friday fast\n\n"}}) {
        const Outcome day = cli({"--date", date});
        EXPECT_NE(day.out.find(is), std::string::npos) << date << day.out;
    }
}

namespace {

// Under a pseudo-locale every text a user reads comes transformed from the
// catalogue: once the transformed runs ([…] for en-XA, RLO…PDF for ar-XB), the
// number's own data and the options' names are taken out, no English word may
// be left. A sentence written past the catalogue shows up as one.
std::string withoutCatalogueText(std::string text, const std::string& open, const std::string& close) {
    for (std::size_t at; (at = text.find(open)) != std::string::npos;) {
        const std::size_t end = text.find(close, at + open.size());
        text.erase(at, end == std::string::npos ? std::string::npos : end + close.size() - at);
    }
    return text;
}

std::vector<std::string> englishLeftIn(std::string text, const std::vector<std::string>& data) {
    for (const std::string& d : data)
        for (std::size_t at; !d.empty() && (at = text.find(d)) != std::string::npos;) text.erase(at, d.size());
    std::vector<std::string> words;
    std::istringstream in(text);
    for (std::string word; in >> word;) {
        if (word.starts_with("-") || word.starts_with("[-") || word.starts_with("zefnaro-cli") || word.find("NUMBER") != std::string::npos ||
            word.find(":{") != std::string::npos)
            continue; // options, their choices, the program and the argument's name are typed as they are
        int run = 0;
        for (const char c : word) {
            run = std::isalpha(static_cast<unsigned char>(c)) ? run + 1 : 0;
            if (run == 3) {
                words.push_back(word);
                break;
            }
        }
    }
    return words;
}

TEST(CliPseudoLocales, EveryTextComesFromTheCatalogue) {
    const struct {
        std::vector<std::string> args;
        std::string input;
    } runs[] = {
        {{"2005"}, ""},
        {{"--ordinal", "--feminine", "21"}, ""},
        {{"--font-text", "--ordinal", "1000001"}, ""},
        {{"--help"}, ""},
        {{"0", "xyz", "12,34", "21nd", "ⲁ̅ ⲃ̅"}, ""},
        {{"--practice", "--seed", "7", "--count", "3", "--up-to", "100"}, "5\n12\nfoo\n1\n"},
        {{"--practice", "--ask", "write-coptic", "--feminine", "--seed", "3", "--count", "2"}, "ⲁ̅\nⲟⲩⲁⲓ\n"},
    };
    for (const auto& [args, input] : runs) {
        // The number data of the answers, as the JSON lines give it, and what was typed.
        std::vector<std::string> data = args;
        std::istringstream typed(input);
        for (std::string line; std::getline(typed, line);) data.push_back(line);
        std::vector<std::string> asJson{"--json"};
        for (const std::string& arg : args)
            if (arg == "--ordinal" || arg == "--feminine") asJson.push_back(arg);
        for (const std::string& arg : args)
            if (!arg.starts_with("-") && std::isdigit(static_cast<unsigned char>(arg[0])) && arg != "0" && args.size() <= 3) {
                std::vector<std::string> one = asJson;
                one.push_back(arg);
                const Outcome j = cli(one);
                for (const char* member : {"english", "pronunciation", "coptic", "numerals"}) {
                    std::istringstream lines(j.out);
                    for (std::string line; std::getline(lines, line);)
                        if (!line.empty()) data.push_back(nlohmann::json::parse(line).value(member, ""));
                }
            }
        for (const auto& [code, open, close] : {std::tuple{"en-XA", "[", "]"},
                                                std::tuple{"ar-XB", "\u202E", "\u202C"}}) {
            std::vector<std::string> withLanguage = args;
            withLanguage.insert(withLanguage.begin(), {"--lang", code});
            const Outcome r = cli(withLanguage, input);
            const Outcome english = cli(args, input);
            EXPECT_NE(r.out + r.err, english.out + english.err) << code << " " << args.front();
            const std::string shown = withoutCatalogueText(r.out + r.err, open, close);
            for (const std::string& word : englishLeftIn(shown, data))
                ADD_FAILURE() << code << " " << args.front() << ": \"" << word << "\" did not come from the catalogue";
        }
    }
}

TEST(CliPseudoLocales, LanguagesAreChosenByCodeAndUnknownOnesRefused) {
    EXPECT_EQ(cli({"--lang", "en-XA", "2005"}).out.substr(0, 8), "\n[Ţĥé");
    const Outcome bidi = cli({"--lang", "ar-XB", "7"});
    EXPECT_EQ(bidi.out.substr(0, 7), "\n\u200F\u202E"); // RLM, then RLO before the first word
    EXPECT_NE(bidi.out.find("\n7\n"), std::string::npos); // the digits stay the number's own
    const Outcome unknown = cli({"--lang", "fr", "7"});
    EXPECT_EQ(unknown.status, 2);
    EXPECT_NE(unknown.err.find("en-XA"), std::string::npos); // the choices are named
}

} // namespace

namespace {

// An output that cannot be written (a full disk) ends every mode as a failure,
// saying why on standard error, never as a success with the answers lost.
TEST(CliOutput, AFullDiskIsNoSuccessInAnyMode) {
    const std::string numerals = testing::TempDir() + "numerals.txt";
    std::ofstream(numerals) << "ⲁⲩⲱ ⲓ̅ⲃ̅ ⲛ̀ⲣⲱⲙⲓ\n";
    const std::string errors = testing::TempDir() + "errors.txt";
    const struct {
        const char* args;
        const char* input;
    } runs[] = {{"5", ""},          {"--json 5", ""},           {"--lang ar 5", ""},
                {"--html 5", ""},   {"--date 2026-12-10", ""},  {"--coptic-date 1743-03-29", ""},
                {"--church-year 1743", ""}, {"--church-year 1743 --ics", ""}, {"--find NUMERALS", ""},
                {"", "1\n2\n3\n"},  {"--practice --count 1", "5\n"}};
    for (const auto& [args, input] : runs) {
        std::string command = std::string("printf '") + input + "' | " + ZEFNARO_CLI + " " + args;
        if (const auto at = command.find("NUMERALS"); at != std::string::npos) command.replace(at, 8, numerals);
        const int status = std::system((command + " >/dev/full 2>" + errors).c_str());
        std::stringstream said;
        said << std::ifstream(errors).rdbuf();
        EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) != 0) << args;
        EXPECT_NE(said.str().find("No space left on device"), std::string::npos) // the system says what failed
            << args << ": " << said.str();
        // The same run to a file succeeds.
        EXPECT_EQ(std::system((command + " >/dev/null 2>" + errors).c_str()), 0) << args;
    }
}

} // namespace

namespace {

// What the npm package answers (the page's "lines" call) is, line for line, what
// `zefnaro-cli --json` writes for the same input, refusals included.
TEST(CliJsonLines, ThePagesLinesAreTheCommandLines) {
    struct Case {
        const char* of;
        const char* input;
        std::vector<std::string> args;
        const char* form = nullptr;
    };
    const std::vector<Case> cases{
        {"number", "2005", {"--json", "2005"}},
        {"number", "ⲙⲁϩⲕ̅ⲁ̅ϯ", {"--json", "ⲙⲁϩⲕ̅ⲁ̅ϯ"}},
        {"number", "21", {"--json", "--ordinal", "--feminine", "21"}, "ordinal-feminine"},
        {"number", "xyz", {"--json", "xyz"}},
        {"number", "0", {"--json", "0"}},
        {"date", "2026-12-10", {"--date", "2026-12-10", "--json"}},
        {"date", "2026-02-30", {"--date", "2026-02-30", "--json"}},
        {"date", "0284-08-28", {"--date", "0284-08-28", "--json"}},
        {"coptic_date", "1743-13-06", {"--coptic-date", "1743-13-06", "--json"}},
        {"coptic_date", "1743-13-07", {"--coptic-date", "1743-13-07", "--json"}},
        {"church_year", "1743", {"--church-year", "1743", "--json"}},
        {"church_year", "ⲁ̿ⲯ̅ⲙ̅ⲇ̅", {"--church-year", "ⲁ̿ⲯ̅ⲙ̅ⲇ̅", "--json"}},
        {"church_year", "10000", {"--church-year", "10000", "--json"}},
    };
    for (const Case& c : cases) {
        nlohmann::json request{{"call", "lines"}, {"of", c.of}, {"input", c.input}, {"language", "en"}};
        if (c.form) request["form"] = c.form;
        std::string answer;
        zefnaro::page::answerCall(answer, request.dump());
        nlohmann::json expected = nlohmann::json::array();
        std::istringstream out(cli(c.args).out);
        for (std::string line; std::getline(out, line);)
            expected.push_back(nlohmann::json::parse(line));
        EXPECT_GE(expected.size(), 1u) << c.input;
        EXPECT_EQ(nlohmann::json::parse(answer)["lines"], expected) << c.of << " " << c.input;
    }
}

} // namespace
