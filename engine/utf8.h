// UTF-8 for the whole project: well-formed sequences as the Unicode standard
// defines them (no overlong forms, no surrogates, nothing above U+10FFFF),
// encoding, and characters counted as people count them.
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

namespace zefnaro::utf8 {

// The length of the well-formed sequence that starts at text[at]; 0 when there is
// none (a stray, overlong or cut-short sequence, a surrogate, above U+10FFFF).
std::size_t sequenceLength(std::string_view text, std::size_t at);

struct Decoded {
    char32_t code;
    std::size_t length;
};

// The code point at text[at] and its length in bytes; nullopt when ill-formed.
std::optional<Decoded> decodeAt(std::string_view text, std::size_t at);

// Writes one code point at `out` (room for four bytes); returns the bytes written.
std::size_t encode(char32_t code, char* out);
void append(std::string& out, char32_t code);
std::string encoded(char32_t code);

// Marks that belong to the character before them: Unicode's combining blocks and
// the Coptic combining marks.
bool isCombiningMark(char32_t code);

// What stands between words: blanks, tabs, line ends and the no-break space.
constexpr bool isBlank(char32_t c) {
    return c == U' ' || c == U'\t' || c == U'\r' || c == U'\n' || c == U'\v' || c == U'\f' ||
           c == 0xA0;
}
// Text that holds nothing else (ill-formed bytes are something).
bool isBlankText(std::string_view text);

// The Coptic block's letters and the Coptic letters of Greek and Coptic (its
// symbols, marks and punctuation are not letters).
constexpr bool isCopticLetter(char32_t c) {
    return (c >= 0x2C80 && c <= 0x2CE3) || (c >= 0x03E2 && c <= 0x03EF);
}
bool hasCopticLetter(std::string_view text);

// Code points in well-formed text (continuation bytes are not counted).
std::size_t codePoints(std::string_view text);

// Characters as people count them in well-formed text: a letter with its marks is
// one. Ill-formed bytes count one each.
std::size_t characters(std::string_view text);

} // namespace zefnaro::utf8
