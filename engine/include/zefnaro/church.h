// Zefnaro: the church year: Easter by the Alexandrian computus, and the feasts and
// fasts of a Coptic year and of a day, each with an id that stays the same.
#pragma once

#include "zefnaro/date.h"
#include "zefnaro/export.h"

#include <string_view>
#include <vector>

namespace zefnaro {

// Easter Sunday of a year of the Christian era, in the (proleptic) Gregorian
// calendar: 2027 gives 2027-05-02. Years 285 to 10283, the ones whose Easter falls
// in the Coptic calendar Zefnaro converts; {0, 0, 0} for any other.
ZEFNARO_API GregorianDate easter(int year);

enum class ObservanceKind { majorFeastOfTheLord, minorFeastOfTheLord, feast, fast, feastOfTheVirgin, season };
// "major_feast", "minor_feast", "feast", "fast", "virgin_feast", "season".
ZEFNARO_API std::string_view kindName(ObservanceKind kind);

struct Observance {
    std::string_view id;         // "great_lent", "easter", … "weekly_fast"
    std::string_view name;       // "Great Lent"
    ObservanceKind kind = ObservanceKind::feast;
    CopticDate first, last;      // the days it runs, the same day for a feast of one day
};

// An observance's name in a language ("en", "ar"; English for a code Zefnaro does
// not speak): observanceName("great_lent", "ar") is Great Lent in Arabic. "" for no such id.
ZEFNARO_API std::string_view observanceName(std::string_view id, std::string_view language = "en");

// The feasts and fasts of a Coptic year (1 to 9999 AM) in order of their first day;
// the weekly fast days (Wednesdays and Fridays) are left out. Empty for another year.
ZEFNARO_API std::vector<Observance> churchYear(int copticYear);

// What a day is: the observances it falls in, the weekly fast among them; empty for
// a date the calendar does not have.
ZEFNARO_API std::vector<Observance> observancesOn(CopticDate date);

} // namespace zefnaro
