// The habits of a desktop program: any theme, the keyboard, screen readers, and
// saving, printing and zooming the report.
#include "platform/link_label.h"
#include "platform/report_document.h"
#include "report/report.h"
#include "ui/about/about_window.h"
#include "ui/settings/settings_window.h"
#include "ui_test_support.h"

#include <QAccessible>
#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QFile>
#include <QImage>
#include <QPrinter>
#include <QProcess>
#include <QStandardPaths>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>

#include <csignal>
#include <sys/resource.h>
#include <QTimer>
#include <QToolButton>
#include <QWheelEvent>
#include <QXmlStreamReader>

#include <cmath>

using namespace zefnaro;
using namespace zefnaro::testing;

namespace {

double luminance(const QColor& c) {
    const auto channel = [](double v) {
        v /= 255.0;
        return v <= 0.03928 ? v / 12.92 : std::pow((v + 0.055) / 1.055, 2.4);
    };
    return 0.2126 * channel(c.red()) + 0.7152 * channel(c.green()) + 0.0722 * channel(c.blue());
}

double contrast(const QColor& a, const QColor& b) {
    const double la = luminance(a), lb = luminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

// What the widget's text is drawn on: the nearest widget that fills its background.
QColor background(const QWidget* w) {
    for (; w; w = w->parentWidget())
        if (w->autoFillBackground() || w->isWindow())
            return w->palette().color(w->backgroundRole());
    return Qt::white;
}

QPalette darkPalette() {
    QPalette p;
    p.setColor(QPalette::Window, QColor(40, 40, 40));
    p.setColor(QPalette::WindowText, QColor(235, 235, 235));
    p.setColor(QPalette::Base, QColor(25, 25, 25));
    p.setColor(QPalette::Text, QColor(235, 235, 235));
    p.setColor(QPalette::Button, QColor(55, 55, 55));
    p.setColor(QPalette::ButtonText, QColor(235, 235, 235));
    p.setColor(QPalette::ToolTipBase, QColor(60, 60, 60));
    p.setColor(QPalette::ToolTipText, QColor(235, 235, 235));
    p.setColor(QPalette::Highlight, QColor(90, 160, 255));
    p.setColor(QPalette::Link, QColor(120, 180, 255));
    return p;
}

QString name(QWidget* w) {
    QAccessibleInterface* a = QAccessible::queryAccessibleInterface(w);
    return a ? a->text(QAccessible::Name) : QString();
}

} // namespace

class DesktopTest : public QObject {
    Q_OBJECT

    std::unique_ptr<MainWindow> window;
    NumberBox* box = nullptr;

    SettingsWindow* openSettings() {
        window->findChild<QAction*>("settingsAction")->trigger();
        return window->findChild<SettingsWindow*>("settingsWindow");
    }
    AboutWindow* openAbout() {
        window->findChild<QAction*>("aboutAction")->trigger();
        return window->findChild<AboutWindow*>("aboutWindow");
    }

private slots:
    void init() {
        assumeFonts();
        window = shownMainWindow();
        box = numberBox(*window);
    }
    void cleanup() {
        window.reset();
        QApplication::setPalette(QPalette());
    }

    void everyTextReadsUnderADarkTheme() {
        window.reset();
        QApplication::setPalette(darkPalette());
        init();
        QList<QWidget*> windows = {window.get(), openSettings(), openAbout()};
        int checked = 0;
        for (QWidget* w : windows)
            for (QWidget* text : w->findChildren<QWidget*>()) {
                const bool label =
                    qobject_cast<QLabel*>(text) && !static_cast<QLabel*>(text)->text().isEmpty();
                if (!label && !qobject_cast<QCheckBox*>(text)) continue;
                const QColor fg = text->palette().color(text->foregroundRole());
                const QColor bg = background(text);
                QVERIFY2(contrast(fg, bg) >= 4.5,
                         qPrintable(text->objectName() + QStringLiteral(": ") + fg.name() +
                                    QStringLiteral(" on ") + bg.name()));
                ++checked;
            }
        QVERIFY(checked >= 15);
    }

