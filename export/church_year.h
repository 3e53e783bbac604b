// The church year written out: a JSON line per observance, a line of text each, and
// the year as an iCalendar file (RFC 5545) that calendar programs import as it is.
#pragma once

#include "engine/language.h"
#include "zefnaro/church.h"

#include <string>
#include <vector>

namespace zefnaro {

// {"id","name","kind","first","last","coptic_first","coptic_last"} and a newline;
// the dates as YYYY-MM-DD.
void appendObservanceLine(std::string& out, const Observance& observance, Language language = defaultLanguage);

// "2 May 2027  24 Parmouti 1743 AM  Easter (major feast of the Lord)", with a range
// for an observance of more than one day; in Arabic, Arabic dates and names.
void appendObservanceText(std::string& out, const Observance& observance, Language language = defaultLanguage);

// Whether calendar programs can read a year's days: RFC 5545 writes a date's year in
// four digits, so no day may fall in 10000 AD (years 9716 AM and after reach it).
bool calendarCanHold(const std::vector<Observance>& observances);

// The DTSTAMP of a file written now: the time of writing, or SOURCE_DATE_EPOCH where
// it is set (so that a build makes the same file twice), as 20261210T043000Z.
std::string calendarStamp();

struct ChurchYear {
    int copticYear;
    std::vector<Observance> observances;
};
// One VCALENDAR for the years, with one all-day VEVENT an observance (DTEND the day
// after the last), each with a UID that stays the same ("1743-easter@zefnaro"), the
// Coptic dates in its description; CRLF line ends, lines folded at 75 octets. ""
// where a year cannot be held (calendarCanHold).
std::string churchYearsCalendar(const std::vector<ChurchYear>& years, Language language, std::string_view stamp);
// One year's, stamped now.
std::string churchYearCalendar(int copticYear, const std::vector<Observance>& observances,
                               Language language = defaultLanguage);

} // namespace zefnaro
