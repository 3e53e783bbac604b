#include "zefnaro/date.h"
#include "engine/calendar/days.h"
#include "engine/coptic.h"

#include <gtest/gtest.h>
#include <unicode/calendar.h>
#include <unicode/gregocal.h>

#include <limits>
#include <memory>

namespace zefnaro {
namespace {

// Every day from 1 Thout 1 AM to the last of 9999 AM, both ways, against ICU: its
// Coptic calendar and a proleptic Gregorian one, stepped a day at a time through
// the Julian day.
TEST(CopticDates, everyDayAgreesWithIcuBothWays) {
    UErrorCode status = U_ZERO_ERROR;
    // ICU keeps icu::CopticCalendar's header to itself: the calendar comes by its locale.
    const std::unique_ptr<icu::Calendar> copticCalendar(
        icu::Calendar::createInstance(icu::Locale("en@calendar=coptic"), status));
    icu::GregorianCalendar gregorian(status);
    ASSERT_TRUE(U_SUCCESS(status));
    ASSERT_STREQ(copticCalendar->getType(), "coptic");
    icu::Calendar& coptic = *copticCalendar;
    gregorian.setGregorianChange(-std::numeric_limits<double>::max(), status);
    coptic.clear();
    coptic.set(UCAL_EXTENDED_YEAR, 1);
    coptic.set(UCAL_MONTH, 0);
    coptic.set(UCAL_DATE, 1);
    int julianDay = coptic.get(UCAL_JULIAN_DAY, status);
    std::size_t days = 0, failures = 0;
    GregorianDate first, last; // as ICU counts them
    for (;; ++julianDay, ++days) {
        coptic.clear();
        coptic.set(UCAL_JULIAN_DAY, julianDay);
        gregorian.clear();
        gregorian.set(UCAL_JULIAN_DAY, julianDay);
        const CopticDate c{coptic.get(UCAL_EXTENDED_YEAR, status), coptic.get(UCAL_MONTH, status) + 1,
                           coptic.get(UCAL_DATE, status)};
        const GregorianDate g{gregorian.get(UCAL_EXTENDED_YEAR, status),
                              gregorian.get(UCAL_MONTH, status) + 1, gregorian.get(UCAL_DATE, status)};
        ASSERT_TRUE(U_SUCCESS(status));
        if (c.year > largestCopticYear) break;
        if (days == 0) first = g;
        last = g;
        const CopticDateResult toCoptic = toCopticDate(g);
        const GregorianDateResult toGregorian = toGregorianDate(c);
        if (!toCoptic.ok() || toCoptic.date != c || !toGregorian.ok() || toGregorian.date != g) {
            ADD_FAILURE() << "julian day " << julianDay << ": " << g.year << '-' << g.month << '-' << g.day
                          << " / " << c.year << '-' << c.month << '-' << c.day;
            if (++failures == 10) return;
        }
    }
    EXPECT_EQ(days, 9999u * 365u + 2500u); // a leap year in four: 3, 7, ..., 9999
    // The public first and last days are ICU's too, in both calendars.
    EXPECT_EQ(first, firstGregorianDate);
    EXPECT_EQ(last, lastGregorianDate);
    EXPECT_EQ(toCopticDate(firstGregorianDate).date, firstCopticDate);
    EXPECT_EQ(toGregorianDate(lastCopticDate).date, lastGregorianDate);
    // The day before the first and after the last are no Coptic days.
    EXPECT_EQ(toCopticDate({284, 8, 28}).error.code, DateErrorCode::outOfRange);
    EXPECT_EQ(toCopticDate({10283, 11, 13}).error.code, DateErrorCode::outOfRange);
    EXPECT_EQ(toCopticDate({10283, 11, 12}).date, (CopticDate{9999, 13, 6}));
}

TEST(CopticDates, theIssuesDaysAndTheLeapRulesEdges) {
    struct Case {
        GregorianDate gregorian;
        CopticDate coptic;
    };
    const Case cases[] = {
        {{2023, 9, 11}, {1739, 13, 6}}, {{2023, 9, 12}, {1740, 1, 1}}, {{2024, 9, 11}, {1741, 1, 1}},
        {{2027, 9, 12}, {1744, 1, 1}},  {{2026, 12, 8}, {1743, 3, 29}}, {{284, 8, 29}, {1, 1, 1}},
        {{2027, 9, 11}, {1743, 13, 6}}, // 1743 AM leaves 3: a leap year
        {{2100, 9, 11}, {1816, 13, 5}}, {{2100, 9, 12}, {1817, 1, 1}}, // no 29 February 2100
    };
    for (const Case& c : cases) {
        EXPECT_EQ(toCopticDate(c.gregorian).date, c.coptic) << c.gregorian.year;
        EXPECT_EQ(toGregorianDate(c.coptic).date, c.gregorian) << c.coptic.year;
    }
    struct Bad {
        CopticDate date;
        DateErrorCode code;
        std::string_view message;
    };
    const Bad bad[] = {
        {{1743, 1, 31}, DateErrorCode::noSuchDay, "There is no 31 Thout: every month but the last has 30 days"},
        {{1742, 13, 6}, DateErrorCode::noSuchDay,
         "There is no 6 Pi Kogi Enavot in 1742 AM: Pi Kogi Enavot has 6 days only in a year that "
         "leaves 3 when divided by 4"},
        {{1739, 13, 7}, DateErrorCode::noSuchDay, ""},
        {{1743, 2, 0}, DateErrorCode::noSuchDay, ""},
        {{1743, 14, 1}, DateErrorCode::noSuchMonth, "There is no month 14: the Coptic year has 13 months"},
        {{0, 1, 1}, DateErrorCode::outOfRange, ""},
        {{10000, 1, 1}, DateErrorCode::outOfRange, ""},
    };
    for (const Bad& b : bad) {
        const GregorianDateResult r = toGregorianDate(b.date);
        EXPECT_EQ(r.error.code, b.code) << b.date.year << '-' << b.date.month << '-' << b.date.day;
        if (!b.message.empty()) {
            EXPECT_EQ(r.error.message, b.message);
        }
    }
    EXPECT_EQ(toCopticDate({2026, 2, 29}).error.message,
              "There is no 29 February 2026: the month has 28 days");
    EXPECT_EQ(toCopticDate({200, 1, 1}).error.message,
              "1 January 200 is before 1 Thout 1 AM (29 August 284), where the Coptic calendar begins");
    EXPECT_EQ(weekdayName({2026, 12, 8}), "Tuesday");
    EXPECT_EQ(weekdayName({284, 8, 29}), "Friday"); // the era's first day, as the Synaxarium has it
}

// Each month's Unicode name and its CS-font text, written apart, spell the same
// letters; the English names are the issue's.
TEST(CopticDates, monthNamesInBothWritings) {
    const std::string_view english[] = {"Thout",    "Paopi",   "Hathor",  "Koiak",  "Tobi",
                                        "Meshir",   "Paremhat", "Parmouti", "Pashons", "Paoni",
                                        "Epip",     "Mesori",  "Pi Kogi Enavot"};
    for (int month = 1; month <= 13; ++month) {
        const MonthName m = copticMonthName(month);
        EXPECT_EQ(fontTextToUnicode(m.fontText), m.coptic) << month;
        EXPECT_EQ(m.english, english[month - 1]);
        EXPECT_FALSE(m.pronunciation.empty());
    }
    EXPECT_TRUE(copticMonthName(0).coptic.empty());
    EXPECT_TRUE(copticMonthName(14).english.empty());
}

TEST(CopticDates, readsDatesInEveryWritingAndSaysWhatIsWrong) {
    const CopticDate hathor29{1743, 3, 29};
    struct Case {
        std::string_view text;
        CopticDate date;
    };
    const Case good[] = {
        {"ⲕ̅ⲑ̅ Ⲁⲑⲱⲣ ⲁ̿ⲯ̅ⲙ̅ⲅ̅", hathor29},
        {"29 Hathor 1743", hathor29},
        {"1743-03-29", hathor29},
        {"  29 hathor 1743 AM ", hathor29},
        {"=k=: A;wr Ëa='=m=g", hathor29},
        {"Twenty-Nine Athor One Thousand Seven Hundred and Forty-Three", hathor29},
        {"ⲕ̅ⲑ̅ ⲁⲑⲱⲣ 1743", hathor29},
        {"1 Ⲡⲁⲟ̀ⲡⲓ 1743", {1743, 2, 1}},
        {"1 Ⲭⲱⲓⲁⲕ 1743", {1743, 4, 1}},
        {"1 Ⲫⲁⲙⲉⲛⲱⲑ 1743", {1743, 7, 1}},
        {"1 ⲡⲁϣⲱⲛⲥ 1743", {1743, 9, 1}},
        {"1 Ⲡⲁⲱ̀ⲛⲓ 1743", {1743, 10, 1}},
        {"1 Ⲉⲡⲏⲡ 1743", {1743, 11, 1}},
        {"1 Ⲙⲉⲥⲱⲣⲏ 1743", {1743, 12, 1}},
        {"6 Ⲡⲓⲕⲟⲩϫⲓ ⲛ̀ⲁ̀ⲃⲟⲧ 1739", {1739, 13, 6}},
        {"5 Pi Kogi Enavot 1743", {1743, 13, 5}},
        {"1 Thout 1", {1, 1, 1}},
        // Arabic: the names Egypt uses, as people spell them; Arabic-Indic digits, words
        {"٢٩ هاتور ١٧٤٣", hathor29},
        {"29 هتور 1743 ش", hathor29},
        {"تسعة وعشرون هاتور ألف وسبعمائة وثلاثة وأربعون للشهداء", hathor29},
        {"١ بابة ١٧٤٣", {1743, 2, 1}},
        {"١ كياك ١٧٤٣", {1743, 4, 1}},
        {"١ امشير ١٧٤٣", {1743, 6, 1}},
        {"١ بئونة ١٧٤٣", {1743, 10, 1}},
        {"١ مسرى ١٧٤٣", {1743, 12, 1}},
        {"٥ الشهر الصغير ١٧٤٣", {1743, 13, 5}},
    };
    for (const Case& c : good) {
        const CopticDateResult r = readCopticDate(c.text);
        EXPECT_TRUE(r.ok()) << c.text << ": " << r.error.message;
        EXPECT_EQ(r.date, c.date) << c.text;
    }
    struct Bad {
        std::string_view text;
        DateErrorCode code;
        std::string_view messageStart;
    };
    const Bad bad[] = {
        {"", DateErrorCode::unreadable, "Nothing to read"},
        {"29 1743", DateErrorCode::unreadable, "No Coptic month named"},
        {"Hathor 1743", DateErrorCode::unreadable, "No day before Hathor"},
        {"29 Hathor", DateErrorCode::unreadable, "No year after Hathor"},
        {"ⲓ̅ⲥ̅ Hathor 1743", DateErrorCode::unreadable, "The day: "},
        {"29 Hathor 1743.5", DateErrorCode::unreadable, "The year: "},
        {"31 Hathor 1743", DateErrorCode::noSuchDay, "There is no 31 Hathor"},
        {"6 Pi Kogi Enavot 1742", DateErrorCode::noSuchDay, "There is no 6 Pi Kogi Enavot in 1742 AM"},
        {"1742-13-06", DateErrorCode::noSuchDay, "There is no 6 Pi Kogi Enavot in 1742 AM"},
        {"1 Thout 10000", DateErrorCode::outOfRange, "There is no year 10000 AM"},
        {"\xff", DateErrorCode::unreadable, "Not a date"},
    };
    for (const Bad& b : bad) {
        const CopticDateResult r = readCopticDate(b.text);
        EXPECT_EQ(r.error.code, b.code) << b.text;
        EXPECT_TRUE(r.error.message.starts_with(b.messageStart)) << b.text << ": " << r.error.message;
    }
    EXPECT_EQ(readGregorianDate(" 2026-12-08\r").date, (GregorianDate{2026, 12, 8}));
    EXPECT_EQ(readGregorianDate("10283-11-12").date, (GregorianDate{10283, 11, 12}));
    for (std::string_view text : {"2026-12-8x", "2026/12/08", "2026-02-30", "0-01-01", "2026-12"})
        EXPECT_FALSE(readGregorianDate(text).ok()) << text;
}

} // namespace
} // namespace zefnaro

