#include "export/church_year.h"

#include "engine/arabic.h"
#include "engine/calendar/day_numbers.h"
#include "engine/calendar/days.h"
#include "engine/say.h"
#include "engine/utf8.h"
#include "export/json.h"
#include "export/members.h"


namespace zefnaro {

namespace {

std::string isoOf(CopticDate c) {
    std::string out;
    dates::appendIso(out, toGregorianDate(c).date);
    return out;
}

std::string_view kindWords(ObservanceKind kind, Language language) {
    switch (kind) {
    case ObservanceKind::majorFeastOfTheLord: return say(Text::kind_major_feast, language);
    case ObservanceKind::minorFeastOfTheLord: return say(Text::kind_minor_feast, language);
    case ObservanceKind::feast: return say(Text::kind_feast, language);
    case ObservanceKind::fast: return say(Text::kind_fast, language);
    }
    return {};
}

// What a calendar program files an event under: the kind's id in English.
Text categoryText(ObservanceKind kind) {
    switch (kind) {
    case ObservanceKind::majorFeastOfTheLord: return Text::ics_category_major_feast;
    case ObservanceKind::minorFeastOfTheLord: return Text::ics_category_minor_feast;
    case ObservanceKind::feast: return Text::ics_category_feast;
    case ObservanceKind::fast: return Text::ics_category_fast;
    }
    return Text::ics_category_feast;
}

// A year as the language writes its digits, ungrouped.
std::string yearText(int year, Language language) {
    const std::string digits = std::to_string(year);
    return facts(language).numbers == Script::arabic ? arabicIndic(digits) : digits;
}

std::string_view nameIn(const Observance& o, Language language) {
    return dates::observanceName(o.id, language);
}

// A day as the report writes it, in the language.
std::string gregorianText(CopticDate c, Language language) {
    return dates::text(toGregorianDate(c).date, language);
}
std::string copticText(CopticDate c, Language language) {
    return dates::text(c, language);
}

// Text as iCalendar escapes it, and its lines folded at 75 octets, never inside a
// character.
void appendIcsText(std::string& out, std::string_view text) {
    for (const char c : text) {
        if (c == '\\' || c == ';' || c == ',') out += '\\';
        if (c == '\n') {
            out += "\\n";
            continue;
        }
        out += c;
    }
}
void appendFolded(std::string& out, const std::string& line) {
    std::size_t width = 0;
    for (std::size_t i = 0; i < line.size();) {
        std::size_t length = 1;
        if (const auto d = utf8::decodeAt(line, i)) length = d->length;
        if (width + length > 75) {
            out += "\r\n ";
            width = 1;
        }
        out.append(line, i, length);
        width += length;
        i += length;
    }
    out += "\r\n";
}

std::string compact(std::string iso) { // 2027-05-02 → 20270502
    std::string out;
    for (const char c : iso)
        if (c != '-') out += c;
    return out;
}

} // namespace

void appendObservanceLine(std::string& out, const Observance& o, Language language) {
    json::Object line(out);
    eachObservanceMember(o, language, line);
    line.end();
}

void appendObservanceText(std::string& out, const Observance& o, Language language) {
    const bool oneDay = o.first == o.last;
    const std::string_view to = " – ";
    out += gregorianText(o.first, language);
    if (!oneDay) out.append(to).append(gregorianText(o.last, language));
    out += "  ";
    out += copticText(o.first, language);
    if (!oneDay) out.append(to).append(copticText(o.last, language));
    // No kind where the name begins with it (صوم الميلاد is a fast by its name).
    const std::string_view name = nameIn(o, language), kind = kindWords(o.kind, language);
    out.append("  ").append(name.starts_with(kind) ? std::string(name) : say(Text::observance_with_kind, language, {name, kind}));
    out += '\n';
}

std::string churchYearCalendar(int copticYear, const std::vector<Observance>& observances, Language language) {
    std::string out;
    const auto line = [&out](const std::string& text) { appendFolded(out, text); };
    line("BEGIN:VCALENDAR");
    line("VERSION:2.0");
    line("PRODID:-//Zefnaro//Coptic church year//EN");
    line("CALSCALE:GREGORIAN");
    std::string title;
    appendIcsText(title, say(Text::ics_title, language, {yearText(copticYear, language)}));
    line("X-WR-CALNAME:" + title);
    // The stamp is the year's own first day, so that the same year gives the same file.
    const std::string stamp = compact(isoOf({copticYear, 1, 1})) + "T000000Z";
    for (const Observance& o : observances) {
        std::string end; // the day after the last: an all-day event's end is not in it
        dates::appendIso(end, days::civilFromDays(days::copticDays(o.last) + 1));
        const std::string start = compact(isoOf(o.first));
        line("BEGIN:VEVENT");
        line("UID:" + std::to_string(copticYear) + "-" + std::string(o.id) + "@zefnaro");
        line("DTSTAMP:" + stamp);
        line("DTSTART;VALUE=DATE:" + start);
        line("DTEND;VALUE=DATE:" + compact(end));
        std::string summary, description;
        appendIcsText(summary, nameIn(o, language));
        const bool oneDay = o.first == o.last;
        appendIcsText(description, copticText(o.first, language) +
                                       (oneDay ? std::string() : " – " + copticText(o.last, language)) + " (" +
                                       std::string(kindWords(o.kind, language)) + ")");
        line("SUMMARY:" + summary);
        line("DESCRIPTION:" + description);
        std::string category;
        appendIcsText(category, say(categoryText(o.kind), language));
        line("CATEGORIES:" + category);
        line("TRANSP:TRANSPARENT");
        line("END:VEVENT");
    }
    line("END:VCALENDAR");
    return out;
}

} // namespace zefnaro
