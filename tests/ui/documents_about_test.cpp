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
        window->findChild<QAction*>("aboutAction")->trigger();
        return window->findChild<AboutWindow*>("aboutWindow");
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
            {"titleText", "Zefnaro"},
            {"versionText", "Version 2.2"},
            {"descriptionText", "Zefnaro is a free tool that translates English numerals into Bohairic "
                            "Coptic equivalents; both full written and numeral; masculine and "
                            "feminine; cardinal and ordinal forms."},
            {"feedbackText",
             "Zefnaro is absolutely free to use and distribute. If you discover any "
             "mistakes or have any suggestions then please contact me on the address "
             "below."},
            {"helpLink", "Launch Zefnaro Help"},
            {"tutorialLink", "Launch Zefnaro Tutorial"},
            {"licenceLink", "Launch End User License Agreement"},
            {"webLink", addresses::webPage},
            {"emailLink", addresses::contactEmail}};
        for (const auto& [name, text] : texts)
            QCOMPARE(control<QLabel>(*about, name)->text(), QString::fromUtf8(text));
        const std::pair<const char*, QString> tips[] = {
            {"helpLink", "Launch help"},
            {"tutorialLink", "Launch tutorial"},
            {"licenceLink", "Launch EULA"},
            {"webLink", QStringLiteral("Goto: ") + addresses::webPage},
            {"emailLink", QStringLiteral("E-mail: ") + addresses::contactEmail},
            {"fontsBanner", QStringLiteral("Goto: ") + addresses::fontsPage}};
        for (const auto& [name, tip] : tips) {
            QWidget* w = control<QWidget>(*about, name);
            QCOMPARE(w->toolTip(), tip);
            QCOMPARE(w->cursor().shape(), Qt::PointingHandCursor);
        }
        QVERIFY(control<QLabel>(*about, "emailLink")->font().underline());
        QCOMPARE(control<QLabel>(*about, "crossPicture")->pixmap().size(), QSize(250, 471));
        QCOMPARE(control<QLabel>(*about, "fontsBanner")->pixmap().size(), QSize(275, 55));
        QVERIFY(!control<QLabel>(*about, "logo")->pixmap().toImage().isNull());
        QVERIFY(!about->windowIcon().isNull());
    }

    void aboutLinksDispatchByElement() {
        UrlRecorder desktop;
        AboutWindow* about = openAbout();
        const std::pair<const char*, QUrl> rows[] = {
            {"emailLink", QUrl(QStringLiteral("mailto:") + addresses::contactEmail)},
            {"tutorialLink", besideProgram("ZFN Tutorial v1.pdf")},
            {"licenceLink", besideProgram("EULA.TXT")},
            {"helpLink", besideProgram("ZFN Help v1.htm")},
            {"webLink", QUrl(QString::fromUtf8(addresses::webPage) + "/")},
            {"fontsBanner", QUrl(QString::fromUtf8(addresses::fontsPage))}};
        for (const auto& [name, url] : rows) {
            desktop.opened.clear();
            QTest::mouseClick(control<QWidget>(*about, name), Qt::LeftButton);
            QCOMPARE(desktop.opened, QList<QUrl>{url});
        }
        // The link labels work from the keyboard too.
        desktop.opened.clear();
        QTest::keyClick(control<QWidget>(*about, "emailLink"), Qt::Key_Return);
        QCOMPARE(desktop.opened.size(), 1);
    }

    // With nothing on the desktop to open them, every way out says so, names what
    // it could not open and offers to copy it.
    void failuresToOpenAreShown() {
        AboutWindow* about = openAbout();
        const std::pair<std::function<void()>, QString> rows[] = {
            {[&] { window->findChild<QAction*>("helpAction")->trigger(); },
             QDir::toNativeSeparators(besideProgram("ZFN Help v1.htm").toLocalFile())},
            {[&] { QTest::mouseClick(control<QWidget>(*about, "webLink"), Qt::LeftButton); },
             QString::fromUtf8(addresses::webPage) + "/"},
            {[&] { QTest::mouseClick(control<QWidget>(*about, "emailLink"), Qt::LeftButton); },
             QStringLiteral("mailto:") + addresses::contactEmail},
            {[&] { QTest::mouseClick(control<QWidget>(*about, "fontsBanner"), Qt::LeftButton); },
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
        QTest::mouseClick(control<QPushButton>(*about, "closeButton"), Qt::LeftButton);
        QTRY_COMPARE(window->findChildren<AboutWindow*>().size(), 0);
        QVERIFY(openAbout() != nullptr);
    }
};

QTEST_MAIN(DocumentsAboutTest)
#include "documents_about_test.moc"
