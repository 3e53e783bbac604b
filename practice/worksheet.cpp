#include "worksheet.h"

#include "engine/numbers.h"

#include <algorithm>

namespace zefnaro {

namespace {

std::string_view modeTitle(Ask ask) {
    switch (ask) {
    case Ask::numerals: return "Read Coptic numerals";
    case Ask::coptic: return "Read Coptic words";
    case Ask::pronunciation: return "Read the pronunciation of Coptic words";
    case Ask::writeNumerals: return "Write Coptic numerals";
    case Ask::writeCoptic: return "Write Coptic words";
    }
    return {};
}

void appendEscaped(std::string& out, std::string_view text) {
    for (const char c : text) {
        switch (c) {
        case '&': out += "&amp;"; break;
        case '<': out += "&lt;"; break;
        case '>': out += "&gt;"; break;
        case '"': out += "&quot;"; break;
        default: out += c;
        }
    }
}

// A question's or answer's text, in the Coptic font where it is Coptic.
void appendShown(std::string& out, std::string_view text, bool coptic, std::string_view family) {
    if (coptic) {
        out += "<span style=\"font-family: '";
        appendEscaped(out, family);
        out += "'\">";
    }
    appendEscaped(out, text);
    if (coptic) out += "</span>";
}

} // namespace

Worksheet makeWorksheet(const PracticeOptions& options, int count, std::uint64_t seed) {
    Worksheet sheet;
    sheet.title = std::string(modeTitle(options.ask)) + ": numbers from 1 to " +
                  groupDigits(std::clamp<std::uint32_t>(options.upTo, 1, largestNumber));
    sheet.instruction = instruction(options.ask);
    QuestionMaker maker(options, seed);
    for (int i = 0; i < std::clamp(count, 1, 200); ++i)
        sheet.questions.push_back(maker.next());
    return sheet;
}

std::string worksheetHtml(const Worksheet& sheet, std::string_view copticFamily) {
    const bool writing = !sheet.questions.empty() && asksToWrite(sheet.questions.front().ask);
    // The pronunciation is Latin letters: only Coptic letters take the Coptic font.
    const bool copticQuestions =
        !sheet.questions.empty() && !writing && sheet.questions.front().ask != Ask::pronunciation;
    std::string out = "<html><body style=\"font-family: Arial; font-size: 12pt\"><h2>";
    appendEscaped(out, sheet.title);
    out += "</h2><p>";
    appendEscaped(out, sheet.instruction);
    out += "</p><p>Name: ____________________ Date: __________</p>"
           "<table cellpadding=\"6\" width=\"100%\">";
    int n = 0;
    for (const Question& q : sheet.questions) {
        out += "<tr><td width=\"8%\">" + std::to_string(++n) + ".</td><td style=\"font-size: 16pt\">";
        appendShown(out, q.text, copticQuestions, copticFamily);
        out += "</td><td width=\"45%\">____________________</td></tr>";
    }
    out += "</table><h2 style=\"page-break-before: always\">Answers</h2><p>";
    appendEscaped(out, sheet.title);
    out += "</p><table cellpadding=\"4\">";
    n = 0;
    for (const Question& q : sheet.questions) {
        out += "<tr><td>" + std::to_string(++n) + ".</td><td>";
        appendShown(out, q.text, copticQuestions, copticFamily);
        out += "</td><td>";
        appendShown(out, q.answer, writing, copticFamily);
        out += "</td></tr>";
    }
    out += "</table></body></html>";
    return out;
}

} // namespace zefnaro
