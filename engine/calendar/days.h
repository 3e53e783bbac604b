// Days as messages, reports and files write them: shared by the calendar, the
// reader of dates and the report of a day.
#pragma once

#include "zefnaro/date.h"

#include <optional>
#include <string>
#include <string_view>

namespace zefnaro::dates {

// "8 December 2026", "29 Hathor 1743 AM".
std::string text(GregorianDate date);
std::string text(CopticDate date);

// "٨ ديسمبر ٢٠٢٦", "٢٩ هاتور ١٧٤٣ للشهداء": the same in Arabic.
std::string arabicText(GregorianDate date);
std::string arabicText(CopticDate date);

// The pronunciation of a month's Coptic name in Arabic letters: "أثور" for Ⲁⲑⲱⲣ.
std::string_view arabicPronunciation(int month);

// The calendar's errors in Arabic: why a day cannot be converted (empty for a day
// that can), and why a text read as a date is none.
std::string arabicError(CopticDate date);
std::string arabicError(GregorianDate date);
std::string arabicReadError(const CopticDateResult& read);
std::string arabicReadError(const GregorianDateResult& read);

// Days from one Coptic date to another (negative where it comes before).
long long daysBetween(CopticDate from, CopticDate to);

// "2026-12-08" appended.
void appendIso(std::string& out, GregorianDate date);

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
