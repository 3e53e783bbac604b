// The report as files other programs open: a standalone HTML5 page, an
// OpenDocument text package, and a report painted on one page (PDF or printer).
#pragma once

#include <QPageLayout>
#include <QMap>
#include <QString>

class QPagedPaintDevice;
class QTextDocument;

namespace zefnaro {

// An HTML5 document: lang, UTF-8, a title, one CSS class per run style, font
// families with their fallbacks; nothing Qt-internal. Runs in a Coptic font carry
// lang="cop". The fonts given (family to font file) that the report uses travel
// inside the page, so it looks the same where they are not installed.
QString toHtml5(const QTextDocument& document, const QString& title,
                const QMap<QString, QString>& fontFiles = {});

// Writes a complete OpenDocument text package (mimetype, manifest, content,
// styles, meta, and the fonts given as for toHtml5). False, with the reason, when
// the file cannot be written.
bool writeOdt(const QTextDocument& document, const QString& title, const QString& path,
              QString& why, const QMap<QString, QString>& fontFiles = {});

// Paints the report on one page of the device, as the window lays it out: no
// page number, lines broken only between words, made smaller where it would not
// fit. False when the device cannot be painted on.
bool paintOnOnePage(const QTextDocument& document, QPagedPaintDevice& device);

// The report's page, printed or saved as PDF: A4 upright, 15 mm margins.
QPageLayout reportPageLayout();

} // namespace zefnaro
