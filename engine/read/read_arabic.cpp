// Reading Arabic number words, forgiving what people type and what grammars allow:
// hamza or none, ه for ة, ى for a final ي, مئة or مائة, hundreds in one word or two,
// any tanween or none, the oblique case, و joined to its word or standing apart.
#include "engine/read/read_support.h"

#include <array>
#include <tuple>
#include <variant>

namespace zefnaro::reading {

namespace {

// What a word is to a number.
enum class Role : std::uint8_t {
    unit,        // 1..10
    ten,         // عشر / عشرة: the ten of 11..19, or ten alone
    tens,        // 20..90
    hundreds,    // a whole hundreds count: مائة .. تسعمائة
    scale,       // ألف, مليون and their forms
    ordinal,     // الأول .. العاشر, الحادي
    after,       // بعد
};
enum class Count : std::uint8_t { one, two, plural, accusative }; // the form of ألف / مليون

struct Entry {
    Role role;
    std::uint32_t value;
    unsigned genders = 3; // 1 masculine, 2 feminine
    Count count = Count::one;
};

using Lexicon = Map<Entry>;

// Letters as the reader compares them: no hamza seat, ة as ه, ى as ي.
char32_t folded(char32_t c) {
    switch (c) {
    case 0x0623: case 0x0625: case 0x0622: case 0x0671: return 0x0627; // أ إ آ ٱ
    case 0x0629: return 0x0647; // ة
    case 0x0649: return 0x064A; // ى
    default: return c;
    }
}

std::string fold(std::u32string_view word) {
    std::string out;
    for (const char32_t c : word)
        if (!utf8::isCombiningMark(c) && c != 0x0640) utf8::append(out, folded(c)); // no tatweel
    return out;
}

const Lexicon& lexicon() {
    static const Lexicon words = [] {
        Lexicon l;
        const auto add = [&](std::u32string_view w, Entry e) { l[fold(w)] = e; };
        constexpr unsigned m = 1, f = 2;
        const std::array<std::u32string_view, 10> masculine = {U"", U"واحد", U"اثنان", U"ثلاثة", U"أربعة",
                                                               U"خمسة", U"ستة", U"سبعة", U"ثمانية", U"تسعة"};
        const std::array<std::u32string_view, 10> feminine = {U"", U"واحدة", U"اثنتان", U"ثلاث", U"أربع",
                                                              U"خمس", U"ست", U"سبع", U"ثمان", U"تسع"};
        for (std::uint32_t u = 1; u <= 9; ++u) {
            add(masculine[u], {Role::unit, u, m});
            add(feminine[u], {Role::unit, u, f});
        }
        for (const auto& [w, value, g] : std::initializer_list<std::tuple<std::u32string_view, std::uint32_t, unsigned>>{
                 {U"أحد", 1, m}, {U"إحدى", 1, f}, {U"اثنين", 2, m}, {U"اثنا", 2, m}, {U"اثني", 2, m},
                 {U"اثنتين", 2, f}, {U"اثنتا", 2, f}, {U"اثنتي", 2, f}, {U"ثماني", 8, f}, {U"ثمانى", 8, f}})
            add(w, {Role::unit, value, g});
        add(U"عشر", {Role::ten, 10, f});
        add(U"عشرة", {Role::ten, 10, m});
        const std::array<std::u32string_view, 10> tens = {U"", U"", U"عشرون", U"ثلاثون", U"أربعون",
                                                          U"خمسون", U"ستون", U"سبعون", U"ثمانون", U"تسعون"};
        for (std::uint32_t t = 2; t <= 9; ++t) {
            add(tens[t], {Role::tens, t * 10});
            std::u32string oblique(tens[t]);
            oblique.replace(oblique.size() - 2, 1, U"ي");
            add(oblique, {Role::tens, t * 10});
        }
        for (const std::u32string_view hundred : {U"مائة", U"مئة", U"ماية", U"مية"}) {
            add(hundred, {Role::hundreds, 100});
            for (std::uint32_t u = 3; u <= 9; ++u)
                add(std::u32string(feminine[u]) + std::u32string(hundred), {Role::hundreds, u * 100});
            add(std::u32string(U"ثماني") + std::u32string(hundred), {Role::hundreds, 800});
        }
        for (const std::u32string_view two : {U"مائتان", U"مائتين", U"مائتا", U"مائتي", U"مئتان", U"مئتين",
                                              U"مئتا", U"مئتي"})
            add(two, {Role::hundreds, 200});
        for (const auto& [w, value, count] : std::initializer_list<std::tuple<std::u32string_view, std::uint32_t, Count>>{
                 {U"ألف", 1000, Count::one}, {U"ألفان", 1000, Count::two}, {U"ألفين", 1000, Count::two},
                 {U"آلاف", 1000, Count::plural}, {U"ألفا", 1000, Count::accusative},
                 {U"مليون", 1000000, Count::one}, {U"مليونان", 1000000, Count::two},
                 {U"مليونين", 1000000, Count::two}, {U"ملايين", 1000000, Count::plural},
                 {U"مليونا", 1000000, Count::accusative}})
            add(w, {Role::scale, value, 3, count});
        const std::array<std::u32string_view, 11> ordinalM = {U"", U"الأول", U"الثاني", U"الثالث", U"الرابع",
                                                              U"الخامس", U"السادس", U"السابع", U"الثامن", U"التاسع",
                                                              U"العاشر"};
        const std::array<std::u32string_view, 11> ordinalF = {U"", U"الأولى", U"الثانية", U"الثالثة", U"الرابعة",
                                                              U"الخامسة", U"السادسة", U"السابعة", U"الثامنة",
                                                              U"التاسعة", U"العاشرة"};
        for (std::uint32_t u = 1; u <= 10; ++u) {
            add(ordinalM[u], {Role::ordinal, u, m});
            add(ordinalF[u], {Role::ordinal, u, f});
        }
        add(U"الحادي", {Role::ordinal, 1, m});
        add(U"الحادية", {Role::ordinal, 1, f});
        add(U"بعد", {Role::after, 0});
        return l;
    }();
    return words;
}

struct Word {
    std::string folded;
    std::size_t position;
    std::size_t from, to; // in the text
    bool joined = false;  // و before it
    bool definite = false; // ال before it
    Entry entry{};
};

// The words of the text, each with its و and ال taken off where what remains is a
// number word; nullopt and the first word that is none.
std::variant<std::vector<Word>, Attempt> wordsOf(const Chars& text) {
    const Lexicon& lex = lexicon();
    std::vector<Word> out;
    bool pendingAnd = false;
    for (std::size_t i = 0; i < text.size();) {
        if (isBlank(text[i].code)) {
            ++i;
            continue;
        }
        std::size_t j = i;
        std::u32string w;
        while (j < text.size() && !isBlank(text[j].code))
            w += text[j++].code;
        Word word{fold(w), text[i].position, i, j};
        if (word.folded == "و") { // و standing apart from its word
            pendingAnd = true;
            i = j;
            continue;
        }
        const auto known = [&](std::string_view s) { return lex.find(s) != lex.end(); };
        std::string_view rest = word.folded;
        const std::string_view wa = "و", al = "ال";
        if (!known(rest) && rest.substr(0, wa.size()) == wa && rest.size() > wa.size()) {
            rest.remove_prefix(wa.size());
            word.joined = true;
        }
        if (!known(rest) && rest.substr(0, al.size()) == al && known(rest.substr(al.size()))) {
            rest.remove_prefix(al.size());
            word.definite = true;
        }
        const auto found = lex.find(rest);
        if (found == lex.end())
            return failed(because(ReadReason::unknownWord, toUtf8(text, i, j), text[i].position),
                          text[i].position, ReadErrorCode::unknownWord);
        word.entry = found->second;
        // وأحد without its hamza is واحد: after another word, it is و and أحد
        word.joined = word.joined || pendingAnd || (!out.empty() && word.folded == "واحد" &&
                                                     out.back().entry.role != Role::after);
        pendingAnd = false;
        out.push_back(std::move(word));
        i = j;
    }
    if (pendingAnd) return failed(because(ReadReason::notANumber), text.size(), ReadErrorCode::misplaced);
    return out;
}

Attempt misplaced(const Chars& text, const Word& w) {
    return failed(because(ReadReason::cannotStand, toUtf8(text, w.from, w.to), w.position), w.position);
}

// A cardinal number from words [from, to): groups of hundreds, units and tens, each
// closed by ألف or مليون, largest first; one or two thousand may follow a hundreds
// count of thousands as a group of their own (مائة ألف وألف). The genders of the
// last group's words in `genders`.
std::variant<std::uint32_t, Attempt> cardinal(const Chars& text, const std::vector<Word>& words,
                                               std::size_t from, std::size_t to, unsigned& genders) {
    std::uint64_t total = 0, lastScale = 0;
    std::uint32_t group = 0;
    enum { start, hundreds, unit, tens } stage = start;
    bool roundHundreds = false; // the last scale's count was a whole hundred
    for (std::size_t i = from; i < to; ++i) {
        const Word& w = words[i];
        const Entry& e = w.entry;
        // و joins every part to the one before; the first part stands without it
        const bool joinedRight = i == from ? !w.joined : w.joined;
        const std::uint32_t below = group % 100;
        switch (e.role) {
        case Role::ten:
            if (stage == unit && !w.joined && below >= 1 && below <= 9) { // the ten of 11..19
                group += 10;
                continue;
            }
            [[fallthrough]];
        case Role::unit:
            if (!joinedRight || stage == unit || stage == tens) return misplaced(text, w);
            genders = e.genders;
            if (e.role == Role::unit && e.value >= 3 && stage == start && i + 1 < to &&
                words[i + 1].entry.role == Role::hundreds && words[i + 1].entry.value == 100 &&
                !words[i + 1].joined) { // ثلاث مائة
                group = e.value * 100;
                stage = hundreds;
                genders = 3;
                ++i;
                continue;
            }
            group += e.value;
            stage = unit;
            break;
        case Role::tens:
            if (!joinedRight || stage == tens || (stage == unit && below >= 10)) return misplaced(text, w);
            if (stage != unit) genders = 3;
            group += e.value;
            stage = tens;
            break;
        case Role::hundreds:
            if (!joinedRight || stage != start) return misplaced(text, w);
            group = e.value;
            stage = hundreds;
            break;
        case Role::scale: {
            std::uint64_t count = group;
            if (group == 0) {
                if (!joinedRight || (e.count != Count::one && e.count != Count::two)) return misplaced(text, w);
                count = e.count == Count::two ? 2 : 1;
                if (lastScale != 0 && lastScale <= e.value && !(lastScale == e.value && roundHundreds))
                    return misplaced(text, w);
            } else if (w.joined || e.count == Count::two || (lastScale != 0 && lastScale <= e.value)) {
                return misplaced(text, w);
            }
            total += count * e.value;
            roundHundreds = group != 0 && group % 100 == 0;
            lastScale = e.value;
            group = 0;
            stage = start;
            genders = 3;
            break;
        }
        default:
            return misplaced(text, w);
        }
    }
    total += group;
    if (total == 0) return failed(because(ReadReason::notANumber), 1, ReadErrorCode::unknownWord);
    return static_cast<std::uint32_t>(total);
}

} // namespace

Attempt readArabicWords(const Chars& text) {
    auto split = wordsOf(text);
    if (auto* error = std::get_if<Attempt>(&split)) return *error;
    const std::vector<Word>& words = std::get<std::vector<Word>>(split);
    if (words.empty()) return failed(because(ReadReason::notANumber), 1, ReadErrorCode::unknownWord);
    Reading r;
    r.written = WrittenForm::arabic;
    unsigned genders = 3;
    std::uint64_t number = 0;
    std::size_t restFrom = words.size(); // where the definite cardinal after بعد starts
    // العشرون alone or before بعد is an ordinal; before مليونًا, a round number's first word
    const bool definiteTens = words[0].definite && words[0].entry.role == Role::tens &&
                              (words.size() == 1 || words[1].entry.role == Role::after);
    if (words[0].entry.role == Role::ordinal || definiteTens) {
        r.form.kind = Kind::ordinal;
        std::size_t i = 0;
        if (words[0].entry.role == Role::ordinal) {
            number = words[0].entry.value;
            genders = words[0].entry.genders;
            i = 1;
            if (i < words.size() && words[i].entry.role == Role::ten && !words[i].joined && !words[i].definite &&
                number <= 9) {
                number += 10; // the unit's form tells the gender, whatever the ten's
                ++i;
            } else if (i < words.size() && words[i].entry.role == Role::tens && words[i].joined &&
                       words[i].definite && number <= 9) {
                number += words[i].entry.value;
                ++i;
            }
        } else {
            number = words[0].entry.value;
            i = 1;
        }
        if (i < words.size()) {
            if (words[i].entry.role != Role::after || words[i].joined) return misplaced(text, words[i]);
            restFrom = ++i;
            if (i == words.size())
                return failed(because(ReadReason::needsNumberAfter, toUtf8(text, words[i - 1].from, words[i - 1].to),
                                      words[i - 1].position),
                              text.size(), ReadErrorCode::misplaced, words[i - 1].position);
            unsigned restGenders = 3;
            auto rest = cardinal(text, words, restFrom, words.size(), restGenders);
            if (auto* error = std::get_if<Attempt>(&rest)) return *error;
            const std::uint32_t value = std::get<std::uint32_t>(rest);
            if (value % 100 != 0) return misplaced(text, words[restFrom]);
            number += value;
        }
        if (genders == 0) return failed(because(ReadReason::mixedGenders, {}, words[0].position), text.size(),
                                        ReadErrorCode::mixedGenders, words[0].position);
    } else {
        auto value = cardinal(text, words, 0, words.size(), genders);
        if (auto* error = std::get_if<Attempt>(&value)) return *error;
        number = std::get<std::uint32_t>(value);
        // the definite cardinal of a whole hundred is its ordinal: المائة، الألف
        if (words[0].definite) {
            if (number % 100 != 0) return misplaced(text, words[0]);
            r.form.kind = Kind::ordinal;
            genders = 3;
        }
        if (genders == 0) return failed(because(ReadReason::mixedGenders, {}, words[0].position), text.size(),
                                        ReadErrorCode::mixedGenders, words[0].position);
    }
    if (number == 0 || number > largestNumber)
        return failed(because(number == 0 ? ReadReason::notANumber : ReadReason::tooLarge), text.size(),
                      number == 0 ? ReadErrorCode::unknownWord : ReadErrorCode::tooLarge);
    r.number = static_cast<std::uint32_t>(number);
    r.form.gender = genderOf(genders == 2);
    return Attempt{r, {}, text.size(), ReadErrorCode::none};
}

std::string_view arabicMonthSpellings(int month) {
    static constexpr std::array<std::string_view, 13> spellings = {
        "توت",
        "بابة",
        "هتور|هاتورة",
        "كياك|كيهك",
        "طوبه",
        "امشير",
        "برمهات",
        "برموده",
        "بشنس",
        "بئونة|بؤونه|بئونه|بؤنة",
        "ابيب",
        "مسري",
        "نسيء|النسئ|الشهر الصغير",
    };
    return month >= 1 && month <= 13 ? spellings[static_cast<std::size_t>(month - 1)] : std::string_view();
}

bool isArabicEra(std::string_view word) {
    return word == "ش" || word == "ش." || word == "للشهداء";
}

} // namespace zefnaro::reading
