#include "cli/output.h"

#include "engine/utf8.h"

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
            const std::size_t len = utf8::sequenceLength(text, i);
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

void reject(std::string_view input, std::string_view why, bool json, Output& out, Output& errors) {
    if (json) {
        std::string& line = out.buffer();
        line += "{\"input\":";
        appendJsonString(line, input);
        line += ",\"error\":";
        appendJsonString(line, why);
        line += "}\n";
        out.flushIfFull();
        return;
    }
    out.flush();
    std::string& message = errors.buffer();
    message += "zefnaro-cli: ";
    appendJsonString(message, input);
    message += ": ";
    message += why;
    message += '\n';
    errors.flush();
}

} // namespace zefnaro::cli
