#include "cli/output.h"

#include <nlohmann/json.hpp>

#include <cerrno>
#include <unistd.h>

namespace zefnaro::cli {

void Output::flush() {
    std::size_t done = 0;
    while (done < buffer_.size()) {
        const ssize_t n = ::write(fd_, buffer_.data() + done, buffer_.size() - done);
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) break; // a closed output: nothing more can be said there
        done += static_cast<std::size_t>(n);
    }
    buffer_.clear();
}

namespace {

// The length of the well-formed UTF-8 sequence at text[i] (lead byte >= 0x80), as
// the Unicode standard defines it (no overlong forms, no surrogates, nothing above
// U+10FFFF); 0 when it is not one.
std::size_t sequenceLength(std::string_view text, std::size_t i) {
    const auto b = static_cast<unsigned char>(text[i]);
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
    if (i + len > text.size()) return 0;
    const auto second = static_cast<unsigned char>(text[i + 1]);
    if (second < low || second > high) return 0;
    for (std::size_t k = 2; k < len; ++k)
        if ((static_cast<unsigned char>(text[i + k]) & 0xC0) != 0x80) return 0;
    return len;
}

} // namespace

void appendJsonString(std::string& out, std::string_view text) {
    static constexpr char hex[] = "0123456789abcdef";
    const std::size_t start = out.size();
    out += '"';
    std::size_t plain = 0; // start of the run that needs no escaping
    for (std::size_t i = 0; i < text.size();) {
        const auto c = static_cast<unsigned char>(text[i]);
        if (c >= 0x20 && c < 0x80 && c != '"' && c != '\\') {
            ++i;
            continue;
        }
        if (c >= 0x80) {
            const std::size_t len = sequenceLength(text, i);
            if (len == 0) {
                // Rare: let the library decide exactly how invalid bytes are replaced.
                out.resize(start);
                out += nlohmann::json(std::string(text))
                           .dump(-1, ' ', false, nlohmann::json::error_handler_t::replace);
                return;
            }
            i += len;
            continue;
        }
        out.append(text.data() + plain, i - plain);
        plain = ++i;
        switch (c) {
        case '"':
            out += "\\\"";
            break;
        case '\\':
            out += "\\\\";
            break;
        case '\b':
            out += "\\b";
            break;
        case '\f':
            out += "\\f";
            break;
        case '\n':
            out += "\\n";
            break;
        case '\r':
            out += "\\r";
            break;
        case '\t':
            out += "\\t";
            break;
        default:
            out += "\\u00";
            out += hex[c >> 4];
            out += hex[c & 0xF];
        }
    }
    out.append(text.data() + plain, text.size() - plain);
    out += '"';
}

} // namespace zefnaro::cli
