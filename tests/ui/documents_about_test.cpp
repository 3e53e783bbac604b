#include "platform/link_label.h"
#include "ui/about/about_window.h"
#include "ui/launcher.h"
#include "ui_test_support.h"
#include "url_recorder.h"
#include "zefnaro/addresses.h"

#include <QAbstractButton>
#include <QApplication>
#include <QClipboard>
#include <QDir>
#include <QFile>
#include <QMessageBox>
#include <QTemporaryDir>
#include <QTest>
#include <functional>

using namespace zefnaro;
using namespace zefnaro::testing;

class DocumentsAboutTest : public QObject {
    Q_OBJECT

    std::unique_ptr<MainWindow> window;

    QUrl besideProgram(const char* name) {
        return QUrl::fromLocalFile(QCoreApplication::applicationDirPath() + "/" + name);
    }
    AboutWindow* openAbout() {
        window->findChild<QAction*>("mnuAbout")->trigger();
        return window->findChild<AboutWindow*>("frmAbout");
    }

private slots:
    void initTestCase() { QApplication::setApplicationDisplayName(QStringLiteral("Zefnaro")); }
    void init() {
        assumeFonts();
        window = shownMainWindow();
    }
    void cleanup() { window.reset(); }

    void presentDocumentIsHandedToTheDesktop() {
        UrlRecorder desktop;
        QTemporaryDir dir;
        QFile file(dir.filePath("ZFN Help v1.htm"));
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.close();
        const QString shown =
            messageShownBy([&] { launchDocument(helpDocument, dir.path(), nullptr); });
        QCOMPARE(shown, QString());
        QCOMPARE(desktop.opened, QList<QUrl>{QUrl::fromLocalFile(dir.filePath("ZFN Help v1.htm"))});
    }

    void missingOrUnreadableDocumentsShowTheirMessage() {
        const struct {
            const CompanionDocument* document;
            const char* message;
        } rows[] = {
            {&helpDocument,
             "The help file (ZFN Help v1.htm) could not be found in the root folder."},
            {&tutorialDocument,
             "The tutorial file (ZFN Tutorial v1.pdf) could not be found in the root folder."},
            {&eulaDocument, "The End User License Agreement file (EULA.TXT) could not be found in "
                            "the root folder."}};
        for (const auto& row : rows) {
            UrlRecorder desktop;
            QTemporaryDir empty;
            QMessageBox::Icon icon = QMessageBox::NoIcon;
            QCOMPARE(messageShownBy(
                         [&] { launchDocument(*row.document, empty.path(), window.get()); }, &icon),
                     QString::fromLatin1(row.message));
            QCOMPARE(icon, QMessageBox::Warning);
            // A folder by the document's name cannot be read: it counts as missing.
            QTemporaryDir unreadable;
            QVERIFY(QDir(unreadable.path()).mkdir(QString::fromUtf8(row.document->name)));
            QCOMPARE(
                messageShownBy([&] { launchDocument(*row.document, unreadable.path(), nullptr); }),
                QString::fromLatin1(row.message));
            QVERIFY(desktop.opened.isEmpty());
        }
    }

    void installedProgramFindsItsDataFolder() {
        UrlRecorder desktop;
        QTemporaryDir prefix;
        QVERIFY(QDir(prefix.path()).mkpath("bin"));
        QVERIFY(QDir(prefix.path()).mkpath("share/zefnaro"));
        QFile file(prefix.filePath("share/zefnaro/EULA.TXT"));
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.close();
        launchDocument(eulaDocument, prefix.filePath("bin"), nullptr);
        QCOMPARE(desktop.opened,
                 QList<QUrl>{QUrl::fromLocalFile(prefix.filePath("share/zefnaro/EULA.TXT"))});
    }

    void helpMenuOpensTheShippedDocuments() {
        UrlRecorder desktop;
        const std::pair<Qt::Key, const char*> rows[] = {{Qt::Key_F1, "ZFN Help v1.htm"},
                                                        {Qt::Key_F2, "ZFN Tutorial v1.pdf"},
                                                        {Qt::Key_F3, "EULA.TXT"}};
        for (const auto& [key, name] : rows) {
            desktop.opened.clear();
            QCOMPARE(messageShownBy([&] { QTest::keyClick(numberBox(*window), key); }), QString());
            QCOMPARE(desktop.opened, QList<QUrl>{besideProgram(name)});
            QVERIFY(QFile(besideProgram(name).toLocalFile()).size() > 500); // real documents
        }
    }

