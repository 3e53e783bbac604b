// Days counted from 1970-01-01, the one line both calendars (and the church year's
// feasts) are reckoned on.
#pragma once

#include "zefnaro/date.h"

#include <array>

namespace zefnaro::days {

constexpr bool isGregorianLeapYear(long long y) {
    return (y % 4 == 0 && y % 100 != 0) || y % 400 == 0;
}

constexpr int gregorianMonthDays(long long year, int month) {
    constexpr std::array<int, 12> days = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    if (month < 1 || month > 12) return 0;
    return month == 2 && isGregorianLeapYear(year) ? 29 : days[static_cast<std::size_t>(month - 1)];
}

// Days from 1970-01-01 of a proleptic Gregorian day, and back (after H. Hinnant's
// days_from_civil): exact for any year a date here can have.
constexpr long long daysFromCivil(long long y, long long m, long long d) {
    y -= m <= 2 ? 1 : 0;
    const long long era = (y >= 0 ? y : y - 399) / 400;
    const long long yoe = y - era * 400;
    const long long doy = (153 * (m + (m > 2 ? -3 : 9)) + 2) / 5 + d - 1;
    const long long doe = yoe * 365 + yoe / 4 - yoe / 100 + doy;
    return era * 146097 + doe - 719468;
}

constexpr GregorianDate civilFromDays(long long z) {
    z += 719468;
    const long long era = (z >= 0 ? z : z - 146096) / 146097;
    const long long doe = z - era * 146097;
    const long long yoe = (doe - doe / 1460 + doe / 36524 - doe / 146096) / 365;
    const long long doy = doe - (365 * yoe + yoe / 4 - yoe / 100);
    const long long mp = (5 * doy + 2) / 153;
    const long long d = doy - (153 * mp + 2) / 5 + 1;
    const long long m = mp < 10 ? mp + 3 : mp - 9;
    const long long y = yoe + era * 400 + (m <= 2 ? 1 : 0);
    return {static_cast<int>(y), static_cast<int>(m), static_cast<int>(d)};
}

constexpr long long epoch = daysFromCivil(firstGregorianDate.year, firstGregorianDate.month,
                                         firstGregorianDate.day);

constexpr long long copticDays(CopticDate c) {
    return epoch + 365LL * (c.year - 1) + c.year / 4 + 30LL * (c.month - 1) + c.day - 1;
}

constexpr CopticDate copticFromDays(long long days) {
    const long long n = days - epoch;
    const long long year = (4 * n + 1463) / 1461;
    const long long intoYear = n - (365 * (year - 1) + year / 4);
    return {static_cast<int>(year), static_cast<int>(intoYear / 30 + 1),
            static_cast<int>(intoYear % 30 + 1)};
}

constexpr long long lastDay = copticDays(lastCopticDate);
static_assert(copticFromDays(epoch) == firstCopticDate);
static_assert(copticFromDays(lastDay) == lastCopticDate);
// The public constants say the same days as the arithmetic.
static_assert(civilFromDays(epoch) == firstGregorianDate);
static_assert(civilFromDays(lastDay) == lastGregorianDate);

} // namespace zefnaro::days
