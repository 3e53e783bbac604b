// Reading English number words.
#include "engine/english.h"
#include "engine/internal/words.h"
#include "engine/read/read_support.h"

#include <cstdint>

namespace zefnaro::reading {

namespace {

struct EnglishWord {
    std::uint32_t value;
    bool ordinal;
};

const Map<EnglishWord>& englishWords() {
    static const auto list = [] {
        Map<EnglishWord> w;
        for (std::uint32_t key :
             {1u,  2u,  3u,  4u,  5u,  6u,  7u,  8u,  9u,  10u, 11u, 12u, 13u,  14u,   15u,
              16u, 17u, 18u, 19u, 20u, 30u, 40u, 50u, 60u, 70u, 80u, 90u, 100u, 1000u, 1000000u})
            for (bool ordinal : {false, true})
                w[normalised(getEnglishWord(key, Form{ordinal, true}))] = {key, ordinal};
        return w;
    }();
    return list;
}

// The words again, with a hyphen between words as a separator too.
Words hyphenated(const Words& blankSeparated) {
    Words out;
    for (const Token& t : blankSeparated.tokens) {
        std::size_t from = 0, position = t.position;
        char32_t before = t.before;
        for (std::size_t i = 0; i <= t.text.size(); ++i) {
            if (i < t.text.size() && t.text[i] != '-') continue;
            if (i > from) out.tokens.push_back({t.text.substr(from, i - from), position, before});
            position += utf8::characters(t.text.substr(from, i + 1 - from));
            from = i + 1;
            before = U'-';
        }
    }
    return out;
}

} // namespace

Attempt readEnglish(const Chars& text, const Words& blankSeparated) {
    const Words words = hyphenated(blankSeparated);
    if (!words.empty() && !englishWords().count(words[0].text) && words[0].text != "and")
        return failed(unknown(words[0]), words[0].position);
    std::uint64_t total = 0, group = 0;
    std::uint32_t lastScale = 0; // 0: no scale word yet
    bool hundreds = false;       // the group has its hundreds
    int tail = 0;                // 0 nothing after the hundreds, 1 tens, 2 teen or unit
    bool ordinal = false, afterAnd = false;
    std::uint32_t previous = 0; // value of the previous word, 0 for "and"
    for (std::size_t i = 0; i < words.size(); ++i) {
        const Token& t = words[i];
        const bool last = i + 1 == words.size();
        if (t.text == "and") {
            if (previous != 100 && previous != 1000 && previous != 1000000)
                return failed(joined({"\"and\"", at(t.position),
                                      " belongs after hundred, thousand or million"}),
                              t.position);
            if (last)
                return failed(joined({"the number ends on \"and\"", at(t.position)}), t.position);
            afterAnd = true;
            previous = 0;
            continue;
        }
        const auto found = englishWords().find(t.text);
        if (found == englishWords().end()) return failed(unknown(t), t.position);
        const auto [value, isOrdinal] = found->second;
        if (isOrdinal && !last)
            return failed(joined({quoted(t.text), at(t.position), " must be the last word"}),
                          t.position);
        ordinal = isOrdinal;
        if (t.before == U'-' && !(previous >= 20 && previous <= 90 && value <= 9))
            return failed(
                joined({"a hyphen", at(t.position - 1), " belongs between tens and units"}),
                t.position);
        const auto misplaced = [&] {
            return failed(joined({quoted(t.text), at(t.position), " cannot stand here"}),
                          t.position);
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

bool isEnglishWord(std::string_view word) {
    return englishWords().count(word) != 0 || word == "and";
}

} // namespace zefnaro::reading
