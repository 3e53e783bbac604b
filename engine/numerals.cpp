// Coptic alphabetic numerals in both writings, built from the digits: one letter
// for each nonzero digit, with the place mark of its rank.
#include "engine/coptic.h"
#include "engine/numeral_letters.h"

#include <array>
#include <cstdint>
#include <cstring>

namespace zefnaro {

namespace {

// Each letter with its rank's marks, as written, for both writings: one copy per
// letter when a numeral is written.
struct Piece {
    char bytes[12]; // at most a letter of three bytes and marks of four
    std::size_t size = 0;
};
struct Pieces {
    std::array<std::array<Piece, 10>, 9> at{}; // [place][digit]
    explicit Pieces(const NumeralScript& s) {
        for (std::size_t place = 0; place < 9; ++place)
            for (std::size_t digit = 1; digit < 10; ++digit) {
                Piece& p = at[place][digit];
                for (std::string_view part : {s.before[place / 3], s.letters[place % 3][digit], s.after[place / 3]})
                    for (const char c : part)
                        p.bytes[p.size++] = c;
            }
    }
};

// For a number already checked to be 1..999,999,999. Built on the stack (at
// most the prefix, nine pieces and the ending) and appended once.
void writeNumerals(std::string& out, std::uint32_t number, Form form, Writing writing) {
    static const Pieces fontText(fontTextNumerals), unicode(unicodeNumerals);
    const NumeralScript& s = numeralScript(writing);
    const Pieces& pieces = writing == Writing::unicode ? unicode : fontText;
    std::array<std::uint32_t, 9> digits{};
    std::size_t count = 0;
    for (std::uint32_t v = number; v > 0; v /= 10)
        digits[count++] = v % 10;
    char buffer[160];
    std::size_t length = 0;
    const auto put = [&](const char* bytes, std::size_t size) {
        std::memcpy(buffer + length, bytes, size);
        length += size;
    };
    if (form.ordinal()) put(s.prefix.data(), s.prefix.size());
    for (std::size_t place = count; place-- > 0;)
        if (digits[place] != 0) {
            const Piece& p = pieces.at[place][digits[place]];
            put(p.bytes, p.size);
        }
    if (form.feminine()) put(s.ending.data(), s.ending.size());
    out.append(buffer, length);
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
