#include "zefnaro/date.h"

#include "engine/calendar/day_numbers.h"
#include "engine/calendar/days.h"
#include "engine/joined.h"

#include <array>
#include <optional>

namespace zefnaro {

using namespace days;

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

constexpr std::array<std::string_view, 12> gregorianMonths = {
    "January", "February", "March",     "April",   "May",      "June",
    "July",    "August",   "September", "October", "November", "December"};

constexpr std::array<std::string_view, 7> weekdays = {
    "Thursday", "Friday", "Saturday", "Sunday", "Monday", "Tuesday", "Wednesday"}; // from 1970-01-01
constexpr std::array<std::string_view, 7> arabicWeekdays = {
    "الخميس", "الجمعة", "السبت", "الأحد", "الاثنين", "الثلاثاء", "الأربعاء"};

constexpr std::array<std::string_view, 13> arabicMonths = {
    "توت", "بابه", "هاتور", "كيهك", "طوبة", "أمشير", "برمهات", "برمودة", "بشنس", "بؤونة", "أبيب", "مسرى", "النسيء"};

DateError error(DateErrorCode code, std::initializer_list<std::string_view> pieces) {
    return {code, joined(pieces)};
}

std::string number(long long n) {
    return std::to_string(n);
}

} // namespace

namespace dates {

std::string text(GregorianDate g) {
    return joined({number(g.day), " ", gregorianMonths[static_cast<std::size_t>(g.month - 1)], " ",
                   number(g.year)});
}

std::string text(CopticDate c) {
    return joined({number(c.day), " ", copticMonthName(c.month).english, " ", number(c.year), " AM"});
}

namespace {

constexpr std::array<std::string_view, 12> arabicGregorianMonths = {
    "يناير", "فبراير", "مارس", "أبريل", "مايو", "يونيو", "يوليو", "أغسطس", "سبتمبر", "أكتوبر", "نوفمبر", "ديسمبر"};

// Arabic-Indic digits, ungrouped, as years and days are written.
std::string arabicNumber(long long n) {
    std::string out;
    for (const char c : std::to_string(n)) {
        if (c == '-') { // a year before the era, as the proleptic calendar counts them
            out += "\u2212";
            continue;
        }
        out += '\xD9';
        out += static_cast<char>(0xA0 + (c - '0'));
    }
    return out;
}

} // namespace

std::string_view arabicPronunciation(int month) {
    // The pronunciation of each Coptic name (Thoout, Paopi, …) in Arabic letters.
    static constexpr std::array<std::string_view, 13> names = {
        "ثووت", "باؤبي", "أثور", "خوياك", "توفي", "ميشير", "باريمهات", "فارموثي", "باشونس", "باؤني", "إبيب",
        "ميسوري", "بيكوجي إنافوت"};
    return month >= 1 && month <= 13 ? names[static_cast<std::size_t>(month - 1)] : std::string_view();
}

long long daysBetween(CopticDate from, CopticDate to) {
    return copticDays(to) - copticDays(from);
}

std::string arabicError(CopticDate c) {
    const int days = copticMonthDays(c.year, c.month);
    if (c.year < 1 || c.year > largestCopticYear)
        return joined({"لا توجد هنا سنة ", arabicNumber(c.year), " للشهداء: السنوات من ١ إلى ",
                       arabicNumber(largestCopticYear), " للشهداء"});
    if (days == 0) return joined({"لا يوجد شهر ", arabicNumber(c.month), ": في السنة القبطية ١٣ شهرًا"});
    if (c.day >= 1 && c.day <= days) return {};
    const std::string_view name = arabicMonthName(c.month);
    if (c.month < 13)
        return joined({"لا يوجد يوم ", arabicNumber(c.day), " من ", name, ": كل شهر عدا الأخير ثلاثون يومًا"});
    if (c.day == 6)
        return joined({"لا يوجد يوم ٦ من النسيء في سنة ", arabicNumber(c.year),
                       " للشهداء: للنسيء ستة أيام فقط في السنة التي يبقى منها ثلاثة إذا قُسمت على أربعة"});
    return joined({"لا يوجد يوم ", arabicNumber(c.day),
                   " من النسيء: للنسيء خمسة أيام، وستة في السنة التي يبقى منها ثلاثة إذا قُسمت على أربعة"});
}

std::string arabicError(GregorianDate g) {
    if (g.month < 1 || g.month > 12) return joined({"لا يوجد شهر ", arabicNumber(g.month), ": في السنة ١٢ شهرًا"});
    if (const int days = gregorianMonthDays(g.year, g.month); g.day < 1 || g.day > days)
        return joined({"لا يوجد يوم ", arabicNumber(g.day), " ", arabicGregorianMonths[static_cast<std::size_t>(g.month - 1)],
                       " ", arabicNumber(g.year), ": في الشهر ", arabicNumber(days), " يومًا"});
    const long long d = daysFromCivil(g.year, g.month, g.day);
    if (d < epoch)
        return joined({arabicText(g), " قبل ١ توت ١ للشهداء (", arabicText(firstGregorianDate),
                       ")، حيث يبدأ التقويم القبطي"});
    if (d > lastDay)
        return joined({arabicText(g), " بعد ", arabicText(lastCopticDate), " (", arabicText(lastGregorianDate),
                       ")، آخر يوم يحوّله زفنارو"});
    return {};
}

std::string arabicReadError(const CopticDateResult& read) {
    if (read.ok()) return {};
    if (read.error.code != DateErrorCode::unreadable) return arabicError(read.date);
    return "ليس تاريخًا قبطيًا يُقرأ: المطلوب تاريخ مثل ٢٩ هاتور ١٧٤٣ أو \u2068ⲕ̅ⲑ̅ Ⲁⲑⲱⲣ ⲁ̿ⲯ̅ⲙ̅ⲅ̅\u2069 أو "
           "\u20681743-03-29\u2069";
}

std::string arabicReadError(const GregorianDateResult& read) {
    if (read.ok()) return {};
    if (read.error.code == DateErrorCode::unreadable)
        return "ليس تاريخًا: المطلوب تاريخ مكتوب \u2068YYYY-MM-DD\u2069 مثل \u20682026-12-08\u2069";
    if (read.date.year < 1) return "لا توجد سنة ٠: السنوات تُعد من ١";
    return arabicError(read.date);
}

std::string arabicText(GregorianDate g) {
    return joined({arabicNumber(g.day), " ", arabicGregorianMonths[static_cast<std::size_t>(g.month - 1)], " ",
                   arabicNumber(g.year)});
}

std::string arabicText(CopticDate c) {
    return joined({arabicNumber(c.day), " ", arabicMonthName(c.month), " ", arabicNumber(c.year), " للشهداء"});
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

} // namespace dates

CopticDateResult toCopticDate(GregorianDate g) {
    CopticDateResult result;
    if (g.month < 1 || g.month > 12) {
        result.error = error(DateErrorCode::noSuchMonth,
                             {"There is no month ", number(g.month), ": the year has 12 months"});
    } else if (const int days = gregorianMonthDays(g.year, g.month); g.day < 1 || g.day > days) {
        result.error = error(DateErrorCode::noSuchDay,
                             {"There is no ", number(g.day), " ",
                              gregorianMonths[static_cast<std::size_t>(g.month - 1)], " ",
                              number(g.year), ": the month has ", number(days), " days"});
    } else if (const long long d = daysFromCivil(g.year, g.month, g.day); d < epoch) {
        result.error = error(DateErrorCode::outOfRange,
                             {dates::text(g), " is before 1 Thout 1 AM (",
                              dates::text(firstGregorianDate), "), where the Coptic calendar begins"});
    } else if (d > lastDay) {
        result.error = error(DateErrorCode::outOfRange,
                             {dates::text(g), " is after ", dates::text(lastCopticDate), " (",
                              dates::text(lastGregorianDate), "), the last day Zefnaro converts"});
    } else {
        result.date = copticFromDays(d);
    }
    return result;
}

GregorianDateResult toGregorianDate(CopticDate c) {
    GregorianDateResult result;
    const int days = copticMonthDays(c.year, c.month);
    if (c.year < 1 || c.year > largestCopticYear) {
        result.error = error(DateErrorCode::outOfRange,
                             {"There is no year ", number(c.year), " AM here: years go from 1 to ",
                              number(largestCopticYear), " AM"});
    } else if (days == 0) {
        result.error = error(DateErrorCode::noSuchMonth,
                             {"There is no month ", number(c.month), ": the Coptic year has 13 months"});
    } else if (c.day < 1 || c.day > days) {
        const std::string_view name = copticMonthName(c.month).english;
        const bool common6 = c.month == 13 && c.day == 6;
        result.error = error(
            DateErrorCode::noSuchDay,
            {"There is no ", number(c.day), " ", name, common6 ? " in " : "",
             common6 ? number(c.year) : "", common6 ? " AM" : "", ": ",
             c.month < 13 ? "every month but the last has 30 days"
             : common6    ? "Pi Kogi Enavot has 6 days only in a year that leaves 3 when divided by 4"
                          : "Pi Kogi Enavot has 5 days, 6 in a year that leaves 3 when divided by 4"});
    } else {
        result.date = civilFromDays(copticDays(c));
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
    const auto w = weekdayOf(g);
    return w ? weekdays[*w] : std::string_view();
}

std::string_view arabicWeekdayName(GregorianDate g) {
    const auto w = weekdayOf(g);
    return w ? arabicWeekdays[*w] : std::string_view();
}

std::string_view arabicMonthName(int month) {
    return month >= 1 && month <= 13 ? arabicMonths[static_cast<std::size_t>(month - 1)] : std::string_view();
}

} // namespace zefnaro
