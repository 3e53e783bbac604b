// The windows in Arabic: right to left, translated, the report's Arabic lines right
// to left and its Coptic lines left to right; a language chosen in Settings is kept
// and the window made again in it.
#include "ui/date/date_window.h"
#include "ui/window_language.h"
#include "ui/launcher.h"
#include "ui/settings/settings_window.h"
#include "ui_test_support.h"

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QFile>
#include <QMenuBar>
#include <QSettings>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <QTextBlock>
#include <QTextEdit>
#include <QTimer>

using namespace zefnaro;
using namespace zefnaro::testing;

class ArabicWindowTest : public QObject {
    Q_OBJECT
    QTemporaryDir settingsFolder;

private slots:
    void initTestCase() { keepSettingsIn(settingsFolder); }
    void init() { assumeFonts(); }
    void cleanup() { useLanguage(Language::english); }

    void theWindowSpeaksArabicRightToLeft() {
        useLanguage(Language::arabic);
        QCOMPARE(QApplication::layoutDirection(), Qt::RightToLeft);
        const auto window = shownMainWindow();
        QCOMPARE(window->layoutDirection(), Qt::RightToLeft);
        QStringList menus;
        for (QAction* menu : window->menuBar()->actions())
            menus << menu->text();
        QCOMPARE(menus, (QStringList{"ملف (&F)", "تحرير (&E)", "عرض (&V)", "تعلّم (&L)", "مساعدة (&H)"}));
        // A pasted text that is no number is said why in Arabic, the text isolated in it.
        window->pasteText(QStringLiteral("xyz"));
        const QString why = statusLabel(*window)->text();
        QVERIFY2(why.contains(QStringLiteral("النص الملصق ليس عددًا مكتوبًا: ليس عددًا: الكلمة «\u2068xyz\u2069»")),
                 qPrintable(why));
        window->showNumber(QStringLiteral("2005"));
        const QString report = window->reportBox().text();
        QVERIFY2(report.contains(QStringLiteral("\nألفان وخمسة\n")), qPrintable(report));
        QVERIFY(report.contains(QStringLiteral("\n٢٬٠٠٥\n")));
        QVERIFY(report.contains(QStringLiteral("\nإسناف إنشو تيو\n")));
        QCOMPARE(numberText(0), QStringLiteral("٠"));
        QCOMPARE(numberText(1000000), QStringLiteral("١٬٠٠٠٬٠٠٠"));
        // Each block runs in its own direction: the Arabic right to left, the Coptic not.
        auto* view = window->findChild<QTextEdit*>(QStringLiteral("reportView"));
        const Report& shown = window->reportBox().report();
        QCOMPARE(view->document()->blockCount(), static_cast<int>(shown.lines.size()));
        int arabic = 0, coptic = 0;
        for (QTextBlock b = view->document()->begin(); b.isValid(); b = b.next()) {
            const Piece piece = shown.lines[static_cast<std::size_t>(b.blockNumber())].piece;
            const Qt::LayoutDirection direction = b.blockFormat().layoutDirection();
            if (piece == Piece::coptic || piece == Piece::numerals) {
                QCOMPARE(direction, Qt::LeftToRight);
                ++coptic;
            } else if (piece == Piece::words || piece == Piece::english || piece == Piece::pronunciation) {
                QCOMPARE(direction, Qt::RightToLeft);
                ++arabic;
            }
        }
        QCOMPARE(arabic, 7); // "for short" stands before the numerals, in the line that introduces them
        QCOMPARE(coptic, 2);
        // A pasted ordinal feminine changes the form, said as one phrase.
        window->pasteText(QStringLiteral("الحادية والعشرون"));
        QVERIFY2(statusLabel(*window)->text().contains(
                     QStringLiteral("يُعرض الآن بصيغة العدد الترتيبي المؤنث، كما كُتب به النص الملصق")),
                 qPrintable(statusLabel(*window)->text()));
        window->showDates();
        auto* dates = window->findChild<DateWindow*>();
        QVERIFY(dates);
        auto* months = dates->findChild<QComboBox*>(QStringLiteral("copticMonthList"));
        QVERIFY(months);
        QVERIFY2(months->itemText(2).contains(QStringLiteral("هاتور")), qPrintable(months->itemText(2)));
    }

    // The help page in Arabic where it is there, the English one where it is not.
    void theHelpInTheWindowsLanguage() {
        QTemporaryDir folder;
        const auto put = [&](const char* name) {
            QFile file(folder.filePath(QString::fromUtf8(name)));
            QVERIFY(file.open(QIODevice::WriteOnly));
        };
        put(helpDocument.name);
        useLanguage(Language::arabic);
        QVERIFY(documentPath(folder.path(), helpDocument).endsWith(QStringLiteral("ZFN Help v1.htm")));
        put("ZFN Help v1 ar.htm");
        QVERIFY(documentPath(folder.path(), helpDocument).endsWith(QStringLiteral("ZFN Help v1 ar.htm")));
        QVERIFY(documentPath(folder.path(), eulaDocument).endsWith(QStringLiteral("EULA.TXT")));
        useLanguage(Language::english);
        QVERIFY(documentPath(folder.path(), helpDocument).endsWith(QStringLiteral("ZFN Help v1.htm")));
    }

    void aLanguageChosenIsKeptAndTheWindowMadeAgain() {
        useLanguage(Language::english);
        const auto window = shownMainWindow();
        window->findChild<QAction*>(QStringLiteral("settingsAction"))->trigger();
        auto* settings = window->findChild<SettingsWindow*>(QStringLiteral("settingsWindow"));
        auto* languages = settings->findChild<QComboBox*>(QStringLiteral("languageList"));
        QCOMPARE(languages->itemText(2), QStringLiteral("العربية"));
        QSignalSpy chosen(settings, &SettingsWindow::languageChosen);
        languages->setCurrentIndex(2);
        QCOMPARE(chosen.count(), 1);
        QCOMPARE(savedLanguageChoice(), languageNamed("ar"));
        // The application's loop ends so that the window is made again in Arabic.
        int status = -1;
        QTimer::singleShot(2000, qApp, [] { QApplication::exit(-2); });
        status = QApplication::exec();
        QCOMPARE(status, MainWindow::languageChangedStatus);
        languages->setCurrentIndex(0);
        QCOMPARE(savedLanguageChoice(), LanguageChoice());
    }
};

QTEST_MAIN(ArabicWindowTest)
#include "arabic_window_test.moc"
