#include "child_process.h"

#include <gtest/gtest.h>

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

TEST(Cli, JsonLinesInInputOrder) {
    const Outcome r = cli({"--json", "12,345", "0", "7"});
    EXPECT_EQ(r.status, 1);
    EXPECT_EQ(
        r.out,
        "{\"input\":\"12,345\",\"number\":12345,\"read_as\":\"digits\",\"ordinal\":false,"
        "\"masculine\":true,"
        "\"digits\":\"12,345\",\"english\":\"Twelve Thousand Three Hundred and Forty-Five\","
        "\"coptic\":\"met`cnau `nso somt `nse nem `hme tiou\",\"pronunciation\":\"metesnav "
        "ensho shomt enshay nem ehmay tiw\",\"numerals\":\"ËiËb=t=m=e\","
        "\"coptic_unicode\":\"ⲙⲉⲧⲥ̀ⲛⲁⲩ ⲛ̀ϣⲟ ϣⲟⲙⲧ ⲛ̀ϣⲉ ⲛⲉⲙ ϩ̀ⲙⲉ ⲧⲓⲟⲩ\","
        "\"numerals_unicode\":\"ⲓ̿ⲃ̿ⲧ̅ⲙ̅ⲉ̅\",\"numeral_values\":[[\"ⲓ̿\",10000],[\"ⲃ̿\",2000],"
        "[\"ⲧ̅\",300],[\"ⲙ̅\",40],[\"ⲉ̅\",5]]}\n"
        "{\"input\":\"0\",\"error\":\"The number 0 (zero) does not exist in Coptic\"}\n"
        "{\"input\":\"7\",\"number\":7,\"read_as\":\"digits\",\"ordinal\":false,\"masculine\":true,"
        "\"digits\":\"7\",\"english\":\"Seven\",\"coptic\":\"sasf\",\"pronunciation\":"
        "\"shashf\",\"numerals\":\"=z\",\"coptic_unicode\":\"ϣⲁϣϥ\","
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
}

} // namespace