    void upDownAndPageKeysStepTheNumber() {
        const struct {
            const char* start;
            Qt::Key key;
            const char* result;
        } rows[] = {{"41", Qt::Key_Up, "42"},
                    {"41", Qt::Key_Down, "40"},
                    {"41", Qt::Key_PageUp, "1041"},
                    {"2041", Qt::Key_PageDown, "1041"},
                    {"999999999", Qt::Key_Up, "999999999"},
                    {"999999500", Qt::Key_PageUp, "999999999"},
                    {"1", Qt::Key_Down, "0"},
                    {"500", Qt::Key_PageDown, "0"}};
        for (const auto& r : rows) {
            enter(box, QString::fromLatin1(r.start));
            QTest::keyClick(box, r.key);
            QCOMPARE(box->text(), QString::fromLatin1(r.result));
            QCOMPARE(spinner(*window)->value(), box->text().toInt());
        }
        QCOMPARE(window->reportBox().text(),
                 plain(composeReport("0", window->settings())));
    }

    void ctrlQQuitsFromTheFileMenu() {
        auto* quit = window->findChild<QAction*>("quitAction");
        QVERIFY(quit);
        QCOMPARE(quit->text(), QStringLiteral("&Quit"));
        QCOMPARE(quit->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_Q));
        QTest::keyClick(box, Qt::Key_Q, Qt::ControlModifier);
        QTRY_VERIFY(!window->isVisible());
    }

