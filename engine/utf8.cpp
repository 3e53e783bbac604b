#include "engine/utf8.h"

namespace zefnaro::utf8 {

std::size_t sequenceLength(std::string_view text, std::size_t at) {
    const auto b = static_cast<unsigned char>(text[at]);
    if (b < 0x80) return 1;
    std::size_t len = 0;
    unsigned char low = 0x80, high = 0xBF; // range of the second byte
    if (b >= 0xC2 && b <= 0xDF) {
        len = 2;
    } else if (b >= 0xE0 && b <= 0xEF) {
        len = 3;
        if (b == 0xE0) low = 0xA0;
        if (b == 0xED) high = 0x9F;
    } else if (b >= 0xF0 && b <= 0xF4) {
        len = 4;
        if (b == 0xF0) low = 0x90;
        if (b == 0xF4) high = 0x8F;
    } else {
        return 0;
    }
    if (at + len > text.size()) return 0;
    const auto second = static_cast<unsigned char>(text[at + 1]);
    if (second < low || second > high) return 0;
    for (std::size_t k = 2; k < len; ++k)
        if ((static_cast<unsigned char>(text[at + k]) & 0xC0) != 0x80) return 0;
    return len;
}

std::optional<Decoded> decodeAt(std::string_view text, std::size_t at) {
    const std::size_t len = sequenceLength(text, at);
    if (len == 0) return std::nullopt;
    const auto lead = static_cast<unsigned char>(text[at]);
    static constexpr unsigned char leadBits[] = {0, 0x7F, 0x1F, 0x0F, 0x07};
    char32_t code = lead & leadBits[len];
    for (std::size_t k = 1; k < len; ++k)
        code = (code << 6) | (static_cast<unsigned char>(text[at + k]) & 0x3Fu);
    return Decoded{code, len};
}

std::size_t encode(char32_t c, char* out) {
    if (c < 0x80) {
        out[0] = static_cast<char>(c);
        return 1;
    }
    if (c < 0x800) {
        out[0] = static_cast<char>(0xC0 | (c >> 6));
        out[1] = static_cast<char>(0x80 | (c & 0x3F));
        return 2;
    }
    if (c < 0x10000) {
        out[0] = static_cast<char>(0xE0 | (c >> 12));
        out[1] = static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        out[2] = static_cast<char>(0x80 | (c & 0x3F));
        return 3;
    }
    out[0] = static_cast<char>(0xF0 | (c >> 18));
    out[1] = static_cast<char>(0x80 | ((c >> 12) & 0x3F));
    out[2] = static_cast<char>(0x80 | ((c >> 6) & 0x3F));
    out[3] = static_cast<char>(0x80 | (c & 0x3F));
    return 4;
}

void append(std::string& out, char32_t code) {
    char bytes[4];
    out.append(bytes, encode(code, bytes));
}

std::string encoded(char32_t code) {
    std::string out;
    append(out, code);
    return out;
}

bool isCombiningMark(char32_t c) {
    return (c >= 0x0300 && c <= 0x036F) || (c >= 0x1AB0 && c <= 0x1AFF) ||
           (c >= 0x1DC0 && c <= 0x1DFF) || (c >= 0x20D0 && c <= 0x20FF) ||
           (c >= 0xFE20 && c <= 0xFE2F) || (c >= 0x2CEF && c <= 0x2CF1) ||
           (c >= 0x0610 && c <= 0x061A) || (c >= 0x064B && c <= 0x065F) || c == 0x0670 || // Arabic
           (c >= 0x06D6 && c <= 0x06DC) || (c >= 0x06DF && c <= 0x06E4) || c == 0x06E7 || c == 0x06E8 ||
           (c >= 0x06EA && c <= 0x06ED);
}

bool isBlankText(std::string_view text) {
    for (std::size_t i = 0; i < text.size();) {
        const std::optional<Decoded> d = decodeAt(text, i);
        if (!d || !isBlank(d->code)) return false;
        i += d->length;
    }
    return true;
}

bool hasCopticLetter(std::string_view text) {
    for (std::size_t i = 0; i < text.size();) {
        const std::optional<Decoded> d = decodeAt(text, i);
        if (d && isCopticLetter(d->code)) return true;
        i += d ? d->length : 1;
    }
    return false;
}

std::size_t codePoints(std::string_view text) {
    std::size_t count = 0;
    for (char c : text)
        if ((static_cast<unsigned char>(c) & 0xC0) != 0x80) ++count;
    return count;
}

std::size_t characters(std::string_view text) {
    std::size_t count = 0;
    for (std::size_t i = 0; i < text.size();) {
        const auto d = decodeAt(text, i);
        if (!d) {
            ++count;
            ++i;
            continue;
        }
        if (!isCombiningMark(d->code) || count == 0) ++count;
        i += d->length;
    }
    return count;
}

} // namespace zefnaro::utf8
