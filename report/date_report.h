// The report of one day: its Gregorian and its Coptic date, the day and the year
// in Coptic words, the month's names. The same lines and styles as a number's
// report, so every writer renders it.
#pragma once

#include "report/report.h"
#include "zefnaro/date.h"

#include <string>

namespace zefnaro {

// The report of a Coptic date in the settings' font and size (their form is not
// used: days and years are counted, cardinal and masculine); a date that is no
// day gives its error as the message.
Report composeDateReport(CopticDate date, const DisplaySettings& settings);

// "Tuesday, 8 December 2026", in the language.
std::string gregorianText(GregorianDate date, Language language = defaultLanguage);
// "29 Hathor 1743 AM", in the language.
std::string copticText(CopticDate date, Language language = defaultLanguage);
// "2026-12-08".
std::string isoText(GregorianDate date);

} // namespace zefnaro

