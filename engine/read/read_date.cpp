#include "zefnaro/date.h"

#include "engine/calendar/days.h"
#include "engine/read/read_support.h"
#include "zefnaro/read.h"

#include <algorithm>
#include <array>
#include <vector>

namespace zefnaro {

namespace {

using namespace reading;

constexpr std::string_view example = "such as 29 Hathor 1743, ⲕ̅ⲑ̅ Ⲁⲑⲱⲣ ⲁ̿ⲯ̅ⲙ̅ⲅ̅ or 1743-03-29";

// Names readers meet besides the five the month is written with: Bohairic
// spellings, the Greek and the Egyptian Arabic names in Latin letters, and the
// Arabic names as people spell them too.
constexpr std::array<std::string_view, 13> otherNames = {
    "Tout|Thoth|توت",
    "Ⲡⲁⲟ̀ⲡⲓ|Baba|Paophi|بابة",
    "Hatour|Hatur|Athyr|هتور|هاتورة",
    "Ⲭⲱⲓⲁⲕ|Kiahk|Kiyahk|Khoiak|Choiak|كياك|كيهك",
    "Toba|Tybi|Tovi|طوبه",
    "Amshir|Mechir|امشير",
    "Ⲫⲁⲙⲉⲛⲱⲑ|Baramhat|Phamenoth|برمهات",
    "Baramouda|Pharmuthi|Parmouthi|برموده",
    "Ⲡⲁϣⲱⲛⲥ|Bashans|Pachons|بشنس",
    "Ⲡⲁⲱ̀ⲛⲓ|Baouna|Payni|بئونة|بؤونه|بئونه|بؤنة",
    "Ⲉⲡⲏⲡ|Abib|Epiphi|ابيب",
    "Ⲙⲉⲥⲱⲣⲏ|Misra|Mesore|مسري",
    "Nasie|Nasi|Epagomenae|نسيء|النسئ|الشهر الصغير",
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
            std::string_view others = otherNames[static_cast<std::size_t>(month - 1)];
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

CopticDateResult failure(std::initializer_list<std::string_view> pieces) {
    CopticDateResult r;
    r.error = {DateErrorCode::unreadable, joined(pieces)};
    return r;
}

// The text of the characters at positions [from, to).
std::string between(const Chars& chars, std::size_t from, std::size_t to) {
    std::string out;
    for (const Char& c : chars)
        if (c.position >= from && c.position < to) utf8::append(out, c.code);
    return out;
}

CopticDateResult checked(CopticDate date) {
    CopticDateResult r;
    const GregorianDateResult g = toGregorianDate(date);
    r.error = g.error;
    r.date = date; // also on an error: which day the text named
    return r;
}

} // namespace

CopticDateResult readCopticDate(std::string_view text) {
    std::size_t bad = 0;
    Kinds kinds;
    const std::optional<Chars> chars = decode(text, bad, kinds);
    if (!chars) return failure({"Not a date: the byte at character ", std::to_string(bad), " is not UTF-8"});
    const Words w = words(*chars);
    if (w.empty()) return failure({"Nothing to read: expected a Coptic date ", example});
    if (w.size() == 1)
        if (const auto t = dates::isoTriple(w[0].text, 4)) return checked({t->year, t->month, t->day});

    for (std::size_t i = 0; i < w.size(); ++i) {
        for (const Name& name : monthNames()) {
            if (i + name.words > w.size() || w.run(i, i + name.words) != name.text) continue;
            const std::size_t after = i + name.words;
            std::size_t yearEnd = std::string::npos;
            const std::string_view last = w[w.size() - 1].text;
            if (after + 1 < w.size() && (last == "am" || last == "a.m." || last == "ش" || last == "ش." ||
                                         last == "للشهداء"))
                yearEnd = w[w.size() - 1].position;
            const std::string day = between(*chars, 0, w[i].position);
            const std::string year =
                after < w.size() ? between(*chars, w[after].position, yearEnd) : std::string();
            const std::string_view month = copticMonthName(name.month).english;
            if (i == 0) return failure({"No day before ", month, ": expected a Coptic date ", example});
            if (year.empty()) return failure({"No year after ", month, ": expected a Coptic date ", example});
            const ReadResult d = readWrittenNumber(day);
            if (!d.ok()) return failure({"The day: ", d.error.message});
            const ReadResult y = readWrittenNumber(year);
            if (!y.ok()) return failure({"The year: ", y.error.message});
            return checked({static_cast<int>(std::min<std::uint32_t>(y.reading.number, 99'999)),
                            name.month,
                            static_cast<int>(std::min<std::uint32_t>(d.reading.number, 99'999))});
        }
    }
    return failure({"No Coptic month named: expected a Coptic date ", example});
}

GregorianDateResult readGregorianDate(std::string_view text) {
    GregorianDateResult result;
    while (!text.empty() && utf8::isBlank(static_cast<unsigned char>(text.front())))
        text.remove_prefix(1);
    while (!text.empty() && utf8::isBlank(static_cast<unsigned char>(text.back())))
        text.remove_suffix(1);
    const std::optional<dates::Triple> t = dates::isoTriple(text, 5);
    if (!t) {
        result.error = {DateErrorCode::unreadable,
                        "Not a date: expected a date written as YYYY-MM-DD, such as 2026-12-08"};
        return result;
    }
    result.date = {t->year, t->month, t->day};
    if (t->year < 1) {
        result.error = {DateErrorCode::outOfRange, "There is no year 0: years are counted from 1"};
    } else if (const CopticDateResult c = toCopticDate(result.date); !c.ok() &&
                                                                    c.error.code != DateErrorCode::outOfRange) {
        result.error = c.error;
    }
    return result;
}

} // namespace zefnaro
