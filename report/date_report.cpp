#include "report/date_report.h"

#include "engine/engine.h"
#include "engine/read/date_support.h"

#include <array>
#include <cstdio>

namespace zefnaro {

std::string gregorianText(GregorianDate date) {
    const std::string_view weekday = weekdayName(date);
    return weekday.empty() ? std::string() : dates::joined({weekday, ", ", dates::text(date)});
}

std::string isoText(GregorianDate date) {
    std::array<char, 24> buffer{};
    std::snprintf(buffer.data(), buffer.size(), "%04d-%02d-%02d", date.year, date.month, date.day);
    return buffer.data();
}

Report composeDateReport(CopticDate date, const DisplaySettings& settings) {
    Report r;
    const GregorianDateResult gregorian = toGregorianDate(date);
    const Writing writing = writingFor(settings.fontName);
    const int size = settings.fontSize;
    const auto add = [&](Piece piece, std::string text) {
        r.lines.push_back({piece, std::move(text), styleOf(piece, writing, size)});
    };
    if (!gregorian.ok()) {
        const Style style = styleOf(Piece::message, Writing::unicode, 0);
        r.isMessage = true;
        r.lines = {{Piece::blank, "", style}, {Piece::message, gregorian.error.message, style}};
        return r;
    }
    const auto day = static_cast<std::uint32_t>(date.day);
    const auto year = static_cast<std::uint32_t>(date.year);
    const MonthName month = copticMonthName(date.month);
    const std::string_view monthText = writing == Writing::unicode ? month.coptic : month.fontText;
    r.writing = writing;
    r.copticFont = settings.fontName;
    r.numeralsFont = writing == Writing::unicode ? std::string(unicodeNumeralsFont) : settings.fontName;

    add(Piece::blank, "");
    add(Piece::digits, gregorianText(gregorian.date));
    add(Piece::words, "in the Coptic calendar is");
    std::string numerals = toCopticNumerals(day, {}, writing);
    numerals.append(" ").append(monthText).append(" ").append(toCopticNumerals(year, {}, writing));
    add(Piece::numerals, std::move(numerals));
    add(Piece::digits, dates::text(date));
    // Each of the three parts as written, pronounced and in English.
    const auto part = [&](std::string_view heading, std::string coptic, std::string spoken,
                          std::string english) {
        add(Piece::blank, "");
        add(Piece::words, std::string(heading));
        add(Piece::coptic, std::move(coptic));
        add(Piece::pronunciation, std::move(spoken));
        add(Piece::english, std::move(english));
    };
    part("the day", toCopticWords(day, {}, writing), toCopticWords(day, {}, Writing::pronunciation),
         toEnglishWords(day, {}));
    part("of the month", std::string(monthText), std::string(month.pronunciation),
         std::string(month.english));
    part("of the year", toCopticWords(year, {}, writing), toCopticWords(year, {}, Writing::pronunciation),
         toEnglishWords(year, {}));
    add(Piece::blank, "");
    return r;
}

} // namespace zefnaro

namespace zefnaro {

std::vector<DateMember> dateMembers(CopticDate c, GregorianDate g) {
    const MonthName month = copticMonthName(c.month);
    const auto day = static_cast<std::uint32_t>(c.day);
    const auto year = static_cast<std::uint32_t>(c.year);
    const auto text = [](std::string_view name, std::string value) {
        return DateMember{name, std::move(value)};
    };
    const auto number = [](std::string_view name, int value) {
        return DateMember{name, {}, value, true};
    };
    return {text("gregorian", isoText(g)),
            text("weekday", std::string(weekdayName(g))),
            number("coptic_year", c.year),
            number("coptic_month", c.month),
            number("coptic_day", c.day),
            text("month_coptic", std::string(month.coptic)),
            text("month_font_text", std::string(month.fontText)),
            text("month_pronunciation", std::string(month.pronunciation)),
            text("month_english", std::string(month.english)),
            text("day_numerals", toCopticNumerals(day, {}, Writing::unicode)),
            text("year_numerals", toCopticNumerals(year, {}, Writing::unicode)),
            text("day_coptic", toCopticWords(day, {}, Writing::unicode)),
            text("year_coptic", toCopticWords(year, {}, Writing::unicode)),
            text("day_pronunciation", toCopticWords(day, {}, Writing::pronunciation)),
            text("year_pronunciation", toCopticWords(year, {}, Writing::pronunciation))};
}

} // namespace zefnaro
