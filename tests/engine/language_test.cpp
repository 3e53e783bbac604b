// The languages as data: every catalogue text is there in every language, the
// pseudo-locales transform every text and keep its places, and the library's
// messages in a language are the words the command line and the report use.
#include "engine/language.h"
#include "engine/say.h"
#include "zefnaro/message.h"

#include <gtest/gtest.h>

#include <regex>
#include <string>

using namespace zefnaro;

namespace {

std::string places(std::string_view text) {
    std::string out;
    const std::string s(text);
    static const std::regex place(R"(\{\d\})");
    for (std::sregex_iterator it(s.begin(), s.end(), place), end; it != end; ++it)
        out += it->str();
    return out;
}

} // namespace

TEST(Languages, EveryCodeNamesOneLanguageAndBack) {
    for (const Language language : allLanguages)
        EXPECT_EQ(languageNamed(languageCode(language)), language) << languageCode(language);
    for (const char* code : {"", "EN", "fr", "ar-EG", "en_XA"}) EXPECT_FALSE(languageNamed(code)) << code;
    EXPECT_TRUE(rightToLeft(*languageNamed("ar")) && rightToLeft(*languageNamed("ar-XB")));
    EXPECT_FALSE(rightToLeft(*languageNamed("en-XA")));
}

// en-XA: bracketed, about a third longer, no plain letter left; ar-XB: every word
// forced right to left; both keep each place of the English.
TEST(Languages, PseudoLocalesTransformEveryTextAndKeepItsPlaces) {
    const Language accented = *languageNamed("en-XA"), bidi = *languageNamed("ar-XB");
    for (std::size_t i = 0; i < textCount; ++i) {
        const auto text = static_cast<Text>(i);
        const std::string_view english = say(text, defaultLanguage);
        ASSERT_FALSE(english.empty()) << catalogues::keys[i];
        // Arabic says "for short" before the numerals, not after them.
        if (std::string_view(catalogues::keys[i]) != "report.for_short") {
            EXPECT_FALSE(say(text, *languageNamed("ar")).empty()) << catalogues::keys[i];
        }
        const std::string_view a = say(text, accented), b = say(text, bidi);
        EXPECT_EQ(places(a), places(english)) << catalogues::keys[i];
        EXPECT_EQ(places(b), places(english)) << catalogues::keys[i];
        if (english.find_first_of("abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ") == std::string_view::npos)
            continue;
        EXPECT_TRUE(a.starts_with("[") && a.ends_with("]")) << a;
        EXPECT_GE(a.size(), english.size() * 4 / 3) << a;
        const auto count = [b](std::string_view mark) {
            std::size_t n = 0;
            for (std::size_t at = b.find(mark); at != std::string_view::npos; at = b.find(mark, at + 1)) ++n;
            return n;
        };
        EXPECT_TRUE(b.starts_with("\u200F") && count("\u202E") > 0) << catalogues::keys[i];
        EXPECT_EQ(count("\u202E"), count("\u202C")) << "each RLO closed by a PDF: " << catalogues::keys[i];
    }
    EXPECT_EQ(say(Text::report_cardinal, accented), "[Ţĥé çàŕðîñàļ ñûɱƀéŕ·······]");
    EXPECT_EQ(say(Text::practice_score, defaultLanguage, {"7", "10"}), "Score: 7 of 10");
}

// The library's face says the same words as the reader and the calendar, in the
// language asked, and English for a code it does not speak.
TEST(Languages, TheLibrarysMessagesInALanguage) {
    const struct {
        const char* language;
        const char* xyz;
        const char* day;
    } rows[] = {
        {"en", "not a number: \"xyz\" at character 1 is no word of a number: expected a whole number from 1 to 999,999,999",
         "There is no 31 Hathor: every month but the last has 30 days"},
        {"fr", "not a number: \"xyz\" at character 1 is no word of a number: expected a whole number from 1 to 999,999,999",
         "There is no 31 Hathor: every month but the last has 30 days"},
        {"ar", "ليس عددًا: الكلمة «\u2068xyz\u2069» عند الحرف ١ ليست من كلمات الأعداد: المطلوب عدد صحيح من ١ إلى ٩٩٩٬٩٩٩٬٩٩٩",
         "لا يوجد يوم ٣١ من هاتور: كل شهر عدا الأخير ثلاثون يومًا"},
    };
    for (const auto& row : rows) {
        EXPECT_EQ(readWrittenNumber("xyz", row.language).error.message, row.xyz) << row.language;
        EXPECT_EQ(toGregorianDate(CopticDate{1743, 3, 31}, row.language).error.message, row.day) << row.language;
        EXPECT_EQ(readCopticDate("31 Hathor 1743", row.language).error.message, row.day) << row.language;
        EXPECT_TRUE(readWrittenNumber("ⲕ̅ⲁ̅", row.language).ok());
    }
    EXPECT_EQ(readWrittenNumber("xyz").error.message, rows[0].xyz); // the same as without a language
}

namespace {

// CLDR's plural categories choose a counted noun's form: English has one and
// other; Arabic one, two, 3–10, 11–99 and the rest, by the last two digits.
TEST(Languages, PluralsAsCldrCountsThem) {
    const Language en = *languageNamed("en"), ar = *languageNamed("ar");
    const std::vector<std::tuple<std::uint32_t, Plural, Plural>> rows{
        {1, Plural::one, Plural::one},      {2, Plural::other, Plural::two},   {3, Plural::other, Plural::few},
        {10, Plural::other, Plural::few},   {11, Plural::other, Plural::many}, {99, Plural::other, Plural::many},
        {100, Plural::other, Plural::other}, {102, Plural::other, Plural::other}, {103, Plural::other, Plural::few},
        {111, Plural::other, Plural::many}, {0, Plural::other, Plural::other},
    };
    for (const auto& [n, english, arabic] : rows) {
        EXPECT_EQ(pluralOf(n, en), english) << n;
        EXPECT_EQ(pluralOf(n, ar), arabic) << n;
    }
}

} // namespace
