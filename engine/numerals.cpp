// Coptic alphabetic numerals in both writings, built from the digits: one letter
// for each nonzero digit, with the place mark of its rank.
#include "engine/coptic.h"
#include "engine/numeral_letters.h"
#include "internal/buffer.h"

#include <array>
#include <cstdint>

namespace zefnaro {

namespace {

// The letters of every group of three digits at every rank, with their marks, in
// both writings, written once: a numeral is then at most three copies.
struct Groups {
    std::array<std::array<std::string, 1000>, 3> at; // [rank][group value]
    explicit Groups(const NumeralScript& s) {
        for (std::size_t rank = 0; rank < 3; ++rank)
            for (std::size_t n = 1; n < 1000; ++n)
                for (std::size_t place = 3; place-- > 0;) {
                    const std::size_t digit = n / (place == 2 ? 100 : place == 1 ? 10 : 1) % 10;
                    if (digit == 0) continue;
                    at[rank][n].append(s.before[rank]).append(s.letters[place][digit]).append(s.after[rank]);
                }
    }
};

// For a number already checked to be 1..999,999,999.
void writeNumerals(std::string& text, std::uint32_t number, Form form, Writing writing) {
    static const Groups fontText(fontTextNumerals), unicode(unicodeNumerals);
    const NumeralScript& s = numeralScript(writing);
    const Groups& groups = writing == Writing::unicode ? unicode : fontText;
    PieceBuffer out(text);
    if (form.ordinal()) out += s.prefix;
    if (number >= 1'000'000) out += groups.at[2][number / 1'000'000];
    if (number / 1000 % 1000 != 0) out += groups.at[1][number / 1000 % 1000];
    if (number % 1000 != 0) out += groups.at[0][number % 1000];
    if (form.feminine()) out += s.ending;
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
