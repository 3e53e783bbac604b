// The JSON lines, literal: what tools that read zefnaro-cli --json rely on, member
// by member and in order; and for any number, a line any JSON parser reads, whose
// numeral values add up to the number.
#include "export/json.h"
#include "export/json_lines.h"
#include "zefnaro/find.h"
#include "zefnaro/read.h"

#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

#include <random>
#include <string>
#include <vector>

using namespace zefnaro;

namespace {

std::string numberLine(std::string_view input, std::optional<Form> form = std::nullopt) {
    const ReadResult read = readWrittenNumber(input);
    std::string out;
    json::appendNumberLine(out, input, read.reading, form.value_or(read.reading.form));
    return out;
}

TEST(JsonLines, Literal) {
    EXPECT_EQ(numberLine("21st"),
              R"({"input":"21st","number":21,"read_as":"digits","ordinal":true,"masculine":true,)"
              R"("digits":"21st","english":"Twenty-First","arabic":"الحادي والعشرون","arabic_digits":"٢١",)"
              R"("coptic":"mah jwt ouai","pronunciation":)"
              R"("mah goot way","pronunciation_arabic":"ماه جوت أوأي","numerals":"mah =k=a","coptic_unicode":"ⲙⲁϩ ϫⲱⲧ ⲟⲩⲁⲓ","numerals_unicode":)"
              R"("ⲙⲁϩ ⲕ̅ⲁ̅","numeral_values":[["ⲕ̅",20],["ⲁ̅",1]]})"
              "\n");
    EXPECT_EQ(numberLine("1000001", Form{Kind::cardinal, Gender::feminine}),
              R"({"input":"1000001","number":1000001,"read_as":"digits","ordinal":false,"masculine":false,)"
              R"("digits":"1,000,001","english":"One Million One","arabic":"مليون وواحدة",)"
              R"("arabic_digits":"١٬٠٠٠٬٠٠١","coptic":"so`nso ou`i","pronunciation":)"
              R"("shoensho wee","pronunciation_arabic":"شو إنشو أوي","numerals":"Ìa=a]","coptic_unicode":"ϣⲟⲛ̀ϣⲟ ⲟⲩⲓ̀","numerals_unicode":"ⲁ̿̅ⲁ̅ϯ",)"
              R"("numeral_values":[["ⲁ̿̅",1000000],["ⲁ̅",1]]})"
              "\n");
    std::string day;
    json::appendDateLine(day, firstCopticDate);
    EXPECT_EQ(day, R"({"gregorian":"0284-08-29","weekday":"Friday","weekday_arabic":"الجمعة","coptic_year":1,"coptic_month":1,)"
                   R"("coptic_day":1,"month_coptic":"Ⲑⲱⲟⲩⲧ","month_font_text":":wout","month_pronunciation":)"
                   R"("Thoout","month_english":"Thout","month_arabic":"توت","day_numerals":"ⲁ̅","year_numerals":"ⲁ̅","day_coptic":)"
                   R"("ⲟⲩⲁⲓ","year_coptic":"ⲟⲩⲁⲓ","day_pronunciation":"way","year_pronunciation":"way",)"
                   R"("observances":["nayrouz","weekly_fast"]})"
                   "\n");
    std::string found;
    for (const FoundNumeral& f : findNumerals("ⲁⲩⲱ ⲓ̅ⲃ̅\nⲙⲁϩ ⲕ̅ⲁ̅ϯ ⲫⲣⲉⲅ̅"))
        json::appendFoundLine(found, f);
    EXPECT_EQ(found,
              R"({"line":1,"column":5,"text":"ⲓ̅ⲃ̅","number":12,"ordinal":false,"masculine":true,"kind":"numeral"})"
              "\n"
              R"({"line":2,"column":1,"text":"ⲙⲁϩ ⲕ̅ⲁ̅ϯ","number":21,"ordinal":true,"masculine":false,"kind":"numeral"})"
              "\n"
              R"({"line":2,"column":10,"text":"ⲣⲉⲅ̅","number":"1/3","ordinal":false,"masculine":true,)"
              R"("kind":"fraction","denominator":3})"
              "\n");
    std::string rejected;
    json::appendRejectLine(rejected, "a\"\\\x01", "why\n");
    EXPECT_EQ(rejected, R"({"input":"a\"\\\u0001","error":"why\n"})"
                        "\n");
    std::string empty, members;
    json::Object(empty).end(false);
    json::Object(members).number("n", -12).boolean("b", false).text("t", "").end(false);
    EXPECT_EQ(empty, "{}");
    EXPECT_EQ(members, R"({"n":-12,"b":false,"t":""})");
}

TEST(JsonLines, AnyNumberInAnyFormParsesAndItsValuesAddUp) {
    const std::vector<std::string> names = {"input",         "number",   "read_as",  "ordinal",
                                            "masculine",     "digits",   "english",  "arabic",
                                            "arabic_digits", "coptic",
                                            "pronunciation", "pronunciation_arabic", "numerals", "coptic_unicode",
                                            "numerals_unicode", "numeral_values"};
    std::mt19937 gen(34);
    std::uniform_int_distribution<std::uint32_t> pick(1, largestNumber);
    for (int i = 0; i < 3000; ++i) {
        const std::uint32_t n = i < 100 ? static_cast<std::uint32_t>(i + 1) : pick(gen);
        const Form form{i % 2 ? Kind::ordinal : Kind::cardinal, i % 4 >= 2 ? Gender::feminine : Gender::masculine};
        const std::string line = numberLine(std::to_string(n), form);
        ASSERT_EQ(line.back(), '\n');
        const auto parsed = nlohmann::ordered_json::parse(line);
        std::vector<std::string> keys;
        for (const auto& [key, value] : parsed.items())
            keys.push_back(key);
        ASSERT_EQ(keys, names) << n;
        std::uint64_t sum = 0;
        for (const auto& pair : parsed["numeral_values"])
            sum += pair[1].get<std::uint64_t>();
        ASSERT_EQ(sum, n) << line;
        ASSERT_EQ(parsed["ordinal"], form.ordinal());
        ASSERT_EQ(parsed["masculine"], form.masculine());
    }
}

} // namespace
