// Helpers for driving the real windows in tests: find controls by name, read the
// report back from the document as a user would see it.
#pragma once

#include "platform/number_box.h"
#include "platform/spinner.h"
#include "export/text.h"
#include "ui/fonts.h"
#include "ui/main/main_window.h"

#include <QSettings>
#include <QTemporaryDir>
#include <QLabel>
#include <QPushButton>
#include <QTest>
#include <QHelpEvent>
#include <QTextBlock>
#include <QTextDocument>
#include <QTextEdit>
#include <QToolTip>

namespace zefnaro::testing {

template <typename T> T* control(QWidget& window, const char* name) {
    T* found = window.findChild<T*>(QString::fromLatin1(name));
    if (!found) qFatal("no control named %s", name);
    return found;
}

inline NumberBox* numberBox(QWidget& w) {
    return control<NumberBox>(w, "numberBox");
}
inline Spinner* spinner(QWidget& w) {
    return control<Spinner>(w, "spinner");
}
inline QTextEdit* reportEdit(QWidget& w) {
    return control<QTextEdit>(w, "reportView");
}
inline QLabel* statusLabel(QWidget& w) {
    return control<QLabel>(w, "statusLine");
}

// One line of the report as shown: its text and the format of its characters
// (nullopt-like: `uniform` is false when the characters differ).
struct ShownLine {
    QString text;
    QTextCharFormat format;
    bool uniform = true;
    Qt::Alignment alignment;
};

inline std::vector<ShownLine> lines(QTextEdit* edit) {
    std::vector<ShownLine> out;
    for (QTextBlock block = edit->document()->begin(); block.isValid(); block = block.next()) {
        ShownLine line;
        line.text = block.text();
        line.alignment = block.blockFormat().alignment();
        bool first = true;
        for (auto it = block.begin(); !it.atEnd(); ++it) {
            const QTextCharFormat f = it.fragment().charFormat();
            if (first)
                line.format = f;
            else if (f != line.format)
                line.uniform = false;
            first = false;
        }
        if (first) line.format = block.charFormat();
        out.push_back(line);
    }
    return out;
}

// Stands in for a machine that has every font (the CS fonts too), or only the
// listed ones.
// The settings a test saves kept in a folder of its own, never the user's.
inline void keepSettingsIn(const QTemporaryDir& folder) {
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, folder.path());
    QCoreApplication::setOrganizationName(QStringLiteral("ZefnaroTest"));
}

inline void assumeFonts(QStringList installed = {}) {
    if (installed.isEmpty())
        setFontCheck([](const QString&) { return true; });
    else
        setFontCheck([installed](const QString& f) { return installed.contains(f); });
}

// A main window, shown and on screen.
inline std::unique_ptr<MainWindow> shownMainWindow() {
    auto window = std::make_unique<MainWindow>();
    window->show();
    if (!QTest::qWaitForWindowExposed(window.get())) qWarning("the main window was not shown");
    return window;
}

// Changes the window's settings as the Settings window would: the report follows.
// A composed report as the window's report box gives it back.
inline QString plain(const Report& report) {
    return QString::fromStdString(plainText(report));
}

// Nothing selected in the report, the caret at its start.
inline bool caretAtStart(QTextEdit* edit) {
    return !edit->textCursor().hasSelection() && edit->textCursor().position() == 0;
}

// Selects the text of one line (paragraph) of the report, as a user would drag over it.
inline void selectLine(QTextEdit* edit, int line) {
    const QTextBlock block = edit->document()->findBlockByNumber(line);
    QTextCursor cursor(block);
    cursor.setPosition(block.position() + block.length() - 1, QTextCursor::KeepAnchor);
    edit->setTextCursor(cursor);
}

template <typename Change> void changeSettings(MainWindow& window, Change change) {
    DisplaySettings settings = window.settings();
    change(settings);
    window.applySettings(settings);
}

// Puts text in the entry box as code would, with the caret at the end and no
// selection, as if the user had typed it.
inline void enter(NumberBox* box, const QString& text) {
    box->setNumberText(text);
    box->deselect();
    box->setCursorPosition(static_cast<int>(box->text().size()));
}

// The tips the mouse finds moving along one line of a report, a character at a
// time, each different tip once.
inline QStringList tipsAlong(QTextEdit* edit, const QTextBlock& block) {
    QStringList tips;
    for (int i = 0; i < block.length() - 1; ++i) {
        QTextCursor a(edit->document()), b(edit->document());
        a.setPosition(block.position() + i);
        b.setPosition(block.position() + i + 1);
        const QPoint middle((edit->cursorRect(a).x() + edit->cursorRect(b).x()) / 2,
                            edit->cursorRect(a).center().y());
        QToolTip::hideText();
        QHelpEvent help(QEvent::ToolTip, middle, edit->viewport()->mapToGlobal(middle));
        QCoreApplication::sendEvent(edit->viewport(), &help);
        if (QToolTip::isVisible() && (tips.isEmpty() || tips.last() != QToolTip::text()))
            tips << QToolTip::text();
    }
    return tips;
}

} // namespace zefnaro::testing
