// The words of a text as the readers of words see them.
#include "engine/read_support.h"

#include <algorithm>

namespace zefnaro::reading {

Words words(const Chars& text) {
    Words out;
    // Written through a pointer into room made first (at most four bytes a
    // character, one blank between words), then cut to size; always on the heap,
    // so that the views survive the move out of here.
    out.buffer.resize(std::max<std::size_t>(64, text.size() * 5));
    char* const begin = out.buffer.data();
    char* p = begin;
    struct Span {
        std::size_t from, position;
    };
    std::vector<Span> spans;
    spans.reserve(24);
    bool startNew = true;
    for (const Char& c : text) {
        if (isBlank(c.code)) {
            startNew = true;
            continue;
        }
        if (c.code == U'`' || c.code == 0x0300) continue;
        if (startNew) {
            if (!spans.empty()) *p++ = ' ';
            spans.push_back({static_cast<std::size_t>(p - begin), c.position});
            startNew = false;
        }
        const char32_t code = c.code < 0x80
                                  ? (c.code >= U'A' && c.code <= U'Z' ? c.code + 32 : c.code)
                                  : copticLower(c.code);
        if (code < 0x80) {
            *p++ = static_cast<char>(code);
        } else if (code < 0x800) {
            *p++ = static_cast<char>(0xC0 | (code >> 6));
            *p++ = static_cast<char>(0x80 | (code & 0x3F));
        } else if (code < 0x10000) {
            *p++ = static_cast<char>(0xE0 | (code >> 12));
            *p++ = static_cast<char>(0x80 | ((code >> 6) & 0x3F));
            *p++ = static_cast<char>(0x80 | (code & 0x3F));
        } else {
            *p++ = static_cast<char>(0xF0 | (code >> 18));
            *p++ = static_cast<char>(0x80 | ((code >> 12) & 0x3F));
            *p++ = static_cast<char>(0x80 | ((code >> 6) & 0x3F));
            *p++ = static_cast<char>(0x80 | (code & 0x3F));
        }
    }
    out.buffer.resize(static_cast<std::size_t>(p - begin));
    out.tokens.reserve(spans.size());
    for (std::size_t i = 0; i < spans.size(); ++i) {
        const std::size_t end = i + 1 < spans.size() ? spans[i + 1].from - 1 : out.buffer.size();
        out.tokens.push_back(
            {std::string_view(out.buffer).substr(spans[i].from, end - spans[i].from),
             spans[i].position, U' '});
    }
    return out;
}

std::string normalised(std::string_view written) {
    Chars chars;
    std::size_t i = 0;
    for (char byte : written) { // builder output: valid UTF-8
        const auto b = static_cast<unsigned char>(byte);
        if ((b & 0xC0) == 0x80) {
            chars.back().code = (chars.back().code << 6) | (b & 0x3Fu);
            continue;
        }
        const char32_t lead = b < 0x80   ? b
                              : b < 0xE0 ? (b & 0x1Fu)
                              : b < 0xF0 ? (b & 0x0Fu)
                                         : (b & 0x07u);
        chars.push_back({lead, ++i});
    }
    return words(chars).buffer;
}

std::string unknown(const Token& t) {
    return joined({"not a number: \"", t.text, "\"", at(t.position), " is no word of a number"});
}

std::string quoted(std::string_view word) {
    return joined({"\"", word, "\""});
}

} // namespace zefnaro::reading
