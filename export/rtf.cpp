#include "rtf.h"

#include "export/looks.h"
#include "engine/utf8.h"

#include <algorithm>
#include <cstdint>

namespace zefnaro {

namespace {

void appendUnit(std::string& out, char32_t u) {
    static constexpr char digits[] = "0123456789abcdef";
    if (u == U'\\' || u == U'{' || u == U'}') {
        out += '\\';
        out += static_cast<char>(u);
    } else if (u < 0x80) {
        out += static_cast<char>(u);
    } else if (u < 0x100) {
        out.append("\\'").append(1, digits[u >> 4]).append(1, digits[u & 15]);
    } else {
        out += "\\u" + std::to_string(static_cast<std::int16_t>(static_cast<std::uint16_t>(u))) + "?";
    }
}

std::string rtfText(std::string_view text) {
    std::string out;
    for (std::size_t i = 0; i < text.size();) {
        const auto d = utf8::decodeAt(text, i);
        const char32_t c = d ? d->code : 0xFFFD;
        i += d ? d->length : 1;
        if (c >= 0x10000) { // RTF counts in UTF-16
            appendUnit(out, 0xD800 + ((c - 0x10000) >> 10));
            appendUnit(out, 0xDC00 + ((c - 0x10000) & 0x3FF));
        } else {
            appendUnit(out, c);
        }
    }
    return out;
}

template <class T> std::size_t indexIn(std::vector<T>& list, const T& item) {
    const auto at = std::find(list.begin(), list.end(), item);
    if (at != list.end()) return static_cast<std::size_t>(at - list.begin());
    list.push_back(item);
    return list.size() - 1;
}

} // namespace

std::string reportRtf(const Report& report) {
    const Looks l = looksOf(report);
    std::vector<std::string> fonts;
    std::vector<Rgb> colours;
    std::string body;
    for (std::size_t i = 0; i < l.paragraphs.size(); ++i) {
        const Paragraph& p = l.paragraphs[i];
        body += "\\pard\\qc";
        if (!runsLeftToRight(report, p.line->piece)) body += "\\rtlpar";
        if (!p.line->text.empty()) {
            const Look& s = l.looks[static_cast<std::size_t>(p.look)];
            body += "{\\f" + std::to_string(indexIn(fonts, s.families.front())) + "\\fs" +
                    std::to_string(std::max(s.points, 1) * 2) + "\\cf" +
                    std::to_string(indexIn(colours, s.colour) + 1) + (s.bold ? "\\b" : "") +
                    (s.italic ? "\\i" : "") + " " + rtfText(p.line->text) + "}";
        }
        if (i + 1 < l.paragraphs.size()) body += "\\par\n";
    }
    std::string header = "{\\rtf1\\ansi\\ansicpg1252\\deff0{\\fonttbl";
    for (std::size_t i = 0; i < fonts.size(); ++i)
        header += "{\\f" + std::to_string(i) + "\\fnil " + rtfText(fonts[i]) + ";}";
    header += "}{\\colortbl;";
    for (const Rgb& c : colours)
        header += "\\red" + std::to_string(c.red) + "\\green" + std::to_string(c.green) +
                  "\\blue" + std::to_string(c.blue) + ";";
    return header + "}\n" + body + "}";
}

} // namespace zefnaro