    void settingsListsHaveAccessKeys() {
        SettingsWindow* s = openSettings();
        s->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(s));
        // Through the window system, as a real key press comes.
        QTest::keyClick(s->windowHandle(), Qt::Key_N, Qt::AltModifier);
        QTRY_COMPARE(QApplication::focusWidget(), control<QComboBox>(*s, "fontList"));
        QTest::keyClick(s->windowHandle(), Qt::Key_Z, Qt::AltModifier);
        QTRY_COMPARE(QApplication::focusWidget(), control<QComboBox>(*s, "sizeList"));
    }

    void screenReadersHearEveryControl() {
        QCOMPARE(name(box), QStringLiteral("Number"));
        QCOMPARE(name(reportEdit(*window)), QStringLiteral("Report"));
        QCOMPARE(name(spinner(*window)->upButton()), QStringLiteral("Increase the number by 1"));
        QCOMPARE(name(spinner(*window)->downButton()), QStringLiteral("Decrease the number by 1"));
        QCOMPARE(name(control<QWidget>(*window, "randomButton")), QStringLiteral("Random"));
        SettingsWindow* s = openSettings();
        // The lists are named by their labels (on Linux Qt names a list by its value
        // and points to the label that names it).
        for (const auto& [list, label] :
             {std::pair{"fontList", "Coptic Fo&nt:"}, std::pair{"sizeList", "Si&ze:"}}) {
            QAccessibleInterface* a =
                QAccessible::queryAccessibleInterface(control<QWidget>(*s, list));
            const auto labels = a->relations(QAccessible::Label);
            QVERIFY2(!labels.isEmpty(), list);
            QCOMPARE(labels.first().first->text(QAccessible::Name).remove(u'&'),
                     QString::fromLatin1(label).remove(u'&'));
        }
        AboutWindow* about = openAbout();
        for (const char* link :
             {"emailLink", "tutorialLink", "licenceLink", "helpLink", "webLink", "fontsBanner"}) {
            QAccessibleInterface* a =
                QAccessible::queryAccessibleInterface(control<QWidget>(*about, link));
            QVERIFY2(a && a->role() == QAccessible::Link, link);
            QVERIFY2(!a->text(QAccessible::Name).isEmpty(), link);
        }
        QCOMPARE(name(control<QWidget>(*about, "helpLink")), QStringLiteral("Launch Zefnaro Help"));
        for (const char* picture : {"crossPicture", "logo", "fontsBanner"})
            QVERIFY2(!name(control<QWidget>(*about, picture)).isEmpty(), picture);
        // Every control of every window has a name.
        for (QWidget* w : {static_cast<QWidget*>(window.get()), static_cast<QWidget*>(s),
                           static_cast<QWidget*>(about)})
            for (QWidget* c : w->findChildren<QWidget*>()) {
                if (!c->isVisible() || !(c->focusPolicy() & Qt::TabFocus)) continue;
                QVERIFY2(!name(c).isEmpty(), qPrintable(c->objectName()));
            }
    }

    void aboutLinksTakeTheFocusVisibly() {
        AboutWindow* about = openAbout();
        auto* link = control<LinkLabel>(*about, "helpLink");
        QVERIFY(link->focusPolicy() & Qt::TabFocus);
        link->setFocus();
        const QImage unfocused = [&] {
            about->findChild<QWidget*>("closeButton")->setFocus();
            return link->grab().toImage();
        }();
        link->setFocus(Qt::TabFocusReason); // as Tab would
        QTRY_VERIFY(link->hasFocus());
        QVERIFY(link->grab().toImage() != unfocused); // the focus frame is drawn
    }

    void zoomStepsThroughTheSizes() {
        SettingsWindow* s = openSettings();
        auto* sizes = control<QComboBox>(*s, "sizeList");
        const auto status = [&] { return statusLabel(*window)->text(); };
        QTest::keyClick(box, Qt::Key_Plus, Qt::ControlModifier);
        QCOMPARE(window->settings().fontSize, 18);
        QCOMPARE(sizes->currentText(), QStringLiteral("18"));
        QVERIFY(status().contains(QStringLiteral("| 18 |")));
        QTest::keyClick(box, Qt::Key_Equal, Qt::ControlModifier);
        QCOMPARE(window->settings().fontSize, 20);
        QTest::keyClick(box, Qt::Key_Minus, Qt::ControlModifier);
        QTest::keyClick(box, Qt::Key_Minus, Qt::ControlModifier);
        QTest::keyClick(box, Qt::Key_Minus, Qt::ControlModifier);
        QCOMPARE(window->settings().fontSize, 14);
        QTest::keyClick(box, Qt::Key_0, Qt::ControlModifier);
        QCOMPARE(window->settings().fontSize, 16);
        QCOMPARE(sizes->currentText(), QStringLiteral("16"));
        // The ends of the list hold.
        for (int i = 0; i < 40; ++i)
            window->zoomOut();
        QCOMPARE(window->settings().fontSize, 8);
        for (int i = 0; i < 40; ++i)
            window->zoomIn();
        QCOMPARE(window->settings().fontSize, 56);
        // Ctrl+wheel over the report.
        window->zoomReset();
        QWidget* view = reportEdit(*window)->viewport();
        QWheelEvent up(QPointF(10, 10), view->mapToGlobal(QPointF(10, 10)), QPoint(),
                       QPoint(0, 120), Qt::NoButton, Qt::ControlModifier, Qt::NoScrollPhase, false);
        QApplication::sendEvent(view, &up);
        QCOMPARE(window->settings().fontSize, 18);
        QCOMPARE(lines(reportEdit(*window))[1].format.fontPointSize(), 18.0);
    }

    static QString output(const QString& program, const QStringList& arguments) {
        QProcess p;
        p.start(program, arguments);
        p.waitForFinished();
        return QString::fromUtf8(p.readAllStandardOutput());
    }

    // zefnaro-cli --html writes the bytes the window saves for the same report.
    void commandLinePageIsTheSavedPage() {
        changeSettings(*window, [](DisplaySettings& s) {
            s.fontName = "Zefnaro Coptic";
            s.form.kind = Kind::ordinal;
        });
        enter(box, QStringLiteral("2005"));
        QTemporaryDir dir;
        const QString html = dir.filePath(QStringLiteral("r.html"));
        QVERIFY(window->saveReport(html));
        QFile saved(html);
        QVERIFY(saved.open(QIODevice::ReadOnly));
        QProcess cli;
        cli.start(QCoreApplication::applicationDirPath() + QStringLiteral("/zefnaro-cli"),
                  {QStringLiteral("--html"), QStringLiteral("--ordinal"), QStringLiteral("2005")});
        QVERIFY(cli.waitForFinished());
        const QByteArray page = cli.readAllStandardOutput();
        QVERIFY(page.contains("@font-face")); // the font travels in both
        QCOMPARE(page, saved.readAll());
    }

    void savesHtmlOpenDocumentAndPdf() {
        changeSettings(*window, [](DisplaySettings& s) { s.fontName = "FreeSerif"; });
        enter(box, QStringLiteral("2005"));
        QTemporaryDir dir;
        // A standalone page of today's web, its styles in classes, nothing Qt's own.
        const QString html = dir.filePath(QStringLiteral("r.html"));
        QVERIFY(window->saveReport(html));
        QFile h(html);
        QVERIFY(h.open(QIODevice::ReadOnly));
        const QString page = QString::fromUtf8(h.readAll());
        QVERIFY(page.startsWith(QStringLiteral("<!DOCTYPE html>\n<html lang=\"en\">")));
        for (const char* piece :
             {"<meta charset=\"utf-8\">", "<title>Zefnaro report: 2,005</title>",
              "lang=\"cop\">ⲥ̀ⲛⲁⲩ ⲛ̀ϣⲟ ⲧⲓⲟⲩ</span>", "font-family: \"FreeSerif\", \"Zefnaro Coptic\"",
              "color: #ff0000", "color: #804000", "font-style: italic", "Two Thousand Five"})
            QVERIFY2(page.contains(QString::fromUtf8(piece)), piece);
        // The numerals' font travels in the page, for browsers where it is not installed.
        const QRegularExpression face(
            QStringLiteral("@font-face \\{ font-family: \"Zefnaro Coptic\"; src: local\\(\"Zefnaro "
                           "Coptic\"\\), url\\(data:font/ttf;base64,([A-Za-z0-9+/=]+)\\)"));
        QFile fontFile(projectFontFile());
        QVERIFY(fontFile.open(QIODevice::ReadOnly));
        QCOMPARE(QByteArray::fromBase64(face.match(page).captured(1).toLatin1()), fontFile.readAll());
        for (const char* internal : {"qrichtext", "-qt-", "HTML 4", "style=\""})
            QVERIFY2(!page.contains(QString::fromUtf8(internal)), internal);

        // A whole OpenDocument package: mimetype first, every part well-formed.
        const QString odt = dir.filePath(QStringLiteral("r.odt"));
        QVERIFY(window->saveReport(odt));
        const QStringList parts =
            output(QStringLiteral("unzip"), {QStringLiteral("-Z1"), odt}).split(u'\n', Qt::SkipEmptyParts);
        QCOMPARE(parts, (QStringList{"mimetype", "META-INF/manifest.xml", "content.xml",
                                     "styles.xml", "meta.xml", "Fonts/ZefnaroCoptic-Regular.ttf"}));
        QCOMPARE(output(QStringLiteral("unzip"), {QStringLiteral("-p"), odt, parts[0]}),
                 QStringLiteral("application/vnd.oasis.opendocument.text"));
        for (const QString& part : parts.mid(1, 4)) {
            QXmlStreamReader xml(output(QStringLiteral("unzip"), {QStringLiteral("-p"), odt, part}));
            while (!xml.atEnd())
                xml.readNext();
            QVERIFY2(!xml.hasError(), qPrintable(part + ": " + xml.errorString()));
        }
        const QString content =
            output(QStringLiteral("unzip"), {QStringLiteral("-p"), odt, QStringLiteral("content.xml")});
        for (const char* piece : {"ⲥ̀ⲛⲁⲩ ⲛ̀ϣⲟ ⲧⲓⲟⲩ", "style:font-name=\"FreeSerif\"",
                                  "fo:color=\"#ff0000\"", "fo:font-style=\"italic\"",
                                  "Two Thousand Five"})
            QVERIFY2(content.contains(QString::fromUtf8(piece)), piece);
        // The sizes the window uses, and no other: empty lines too.
        QSet<QString> odtSizes, pageSizes;
        for (const auto& m : QRegularExpression(QStringLiteral("fo:font-size=\"([0-9.]+)pt")).globalMatch(content))
            odtSizes << m.captured(1);
        for (const auto& m : QRegularExpression(QStringLiteral("font-size: ([0-9.]+)pt")).globalMatch(page))
            pageSizes << m.captured(1);
        QCOMPARE(odtSizes, QSet<QString>{QStringLiteral("16")}); // every line at the report's 16 pt
        QCOMPARE(odtSizes, pageSizes);
        QVERIFY(output(QStringLiteral("unzip"), {QStringLiteral("-p"), odt, QStringLiteral("meta.xml")})
                    .contains(QStringLiteral("<dc:title>Zefnaro report: 2,005</dc:title>")));

        // One page, no page number, no break after a compound's hyphen, no line that
        // begins with a mark torn from its letter. (In the project's font: FreeSerif
        // draws the jinkim back from its letter, which text extractors take for a
        // word break.)
        changeSettings(*window, [](DisplaySettings& s) { s.fontName = projectFont; });
        enter(box, QStringLiteral("999999999"));
        const QString pdf = dir.filePath(QStringLiteral("r.pdf"));
        QVERIFY(window->saveReport(pdf));
        QVERIFY(output(QStringLiteral("pdfinfo"), {pdf}).contains(QRegularExpression("Pages: +1\n")));
        QStringList text = output(QStringLiteral("pdftotext"), {pdf, QStringLiteral("-")})
                               .remove(QChar(0x2060))
                               .split(u'\n', Qt::SkipEmptyParts);
        text.removeAll(QStringLiteral("\f"));
        const Report r = composeReport(999999999.0, window->settings());
        for (const QString& line : text) {
            QVERIFY2(!line.endsWith(u'-'), qPrintable(line));
            QVERIFY2(line != QStringLiteral("1"), "a page number");
            QVERIFY2(!line.at(0).isMark(), qPrintable(line));
        }
        // Every line of the report comes back whole, each mark after its own letter.
        for (Piece piece : {Piece::english, Piece::coptic, Piece::pronunciation, Piece::numerals}) {
            const QString shown = QString::fromUtf8(r.text(piece));
            QVERIFY2(text.join(u' ').contains(shown), qPrintable(shown + " in " + text.join('|')));
        }
        const QString fontList = output(QStringLiteral("pdffonts"), {pdf});
        QVERIFY2(fontList.contains(QStringLiteral("ZefnaroCoptic")), qPrintable(fontList));
        // The colours too: render the page and find the red Coptic words.
        QProcess render;
        render.start(QStringLiteral("pdftoppm"),
                     {QStringLiteral("-png"), QStringLiteral("-r"), QStringLiteral("50"),
                      QStringLiteral("-singlefile"), pdf, dir.filePath(QStringLiteral("page"))});
        QVERIFY(render.waitForFinished());
        const QImage page1(dir.filePath(QStringLiteral("page.png")));
        QVERIFY(!page1.isNull());
        int red = 0;
        for (int y = 0; y < page1.height(); ++y)
            for (int x = 0; x < page1.width(); ++x) {
                const QColor c = page1.pixelColor(x, y);
                red += c.red() > 200 && c.green() < 80 && c.blue() < 80;
            }
        QVERIFY(red > 20);

        // A folder that does not exist: a message, and false.
        QTimer::singleShot(0, [] {
            if (auto* m = QApplication::activeModalWidget()) m->close();
        });
        QVERIFY(!window->saveReport(dir.filePath(QStringLiteral("no/such/folder/r.html"))));
    }

    // A write that fails part way (the disk full: here a file-size limit, which holds
    // for root too) or cannot start says so, and leaves what was there whole: the
    // file is written beside it first, then put in its place.
    void aFailedSaveLeavesNoHalfWrittenFile() {
        QTemporaryDir dir;
        const QString kept = dir.filePath(QStringLiteral("kept.html"));
        QVERIFY(window->saveReport(kept));
        const auto bytes = [](const QString& path) {
            QFile f(path);
            return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
        };
        const QByteArray before = bytes(kept);
        enter(box, QStringLiteral("7"));
        const auto refused = [&](const QString& path) {
            QTimer::singleShot(0, [] {
                if (auto* m = QApplication::activeModalWidget()) m->close();
            });
            return !window->saveReport(path);
        };
        QVERIFY(refused(dir.filePath(QStringLiteral("kept.html/inside.html")))); // a file is no folder
        std::signal(SIGXFSZ, SIG_IGN);
        rlimit old{};
        ::getrlimit(RLIMIT_FSIZE, &old);
        rlimit small = old;
        small.rlim_cur = 512;
        ::setrlimit(RLIMIT_FSIZE, &small);
        const bool html = refused(kept), pdf = refused(dir.filePath(QStringLiteral("new.pdf")));
        ::setrlimit(RLIMIT_FSIZE, &old);
        QVERIFY(html);
        QVERIFY(pdf);
        QCOMPARE(bytes(kept), before);
        QCOMPARE(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden), QStringList{QStringLiteral("kept.html")});
    }

    // LibreOffice, where it is installed, opens the saved ODT with the report's
    // fonts (the numerals' one from inside the package) and colours.
    void libreOfficeOpensTheOdt() {
        const QString office = QStandardPaths::findExecutable(QStringLiteral("soffice"));
        if (office.isEmpty()) QSKIP("LibreOffice is not installed");
        changeSettings(*window, [](DisplaySettings& s) { s.fontName = projectFont; });
        enter(box, QStringLiteral("2005"));
        QTemporaryDir dir;
        const QString odt = dir.filePath(QStringLiteral("r.odt"));
        QVERIFY(window->saveReport(odt));
        QProcess convert;
        convert.setProcessEnvironment([&] {
            auto e = QProcessEnvironment::systemEnvironment();
            e.insert(QStringLiteral("HOME"), dir.path()); // a profile of its own
            return e;
        }());
        convert.start(office, {QStringLiteral("--headless"), QStringLiteral("--convert-to"),
                               QStringLiteral("pdf"), QStringLiteral("--outdir"), dir.path(), odt});
        QVERIFY(convert.waitForFinished(120000));
        const QString pdf = dir.filePath(QStringLiteral("r.pdf"));
        QVERIFY2(output(QStringLiteral("pdffonts"), {pdf}).contains(QStringLiteral("ZefnaroCoptic")),
                 qPrintable(output(QStringLiteral("pdffonts"), {pdf})));
        const QString text = output(QStringLiteral("pdftotext"), {pdf, QStringLiteral("-")});
        QVERIFY2(text.contains(QStringLiteral("Two Thousand Five")), qPrintable(text));
        QProcess render;
        render.start(QStringLiteral("pdftoppm"), {QStringLiteral("-png"), QStringLiteral("-r"),
                                                  QStringLiteral("50"), QStringLiteral("-singlefile"),
                                                  pdf, dir.filePath(QStringLiteral("page"))});
        QVERIFY(render.waitForFinished());
        const QImage page(dir.filePath(QStringLiteral("page.png")));
        int red = 0, brown = 0;
        for (int y = 0; y < page.height(); ++y)
            for (int x = 0; x < page.width(); ++x) {
                const QColor c = page.pixelColor(x, y);
                red += c.red() > 200 && c.green() < 80 && c.blue() < 80;
                brown += std::abs(c.red() - 0x80) < 30 && std::abs(c.green() - 0x40) < 30 && c.blue() < 40;
            }
        QVERIFY(red > 20);
        QVERIFY(brown > 5);
    }

    // Printed and saved as PDF: the same page, line for line.
    void printsThroughAPdfPrinter() {
        enter(box, QStringLiteral("987654321"));
        QTemporaryDir dir;
        QPrinter printer(QPrinter::HighResolution);
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(dir.filePath(QStringLiteral("printed.pdf")));
        printer.setPageLayout(reportPageLayout()); // as Print sets it before its dialog
        window->printReport(printer);
        const QString saved = dir.filePath(QStringLiteral("saved.pdf"));
        QVERIFY(window->saveReport(saved));
        const auto layoutText = [](const QString& pdf) {
            QProcess text;
            text.start(QStringLiteral("pdftotext"), {QStringLiteral("-layout"), pdf, QStringLiteral("-")});
            text.waitForFinished();
            return QString::fromUtf8(text.readAllStandardOutput());
        };
        const QString printed = layoutText(printer.outputFileName());
        QVERIFY2(printed.contains(QStringLiteral("Nine Hundred")), qPrintable(printed));
        QCOMPARE(printed, layoutText(saved));
        auto* print = window->findChild<QAction*>("printAction");
        QCOMPARE(print->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_P));
        QCOMPARE(window->findChild<QAction*>("saveAsAction")->shortcut(),
                 QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_S));
    }
};

QTEST_MAIN(DesktopTest)
#include "desktop_test.moc"
