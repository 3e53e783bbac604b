// Reading Coptic numerals: font text (a mark before each letter) and Unicode (the
// marks after each letter), with the ordinal prefix and the feminine ending.
#include "engine/numeral_letters.h"
#include "engine/read/read_support.h"

#include <array>

namespace zefnaro::reading {

namespace {

constexpr std::array<std::string_view, 3> placeNames = {"units", "tens", "hundreds"};
constexpr std::array<std::string_view, 3> rankNames = {"units", "thousands", "millions"};
constexpr int unmarked = -1;

// One letter of a numeral: its digit, its place in the rank and the rank.
struct Letter {
    std::uint32_t digit;
    int place;
    int rank;
    std::size_t from, to; // where it is written in the text
};

// Within a rank the letters run hundreds, tens, units, each at most once; the
// ranks run millions, thousands, units, each at most once.
Attempt total(const Chars& text, const std::vector<Letter>& letters, Reading r) {
    if (letters.empty()) return failed("a numeral needs at least one letter", 1);
    const bool anyMarked = letters.front().rank != unmarked;
    std::uint64_t value = 0;
    int rank = 3, place = 3;
    for (const Letter& l : letters) {
        const std::size_t position = text[l.from].position;
        const auto what = [&] {
            return joined({"\"", toUtf8(text, l.from, l.to), "\"", at(position)});
        };
        if ((l.rank == unmarked) == anyMarked)
            return failed(
                joined({what(), (anyMarked ? " has no place mark, unlike the letters before it"
                                           : " has a place mark, unlike the letters before it")}),
                position);
        const int lr = l.rank == unmarked ? 0 : l.rank;
        const auto rn = rankNames[static_cast<std::size_t>(lr)];
        if (lr > rank)
            return failed(joined({what(), ": ", rn, " must come before ",
                                  rankNames[static_cast<std::size_t>(rank)]}),
                          position);
        if (lr < rank) {
            rank = lr;
            place = 3;
        }
        const auto pn = placeNames[static_cast<std::size_t>(l.place)];
        if (l.place == place)
            return failed(joined({what(), ": the ", rn, " already have a ", pn,
                                  " letter (each place at most once)"}),
                          position);
        if (l.place > place)
            return failed(joined({what(), ": ", pn, " must come before ",
                                  placeNames[static_cast<std::size_t>(place)]}),
                          position);
        place = l.place;
        std::uint64_t v = l.digit;
        for (int i = 0; i < l.place + 3 * lr; ++i)
            v *= 10;
        value += v;
    }
    r.number = static_cast<std::uint32_t>(value);
    r.form = WrittenForm::numerals;
    return Attempt{r, {}, text.size()};
}

// Where the numeral starts after an ordinal prefix written as `prefix` (lower case).
std::size_t afterPrefix(const Chars& text, std::u32string_view prefix, Reading& r) {
    if (text.size() <= prefix.size()) return 0;
    for (std::size_t i = 0; i < prefix.size(); ++i) {
        char32_t c = copticLower(text[i].code);
        if (c >= U'A' && c <= U'Z') c += U'a' - U'A';
        if (c != prefix[i]) return 0;
    }
    std::size_t i = prefix.size();
    if (!isBlank(text[i].code)) return 0;
    while (i < text.size() && isBlank(text[i].code))
        ++i;
    r.ordinal = true;
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
    std::size_t i = afterPrefix(text, U"mah", r);
    std::size_t end = text.size();
    if (end > i && text[end - 1].code == U']') {
        r.feminine = true;
        --end;
    }
    std::vector<Letter> letters;
    while (i < end) {
        const Char mark = text[i];
        const int rank = mark.code == U'=' ? 0 : mark.code == 0xCB ? 1 : mark.code == 0xCC ? 2 : -2;
        if (rank == -2)
            return failed(joined({"\"", utf8::encoded(mark.code), "\"", at(mark.position),
                                  " is no place mark (=, Ë or Ì)"}),
                          mark.position);
        Letter l{0, 0, rank, i, i + 2};
        if (i + 1 >= end || !fontLetter(text[i + 1].code, l.place, l.digit))
            return failed(
                joined({"the place mark", at(mark.position), " needs a numeral letter after it"}),
                mark.position);
        letters.push_back(l);
        i += 2;
    }
    return total(text, letters, r);
}

Attempt readUnicodeNumerals(const Chars& text) {
    Reading r;
    r.writing = Writing::unicode;
    std::size_t i = afterPrefix(text, U"ⲙⲁϩ", r);
    std::size_t end = text.size();
    if (end > i && copticLower(text[end - 1].code) == 0x03EF) { // ϯ
        r.feminine = true;
        --end;
    }
    std::vector<Letter> letters;
    while (i < end) {
        const Char c = text[i];
        Letter l{0, 0, unmarked, i, i + 1};
        if (!unicodeLetter(c.code, l.place, l.digit))
            return failed(
                joined({"\"", utf8::encoded(c.code), "\"", at(c.position), " is no numeral letter"}),
                c.position);
        std::u32string marks; // U+0304 is read as U+0305, as people type it
        std::size_t j = i + 1;
        for (; j < end &&
               (text[j].code == 0x0304 || text[j].code == 0x0305 || text[j].code == 0x033F);
             ++j)
            marks += text[j].code == 0x0304 ? char32_t{0x0305} : text[j].code;
        l.to = j;
        if (marks == U"\u0305")
            l.rank = 0;
        else if (marks == U"\u033F" || marks == U"\u0305\u0305")
            l.rank = 1;
        else if (marks == U"\u033F\u0305" || marks == U"\u0305\u033F")
            l.rank = 2;
        else if (!marks.empty())
            return failed(joined({"the marks on \"", toUtf8(text, i, j), "\"", at(c.position),
                                  " name no place (one stroke for units, two for thousands, "
                                  "three for millions)"}),
                          c.position);
        letters.push_back(l);
        i = j;
    }
    return total(text, letters, r);
}

} // namespace zefnaro::reading
