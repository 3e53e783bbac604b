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

// A VCALENDAR of one all-day VEVENT an observance (DTEND the day after the last),
// each with a UID that stays the same ("1743-easter@zefnaro"), the Coptic dates in
// its description; CRLF line ends, lines folded at 75 octets.
std::string churchYearCalendar(int copticYear, const std::vector<Observance>& observances,
                               Language language = defaultLanguage);

} // namespace zefnaro
