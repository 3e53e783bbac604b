#include "report/date_report.h"

#include "engine/engine.h"
#include "engine/calendar/days.h"
#include "engine/joined.h"
#include "report/date_lines.h"


namespace zefnaro {

std::string gregorianText(GregorianDate date, Language language) {
    if (weekdayName(date).empty()) return {};
    return dates::textWithWeekday(date, language);
}

std::string copticText(CopticDate date, Language language) {
    return dates::text(date, language);
}

std::string isoText(GregorianDate date) {
    std::string out;
    dates::appendIso(out, date);
    return out;
}

Report composeDateReport(CopticDate date, const DisplaySettings& settings) {
    Report r;
    const GregorianDateResult gregorian = toGregorianDate(date);
    if (!gregorian.ok()) {
        const Style style = styleOf(Piece::message, Writing::unicode, 0);
        r.isMessage = true;
        r.lines = {{Piece::blank, "", style},
                   {Piece::message, dates::sentence(dates::whyNoGregorianDate(date), settings.language), style}};
        return r;
    }
    const Writing writing = writingFor(settings.fontName);
    r.writing = writing;
    r.language = settings.language;
    r.day = date;
    r.copticFont = settings.fontName;
    r.numeralsFont = writing == Writing::unicode ? std::string(unicodeNumeralsFont) : settings.fontName;
    eachDateLine(date, gregorian.date, writing, settings.language, [&](Piece piece, auto write) {
        Line& l = r.lines.emplace_back();
        l.piece = piece;
        l.style = styleOf(piece, writing, settings.fontSize, facts(settings.language).numbers == Script::latin);
        write(l.text);
    });
    return r;
}

} // namespace zefnaro
