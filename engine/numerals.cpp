// Coptic alphabetic numerals in both writings, built from the digits: one letter
// for each nonzero digit, with the place mark of its rank.
#include "engine/coptic.h"
#include "engine/numeral_letters.h"

#include <array>
#include <cstdint>

namespace zefnaro {

namespace {

// For a number already checked to be 1..999,999,999.
void writeNumerals(std::string& out, std::uint32_t number, Form form, Writing writing) {
    const NumeralScript& s = numeralScript(writing);
    std::array<std::size_t, 9> digits{};
    int count = 0;
    for (std::uint32_t v = number; v > 0; v /= 10)
        digits[static_cast<std::size_t>(count++)] = v % 10;
    // At most the prefix, 9 letters of 3 bytes with 4 bytes of marks and the
    // ending: built on the stack, copied out once.
    char buf[80];
    std::size_t len = 0;
    const auto put = [&](std::string_view piece) {
        for (char c : piece)
            buf[len++] = c;
    };
    if (form.ordinal) put(s.prefix);
    for (int place = count - 1; place >= 0; --place) {
        const std::size_t digit = digits[static_cast<std::size_t>(place)];
        if (digit == 0) continue;
        const auto rank = static_cast<std::size_t>(place / 3);
        put(s.before[rank]);
        put(s.letters[static_cast<std::size_t>(place % 3)][digit]);
        put(s.after[rank]);
    }
    if (!form.masculine) put(s.ending);
    out.append(buf, len);
}

} // namespace

std::vector<NumeralLetter> numeralLetters(std::uint32_t number, Writing writing) {
    std::vector<NumeralLetter> out;
    numeralLetters(out, number, writing);
    return out;
}

void numeralLetters(std::vector<NumeralLetter>& out, std::uint32_t number, Writing writing) {
    out.clear();
    if (number < 1 || number > largestNumber || writing == Writing::pronunciation) return;
    const NumeralScript& s = numeralScript(writing);
    std::array<std::uint32_t, 9> digits{};
    std::uint32_t count = 0;
    for (std::uint32_t v = number; v > 0; v /= 10)
        digits[count++] = v % 10;
    for (std::uint32_t place = count; place-- > 0;) {
        const std::uint32_t digit = digits[place];
        if (digit == 0) continue;
        out.push_back({s.before[place / 3], s.letters[place % 3][digit], s.after[place / 3], digit,
                       place});
    }
}

void appendCopticNumerals(std::string& out, std::uint32_t number, Form form, Writing writing) {
    if (number >= 1 && number <= largestNumber && writing != Writing::pronunciation)
        writeNumerals(out, number, form, writing);
}

std::string toCopticNumerals(std::uint32_t number, Form form, Writing writing) {
    std::string out;
    appendCopticNumerals(out, number, form, writing);
    return out;
}

} // namespace zefnaro
