#include "worksheet_pages.h"

#include "platform/arial.h"
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

// One column of a grid: the texts of each cell and how it is drawn.
struct Grid {
    QFont numberFont, textFont, answerFont;
    double numberWidth = 0, textWidth = 0, answerWidth = 0; // device units
    double rowHeight = 0;
    bool stacked = false; // the answer's line under the question, not beside it
    bool lines = true;    // lines to write on (questions) or the answers (key)
};

constexpr double gapMm = 6; // between a question and its answer, and between columns

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

// How a grid is set: the questions' with lines to write on, the key's with the answers.
struct GridLook {
    double points;
    double numberScale;              // the numbers' size against the texts'
    bool copticText, copticAnswer;   // set in the Coptic font
    bool boldAnswer;
    double answerScale, answerLeast; // the answer's room: the widest answer times this, at least
    double rowsBeside, rowsStacked;  // a row's height in text lines
    bool lines;
};

Grid measured(const GridLook& look, const Pages& pages, const std::vector<QString>& texts,
              const std::vector<QString>& answers) {
    QPaintDevice* device = &pages.device();
    const auto widest = [&](const QFont& font, const std::vector<QString>& all) {
        double w = 0;
        for (const QString& t : all)
            w = std::max(w, advance(font, t, device));
        return w;
    };
    Grid g;
    g.numberFont = arialFont(look.points * look.numberScale, false);
    g.textFont = look.copticText ? projectCopticFont(look.points) : arialFont(look.points, false);
    g.answerFont = look.copticAnswer ? projectCopticFont(look.points) : arialFont(look.points, look.boldAnswer);
    g.numberWidth = advance(g.numberFont, QString::number(texts.size()) + QStringLiteral(". "), device);
    g.textWidth = widest(g.textFont, texts);
    g.answerWidth = std::max(widest(g.answerFont, answers) * look.answerScale, look.answerLeast);
    g.stacked = g.numberWidth + g.textWidth + pages.mm(gapMm) + g.answerWidth > pages.width();
    g.rowHeight = QFontMetricsF(g.textFont, device).height() * (g.stacked ? look.rowsStacked : look.rowsBeside);
    g.lines = look.lines;
    return g;
}

// Draws the cells into columns down each page, as many rows as a page holds,
// starting a page with a header each time.
void drawGrid(QPainter& p, Pages& pages, const Grid& g, const std::vector<QString>& texts,
              const std::vector<QString>& answers, const QString& title,
              const QString& instruction, bool nameLine) {
    const double gap = pages.mm(gapMm);
    const double cell = g.numberWidth + (g.stacked ? std::max(g.textWidth, g.answerWidth)
                                                   : g.textWidth + gap + g.answerWidth);
    const int columns = std::max(1, static_cast<int>((pages.width() + gap) / (cell + gap)));
    const double columnWidth = columns == 1 ? pages.width() : (pages.width() + gap) / columns;
    std::size_t next = 0;
    while (next < texts.size()) {
        pages.newPage();
        const double top = header(p, pages, title, instruction, nameLine);
        const int rows = std::max(1, static_cast<int>((pages.height() - top) / g.rowHeight));
        for (int column = 0; column < columns && next < texts.size(); ++column) {
            const double x = column * columnWidth;
            for (int row = 0; row < rows && next < texts.size(); ++row, ++next) {
                const double baseline = top + row * g.rowHeight +
                                        QFontMetricsF(g.textFont, p.device()).ascent() * 1.25;
                // The number stands on the question's own baseline.
                p.setFont(g.numberFont);
                const QString number = QString::number(next + 1) + QLatin1Char('.');
                p.drawText(QPointF(pages.left(x, advance(g.numberFont, number, p.device())), baseline), number);
                p.setFont(g.textFont);
                p.drawText(QPointF(pages.left(x + g.numberWidth, advance(g.textFont, texts[next], p.device())), baseline),
                           texts[next]);
                const double answerX = g.stacked ? x + g.numberWidth
                                                 : x + g.numberWidth + g.textWidth + gap;
                const double answerY = g.stacked ? baseline + g.rowHeight * 0.45 : baseline;
                const double answerEnd = std::min(x + columnWidth - gap / 2, answerX + g.answerWidth);
                if (g.lines) {
                    p.drawLine(QPointF(pages.edge(answerX), answerY + 2), QPointF(pages.edge(answerEnd), answerY + 2));
                } else {
                    p.setFont(g.answerFont);
                    p.drawText(QPointF(pages.left(answerX, advance(g.answerFont, answers[next], p.device())), answerY),
                               answers[next]);
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
    const bool writing = asksToWrite(ask);
    const bool copticQuestions = ask == Ask::numerals || ask == Ask::coptic;
    const double points = std::clamp(look.points, 8.0, 48.0);
    std::vector<QString> texts, answers;
    for (const Question& q : sheet.questions) {
        texts.push_back(qs(q.text));
        answers.push_back(qs(q.answer));
    }
    const QString title = qs(sheet.title);
    // Room to write: handwriting is wider than type, so the longest answer half
    // as wide again, and never less than 30 mm.
    const GridLook questions{points, 0.8, copticQuestions, writing, false, 1.5, pages.mm(30), 2.0, 3.0, true};
    drawGrid(p, pages, measured(questions, pages, texts, answers), texts, answers, title,
             qs(sheet.instruction), true);
    if (look.answerKey) {
        const double keyPoints = std::max(10.0, points * 0.75);
        const GridLook key{keyPoints, 0.9, copticQuestions, writing, !writing, 1.0, 0, 1.5, 2.4, false};
        drawGrid(p, pages, measured(key, pages, texts, answers), texts, answers,
                 QCoreApplication::translate("Worksheet", "Answers: %1").arg(title), {}, false);
    }
    return pages.drawn();
}

namespace {

// Printing and the PDF share the page: A4, 15 mm margins.
QPageLayout worksheetPage() {
    return QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait, QMarginsF(15, 15, 15, 15),
                       QPageLayout::Millimeter);
}

} // namespace

bool saveWorksheetPdf(const QString& path, const Worksheet& sheet, const WorksheetLook& look) {
    {
        QPdfWriter pdf(path);
        pdf.setTitle(QString::fromStdString(sheet.title));
        pdf.setCreator(QStringLiteral("Zefnaro"));
        pdf.setPageLayout(worksheetPage());
        paintWorksheet(pdf, sheet, look);
    }
    return QFileInfo(path).size() > 0;
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
