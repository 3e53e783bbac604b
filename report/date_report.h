// The report of one day: its Gregorian and its Coptic date, the day and the year
// in Coptic words, the month's names. The same lines and styles as a number's
// report, so every writer renders it.
#pragma once

#include "engine/coptic.h"
#include "report/report.h"
#include "zefnaro/date.h"

#include <string>

namespace zefnaro {

// The report of a Coptic date in the settings' font and size (their form is not
// used: days and years are counted, cardinal and masculine); a date that is no
// day gives its error as the message.
Report composeDateReport(CopticDate date, const DisplaySettings& settings);

// Its plain text (the lines, "\n" between them) appended straight to `out`, as
// plainText(composeDateReport(...)) gives it: for the command line's pace. A date
// that is no day appends nothing.
void appendPlainDateReport(std::string& out, CopticDate date, Writing writing);

// "Tuesday, 8 December 2026".
std::string gregorianText(GregorianDate date);
// "29 Hathor 1743 AM".
std::string copticText(CopticDate date);
// "2026-12-08".
std::string isoText(GregorianDate date);

} // namespace zefnaro

namespace zefnaro {

// "2026-12-08" appended; in the header, so the Python module needs none of the report's code.
inline void appendIsoText(std::string& out, GregorianDate date) {
    const auto digits = [&out](int value, std::size_t width) {
        const std::string text = std::to_string(value);
        out.append(text.size() < width ? width - text.size() : 0, '0');
        out += text;
    };
    digits(date.year, 4);
    out += '-';
    digits(date.month, 2);
    out += '-';
    digits(date.day, 2);
}

// What the command line's JSON line and the Python module say of a day, in order:
// gregorian, weekday, coptic_year, coptic_month, coptic_day, the month's names
// (month_coptic, month_font_text, month_pronunciation, month_english), the day's
// and the year's numerals, Coptic words and pronunciation (Unicode Coptic). Each
// text member goes to text(name, append), where append(std::string&) writes its
// value; each number to number(name, value). The date must be a day.
template <class Text, class Number>
void eachDateMember(CopticDate c, GregorianDate g, Text&& text, Number&& number) {
    const MonthName month = copticMonthName(c.month);
    const auto day = static_cast<std::uint32_t>(c.day);
    const auto year = static_cast<std::uint32_t>(c.year);
    const auto constant = [](std::string_view value) {
        return [value](std::string& out) { out += value; };
    };
    const auto numerals = [](std::uint32_t n) {
        return [n](std::string& out) { appendCopticNumerals(out, n, {}, Writing::unicode); };
    };
    const auto words = [](std::uint32_t n, Writing writing) {
        return [n, writing](std::string& out) { appendCopticWords(out, n, {}, writing); };
    };
    text("gregorian", [g](std::string& out) { appendIsoText(out, g); });
    text("weekday", constant(weekdayName(g)));
    number("coptic_year", c.year);
    number("coptic_month", c.month);
    number("coptic_day", c.day);
    text("month_coptic", constant(month.coptic));
    text("month_font_text", constant(month.fontText));
    text("month_pronunciation", constant(month.pronunciation));
    text("month_english", constant(month.english));
    text("day_numerals", numerals(day));
    text("year_numerals", numerals(year));
    text("day_coptic", words(day, Writing::unicode));
    text("year_coptic", words(year, Writing::unicode));
    text("day_pronunciation", words(day, Writing::pronunciation));
    text("year_pronunciation", words(year, Writing::pronunciation));
}

} // namespace zefnaro