    void aboutTextsAndLooks() {
        AboutWindow* about = openAbout();
        QVERIFY(about);
        QCOMPARE(about->windowTitle(), QStringLiteral("About"));
        QCOMPARE(about->size(), QSize(547, 471));
        const std::pair<const char*, const char*> texts[] = {
            {"lblDisplay0", "Zefnaro"},
            {"lblDisplay3", "Version 1.0"},
            {"lblDisplay5", "Zefnaro is a free tool that translates English numerals into Bohairic "
                            "Coptic equivalents; both full written and numeral; masculine and "
                            "feminine; cardinal and ordinal forms."},
            {"lblDisplay4",
             "Zefnaro is absolutely free to use and distribute. If you discover any "
             "mistakes or have any suggestions then please contact me on the address "
             "below."},
            {"lblLink3", "Launch Zefnaro Help"},
            {"lblLink1", "Launch Zefnaro Tutorial"},
            {"lblLink2", "Launch End User License Agreement"},
            {"lblLink4", addresses::webPage},
            {"lblLink0", addresses::contactEmail}};
        for (const auto& [name, text] : texts)
            QCOMPARE(control<QLabel>(*about, name)->text(), QString::fromUtf8(text));
        const std::pair<const char*, QString> tips[] = {
            {"lblLink3", "Launch help"},
            {"lblLink1", "Launch tutorial"},
            {"lblLink2", "Launch EULA"},
            {"lblLink4", QStringLiteral("Goto: ") + addresses::webPage},
            {"lblLink0", QStringLiteral("E-mail: ") + addresses::contactEmail},
            {"imgCSFonts", QStringLiteral("Goto: ") + addresses::fontsPage}};
        for (const auto& [name, tip] : tips) {
            QWidget* w = control<QWidget>(*about, name);
            QCOMPARE(w->toolTip(), tip);
            QCOMPARE(w->cursor().shape(), Qt::PointingHandCursor);
        }
        QVERIFY(control<QLabel>(*about, "lblLink0")->font().underline());
        QCOMPARE(control<QLabel>(*about, "imgChristTeacher")->pixmap().size(), QSize(250, 471));
        QCOMPARE(control<QLabel>(*about, "imgCSFonts")->pixmap().size(), QSize(275, 55));
        QVERIFY(!control<QLabel>(*about, "imgLogo")->pixmap().toImage().isNull());
        QVERIFY(!about->windowIcon().isNull());
    }

    void aboutLinksDispatchByElement() {
        UrlRecorder desktop;
        AboutWindow* about = openAbout();
        const std::pair<const char*, QUrl> rows[] = {
            {"lblLink0", QUrl(QStringLiteral("mailto:") + addresses::contactEmail)},
            {"lblLink1", besideProgram("ZFN Tutorial v1.pdf")},
            {"lblLink2", besideProgram("EULA.TXT")},
            {"lblLink3", besideProgram("ZFN Help v1.htm")},
            {"lblLink4", QUrl(QString::fromUtf8(addresses::webPage) + "/")},
            {"imgCSFonts", QUrl(QString::fromUtf8(addresses::fontsPage))}};
        for (const auto& [name, url] : rows) {
            desktop.opened.clear();
            QTest::mouseClick(control<QWidget>(*about, name), Qt::LeftButton);
            QCOMPARE(desktop.opened, QList<QUrl>{url});
        }
        // The link labels work from the keyboard too.
        desktop.opened.clear();
        QTest::keyClick(control<QWidget>(*about, "lblLink0"), Qt::Key_Return);
        QCOMPARE(desktop.opened.size(), 1);
    }

    // With nothing on the desktop to open them, every way out says so, names what
    // it could not open and offers to copy it.
    void failuresToOpenAreShown() {
        AboutWindow* about = openAbout();
        const std::pair<std::function<void()>, QString> rows[] = {
            {[&] { window->findChild<QAction*>("mnuHelpFile")->trigger(); },
             QDir::toNativeSeparators(besideProgram("ZFN Help v1.htm").toLocalFile())},
            {[&] { QTest::mouseClick(control<QWidget>(*about, "lblLink4"), Qt::LeftButton); },
             QString::fromUtf8(addresses::webPage) + "/"},
            {[&] { QTest::mouseClick(control<QWidget>(*about, "lblLink0"), Qt::LeftButton); },
             QStringLiteral("mailto:") + addresses::contactEmail},
            {[&] { QTest::mouseClick(control<QWidget>(*about, "imgCSFonts"), Qt::LeftButton); },
             QString::fromUtf8(addresses::fontsPage)},
        };
        for (const auto& [action, target] : rows) {
            QGuiApplication::clipboard()->clear();
            QString text;
            QTimer::singleShot(0, [&] {
                auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
                if (!box) return;
                text = box->text();
                for (QAbstractButton* b : box->buttons())
                    if (b->text() == QStringLiteral("&Copy")) b->click();
            });
            action();
            QCoreApplication::processEvents();
            QVERIFY2(text.contains(QStringLiteral("Nothing on this computer could open ") + target),
                     qPrintable(text));
            QCOMPARE(QGuiApplication::clipboard()->text(), target);
        }
    }

    void oneAboutWindowAndCloseDestroysIt() {
        AboutWindow* about = openAbout();
        QCOMPARE(openAbout(), about);
        QCOMPARE(window->findChildren<AboutWindow*>().size(), 1);
        QTest::mouseClick(control<QPushButton>(*about, "cmdClose"), Qt::LeftButton);
        QTRY_COMPARE(window->findChildren<AboutWindow*>().size(), 0);
        QVERIFY(openAbout() != nullptr);
    }
};

QTEST_MAIN(DocumentsAboutTest)
#include "documents_about_test.moc"
