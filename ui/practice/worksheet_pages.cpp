#include "worksheet_pages.h"

#include "platform/arial.h"
#include "platform/saved_file.h"
#include "ui/fonts.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QFontMetricsF>
#include <QPagedPaintDevice>
#include <QPainter>
#include <QPdfWriter>
#include <QPrintDialog>
#include <QPrinter>

#include <algorithm>
#include <vector>

namespace zefnaro {

namespace {

// The fonts of a grid and what they measured; the grid itself is practice's.
struct Grid {
    SheetLook look;
    QFont numberFont, textFont, answerFont;
    SheetMeasures measured;
};

class Pages {
public:
    Pages(QPagedPaintDevice& device, bool rightToLeft) : device_(device), rightToLeft_(rightToLeft) {}

    double width() const { return device_.width(); }
    double height() const { return device_.height(); }
    // Millimetres in device units.
    double mm(double millimetres) const { return millimetres * device_.logicalDpiX() / 25.4; }

    void newPage() {
        if (drawn_ > 0) device_.newPage();
        ++drawn_;
    }
    int drawn() const { return drawn_; }
    QPagedPaintDevice& device() const { return device_; }

    // An Arabic sheet is laid out as its mirror: where a thing `w` wide that starts
    // at x on an English sheet starts, and where an edge at x stands.
    double left(double x, double w) const { return rightToLeft_ ? width() - x - w : x; }
    double edge(double x) const { return rightToLeft_ ? width() - x : x; }
    bool rightToLeft() const { return rightToLeft_; }

private:
    QPagedPaintDevice& device_;
    bool rightToLeft_;
    int drawn_ = 0;
};

double advance(const QFont& font, const QString& text, QPaintDevice* device) {
    return QFontMetricsF(font, device).horizontalAdvance(text);
}

// The header of a page: the title, and on question pages the lines for the
// learner's name and the date and what to do. Returns where the grid starts.
double header(QPainter& p, Pages& pages, const QString& title, const QString& instruction,
              bool nameLine) {
    QPaintDevice* device = p.device();
    const QFont titleFont = arialFont(16, true);
    const QFont plain = arialFont(11, false);
    p.setFont(titleFont);
    const QFontMetricsF tm(titleFont, device);
    const QRectF titleBox(0, 0, pages.width(), tm.height() * 4); // a long title wraps
    p.drawText(titleBox, Qt::TextWordWrap | (pages.rightToLeft() ? Qt::AlignRight : Qt::AlignLeft), title);
    double y = tm.boundingRect(titleBox, Qt::TextWordWrap, title).height();
    const QFontMetricsF pm(plain, device);
    p.setFont(plain);
    if (nameLine) {
        y += pm.height() * 1.6;
        const QString name = QCoreApplication::translate("Worksheet", "Name"), date = QCoreApplication::translate("Worksheet", "Date");
        const double nameW = pm.horizontalAdvance(name + QLatin1Char(' '));
        const double dateW = pm.horizontalAdvance(date + QLatin1Char(' '));
        const double dateAt = pages.width() * 0.65;
        p.drawText(QPointF(pages.left(0, pm.horizontalAdvance(name)), y), name);
        p.drawLine(QPointF(pages.edge(nameW), y + 2), QPointF(pages.edge(dateAt - pages.mm(6)), y + 2));
        p.drawText(QPointF(pages.left(dateAt, pm.horizontalAdvance(date)), y), date);
        p.drawLine(QPointF(pages.edge(dateAt + dateW), y + 2), QPointF(pages.edge(pages.width()), y + 2));
    }
    if (!instruction.isEmpty()) {
        y += pm.height() * 1.6;
        p.drawText(QPointF(pages.left(0, pm.horizontalAdvance(instruction)), y), instruction);
    }
    return y + pm.height() * 1.2;
}

Grid measured(const SheetLook& look, const Pages& pages, const std::vector<QString>& texts,
              const std::vector<QString>& answers) {
    QPaintDevice* device = &pages.device();
    const auto widest = [&](const QFont& font, const std::vector<QString>& all) {
        double w = 0;
        for (const QString& t : all)
            w = std::max(w, advance(font, t, device));
        return w;
    };
    Grid g;
    g.look = look;
    g.numberFont = arialFont(look.points * look.numberScale, false);
    g.textFont = look.copticText ? projectCopticFont(look.points) : arialFont(look.points, false);
    g.answerFont = look.copticAnswer ? projectCopticFont(look.points) : arialFont(look.points, look.boldAnswer);
    g.measured.numberWidth = advance(g.numberFont, QString::number(texts.size()) + QStringLiteral(". "), device);
    g.measured.textWidth = widest(g.textFont, texts);
    g.measured.widestAnswer = widest(g.answerFont, answers);
    g.measured.lineHeight = QFontMetricsF(g.textFont, device).height();
    g.measured.width = pages.width();
    g.measured.height = pages.height();
    g.measured.millimetre = pages.mm(1);
    return g;
}

// Draws the cells into columns down each page, as many rows as a page holds,
// starting a page with a header each time.
void drawGrid(QPainter& p, Pages& pages, Grid g, const std::vector<QString>& texts,
              const std::vector<QString>& answers, const QString& title,
              const QString& instruction, bool nameLine) {
    std::size_t next = 0;
    while (next < texts.size()) {
        pages.newPage();
        g.measured.headerHeight = header(p, pages, title, instruction, nameLine);
        const SheetGrid grid = layOutSheet(g.look, g.measured);
        const int columns = grid.columns, rows = grid.rows;
        const double gap = grid.gap, top = g.measured.headerHeight;
        const double columnWidth = columns == 1 ? pages.width() : (pages.width() + gap) / columns;
        for (int column = 0; column < columns && next < texts.size(); ++column) {
            const double x = column * columnWidth;
            for (int row = 0; row < rows && next < texts.size(); ++row, ++next) {
                const double baseline = top + row * grid.rowHeight +
                                        QFontMetricsF(g.textFont, p.device()).ascent() * 1.25;
                // The number stands on the question's own baseline.
                p.setFont(g.numberFont);
                const QString number = QString::number(next + 1) + QLatin1Char('.');
                p.drawText(QPointF(pages.left(x, advance(g.numberFont, number, p.device())), baseline), number);
                p.setFont(g.textFont);
                const double numberWidth = g.measured.numberWidth;
                p.drawText(QPointF(pages.left(x + numberWidth, advance(g.textFont, texts[next], p.device())), baseline),
                           texts[next]);
                const double answerX =
                    grid.stacked ? x + numberWidth : x + numberWidth + g.measured.textWidth + gap;
                const double answerY = grid.stacked ? baseline + grid.rowHeight * 0.45 : baseline;
                const double answerEnd = std::min(x + columnWidth - gap / 2, answerX + grid.answerWidth);
                if (!g.look.lines) {
                    p.setFont(g.answerFont);
                    p.drawText(QPointF(pages.left(answerX, advance(g.answerFont, answers[next], p.device())), answerY),
                               answers[next]);
                } else {
                    p.drawLine(QPointF(pages.edge(answerX), answerY + 2), QPointF(pages.edge(answerEnd), answerY + 2));
                }
            }
        }
    }
}

} // namespace

int paintWorksheet(QPagedPaintDevice& device, const Worksheet& sheet, const WorksheetLook& look) {
    QPainter p(&device);
    if (!p.isActive() || sheet.questions.empty()) return 0;
    Pages pages(device, rightToLeft(sheet.questions.front().language));
    const Ask ask = sheet.questions.front().ask;
    std::vector<QString> texts, answers;
    for (const Question& q : sheet.questions) {
        texts.push_back(qs(q.text));
        answers.push_back(qs(q.answer));
    }
    const QString title = qs(sheet.title);
    drawGrid(p, pages, measured(sheetLook(SheetPart::questions, look.points, ask), pages, texts, answers), texts,
             answers, title, qs(sheet.instruction), true);
    if (look.answerKey)
        drawGrid(p, pages, measured(sheetLook(SheetPart::answerKey, look.points, ask), pages, texts, answers), texts,
                 answers, QCoreApplication::translate("Worksheet", "Answers: %1").arg(title), {}, false);
    return pages.drawn();
}

namespace {

// Printing and the PDF share the page: A4, with the margins every sheet has.
QPageLayout worksheetPage() {
    return QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait,
                       QMarginsF(worksheetMarginMm, worksheetMarginMm, worksheetMarginMm, worksheetMarginMm),
                       QPageLayout::Millimeter);
}

} // namespace

bool saveWorksheetPdf(const QString& path, const Worksheet& sheet, const WorksheetLook& look) {
    QString why;
    return saveWhole(
        path,
        [&](QIODevice& device) {
            int pages = 0;
            {
                QPdfWriter pdf(&device);
                pdf.setTitle(QString::fromStdString(sheet.title));
                pdf.setCreator(QStringLiteral("Zefnaro"));
                pdf.setPageLayout(worksheetPage());
                pages = paintWorksheet(pdf, sheet, look);
            } // the PDF is finished as its writer goes
            return pages > 0 && device.size() > 0;
        },
        why);
}

bool printWorksheet(const Worksheet& sheet, const WorksheetLook& look, QWidget* parent) {
    QPrinter printer(QPrinter::HighResolution);
    printer.setPageLayout(worksheetPage());
    QPrintDialog dialog(&printer, parent);
    if (dialog.exec() != QDialog::Accepted) return false;
    paintWorksheet(printer, sheet, look);
    return true;
}

} // namespace zefnaro
