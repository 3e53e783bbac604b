#include "zefnaro/find.h"

#include "engine/coptic.h"
#include "engine/read/find_words.h"
#include "engine/read/read_support.h"
#include "engine/utf8.h"

#include <array>
#include <vector>

namespace zefnaro {

std::string_view foundKindName(FoundKind kind) {
    switch (kind) {
    case FoundKind::numeral: return "numeral";
    case FoundKind::words: return "words";
    case FoundKind::mixed: return "mixed";
    case FoundKind::fraction: return "fraction";
    }
    return "numeral";
}

namespace {

using finding::Lead;
using finding::leadOf;
using finding::NumberWord;
using reading::copticLower;
using reading::isCopticLetter;

constexpr std::u32string_view ordinalWord = U"ⲙⲁϩ";
constexpr std::u32string_view fractionWord = U"ⲣⲉ";
constexpr std::u32string_view andWord = U"ⲛⲉⲙ";

bool endsWith(std::u32string_view s, std::u32string_view end) {
    return s.size() >= end.size() && s.substr(s.size() - end.size()) == end;
}

// The stroke over a numeral, in every way texts put it: one stroke, a macron, the
// half marks of a stroke over several letters (U+FE24–U+FE26); two strokes or the
// stroke under for thousands.
bool isStroke(char32_t c) {
    return c == 0x0305 || c == 0x0304 || c == 0x033F || c == 0x0331 || (c >= 0xFE24 && c <= 0xFE26);
}
bool isSign(char32_t c) {
    return c == 0x0375 || c == 0x0374 || c == 0x02B9;
}

// The small Coptic letter each character of the CS fonts' text draws; 0 for the rest.
const std::array<char32_t, 128>& fontLetters() {
    static const std::array<char32_t, 128> table = [] {
        std::array<char32_t, 128> t{};
        for (char c = 0x21; c < 0x7F; ++c) {
            const std::string u = fontTextToUnicode(std::string(1, c));
            const auto d = utf8::decodeAt(u, 0);
            if (d && d->length == u.size() && isCopticLetter(d->code))
                t[static_cast<unsigned char>(c)] = copticLower(d->code);
        }
        // The glyph variants the report's numerals draw 60 and 600 with.
        t[static_cast<unsigned char>('|')] = U'ⲝ';
        t[static_cast<unsigned char>('<')] = U'ⲭ';
        return t;
    }();
    return table;
}
bool isFontMark(char32_t c) {
    return c == U'=' || c == 0xCB || c == 0xCC;
}
bool isFontChar(char32_t c) {
    return isFontMark(c) || c == U'`' || (c < 0x80 && fontLetters()[c] != 0);
}

enum class AtomType : unsigned char { none, numeral, word, conj, mah };

// What one word is to a number.
struct Atom {
    AtomType type = AtomType::none;
    std::uint32_t value = 0;
    bool feminine = false, ordinal = false, fraction = false;
    bool ambiguous = false, multiplier = false;
    bool bare = false;       // nothing joined before the number
    bool linker = false;     // ⲛ̀ or ⲙ̀ alone before it
    bool indefinite = false; // ⲟⲩ or ϩⲁⲛ before it
    std::size_t start = 0;   // byte of the word where the number begins
    bool isCount() const {
        return (type == AtomType::numeral || type == AtomType::word) && !ordinal && !fraction;
    }
};

// A word of the text being scanned: the letters as the rules compare them.
struct Scratch {
    std::size_t begin = 0; // byte in the piece
    std::size_t line = 0, column = 0;
    bool font = false, sign = false;
    unsigned char pendingMark = 0; // a font mark waiting for its letter: 1, or 2 for thousands
    std::size_t markFrom = 0;
    std::u32string letters;            // small letters, no jinkim or strokes
    std::vector<std::uint32_t> from;   // the byte each letter (with a font mark before it) begins at
    std::vector<unsigned char> marked; // a stroke over or before it: 1, or 2 for thousands
    void clear() {
        letters.clear();
        from.clear();
        marked.clear();
        sign = false;
        pendingMark = 0;
    }
};

// A word that is part of a number, kept until the number's end is known.
struct Held {
    std::string written;
    std::size_t line = 0, column = 0;
    std::string gap; // the blanks before it, as written
    bool joined = false;
    bool font = false;
    std::u32string letters;
    Atom atom;
};

// The letters of the word that follows a number: a counted noun after ⲛ̀ makes a
// number of a word that may be another word too ("ϣⲟ ⲛ̀ⲕⲓϯ", a thousand of silver).
bool isCountedNoun(std::u32string_view letters) {
    if (letters.size() < 3 || (letters[0] != U'ⲛ' && letters[0] != U'ⲙ')) return false;
    if (finding::isParticleAfterNumber(letters)) return false;
    const std::u32string_view rest = letters.substr(1);
    for (std::u32string_view article : {U"ⲛⲓ", U"ⲡⲓ", U"ϯ", U"ⲫ", U"ⲛⲉⲛ"})
        if (rest.substr(0, article.size()) == article) return false;
    return true;
}

// The largest power of ten that divides n: what may still be added to it.
std::uint32_t placeOf(std::uint32_t n) {
    std::uint32_t p = 1;
    while (n % (p * 10) == 0 && p < 1'000'000'000) p *= 10;
    return p;
}

std::string coreText(std::string_view written, std::size_t from, bool font) {
    if (font) return std::string(written.substr(from));
    std::string out;
    bool stroked = false; // the letter before has its stroke from a half mark
    for (std::size_t i = from; i < written.size();) {
        const auto d = utf8::decodeAt(written, i);
        if (!d) return {};
        i += d->length;
        if (d->code >= 0xFE24 && d->code <= 0xFE26) {
            if (!stroked) utf8::append(out, 0x0305);
            stroked = true;
            continue;
        }
        if (d->code == 0x0300 || d->code == 0x0301) continue; // a jinkim
        if (!utf8::isCombiningMark(d->code)) stroked = false;
        utf8::append(out, d->code == 0x0304 ? 0x0305 : d->code);
    }
    return out;
}

// ⲙⲁϩ (an ordinal) or ⲣⲉ (a fraction) joined right before the number that begins
// at letter `at`, after articles and particles only (ⲡⲓⲙⲁϩⲅ̅, ⲫⲣⲉⲅ̅): the atom says
// so and begins there, and `lead` is what stands before.
bool ordinalOrFraction(const Scratch& w, std::size_t at, Atom& a, Lead& lead) {
    const std::u32string_view before = std::u32string_view(w.letters).substr(0, at);
    if (endsWith(before, ordinalWord) && (lead = leadOf(before.substr(0, at - 3))).ok) {
        a.ordinal = true;
        a.start = w.from[at - 3];
        return true;
    }
    if (endsWith(before, fractionWord) && (lead = leadOf(before.substr(0, at - 2))).ok) {
        a.fraction = true;
        a.start = w.from[at - 2];
        return true;
    }
    return false;
}

// A word with strokes: a numeral, perhaps joined to the articles and particles
// before it, to ⲙⲁϩ (an ordinal) or to ⲣⲉ (a fraction).
Atom markedAtom(std::string_view written, const Scratch& w) {
    Atom a;
    const std::u32string_view letters = w.letters;
    const std::size_t n = letters.size();
    if (w.sign) { // ͵ⲃⲉ, ⲕⲁʹ: the whole word, as the reader takes it
        const ReadResult r = readWrittenNumber(written);
        if (!r.ok() || r.reading.written != WrittenForm::numerals) return a;
        a.type = AtomType::numeral;
        a.value = r.reading.number;
        a.ordinal = r.reading.form.ordinal();
        a.feminine = r.reading.form.feminine();
        a.bare = true;
        return a;
    }
    std::size_t last = n;
    while (last > 0 && !w.marked[last - 1]) --last;
    if (last == 0) return a;
    // Letters running on after the strokes make a word (ⲡⲛ̅ⲁ̅ⲧⲓⲕⲟⲥ); only the
    // feminine ending may follow (ⲅ̅ϯ).
    if (last < n && !(last + 1 == n && letters[n - 1] == U'ϯ')) return a;
    std::size_t core = last - 1;
    while (core > 0 && w.marked[core - 1]) --core;
    for (std::size_t i = 0; i < core; ++i)
        if (w.marked[i]) return a;
    bool thousands = false;
    for (std::size_t i = core; i < n; ++i) thousands = thousands || w.marked[i] == 2;
    // A holy name may begin with letters left without a stroke (ⲓⲏ̅ⲥ̅, ⲡⲛ̅ⲁ̅, ⲙ̀ⲡⲓⲥ̅ⲗ̅) where it
    // is longer than two: ⲡⲓⲥ̅ is the two hundred, not ⲡ and ⲓⲥ.
    for (std::size_t s = 0; s <= core && !thousands; ++s)
        if ((s == core || n - s > 2) && finding::isHolyName(letters.substr(s))) return a;
    const std::u32string_view before = letters.substr(0, core);
    a.start = w.from[core];
    Lead lead;
    if (!ordinalOrFraction(w, core, a, lead)) {
        lead = leadOf(before);
        // The font text's letters are Latin ones too: only articles and particles
        // join its numerals, so that "a=b" in other text is no numeral.
        if (w.font && !lead.ok) return a;
        a.bare = before.empty();
        a.linker = lead.linkerOnly;
    }
    a.feminine = lead.feminine;
    const ReadResult r = readWrittenNumber(coreText(written, w.from[core], w.font));
    if (!r.ok() || r.reading.written != WrittenForm::numerals) return Atom{};
    a.type = AtomType::numeral;
    a.value = r.reading.number;
    a.ordinal = a.ordinal || r.reading.form.ordinal();
    a.feminine = a.feminine || r.reading.form.feminine();
    return a;
}

// A word without strokes: ⲛⲉⲙ, ⲙⲁϩ before a number, or a number word with what is
// joined before it.
Atom plainAtom(const Scratch& w) {
    Atom a;
    const std::u32string_view letters = w.letters;
    if (letters == andWord) {
        a.type = AtomType::conj;
        return a;
    }
    if (endsWith(letters, ordinalWord)) {
        const Lead lead = leadOf(letters.substr(0, letters.size() - 3));
        if (lead.ok) {
            a.type = AtomType::mah;
            a.feminine = lead.feminine;
            a.start = w.from[letters.size() - 3];
        }
        return a;
    }
    finding::eachNumberWordEnding(letters, [&](std::size_t j, const NumberWord& word) {
        const std::u32string_view before = letters.substr(0, j);
        Atom t;
        t.type = AtomType::word;
        t.value = word.value;
        t.multiplier = word.multiplier;
        t.start = w.from[j];
        Lead lead;
        if (!ordinalOrFraction(w, j, t, lead)) {
            // ⲛ̀ⲟⲩϣⲟ is "a thousand" (ⲛ̀ ⲟⲩ ϣⲟ) before it is "their thousand" (ⲛⲟⲩ ϣⲟ).
            for (std::u32string_view article : {std::u32string_view(U"ⲟⲩ"), std::u32string_view(U"ϩⲁⲛ")})
                if (word.multiplier && endsWith(before, article) && !t.indefinite) {
                    const Lead particles = leadOf(before.substr(0, j - article.size()));
                    if (particles.ok && !particles.article) {
                        t.indefinite = true;
                        t.start = w.from[j - article.size()];
                    }
                }
            lead = leadOf(before);
            if (!lead.ok) return false;
            t.bare = before.empty();
            t.linker = lead.linkerOnly;
            // A word that may be another word counts with an article or particle
            // before it only as "a thousand" (ⲟⲩϣⲟ, ϩⲁⲛⲑⲃⲁ).
            if (word.ambiguous && !t.bare && !t.linker && !t.indefinite) return false;
            t.ambiguous = word.ambiguous;
        }
        t.feminine = lead.feminine || word.feminine;
        a = t;
        return true;
    });
    return a;
}

struct Phrase {
    std::size_t end = 0; // the held word after it
    std::uint32_t value = 0;
    bool feminine = false, ordinal = false, fraction = false;
    bool numerals = false, words = false;
    std::size_t parts = 0;
    bool ambiguousOnly = false;
};

} // namespace

namespace detail {

struct FinderState {
    std::size_t line = 1, column = 1;
    Scratch word;
    bool inWord = false;
    // Since the last word: blanks only, and which.
    bool blanksOnly = false;
    std::string gap;
    std::vector<Held> held;

