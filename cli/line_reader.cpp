#include "line_reader.h"

namespace zefnaro::cli {

bool LineReader::next(std::string& line) {
    line.clear();
    bool any = false;
    for (int c = std::getc(in_); c != EOF; c = std::getc(in_)) {
        any = true;
        if (c == '\n') break;
        if (line.size() < maxKept) line.push_back(static_cast<char>(c));
    }
    if (!line.empty() && line.back() == '\r') line.pop_back();
    return any;
}

} // namespace zefnaro::cli
