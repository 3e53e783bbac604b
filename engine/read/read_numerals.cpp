// Reading Coptic numerals: font text (a mark before each letter) and Unicode (the
// marks after each letter), with the ordinal prefix and the feminine ending.
#include "engine/numbers.h"
#include "engine/numeral_letters.h"
#include "engine/read/read_support.h"

#include <algorithm>
#include <array>

namespace zefnaro::reading {

namespace {

constexpr std::array<ReadName, 3> placeNames = {ReadName::units, ReadName::tens, ReadName::hundreds};
// The first rank has a name of its own: in Arabic الآحاد is the ones' place only.
constexpr std::array<ReadName, 3> rankNames = {ReadName::oneStroke, ReadName::thousands, ReadName::millions};
constexpr int unmarked = -1;

// One letter of a numeral: its digit, its place in the rank and the rank.
struct Letter {
    std::uint32_t digit;
    int place;
    int rank;
    std::size_t from, to; // where it is written in the text
    bool blankBefore = false; // set apart from the letter before it
};

// Within a rank the letters run hundreds, tens, units, each at most once; the
// ranks run millions, thousands, units, each at most once.
Attempt total(const Chars& text, const std::vector<Letter>& letters, Reading r) {
    if (letters.empty()) return failed(because(ReadReason::needsLetter), 1);
    const bool anyMarked = letters.front().rank != unmarked;
    std::uint64_t value = 0;
    int rank = 3, place = 3;
    for (const Letter& l : letters) {
        const std::size_t position = text[l.from].position;
        const auto what = [&](ReadReason reason) {
            return because(reason, toUtf8(text, l.from, l.to), position);
        };
        if ((l.rank == unmarked) == anyMarked)
            return failed(what(anyMarked ? ReadReason::lacksMark : ReadReason::hasMark), position);
        const int lr = l.rank == unmarked ? 0 : l.rank;
        const auto rn = rankNames[static_cast<std::size_t>(lr)];
        if (l.blankBefore && (l.rank == unmarked || lr == rank))
            return failed(what(ReadReason::blankInsideRank), position);
        if (lr > rank) {
            ReadWhy why = what(ReadReason::comesBefore);
            why.first = rn;
            why.second = rankNames[static_cast<std::size_t>(rank)];
            return failed(std::move(why), position);
        }
        if (lr < rank) {
            rank = lr;
            place = 3;
        }
        const auto pn = placeNames[static_cast<std::size_t>(l.place)];
        if (l.place >= place) {
            ReadWhy why = what(l.place == place ? ReadReason::placeTaken : ReadReason::comesBefore);
            why.first = l.place == place ? rn : pn;
            why.second = l.place == place ? pn : placeNames[static_cast<std::size_t>(place)];
            return failed(std::move(why), position);
        }
        place = l.place;
        std::uint64_t v = l.digit;
        for (int i = 0; i < l.place + 3 * lr; ++i)
            v *= 10;
        value += v;
    }
    r.number = static_cast<std::uint32_t>(value);
    r.written = WrittenForm::numerals;
    return Attempt{r, {}, text.size(), ReadErrorCode::none};
}

// Where the numeral starts after an ordinal prefix written as `prefix` (lower case),
// apart or, where `joinedToo`, joined to it as Bohairic writes it.
std::size_t afterPrefix(const Chars& text, std::u32string_view prefix, Reading& r,
                        bool joinedToo = false) {
    if (text.size() <= prefix.size()) return 0;
    for (std::size_t i = 0; i < prefix.size(); ++i) {
        char32_t c = copticLower(text[i].code);
        if (c >= U'A' && c <= U'Z') c += U'a' - U'A';
        if (c != prefix[i]) return 0;
    }
    std::size_t i = prefix.size();
    if (!isBlank(text[i].code)) {
        if (!joinedToo) return 0;
        r.form.kind = Kind::ordinal;
        return i;
    }
    while (i < text.size() && isBlank(text[i].code))
        ++i;
    r.form.kind = Kind::ordinal;
    return i;
}

// The place (0 units, 1 tens, 2 hundreds) and digit of a numeral letter, as the
// builder writes it in this writing (lower case).
bool numeralLetter(Writing writing, char32_t letter, int& place, std::uint32_t& digit) {
    using Codes = std::array<std::array<char32_t, 10>, 3>;
    // The builder's letters as code points, taken once from its own table.
    static const auto codes = [](Writing w) {
        Codes c{};
        Kinds kinds;
        std::size_t bad = 0;
        for (std::size_t p = 0; p < 3; ++p)
            for (std::size_t d = 1; d <= 9; ++d)
                c[p][d] = decode(numeralScript(w).letters[p][d], bad, kinds)->front().code;
        return c;
    };
    static const Codes fontText = codes(Writing::fontText), unicode = codes(Writing::unicode);
    const Codes& table = writing == Writing::unicode ? unicode : fontText;
    for (std::size_t p = 0; p < 3; ++p)
        for (std::size_t d = 1; d <= 9; ++d)
            if (table[p][d] == letter) {
                place = static_cast<int>(p);
                digit = static_cast<std::uint32_t>(d);
                return true;
            }
    return false;
}

bool fontLetter(char32_t c, int& place, std::uint32_t& digit) {
    if (c >= U'A' && c <= U'Z') c += U'a' - U'A';
    // The report draws 9, 60 and 600 with the glyph variants ":", "|" and "<";
    // the plain letters ";", "x" and "," are the same letters.
    if (c == U';') c = U':';
    if (c == U'x') c = U'|';
    if (c == U',') c = U'<';
    return c < 0x80 && numeralLetter(Writing::fontText, c, place, digit);
}

bool unicodeLetter(char32_t c, int& place, std::uint32_t& digit) {
    c = copticLower(c);
    if (c == 0x2CC1) c = 0x03E3; // ⳁ, the other sign for 900
    return isCopticLetter(c) && numeralLetter(Writing::unicode, c, place, digit);
}

} // namespace

Attempt readFontNumerals(const Chars& text) {
    Reading r;
    r.writing = Writing::fontText;
    std::size_t i = afterPrefix(text, fontTextOrdinalLetters, r);
    std::size_t end = text.size();
    if (end > i && text[end - 1].code == U']') {
        r.form.gender = Gender::feminine;
        --end;
    }
    std::vector<Letter> letters;
    while (i < end) {
        const Char mark = text[i];
        const int rank = mark.code == U'=' ? 0 : mark.code == 0xCB ? 1 : mark.code == 0xCC ? 2 : -2;
        if (rank == -2)
            return failed(because(ReadReason::noFontMark, utf8::encoded(mark.code), mark.position),
                          mark.position, ReadErrorCode::unknownWord);
        Letter l{0, 0, rank, i, i + 2};
        if (i + 1 >= end || !fontLetter(text[i + 1].code, l.place, l.digit))
            return failed(because(ReadReason::markNeedsLetter, {}, mark.position), mark.position);
        letters.push_back(l);
        i += 2;
    }
    return total(text, letters, r);
}

namespace {

bool isKeraia(char32_t c) {
    return c == 0x0374 || c == 0x02B9;
}

// The ranks of marks after a letter; -2 where they name none.
int rankOfMarks(const std::u32string& marks) {
    if (marks.empty()) return unmarked;
    if (marks == U"\u0305") return 0;
    if (marks == U"\u033F" || marks == U"\u0305\u0305" || marks == U"\u0331" ||
        marks == U"\u0331\u0305" || marks == U"\u0305\u0331")
        return 1; // two strokes over, or the scholars' stroke under
    if (marks == U"\u033F\u0305" || marks == U"\u0305\u033F") return 2;
    return -2;
}

// "ⲕ͵ⲁ": the sign parts thousands before it from units after it, where the
// letters before it carry no mark of their own; "͵ⲃⲉ": the sign marks its own
// letter as thousands and the unmarked letters after it are units.
bool readSignAsParting(std::vector<Letter>& letters, std::size_t signAt) {
    const bool before = !letters.empty() && letters.front().from < signAt;
    bool changed = false;
    for (Letter& l : letters) {
        if (l.from < signAt) {
            if (l.rank != unmarked) return false;
            l.rank = 1;
        } else if (l.rank == unmarked || (before && l.rank == 1 && l.from == signAt + 1)) {
            l.rank = 0;
        } else {
            continue;
        }
        changed = true;
    }
    return changed;
}

// A year as calendars print it: one stroke over every letter, where a units
// letter stands before a hundreds letter and so can only count thousands
// ("ⲁ̅ⲯ̅ⲗ̅ⲉ̅" = 1,735). Any other order stays wrong, but the message names the
// thousands reading the writer probably meant.
Attempt readAsYear(const Chars& text, std::vector<Letter> letters, const Reading& r,
                   Attempt strict) {
    const bool oneStrokeEach = letters.size() >= 2 && std::all_of(letters.begin(), letters.end(),
                                                                  [](const Letter& l) { return l.rank == 0; });
    if (!oneStrokeEach || letters[0].place != 0) return strict;
    letters[0].rank = 1;
    Attempt year = total(text, letters, r);
    if (!year.reading) return strict;
    if (letters[1].place == 2) return year;
    strict.why.meant = year.reading->number;
    strict.why.meantAs = joined({toUtf8(text, letters[0].from, letters[0].from + 1), "\u033F",
                                 toUtf8(text, letters[1].from, letters.back().to)});
    return strict;
}

} // namespace

Attempt readUnicodeNumerals(const Chars& text) {
    Reading r;
    r.writing = Writing::unicode;
    std::size_t i = afterPrefix(text, unicodeOrdinalLetters, r, true);
    std::size_t end = text.size();
    // After the numeral: a full stop, a keraia, the feminine ending with or without
    // its own stroke.
    if (end > i && text[end - 1].code == U'.') --end;
    if (end > i && isKeraia(text[end - 1].code)) --end;
    while (end > i && (text[end - 1].code == 0x0305 || text[end - 1].code == 0x0304) && end - 1 > i &&
           copticLower(text[end - 2].code) == 0x03EF)
        --end;
    if (end > i && copticLower(text[end - 1].code) == 0x03EF) { // ϯ
        r.form.gender = Gender::feminine;
        --end;
    }
    if (end > i && isKeraia(text[end - 1].code)) --end;
    std::vector<Letter> letters;
    std::size_t signAt = text.size(); // where a lower numeral sign ͵ stands, if one does
    bool blank = false;
    while (i < end) {
        const Char c = text[i];
        if (isBlank(c.code) && !letters.empty()) {
            blank = true;
            ++i;
            continue;
        }
        const bool sign = c.code == 0x0375;
        if (sign) {
            signAt = i;
            if (++i >= end)
                return failed(because(ReadReason::signNeedsLetter, {}, c.position), c.position);
        }
        const Char letter = text[i];
        Letter l{0, 0, unmarked, i, i + 1, blank};
        blank = false;
        if (!unicodeLetter(letter.code, l.place, l.digit))
            return failed(because(ReadReason::noNumeralLetter, utf8::encoded(letter.code), letter.position),
                          letter.position, ReadErrorCode::unknownWord);
        std::u32string marks; // U+0304 is read as U+0305, as people type it
        std::size_t j = i + 1;
        for (; j < end && (text[j].code == 0x0304 || text[j].code == 0x0305 ||
                           text[j].code == 0x033F || text[j].code == 0x0331);
             ++j)
            marks += text[j].code == 0x0304 ? char32_t{0x0305} : text[j].code;
        l.to = j;
        l.rank = rankOfMarks(marks);
        if (l.rank == -2)
            return failed(because(ReadReason::marksNoPlace, toUtf8(text, i, j), letter.position),
                          letter.position);
        if (sign) {
            if (l.rank != unmarked && l.rank != 1)
                return failed(because(ReadReason::marksTwoRanks, toUtf8(text, i, j), letter.position),
                              letter.position);
            l.rank = 1;
        }
        letters.push_back(l);
        i = j;
    }
    Attempt read = total(text, letters, r);
    if (read.reading) return read;
    if (signAt < text.size()) {
        std::vector<Letter> parted = letters;
        if (readSignAsParting(parted, signAt)) {
            Attempt again = total(text, parted, r);
            if (again.reading) return again;
        }
        return read;
    }
    return readAsYear(text, std::move(letters), r, std::move(read));
}

} // namespace zefnaro::reading
