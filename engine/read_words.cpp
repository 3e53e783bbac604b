// Reading English words and Coptic words (font text, pronunciation, Unicode).
#include "engine/coptic.h"
#include "engine/english.h"
#include "engine/read_support.h"

#include <algorithm>
#include <array>
#include <unordered_map>

namespace zefnaro::reading {

namespace {

struct Token {
    std::string_view text; // normalised: lower case, no jinkim
    std::size_t position;
    char32_t before = U' '; // the separator in front of it: a blank or a hyphen
};

// The words of a text, normalised into one buffer with one blank between words, so
// that a run of words is a piece of it.
struct Words {
    std::string buffer;
    std::vector<Token> tokens;

    std::size_t size() const { return tokens.size(); }
    bool empty() const { return tokens.empty(); }
    const Token& operator[](std::size_t i) const { return tokens[i]; }
    // Words [from, to) as written in the buffer; from < to.
    std::string_view run(std::size_t from, std::size_t to) const {
        const char* begin = tokens[from].text.data();
        const char* end = tokens[to - 1].text.data() + tokens[to - 1].text.size();
        return {begin, static_cast<std::size_t>(end - begin)};
    }
};

// Lower-cases Latin and Coptic letters and drops the jinkim (a grave accent before
// its letter in font text, U+0300 after it in Unicode): words read the same with
// or without it. Blanks separate words.
Words words(const Chars& text) {
    Words out;
    // Written through a pointer into room made first (at most four bytes a
    // character, one blank between words), then cut to size; always on the heap,
    // so that the views survive the move out of here.
    out.buffer.resize(std::max<std::size_t>(64, text.size() * 5));
    char* const begin = out.buffer.data();
    char* p = begin;
    struct Span {
        std::size_t from, position;
    };
    std::vector<Span> spans;
    spans.reserve(24);
    bool startNew = true;
    for (const Char& c : text) {
        if (isBlank(c.code)) {
            startNew = true;
            continue;
        }
        if (c.code == U'`' || c.code == 0x0300) continue;
        if (startNew) {
            if (!spans.empty()) *p++ = ' ';
            spans.push_back({static_cast<std::size_t>(p - begin), c.position});
            startNew = false;
        }
        const char32_t code = c.code < 0x80 ? (c.code >= U'A' && c.code <= U'Z' ? c.code + 32 : c.code)
                                            : copticLower(c.code);
        if (code < 0x80) {
            *p++ = static_cast<char>(code);
        } else if (code < 0x800) {
            *p++ = static_cast<char>(0xC0 | (code >> 6));
            *p++ = static_cast<char>(0x80 | (code & 0x3F));
        } else if (code < 0x10000) {
            *p++ = static_cast<char>(0xE0 | (code >> 12));
            *p++ = static_cast<char>(0x80 | ((code >> 6) & 0x3F));
            *p++ = static_cast<char>(0x80 | (code & 0x3F));
        } else {
            *p++ = static_cast<char>(0xF0 | (code >> 18));
            *p++ = static_cast<char>(0x80 | ((code >> 12) & 0x3F));
            *p++ = static_cast<char>(0x80 | ((code >> 6) & 0x3F));
            *p++ = static_cast<char>(0x80 | (code & 0x3F));
        }
    }
    out.buffer.resize(static_cast<std::size_t>(p - begin));
    out.tokens.reserve(spans.size());
    for (std::size_t i = 0; i < spans.size(); ++i) {
        const std::size_t end = i + 1 < spans.size() ? spans[i + 1].from - 1 : out.buffer.size();
        out.tokens.push_back({std::string_view(out.buffer).substr(spans[i].from, end - spans[i].from),
                              spans[i].position, U' '});
    }
    return out;
}

// Maps looked up by a piece of a text without copying it.
struct Hash {
    using is_transparent = void;
    std::size_t operator()(std::string_view s) const { return std::hash<std::string_view>{}(s); }
};
template <typename Value> using Map = std::unordered_map<std::string, Value, Hash, std::equal_to<>>;

std::string normalised(std::string_view written) {
    Chars chars;
    std::size_t i = 0;
    for (char byte : written) { // builder output: valid UTF-8
        const auto b = static_cast<unsigned char>(byte);
        if ((b & 0xC0) == 0x80) {
            chars.back().code = (chars.back().code << 6) | (b & 0x3Fu);
            continue;
        }
        const char32_t lead = b < 0x80 ? b : b < 0xE0 ? (b & 0x1Fu) : b < 0xF0 ? (b & 0x0Fu) : (b & 0x07u);
        chars.push_back({lead, ++i});
    }
    return words(chars).buffer;
}

std::string unknown(const Token& t) {
    return "not a number: \"" + std::string(t.text) + "\"" + at(t.position) +
           " is no word of a number";
}

std::string quoted(std::string_view word) {
    return "\"" + std::string(word) + "\"";
}

// ---- English ----------------------------------------------------------------

struct EnglishWord {
    std::uint32_t value;
    bool ordinal;
};

const Map<EnglishWord>& englishWords() {
    static const auto list = [] {
        Map<EnglishWord> w;
        for (std::uint32_t key : {1u,  2u,  3u,  4u,  5u,  6u,  7u,  8u,  9u,  10u,  11u,    12u,
                                  13u, 14u, 15u, 16u, 17u, 18u, 19u, 20u, 30u, 40u,  50u,    60u,
                                  70u, 80u, 90u, 100u, 1000u, 1000000u})
            for (bool ordinal : {false, true})
                w[normalised(getEnglishWord(key, Form{ordinal, true}))] = {key, ordinal};
        return w;
    }();
    return list;
}

} // namespace

namespace {

// The words again, with a hyphen between words as a separator too.
Words hyphenated(const Words& blankSeparated) {
    Words out;
    for (const Token& t : blankSeparated.tokens) {
        std::size_t from = 0, position = t.position;
        char32_t before = t.before;
        for (std::size_t i = 0; i <= t.text.size(); ++i) {
            if (i < t.text.size() && t.text[i] != '-') continue;
            if (i > from) out.tokens.push_back({t.text.substr(from, i - from), position, before});
            for (std::size_t k = from; k <= i && k < t.text.size(); ++k)
                position += (static_cast<unsigned char>(t.text[k]) & 0xC0) != 0x80 ? 1u : 0u;
            from = i + 1;
            before = U'-';
        }
    }
    return out;
}

Attempt readEnglish(const Chars& text, const Words& words) {
    if (!words.empty() && !englishWords().count(words[0].text) && words[0].text != "and")
        return failed(unknown(words[0]), words[0].position);
    std::uint64_t total = 0, group = 0;
    std::uint32_t lastScale = 0;  // 0: no scale word yet
    bool hundreds = false;        // the group has its hundreds
    int tail = 0;                 // 0 nothing after the hundreds, 1 tens, 2 teen or unit
    bool ordinal = false, afterAnd = false;
    std::uint32_t previous = 0;   // value of the previous word, 0 for "and"
    for (std::size_t i = 0; i < words.size(); ++i) {
        const Token& t = words[i];
        const bool last = i + 1 == words.size();
        if (t.text == "and") {
            if (previous != 100 && previous != 1000 && previous != 1000000)
                return failed("\"and\"" + at(t.position) +
                                  " belongs after hundred, thousand or million",
                              t.position);
            if (last) return failed("the number ends on \"and\"" + at(t.position), t.position);
            afterAnd = true;
            previous = 0;
            continue;
        }
        const auto found = englishWords().find(t.text);
        if (found == englishWords().end()) return failed(unknown(t), t.position);
        const auto [value, isOrdinal] = found->second;
        if (isOrdinal && !last)
            return failed(quoted(t.text) + at(t.position) + " must be the last word", t.position);
        ordinal = isOrdinal;
        if (t.before == U'-' && !(previous >= 20 && previous <= 90 && value <= 9))
            return failed("a hyphen" + at(t.position - 1) + " belongs between tens and units",
                          t.position);
        const auto misplaced = [&] {
            return failed(quoted(t.text) + at(t.position) + " cannot stand here", t.position);
        };
        if (value < 100) {
            const bool unitAfterTens = value <= 9 && tail == 1 && previous >= 20;
            if (tail != 0 && !unitAfterTens) return misplaced();
            if (afterAnd && tail == 0 && group == 0 && lastScale == 0) return misplaced();
            group += value;
            tail = (value >= 20 && value <= 90) ? 1 : 2;
        } else if (value == 100) {
            if (hundreds || tail != 2 || group > 9 || afterAnd) return misplaced();
            group *= 100;
            hundreds = true;
            tail = 0;
        } else {
            if (group == 0 || (lastScale != 0 && value >= lastScale) || afterAnd)
                return misplaced();
            total += group * value;
            group = 0;
            lastScale = value;
            hundreds = false;
            tail = 0;
        }
        afterAnd = false;
        previous = value;
    }
    total += group;
    if (words.empty() || total == 0) return failed("not a number", 1);
    Reading r;
    r.number = static_cast<std::uint32_t>(total);
    r.form = WrittenForm::english;
    r.ordinal = ordinal;
    return Attempt{r, {}, text.size()};
}

// ---- Coptic words -------------------------------------------------------------

namespace {

// The groups the builders write in one script, read back: a group of 1..999 as
// it stands alone or before the thousand or million word, in either gender.
struct Script {
    struct Group {
        std::uint32_t value;
        unsigned genders; // 1 masculine, 2 feminine
    };
    Map<std::vector<Group>> groups;
    Map<bool> vocabulary;
    std::string thousand, particleThousand, million, particleMillion, ordinalPrefix;
    std::array<std::string, 2> first; // the ordinal of one: masculine, feminine
};

std::string lastWord(const std::string& s) {
    return s.substr(s.rfind(' ') + 1);
}

Script buildScript(WrittenForm form, Writing writing) {
    const auto write = [&](std::uint32_t n, Form f) {
        if (writing == Writing::unicode) return normalised(toCopticWords(n, f, Writing::unicode));
        return normalised(toCopticWords(
            n, f, form == WrittenForm::pronunciation ? Half::pronunciation : Half::text));
    };
    Script s;
    for (std::uint32_t n = 1; n <= 999; ++n)
        for (unsigned gender = 1; gender <= 2; ++gender) {
            const std::string text = write(n, Form{false, gender == 1});
            auto& list = s.groups[text];
            auto same = std::find_if(list.begin(), list.end(),
                                     [&](const Script::Group& g) { return g.value == n; });
            if (same == list.end())
                list.push_back({n, gender});
            else
                same->genders |= gender;
            std::size_t start = 0;
            for (std::size_t end = 0; end <= text.size(); ++end)
                if (end == text.size() || text[end] == ' ') {
                    s.vocabulary[text.substr(start, end - start)] = true;
                    start = end + 1;
                }
        }
    s.thousand = write(1000, Form{});
    s.particleThousand = lastWord(write(2000, Form{}));
    s.million = write(1000000, Form{});
    s.particleMillion = lastWord(write(2000000, Form{}));
    s.ordinalPrefix = write(2, Form{true, true}).substr(0, write(2, Form{true, true}).find(' '));
    s.first = {write(1, Form{true, true}), write(1, Form{true, false})};
    for (const std::string* w : {&s.thousand, &s.particleThousand, &s.million, &s.particleMillion,
                                 &s.ordinalPrefix, &s.first[0], &s.first[1]})
        s.vocabulary[*w] = true;
    return s;
}

const Script& script(WrittenForm form, Writing writing) {
    static const Script text = buildScript(WrittenForm::coptic, Writing::fontText);
    static const Script spoken = buildScript(WrittenForm::pronunciation, Writing::fontText);
    static const Script unicode = buildScript(WrittenForm::coptic, Writing::unicode);
    if (writing == Writing::unicode) return unicode;
    return form == WrittenForm::pronunciation ? spoken : text;
}

} // namespace

Attempt readCopticWords(const Chars& text, const Words& words, WrittenForm form, Writing writing) {
    const Script& s = script(form, writing);
    // A word this script does not know is the first thing wrong; when every word
    // is known, this form went furthest, whatever is wrong.
    const auto wrong = [&](std::string error) {
        for (const Token& t : words.tokens)
            if (!s.vocabulary.count(t.text)) return failed(unknown(t), t.position);
        return failed(std::move(error), text.back().position + 1);
    };
    if (words.empty() || !s.vocabulary.count(words[0].text)) return wrong("not a number");
    Reading r;
    r.form = form;
    r.writing = writing;
    if (words.size() == 1 && (words[0].text == s.first[0] || words[0].text == s.first[1])) {
        r.number = 1;
        r.ordinal = true;
        r.feminine = words[0].text == s.first[1] && s.first[0] != s.first[1];
        return Attempt{r, {}, text.size()};
    }
    std::size_t begin = 0;
    if (!words.empty() && words[0].text == s.ordinalPrefix) {
        r.ordinal = true;
        begin = 1;
        if (words.size() == 1)
            return wrong(quoted(words[0].text) + at(words[0].position) + " needs a number after it");
    }

    // The thousand and million words close their groups: they cut the text into
    // at most three groups, millions, thousands and units, in that order.
    std::uint64_t total = 0;
    unsigned genders = 3;
    std::uint32_t lastScale = 0;
    std::size_t start = begin;
    // The words [from, to) and the group word that closes them (none for units).
    const auto group = [&](std::size_t from, std::size_t to, std::uint32_t scale, bool alone,
                           const Token* closing) -> std::optional<std::string> {
        const std::size_t where = from < to ? words[from].position : closing->position;
        if (lastScale != 0 && scale >= lastScale)
            return quoted(closing ? closing->text : words[from].text) + at(where) +
                   " cannot follow the smaller groups before it";
        lastScale = scale;
        if (alone) { // the bare thousand or million word: one of them
            if (to - from != 0) return "the words" + at(where) + " do not form a number";
            total += scale;
            return std::nullopt;
        }
        const auto found = from == to ? s.groups.end() : s.groups.find(words.run(from, to));
        if (found == s.groups.end())
            return "the words" + at(where) + " do not form a number the way it is written";
        // A multiplier of one is written as the bare thousand or million word.
        const Script::Group* match = nullptr;
        for (const auto& g : found->second)
            if ((g.genders & genders) != 0 && !(scale > 1 && g.value == 1)) match = &g;
        if (!match) {
            for (const auto& g : found->second)
                if (!(scale > 1 && g.value == 1)) match = &g;
            if (!match) return "the words" + at(where) + " do not form a number the way it is written";
            return "the words" + at(where) + " mix masculine and feminine forms";
        }
        genders &= match->genders;
        total += std::uint64_t{match->value} * scale;
        return std::nullopt;
    };
    for (std::size_t i = begin; i < words.size(); ++i) {
        const std::string_view w = words[i].text;
        std::uint32_t scale = 0;
        bool alone = false;
        if (w == s.million || w == s.particleMillion) {
            scale = 1000000;
            alone = w == s.million;
        } else if (w == s.thousand || w == s.particleThousand) {
            scale = 1000;
            alone = w == s.thousand;
        }
        if (scale == 0) continue;
        if (auto error = group(start, i, scale, alone, &words[i])) return wrong(*error);
        start = i + 1;
    }
    if (start < words.size()) {
        if (auto error = group(start, words.size(), 1, false, nullptr)) return wrong(*error);
    }
    if (total == 0) return wrong("not a number");
    if (r.ordinal && total == 1) return wrong("the ordinal of one is " + quoted(s.first[0]));
    r.number = static_cast<std::uint32_t>(total);
    r.feminine = genders == 2;
    return Attempt{r, {}, text.size()};
}

} // namespace

Attempt readLatinWords(const Chars& text) {
    // English first, then the Coptic font text, then the pronunciation. "so" is
    // both the font text of a thousand and the pronunciation of a feminine six (and
    // "mah so" of their ordinals): the Coptic text wins, since it is the Coptic line
    // itself, copied from a report, while the pronunciation is only a guide to it.
    const Words blankSeparated = words(text);
    if (blankSeparated.empty()) return failed("not a number", 1);
    const Token& first = blankSeparated[0];
    const std::string_view firstPiece = first.text.substr(0, first.text.find('-'));
    Attempt furthest = englishWords().count(firstPiece) || firstPiece == "and"
                           ? readEnglish(text, hyphenated(blankSeparated))
                           : failed(unknown(Token{firstPiece, first.position}), first.position);
    if (furthest.reading) return furthest;
    for (const WrittenForm form : {WrittenForm::coptic, WrittenForm::pronunciation}) {
        Attempt a = readCopticWords(text, blankSeparated, form, Writing::fontText);
        if (a.reading) return a;
        if (a.progress > furthest.progress) furthest = std::move(a);
    }
    return furthest;
}

Attempt readUnicodeWords(const Chars& text) {
    return readCopticWords(text, words(text), WrittenForm::coptic, Writing::unicode);
}

} // namespace zefnaro::reading
