// The numerals as Qt draws them in the program's font, measured in pixels: every
// letter at every rank, at the report's small and large sizes. Glyph presence is
// not enough: a font can have the marks and still set them beside their letters.
#include "engine/numeral_letters.h"
#include "report/fonts.h"
#include "ui/fonts.h"

#include <QApplication>
#include <QFont>
#include <QImage>
#include <QPainter>
#include <QTest>

using namespace zefnaro;

namespace {

constexpr int baseline = 150;
constexpr int penX = 40;

QImage drawn(int pixels, const QString& text) {
    QImage image(420, 200, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    QFont font(QString::fromUtf8(projectFont));
    font.setPixelSize(pixels);
    painter.setFont(font);
    painter.setPen(Qt::black);
    painter.drawText(QPointF(penX, baseline), text);
    return image;
}

bool dark(const QImage& image, int x, int y) {
    return qGray(image.pixel(x, y)) < 140;
}

struct Span {
    int first = -1, last = -1; // inclusive; first < 0 when empty
};

// Dark columns of rows [top, bottom).
Span columns(const QImage& image, int top, int bottom) {
    Span s;
    for (int x = 0; x < image.width(); ++x)
        for (int y = top; y < bottom; ++y)
            if (dark(image, x, y)) {
                if (s.first < 0) s.first = x;
                s.last = x;
                break;
            }
    return s;
}

// Runs of rows above `limit` that hold a dark pixel, top to bottom.
std::vector<Span> strokeRows(const QImage& image, int limit) {
    std::vector<Span> runs;
    for (int y = 0; y < limit; ++y) {
        const bool any = columns(image, y, y + 1).first >= 0;
        if (any && (runs.empty() || runs.back().last != y - 1)) runs.push_back({y, y});
        else if (any) runs.back().last = y;
    }
    return runs;
}

// Runs of dark columns within rows [top, bottom).
std::vector<Span> columnRuns(const QImage& image, int top, int bottom) {
    std::vector<Span> runs;
    for (int x = 0; x < image.width(); ++x) {
        bool any = false;
        for (int y = top; y < bottom && !any; ++y)
            any = dark(image, x, y);
        if (any && (runs.empty() || runs.back().last != x - 1)) runs.push_back({x, x});
        else if (any) runs.back().last = x;
    }
    return runs;
}

int topRow(const QImage& image) {
    for (int y = 0; y < image.height(); ++y)
        if (columns(image, y, y + 1).first >= 0) return y;
    return image.height();
}

QString u(std::string_view s) {
    return QString::fromUtf8(s.data(), static_cast<qsizetype>(s.size()));
}

} // namespace

class NumeralFontTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() {
        QVERIFY2(loadProjectFont(), "the program's Coptic font did not load");
    }

    // 16 px is 12 pt, 21 px is 16 pt at 96 dpi; 64 px is a large zoom.
    void everyLetterHasItsStrokesOverIt() {
        for (const int pixels : {16, 21, 64}) {
            for (const auto& place : unicodeNumerals.letters) {
                for (std::size_t digit = 1; digit < 10; ++digit) {
                    const QString letter = u(place[digit]);
                    const QImage bare = drawn(pixels, letter);
                    const int letterTop = topRow(bare);
                    const Span ink = columns(bare, 0, bare.height());
                    const int inkWidth = ink.last - ink.first + 1;
                    for (int rank = 0; rank < 3; ++rank) {
                        const QString text = letter + u(unicodeNumerals.after[std::size_t(rank)]);
                        const QString what = QStringLiteral("%1 at %2 px").arg(text).arg(pixels);
                        const QImage marked = drawn(pixels, text);
                        // Clear of the letter: a light row between stroke and letter.
                        const auto strokes = strokeRows(marked, letterTop - 1);
                        QVERIFY2(int(strokes.size()) == rank + 1, qPrintable(what));
                        QVERIFY2(topRow(marked) < letterTop, qPrintable(what));
                        for (const Span rows : strokes) {
                            const Span s = columns(marked, rows.first, rows.last + 1);
                            const int covered = std::min(s.last, ink.last) -
                                                std::max(s.first, ink.first) + 1;
                            QVERIFY2(covered >= inkWidth * 4 / 5, qPrintable(what));
                            const int slack = pixels / 5 + 1;
                            QVERIFY2(s.first >= ink.first - slack && s.last <= ink.last + slack,
                                     qPrintable(what));
                        }
                    }
                }
            }
        }
    }

