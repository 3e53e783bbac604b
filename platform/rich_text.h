// Clipboard formats for a selection of the report: HTML and RTF keep every run's
// font, size, colour, weight and italic; plain text keeps the line breaks.
#pragma once

#include <QString>

class QMimeData;
class QTextDocumentFragment;

namespace zefnaro {

// RTF for word processors. Latin-1 characters are written as bytes (\'hh), which
// is what the Coptic fonts expect for their place marks.
QString toRtf(const QTextDocumentFragment& fragment);

// text/html, text/plain and text/rtf of a fragment.
QMimeData* clipboardData(const QTextDocumentFragment& fragment);

} // namespace zefnaro
