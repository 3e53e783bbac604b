// What the web page asks the engine, answered as one JSON object each: a report's
// lines, or its standalone page and text for a copy; a reading; a day; the facts
// the page needs once. Written here, beside the other serialisers, so that the page's
// exact work can be timed natively too.
#pragma once

#include "engine/language.h"
#include "report/display_settings.h"
#include "zefnaro/date.h"
#include "zefnaro/form.h"

#include <cstdint>
#include <span>
#include <string>
#include <string_view>

namespace zefnaro::page {

// The page shows Zefnaro Coptic, which it carries; Writing::fontText is for copies
// into documents set in the CS fonts.
DisplaySettings settings(Form form, Writing writing, Language language = defaultLanguage);

// {"html","number"} of an entry as the number box holds it: the report's lines, all
// a keystroke shows.
void appendReport(std::string& out, std::string_view entry, const DisplaySettings& settings);
// {"page","text"}: the same report as a copy carries it, the standalone page for
// its HTML.
void appendReportCopy(std::string& out, std::string_view entry, const DisplaySettings& settings);
// {"number","read_as","ordinal","masculine"} or {"error"}, said in the language.
void appendReading(std::string& out, std::string_view text, Language language = defaultLanguage);
// {"html","year","month","day","month_days","gregorian","coptic_text"} or {"error"}; the day's report is counted, cardinal and masculine.
// The day's report and coptic_text are in the language.
void appendDay(std::string& out, CopticDate date, Writing writing, Language language = defaultLanguage);
// {"page","text"} of the day's report, or {"error"}.
void appendDayCopy(std::string& out, CopticDate date, Writing writing, Language language = defaultLanguage);
// A day given as YYYY-MM-DD, or as a Coptic date in any writing the reader takes.
void appendGregorianDay(std::string& out, std::string_view iso, Writing writing,
                        Language language = defaultLanguage);
void appendReadDay(std::string& out, std::string_view text, Writing writing, Language language = defaultLanguage);
// {"found":[{"line","column","text","number","ordinal","masculine"}…]}: every numeral
// of a text as zefnaro-cli --find finds it, sacred names passed over.
void appendFound(std::string& out, std::string_view text);

// {"year","observances":[{"id","name","kind","first","last","coptic_first","coptic_last",
// "coptic_text"}…],"ics"} for a Coptic year (any writing the reader takes), or {"error"}.
void appendChurchYear(std::string& out, std::string_view year, Language language = defaultLanguage);

// {"version","largest_number","ranges","first_day","last_day","largest_year","months"},
// each month {"english","arabic","coptic"}.
// Random's ranges are practice's, which the page passes on.
void appendFacts(std::string& out, std::span<const std::uint32_t> ranges);
// Every text of the catalogue in a language, by its English: {"Copy": …}.
void appendCatalogue(std::string& out, Language language);

} // namespace zefnaro::page