// The calendar's errors in Arabic: said exactly where the English one is, for every
// kind of day that is none, and the English left in them only quoted (isolated).
TEST(CopticDates, errorsAreSaidInArabicWhereverTheyAre) {
    using namespace zefnaro;
    const Language ar = *languageNamed("ar");
    const auto arabicError = [ar](auto day) {
        if constexpr (std::is_same_v<decltype(day), CopticDate>)
            return dates::sentence(dates::whyNoGregorianDate(day), ar);
        else
            return dates::sentence(dates::whyNoCopticDate(day), ar);
    };
    int said = 0;
    for (const int year : {0, 1, 1742, 1743, 9999, 10000})
        for (int month = 0; month <= 14; ++month)
            for (const int day : {0, 1, 5, 6, 7, 30, 31}) {
                const CopticDate c{year, month, day};
                const bool fails = !toGregorianDate(c).ok();
                const std::string arabic = arabicError(c);
                ASSERT_EQ(arabic.empty(), !fails) << year << '-' << month << '-' << day;
                said += fails ? 1 : 0;
            }
    for (const GregorianDate g : std::initializer_list<GregorianDate>{
             {2026, 2, 30}, {2026, 13, 1}, {200, 1, 1}, {284, 8, 28}, {99999, 1, 1}, {2024, 2, 29}}) {
        EXPECT_EQ(arabicError(g).empty(), toCopticDate(g).ok()) << g.year;
    }
    EXPECT_GT(said, 200);
    EXPECT_EQ(arabicError(CopticDate{1743, 3, 31}), "لا يوجد يوم ٣١ من هاتور: كل شهر عدا الأخير ثلاثون يومًا");
    EXPECT_EQ(arabicError(GregorianDate{2026, 2, 30}), "لا يوجد يوم ٣٠ فبراير ٢٠٢٦: في الشهر ٢٨ يومًا");
    for (const char* text : {"xyz", "31 Hathor 1743", "٦ النسيء ١٧٤٢", ""}) {
        const std::string arabic = dates::sentence(dates::readCopticDateExplained(text).why, ar);
        ASSERT_FALSE(arabic.empty()) << text;
        std::string outside; // the text outside the isolates
        bool isolated = false;
        for (std::size_t i = 0; i < arabic.size(); ++i) {
            if (arabic.compare(i, 3, "\u2068") == 0) isolated = true;
            if (arabic.compare(i, 3, "\u2069") == 0) isolated = false;
            if (!isolated) outside += arabic[i];
        }
        EXPECT_EQ(outside.find_first_of("ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz"), std::string::npos)
            << arabic;
    }
}
