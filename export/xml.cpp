#include "xml.h"

namespace zefnaro {

void appendEscaped(std::string& out, std::string_view text) {
    std::size_t plain = 0; // the start of the run that needs nothing
    for (std::size_t i = 0; i < text.size(); ++i) {
        std::string_view entity;
        switch (text[i]) {
        case '&': entity = "&amp;"; break;
        case '<': entity = "&lt;"; break;
        case '>': entity = "&gt;"; break;
        case '"': entity = "&quot;"; break;
        default: continue;
        }
        out.append(text, plain, i - plain).append(entity);
        plain = i + 1;
    }
    out.append(text, plain, std::string_view::npos);
}

std::string escaped(std::string_view text) {
    std::string out;
    appendEscaped(out, text);
    return out;
}

} // namespace zefnaro
