#include "engine/numbers.h"
#include "engine/say.h"
#include "practice/keypad.h"
#include "practice/practice.h"
#include "practice/session.h"
#include "practice/worksheet.h"

#include "engine/coptic.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <set>
#include <tuple>
#include <string>

using namespace zefnaro;

namespace {

constexpr Form cardinal = formOf(false, true);
constexpr Form ordinalFeminine = formOf(true, false);

TEST(Practice, Verdicts) {
    const struct {
        Ask ask;
        std::uint32_t number;
        Form form;
        const char* answer;
        bool correct;
        const char* why; // "" where right; for a wrong answer what the learner is told
    } rows[] = {
        // reading: any written form of the right number
        {Ask::numerals, 2005, cardinal, "2005", true, ""},
        {Ask::numerals, 2005, cardinal, " 2,005 ", true, ""},
        {Ask::numerals, 2005, cardinal, "two thousand five", true, ""},
        {Ask::numerals, 2005, cardinal, "ⲃ̿ⲉ̅", true, ""},
        {Ask::coptic, 21, ordinalFeminine, "21", true, ""},
        {Ask::pronunciation, 7, cardinal, "seventh", true, ""},
        {Ask::numerals, 2005, cardinal, "2015", false, "reads as 2,015, not 2,005"},
        {Ask::numerals, 2005, cardinal, "xyz", false,
         "not a number Zefnaro can read: \"xyz\" is no number word"},
        {Ask::numerals, 2005, cardinal, "", false, "not a number Zefnaro can read: nothing is written"},
        // writing: the form asked, in either writing, with its ordinal and gender
        {Ask::writeNumerals, 21, ordinalFeminine, "ⲙⲁϩ ⲕ̅ⲁ̅ϯ", true, ""},
        {Ask::writeNumerals, 21, ordinalFeminine, "mah =k=a]", true, ""},
        {Ask::writeNumerals, 21, ordinalFeminine, "ⲕ̅ⲁ̅ϯ", false, "cardinal, not ordinal"},
        {Ask::writeNumerals, 21, ordinalFeminine, "ⲙⲁϩ ⲕ̅ⲁ̅", false, "masculine, not feminine"},
        {Ask::writeNumerals, 21, ordinalFeminine, "21st", false,
         "written as digits, not as Coptic numerals"},
        {Ask::writeNumerals, 21, cardinal, "ⲕ̅ⲃ̅", false, "reads as 22, not 21"},
        {Ask::writeCoptic, 7, cardinal, "ϣⲁϣϥ", true, ""},
        {Ask::writeCoptic, 7, cardinal, "sasf", true, ""},
        {Ask::writeCoptic, 7, cardinal, "shashf", false,
         "written as their pronunciation, not as Coptic words"},
        {Ask::writeCoptic, 7, cardinal, "ⲍ̅", false, "written as Coptic numerals, not as Coptic words"},
        // what cannot be read is told in the learner's terms, of the form asked
        {Ask::writeCoptic, 7, cardinal, "ⲙⲏⲧϣⲁϣϥ", false, "\"ⲙⲏⲧϣⲁϣϥ\" is not a Coptic number word"},
        {Ask::writeCoptic, 20, cardinal, "ⲙⲛⲧ", false, "\"ⲙⲛⲧ\" is not a Coptic number word"},
        {Ask::writeCoptic, 35, cardinal, "ⲧⲓⲟⲩ ⲙⲁⲡ", false, "\"ⲧⲓⲟⲩ\" is out of place"},
        {Ask::writeCoptic, 2005, cardinal, "ⲥ̀ⲛⲁⲩ ⲛ̀ϣⲟ ⲧⲓⲉ", false,
         "the words mix masculine and feminine forms"},
        {Ask::writeNumerals, 20, cardinal, "ⲃ̅ⲓ̅", false,
         "not a number Zefnaro can read: \"ⲓ̅\": tens must come before units; for 2,010 write ⲃ̿ⲓ̅"},
        {Ask::writeNumerals, 20, cardinal, "ⲃ̿ⲉ", false,
         "not a number Zefnaro can read: \"ⲉ\" has no stroke, unlike the letters before it"},
        {Ask::writeNumerals, 4, cardinal, "ⲃ̿ⲃ̿", false,
         "not a number Zefnaro can read: \"ⲃ̿\": the thousands already have a units letter"},
        {Ask::writeNumerals, 4, cardinal, "ⲇ̿̿", false,
         "not a number Zefnaro can read: the strokes on \"ⲇ̿̿\" name no place (one for units, two "
         "for thousands, three for millions)"},
        {Ask::writeNumerals, 4, cardinal, "ⲇ̅ϩ̅", false,
         "not a number Zefnaro can read: \"ϩ\" is no Coptic numeral letter"},
        {Ask::writeNumerals, 4, cardinal, "=d=q", false,
         "not a number Zefnaro can read: a stroke needs a numeral letter after it"},
        {Ask::numerals, 4, cardinal, "4nd", false, "not a number Zefnaro can read: 4 takes the suffix \"th\", not \"nd\""},
        {Ask::numerals, 4, cardinal, "four hundred and", false,
         "not a number Zefnaro can read: the number ends on \"and\""},
        {Ask::numerals, 4, cardinal, "-4", false,
         "not a number Zefnaro can read: negative numbers cannot be translated"},
    };
    for (const auto& r : rows) {
        const Verdict v = check(makeQuestion(r.ask, r.number, r.form), r.answer);
        EXPECT_EQ(v.correct, r.correct) << r.answer;
        EXPECT_EQ(v.why, r.why) << r.answer;
    }
}

// In Arabic: the digits shown and the answers Arabic-Indic, the verdicts Arabic,
// what is quoted from the answer isolated; any Arabic written form is read.
TEST(Practice, ArabicQuestionsAndVerdicts) {
    const auto arabic = [](Ask ask, std::uint32_t n, Form form) {
        return makeQuestion(ask, n, form, Language::arabic);
    };
    EXPECT_EQ(arabic(Ask::writeNumerals, 21, ordinalFeminine).text, "٢١ (العدد الترتيبي، مؤنث)");
    EXPECT_EQ(arabic(Ask::writeCoptic, 2005, cardinal).text, "٢٬٠٠٥");
    EXPECT_EQ(arabic(Ask::numerals, 2005, cardinal).answer, "٢٬٠٠٥");
    EXPECT_EQ(questionInstruction(Ask::writeCoptic, Language::arabic), "اكتب هذا العدد بالكلمات القبطية.");
    const struct {
        Ask ask;
        std::uint32_t number;
        Form form;
        const char* answer;
        const char* why;
    } rows[] = {
        {Ask::numerals, 2005, cardinal, "ألفان وخمسة", ""},
        {Ask::numerals, 2005, cardinal, "٢٠٠٥", ""},
        {Ask::numerals, 2005, cardinal, "2015", "يُقرأ ٢٬٠١٥ لا ٢٬٠٠٥"},
        {Ask::writeNumerals, 21, ordinalFeminine, "ⲕ̅ⲁ̅ϯ", "عدد أصلي لا ترتيبي"},
        {Ask::writeNumerals, 21, ordinalFeminine, "ⲙⲁϩ ⲕ̅ⲁ̅", "مذكر لا مؤنث"},
        {Ask::writeNumerals, 21, ordinalFeminine, "21st", "مكتوب بالأرقام لا بالأرقام القبطية"},
        {Ask::writeCoptic, 7, cardinal, "ⲙⲏⲧϣⲁϣϥ", "الكلمة «\u2068ⲙⲏⲧϣⲁϣϥ\u2069» ليست من كلمات الأعداد القبطية"},
        {Ask::writeNumerals, 20, cardinal, "ⲃ̿ⲉ",
         "ليس عددًا يقرؤه زفنارو: «\u2068ⲉ\u2069» بلا علامة المرتبة، بخلاف الحروف قبله"},
    };
    for (const auto& r : rows) {
        const Verdict v = check(arabic(r.ask, r.number, r.form), r.answer);
        EXPECT_EQ(v.correct, r.why[0] == '\0') << r.answer;
        EXPECT_EQ(v.why, r.why) << r.answer;
    }
}

// Every question's own answer is right, and so is any other written form of
// the number when reading, and the CS fonts' text when writing.
TEST(Practice, EveryAnswerShownIsAccepted) {
    for (const Ask ask : allAsks) {
        QuestionMaker maker({ask, largestNumber, std::nullopt}, 7);
        for (int i = 0; i < 300; ++i) {
            const Question q = maker.next();
            EXPECT_TRUE(check(q, q.answer).correct) << askName(ask) << " " << q.number;
            const std::string other = asksToWrite(ask)
                                          ? (ask == Ask::writeNumerals
                                                 ? toCopticNumerals(q.number, q.form)
                                                 : toCopticWords(q.number, q.form))
                                          : toCopticNumerals(q.number, Form{});
            EXPECT_TRUE(check(q, other).correct) << askName(ask) << " " << other;
        }
    }
}

TEST(Practice, SeedsAndRanges) {
    const auto draw = [](PracticeOptions o, std::uint64_t seed) {
        QuestionMaker maker(o, seed);
        std::vector<std::uint32_t> numbers;
        for (int i = 0; i < 200; ++i)
            numbers.push_back(maker.next().number);
        return numbers;
    };
    const PracticeOptions upTo10{Ask::numerals, 10, cardinal};
    EXPECT_EQ(draw(upTo10, 3), draw(upTo10, 3));
    EXPECT_NE(draw(upTo10, 3), draw(upTo10, 4));
    const auto small = draw(upTo10, 3);
    EXPECT_EQ(std::set<std::uint32_t>(small.begin(), small.end()).size(), 10u); // 1..10, each met
    EXPECT_EQ(*std::min_element(small.begin(), small.end()), 1u);
    EXPECT_EQ(*std::max_element(small.begin(), small.end()), 10u);
    EXPECT_EQ(draw({Ask::coptic, 0, cardinal}, 1), std::vector<std::uint32_t>(200, 1)); // up to 0: 1
    // Mixed forms meet all four.
    QuestionMaker mixed({Ask::writeCoptic, 100, std::nullopt}, 5);
    std::set<std::pair<bool, bool>> forms;
    for (int i = 0; i < 100; ++i) {
        const Form f = mixed.next().form;
        forms.insert({f.ordinal(), f.masculine()});
    }
    EXPECT_EQ(forms.size(), 4u);
}

// A seed asks the same questions whatever standard library the program is built
// against (the window and the command line against one, the web page against
// another): the first draws, pinned, as both gave them.
TEST(Practice, SeedsAskTheSameEverywhere) {
    struct Draw {
        std::uint64_t seed;
        std::uint32_t number;
        bool ordinal, masculine;
    };
    const Draw mixed[] = {
        {0, 719832976, true, false},          {0, 157854418, true, false},
        {0, 520505975, false, true},          {0, 399325683, false, true},
        {2026, 324571869, true, false},       {2026, 556428852, false, true},
        {2026, 380484559, true, true},        {2026, 685741236, false, false},
        {4294967295, 475281969, true, true},  {4294967295, 589418680, false, false},
        {4294967295, 274742517, false, false}, {4294967295, 703127093, true, false},
    };
    for (std::size_t i = 0; i < std::size(mixed); i += 4) {
        QuestionMaker maker({Ask::writeNumerals, largestNumber, std::nullopt}, mixed[i].seed);
        for (std::size_t j = i; j < i + 4; ++j) {
            const Question q = maker.next();
            EXPECT_EQ(q.number, mixed[j].number) << mixed[j].seed;
            EXPECT_EQ(q.form.ordinal(), mixed[j].ordinal) << mixed[j].seed;
            EXPECT_EQ(q.form.masculine(), mixed[j].masculine) << mixed[j].seed;
        }
    }
    const std::pair<std::uint64_t, std::vector<std::uint32_t>> upToTen[] = {
        {0, {5, 8, 4, 9, 7, 9}}, {2026, {2, 1, 2, 7, 5, 2}}, {4294967295, {9, 4, 6, 5, 6, 6}}};
    for (const auto& [seed, numbers] : upToTen) {
        QuestionMaker maker({Ask::numerals, 10, cardinal}, seed);
        std::vector<std::uint32_t> drawn;
        for (std::size_t i = 0; i < numbers.size(); ++i)
            drawn.push_back(maker.next().number);
        EXPECT_EQ(drawn, numbers) << seed;
    }
}

TEST(Practice, NamesAndQuestionTexts) {
    for (const Ask ask : allAsks)
        EXPECT_EQ(askNamed(askName(ask)), ask);
    EXPECT_EQ(askNamed("write"), std::nullopt);
    EXPECT_EQ(makeQuestion(Ask::numerals, 2005, cardinal).text, "ⲃ̿ⲉ̅");
    EXPECT_EQ(makeQuestion(Ask::pronunciation, 7, cardinal).text, "shashf");
    EXPECT_EQ(makeQuestion(Ask::writeNumerals, 1021, ordinalFeminine).text, "1,021st (feminine)");
    EXPECT_EQ(makeQuestion(Ask::writeNumerals, 1021, ordinalFeminine).answer, "ⲙⲁϩ ⲁ̿ⲕ̅ⲁ̅ϯ");
    EXPECT_EQ(makeQuestion(Ask::coptic, 12345, cardinal).answer, "12,345");
}

// No number twice while the range holds enough; a small range comes round again.
TEST(Worksheet, QuestionsDrawnWithoutRepeats) {
    for (const auto& [upTo, count] : {std::pair{100u, 12}, {100u, 100}, {10u, 40}, {999'999'999u, 200}}) {
        const Worksheet sheet = makeWorksheet({Ask::writeNumerals, upTo, cardinal}, count, 9);
        ASSERT_EQ(sheet.questions.size(), std::size_t(count));
        for (std::size_t round = 0; round < sheet.questions.size(); round += upTo) {
            std::set<std::uint32_t> numbers;
            const std::size_t end = std::min(sheet.questions.size(), round + upTo);
            for (std::size_t i = round; i < end; ++i) {
                EXPECT_TRUE(numbers.insert(sheet.questions[i].number).second) << upTo << " " << i;
                EXPECT_LE(sheet.questions[i].number, upTo);
            }
        }
    }
    EXPECT_EQ(makeWorksheet({}, 0, 1).questions.size(), 1u);
    EXPECT_EQ(makeWorksheet({}, 5000, 1).questions.size(), 200u);
    EXPECT_EQ(makeWorksheet({Ask::writeNumerals, 1000, cardinal}, 1, 1).title,
              "Write Coptic numerals: numbers from 1 to 1,000");
}

// Whatever the write modes ask, numerals or words in any form, can be typed on
// the keypad alone: each answer is a run of its keys' texts.
TEST(Keypad, TypesEveryAnswerTheWriteModesAsk) {
    std::vector<std::string_view> keys;
    for (const auto& row : keypadRows())
        for (const Key& key : row)
            if (key.text != "⌫") keys.push_back(key.text);
    EXPECT_EQ(keys.size(), 38u); // 3 rows of 9 letters and a stroke; 7 more and Space
    std::sort(keys.begin(), keys.end(), [](auto a, auto b) { return a.size() > b.size(); });
    const auto typeable = [&](std::string_view text) {
        while (!text.empty()) {
            const auto key = std::find_if(keys.begin(), keys.end(), [&](auto k) { return text.starts_with(k); });
            if (key == keys.end()) return false;
            text.remove_prefix(key->size());
        }
        return true;
    };
    for (std::uint32_t n = 1; n < 2'000'000'000u; n = n * 3 + 7) {
        const std::uint32_t number = n % 999'999'999 + 1;
        for (const bool ordinal : {false, true})
            for (const bool masculine : {false, true}) {
                const Form form = formOf(ordinal, masculine);
                EXPECT_TRUE(typeable(makeQuestion(Ask::writeNumerals, number, form).answer)) << number;
                EXPECT_TRUE(typeable(makeQuestion(Ask::writeCoptic, number, form).answer)) << number;
            }
    }
}

} // namespace

