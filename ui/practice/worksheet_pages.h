// Worksheets drawn onto pages: the same layout on a printer and in a PDF.
#pragma once

#include "practice/worksheet.h"

#include <QString>

class QPagedPaintDevice;

namespace zefnaro {

struct WorksheetLook {
    double points = 16; // the questions' type size
    bool answerKey = true;
};

// Pages of questions under a header with the title and lines for name and date,
// each question's number on its baseline and room to write its longest answer;
// then, where asked, the answer key on pages of its own. The pages drawn.
int paintWorksheet(QPagedPaintDevice& device, const Worksheet& sheet, const WorksheetLook& look);

} // namespace zefnaro
