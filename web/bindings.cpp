// The web page's way into the engine. Each call takes all it needs and answers
// with its whole result as one JSON object, keeping nothing between calls: the
// page never asks for a second part of an answer, nor in a certain order. One
// string a call, since building JavaScript objects from many strings would cost
// more than the engine itself. The names are exported by EMSCRIPTEN_KEEPALIVE
// alone and called through one function of the page (web/engine.js).
#include "export/html.h"
#include "export/json.h"
#include "export/text.h"
#include "practice/practice.h"
#include "report/date_report.h"
#include "report/fonts.h"
#include "report/report.h"
#include "zefnaro/date.h"
#include "zefnaro/read.h"
#include "zefnaro/version.h"

#include <emscripten/emscripten.h>

#include <string>
#include <string_view>

namespace {

using zefnaro::json::Object;

// The answer of the call under way, handed to the page as it returns.
std::string answer;

// The page shows Zefnaro Coptic, which it carries; "font-text" is for copies
// into documents set in the CS fonts.
zefnaro::DisplaySettings settings(std::string_view kind, std::string_view gender,
                                  std::string_view writing) {
    zefnaro::DisplaySettings s;
    s.fontName = std::string(writing == "font-text" ? zefnaro::fontTextDefault : zefnaro::projectFont);
    s.form = {kind == "ordinal" ? zefnaro::Kind::ordinal : zefnaro::Kind::cardinal,
              gender == "feminine" ? zefnaro::Gender::feminine : zefnaro::Gender::masculine};
    return s;
}

// A report's members: its lines for the page, its plain text, the standalone page
// that copies carry as HTML, and its title.
void addReport(Object& o, const zefnaro::Report& r) {
    const std::string title = zefnaro::reportTitle(r);
    o.text("html", zefnaro::reportLines(r))
        .text("text", zefnaro::plainText(r))
        .text("page", zefnaro::reportPage(r, title))
        .text("title", title);
}

const char* finished(Object& o) {
    o.end(false);
    return answer.c_str();
}

const char* dayAnswer(zefnaro::CopticDate date, std::string_view writing) {
    answer.clear();
    Object o(answer);
    const zefnaro::GregorianDateResult g = zefnaro::toGregorianDate(date);
    if (!g.ok()) return finished(o.text("error", g.error.message));
    addReport(o, zefnaro::composeDateReport(date, settings("cardinal", "masculine", writing)));
    o.number("year", date.year)
        .number("month", date.month)
        .number("day", date.day)
        .number("month_days", zefnaro::copticMonthDays(date.year, date.month))
        .text("gregorian", zefnaro::isoText(g.date))
        .text("coptic_text", zefnaro::copticText(date));
    return finished(o);
}

const char* dayError(const std::string& message) {
    answer.clear();
    Object o(answer);
    return finished(o.text("error", message));
}

} // namespace

extern "C" {

// What the page needs to know once: the version, the largest number, Random's
// ranges, the calendar's first and last days and largest year, the months' names.
EMSCRIPTEN_KEEPALIVE const char* zefnaro_facts() {
    answer.clear();
    Object o(answer);
    o.text("version", zefnaro::versionText)
        .number("largest_number", zefnaro::largestNumber)
        .value("ranges",
               [](std::string& out) {
                   char separator = '[';
                   for (const std::uint32_t upTo : zefnaro::practiceRanges) {
                       out += separator;
                       separator = ',';
                       out += std::to_string(upTo);
                   }
                   out += ']';
               })
        .text("first_day", zefnaro::isoText(zefnaro::firstGregorianDate))
        .text("last_day", zefnaro::isoText(zefnaro::lastGregorianDate))
        .number("largest_year", zefnaro::largestCopticYear)
        .value("months", [](std::string& out) {
            char separator = '[';
            for (int m = 1; m <= 13; ++m) {
                out += separator;
                separator = ',';
                const zefnaro::MonthName name = zefnaro::copticMonthName(m);
                Object(out).text("english", name.english).text("coptic", name.coptic).end(false);
            }
            out += ']';
        });
    return finished(o);
}

// The report of an entry (digits as the number box holds them) in a form
// ("ordinal"/"cardinal", "feminine"/"masculine"), its Coptic in Unicode or, with
// "font-text", the CS fonts' text.
EMSCRIPTEN_KEEPALIVE const char* zefnaro_report(const char* entry, const char* kind, const char* gender,
                                                const char* writing) {
    answer.clear();
    Object o(answer);
    const zefnaro::Report r = zefnaro::composeReport(entry, settings(kind, gender, writing));
    addReport(o, r);
    return finished(o.number("number", r.number));
}

// A pasted or dropped text in any written form: {"number", "ordinal", "masculine",
// "read_as"}, or {"error"}.
EMSCRIPTEN_KEEPALIVE const char* zefnaro_read(const char* text) {
    answer.clear();
    Object o(answer);
    const zefnaro::ReadResult read = zefnaro::readPasted(text);
    if (!read.ok()) return finished(o.text("error", read.error.message));
    o.number("number", read.reading.number)
        .boolean("ordinal", read.reading.form.ordinal())
        .boolean("masculine", read.reading.form.masculine())
        .text("read_as", zefnaro::formName(read.reading.written));
    return finished(o);
}

// A day's report with the day in both calendars, or {"error"}: given by its
// Coptic date, by a Gregorian date written YYYY-MM-DD, or by a Coptic date in any
// writing the reader takes.
EMSCRIPTEN_KEEPALIVE const char* zefnaro_coptic_day(int year, int month, int day, const char* writing) {
    return dayAnswer({year, month, day}, writing);
}

EMSCRIPTEN_KEEPALIVE const char* zefnaro_gregorian_day(const char* isoDate, const char* writing) {
    const zefnaro::GregorianDateResult g = zefnaro::readGregorianDate(isoDate);
    if (!g.ok()) return dayError(g.error.message);
    const zefnaro::CopticDateResult c = zefnaro::toCopticDate(g.date);
    if (!c.ok()) return dayError(c.error.message);
    return dayAnswer(c.date, writing);
}

EMSCRIPTEN_KEEPALIVE const char* zefnaro_read_coptic_day(const char* text, const char* writing) {
    const zefnaro::CopticDateResult c = zefnaro::readCopticDate(text);
    if (!c.ok()) return dayError(c.error.message);
    return dayAnswer(c.date, writing);
}

// The days of a Coptic month in a year: 30, or 5 or 6 for Pi Kogi Enavot; 0 for
// no such month.
EMSCRIPTEN_KEEPALIVE int zefnaro_month_days(int year, int month) {
    return zefnaro::copticMonthDays(year, month);
}

} // extern "C"
