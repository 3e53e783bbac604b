// Coptic in Unicode: the font text transcoded, and the numerals built from values.
#include "engine/coptic.h"

#include <array>
#include <cstdint>

namespace zefnaro {

namespace {

constexpr std::string_view combiningGrave = "\u0300";
constexpr std::string_view overline = "\u0305";       // units rank
constexpr std::string_view doubleOverline = "\u033F"; // thousands rank

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
    return t;
}();

std::string_view letter(char c) {
    const auto u = static_cast<unsigned char>(c);
    return u < letterTable.size() ? letterTable[u] : std::string_view();
}

// Letters for the units, tens and hundreds place, indexed by digit 1..9.
constexpr std::array<std::array<std::string_view, 10>, 3> numeralLetters{{
    {"", "ⲁ", "ⲃ", "ⲅ", "ⲇ", "ⲉ", "ⲋ", "ⲍ", "ⲏ", "ⲑ"},
    {"", "ⲓ", "ⲕ", "ⲗ", "ⲙ", "ⲛ", "ⲝ", "ⲟ", "ⲡ", "ϥ"},
    {"", "ⲣ", "ⲥ", "ⲧ", "ⲩ", "ⲫ", "ⲭ", "ⲯ", "ⲱ", "ϣ"},
}};

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

void appendUnicodeNumerals(std::string& out, std::uint32_t n, Form form) {
    std::array<int, 9> digits{};
    int count = 0;
    for (std::uint32_t v = n; v > 0; v /= 10)
        digits[static_cast<std::size_t>(count++)] = static_cast<int>(v % 10);
    // At most "ⲙⲁϩ " (7 bytes), 9 letters of 3 bytes with up to 4 bytes of marks,
    // and "ϯ": built on the stack, copied out once.
    char buf[72];
    std::size_t len = 0;
    const auto put = [&](std::string_view s) {
        for (char c : s)
            buf[len++] = c;
    };
    if (form.ordinal) put("ⲙⲁϩ ");
    for (int place = count - 1; place >= 0; --place) {
        const auto digit = static_cast<std::size_t>(digits[static_cast<std::size_t>(place)]);
        if (digit == 0) continue;
        put(numeralLetters[static_cast<std::size_t>(place % 3)][digit]);
        if (place >= 3) put(doubleOverline);
        if (place < 3 || place >= 6) put(overline);
    }
    if (!form.masculine) put("ϯ");
    out.append(buf, len);
}

} // namespace zefnaro
