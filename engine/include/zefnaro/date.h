// Zefnaro: days of the Coptic calendar (the years of the Martyrs, Anno Martyrum)
// and of the Gregorian calendar, one to the other, and Coptic dates read back.
//
// The Coptic year has twelve months of 30 days and a thirteenth, Pi Kogi Enavot,
// of 5 days, 6 in a year that leaves 3 when divided by 4. 1 Thout 1 AM is
// 29 August 284 (the Julian and the Gregorian calendars agree on that day).
// Gregorian dates are proleptic: the Gregorian rule before 1582 too.
#pragma once

#include "zefnaro/export.h"

#include <string>
#include <string_view>

namespace zefnaro {

// Years 1 to 9999 AM: 29 August 284 to 12 November 10283.
inline constexpr int largestCopticYear = 9999;

struct CopticDate {
    int year = 1;  // AM
    int month = 1; // 1 Thout .. 13 Pi Kogi Enavot
    int day = 1;
    friend constexpr bool operator==(CopticDate a, CopticDate b) {
        return a.year == b.year && a.month == b.month && a.day == b.day;
    }
    friend constexpr bool operator!=(CopticDate a, CopticDate b) { return !(a == b); }
};

struct GregorianDate {
    int year = 1;
    int month = 1;
    int day = 1;
    friend constexpr bool operator==(GregorianDate a, GregorianDate b) {
        return a.year == b.year && a.month == b.month && a.day == b.day;
    }
    friend constexpr bool operator!=(GregorianDate a, GregorianDate b) { return !(a == b); }
};

// The first and the last day Zefnaro converts, in both calendars.
inline constexpr CopticDate firstCopticDate{1, 1, 1};
inline constexpr GregorianDate firstGregorianDate{284, 8, 29};
inline constexpr CopticDate lastCopticDate{largestCopticYear, 13, 6};
inline constexpr GregorianDate lastGregorianDate{10283, 11, 12};
// A Coptic year from the year AD its Easter falls in (2027 AD: 1743 AM), and the
// years of the era whose Easter falls in the calendar's range: 285 to 10283.
inline constexpr int yearsBeforeTheMartyrs = firstGregorianDate.year;
inline constexpr int firstEasterYear = firstGregorianDate.year + 1;
inline constexpr int lastEasterYear = lastGregorianDate.year;

constexpr bool isCopticLeapYear(int year) {
    return year % 4 == 3;
}
// The days of a Coptic month; 0 for a month that is not 1..13.
constexpr int copticMonthDays(int year, int month) {
    if (month < 1 || month > 13) return 0;
    return month < 13 ? 30 : isCopticLeapYear(year) ? 6 : 5;
}

enum class DateErrorCode {
    none,
    noSuchMonth, // a month that is not 1..13 (1..12 in the Gregorian calendar)
    noSuchDay,   // a day the month does not have
    outOfRange,  // a day before 1 Thout 1 AM or after 9999 AM
    unreadable,  // a text that is no date
};

struct DateError {
    DateErrorCode code = DateErrorCode::none;
    std::string message; // for people, in English
};

struct CopticDateResult {
    CopticDate date; // meaningful when ok()
    DateError error;
    bool ok() const { return error.code == DateErrorCode::none; }
};

struct GregorianDateResult {
    GregorianDate date; // meaningful when ok()
    DateError error;
    bool ok() const { return error.code == DateErrorCode::none; }
};

// The Coptic date of a Gregorian day: 2026-12-08 gives 29 Hathor 1743. No such
// day ({2026, 2, 30}) or a day outside 1..9999 AM gives an error.
ZEFNARO_API CopticDateResult toCopticDate(GregorianDate date);
// The Gregorian day of a Coptic date; {1743, 13, 6} gives an error, as 1743 is a
// common year: "There is no 6 Pi Kogi Enavot in 1743 AM: …".
ZEFNARO_API GregorianDateResult toGregorianDate(CopticDate date);

// A Coptic month's name, every way it is written; all empty outside 1..13.
struct MonthName {
    std::string_view coptic;        // "Ⲁⲑⲱⲣ" (Unicode Coptic)
    std::string_view fontText;      // "A;wr" (the CS fonts' text)
    std::string_view pronunciation; // "Athor"
    std::string_view english;       // "Hathor"
};
ZEFNARO_API MonthName copticMonthName(int month);

// "Sunday" .. "Saturday" for a Gregorian day; "" for no such day.
ZEFNARO_API std::string_view weekdayName(GregorianDate date);

// The names Egypt gives them, in Arabic: Tout .. the little month for the months
// 1..13, Sunday .. Saturday for a Gregorian day; "" for anything else.
ZEFNARO_API std::string_view arabicMonthName(int month);
ZEFNARO_API std::string_view arabicWeekdayName(GregorianDate date);

// Reads a Coptic date: "1743-03-29", "29 Hathor 1743", "ⲕ̅ⲑ̅ Ⲁⲑⲱⲣ ⲁ̿ⲯ̅ⲙ̅ⲅ̅"; the day and the
// year in any writing readWrittenNumber reads, the month by any of its names (also
// Ⲫⲁⲙⲉⲛⲱⲑ, Ⲡⲁϣⲱⲛⲥ, ..., in any case, with or without the jinkim), "AM" after the
// year allowed. Blanks at either end are ignored; anything else gives an error.
ZEFNARO_API CopticDateResult readCopticDate(std::string_view text);
// Reads a Gregorian date as "YYYY-MM-DD" (one to five digits of year).
ZEFNARO_API GregorianDateResult readGregorianDate(std::string_view text);

} // namespace zefnaro
