#include "coptic.h"

#include "lexicon.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <string_view>
#include <vector>

namespace zefnaro {

namespace {

constexpr long long hundred = 100;
constexpr long long thousand = 1000;
constexpr long long million = 1000000;

// What the words are written in: the two halves of the lexicon, or the text half
// in Unicode.
enum class Script { text, pronunciation, unicode };

std::string_view lexiconWord(long long key, bool standaloneTen, bool masculine, Script script) {
    return lexicon::half(lexicon::copticEntry(key, standaloneTen, masculine),
                         script == Script::pronunciation);
}

// The text half of every lexicon entry in Unicode, transcoded once.
std::string_view unicodeWord(long long key, bool standaloneTen, bool masculine) {
    static constexpr std::array<long long, 25> keys = {-4, -3, -2, -1, 1,   2,    3,      4,  5,
                                                       6,  7,  8,  9,  10,  20,   30,     40, 50,
                                                       60, 70, 80, 90, 100, 1000, 1000000};
    static const std::vector<std::string> table = [] {
        std::vector<std::string> t;
        for (long long k : keys)
            for (int variant = 0; variant < 4; ++variant)
                t.push_back(fontTextToUnicode(
                    lexiconWord(k, (variant & 1) != 0, (variant & 2) != 0, Script::text)));
        return t;
    }();
    const auto at = std::find(keys.begin(), keys.end(), key);
    if (at == keys.end()) return {};
    const auto slot = static_cast<std::size_t>(at - keys.begin()) * 4 + (standaloneTen ? 1u : 0u) +
                      (masculine ? 2u : 0u);
    return table[slot];
}

struct Words {
    bool masculine;
    Script script;

    std::string_view operator()(long long key, Ten ten = Ten::standalone) const {
        const bool standalone = ten == Ten::standalone;
        return script == Script::unicode ? unicodeWord(key, standalone, masculine)
                                         : lexiconWord(key, standalone, masculine, script);
    }
};

Script scriptOf(Half half) {
    return half == Half::pronunciation ? Script::pronunciation : Script::text;
}

void appendHundreds(std::string& out, long long n, const Words& word) {
    if (n > 99) {
        if (n < 200) {
            out += word(hundred);
        } else {
            out += word(n / 100);
            out += ' ';
            out += word(lexicon::particle);
            out += word(hundred);
        }
        if (n % 100 != 0) {
            out += ' ';
            out += word(lexicon::conjunction);
            out += ' ';
        }
        n %= 100;
    }
    if (n < 10) {
        out += word(n);
    } else if (n == 10 || n >= 20) {
        out += word(n / 10 * 10);
        if (n % 10 != 0) {
            out += ' ';
            out += word(n % 10);
        }
    } else {
        out += word(10, Ten::combining);
        out += word(n % 10);
    }
}

// The words of every group value 0..999 in each gender and script, built once: a
// number's words are then a few table lookups, which keeps a whole report well
// under a microsecond.
const std::string& hundredsText(long long n, bool masculine, Script script) {
    static const std::vector<std::string> table = [] {
        std::vector<std::string> t(6000);
        for (int form = 0; form < 6; ++form)
            for (long long k = 0; k < 1000; ++k)
                appendHundreds(t[static_cast<std::size_t>(form * 1000 + k)], k,
                               Words{form % 2 != 0, static_cast<Script>(form / 2)});
        return t;
    }();
    const int form = (masculine ? 1 : 0) + 2 * static_cast<int>(script);
    return table[static_cast<std::size_t>(form * 1000 + n)];
}

// A thousands or millions group: the bare group word for 1, otherwise the
// group's words, a space, and the particle glued to the group word.
void appendGroup(std::string& out, long long n, long long groupKey, const Words& word) {
    if (n == 1) {
        out += word(groupKey);
        return;
    }
    out += hundredsText(n, word.masculine, word.script);
    out += ' ';
    out += word(lexicon::particle);
    out += word(groupKey);
}

} // namespace

std::string getCopticWord(double key, bool masculine, Half half, Ten ten) {
    const auto k = lexicon::wholeKey(key);
    if (!k || *k == 0) return "";
    return std::string(Words{masculine, scriptOf(half)}(*k, ten));
}

std::string copticHundreds(double number, bool masculine, Half half) {
    const auto n = lexicon::wholeKey(number);
    if (!n || *n < 0 || *n > 999) return "";
    return hundredsText(*n, masculine, scriptOf(half));
}

namespace {

void appendWords(std::string& out, std::uint32_t n, Form form, Script script) {
    const bool masculine = form.masculine;
    const Words word{masculine, script};
    if (form.ordinal && n == 1) {
        out += word(lexicon::first);
        return;
    }
    if (form.ordinal) {
        out += word(lexicon::ordinalPrefix);
        out += ' ';
    }
    const long long millions = n / million;
    const long long thousands = n / thousand % thousand;
    const long long units = n % thousand;
    if (millions != 0) appendGroup(out, millions, million, word);
    if (thousands != 0) {
        if (millions != 0) out += ' ';
        appendGroup(out, thousands, thousand, word);
    }
    if (units != 0) {
        if (millions != 0 || thousands != 0) out += ' ';
        out += hundredsText(units, masculine, script);
    }
}

Script scriptOf(Writing writing) {
    return writing == Writing::unicode ? Script::unicode : Script::text;
}

bool inRange(std::uint32_t n) {
    return n >= 1 && n <= largestNumber;
}

} // namespace

void appendCopticWords(std::string& out, std::uint32_t number, Form form, Half half) {
    if (inRange(number)) appendWords(out, number, form, scriptOf(half));
}

void appendCopticWords(std::string& out, std::uint32_t number, Form form, Writing writing) {
    if (inRange(number)) appendWords(out, number, form, scriptOf(writing));
}

std::string toCopticWords(double number, Form form, Half half) {
    std::string out;
    if (const auto n = translatable(number)) {
        out.reserve(160);
        appendWords(out, *n, form, scriptOf(half));
    }
    return out;
}

std::string toCopticWords(double number, Form form, Writing writing) {
    std::string out;
    if (const auto n = translatable(number)) {
        out.reserve(writing == Writing::unicode ? 320 : 160);
        appendWords(out, *n, form, scriptOf(writing));
    }
    return out;
}

} // namespace zefnaro
