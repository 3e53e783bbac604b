// The windows in the pseudo-locales: every text a user reads came through the
// catalogue (en-XA's brackets, ar-XB's right-to-left runs), none is cut short by
// en-XA's longer texts, and ar-XB lays the windows out right to left.
#include "ui/practice/practice_window.h"
#include "report/fonts.h"
#include "ui/fonts.h"
#include "ui/window_language.h"
#include "zefnaro/addresses.h"
#include "ui_test_support.h"

#include <QAbstractButton>
#include <QApplication>
#include <QComboBox>
#include <QFontDatabase>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QMenuBar>
#include <QRegularExpression>
#include <QSettings>
#include <QTemporaryDir>
#include <QTest>
#include <QTextDocument>

using namespace zefnaro;
using namespace zefnaro::testing;

namespace {

// The words of a text left once the catalogue's runs, the program's data and the
// names typed as they are (fonts, keys) are taken out.
QStringList englishLeftIn(QString text, const QString& open, const QString& close, const QStringList& data) {
    if (Qt::mightBeRichText(text)) {
        QTextDocument document;
        document.setHtml(text);
        text = document.toPlainText();
    }
    for (qsizetype at; (at = text.indexOf(open)) >= 0;) {
        const qsizetype end = text.indexOf(close, at + open.size());
        text.remove(at, end < 0 ? text.size() - at : end + close.size() - at);
    }
    for (const QString& d : data) text.remove(d);
    QStringList left;
    static const QRegularExpression word(QStringLiteral("[A-Za-z]{3,}"));
    for (auto it = word.globalMatch(text); it.hasNext();) left << it.next().captured();
    return left;
}

// Every text the windows show: captions, items, menus, tips, names for screen readers.
QStringList textsOf(QWidget& window) {
    QStringList texts{window.windowTitle(), QGuiApplication::applicationDisplayName()};
    for (QWidget* w : window.findChildren<QWidget*>()) {
        if (!w->isVisibleTo(&window) || w->objectName() == QLatin1String("reportView")) continue;
        texts << w->toolTip() << w->accessibleName() << w->accessibleDescription();
        if (auto* l = qobject_cast<QLabel*>(w)) texts << l->text();
        if (auto* b = qobject_cast<QAbstractButton*>(w)) texts << b->text();
        if (auto* g = qobject_cast<QGroupBox*>(w)) texts << g->title();
        if (auto* e = qobject_cast<QLineEdit*>(w)) texts << e->placeholderText();
        if (auto* c = qobject_cast<QComboBox*>(w))
            for (int i = 0; i < c->count(); ++i) texts << c->itemText(i);
        if (auto* list = qobject_cast<QListWidget*>(w))
            for (int i = 0; i < list->count(); ++i) texts << list->item(i)->text();
        for (QAction* a : w->actions()) {
            texts << a->text() << a->toolTip();
            if (a->menu())
                for (QAction* inner : a->menu()->actions()) texts << inner->text();
        }
    }
    return texts;
}

} // namespace

class PseudoLocaleTest : public QObject {
    Q_OBJECT
    QTemporaryDir settingsFolder;

private slots:
    void initTestCase() { keepSettingsIn(settingsFolder); }
    void init() { assumeFonts(); }
    void cleanup() { useLanguage(defaultLanguage); }

    void everyTextComesFromTheCatalogue_data() {
        QTest::addColumn<QString>("code");
        QTest::addColumn<QString>("open");
        QTest::addColumn<QString>("close");
        QTest::newRow("en-XA") << "en-XA" << "[" << "]";
        QTest::newRow("ar-XB") << "ar-XB" << QStringLiteral("\u202E") << QStringLiteral("\u202C");
    }
    void everyTextComesFromTheCatalogue() {
        QFETCH(QString, code);
        QFETCH(QString, open);
        QFETCH(QString, close);
        const Language language = *languageNamed(code.toStdString());
        useLanguage(language);
        QCOMPARE(QApplication::layoutDirection(), rightToLeft(language) ? Qt::RightToLeft : Qt::LeftToRight);
        const auto window = shownMainWindow();
        window->showNumber(QStringLiteral("2005"));
        window->showSettings();
        window->showAbout();
        window->showDates();
        window->showPractice();
        // Data, not catalogue text: font names, the number's digits and words, shortcut keys.
        QStringList data = QFontDatabase::families();
        for (const std::string_view font : csFonts) data << qs(font);
        data << QString::fromUtf8(addresses::webPage) << QString::fromUtf8(addresses::contactEmail)
             << QString::fromUtf8(addresses::fontsPage);
        data << QStringLiteral("Two Thousand Five") << QStringLiteral("Ctrl") << QStringLiteral("esnav ensho tiw")
             << QStringLiteral("English");
        std::sort(data.begin(), data.end(), [](const QString& a, const QString& b) { return a.size() > b.size(); });
        int windows = 0;
        QStringList escaped;
        for (QWidget* top : QApplication::topLevelWidgets()) {
            if (!top->isVisible()) continue;
            ++windows;
            for (const QString& text : textsOf(*top))
                for (const QString& word : englishLeftIn(text, open, close, data))
                    escaped << QStringLiteral("%1: \"%2\" (%3)").arg(top->objectName(), word, text);
        }
        QVERIFY(windows >= 5);
        escaped.removeDuplicates();
        QVERIFY2(escaped.isEmpty(), qPrintable(code + QStringLiteral(" shows text that did not come from the catalogue:\n") +
                                              escaped.join(QLatin1Char('\n'))));
    }

    // en-XA's texts are a third longer: labels and buttons still show them whole.
    void longerTextsAreNotCut() {
        useLanguage(*languageNamed("en-XA"));
        const auto window = shownMainWindow();
        window->showSettings();
        window->showAbout();
        window->showDates();
        window->showPractice();
        for (QWidget* top : QApplication::topLevelWidgets()) {
            if (!top->isVisible()) continue;
            for (QWidget* w : top->findChildren<QWidget*>()) {
                if (!w->isVisibleTo(top) || w->objectName().startsWith(QLatin1String("qt_"))) continue;
                const auto* label = qobject_cast<QLabel*>(w);
                const auto* button = qobject_cast<QAbstractButton*>(w);
                if ((label && !label->wordWrap() && !label->text().isEmpty() && label->pixmap().isNull()) ||
                    (button && !button->text().isEmpty()))
                    QVERIFY2(w->width() >= w->sizeHint().width() - 1,
                             qPrintable(QStringLiteral("%1 in %2: %3 wide for %4")
                                            .arg(w->objectName(), top->objectName())
                                            .arg(w->width())
                                            .arg(w->sizeHint().width())));
            }
        }
    }
};

QTEST_MAIN(PseudoLocaleTest)
#include "pseudo_locale_test.moc"
