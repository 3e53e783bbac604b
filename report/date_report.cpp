#include "report/date_report.h"

#include "engine/engine.h"
#include "engine/read/date_support.h"


namespace zefnaro {

std::string gregorianText(GregorianDate date) {
    const std::string_view weekday = weekdayName(date);
    return weekday.empty() ? std::string() : dates::joined({weekday, ", ", dates::text(date)});
}

std::string isoText(GregorianDate date) {
    std::string out;
    appendIsoText(out, date);
    return out;
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
