#include "coptic.h"

#include "internal/buffer.h"
#include "internal/lexicon.h"
#include "internal/words.h"

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

// The font text and the pronunciation are the two halves of a lexicon entry;
// Unicode is the font text transcoded.
std::string_view lexiconWord(long long key, bool standaloneTen, bool masculine, Writing writing) {
    return lexicon::half(lexicon::copticEntry(key, standaloneTen, masculine),
                         writing == Writing::pronunciation);
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
                    lexiconWord(k, (variant & 1) != 0, (variant & 2) != 0, Writing::fontText)));
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
    Writing writing;

    std::string_view operator()(long long key, Ten ten = Ten::standalone) const {
        const bool standalone = ten == Ten::standalone;
        return writing == Writing::unicode ? unicodeWord(key, standalone, masculine)
                                           : lexiconWord(key, standalone, masculine, writing);
    }
};

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

// The words of every group value 0..999 in each gender and writing, built once: a
// number's words are then a few table lookups, which keeps a whole report well
// under a microsecond.
const std::string& hundredsText(long long n, bool masculine, Writing writing) {
    static const std::vector<std::string> table = [] {
        std::vector<std::string> t(6000);
        for (int form = 0; form < 6; ++form)
            for (long long k = 0; k < 1000; ++k)
                appendHundreds(t[static_cast<std::size_t>(form * 1000 + k)], k,
                               Words{form % 2 != 0, static_cast<Writing>(form / 2)});
        return t;
    }();
    const int form = (masculine ? 1 : 0) + 2 * static_cast<int>(writing);
    return table[static_cast<std::size_t>(form * 1000 + n)];
}

// A thousands or millions group: the bare group word for 1, otherwise the
// group's words, a space, and the particle glued to the group word.
void writeGroup(std::string& out, long long n, long long groupKey, const Words& word) {
    if (n == 1) {
        out += word(groupKey);
        return;
    }
    out += hundredsText(n, word.masculine, word.writing);
    out += ' ';
    out += word(lexicon::particle);
    out += word(groupKey);
}

// Every thousands and millions group in each gender and writing, written once:
// a number's words are then three copies.
void appendGroup(PieceBuffer& out, long long n, long long groupKey, const Words& word) {
    static const std::vector<std::string> table = [] {
        std::vector<std::string> t(12000);
        for (int form = 0; form < 6; ++form)
            for (int group = 0; group < 2; ++group)
                for (long long k = 1; k < 1000; ++k)
                    writeGroup(t[static_cast<std::size_t>((form * 2 + group) * 1000 + k)], k,
                               group == 0 ? thousand : million,
                               Words{form % 2 != 0, static_cast<Writing>(form / 2)});
        return t;
    }();
    const int form = (word.masculine ? 1 : 0) + 2 * static_cast<int>(word.writing);
    const int group = groupKey == thousand ? 0 : 1;
    out += table[static_cast<std::size_t>((form * 2 + group) * 1000 + n)];
}

} // namespace

std::string copticWord(long long key, bool masculine, Writing writing, Ten ten) {
    if (key == 0) return "";
    return std::string(Words{masculine, writing}(key, ten));
}

std::string copticHundreds(std::uint32_t number, bool masculine, Writing writing) {
    if (number > 999) return "";
    return hundredsText(number, masculine, writing);
}

namespace {

void appendWords(std::string& text, std::uint32_t n, Form form, Writing writing) {
    PieceBuffer out(text);
    const bool masculine = form.masculine();
    const Words word{masculine, writing};
    if (form.ordinal() && n == 1) {
        out += word(lexicon::first);
        return;
    }
    if (form.ordinal()) {
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
        out += hundredsText(units, masculine, writing);
    }
}

bool inRange(std::uint32_t n) {
    return n >= 1 && n <= largestNumber;
}

} // namespace

void appendCopticWords(std::string& out, std::uint32_t number, Form form, Writing writing) {
    if (inRange(number)) appendWords(out, number, form, writing);
}

std::string toCopticWords(std::uint32_t number, Form form, Writing writing) {
    std::string out;
    if (inRange(number)) {
        out.reserve(writing == Writing::unicode ? 320 : 160);
        appendWords(out, number, form, writing);
    }
    return out;
}

} // namespace zefnaro
