// Coptic words in Unicode: the font text transcoded letter by letter.
#include "engine/coptic.h"

#include <array>
#include <cstdint>

namespace zefnaro {

namespace {

constexpr std::string_view combiningGrave = "\u0300";

// The Unicode letter each font-text character draws; "" for the rest.
constexpr std::array<std::string_view, 128> letterTable = [] {
    std::array<std::string_view, 128> t{};
    t['a'] = "ⲁ";
    t['b'] = "ⲃ";
    t['g'] = "ⲅ";
    t['d'] = "ⲇ";
    t['e'] = "ⲉ";
    t['z'] = "ⲍ";
    t['y'] = "ⲏ";
    t[';'] = "ⲑ";
    t['i'] = "ⲓ";
    t['k'] = "ⲕ";
    t['l'] = "ⲗ";
    t['m'] = "ⲙ";
    t['n'] = "ⲛ";
    t['x'] = "ⲝ";
    t['o'] = "ⲟ";
    t['p'] = "ⲡ";
    t['r'] = "ⲣ";
    t['c'] = "ⲥ";
    t['t'] = "ⲧ";
    t['u'] = "ⲩ";
    t['v'] = "ⲫ";
    t[','] = "ⲭ";
    t['\''] = "ⲯ";
    t['w'] = "ⲱ";
    t['s'] = "ϣ";
    t['f'] = "ϥ";
    t['q'] = "ϧ";
    t['h'] = "ϩ";
    t['j'] = "ϫ";
    t['['] = "ϭ";
    t[']'] = "ϯ";
    t['^'] = "ⲋ";
    // Capitals on the shifted keys, as the CS fonts draw them (month names have them).
    t['A'] = "Ⲁ";
    t['B'] = "Ⲃ";
    t['G'] = "Ⲅ";
    t['D'] = "Ⲇ";
    t['E'] = "Ⲉ";
    t['Z'] = "Ⲍ";
    t['Y'] = "Ⲏ";
    t[':'] = "Ⲑ";
    t['I'] = "Ⲓ";
    t['K'] = "Ⲕ";
    t['L'] = "Ⲗ";
    t['M'] = "Ⲙ";
    t['N'] = "Ⲛ";
    t['X'] = "Ⲝ";
    t['O'] = "Ⲟ";
    t['P'] = "Ⲡ";
    t['R'] = "Ⲣ";
    t['C'] = "Ⲥ";
    t['T'] = "Ⲧ";
    t['U'] = "Ⲩ";
    t['V'] = "Ⲫ";
    t['<'] = "Ⲭ";
    t['\"'] = "Ⲯ";
    t['W'] = "Ⲱ";
    t['S'] = "Ϣ";
    t['F'] = "Ϥ";
    t['Q'] = "Ϧ";
    t['H'] = "Ϩ";
    t['J'] = "Ϫ";
    t['{'] = "Ϭ";
    t['}'] = "Ϯ";
    return t;
}();

std::string_view letter(char c) {
    const auto u = static_cast<unsigned char>(c);
    return u < letterTable.size() ? letterTable[u] : std::string_view();
}

} // namespace

std::string fontTextToUnicode(std::string_view fontText) {
    std::string out;
    out.reserve(fontText.size() * 3);
    for (std::size_t i = 0; i < fontText.size(); ++i) {
        const char c = fontText[i];
        if (c == '`' && i + 1 < fontText.size() && !letter(fontText[i + 1]).empty()) {
            out += letter(fontText[++i]);
            out += combiningGrave;
        } else if (const std::string_view u = letter(c); !u.empty()) {
            out += u;
        } else {
            out += c;
        }
    }
    return out;
}

} // namespace zefnaro
