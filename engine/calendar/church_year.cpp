// The church year, reckoned as the Coptic Church reckons it: Easter by the
// Alexandrian computus in the Julian calendar, the moveable days counted from it,
// the fixed days on their Coptic dates.
#include "zefnaro/church.h"

#include "engine/calendar/church_year.h"
#include "engine/calendar/day_numbers.h"
#include "engine/calendar/days.h"
#include "engine/say.h"

#include <algorithm>
#include <array>

namespace zefnaro {

namespace {

using days::copticDays;
using days::copticFromDays;

// Days from 1970-01-01 of a day of the Julian calendar (through the Julian day
// number, whose day 2,440,588 was 1970-01-01).
constexpr long long daysFromJulian(long long y, long long m, long long d) {
    const long long a = (14 - m) / 12, year = y + 4800 - a, month = m + 12 * a - 3;
    return d + (153 * month + 2) / 5 + 365 * year + year / 4 - 32083 - 2440588;
}

struct Named {
    std::string_view id;
    Text name;
    ObservanceKind kind;
};

constexpr auto major = ObservanceKind::majorFeastOfTheLord, minor = ObservanceKind::minorFeastOfTheLord,
               feast = ObservanceKind::feast, fast = ObservanceKind::fast, virgin = ObservanceKind::feastOfTheVirgin,
               season = ObservanceKind::season;

// Every observance; its names are the catalogue's (the Arabic from the project's glossary).
constexpr std::array<Named, 40> names{{
    {"nayrouz", Text::observance_nayrouz, feast},
    {"cross", Text::observance_cross, feast},
    {"virgin_presentation", Text::observance_virgin_presentation, virgin},
    {"nativity_fast", Text::observance_nativity_fast, fast},
    {"paramoun_nativity", Text::observance_paramoun_nativity, fast},
    {"nativity", Text::observance_nativity, major},
    {"circumcision", Text::observance_circumcision, minor},
    {"paramoun_theophany", Text::observance_paramoun_theophany, fast},
    {"theophany", Text::observance_theophany, major},
    {"cana", Text::observance_cana, minor},
    {"virgin_dormition", Text::observance_virgin_dormition, virgin},
    {"presentation", Text::observance_presentation, minor},
    {"jonah_fast", Text::observance_jonah_fast, fast},
    {"jonah_passover", Text::observance_jonah_passover, feast},
    {"great_lent", Text::observance_great_lent, fast},
    {"cross_paremhat", Text::observance_cross_paremhat, feast},
    {"virgin_zeitoun", Text::observance_virgin_zeitoun, virgin},
    {"annunciation", Text::observance_annunciation, major},
    {"lazarus_saturday", Text::observance_lazarus_saturday, feast},
    {"palm_sunday", Text::observance_palm_sunday, major},
    {"holy_week", Text::observance_holy_week, fast},
    {"covenant_thursday", Text::observance_covenant_thursday, minor},
    {"good_friday", Text::observance_good_friday, fast},
    {"bright_saturday", Text::observance_bright_saturday, fast},
    {"easter", Text::observance_easter, major},
    {"holy_fifty_days", Text::observance_holy_fifty_days, season},
    {"thomas_sunday", Text::observance_thomas_sunday, minor},
    {"virgin_nativity", Text::observance_virgin_nativity, virgin},
    {"ascension", Text::observance_ascension, major},
    {"pentecost", Text::observance_pentecost, major},
    {"apostles_fast", Text::observance_apostles_fast, fast},
    {"entry_into_egypt", Text::observance_entry_into_egypt, minor},
    {"virgin_first_church", Text::observance_virgin_first_church, virgin},
    {"apostles_feast", Text::observance_apostles_feast, feast},
    {"virgin_fast", Text::observance_virgin_fast, fast},
    {"transfiguration", Text::observance_transfiguration, minor},
    {"virgin_annunciation", Text::observance_virgin_annunciation, virgin},
    {"assumption", Text::observance_assumption, feast},
    {"weekly_fast", Text::observance_weekly_fast, fast},
}};

Observance observance(std::string_view id, long long first, long long last) {
    const auto named = std::find_if(names.begin(), names.end(), [id](const Named& n) { return n.id == id; });
    return {named->id, say(named->name, defaultLanguage), named->kind, copticFromDays(first), copticFromDays(last)};
}

// 0 for a Thursday, as 1970-01-01 was.
constexpr int weekday(long long day) {
    return static_cast<int>(((day % 7) + 7) % 7);
}

} // namespace

GregorianDate easter(int year) {
    const long long day = church::easterDay(year);
    return day == church::noDay ? GregorianDate{0, 0, 0} : days::civilFromDays(day);
}

namespace church {

long long easterDay(int year) {
    if (year < firstEasterYear || year > lastEasterYear) return noDay;
    const int a = year % 4, b = year % 7, c = year % 19;
    const int d = (19 * c + 15) % 30, e = (2 * a + 4 * b - d + 34) % 7;
    return daysFromJulian(year, (d + e + 114) / 31, (d + e + 114) % 31 + 1);
}

long long easterDayByEpact(int year) {
    if (year < firstEasterYear || year > lastEasterYear) return noDay;
    // The epact counted in Coptic months (Abu Kiti): the Passover moon in Paremhat or
    // Parmouti of the Coptic year the spring falls in, Easter the Sunday after it.
    const int epact = 11 * (year % 19) % 30, p = 40 - epact;
    const int copticYear = year - yearsBeforeTheMartyrs;
    const CopticDate moon = p > 30 ? CopticDate{copticYear, 8, p - 30}
                            : p >= 25 ? CopticDate{copticYear, 7, p}
                                      : CopticDate{copticYear, 8, p};
    const long long full = copticDays(moon);
    const int sunday = 3; // 1970-01-01 was a Thursday: Sundays are 3 mod 7
    return full + 7 - (weekday(full) - sunday + 7) % 7;
}

} // namespace church

std::string_view kindName(ObservanceKind kind) {
    switch (kind) {
    case ObservanceKind::majorFeastOfTheLord: return "major_feast";
    case ObservanceKind::minorFeastOfTheLord: return "minor_feast";
    case ObservanceKind::feast: return "feast";
    case ObservanceKind::fast: return "fast";
    case ObservanceKind::feastOfTheVirgin: return "virgin_feast";
    case ObservanceKind::season: return "season";
    }
    return "feast";
}

std::vector<Observance> churchYear(int year) {
    if (year < 1 || year > largestCopticYear) return {};
    const auto on = [year](int month, int day) { return copticDays({year, month, day}); };
    const long long e = church::easterDay(year + yearsBeforeTheMartyrs);
    std::vector<Observance> list;
    const auto add = [&list](std::string_view id, long long first, long long last) {
        list.push_back(observance(id, first, last));
    };
    const auto one = [&add](std::string_view id, long long day) { add(id, day, day); };
    // The eve of a feast, its Paramoun, is a strict fast: where the feast falls on a
    // Sunday, from the Friday; on a Monday, from the Friday to the Sunday.
    const auto paramoun = [&add](std::string_view id, long long feastDay) {
        const int w = weekday(feastDay); // 0 Thursday: Sunday 3, Monday 4
        add(id, feastDay - (w == 3 ? 2 : w == 4 ? 3 : 1), feastDay - 1);
    };
    one("nayrouz", on(1, 1));
    add("cross", on(1, 17), on(1, 19));
    one("virgin_presentation", on(4, 3));
    // In the Coptic year after a leap year (AM divisible by 4), 28 Kiahk is 25 December
    // of the Julian calendar, and the Church keeps the Nativity on it as well as on
    // 29 Kiahk: both days are marked, and the fast ends the day before the first. (From
    // 1900 to 2099 these are the years whose 28 Kiahk is 7 January.)
    const long long nativity = on(4, 29);
    const bool earlier = year % 4 == 0;
    add("nativity_fast", on(3, 16), nativity - (earlier ? 2 : 1));
    paramoun("paramoun_nativity", nativity - (earlier ? 1 : 0));
    add("nativity", nativity - (earlier ? 1 : 0), nativity);
    one("circumcision", on(5, 6));
    paramoun("paramoun_theophany", on(5, 11));
    one("theophany", on(5, 11));
    one("virgin_dormition", on(5, 21));
    one("cana", on(5, 13));
    one("presentation", on(6, 8));
    add("jonah_fast", e - 69, e - 67);
    one("jonah_passover", e - 66);
    add("great_lent", e - 55, e - 1);
    one("cross_paremhat", on(7, 10));
    one("virgin_zeitoun", on(7, 24));
    one("annunciation", on(7, 29));
    one("lazarus_saturday", e - 8);
    one("palm_sunday", e - 7);
    add("holy_week", e - 6, e - 1); // Pascha, Monday to Saturday
    one("covenant_thursday", e - 3);
    one("good_friday", e - 2);
    one("bright_saturday", e - 1);
    one("easter", e);
    add("holy_fifty_days", e, e + 49);
    one("thomas_sunday", e + 7);
    one("virgin_nativity", on(9, 1));
    one("ascension", e + 39);
    one("pentecost", e + 49);
    add("apostles_fast", e + 50, on(11, 4));
    one("entry_into_egypt", on(9, 24));
    one("virgin_first_church", on(10, 21));
    one("apostles_feast", on(11, 5));
    add("virgin_fast", on(12, 1), on(12, 15));
    one("virgin_annunciation", on(12, 7));
    one("transfiguration", on(12, 13));
    one("assumption", on(12, 16));
    // In order of the first day; a day's feasts in the order listed above.
    std::stable_sort(list.begin(), list.end(), [](const Observance& a, const Observance& b) {
        return copticDays(a.first) < copticDays(b.first);
    });
    return list;
}

std::vector<Observance> observancesOn(CopticDate date) {
    if (!toGregorianDate(date).ok()) return {};
    const long long day = copticDays(date);
    std::vector<Observance> on;
    bool festal = false; // a feast that lifts the weekly fast: the Nativity, the Theophany
    for (const Observance& o : churchYear(date.year))
        if (copticDays(o.first) <= day && day <= copticDays(o.last)) {
            on.push_back(o);
            festal = festal || o.id == "nativity" || o.id == "theophany";
        }
    // Wednesdays and Fridays fast, but not from Easter to Pentecost.
    const long long e = church::easterDay(date.year + yearsBeforeTheMartyrs);
    const int w = weekday(day); // 0 Thursday: Wednesday 6, Friday 1
    if ((w == 6 || w == 1) && !(e <= day && day <= e + 49) && !festal)
        on.push_back(observance("weekly_fast", day, day));
    return on;
}

std::string_view dates::observanceName(std::string_view id, Language language) {
    const auto named = std::find_if(names.begin(), names.end(), [id](const Named& n) { return n.id == id; });
    return named == names.end() ? std::string_view() : say(named->name, language);
}

std::string_view observanceName(std::string_view id, std::string_view language) {
    return dates::observanceName(id, languageNamed(language).value_or(defaultLanguage));
}

} // namespace zefnaro
