// Reading every written form back: tables of each form and of each error.
#include "zefnaro/read.h"
#include "engine/engine.h"

#include <gtest/gtest.h>

#include <string>

using namespace zefnaro;

namespace {

struct Readable {
    const char* text;
    std::uint32_t number;
    WrittenForm form;
    Writing writing;
    bool ordinal;
    bool feminine;
};

constexpr auto digits = WrittenForm::digits;
constexpr auto english = WrittenForm::english;
constexpr auto coptic = WrittenForm::coptic;
constexpr auto spoken = WrittenForm::pronunciation;
constexpr auto numerals = WrittenForm::numerals;
constexpr auto font = Writing::fontText;
constexpr auto uni = Writing::unicode;

constexpr Readable readable[] = {
    // digits
    {"2005", 2005, digits, font, false, false},
    {"  1,234,567 ", 1234567, digits, font, false, false},
    {"007", 7, digits, font, false, false},
    {"\t7\r", 7, digits, font, false, false},
    {"21st", 21, digits, font, true, false},
    {"2,005TH", 2005, digits, font, true, false},
    {"999,999,999th", 999999999, digits, font, true, false},
    // English, any case, hyphens or blanks, with or without "and"
    {"Two Thousand Five", 2005, english, font, false, false},
    {"two thousand and five", 2005, english, font, false, false},
    {"Twenty-First", 21, english, font, true, false},
    {"TWENTY ONE", 21, english, font, false, false},
    {"one million", 1000000, english, font, false, false},
    {"One Hundredth", 100, english, font, true, false},
    {"One Thousand First", 1001, english, font, true, false},
    {"Nine Hundred and Ninety-Nine Million Nine Hundred and Ninety-Nine Thousand Nine Hundred "
     "and Ninety-Nine",
     999999999, english, font, false, false},
    // Coptic words in font text, with or without the jinkim
    {"`cnau `nso tiou", 2005, coptic, font, false, false},
    {"cnau nso tiou", 2005, coptic, font, false, false},
    {"mah jw] ou`i", 21, coptic, font, true, true},
    {"houit", 1, coptic, font, true, false},
    {"houi]", 1, coptic, font, true, true},
    {"so`nso", 1000000, coptic, font, false, false},
    {"`cnou] `nso`nso so tie", 2001005, coptic, font, false, true},
    {"map", 30, coptic, font, false, false}, // the same text as its pronunciation
    // "so" is a thousand in font text and a feminine six in pronunciation: the
    // Coptic text wins.
    {"so", 1000, coptic, font, false, false},
    {"mah so", 1000, coptic, font, true, false},
    // pronunciation
    {"esnav ensho tiw", 2005, spoken, font, false, false},
    {"mah gooti wee", 21, spoken, font, true, true},
    {"hwyt", 1, spoken, font, true, false},
    {"shoensho", 1000000, spoken, font, false, false},
    // Coptic words in Unicode, with or without the jinkim, any case
    {"ⲥ̀ⲛⲁⲩ ⲛ̀ϣⲟ ⲧⲓⲟⲩ", 2005, coptic, uni, false, false},
    {"ⲥⲛⲁⲩ ⲛϣⲟ ⲧⲓⲟⲩ", 2005, coptic, uni, false, false},
    {"ⲤⲚⲀⲨ ⲚϢⲞ ⲦⲒⲞⲨ", 2005, coptic, uni, false, false},
    {"ⲙⲁϩ ϫⲱϯ ⲟⲩⲓ̀", 21, coptic, uni, true, true},
    // Unmarked letters that are also words: the words win ("ⲥⲉ" is sixty, not 205).
    {"ⲥⲉ", 60, coptic, uni, false, false},
    // numerals in Unicode, as the report writes them and as people type them
    {"ⲃ̿ⲉ̅", 2005, numerals, uni, false, false},
    {"ⲙⲁϩ ⲕ̅ⲁ̅ϯ", 21, numerals, uni, true, true},
    {"ϣ̿̅ϥ̿̅ⲑ̿̅ϣ̿ϥ̿ⲑ̿ϣ̅ϥ̅ⲑ̅", 999999999, numerals, uni, false, false},
    {"ⲕ̄ⲁ̄", 21, numerals, uni, false, false},
    {"ⲃ̅̅ⲉ̅", 2005, numerals, uni, false, false},
    {"ⲁ̅̿", 1000000, numerals, uni, false, false},
    {"ⲥ̅ⲉ̅", 205, numerals, uni, false, false},
    {"ⲕⲁ", 21, numerals, uni, false, false},
    {"ⲢⲔⲀ", 121, numerals, uni, false, false},
    {"ⳁ̅", 900, numerals, uni, false, false},
    {"ⲁ̿̅ⲁ̿ⲁ̅", 1001001, numerals, uni, false, false},
    // numerals in font text
    // as scholars and text tools write them
    {"ⲃ̱ⲉ̅", 2005, numerals, uni, false, false},        // stroke below: thousands
    {"͵ⲃⲉ̅", 2005, numerals, uni, false, false},        // lower numeral sign before thousands
    {"ⲕ͵ⲁ", 20001, numerals, uni, false, false},        // the sign parting thousands from units
    {"͵ⲃⲉ", 2005, numerals, uni, false, false},         // the sign, units unmarked
    {"ⲃ͵ⲓⲇ", 2014, numerals, uni, false, false},
    // years as calendars print them: a stroke over every letter
    {"ⲁ̅ⲯ̅ⲗ̅ⲉ̅", 1735, numerals, uni, false, false},
    {"ⲁ̅ⲫ̅ⲝ̅ⲉ̅", 1565, numerals, uni, false, false},
    {"ⲃ̅ⲣ̅", 2100, numerals, uni, false, false},
    {"Ⲁ̅Ⲯ̅Ⲗ̅Ⲉ̅", 1735, numerals, uni, false, false},
    {"ⲕⲁʹ", 21, numerals, uni, false, false},           // keraia U+02B9
    {"ⲕⲁʹ", 21, numerals, uni, false, false},           // keraia U+0374
    {"ⲕ̅ⲁ̅ϯ̅", 21, numerals, uni, false, true},          // stroke over the feminine ending
    {"ⲙⲁϩⲕ̅ⲁ̅ϯ", 21, numerals, uni, true, true},         // ordinal prefix joined
    {"ⲙⲁϩⲥ̀ⲛⲁⲩ", 2, coptic, uni, true, false},
    {"ⲃ̿ ⲉ̅", 2005, numerals, uni, false, false},        // blank between ranks
    {"ⲁ̿̅ ⲃ̿ ⲉ̅", 1002005, numerals, uni, false, false},
    {"ⲃ̿ⲉ̅.", 2005, numerals, uni, false, false},        // final full stop
    {"Ëb=e", 2005, numerals, font, false, false},
    {"mah =k=a]", 21, numerals, font, true, true},
    {"ÌsÌfÌ:ËsËfË:=s=f=:", 999999999, numerals, font, false, false},
    {"Ë|=;", 60009, numerals, font, false, false},
};

TEST(ReadWrittenNumber, EveryForm) {
    for (const Readable& r : readable) {
        const ReadResult result = readWrittenNumber(r.text);
        ASSERT_TRUE(result.ok()) << r.text << ": " << result.error.message;
        EXPECT_EQ(result.reading.number, r.number) << r.text;
        EXPECT_EQ(result.reading.written, r.form) << r.text;
        if (r.form == coptic || r.form == numerals) {
            EXPECT_EQ(result.reading.writing, r.writing) << r.text;
        }
        EXPECT_EQ(result.reading.form.ordinal(), r.ordinal) << r.text;
        EXPECT_EQ(result.reading.form.feminine(), r.feminine) << r.text;
    }
}

// Each unreadable text and a piece of the message that says what and where.
constexpr std::pair<const char*, const char*> unreadable[] = {
    {"", "empty input"},
    {"   ", "empty input"},
    {"0", "The number 0 (zero) does not exist in Coptic"},
    {"1000000000", "too large"},
    {"-5", "negative"},
    {"+5", "without a sign"},
    {"1.5", "fractions"},
    {"1,23", "commas must group the digits in threes"},
    {"1234,567", "commas must group"},
    {",123", "not a number"},
    {"1,,234", "commas must group"},
    {"1.0", "fractions"},
    {"99999999999999999999", "too large"},
    {"0,000", "The number 0 (zero) does not exist in Coptic"},
    {"12abc", "not a number: \"a\" at character 3"},
    {"1 2", "not a number: \" \" at character 2"},
    {"&HFF", "not a number: \"&hff\" at character 1"},
    {"1E3", "not a number"},
    {"21th", "21 takes the suffix \"st\", not \"th\" at character 3"},
    // scholarly conventions keep the grammar's rules
    {"ⲃ̅ ⲉ̅", "the blank before \"ⲉ̅\" at character 3 stands inside a rank"},
    {"ⲉ̅ ⲃ̿", "thousands must come before units"},
    {"ⲃ̱̿", "name no place"},
    {"ⲉ͵", "needs a letter after it"},
    {"͵ⲃ̿̅", "marked both as thousands and as another rank"},
    {"ⲕ̅ⲁ̅..", "\".\" at character 3 is no numeral letter"},
    {"21xx", "\"xx\" at character 3 is no ordinal suffix"},
    {"\xff\xfe", "invalid UTF-8 at character 1"},
    {"zero", "\"zero\" at character 1 is no word of a number"},
    {"First Thousand", "\"first\" at character 1 must be the last word"},
    {"twenty twenty", "\"twenty\" at character 8 cannot stand here"},
    {"one hundred and", "ends on \"and\""},
    {"and one", "\"and\" at character 1 belongs after hundred"},
    {"one-hundred", "hyphen at character 4 belongs between tens and units"},
    {"mah ouai", "the ordinal of one is \"houit\""},
    {"`cnau `nso tie", "mix masculine and feminine"},
    {"ouai `nso", "do not form a number"},
    {"so so", "cannot follow the smaller groups"},
    {"so`nso so`nso", "cannot follow the smaller groups"},
    {"tiou so`nso", "do not form a number"},
    // Positions count what a reader sees: a letter with its marks is one character.
    {"ⲥ̀ⲛⲁⲩ ⲛ̀ϣⲟ xyz", "\"xyz\" at character 10"},
    {"ⲃ̿ⲃ̿", "\"ⲃ̿\" at character 2: the thousands already have a units letter"},
    {"ⲁ̅ⲃ̅", "\"ⲃ̅\" at character 2: the units already have a units letter (each place at most once); for 1,002 write ⲁ̿ⲃ̅"},
    {"ⲃ̅ⲓ̅", "tens must come before units; for 2,010 write ⲃ̿ⲓ̅"},
    {"ⲣ̅ⲁ̅ⲓ̅", "tens must come before units: expected"}, // no year: no hint
    {"ⲓ̅ⲣ̅", "\"ⲣ̅\" at character 2: hundreds must come before tens"},
    {"ⲁ̅ⲁ̿", "\"ⲁ̿\" at character 2: thousands must come before units"},
    {"ⲃ̿ⲉ", "\"ⲉ\" at character 2 has no place mark"},
    {"ⲁ̅̅̅", "name no place"},
    {"ⲃ̿ϧ̅", "\"ϧ\" at character 2 is no numeral letter"},
    {"=a=b", "the units already have a units letter"},
    {"Ëb=e=", "needs a numeral letter after it"},
};

TEST(ReadWrittenNumber, ErrorsSayWhatAndWhere) {
    for (const auto& [text, message] : unreadable) {
        const ReadResult result = readWrittenNumber(text);
        EXPECT_FALSE(result.ok()) << text << " read as " << result.reading.number;
        EXPECT_NE(result.error.message.find(message), std::string::npos) << text << ": " << result.error.message;
        // Where the message names a character, the error's position is that one.
        const std::string& m = result.error.message;
        if (const auto at = m.find("at character "); at != std::string::npos) {
            EXPECT_EQ(result.error.position, std::stoul(m.substr(at + 13))) << text;
        }
    }
    // Every message but zero's names the range.
    EXPECT_NE(readWrittenNumber("abc").error.message.find("from 1 to 999,999,999"), std::string::npos);
}

// What a program can tell apart without reading the English.
TEST(ReadWrittenNumber, ErrorCodes) {
    using C = ReadErrorCode;
    const std::pair<const char*, C> rows[] = {
        {"", C::empty},           {"\xff", C::invalidUtf8},       {"0", C::zero},
        {"1000000000", C::tooLarge}, {"-5", C::notWhole},         {"1.5", C::notWhole},
        {"zero", C::unknownWord}, {"12abc", C::unknownWord},      {"ⲃ̿ϧ̅", C::unknownWord},
        {"ⲓ̅ⲣ̅", C::misplaced},     {"twenty twenty", C::misplaced}, {"1,23", C::misplaced},
        {"`cnau `nso tie", C::mixedGenders}, {"ⲥ̀ⲛⲁⲩ ⲛ̀ϣⲟ ⲧⲓⲉ", C::mixedGenders},
    };
    for (const auto& [text, code] : rows)
        EXPECT_EQ(readWrittenNumber(text).error.code, code) << text;
    EXPECT_EQ(readWrittenNumberAs("two", WrittenForm::coptic).error.code, C::wrongForm);
    EXPECT_EQ(readWrittenNumber("7").error.code, C::none);
}

TEST(ReadWrittenNumber, FormNames) {
    EXPECT_EQ(formName(digits), "digits");
    EXPECT_EQ(formName(english), "english");
    EXPECT_EQ(formName(coptic), "coptic");
    EXPECT_EQ(formName(spoken), "pronunciation");
    EXPECT_EQ(formName(numerals), "numerals");
}

} // namespace
