// The report for arbitrary entry text and settings: a message of two lines, or a
// report of 23 lines with every piece on its own line, none empty, and the plain
// text those lines and nothing else.
#include "export/text.h"
#include "report/report.h"

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <string>

using namespace zefnaro;

namespace {

void check(bool condition) {
    if (!condition) std::abort();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size < 2) return 0;
    DisplaySettings settings;
    settings.form = {data[0] & 1 ? Kind::ordinal : Kind::cardinal,
                     data[0] & 2 ? Gender::masculine : Gender::feminine};
    settings.fontSize = static_cast<std::int16_t>(8 + 2 * (data[1] % 25));
    const std::string entry(reinterpret_cast<const char*>(data + 2), size - 2);
    const Report r = composeReport(entry, settings);

    const std::string text = plainText(r);
    check(static_cast<std::size_t>(std::count(text.begin(), text.end(), '\n')) + 1 == r.lines.size());
    if (r.isMessage) {
        check(r.lines.size() == 2 && r.lines[1].piece == Piece::message);
        for (const Line& line : r.lines)
            check(line.style.pointSize == 16);
        return 0;
    }
    check(r.lines.size() == 23);
    for (Piece piece : {Piece::digits, Piece::english, Piece::coptic, Piece::pronunciation,
                        Piece::numerals})
        check(!r.text(piece).empty());
    for (const Line& line : r.lines)
        check(line.style.pointSize == settings.fontSize &&
              line.text.find('\n') == std::string::npos);
    return 0;
}