    using Found = NumeralFinder::Found;
    void endWord(std::string_view written, const Found& found);
    void hold(std::string_view written, Atom atom);
    void resolve(const std::u32string* after, bool afterJoined, const Found& found, std::size_t keep = 0);
    bool parse(std::size_t i, Phrase& p) const;
    void emit(std::size_t i, const Phrase& p, const Found& found) const;
};

} // namespace detail

using State = detail::FinderState;

NumeralFinder::NumeralFinder() : state_(std::make_unique<detail::FinderState>()) {}
NumeralFinder::~NumeralFinder() = default;
NumeralFinder::NumeralFinder(NumeralFinder&&) noexcept = default;
NumeralFinder& NumeralFinder::operator=(NumeralFinder&&) noexcept = default;

void State::hold(std::string_view written, Atom atom) {
    Held h;
    h.written = std::string(written);
    h.line = word.line;
    h.column = word.column;
    h.joined = blanksOnly && !held.empty();
    if (h.joined) h.gap = gap;
    h.font = word.font;
    h.letters = word.letters;
    h.atom = atom;
    held.push_back(std::move(h));
}

void State::endWord(std::string_view written, const Found& found) {
    inWord = false;
    Atom atom;
    if (!word.letters.empty()) {
        bool anyMark = word.sign;
        for (unsigned char m : word.marked) anyMark = anyMark || m;
        atom = anyMark ? markedAtom(written, word) : plainAtom(word);
    }
    if (atom.type == AtomType::none) {
        if (!held.empty()) resolve(&word.letters, blanksOnly, found);
    } else {
        if (!blanksOnly && !held.empty()) resolve(nullptr, false, found);
        hold(written, atom);
        // A hostile run of number words: what cannot reach past the last few is settled.
        if (held.size() > 64) resolve(nullptr, false, found, 32);
    }
    blanksOnly = true;
    gap.clear();
    word.clear();
}

bool State::parse(std::size_t i, Phrase& p) const {
    const std::size_t n = held.size();
    std::size_t k = i;
    p = Phrase{};
    if (held[i].atom.type == AtomType::mah) {
        if (i + 1 >= n || !held[i + 1].joined) return false;
        const Atom& next = held[i + 1].atom;
        if (!next.isCount() || !next.bare) return false;
        p.ordinal = true;
        p.feminine = held[i].atom.feminine;
        k = i + 1;
    }
    const Atom& first = held[k].atom;
    if (first.type != AtomType::numeral && first.type != AtomType::word) return false;
    p.numerals = first.type == AtomType::numeral;
    p.words = first.type == AtomType::word;
    p.feminine = p.feminine || first.feminine;
    p.ordinal = p.ordinal || first.ordinal;
    p.parts = 1;
    p.ambiguousOnly = first.ambiguous;
    p.end = k + 1;
    p.value = first.value;
    if (first.fraction) {
        p.fraction = true;
        return true;
    }
    std::uint32_t total = 0, group = first.value;
    std::uint32_t groupTimes = first.multiplier ? first.value : 0; // the multiplier the group ends with
    bool bareTimes = first.multiplier && first.bare; // "ⲑⲃⲁ" with no count yet: it follows (ⲑⲃⲁ ⲃ̅)
    const auto take = [&](std::size_t end, const Atom& a) {
        p.end = end;
        p.value = total + group;
        p.numerals = p.numerals || a.type == AtomType::numeral;
        p.words = p.words || a.type == AtomType::word;
        ++p.parts;
        p.ambiguousOnly = p.ambiguousOnly && a.ambiguous;
    };
    std::size_t j = k + 1;
    while (j < n && held[j].joined) {
        const Atom& b = held[j].atom;
        if (b.type == AtomType::word && b.multiplier && b.isCount() && b.value > 100 &&
            (b.bare || b.linker || b.indefinite) && !bareTimes) {
            const std::uint64_t times = std::uint64_t{group} * b.value;
            if (times > largestNumber || (total > 0 && times >= placeOf(total))) break;
            group = static_cast<std::uint32_t>(times);
            groupTimes = b.value;
            take(++j, b);
            continue;
        }
        if (b.type == AtomType::word && b.multiplier && b.value == 100 && b.linker && group < 10 &&
            groupTimes == 0 && !bareTimes) { // ϣⲟⲙⲧ ⲛ̀ϣⲉ, three hundred
            group *= 100;
            groupTimes = 100;
            take(++j, b);
            continue;
        }
        if (b.type == AtomType::conj && j + 1 < n && held[j + 1].joined) {
            const Atom& c = held[j + 1].atom;
            if (!c.isCount() || !(c.bare || c.linker) || c.value >= placeOf(total + group)) break;
            total += group;
            group = c.value;
            groupTimes = c.multiplier ? c.value : 0;
            bareTimes = false;
            j += 2;
            take(j, c);
            continue;
        }
        if (!b.isCount()) break;
        if (bareTimes && b.bare && total == 0 && !b.multiplier) { // ⲑⲃⲁ ⲃ̅: two ten thousands
            const std::uint64_t times = std::uint64_t{group} * b.value;
            if (times > largestNumber) break;
            group = static_cast<std::uint32_t>(times);
            bareTimes = false;
            take(++j, b);
            continue;
        }
        if (b.linker && groupTimes >= 1000 && !bareTimes && b.value < placeOf(total + group)) {
            total += group; // ⲛ̀ⲟⲩϣⲟ ⲛ̀ⲥ̅, a thousand two hundred
            group = b.value;
            groupTimes = b.multiplier ? b.value : 0;
            take(++j, b);
            continue;
        }
        // ⲃ̿ ⲉ̅: a numeral's thousands and its units apart.
        if (b.type == AtomType::numeral && held[j - 1].atom.type == AtomType::numeral && b.bare &&
            held[j].gap == " " && groupTimes == 0 && group % 1000 == 0 && b.value < 1000) {
            group += b.value;
            take(++j, b);
            continue;
        }
        break;
    }
    return true;
}

void State::emit(std::size_t i, const Phrase& p, const Found& found) const {
    const Held& h = held[i];
    const std::size_t start = h.atom.start;
    FoundNumeral f;
    f.line = h.line;
    f.column = h.column + utf8::characters(std::string_view(h.written).substr(0, start));
    f.text = h.written.substr(start);
    for (std::size_t j = i + 1; j < p.end; ++j) {
        f.text += held[j].gap;
        f.text += held[j].written;
    }
    f.reading.number = p.value;
    f.reading.written = p.numerals ? WrittenForm::numerals : WrittenForm::coptic;
    f.reading.writing = h.font ? Writing::fontText : Writing::unicode;
    f.reading.form.kind = reading::kindOf(p.ordinal);
    f.reading.form.gender = reading::genderOf(p.feminine);
    f.kind = p.fraction ? FoundKind::fraction
             : p.numerals && p.words ? FoundKind::mixed
             : p.numerals ? FoundKind::numeral
                          : FoundKind::words;
    if (p.fraction) f.denominator = p.value;
    found(f);
}

void State::resolve(const std::u32string* after, bool afterJoined, const Found& found,
                                   std::size_t keep) {
    const std::size_t stop = held.size() > keep ? held.size() - keep : 0;
    std::size_t i = 0;
    while (i < stop) {
        Phrase p;
        if (!parse(i, p)) {
            ++i;
            continue;
        }
        const Held& first = held[i];
        bool ok = true;
        if (p.words && !p.numerals && !p.ordinal && !p.fraction) {
            // Words alone that may be other words: numbers only before a counted noun.
            if (p.ambiguousOnly) {
                const Atom& a = held[p.end - 1].atom;
                const std::u32string* next = p.end < held.size() ? &held[p.end].letters : after;
                const bool nextJoined = p.end < held.size() ? held[p.end].joined : afterJoined;
                ok = p.parts == 1 && !first.font && a.value >= 20 && a.value != 60 &&
                     (a.bare || a.linker || a.indefinite) && next && nextJoined && isCountedNoun(*next);
            }
            if (first.font && p.ambiguousOnly) ok = false;
        }
        if (!ok) {
            ++i;
            continue;
        }
        emit(i, p, found);
        i = p.end;
    }
    held.erase(held.begin(), held.begin() + static_cast<std::ptrdiff_t>(std::min(i, held.size())));
    if (keep == 0) held.clear();
}

void NumeralFinder::scan(std::string_view text, const Found& found) {
    State& s = *state_;
    std::size_t i = 0;
    while (i < text.size()) {
        const unsigned char b = static_cast<unsigned char>(text[i]);
        char32_t c = b;
        std::size_t length = 1;
        if (b >= 0x80) {
            const auto decoded = utf8::decodeAt(text, i);
            length = decoded ? decoded->length : 1;
            c = decoded ? decoded->code : 0xFFFD;
        }
        const bool fontChar = isFontChar(c);
        const bool unicodeChar = !fontChar && (isCopticLetter(c) || isSign(c) ||
                                               (s.inWord && utf8::isCombiningMark(c)));
        if (s.inWord && (s.word.font ? !fontChar : !unicodeChar))
            s.endWord(text.substr(s.word.begin, i - s.word.begin), found);
        if (fontChar || unicodeChar) {
            if (!s.inWord) {
                if (!s.blanksOnly && !s.held.empty()) s.resolve(nullptr, false, found);
                s.word.begin = i;
                s.word.line = s.line;
                s.word.column = s.column;
                s.word.font = fontChar;
                s.inWord = true;
            }
            Scratch& w = s.word;
            const auto at = static_cast<std::uint32_t>(i - w.begin);
            if (fontChar) {
                if (isFontMark(c)) {
                    if (!w.pendingMark) w.markFrom = at;
                    w.pendingMark = c == U'=' && w.pendingMark < 2 ? 1 : 2;
                } else if (c != U'`') {
                    w.letters += fontLetters()[c];
                    w.from.push_back(w.pendingMark ? static_cast<std::uint32_t>(w.markFrom) : at);
                    w.marked.push_back(w.pendingMark);
                    w.pendingMark = 0;
                }
            } else if (isCopticLetter(c)) {
                w.letters += copticLower(c);
                w.from.push_back(at);
                w.marked.push_back(0);
            } else if (isSign(c)) {
                w.sign = true;
            } else if (isStroke(c) && !w.marked.empty()) {
                // Two strokes (or one under) count thousands, which no holy name has.
                const bool thousands = c == 0x033F || c == 0x0331 || (c == 0x0305 && w.marked.back() == 1);
                w.marked.back() = thousands ? 2 : 1;
            }
        } else {
            if (c == U' ' || c == U'\t') {
                if (s.gap.size() < 64) s.gap += static_cast<char>(c);
                else s.blanksOnly = false;
            } else {
                s.blanksOnly = false;
                if (!s.held.empty()) s.resolve(nullptr, false, found);
            }
        }
        if (c == U'\n') {
            ++s.line;
            s.column = 1;
        } else if (!utf8::isCombiningMark(c)) {
            ++s.column; // a mark belongs to its letter's column
        }
        i += length;
    }
    if (s.inWord) s.endWord(text.substr(s.word.begin), found);
}

void NumeralFinder::finish(const Found& found) {
    State& s = *state_;
    if (!s.held.empty()) s.resolve(nullptr, false, found);
    s.blanksOnly = false;
    s.gap.clear();
}

std::vector<FoundNumeral> findNumerals(std::string_view text) {
    std::vector<FoundNumeral> out;
    NumeralFinder finder;
    const auto found = [&out](const FoundNumeral& f) { out.push_back(f); };
    finder.scan(text, found);
    finder.finish(found);
    return out;
}

} // namespace zefnaro
