// How a worksheet is set on its pages, for the window's printer and PDF and for the
// page's print alike: the type sizes and counts offered, the paper, and the grid
// of questions (or of the answer key) once each front end has measured its texts
// in its own fonts.
#pragma once

#include "practice/practice.h"

#include <array>

namespace zefnaro {

inline constexpr std::array<int, 5> worksheetSizes{12, 14, 16, 20, 24}; // points
inline constexpr int worksheetSize = 16;                                 // points, a new sheet's
inline constexpr int worksheetCount = 20;                                // questions, a new sheet's
inline constexpr double worksheetMarginMm = 15;
inline constexpr double worksheetGapMm = 6; // between a question and its answer, and between columns

struct Paper {
    const char* name;
    double widthMm, heightMm;
};
// A4 first: the window prints on it; the page offers Letter where it is in use.
inline constexpr std::array<Paper, 2> worksheetPapers{Paper{"a4", 210, 297}, Paper{"letter", 215.9, 279.4}};

enum class SheetPart { questions, answerKey };

// How a part is set: its type size, the numbers' size against it, which texts are
// Coptic, and the room for each answer.
struct SheetLook {
    double points = worksheetSize;
    double numberScale = 1;
    bool copticText = false, copticAnswer = false, boldAnswer = false;
    double answerScale = 1, answerLeastMm = 0; // the answer's room: the widest answer times this, at least
    double rowsBeside = 1, rowsStacked = 1;    // a row's height in lines of the text's type
    bool lines = true;                         // lines to write on (questions) or the answers (key)
};
// The questions at `points` (kept to 8..48) with room to write, or the key smaller
// with the answers, for a sheet asking `ask`.
SheetLook sheetLook(SheetPart part, double points, Ask ask);

// What a front end measured, in its own units: the widest question number with its
// point and space, the widest question, the widest answer, a line of the texts' type,
// the room on a page, the page's header, and a millimetre.
struct SheetMeasures {
    double numberWidth = 0, textWidth = 0, widestAnswer = 0, lineHeight = 0;
    double width = 0, height = 0, headerHeight = 0, millimetre = 1;
};

// The grid: each answer's room, beside its question or under it (stacked), each
// row's height, the columns and the rows a page holds (at least one each).
struct SheetGrid {
    bool stacked = false;
    double answerWidth = 0, rowHeight = 0, gap = 0;
    int columns = 1, rows = 1;
    int perPage() const { return columns * rows; }
};
SheetGrid layOutSheet(const SheetLook& look, const SheetMeasures& measured);

} // namespace zefnaro
