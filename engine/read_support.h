// Shared by the readers of the written forms: the text as characters with their
// positions, and the shape of a reader's answer.
#pragma once

#include "engine/reader.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace zefnaro::reading {

// One character of the input and its 1-based position in the whole text.
struct Char {
    char32_t code;
    std::size_t position;
};
using Chars = std::vector<Char>;

// What a form's reader made of a text: a reading, or an error and how far the
// text went before it (to report the most telling error when no form fits).
struct Attempt {
    std::optional<Reading> reading;
    std::string error;
    std::size_t progress = 0;
};

inline Attempt failed(std::string error, std::size_t progress) {
    return Attempt{std::nullopt, std::move(error), progress};
}

inline std::string at(std::size_t position) {
    return " at character " + std::to_string(position);
}

inline void appendUtf8(std::string& out, char32_t c) {
    char b[4];
    std::size_t n = 0;
    if (c < 0x80) {
        b[n++] = static_cast<char>(c);
    } else if (c < 0x800) {
        b[n++] = static_cast<char>(0xC0 | (c >> 6));
        b[n++] = static_cast<char>(0x80 | (c & 0x3F));
    } else if (c < 0x10000) {
        b[n++] = static_cast<char>(0xE0 | (c >> 12));
        b[n++] = static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        b[n++] = static_cast<char>(0x80 | (c & 0x3F));
    } else {
        b[n++] = static_cast<char>(0xF0 | (c >> 18));
        b[n++] = static_cast<char>(0x80 | ((c >> 12) & 0x3F));
        b[n++] = static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        b[n++] = static_cast<char>(0x80 | (c & 0x3F));
    }
    out.append(b, n);
}

inline std::string toUtf8(char32_t code) {
    std::string out;
    appendUtf8(out, code);
    return out;
}

std::string toUtf8(const Chars& chars, std::size_t from, std::size_t to);

inline bool isBlank(char32_t c) {
    return c == U' ' || c == U'\t' || c == U'\r' || c == U'\n' || c == U'\v' || c == U'\f' ||
           c == 0xA0;
}

// The Coptic block's letters and the Coptic letters of Greek and Coptic.
inline bool isCopticLetter(char32_t c) {
    return (c >= 0x2C80 && c <= 0x2CE3) || (c >= 0x03E2 && c <= 0x03EF);
}

// Capitals stand at the even code points, each small letter right after.
inline char32_t copticLower(char32_t c) {
    return isCopticLetter(c) && c % 2 == 0 ? c + 1 : c;
}

inline constexpr std::string_view expected =
    "expected a whole number from 1 to 999,999,999, in digits, in words or in Coptic numerals";

Attempt readDigits(const Chars& text);
// Words in Latin letters: English, Coptic font text or its pronunciation.
Attempt readLatinWords(const Chars& text);
// Coptic words in Unicode.
Attempt readUnicodeWords(const Chars& text);
Attempt readFontNumerals(const Chars& text);
Attempt readUnicodeNumerals(const Chars& text);

} // namespace zefnaro::reading
