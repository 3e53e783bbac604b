#include "window_language.h"

#include "ui/catalogue_translator.h"
#include "ui/fonts.h"
#include "engine/numbers.h"

#include <QApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QSettings>
#include <QTranslator>

#include <memory>

namespace zefnaro {

namespace {

constexpr auto key = "language";

Language& current() {
    static Language language = defaultLanguage;
    return language;
}

// Ours and Qt's (its dialogs' buttons, the standard shortcuts' names).
std::unique_ptr<QTranslator>& ours() {
    static std::unique_ptr<QTranslator> translator;
    return translator;
}
std::unique_ptr<QTranslator>& qts() {
    static std::unique_ptr<QTranslator> translator;
    return translator;
}

} // namespace

LanguageChoice savedLanguageChoice() {
    return languageNamed(QSettings().value(key).toString().toStdString());
}

void saveLanguageChoice(LanguageChoice choice) {
    QSettings settings;
    if (choice)
        settings.setValue(key, qs(languageCode(*choice)));
    else
        settings.remove(key);
}

Language languageOf(LanguageChoice choice) {
    if (const auto asked = languageNamed(qEnvironmentVariable("ZEFNARO_LANGUAGE").toStdString())) return *asked;
    if (choice) return *choice;
    const QString system = QLocale::system().name(); // "ar_EG"
    return languageNamed(system.left(system.indexOf(QLatin1Char('_'))).toStdString()).value_or(defaultLanguage);
}

void useLanguage(Language language) {
    for (auto* translator : {&ours(), &qts()})
        if (*translator) {
            QCoreApplication::removeTranslator(translator->get());
            translator->reset();
        }
    current() = language;
    ours() = std::make_unique<CatalogueTranslator>(language);
    QCoreApplication::installTranslator(ours().get());
    // Qt's own texts (its dialogs' buttons, the standard shortcuts' names), where Qt has the language.
    qts() = std::make_unique<QTranslator>();
    const QString code = qs(languageCode(language));
    if (!code.contains(QLatin1Char('-')) &&
        qts()->load(QStringLiteral("qtbase_") + code, QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QCoreApplication::installTranslator(qts().get());
    QGuiApplication::setLayoutDirection(rightToLeft(language) ? Qt::RightToLeft : Qt::LeftToRight);
    // Title bars add the program's name to each window's own: in the language too.
    QGuiApplication::setApplicationDisplayName(QCoreApplication::translate("Zefnaro", "Zefnaro"));
}

Language currentLanguage() {
    return current();
}

QString numberText(std::uint32_t number) {
    return QString::fromStdString(groupedText(number, current()));
}

} // namespace zefnaro
