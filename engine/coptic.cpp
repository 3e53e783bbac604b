#include "coptic.h"

#include "lexicon.h"

#include <array>
#include <cstdint>
#include <string_view>
#include <vector>

namespace zefnaro {

namespace {

constexpr long long hundred = 100;
constexpr long long thousand = 1000;
constexpr long long million = 1000000;

struct Words {
    bool masculine;
    Half half;

    std::string_view operator()(long long key, Ten ten = Ten::standalone) const {
        return lexicon::half(lexicon::copticEntry(key, ten == Ten::standalone, masculine),
                             half == Half::pronunciation);
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

// The words of every group value 0..999, built once: a number's words are then a
// few table lookups, which keeps a whole report well under a microsecond.
const std::string& hundredsText(long long n, bool masculine, Half half) {
    static const std::vector<std::string> table = [] {
        std::vector<std::string> t(4000);
        for (int form = 0; form < 4; ++form)
            for (long long k = 0; k < 1000; ++k)
                appendHundreds(t[static_cast<std::size_t>(form * 1000 + k)], k,
                               Words{(form & 1) != 0, (form & 2) != 0 ? Half::pronunciation : Half::text});
        return t;
    }();
    const int form = (masculine ? 1 : 0) + (half == Half::pronunciation ? 2 : 0);
    return table[static_cast<std::size_t>(form * 1000 + n)];
}

// A thousands or millions group: the bare group word for 1, otherwise the
// group's words, a space, and the particle glued to the group word.
void appendGroup(std::string& out, long long n, long long groupKey, const Words& word) {
    if (n == 1) {
        out += word(groupKey);
        return;
    }
    out += hundredsText(n, word.masculine, word.half);
    out += ' ';
    out += word(lexicon::particle);
    out += word(groupKey);
}

// Letters for the units, tens and hundreds place, indexed by digit.
constexpr std::array<std::string_view, 3> letters = {" abgde^zy:", " iklmn|opf", " rctuv<'ws"};
// "=" for units, "Ë" (U+00CB) for thousands, "Ì" (U+00CC) for millions.
constexpr std::array<std::string_view, 3> marks = {"=", "\xC3\x8B", "\xC3\x8C"};

} // namespace

std::string getCopticWord(double key, bool masculine, Half half, Ten ten) {
    const auto k = lexicon::wholeKey(key);
    if (!k || *k == 0) return "";
    return std::string(Words{masculine, half}(*k, ten));
}

std::string copticHundreds(double number, bool masculine, Half half) {
    const auto n = lexicon::wholeKey(number);
    if (!n || *n < 0 || *n > 999) return "";
    return hundredsText(*n, masculine, half);
}

std::string toCopticWords(double number, Form form, Half half) {
    const auto n = translatable(number);
    if (!n) return "";
    const bool masculine = form.masculine;
    const Words word{masculine, half};
    if (form.ordinal && *n == 1) return std::string(word(lexicon::first));

    std::string out;
    out.reserve(160);
    if (form.ordinal) {
        out += word(lexicon::ordinalPrefix);
        out += ' ';
    }
    const long long millions = *n / million;
    const long long thousands = *n / thousand % thousand;
    const long long units = *n % thousand;
    if (millions != 0) appendGroup(out, millions, million, word);
    if (thousands != 0) {
        if (millions != 0) out += ' ';
        appendGroup(out, thousands, thousand, word);
    }
    if (units != 0) {
        if (millions != 0 || thousands != 0) out += ' ';
        out += hundredsText(units, masculine, half);
    }
    return out;
}

std::string unicodeNumerals(std::uint32_t n, Form form); // unicode.cpp

std::string toCopticNumerals(double number, Form form, Writing writing) {
    const auto n = translatable(number);
    if (!n) return "";
    if (writing == Writing::unicode) return unicodeNumerals(*n, form);
    std::array<int, 9> digits{};
    int count = 0;
    for (std::uint32_t v = *n; v > 0; v /= 10)
        digits[static_cast<std::size_t>(count++)] = static_cast<int>(v % 10);

    // At most "mah " + 9 marks of 2 bytes + 9 letters + "]": built on the stack,
    // copied into the result once.
    char buf[40];
    std::size_t len = 0;
    const auto put = [&](std::string_view s) {
        for (char c : s)
            buf[len++] = c;
    };
    if (form.ordinal) put("mah ");
    for (int place = count - 1; place >= 0; --place) {
        const auto digit = static_cast<std::size_t>(digits[static_cast<std::size_t>(place)]);
        if (digit == 0) continue;
        put(marks[static_cast<std::size_t>(place / 3)]);
        buf[len++] = letters[static_cast<std::size_t>(place % 3)][digit];
    }
    if (!form.masculine) buf[len++] = ']';
    return std::string(buf, len);
}

} // namespace zefnaro
