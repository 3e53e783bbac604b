// The words of a text as the readers of words see them.
#include "engine/read/read_support.h"

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
        p += utf8::encode(code, p);
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
    std::size_t bad = 0;
    Kinds kinds;
    const auto chars = decode(written, bad, kinds); // builder output: valid UTF-8
    return chars ? words(*chars).buffer : std::string();
}

ReadWhy unknown(const Token& t) {
    return because(ReadReason::unknownWord, std::string(t.text), t.position);
}

} // namespace zefnaro::reading
