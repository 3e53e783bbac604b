#include "zefnaro/date.h"

#include "engine/calendar/day_numbers.h"
#include "engine/calendar/days.h"
#include "engine/arabic.h"
#include "engine/joined.h"
#include "engine/say.h"

#include <array>
#include <optional>

namespace zefnaro {

using namespace days;
using dates::DateReason;
using dates::DateWhy;

namespace {

constexpr std::array<MonthName, 13> months = {{
    {"Ⲑⲱⲟⲩⲧ", ":wout", "Thoout", "Thout"},
    {"Ⲡⲁⲟⲡⲓ", "Paopi", "Paopi", "Paopi"},
    {"Ⲁⲑⲱⲣ", "A;wr", "Athor", "Hathor"},
    {"Ⲭⲟⲓⲁⲕ", "<oiak", "Khoiak", "Koiak"},
    {"Ⲧⲱⲃⲓ", "Twbi", "Tovi", "Tobi"},
    {"Ⲙⲉϣⲓⲣ", "Mesir", "Meshir", "Meshir"},
    {"Ⲡⲁⲣⲉⲙϩⲁⲧ", "Paremhat", "Paremhat", "Paremhat"},
    {"Ⲫⲁⲣⲙⲟⲩⲑⲓ", "Varmou;i", "Farmouthi", "Parmouti"},
    {"Ⲡⲁϣⲟⲛⲥ", "Pasonc", "Pashons", "Pashons"},
    {"Ⲡⲁⲱⲛⲓ", "Pawni", "Paoni", "Paoni"},
    {"Ⲉⲡⲓⲡ", "Epip", "Epip", "Epip"},
    {"Ⲙⲉⲥⲱⲣⲓ", "Mecwri", "Mesori", "Mesori"},
    {"Ⲡⲓⲕⲟⲩϫⲓ ⲛ̀ⲁ̀ⲃⲟⲧ", "Pikouji `n`abot", "Pikougi Enavot", "Pi Kogi Enavot"},
}};

DateError error(DateErrorCode code, const DateWhy& why) {
    return {code, dates::sentence(why, defaultLanguage)};
}

// Days and years as the language writes them in a date: its digits, ungrouped;
// a year before the era with a minus sign, as the proleptic calendar counts them.
std::string number(long long n, Language language) {
    std::string digits = std::to_string(n);
    if (n < 0 && facts(language).numbers == Script::arabic) digits.replace(0, 1, "\u2212");
    return facts(language).numbers == Script::arabic ? arabicIndic(digits) : digits;
}

// The catalogue's keys of a kind stand in order: 01 to 13, 0 to 6.
static_assert(static_cast<int>(Text::month_coptic_13) - static_cast<int>(Text::month_coptic_01) == 12);
static_assert(static_cast<int>(Text::month_gregorian_12) - static_cast<int>(Text::month_gregorian_01) == 11);
static_assert(static_cast<int>(Text::weekday_6) - static_cast<int>(Text::weekday_0) == 6);

Text monthText(int month) {
    return static_cast<Text>(static_cast<int>(Text::month_coptic_01) + month - 1);
}
Text gregorianMonthText(int month) {
    return static_cast<Text>(static_cast<int>(Text::month_gregorian_01) + month - 1);
}

} // namespace

namespace dates {

std::string text(GregorianDate g) {
    return text(g, defaultLanguage);
}

std::string text(CopticDate c) {
    return text(c, defaultLanguage);
}

std::string text(GregorianDate g, Language language) {
    return say(Text::date_gregorian, language,
               {number(g.day, language), say(gregorianMonthText(g.month), language), number(g.year, language)});
}

std::string text(CopticDate c, Language language) {
    return say(Text::date_coptic, language,
               {number(c.day, language), monthName(c.month, language), number(c.year, language)});
}

std::string textWithWeekday(GregorianDate g, Language language) {
    return joined({weekdayName(g, language), facts(language).comma, text(g, language)});
}

std::string_view monthName(int month, Language language) {
    return month >= 1 && month <= 13 ? say(monthText(month), language) : std::string_view();
}

std::string_view monthPronunciation(int month, Language language) {
    if (month < 1 || month > 13) return {};
    if (facts(language).numbers != Script::arabic) return copticMonthName(month).pronunciation;
    // In Arabic letters, by the rules the number words are written by.
    static const std::array<std::string, 13> arabic = [] {
        std::array<std::string, 13> all;
        for (int m = 1; m <= 13; ++m)
            appendArabicLetters(all[static_cast<std::size_t>(m - 1)], months[static_cast<std::size_t>(m - 1)].coptic,
                                months[static_cast<std::size_t>(m - 1)].pronunciation);
        return all;
    }();
    return arabic[static_cast<std::size_t>(month - 1)];
}

long long daysBetween(CopticDate from, CopticDate to) {
    return copticDays(to) - copticDays(from);
}

DateWhy whyNoCopticDate(GregorianDate g) {
    DateWhy why;
    why.gregorian = g;
    if (g.month < 1 || g.month > 12) {
        why.reason = DateReason::noGregorianMonth;
    } else if (const int days = gregorianMonthDays(g.year, g.month); g.day < 1 || g.day > days) {
        why.reason = DateReason::noGregorianDay;
        why.monthDays = days;
    } else if (const long long d = daysFromCivil(g.year, g.month, g.day); d < epoch) {
        why.reason = DateReason::beforeCalendar;
    } else if (d > lastDay) {
        why.reason = DateReason::afterCalendar;
    }
    return why;
}

DateWhy whyNoGregorianDate(CopticDate c) {
    DateWhy why;
    why.coptic = c;
    const int days = copticMonthDays(c.year, c.month);
    if (c.year < 1 || c.year > largestCopticYear)
        why.reason = DateReason::noCopticYear;
    else if (days == 0)
        why.reason = DateReason::noCopticMonth;
    else if (c.day < 1 || c.day > days)
        why.reason = c.month < 13 ? DateReason::noCopticDay
                     : c.day == 6 ? DateReason::noSixthEpagomenal
                                  : DateReason::noEpagomenalDay;
    return why;
}

std::string sentence(const DateWhy& w, Language language) {
    const auto n = [language](long long value) { return number(value, language); };
    const GregorianDate g = w.gregorian;
    const CopticDate c = w.coptic;
    switch (w.reason) {
    case DateReason::none:
        return {};
    case DateReason::noGregorianMonth:
        return say(Text::date_no_gregorian_month, language, {n(g.month)});
    case DateReason::noGregorianDay:
        return say(Text::date_no_gregorian_day, language,
                   {n(g.day), say(gregorianMonthText(g.month), language), n(g.year), n(w.monthDays)});
    case DateReason::beforeCalendar:
        return say(Text::date_before_calendar, language, {text(g, language), text(firstGregorianDate, language)});
    case DateReason::afterCalendar:
        return say(Text::date_after_calendar, language,
                   {text(g, language), text(lastCopticDate, language), text(lastGregorianDate, language)});
    case DateReason::noCopticYear:
        return say(Text::date_no_coptic_year, language, {n(c.year), n(largestCopticYear)});
    case DateReason::noCopticMonth:
        return say(Text::date_no_coptic_month, language, {n(c.month)});
    case DateReason::noCopticDay:
        return say(Text::date_no_coptic_day, language, {n(c.day), monthName(c.month, language)});
    case DateReason::noSixthEpagomenal:
        return say(Text::date_no_sixth_epagomenal, language, {n(c.day), monthName(c.month, language), n(c.year)});
    case DateReason::noEpagomenalDay:
        return say(Text::date_no_epagomenal_day, language, {n(c.day), monthName(c.month, language)});
    case DateReason::copticNotUtf8:
        return say(Text::date_coptic_not_utf8, language, {std::to_string(w.at)});
    case DateReason::copticNothing:
        return std::string(say(Text::date_coptic_nothing, language));
    case DateReason::copticNoDay:
        return say(Text::date_coptic_no_day, language, {monthName(w.month, language)});
    case DateReason::copticNoYear:
        return say(Text::date_coptic_no_year, language, {monthName(w.month, language)});
    case DateReason::copticDay:
        return say(Text::date_coptic_day, language, {readerMessage(w.part, language)});
    case DateReason::copticYear:
        return say(Text::date_coptic_year, language, {readerMessage(w.part, language)});
    case DateReason::copticNoMonth:
        return std::string(say(Text::date_coptic_no_month, language));
    case DateReason::gregorianUnreadable:
        return std::string(say(Text::date_gregorian_unreadable, language));
    case DateReason::yearZero:
        return std::string(say(Text::date_year_zero, language));
    }
    return {};
}

void appendIso(std::string& out, GregorianDate date) {
    const auto digits = [&out](int value, std::size_t width) {
        const std::string text = std::to_string(value);
        out.append(text.size() < width ? width - text.size() : 0, '0');
        out += text;
    };
    digits(date.year, 4);
    out += '-';
    digits(date.month, 2);
    out += '-';
    digits(date.day, 2);
}

void appendIso(std::string& out, CopticDate date) {
    appendIso(out, GregorianDate{date.year, date.month, date.day});
}

} // namespace dates

CopticDateResult toCopticDate(GregorianDate g) {
    CopticDateResult result;
    const DateWhy why = dates::whyNoCopticDate(g);
    switch (why.reason) {
    case DateReason::none:
        result.date = copticFromDays(daysFromCivil(g.year, g.month, g.day));
        break;
    case DateReason::noGregorianMonth:
        result.error = error(DateErrorCode::noSuchMonth, why);
        break;
    case DateReason::noGregorianDay:
        result.error = error(DateErrorCode::noSuchDay, why);
        break;
    default:
        result.error = error(DateErrorCode::outOfRange, why);
    }
    return result;
}

GregorianDateResult toGregorianDate(CopticDate c) {
    GregorianDateResult result;
    const DateWhy why = dates::whyNoGregorianDate(c);
    switch (why.reason) {
    case DateReason::none:
        result.date = civilFromDays(copticDays(c));
        break;
    case DateReason::noCopticYear:
        result.error = error(DateErrorCode::outOfRange, why);
        break;
    case DateReason::noCopticMonth:
        result.error = error(DateErrorCode::noSuchMonth, why);
        break;
    default:
        result.error = error(DateErrorCode::noSuchDay, why);
    }
    return result;
}

MonthName copticMonthName(int month) {
    return month >= 1 && month <= 13 ? months[static_cast<std::size_t>(month - 1)] : MonthName{};
}

namespace {

// 0 for a Thursday, as 1970-01-01 was; nullopt for no such day.
std::optional<std::size_t> weekdayOf(GregorianDate g) {
    if (g.month < 1 || g.month > 12 || gregorianMonthDays(g.year, g.month) < g.day || g.day < 1)
        return std::nullopt;
    const long long d = daysFromCivil(g.year, g.month, g.day);
    return static_cast<std::size_t>(((d % 7) + 7) % 7);
}

} // namespace

std::string_view weekdayName(GregorianDate g) {
    return dates::weekdayName(g, defaultLanguage);
}

std::string_view dates::weekdayName(GregorianDate g, Language language) {
    const auto w = weekdayOf(g);
    return w ? say(static_cast<Text>(static_cast<std::size_t>(Text::weekday_0) + *w), language) : std::string_view();
}

// The Arabic names of the library's face, kept for its callers: the catalogue's.
std::string_view arabicMonthName(int month) {
    return dates::monthName(month, languageNamed("ar").value_or(defaultLanguage));
}

std::string_view arabicWeekdayName(GregorianDate g) {
    return dates::weekdayName(g, languageNamed("ar").value_or(defaultLanguage));
}

} // namespace zefnaro
