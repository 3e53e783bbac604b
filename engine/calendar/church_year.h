// The two ways of finding Easter, as day numbers, for the tests to hold against
// each other and for the church year to count from.
#pragma once

namespace zefnaro::church {

inline constexpr long long noDay = -1'000'000'000;

// Easter of a year of the era (285 to 10283) as days from 1970-01-01: by Meeus's
// Julian formula, and by the epact counted in Coptic months; noDay for another year.
long long easterDay(int year);
long long easterDayByEpact(int year);

} // namespace zefnaro::church
