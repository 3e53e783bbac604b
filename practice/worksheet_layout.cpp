#include "practice/worksheet_layout.h"

#include <algorithm>

namespace zefnaro {

SheetLook sheetLook(SheetPart part, double points, Ask ask) {
    const bool writing = asksToWrite(ask);
    const bool copticQuestions = ask == Ask::numerals || ask == Ask::coptic;
    const double size = std::clamp(points, 8.0, 48.0);
    if (part == SheetPart::questions)
        // Room to write: handwriting is wider than type, so the longest answer half
        // as wide again, and never less than 30 mm.
        return {size, 0.8, copticQuestions, writing, false, 1.5, 30, 2.0, 3.0, true};
    return {std::max(10.0, size * 0.75), 0.9, copticQuestions, writing, !writing, 1.0, 0, 1.5, 2.4, false};
}

SheetGrid layOutSheet(const SheetLook& look, const SheetMeasures& m) {
    SheetGrid g;
    g.gap = worksheetGapMm * m.millimetre;
    g.answerWidth = std::max(m.widestAnswer * look.answerScale, look.answerLeastMm * m.millimetre);
    g.stacked = m.numberWidth + m.textWidth + g.gap + g.answerWidth > m.width;
    g.rowHeight = m.lineHeight * (g.stacked ? look.rowsStacked : look.rowsBeside);
    const double cell =
        m.numberWidth + (g.stacked ? std::max(m.textWidth, g.answerWidth) : m.textWidth + g.gap + g.answerWidth);
    g.columns = std::max(1, static_cast<int>((m.width + g.gap) / (cell + g.gap)));
    if (g.rowHeight > 0) g.rows = std::max(1, static_cast<int>((m.height - m.headerHeight) / g.rowHeight));
    return g;
}

} // namespace zefnaro
