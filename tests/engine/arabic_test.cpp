// Arabic number words: the grammar's cases written out, every word read back, and
// the ways people type them.
#include "zefnaro/arabic.h"
#include "zefnaro/date.h"
#include "zefnaro/message.h"
#include "zefnaro/read.h"
#include "engine/read_reason.h"

#include <gtest/gtest.h>

#include <random>
#include <set>
#include <vector>
#include <string>

using namespace zefnaro;

namespace {

constexpr Form cardinalM{Kind::cardinal, Gender::masculine};
constexpr Form cardinalF{Kind::cardinal, Gender::feminine};
constexpr Form ordinalM{Kind::ordinal, Gender::masculine};
constexpr Form ordinalF{Kind::ordinal, Gender::feminine};

TEST(ArabicWords, TheGrammarsCases) {
    const struct {
        std::uint32_t number;
        Form form;
        const char* words;
    } rows[] = {
        // the cases ICU 72 gets wrong
        {1741, cardinalM, "ألف وسبعمائة وواحد وأربعون"},
        {11, cardinalM, "أحد عشر"},
        {3, cardinalF, "ثلاث"},
        {13000, cardinalM, "ثلاثة عشر ألفًا"},
        {103000, cardinalM, "مائة وثلاثة آلاف"},
        {200000, cardinalM, "مائتا ألف"},
        {2000000, cardinalM, "مليونان"},
        {3000000, cardinalM, "ثلاثة ملايين"},
        // polarity: 3..10 take the other gender's form, 1 and 2 agree
        {1, cardinalF, "واحدة"},
        {2, cardinalF, "اثنتان"},
        {3, cardinalM, "ثلاثة"},
        {8, cardinalM, "ثمانية"},
        {8, cardinalF, "ثمانٍ"},
        {10, cardinalM, "عشرة"},
        {10, cardinalF, "عشر"},
        {11, cardinalF, "إحدى عشرة"},
        {12, cardinalM, "اثنا عشر"},
        {12, cardinalF, "اثنتا عشرة"},
        {13, cardinalF, "ثلاث عشرة"},
        {18, cardinalF, "ثماني عشرة"},
        {21, cardinalM, "واحد وعشرون"},
        {21, cardinalF, "إحدى وعشرون"},
        {22, cardinalF, "اثنتان وعشرون"},
        {28, cardinalF, "ثمانٍ وعشرون"},
        {99, cardinalM, "تسعة وتسعون"},
        // hundreds in one word; the counts of ألف and مليون masculine, whatever the gender
        {300, cardinalF, "ثلاثمائة"},
        {800, cardinalM, "ثمانمائة"},
        {2005, cardinalM, "ألفان وخمسة"},
        {2005, cardinalF, "ألفان وخمس"},
        {3000, cardinalF, "ثلاثة آلاف"},
        {10000, cardinalM, "عشرة آلاف"},
        {99000, cardinalM, "تسعة وتسعون ألفًا"},
        {100000, cardinalM, "مائة ألف"},
        {111000, cardinalM, "مائة وأحد عشر ألفًا"},
        {101000, cardinalM, "مائة ألف وألف"},
        {102000, cardinalM, "مائة ألف وألفان"},
        {11000000, cardinalM, "أحد عشر مليونًا"},
        {300000000, cardinalM, "ثلاثمائة مليون"},
        {999999999, cardinalM,
         "تسعمائة وتسعة وتسعون مليونًا وتسعمائة وتسعة وتسعون ألفًا وتسعمائة وتسعة وتسعون"},
        // ordinals
        {1, ordinalM, "الأول"},
        {1, ordinalF, "الأولى"},
        {2, ordinalF, "الثانية"},
        {10, ordinalM, "العاشر"},
        {11, ordinalM, "الحادي عشر"},
        {11, ordinalF, "الحادية عشرة"},
        {12, ordinalM, "الثاني عشر"},
        {13, ordinalF, "الثالثة عشرة"},
        {20, ordinalF, "العشرون"},
        {21, ordinalM, "الحادي والعشرون"},
        {21, ordinalF, "الحادية والعشرون"},
        {99, ordinalF, "التاسعة والتسعون"},
        {101, ordinalM, "الحادي بعد المائة"},
        {121, ordinalM, "الحادي والعشرون بعد المائة"},
        {2005, ordinalM, "الخامس بعد الألفين"},
        {100, ordinalM, "المائة"},
        {200, ordinalF, "المائتان"},
        {1000, ordinalM, "الألف"},
        // after بعد every dual and every اثنا/اثنتا is genitive
        {200001, ordinalM, "الحادي بعد المائتي ألف"},
        {200001, ordinalF, "الحادية بعد المائتي ألف"},
        {202000001, ordinalM, "الحادي بعد المائتي مليون والمليونين"},
        {202000001, ordinalF, "الحادية بعد المائتي مليون والمليونين"},
        {1200001, ordinalM, "الحادي بعد المليون والمائتي ألف"},
        {1200001, ordinalF, "الحادية بعد المليون والمائتي ألف"},
        {12000005, ordinalM, "الخامس بعد الاثني عشر مليونًا"},
        {12000005, ordinalF, "الخامسة بعد الاثني عشر مليونًا"},
        {112000001, ordinalM, "الحادي بعد المائة والاثني عشر مليونًا"},
        {112000001, ordinalF, "الحادية بعد المائة والاثني عشر مليونًا"},
        {2000201, ordinalF, "الحادية بعد المليونين والمائتين"},
        {200001, cardinalM, "مائتا ألف وواحد"},
    };
    for (const auto& r : rows)
        EXPECT_EQ(writeArabic(r.number, r.form).words, r.words) << r.number;
}

TEST(ArabicWords, DigitsAndTheEdges) {
    EXPECT_EQ(writeArabic(2005).digits, "٢٬٠٠٥");
    EXPECT_EQ(writeArabic(999999999).digits, "٩٩٩٬٩٩٩٬٩٩٩");
    EXPECT_EQ(writeArabic(7).digits, "٧");
    for (const std::uint32_t outside : {0u, 1000000000u}) {
        EXPECT_TRUE(writeArabic(outside).words.empty());
        EXPECT_TRUE(writeArabic(outside).digits.empty());
    }
}

// Every word written reads back as its number and form; the gender only where the
// two genders' words differ (عشرون is both).
void expectReadBack(std::uint32_t n) {
    for (const Form form : {cardinalM, cardinalF, ordinalM, ordinalF}) {
        const std::string words = writeArabic(n, form).words;
        const ReadResult r = readWrittenNumber(words);
        ASSERT_TRUE(r.ok()) << n << ' ' << words << ": " << r.error.message;
        ASSERT_EQ(r.reading.number, n) << words;
        ASSERT_EQ(r.reading.written, WrittenForm::arabic) << words;
        ASSERT_EQ(r.reading.form.kind, form.kind) << words;
        const Form other{form.kind, form.feminine() ? Gender::masculine : Gender::feminine};
        if (writeArabic(n, other).words != words) {
            ASSERT_EQ(r.reading.form.gender, form.gender) << words;
        }
    }
    const ReadResult d = readWrittenNumber(writeArabic(n).digits);
    ASSERT_TRUE(d.ok() && d.reading.number == n && d.reading.written == WrittenForm::digits) << n;
}

TEST(ArabicWords, EveryWordReadsBack) {
    for (std::uint32_t n = 1; n <= 3000; ++n)
        expectReadBack(n);
    std::mt19937 random(20261209);
    std::uniform_int_distribution<std::uint32_t> any(1, 999999999);
    for (int i = 0; i < 20000; ++i)
        expectReadBack(any(random));
    for (const std::uint32_t n : {100000u, 101000u, 102000u, 201000u, 1000000u, 1001000u, 2000000u,
                                  100100000u, 999999999u})
        expectReadBack(n);
}

TEST(ArabicWords, WhatPeopleTypeIsRead) {
    const struct {
        const char* text;
        std::uint32_t number;
        bool ordinal, feminine;
    } rows[] = {
        {"الفان وخمسة", 2005, false, false},   // no hamza
        {"اربعه", 4, false, false},            // ه for ة
        {"ثمانى", 8, false, true},             // ى for ي
        {"ثمان", 8, false, true},
        {"ثماني", 8, false, true},
        {"ثلاث مائة", 300, false, false},      // hundreds in two words
        {"ثماني مائة", 800, false, false},
        {"ثلاثمئة", 300, false, false},        // مئة
        {"مئة ألف", 100000, false, false},
        {"أحد عشر ألفاً", 11000, false, false}, // the tanween on the alif, on the letter before, or none
        {"أحد عشر ألفًا", 11000, false, false},
        {"أحد عشر ألفا", 11000, false, false},
        {"اثني عشر", 12, false, false},        // the oblique case
        {"عشرين", 20, false, false},
        {"ألفين", 2000, false, false},
        {"مائتين", 200, false, false},
        {"واحدة وعشرون", 21, false, true},    // واحدة in a compound
        {"ألف و خمسة", 1005, false, false},    // و standing apart
        {"الثانى عشر", 12, true, false},
        {"الخامسة بعد الالفين", 2005, true, true},
        {"  ٢٬٠٠٥ ", 2005, false, false},       // Arabic-Indic digits, with ٬ or , or none
        {"٢,٠٠٥", 2005, false, false},
        {"٢٠٠٥", 2005, false, false},
        {"۲۰۰۵", 2005, false, false},          // Eastern Arabic digits
    };
    for (const auto& r : rows) {
        const ReadResult read = readWrittenNumber(r.text);
        ASSERT_TRUE(read.ok()) << r.text << ": " << read.error.message;
        EXPECT_EQ(read.reading.number, r.number) << r.text;
        EXPECT_EQ(read.reading.form.ordinal(), r.ordinal) << r.text;
        EXPECT_EQ(read.reading.form.feminine(), r.feminine) << r.text;
    }
}

TEST(ArabicWords, WhatIsNoNumberIsSaid) {
    const struct {
        const char* text;
        ReadErrorCode code;
        std::size_t position;
    } rows[] = {
        {"ألف كتاب", ReadErrorCode::unknownWord, 5},
        {"خمسة ثلاثة", ReadErrorCode::misplaced, 6},
        {"ألف ألف", ReadErrorCode::misplaced, 5},
        {"عشرون وخمسة", ReadErrorCode::misplaced, 7},
        {"خمسة آلاف وألفان", ReadErrorCode::misplaced, 11},
        {"وخمسة", ReadErrorCode::misplaced, 1},
        {"الخمسة", ReadErrorCode::misplaced, 1},
    };
    for (const auto& r : rows) {
        const ReadResult read = readWrittenNumber(r.text);
        ASSERT_FALSE(read.ok()) << r.text << " read as " << read.reading.number;
        EXPECT_EQ(read.error.code, r.code) << r.text << ": " << read.error.message;
        EXPECT_EQ(read.error.position, r.position) << r.text << ": " << read.error.message;
    }
}

// The pronunciation in Arabic letters, letter by letter through the Church's table:
// every word the pronunciation line can hold, reviewed one by one.
TEST(ArabicPronunciation, EveryWordByTheLetterTable) {
    const struct {
        std::uint32_t number;
        Form form;
        const char* letters;
    } rows[] = {
        {1, cardinalM, "أوأي"},         {1, cardinalF, "أوي"},          {2, cardinalM, "إسناف"},
        {2, cardinalF, "إسنوتي"},       {3, cardinalM, "شومت"},         {3, cardinalF, "شومتي"},
        {4, cardinalM, "إفتوو"},        {4, cardinalF, "إفتوإ"},        {5, cardinalM, "تيو"},
        {5, cardinalF, "تيإ"},          {6, cardinalM, "سوو"},          {6, cardinalF, "سو"},
        {7, cardinalM, "شاشف"},         {7, cardinalF, "شاشفي"},        {8, cardinalM, "إشمين"},
        {8, cardinalF, "إشميني"},       {9, cardinalM, "بسيت"},         {9, cardinalF, "بسيتي"},
        {10, cardinalM, "ميت"},         {10, cardinalF, "ميتي"},        {11, cardinalM, "ميتوأي"},
        {12, cardinalF, "ميتيسنوتي"},   {14, cardinalM, "ميتيفتوو"},    {16, cardinalF, "ميتسو"},
        {20, cardinalM, "جوت"},         {20, cardinalF, "جوتي"},        {30, cardinalM, "ماب"},
        {40, cardinalM, "إهمي"},        {50, cardinalM, "تيوي"},        {60, cardinalM, "سي"},
        {70, cardinalM, "إشفي"},        {80, cardinalM, "خامني"},       {90, cardinalM, "بيستيوي"},
        {100, cardinalM, "شي"},         {200, cardinalM, "إسناف إنشي"}, {1000, cardinalM, "شو"},
        {2005, cardinalM, "إسناف إنشو تيو"},
        {1000000, cardinalM, "شو إنشو"}, // a jinkim after a vowel begins a word: no hamza inside one
        {2000000, cardinalM, "إسناف إنشو إنشو"},
        {1, ordinalM, "هويت"},          {1, ordinalF, "هويتي"},         {21, ordinalF, "ماه جوتي أوي"},
        {1743, cardinalM, "شو شاشف إنشي نيم إهمي شومت"},
    };
    for (const auto& r : rows)
        EXPECT_EQ(writeArabic(r.number, r.form).pronunciation, r.letters) << r.number;
}

// Every pronunciation Zefnaro writes in Arabic letters reads back as its number and
// form, however the reader varies hamza, ى/ي and the spaces; where Coptic tells
// the genders apart, so do the Arabic letters.
TEST(ArabicPronunciation, EveryPronunciationReadsBack) {
    std::vector<std::uint32_t> numbers;
    for (std::uint32_t n = 1; n <= 3000; ++n)
        numbers.push_back(n);
    std::mt19937 random(1741);
    for (int i = 0; i < 20000; ++i)
        numbers.push_back(std::uniform_int_distribution<std::uint32_t>(1, largestNumber)(random));
    const auto plain = [](std::string text) { // as a reader may type it: no hamza, no spaces
        for (const auto& [from, to] : {std::pair<std::string, std::string>{"أ", "ا"}, {"إ", "ا"}, {" ", ""}})
            for (std::size_t at; (at = text.find(from)) != std::string::npos;)
                text.replace(at, from.size(), to);
        return text;
    };
    for (const std::uint32_t n : numbers)
        for (const Form form : {cardinalM, cardinalF, ordinalM, ordinalF}) {
            const std::string letters = writeArabic(n, form).pronunciation;
            for (const std::string& text : {letters, plain(letters)}) {
                const ReadResult read = readWrittenNumber(text);
                ASSERT_TRUE(read.ok()) << n << " " << text << ": " << read.error.message;
                ASSERT_EQ(read.reading.number, n) << text;
                ASSERT_EQ(read.reading.written, WrittenForm::arabicPronunciation) << text;
                ASSERT_EQ(read.reading.form.ordinal(), form.ordinal()) << text;
                // Where the Coptic words are alike in both genders, the masculine is read.
                const bool alike = writeArabic(n, {form.kind, Gender::masculine}).pronunciation ==
                                   writeArabic(n, {form.kind, Gender::feminine}).pronunciation;
                ASSERT_EQ(read.reading.form.feminine(), form.feminine() && !alike) << text;
            }
        }
    for (const auto& [text, number] : {std::pair{"أوأى", 1u}, {"اواي", 1u}, {"شوإنشو", 1000000u},
                                       {"  إسناف   إنشو تيو ", 2005u}, {"ميت يسناف", 12u}})
        EXPECT_EQ(readWrittenNumber(text).reading.number, number) << text;
    EXPECT_FALSE(readWrittenNumber("شو إنشو سي سي").ok());
}

TEST(ArabicNames, MonthsAndWeekdays) {
    EXPECT_EQ(arabicMonthName(1), "توت");
    EXPECT_EQ(arabicMonthName(4), "كيهك");
    EXPECT_EQ(arabicMonthName(13), "النسيء");
    EXPECT_EQ(arabicMonthName(14), "");
    EXPECT_EQ(arabicWeekdayName({2026, 12, 9}), "الأربعاء");
    EXPECT_EQ(arabicWeekdayName({2026, 12, 11}), "الجمعة");
    EXPECT_EQ(arabicWeekdayName({2026, 2, 30}), "");
}

} // namespace

