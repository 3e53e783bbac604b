// The report box: a read-only QTextEdit that shows a composed report, one centred
// paragraph per line in the line's style, and copies what is selected in it.
#pragma once

#include "report/report.h"

#include <QColor>
#include <QString>

class QTextEdit;

namespace zefnaro {

class ReportBox {
public:
    static constexpr double basePointSize = 15.75;
    static constexpr QColor background{255, 255, 192}; // light yellow, on screen and in saved pages

    explicit ReportBox(QTextEdit* edit);

    // Replaces what the box shows, laid out once, with the caret at the start.
    void setReport(const Report& report);
    QString text() const; // the lines with "\n" between them

    void selectAll();
    void clearSelection(); // the caret at the start
    bool isWholeSelected() const;

    // Puts the current selection on the clipboard as HTML, RTF and plain text
    // (with "\n" line breaks); an empty selection leaves the clipboard alone.
    void copySelection() const;

private:
    QTextEdit* edit_;
};

} // namespace zefnaro
