#include "export/church_year.h"

#include "engine/arabic.h"
#include "engine/calendar/day_numbers.h"
#include "engine/calendar/days.h"
#include "engine/say.h"
#include "engine/utf8.h"
#include "export/json.h"
#include "export/members.h"

#include <algorithm>
#include <charconv>
#include <cstdlib>
#include <ctime>


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
    case ObservanceKind::feastOfTheVirgin: return say(Text::kind_virgin_feast, language);
    case ObservanceKind::season: return say(Text::kind_season, language);
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
    case ObservanceKind::feastOfTheVirgin: return Text::ics_category_virgin_feast;
    case ObservanceKind::season: return Text::ics_category_season;
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

bool calendarCanHold(const std::vector<Observance>& observances) {
    return std::all_of(observances.begin(), observances.end(), [](const Observance& o) {
        return days::civilFromDays(days::copticDays(o.last) + 1).year <= 9999;
    });
}

std::string calendarStamp() {
    std::time_t now = std::time(nullptr);
    if (const char* epoch = std::getenv("SOURCE_DATE_EPOCH")) {
        long long seconds = 0;
        const std::string_view text(epoch);
        if (const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), seconds);
            error == std::errc() && end == text.data() + text.size() && seconds >= 0)
            now = static_cast<std::time_t>(seconds);
    }
    std::tm utc{};
    gmtime_r(&now, &utc);
    char text[32];
    std::strftime(text, sizeof text, "%Y%m%dT%H%M%SZ", &utc);
    return text;
}

std::string churchYearsCalendar(const std::vector<ChurchYear>& years, Language language, std::string_view stamp) {
    if (years.empty()) return {};
    for (const ChurchYear& y : years)
        if (!calendarCanHold(y.observances)) return {};
    std::string out;
    const auto line = [&out](const std::string& text) { appendFolded(out, text); };
    line("BEGIN:VCALENDAR");
    line("VERSION:2.0");
    line("PRODID:-//Zefnaro//Coptic church year//EN");
    line("CALSCALE:GREGORIAN");
    std::string title;
    const int first = years.front().copticYear, last = years.back().copticYear;
    appendIcsText(title, first == last ? say(Text::ics_title, language, {yearText(first, language)})
                                       : say(Text::ics_title_years, language,
                                             {yearText(first, language), yearText(last, language)}));
    line("X-WR-CALNAME:" + title);
    for (const ChurchYear& year : years)
        for (const Observance& o : year.observances) {
            std::string end; // the day after the last: an all-day event's end is not in it
            dates::appendIso(end, days::civilFromDays(days::copticDays(o.last) + 1));
            const std::string start = compact(isoOf(o.first));
            line("BEGIN:VEVENT");
            line("UID:" + std::to_string(year.copticYear) + "-" + std::string(o.id) + "@zefnaro");
            line("DTSTAMP:" + std::string(stamp));
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

std::string churchYearCalendar(int copticYear, const std::vector<Observance>& observances, Language language) {
    return churchYearsCalendar({{copticYear, observances}}, language, calendarStamp());
}

} // namespace zefnaro
