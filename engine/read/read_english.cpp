// Reading English number words.
#include "engine/numbers.h"
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
                w[normalised(englishWord(key, formOf(ordinal, true)))] = {key, ordinal};
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

// What follows the hundreds of the group being read.
enum class Tail { none, tens, unit }; // a unit: one to nineteen

// An English number taken in word by word: the scale groups done so far and the
// group being read.
struct EnglishNumber {
    std::uint64_t total = 0, group = 0;
    std::uint32_t lastScale = 0; // 0: no scale word yet
    bool hundreds = false;       // the group has its hundreds
    Tail tail = Tail::none;
    bool afterAnd = false;
    std::uint32_t previous = 0; // value of the previous word, 0 for "and"

    // False where the word cannot stand after the words before it.
    bool add(std::uint32_t value) {
        const bool fits = value < 100 ? addBelowHundred(value)
                          : value == 100 ? addHundred()
                                         : addScale(value);
        afterAnd = false;
        previous = value;
        return fits;
    }

    bool addBelowHundred(std::uint32_t value) {
        const bool unitAfterTens = value <= 9 && tail == Tail::tens && previous >= 20;
        if (tail != Tail::none && !unitAfterTens) return false;
        if (afterAnd && tail == Tail::none && group == 0 && lastScale == 0) return false;
        group += value;
        tail = (value >= 20 && value <= 90) ? Tail::tens : Tail::unit;
        return true;
    }

    bool addHundred() {
        if (hundreds || tail != Tail::unit || group > 9 || afterAnd) return false;
        group *= 100;
        hundreds = true;
        tail = Tail::none;
        return true;
    }

    bool addScale(std::uint32_t value) {
        if (group == 0 || (lastScale != 0 && value >= lastScale) || afterAnd) return false;
        total += group * value;
        group = 0;
        lastScale = value;
        hundreds = false;
        tail = Tail::none;
        return true;
    }
};

// The error for an "and", or nothing where it may stand.
std::optional<Attempt> misplacedAnd(const Token& t, std::uint32_t previous, bool last) {
    if (previous != 100 && previous != 1000 && previous != 1000000)
        return failed(because(ReadReason::andMisplaced, {}, t.position), t.position);
    if (last) return failed(because(ReadReason::endsOnAnd, {}, t.position), t.position);
    return std::nullopt;
}

} // namespace

Attempt readEnglish(const Chars& text, const Words& blankSeparated) {
    const Words words = hyphenated(blankSeparated);
    if (!words.empty() && !englishWords().count(words[0].text) && words[0].text != "and")
        return failed(unknown(words[0]), words[0].position, ReadErrorCode::unknownWord);
    EnglishNumber n;
    bool ordinal = false;
    for (std::size_t i = 0; i < words.size(); ++i) {
        const Token& t = words[i];
        const bool last = i + 1 == words.size();
        if (t.text == "and") {
            if (auto error = misplacedAnd(t, n.previous, last)) return *error;
            n.afterAnd = true;
            n.previous = 0;
            continue;
        }
        const auto found = englishWords().find(t.text);
        if (found == englishWords().end()) return failed(unknown(t), t.position, ReadErrorCode::unknownWord);
        const auto [value, isOrdinal] = found->second;
        if (isOrdinal && !last)
            return failed(because(ReadReason::mustBeLast, std::string(t.text), t.position), t.position);
        ordinal = isOrdinal;
        if (t.before == U'-' && !(n.previous >= 20 && n.previous <= 90 && value <= 9))
            return failed(because(ReadReason::hyphenMisplaced, {}, t.position - 1), t.position,
                          ReadErrorCode::misplaced, t.position - 1);
        if (!n.add(value))
            return failed(because(ReadReason::cannotStand, std::string(t.text), t.position), t.position);
    }
    const std::uint64_t total = n.total + n.group;
    if (words.empty() || total == 0) return failed(because(ReadReason::notANumber), 1, ReadErrorCode::unknownWord);
    Reading r;
    r.number = static_cast<std::uint32_t>(total);
    r.written = WrittenForm::english;
    r.form.kind = kindOf(ordinal);
    return Attempt{r, {}, text.size(), ReadErrorCode::none};
}

bool isEnglishWord(std::string_view word) {
    return englishWords().count(word) != 0 || word == "and";
}

} // namespace zefnaro::reading
