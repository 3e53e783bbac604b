// The report box: a read-only QTextEdit spoken to in the report's own positions,
// where a CR LF line break counts as two characters (the document stores one
// paragraph separator), so the report's arithmetic holds unchanged.
#pragma once

#include <QColor>
#include <QString>
#include <QStringList>
#include <memory>
#include <vector>

class QTextEdit;
class QTextCursor;

namespace zefnaro {

class ReportBox {
public:
    static constexpr double basePointSize = 15.75;
    static constexpr QColor background{255, 255, 192}; // light yellow, on screen and in saved pages

    explicit ReportBox(QTextEdit* edit);
    ~ReportBox();

    // Replaces the whole text and drops all formatting; the text takes the base
    // font, bold Arial 15.75 pt. Line breaks are CR LF.
    void setText(const QString& text);
    QString text() const; // with CR LF line breaks
    int length() const;

    void setSelStart(int position); // caret there, nothing selected
    void setSelLength(int length);  // selects from the caret
    int selStart() const;
    int selLength() const;

    void setSelColour(const QColor& colour);
    void setSelFont(const QStringList& families); // first choice first, then fallbacks
    void setSelPointSize(double points);
    void setSelCentred();
    void setSelEmphasis(); // italic
    void setSelRegularWeight();

    // A hidden box is not redrawn; showing it draws the current content once.
    void hide();
    void show();
    bool isShown() const;

    // Puts the current selection on the clipboard as HTML, RTF and plain text
    // (with "\n" line breaks); an empty selection leaves the clipboard alone.
    void copySelection() const;

private:
    int toDocument(int position) const;
    int toReport(int documentPosition) const;
    QTextCursor selection() const;

    QTextEdit* edit_;
    std::vector<int> breaks_; // report positions of each CR of a CR LF
    int length_ = 0;
    std::unique_ptr<QTextCursor> batch_; // open while the box is hidden
};

} // namespace zefnaro