// Each key's name is spoken in the user's language: the catalogue has it, and the
// Arabic is no copy of the English.
TEST(Keypad, EveryKeysNameIsInTheCatalogue) {
    const Language ar = *languageNamed("ar");
    int named = 0;
    for (const auto& row : keypadRows())
        for (const Key& key : row) {
            bool found = false;
            for (std::size_t i = 0; i < textCount && !found; ++i)
                found = say(static_cast<Text>(i), defaultLanguage) == key.name &&
                        say(static_cast<Text>(i), ar) != key.name;
            EXPECT_TRUE(found) << key.name;
            named += found ? 1 : 0;
        }
    EXPECT_EQ(named, 39);
}

// The session the window, the command line and the page share: a question's first
// answer counts, a shown answer counts as not known and breaks the streak, and the
// learner reads the same words everywhere.
TEST(PracticeSession, TheTallyAndItsWords) {
    Verdict right, wrong;
    right.correct = true;
    const struct {
        const char* step;
        int right, asked, streak;
        bool answered;
    } steps[] = {{"right", 1, 1, 1, true}, {"wrong", 1, 1, 1, true}, {"next", 1, 1, 1, false},
                 {"right", 2, 2, 2, true}, {"next", 2, 2, 2, false}, {"shown", 2, 3, 0, true},
                 {"right", 2, 3, 0, true}, {"next", 2, 3, 0, false}, {"wrong", 2, 4, 0, true}};
    Tally t;
    for (const auto& s : steps) {
        const std::string_view step = s.step;
        t = step == "right" ? afterAnswer(t, right) : step == "wrong" ? afterAnswer(t, wrong)
            : step == "shown" ? afterShown(t) : afterNext(t);
        EXPECT_EQ(std::tie(t.right, t.asked, t.streak, t.answered),
                  std::tie(s.right, s.asked, s.streak, s.answered)) << s.step;
    }
    const Language ar = *languageNamed("ar");
    EXPECT_EQ(tallyWords({7, 1234, 0, false}, defaultLanguage), "Score: 7 of 1,234 · streak 0");
    EXPECT_EQ(tallyWords({7, 1234, 0, false}, ar), "النتيجة: ٧ من ١٬٢٣٤ · الإجابات الصحيحة المتتالية: ٠");
    const Question q = makeQuestion(Ask::numerals, 2005, {}, defaultLanguage);
    EXPECT_EQ(verdictWords(q, check(q, "2005")), "Right!");
    EXPECT_EQ(verdictWords(q, check(q, "2015")), "Not yet: you wrote 2,015.");
    EXPECT_EQ(verdictWords(q, check(q, "foo")),
              "Not yet: not a number Zefnaro can read: \"foo\" is no number word.");
    const Question w = makeQuestion(Ask::writeNumerals, 21, formOf(true, false), ar);
    EXPECT_EQ(verdictWords(w, check(w, "ⲕ̅ⲁ̅")), "إجابة غير صحيحة: كتبت ٢١، عدد أصلي لا ترتيبي.");
    EXPECT_EQ(answerWords(q.answer, defaultLanguage), "The answer is 2,005.");
}
