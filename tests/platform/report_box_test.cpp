#include "platform/report_box.h"

#include <QTest>
#include <QTextEdit>

using zefnaro::ReportBox;

class ReportBoxTest : public QObject {
    Q_OBJECT
private slots:
    void positionsCountALineBreakAsTwo() {
        QTextEdit edit;
        ReportBox box(&edit);
        box.setText(QStringLiteral("ab\r\n\r\ncdË\r\n"));
        QCOMPARE(box.length(), 11);
        QCOMPARE(box.text(), QStringLiteral("ab\r\n\r\ncdË\r\n"));
        const struct {
            int start, length;
            const char* selected;
        } rows[] = {{0, 2, "ab"}, {6, 3, "cdË"},         {2, 2, "\u2029"},
                    {7, 1, "d"},  {6, 100, "cdË\u2029"}, {0, 11, "ab\u2029\u2029cdË\u2029"},
                    {3, 1, ""}};
        for (const auto& r : rows) {
            box.setSelStart(r.start);
            box.setSelLength(r.length);
            QCOMPARE(edit.textCursor().selectedText(), QString::fromUtf8(r.selected));
            if (r.start != 3)
                QCOMPARE(box.selStart(), r.start);
            else
                QCOMPARE(box.selStart(), 2); // inside a line break: at the break
        }
        box.setSelStart(6);
        box.setSelLength(3);
        QCOMPARE(box.selLength(), 3);
        box.setSelStart(0);
        QCOMPARE(box.selLength(), 0);
    }

    void newTextDropsFormatting() {
        QTextEdit edit;
        ReportBox box(&edit);
        box.setText(QStringLiteral("hello"));
        box.setSelStart(0);
        box.setSelLength(5);
        box.setSelColour(Qt::red);
        box.setSelEmphasis();
        box.setSelPointSize(-3); // refused
        box.setText(QStringLiteral("world"));
        QTextCursor c(edit.document());
        c.setPosition(1);
        QVERIFY(!c.charFormat().fontItalic());
        QVERIFY(c.charFormat().foreground().color() != QColor(Qt::red));
        QCOMPARE(edit.document()->defaultFont().pointSizeF(), 15.75);
        QVERIFY(edit.document()->defaultFont().bold());
        QVERIFY(edit.isReadOnly());
    }

    void hideAndShow() {
        QWidget window;
        auto* edit = new QTextEdit(&window);
        ReportBox box(edit);
        box.hide();
        QVERIFY(!box.isShown());
        box.show();
        QVERIFY(box.isShown());
    }
};

QTEST_MAIN(ReportBoxTest)
#include "report_box_test.moc"
