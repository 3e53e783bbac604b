// The report of one day: its Gregorian and its Coptic date, the day and the year
// in Coptic words, the month's names. The same lines and styles as a number's
// report, so every writer renders it.
#pragma once

#include "report/report.h"
#include "zefnaro/date.h"

#include <string>
#include <vector>

namespace zefnaro {

// The report of a Coptic date in the settings' font and size (their form is not
// used: days and years are counted, cardinal and masculine); a date that is no
// day gives its error as the message.
Report composeDateReport(CopticDate date, const DisplaySettings& settings);

// "Tuesday, 8 December 2026".
std::string gregorianText(GregorianDate date);
// "2026-12-08".
std::string isoText(GregorianDate date);

} // namespace zefnaro

namespace zefnaro {

// One member of a date's description: a text, or a number where `isNumber`.
struct DateMember {
    std::string_view name;
    std::string text;
    int number = 0;
    bool isNumber = false;
};
// What the command line's JSON line and the Python module say of a day, in order:
// gregorian, weekday, coptic_year, coptic_month, coptic_day, the month's names
// (month_coptic, month_font_text, month_pronunciation, month_english), the day's
// and the year's numerals, Coptic words and pronunciation (Unicode Coptic). The
// date must be a day (toGregorianDate ok).
std::vector<DateMember> dateMembers(CopticDate coptic, GregorianDate gregorian);

} // namespace zefnaro
