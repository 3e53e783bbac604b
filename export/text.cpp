#include "export/text.h"

#include "report/date_lines.h"
#include "report/number_lines.h"

namespace zefnaro {

void appendPlainText(std::string& out, const Report& report) {
    for (std::size_t i = 0; i < report.lines.size(); ++i) {
        if (i > 0) out += '\n';
        out += report.lines[i].text;
    }
}

std::string plainText(const Report& report) {
    std::string out;
    out.reserve(400);
    appendPlainText(out, report);
    return out;
}

void appendPlainReport(std::string& out, std::uint32_t number, Form form, Writing writing,
                       Language language) {
    if (number < 1 || number > largestNumber) return;
    // Each line with text between blank ones: "\n" before the first, "\n\n" between.
    out += '\n';
    eachNumberLine(number, form, writing, ",", language, [&](Piece, auto write) {
        write(out);
        out.append("\n\n", 2);
    });
    out.pop_back(); // one blank line after the last
}

void appendPlainDateReport(std::string& out, CopticDate date, Writing writing, Language language) {
    const GregorianDateResult gregorian = toGregorianDate(date);
    if (!gregorian.ok()) return;
    bool first = true;
    eachDateLine(date, gregorian.date, writing, language, [&](Piece, auto write) {
        if (!first) out += '\n';
        first = false;
        write(out);
    });
}

} // namespace zefnaro
