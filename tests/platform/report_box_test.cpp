#include "platform/report_box.h"

#include <QTest>
#include <QTextBlock>
#include <QTextEdit>

using namespace zefnaro;

class ReportBoxTest : public QObject {
    Q_OBJECT
private slots:
    // One paragraph per line, centred, each in its line's style; a new report
    // keeps nothing of the one before.
    void linesBecomeStyledParagraphs() {
        QTextEdit edit;
        ReportBox box(&edit);
        Report first;
        first.copticFont = "CS Pishoi";
        Style red;
        red.colour = colours::red;
        red.font = FontRole::coptic;
        red.italic = true;
        red.pointSize = 30;
        first.lines = {{Piece::blank, "", Style{}}, {Piece::coptic, "jwt ouai", red}};
        box.setReport(first);
        QCOMPARE(box.text(), QStringLiteral("\njwt ouai"));
        const QTextBlock second = edit.document()->begin().next();
        QCOMPARE(second.blockFormat().alignment(), Qt::AlignHCenter);
        const QTextCharFormat f = second.begin().fragment().charFormat();
        QCOMPARE(f.foreground().color(), QColor(Qt::red));
        QCOMPARE(f.fontFamilies().toStringList(), QStringList{"CS Pishoi"});
        QVERIFY(f.fontItalic());
        QCOMPARE(f.fontPointSize(), 30.0);
        QCOMPARE(f.fontWeight(), int(QFont::Bold));

        Report next;
        next.lines = {{Piece::words, "or", Style{}}};
        box.setReport(next);
        QCOMPARE(box.text(), QStringLiteral("or"));
        const QTextCharFormat g = edit.document()->begin().begin().fragment().charFormat();
        QVERIFY(!g.fontItalic());
        QCOMPARE(g.foreground().color(), QColor(Qt::blue));
        QCOMPARE(g.fontFamilies().toStringList(), QStringList{"Arial"});
        QCOMPARE(edit.document()->defaultFont().pointSizeF(), 15.75);
        QVERIFY(edit.isReadOnly());
    }

    void selectsAllOrNothing() {
        QTextEdit edit;
        ReportBox box(&edit);
        Report r;
        r.lines = {{Piece::blank, "", Style{}}, {Piece::message, "The number 0", Style{}}};
        box.setReport(r);
        QVERIFY(!box.isWholeSelected());
        QVERIFY(!edit.textCursor().hasSelection());
        box.selectAll();
        QVERIFY(box.isWholeSelected());
        QCOMPARE(edit.textCursor().selectedText(), QStringLiteral("\u2029The number 0"));
        box.clearSelection();
        QCOMPARE(edit.textCursor().position(), 0);
        QVERIFY(!edit.textCursor().hasSelection());
    }
};

QTEST_MAIN(ReportBoxTest)
#include "report_box_test.moc"