    // Whole numerals with tall letters (ⲫ, ϥ, capitals) and x-height ones at
    // every rank: each stroke level is one straight row of ink the numeral
    // long, so the rows above the letters come in exactly as many bands as the
    // deepest stack has strokes; each rank's strokes join into one piece and
    // ranks stay apart, in the lowest level as in all the strokes together.
    void strokeLevelsRunStraightAcrossTheNumeral() {
        const struct {
            const char* text;
            int ranks, levels;
        } rows[] = {
            {"ⲫ̿̅ⲗ̿̅ⲏ̿̅ⲣ̿ⲓ̿ⲋ̿ⲱ̅ⲡ̅ⲃ̅", 3, 3}, // 538,116,892
            {"ⲁ̿ⲫ̅ⲓ̅ⲃ̅", 2, 2},             // 1,512
            {"ⲯ̿̅ϥ̿̅ⲁ̿̅ⲫ̿ϥ̿ⲃ̿ⲯ̅ϥ̅ⲑ̅", 3, 3},
            {"ⲁ̿̅ⲃ̿ⲫ̅", 3, 3},
            {"ⲙ̿̅ⲉ̿̅ⲙ̅ⲉ̅", 2, 3},
            {"Ⲫ̿̅Ⲯ̿Ϥ̿Ⲁ̅Ⲫ̅", 3, 3},
            {"Ⲁ̿Ⲯ̅Ⲗ̅Ⲉ̅", 2, 2},
            {"ⲓ̿ⲃ̿ⲧ̅ⲙ̅ⲉ̅", 2, 2},
            {"ⲣ̿̅ⲁ̿̅ⲃ̿ⲅ̅", 3, 3},
        };
        for (const auto& row : rows) {
            for (const int pixels : {12, 16, 21, 40, 64}) {
                const QString text = QString::fromUtf8(row.text);
                QString letters = text;
                letters.remove(QChar(0x0305)).remove(QChar(0x033F));
                const int letterTop = topRow(drawn(pixels, letters));
                const QImage image = drawn(pixels, text);
                const auto bands = strokeRows(image, letterTop - 1);
                // Small sizes may blur a stroke into the letter top below it.
                const auto all = columnRuns(image, 0, letterTop - (pixels < 16 ? 0 : 1));
                const QString what = QStringLiteral("%1 at %2 px: %3 bands, %4 pieces")
                                         .arg(text)
                                         .arg(pixels)
                                         .arg(bands.size())
                                         .arg(all.size());
                QVERIFY2(!bands.empty() && int(all.size()) == row.ranks, qPrintable(what));
                if (pixels < 16) continue; // small sizes may blur the levels together
                QVERIFY2(int(bands.size()) == row.levels, qPrintable(what));
                const auto lowest = columnRuns(image, bands.back().first, bands.back().last + 1);
                QVERIFY2(int(lowest.size()) == row.ranks, qPrintable(what));
                // The lowest level spans the numeral from its first letter to its last.
                const Span ink = columns(image, letterTop, image.height());
                QVERIFY2(lowest.front().first <= ink.first + pixels / 5 + 1 &&
                             lowest.back().last >= ink.last - pixels / 5 - 1,
                         qPrintable(what));
            }
        }
    }

    // The jinkim of the words stays over the start of its letter.
    void jinkimKeepsItsPlace() {
        for (const int pixels : {21, 64}) {
            const QImage bare = drawn(pixels, QStringLiteral("ⲥ"));
            const QImage marked = drawn(pixels, QStringLiteral("ⲥ̀"));
            const int letterTop = topRow(bare);
            const Span ink = columns(bare, 0, bare.height());
            const Span mark = columns(marked, 0, letterTop - 1);
            QVERIFY(mark.first >= 0);
            QVERIFY(mark.first >= ink.first - pixels / 5 && mark.last <= ink.last);
        }
    }
};

QTEST_MAIN(NumeralFontTest)
#include "numeral_font_test.moc"
