// The church year: Easter found both ways for every year, the moveable and fixed
// days against the Church's facts, and the weekly fast's exceptions.
#include "zefnaro/church.h"
#include "engine/calendar/church_year.h"

#include <gtest/gtest.h>

#include <tuple>

#include <cstdio>
#include <map>
#include <string>

namespace zefnaro {
namespace {

std::string iso(CopticDate c) {
    const GregorianDate g = toGregorianDate(c).date;
    char text[16];
    std::snprintf(text, sizeof text, "%04d-%02d-%02d", g.year, g.month, g.day);
    return text;
}

TEST(ChurchYear, EasterByTheFormulaIsEasterByTheEpactEveryYear) {
    for (int year = 285; year <= 10283; ++year)
        ASSERT_EQ(church::easterDay(year), church::easterDayByEpact(year)) << year;
    for (const auto& [year, day] : std::map<int, GregorianDate>{{2023, {2023, 4, 16}}, {2024, {2024, 5, 5}},
                                                               {2025, {2025, 4, 20}}, {2026, {2026, 4, 12}},
                                                               {2027, {2027, 5, 2}}, {2100, {2100, 5, 2}}})
        EXPECT_EQ(easter(year), day) << year;
    EXPECT_EQ(easter(284), (GregorianDate{0, 0, 0}));
    EXPECT_EQ(easter(10284), (GregorianDate{0, 0, 0}));
}

TEST(ChurchYear, TheDaysOfAYear) {
    // 1742 AM: Easter 12 April 2026, Great Lent from Monday 16 February.
    std::map<std::string, std::pair<std::string, std::string>> days;
    for (const Observance& o : churchYear(1742)) days[std::string(o.id)] = {iso(o.first), iso(o.last)};
    const std::map<std::string, std::pair<std::string, std::string>> expected{
        {"nayrouz", {"2025-09-11", "2025-09-11"}},       {"cross", {"2025-09-27", "2025-09-29"}}, // three days
        {"nativity_fast", {"2025-11-25", "2026-01-06"}}, {"nativity", {"2026-01-07", "2026-01-07"}},
        {"circumcision", {"2026-01-14", "2026-01-14"}},  {"theophany", {"2026-01-19", "2026-01-19"}},
        {"cana", {"2026-01-21", "2026-01-21"}},          {"presentation", {"2026-02-15", "2026-02-15"}},
        {"jonah_fast", {"2026-02-02", "2026-02-04"}},    {"jonah_passover", {"2026-02-05", "2026-02-05"}},
        {"great_lent", {"2026-02-16", "2026-04-11"}},    {"annunciation", {"2026-04-07", "2026-04-07"}},
        {"lazarus_saturday", {"2026-04-04", "2026-04-04"}}, {"palm_sunday", {"2026-04-05", "2026-04-05"}},
        {"covenant_thursday", {"2026-04-09", "2026-04-09"}}, {"good_friday", {"2026-04-10", "2026-04-10"}},
        {"easter", {"2026-04-12", "2026-04-12"}},        {"thomas_sunday", {"2026-04-19", "2026-04-19"}},
        {"ascension", {"2026-05-21", "2026-05-21"}},     {"pentecost", {"2026-05-31", "2026-05-31"}},
        {"apostles_fast", {"2026-06-01", "2026-07-11"}}, {"entry_into_egypt", {"2026-06-01", "2026-06-01"}},
        {"apostles_feast", {"2026-07-12", "2026-07-12"}}, {"virgin_fast", {"2026-08-07", "2026-08-21"}},
        {"transfiguration", {"2026-08-19", "2026-08-19"}}, {"assumption", {"2026-08-22", "2026-08-22"}},
        // The Nativity on a Wednesday: its Paramoun the eve; the Theophany on a Monday:
        // Friday to Sunday.
        {"paramoun_nativity", {"2026-01-06", "2026-01-06"}}, {"paramoun_theophany", {"2026-01-16", "2026-01-18"}},
        {"cross_paremhat", {"2026-03-19", "2026-03-19"}},    {"holy_week", {"2026-04-06", "2026-04-11"}},
        {"bright_saturday", {"2026-04-11", "2026-04-11"}},   {"holy_fifty_days", {"2026-04-12", "2026-05-31"}},
        {"virgin_presentation", {"2025-12-12", "2025-12-12"}}, {"virgin_dormition", {"2026-01-29", "2026-01-29"}},
        {"virgin_zeitoun", {"2026-04-02", "2026-04-02"}},    {"virgin_nativity", {"2026-05-09", "2026-05-09"}},
        {"virgin_first_church", {"2026-06-28", "2026-06-28"}}, {"virgin_annunciation", {"2026-08-13", "2026-08-13"}}};
    EXPECT_EQ(days, expected);
    // The year after a leap year: 29 Kiahk 1740 is 8 January 2024, so the Nativity is
    // kept on 7 January (28 Kiahk) too and the fast ends the day before.
    for (const Observance& o : churchYear(1740)) {
        if (o.id == "nativity") {
            EXPECT_EQ(iso(o.first) + " " + iso(o.last), "2024-01-07 2024-01-08");
        }
        if (o.id == "nativity_fast") {
            EXPECT_EQ(iso(o.last), "2024-01-06");
        }
    }
    // The Nativity by the Coptic year: two days in a year AM divisible by 4, one
    // otherwise, and 7 January throughout 1900–2099 however the two rules are said;
    // after 2100 the second day is 9 January, never a second Nativity in other years.
    const std::vector<std::tuple<int, std::string, std::string, std::string>> nativities{
        {1616, "1900-01-06", "1900-01-07", "1900-01-05"}, {1617, "1901-01-07", "1901-01-07", "1901-01-06"},
        {1740, "2024-01-07", "2024-01-08", "2024-01-06"}, {1743, "2027-01-07", "2027-01-07", "2027-01-06"},
        {1815, "2099-01-07", "2099-01-07", "2099-01-06"}, {1816, "2100-01-07", "2100-01-08", "2100-01-06"},
        {1817, "2101-01-08", "2101-01-08", "2101-01-07"}, {1818, "2102-01-08", "2102-01-08", "2102-01-07"},
        {1820, "2104-01-08", "2104-01-09", "2104-01-07"}, {4, "0287-12-25", "0287-12-26", "0287-12-24"}, // Julian and Gregorian agree then: 25 December
    };
    for (const auto& [year, first, last, fastEnds] : nativities)
        for (const Observance& o : churchYear(year)) {
            if (o.id == "nativity") {
                EXPECT_EQ(iso(o.first) + " " + iso(o.last), first + " " + last) << year;
            }
            if (o.id == "nativity_fast") {
                EXPECT_EQ(iso(o.last), fastEnds) << year;
            }
        }
    // In order, the first and last years of the calendar too, and nothing outside it.
    for (const int year : {1, 1743, 9999}) {
        const std::vector<Observance> list = churchYear(year);
        ASSERT_EQ(list.size(), 38u) << year;
        for (std::size_t i = 1; i < list.size(); ++i)
            EXPECT_LE(iso(list[i - 1].first), iso(list[i].first)) << year;
    }
    EXPECT_TRUE(churchYear(0).empty());
    EXPECT_TRUE(churchYear(10000).empty());
}

TEST(ChurchYear, WednesdaysAndFridaysFastButNotInTheFiftyDaysNorOnTheNativityOrTheTheophany) {
    const auto ids = [](GregorianDate g) {
        std::string out;
        for (const Observance& o : observancesOn(toCopticDate(g).date)) out += std::string(o.id) + " ";
        return out;
    };
    EXPECT_EQ(ids({2026, 12, 9}), "nativity_fast weekly_fast "); // a Wednesday in the Nativity fast
    EXPECT_EQ(ids({2026, 12, 8}), "nativity_fast ");              // a Tuesday
    EXPECT_EQ(ids({2026, 10, 14}), "weekly_fast ");                // a Wednesday of no season
    EXPECT_EQ(ids({2026, 10, 15}), "");                            // a Thursday
    EXPECT_EQ(ids({2026, 4, 12}), "easter holy_fifty_days ");
    EXPECT_EQ(ids({2026, 4, 17}), "holy_fifty_days ");  // the Friday after Easter: no fast
    EXPECT_EQ(ids({2026, 5, 29}), "holy_fifty_days ");  // the last Friday before Pentecost
    EXPECT_EQ(ids({2026, 6, 3}), "apostles_fast weekly_fast ");
    EXPECT_EQ(ids({2026, 4, 10}), "great_lent holy_week good_friday weekly_fast ");
    EXPECT_EQ(ids({2022, 1, 19}), "theophany ");         // a Wednesday: the feast lifts the fast
    EXPECT_EQ(ids({2028, 1, 7}), "nativity ");           // a Friday too
    EXPECT_EQ(ids({2025, 1, 17}), "paramoun_theophany weekly_fast "); // the Theophany on a Sunday: from Friday
    EXPECT_TRUE(observancesOn({1742, 13, 6}).empty());   // not a day
    EXPECT_EQ(kindName(churchYear(1743)[0].kind), "feast");
}

} // namespace
} // namespace zefnaro
