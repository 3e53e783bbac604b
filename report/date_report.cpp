#include "report/date_report.h"

#include "engine/engine.h"
#include "engine/read/date_support.h"


namespace zefnaro {

std::string gregorianText(GregorianDate date) {
    const std::string_view weekday = weekdayName(date);
    return weekday.empty() ? std::string() : dates::joined({weekday, ", ", dates::text(date)});
}

std::string copticText(CopticDate date) {
    return dates::text(date);
}

std::string isoText(GregorianDate date) {
    std::string out;
    appendIsoText(out, date);
    return out;
}

namespace {

// The lines of a day's report in order, each given to `line` with a function that
// appends its text: one list for the report and for its plain text.
template <class Line>
void eachDateLine(CopticDate date, GregorianDate gregorian, Writing writing, Line&& line) {
    const auto day = static_cast<std::uint32_t>(date.day);
    const auto year = static_cast<std::uint32_t>(date.year);
    const MonthName month = copticMonthName(date.month);
    const std::string_view monthText = writing == Writing::unicode ? month.coptic : month.fontText;
    const auto text = [](std::string_view t) { return [t](std::string& out) { out += t; }; };
    const auto words = [](std::uint32_t n, Writing w) {
        return [n, w](std::string& out) { appendCopticWords(out, n, {}, w); };
    };
    const auto english = [](std::uint32_t n) {
        return [n](std::string& out) { appendEnglishWords(out, n, {}); };
    };
    line(Piece::blank, text(""));
    line(Piece::digits, [&](std::string& out) {
        out.append(weekdayName(gregorian)).append(", ").append(dates::text(gregorian));
    });
    line(Piece::words, text("in the Coptic calendar is"));
    line(Piece::numerals, [&](std::string& out) {
        appendCopticNumerals(out, day, {}, writing);
        out.append(" ").append(monthText).append(" ");
        appendCopticNumerals(out, year, {}, writing);
    });
    line(Piece::digits, [&](std::string& out) { out += dates::text(date); });
    // Each of the three parts as written, pronounced and in English.
    const auto part = [&](std::string_view heading, auto coptic, auto spoken, auto inEnglish) {
        line(Piece::blank, text(""));
        line(Piece::words, text(heading));
        line(Piece::coptic, coptic);
        line(Piece::pronunciation, spoken);
        line(Piece::english, inEnglish);
    };
    part("the day", words(day, writing), words(day, Writing::pronunciation), english(day));
    part("of the month", text(monthText), text(month.pronunciation), text(month.english));
    part("of the year", words(year, writing), words(year, Writing::pronunciation), english(year));
    line(Piece::blank, text(""));
}

} // namespace

Report composeDateReport(CopticDate date, const DisplaySettings& settings) {
    Report r;
    const GregorianDateResult gregorian = toGregorianDate(date);
    if (!gregorian.ok()) {
        const Style style = styleOf(Piece::message, Writing::unicode, 0);
        r.isMessage = true;
        r.lines = {{Piece::blank, "", style}, {Piece::message, gregorian.error.message, style}};
        return r;
    }
    const Writing writing = writingFor(settings.fontName);
    r.writing = writing;
    r.day = date;
    r.copticFont = settings.fontName;
    r.numeralsFont = writing == Writing::unicode ? std::string(unicodeNumeralsFont) : settings.fontName;
    eachDateLine(date, gregorian.date, writing, [&](Piece piece, auto write) {
        Line& l = r.lines.emplace_back();
        l.piece = piece;
        l.style = styleOf(piece, writing, settings.fontSize);
        write(l.text);
    });
    return r;
}

void appendPlainDateReport(std::string& out, CopticDate date, Writing writing) {
    const GregorianDateResult gregorian = toGregorianDate(date);
    if (!gregorian.ok()) return;
    bool first = true;
    eachDateLine(date, gregorian.date, writing, [&](Piece, auto write) {
        if (!first) out += '\n';
        first = false;
        write(out);
    });
}

} // namespace zefnaro
