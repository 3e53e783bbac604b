// Days as messages, reports and files write them: shared by the calendar, the
// reader of dates and the report of a day.
#pragma once

#include "engine/language.h"
#include "engine/read_reason.h"
#include "zefnaro/date.h"

#include <cstdint>

#include <optional>
#include <string>
#include <string_view>

namespace zefnaro::dates {

// "8 December 2026", "29 Hathor 1743 AM".
std::string text(GregorianDate date);
std::string text(CopticDate date);

// The same in any language, its digits and month names the language's.
std::string text(GregorianDate date, Language language);
std::string text(CopticDate date, Language language);
// "Tuesday, 8 December 2026" in the language.
std::string textWithWeekday(GregorianDate date, Language language);
// A month's or a weekday's name in the language ("Hathor" in English); "" for none.
std::string_view monthName(int month, Language language);
std::string_view weekdayName(GregorianDate date, Language language);

// An observance's name, by its id, in the language; "" for no such id.
std::string_view observanceName(std::string_view id, Language language);

// The pronunciation of a month's Coptic name in the language's letters: "Athor"
// for Ⲁⲑⲱⲣ, or the same sounds in Arabic letters.
std::string_view monthPronunciation(int month, Language language);

// Why a day cannot be converted or a text is no date, as facts: each language
// words them from its catalogue.
enum class DateReason : std::uint8_t {
    none,
    noGregorianMonth, noGregorianDay, beforeCalendar, afterCalendar,      // a Gregorian day
    noCopticYear, noCopticMonth, noCopticDay, noSixthEpagomenal, noEpagomenalDay, // a Coptic day
    copticNotUtf8, copticNothing, copticNoDay, copticNoYear, copticDay, copticYear, copticNoMonth,
    gregorianUnreadable, yearZero, // texts read as dates
};
struct DateWhy {
    DateReason reason = DateReason::none;
    GregorianDate gregorian;  // the day concerned, as given
    CopticDate coptic;
    int monthDays = 0;        // of a Gregorian month with no such day
    std::size_t at = 0;       // where a text stops being UTF-8
    int month = 0;            // the month a text names
    ReadWhy part;             // why its day or year is no number
};
DateWhy whyNoCopticDate(GregorianDate date); // reason none where it converts
DateWhy whyNoGregorianDate(CopticDate date);
std::string sentence(const DateWhy& why, Language language);

// The readers of dates, with the reason of an error.
struct ExplainedCopticDate {
    CopticDateResult result;
    DateWhy why;
};
struct ExplainedGregorianDate {
    GregorianDateResult result;
    DateWhy why;
};
ExplainedCopticDate readCopticDateExplained(std::string_view text);
ExplainedGregorianDate readGregorianDateExplained(std::string_view text);

// Days from one Coptic date to another (negative where it comes before).
long long daysBetween(CopticDate from, CopticDate to);

// "2026-12-08" appended; a Coptic date the same way ("1743-04-29").
void appendIso(std::string& out, GregorianDate date);
void appendIso(std::string& out, CopticDate date);

struct Triple {
    int year = 0, month = 0, day = 0;
};
// "Y-M-D" in ASCII digits, the year of 1 to yearDigits digits, the month and the
// day of one or two; nullopt for anything else.
constexpr std::optional<Triple> isoTriple(std::string_view text, std::size_t yearDigits) {
    Triple t;
    std::size_t at = 0;
    const auto field = [&](int& into, std::size_t most) {
        const std::size_t from = at;
        into = 0;
        while (at < text.size() && text[at] >= '0' && text[at] <= '9' && at - from < most)
            into = into * 10 + (text[at++] - '0');
        return at > from && (at == text.size() || text[at] < '0' || text[at] > '9');
    };
    const auto dash = [&] { return at < text.size() && text[at++] == '-'; };
    if (!field(t.year, yearDigits) || !dash() || !field(t.month, 2) || !dash() || !field(t.day, 2) ||
        at != text.size())
        return std::nullopt;
    return t;
}

} // namespace zefnaro::dates
