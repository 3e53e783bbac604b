// Worksheets drawn onto pages, saved as a PDF or printed: the same page and layout
// on a printer and in a PDF.
#pragma once

#include "practice/worksheet.h"
#include "practice/worksheet_layout.h"

#include <QString>

class QPagedPaintDevice;
class QWidget;

namespace zefnaro {

struct WorksheetLook {
    double points = worksheetSize; // the questions' type size
    bool answerKey = true;
};

// Pages of questions under a header with the title and lines for name and date,
// each question's number on its baseline and room to write its longest answer;
// then, where asked, the answer key on pages of its own. The pages drawn.
int paintWorksheet(QPagedPaintDevice& device, const Worksheet& sheet, const WorksheetLook& look);

// The worksheet as a PDF at `path`, titled; false when nothing could be written.
bool saveWorksheetPdf(const QString& path, const Worksheet& sheet, const WorksheetLook& look);
// The worksheet on a printer the user chooses; false when the user cancels.
bool printWorksheet(const Worksheet& sheet, const WorksheetLook& look, QWidget* parent);

} // namespace zefnaro
