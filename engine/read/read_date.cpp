#include "zefnaro/date.h"

#include "engine/calendar/days.h"
#include "engine/joined.h"
#include "engine/read/read_support.h"
#include "engine/read_reason.h"
#include "zefnaro/read.h"

#include <algorithm>
#include <array>
#include <vector>

namespace zefnaro {

namespace {

using namespace reading;
using dates::DateReason;
using dates::DateWhy;
using dates::ExplainedCopticDate;
using dates::ExplainedGregorianDate;

// Names readers meet besides the five the month is written with: Bohairic
// spellings, and the Greek and the Egyptian Arabic names in Latin letters; the
// Arabic reader adds the names as Arabic readers spell them.
constexpr std::array<std::string_view, 13> otherNames = {
    "Tout|Thoth",
    "Ⲡⲁⲟ̀ⲡⲓ|Baba|Paophi",
    "Hatour|Hatur|Athyr",
    "Ⲭⲱⲓⲁⲕ|Kiahk|Kiyahk|Khoiak|Choiak",
    "Toba|Tybi|Tovi",
    "Amshir|Mechir",
    "Ⲫⲁⲙⲉⲛⲱⲑ|Baramhat|Phamenoth",
    "Baramouda|Pharmuthi|Parmouthi",
    "Ⲡⲁϣⲱⲛⲥ|Bashans|Pachons",
    "Ⲡⲁⲱ̀ⲛⲓ|Baouna|Payni",
    "Ⲉⲡⲏⲡ|Abib|Epiphi",
    "Ⲙⲉⲥⲱⲣⲏ|Misra|Mesore",
    "Nasie|Nasi|Epagomenae",
};

struct Name {
    std::string text; // normalised, words one blank apart
    std::size_t words = 1;
    int month = 0;
};

void add(std::vector<Name>& names, std::string text, int month) {
    const auto words = static_cast<std::size_t>(std::count(text.begin(), text.end(), ' ')) + 1;
    names.push_back({std::move(text), words, month});
}

// Every name of every month, as the readers normalise text: lower case, no jinkim.
// The font text's capital Ⲑ and Ⲭ (":" and "<") are read in small letters too.
const std::vector<Name>& monthNames() {
    static const std::vector<Name> names = [] {
        std::vector<Name> all;
        for (int month = 1; month <= 13; ++month) {
            const MonthName m = copticMonthName(month);
            for (std::string_view n : {m.coptic, m.fontText, m.pronunciation, m.english})
                add(all, normalised(n), month);
            std::string small = normalised(m.fontText);
            std::replace(small.begin(), small.end(), ':', ';');
            std::replace(small.begin(), small.end(), '<', ',');
            add(all, small, month);
            add(all, normalised(arabicMonthName(month)), month);
            const std::string spellings = joined({otherNames[static_cast<std::size_t>(month - 1)], "|",
                                                  arabicMonthSpellings(month)});
            std::string_view others = spellings;
            while (!others.empty()) {
                const std::size_t bar = std::min(others.find('|'), others.size());
                add(all, normalised(others.substr(0, bar)), month);
                others.remove_prefix(std::min(bar + 1, others.size()));
            }
        }
        // The longest name first, so that two words are not read as one.
        std::stable_sort(all.begin(), all.end(),
                         [](const Name& a, const Name& b) { return a.words > b.words; });
        return all;
    }();
    return names;
}

ExplainedCopticDate failure(DateWhy why) {
    ExplainedCopticDate r;
    r.result.error = {DateErrorCode::unreadable, dates::sentence(why, defaultLanguage)};
    r.why = std::move(why);
    return r;
}

ExplainedCopticDate failure(DateReason reason, int month = 0) {
    DateWhy why;
    why.reason = reason;
    why.month = month;
    return failure(std::move(why));
}

// The text of the characters at positions [from, to).
std::string between(const Chars& chars, std::size_t from, std::size_t to) {
    std::string out;
    for (const Char& c : chars)
        if (c.position >= from && c.position < to) utf8::append(out, c.code);
    return out;
}

ExplainedCopticDate checked(CopticDate date) {
    ExplainedCopticDate r;
    const GregorianDateResult g = toGregorianDate(date);
    r.result.error = g.error;
    r.result.date = date; // also on an error: which day the text named
    r.why = dates::whyNoGregorianDate(date);
    return r;
}

} // namespace

CopticDateResult readCopticDate(std::string_view text) {
    return dates::readCopticDateExplained(text).result;
}

ExplainedCopticDate dates::readCopticDateExplained(std::string_view text) {
    std::size_t bad = 0;
    Kinds kinds;
    const std::optional<Chars> chars = decode(text, bad, kinds);
    if (!chars) {
        DateWhy why;
        why.reason = DateReason::copticNotUtf8;
        why.at = bad;
        return failure(std::move(why));
    }
    const Words w = words(*chars);
    if (w.empty()) return failure(DateReason::copticNothing);
    if (w.size() == 1)
        if (const auto t = dates::isoTriple(w[0].text, 4)) return checked({t->year, t->month, t->day});

    for (std::size_t i = 0; i < w.size(); ++i) {
        for (const Name& name : monthNames()) {
            if (i + name.words > w.size() || w.run(i, i + name.words) != name.text) continue;
            const std::size_t after = i + name.words;
            std::size_t yearEnd = std::string::npos;
            const std::string_view last = w[w.size() - 1].text;
            if (after + 1 < w.size() && (last == "am" || last == "a.m." || isArabicEra(last)))
                yearEnd = w[w.size() - 1].position;
            const std::string day = between(*chars, 0, w[i].position);
            const std::string year =
                after < w.size() ? between(*chars, w[after].position, yearEnd) : std::string();
            if (i == 0) return failure(DateReason::copticNoDay, name.month);
            if (year.empty()) return failure(DateReason::copticNoYear, name.month);
            const ExplainedReading d = readExplained(day);
            const ExplainedReading y = readExplained(year);
            for (const auto& [part, reason] : {std::pair{&d, DateReason::copticDay}, std::pair{&y, DateReason::copticYear}})
                if (!part->result.ok()) {
                    DateWhy why;
                    why.reason = reason;
                    why.part = part->why;
                    return failure(std::move(why));
                }
            return checked({static_cast<int>(std::min<std::uint32_t>(y.result.reading.number, 99'999)),
                            name.month,
                            static_cast<int>(std::min<std::uint32_t>(d.result.reading.number, 99'999))});
        }
    }
    return failure(DateReason::copticNoMonth);
}

GregorianDateResult readGregorianDate(std::string_view text) {
    return dates::readGregorianDateExplained(text).result;
}

ExplainedGregorianDate dates::readGregorianDateExplained(std::string_view text) {
    ExplainedGregorianDate explained;
    GregorianDateResult& result = explained.result;
    DateWhy& why = explained.why;
    while (!text.empty() && utf8::isBlank(static_cast<unsigned char>(text.front())))
        text.remove_prefix(1);
    while (!text.empty() && utf8::isBlank(static_cast<unsigned char>(text.back())))
        text.remove_suffix(1);
    const std::optional<dates::Triple> t = dates::isoTriple(text, 5);
    if (!t) {
        why.reason = DateReason::gregorianUnreadable;
        result.error = {DateErrorCode::unreadable, sentence(why, defaultLanguage)};
        return explained;
    }
    result.date = {t->year, t->month, t->day};
    if (t->year < 1) {
        why.reason = DateReason::yearZero;
        result.error = {DateErrorCode::outOfRange, sentence(why, defaultLanguage)};
    } else if (const CopticDateResult c = toCopticDate(result.date); !c.ok() &&
                                                                    c.error.code != DateErrorCode::outOfRange) {
        result.error = c.error;
        why = whyNoCopticDate(result.date);
    }
    return explained;
}

} // namespace zefnaro
