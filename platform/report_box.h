// The report box: a read-only QTextEdit that shows a composed report, one centred
// paragraph per line in the line's style, and copies what is selected in it.
#pragma once

#include "report/report.h"

#include <QString>

class QHelpEvent;
class QMimeData;
class QTextEdit;

namespace zefnaro {

class ReportBox {
public:
    explicit ReportBox(QTextEdit* edit);

    // Replaces what the box shows, laid out once, with the caret at the start.
    void setReport(const Report& report);
    const Report& report() const { return report_; }
    QString text() const; // the lines with "\n" between them

    void selectAll();
    void clearSelection(); // the caret at the start
    bool isWholeSelected() const;
    // The selected part of the report, lines cut where the selection is.
    Report selected() const;

    // What the numeral letter at a position of the document stands for ("ⲫ̿̅ = 500 ×
    // 1,000,000"); "" off the numerals' letters.
    QString numeralTipAt(int position) const;
    // Shows that as a tip for a tooltip event over the box's viewport; true when
    // the event is taken care of.
    bool showNumeralTip(QHelpEvent* event) const;

    // Puts the current selection on the clipboard as HTML, RTF and plain text
    // (with "\n" line breaks); an empty selection leaves the clipboard alone.
    void copySelection() const;

private:
    QTextEdit* edit_;
    Report report_;
};

// text/html, text/plain and text/rtf of a report, from the writers the saved files use.
QMimeData* mimeDataOf(const Report& report);

} // namespace zefnaro
