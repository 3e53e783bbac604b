// The web page's way into the engine: a few C functions over the report and the
// reader. Each call renders in C++ and hands back one string (the report's lines as
// HTML, its plain text) or a few numbers, since building JavaScript objects from
// many strings would cost more than the engine itself.
#include "export/html.h"
#include "report/date_report.h"
#include "report/fonts.h"
#include "report/report.h"
#include "zefnaro/date.h"
#include "zefnaro/read.h"
#include "zefnaro/version.h"

#include <emscripten/emscripten.h>

#include <optional>
#include <string>

namespace {

zefnaro::Report shown;
std::string out;
zefnaro::ReadResult lastRead;
// The day shown, when the report is a day's; its error, when it is no day.
std::optional<zefnaro::CopticDate> shownDay;
std::string dayError;

zefnaro::DisplaySettings settings(int ordinal, int feminine) {
    zefnaro::DisplaySettings s;
    s.fontName = std::string(zefnaro::projectFont); // the page carries Zefnaro Coptic
    s.ordinal = ordinal != 0;
    s.masculine = feminine == 0;
    return s;
}

} // namespace

extern "C" {

// Composes the report of an entry (digits as the number box holds them) and
// returns its lines as HTML; zefnaro_text() and zefnaro_title() then give the same
// report as plain text and as a title.
EMSCRIPTEN_KEEPALIVE const char* zefnaro_report(const char* entry, int ordinal, int feminine) {
    shown = zefnaro::composeReport(entry, settings(ordinal, feminine));
    shownDay.reset();
    out = zefnaro::reportLines(shown);
    return out.c_str();
}

EMSCRIPTEN_KEEPALIVE const char* zefnaro_text() {
    out = zefnaro::plainText(shown);
    return out.c_str();
}

// The report as the standalone page the window saves (the clipboard's HTML).
EMSCRIPTEN_KEEPALIVE const char* zefnaro_page() {
    out = zefnaro::reportPage(shown, zefnaro::reportTitle(shown));
    return out.c_str();
}

// The same report with its Coptic in the CS fonts' text, for documents set in
// them: its plain text, and after it zefnaro_font_text_page() its page.
zefnaro::Report fontTextReport;

EMSCRIPTEN_KEEPALIVE const char* zefnaro_font_text() {
    zefnaro::DisplaySettings s = settings(shown.form.ordinal(), shown.form.feminine());
    s.fontName = std::string(zefnaro::fontTextDefault);
    fontTextReport = shown.isMessage ? shown
                     : shownDay      ? zefnaro::composeDateReport(*shownDay, s)
                                     : zefnaro::composeReport(shown.number, s);
    out = zefnaro::plainText(fontTextReport);
    return out.c_str();
}

EMSCRIPTEN_KEEPALIVE const char* zefnaro_font_text_page() {
    out = zefnaro::reportPage(fontTextReport, zefnaro::reportTitle(fontTextReport));
    return out.c_str();
}

// Reads a pasted or dropped text in any written form: the number, 0 when it is
// none; zefnaro_read_form() gives 1 for ordinal plus 2 for feminine, and
// zefnaro_read_error() the reader's message.
EMSCRIPTEN_KEEPALIVE unsigned zefnaro_read(const char* text) {
    lastRead = zefnaro::readPasted(text);
    return lastRead.ok() ? lastRead.reading.number : 0;
}

EMSCRIPTEN_KEEPALIVE int zefnaro_read_form() {
    return (lastRead.reading.form.ordinal() ? 1 : 0) + (lastRead.reading.form.feminine() ? 2 : 0);
}

EMSCRIPTEN_KEEPALIVE const char* zefnaro_read_error() {
    return lastRead.error.message.c_str();
}

// The report of a day, given by its Coptic date, as lines of HTML; "" when the date
// is no day, and zefnaro_day_error() says why. zefnaro_day_coptic() and
// zefnaro_day_gregorian() then give the day shown: year * 10000 + month * 100 + day,
// and "2026-12-08".
EMSCRIPTEN_KEEPALIVE const char* zefnaro_coptic_day(int year, int month, int day) {
    const zefnaro::CopticDate date{year, month, day};
    const zefnaro::GregorianDateResult g = zefnaro::toGregorianDate(date);
    if (!g.ok()) {
        dayError = g.error.message;
        return "";
    }
    dayError.clear();
    shown = zefnaro::composeDateReport(date, settings(0, 0));
    shownDay = date;
    out = zefnaro::reportLines(shown);
    return out.c_str();
}

// The same for a Gregorian day written YYYY-MM-DD.
EMSCRIPTEN_KEEPALIVE const char* zefnaro_gregorian_day(const char* iso) {
    const zefnaro::GregorianDateResult g = zefnaro::readGregorianDate(iso);
    const zefnaro::CopticDateResult c = g.ok() ? zefnaro::toCopticDate(g.date) : zefnaro::CopticDateResult{};
    if (!g.ok() || !c.ok()) {
        dayError = g.ok() ? c.error.message : g.error.message;
        return "";
    }
    return zefnaro_coptic_day(c.date.year, c.date.month, c.date.day);
}

// The same for a Coptic date in any writing the reader takes.
EMSCRIPTEN_KEEPALIVE const char* zefnaro_read_coptic_day(const char* text) {
    const zefnaro::CopticDateResult c = zefnaro::readCopticDate(text);
    if (!c.ok()) {
        dayError = c.error.message;
        return "";
    }
    return zefnaro_coptic_day(c.date.year, c.date.month, c.date.day);
}

EMSCRIPTEN_KEEPALIVE int zefnaro_day_coptic() {
    return shownDay ? shownDay->year * 10000 + shownDay->month * 100 + shownDay->day : 0;
}

EMSCRIPTEN_KEEPALIVE const char* zefnaro_day_gregorian() {
    out = shownDay ? zefnaro::isoText(zefnaro::toGregorianDate(*shownDay).date) : std::string();
    return out.c_str();
}

EMSCRIPTEN_KEEPALIVE const char* zefnaro_day_error() {
    return dayError.c_str();
}

// The days of a Coptic month in a year: 30, or 5 or 6 for Pi Kogi Enavot.
EMSCRIPTEN_KEEPALIVE int zefnaro_month_days(int year, int month) {
    return zefnaro::copticMonthDays(year, month);
}

// "Hathor · Ⲁⲑⲱⲣ" for the month list; "" outside 1..13.
EMSCRIPTEN_KEEPALIVE const char* zefnaro_month_name(int month) {
    const zefnaro::MonthName m = zefnaro::copticMonthName(month);
    out = m.english.empty() ? std::string() : std::string(m.english) + " · " + std::string(m.coptic);
    return out.c_str();
}

EMSCRIPTEN_KEEPALIVE const char* zefnaro_version() {
    return zefnaro::versionText;
}

} // extern "C"
