// A report laid out by Qt: one centred paragraph per line in the line's style. The
// report box shows it; printing and PDF paint it on a page.
#pragma once

#include "report/report.h"

#include <QPageLayout>

class QPagedPaintDevice;
class QTextDocument;

namespace zefnaro {

// The box's own font size: the paragraphs' line breaks, which no line is set in.
inline constexpr double basePointSize = 15.75;

// Replaces the document's text with the report.
void fillDocument(QTextDocument& document, const Report& report);

// Paints the report on one page of the device, as the window lays it out: no
// page number, lines broken only between words, made smaller where it would not
// fit. False when the device cannot be painted on.
bool paintOnOnePage(const Report& report, QPagedPaintDevice& device);

// The report's page, printed or saved as PDF: A4 upright, 15 mm margins.
QPageLayout reportPageLayout();

} // namespace zefnaro