namespace {

// Every reason the reader gives has its Arabic: whatever English is left in an
// Arabic message is quoted from the text itself, inside an isolate.
TEST(ArabicMessages, EveryReasonIsSaidInArabic) {
    const char* pieces[] = {"ⲁ", "ⲃ̅", "ⲓ̅", "ⲥ̅", "ⲃ̿", "ⲁ̿̅", "ϩ", "ⲙⲁϩ", " ", "͵", "ⲉ", "ϯ", "=a", "Ëb",
                            "=", "q", "21", "th", "nd", ",", "-", "+", ".", "1,23", "and", "four",
                            "hundred", "thousand", "ⲥ̀ⲛⲁⲩ", "ⲛ̀ϣⲟ", "ⲧⲓⲟⲩ", "0", "1234567890", "ⲇ̿̿",
                            "first", "mah", "ألف", "خمسة", "و", "الثالث", "بعد", "عشر", "كتاب", "\xff"};
    std::mt19937 random(35);
    std::uniform_int_distribution<std::size_t> piece(0, std::size(pieces) - 1), length(1, 4);
    std::set<ReadReason> seen;
    for (int i = 0; i < 20000; ++i) {
        std::string text;
        for (std::size_t k = length(random); k > 0; --k)
            text += pieces[piece(random)];
        const ExplainedReading read = readExplained(text);
        if (read.result.ok()) continue;
        seen.insert(read.why.reason);
        EXPECT_EQ(readerMessage(read.why, Language::english), read.result.error.message) << text;
        const std::string arabic = readerMessage(read.why, Language::arabic);
        bool isolated = false, bare = false;
        for (std::size_t at = 0; at < arabic.size(); ++at) {
            if (arabic.compare(at, 3, "\u2068") == 0) isolated = true;
            if (arabic.compare(at, 3, "\u2069") == 0) isolated = false;
            const char c = arabic[at];
            bare = bare || (!isolated && ((c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z')) &&
                            arabic.find("UTF-8") == std::string::npos);
        }
        EXPECT_FALSE(bare) << text << ": " << arabic;
    }
    EXPECT_GE(seen.size(), 20u); // the corpus reaches most reasons
    // The rank of one stroke is named as such: الآحاد is the ones' place only.
    EXPECT_NE(readWrittenNumber("ⲓ̅ⲕ̅", "ar").error.message.find("في مرتبة الخط الواحد حرف في منزلة العشرات من قبل"),
              std::string::npos);
}

} // namespace
