#include "export/json.h"

#include "engine/utf8.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>
#include <cstdio>

namespace zefnaro::json {

namespace {

// How many bytes at text[at] begin a sequence that cannot be completed: the lead
// byte and the continuation bytes that still fit it (Unicode's "maximal subpart",
// which is what a byte-by-byte decoder rejects at once), at least one.
std::size_t invalidPart(std::string_view text, std::size_t at) {
    const auto byte = [&](std::size_t i) { return static_cast<unsigned char>(text[i]); };
    const unsigned char lead = byte(at);
    std::size_t needed = 0;
    unsigned char low = 0x80, high = 0xBF; // the second byte's range
    if (lead >= 0xC2 && lead <= 0xDF) {
        needed = 1;
    } else if (lead >= 0xE0 && lead <= 0xEF) {
        needed = 2;
        if (lead == 0xE0) low = 0xA0;  // no overlong forms
        if (lead == 0xED) high = 0x9F; // no surrogates
    } else if (lead >= 0xF0 && lead <= 0xF4) {
        needed = 3;
        if (lead == 0xF0) low = 0x90;
        if (lead == 0xF4) high = 0x8F; // nothing above U+10FFFF
    }
    std::size_t length = 1;
    for (; length <= needed && at + length < text.size(); ++length) {
        const unsigned char c = byte(at + length);
        if (c < (length == 1 ? low : 0x80) || c > (length == 1 ? high : 0xBF)) break;
    }
    return length;
}

} // namespace

// Which bytes a JSON string carries as they are: printable ASCII but the quote
// and the backslash. A report's page is mostly such runs, between quotes and
// line ends.
constexpr auto plainBytes = [] {
    std::array<bool, 256> plain{};
    for (int c = 0x20; c < 0x80; ++c) plain[static_cast<std::size_t>(c)] = c != '"' && c != '\\';
    return plain;
}();

void appendString(std::string& out, std::string_view text) {
    static constexpr char hex[] = "0123456789abcdef";
    // Room for the usual case (a few escapes) at once, growing as a string
    // grows, rather than at each small piece.
    const std::size_t room = out.size() + text.size() + text.size() / 8 + 2;
    if (out.capacity() < room) out.reserve(std::max(room, 2 * out.capacity()));
    out += '"';
    std::size_t plain = 0; // start of the run that needs no escaping
    for (std::size_t i = 0; i < text.size();) {
        const auto c = static_cast<unsigned char>(text[i]);
        if (plainBytes[c]) {
            ++i;
            continue;
        }
        if (c >= 0x80) {
            // Two-byte characters (Coptic, Arabic) checked here; the rest by the decoder.
            if (c >= 0xC2 && c <= 0xDF && i + 1 < text.size() &&
                (static_cast<unsigned char>(text[i + 1]) & 0xC0) == 0x80) {
                i += 2;
                continue;
            }
            const std::size_t len = utf8::sequenceLength(text, i);
            if (len > 0) {
                i += len;
                continue;
            }
            // Each part that cannot be a character becomes one U+FFFD.
            out.append(text.data() + plain, i - plain);
            out.append("\xEF\xBF\xBD", 3);
            i += invalidPart(text, i);
            plain = i;
            continue;
        }
        out.append(text.data() + plain, i - plain);
        plain = ++i;
        const char escaped[] = {'\\', c == '"' ? '"' : c == '\\' ? '\\' : c == '\b' ? 'b' : c == '\f' ? 'f'
                                      : c == '\n' ? 'n' : c == '\r' ? 'r' : c == '\t' ? 't' : 'u'};
        out.append(escaped, 2);
        if (escaped[1] == 'u') {
            const char code[] = {'0', '0', hex[c >> 4], hex[c & 0xF]};
            out.append(code, 4);
        }
    }
    out.append(text.data() + plain, text.size() - plain);
    out += '"';
}

Object& Object::number(std::string_view name, std::int64_t value) {
    key(name);
    char digits[24];
    out_.append(digits, std::to_chars(digits, digits + sizeof digits, value).ptr);
    return *this;
}

Object& Object::real(std::string_view name, double value) {
    key(name);
    if (!std::isfinite(value)) {
        out_ += "null";
        return *this;
    }
    char digits[32];
    const int length = std::snprintf(digits, sizeof digits, "%.10g", value);
    out_.append(digits, static_cast<std::size_t>(length));
    return *this;
}

} // namespace zefnaro::json
