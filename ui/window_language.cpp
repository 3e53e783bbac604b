#include "window_language.h"

#include "engine/arabic.h"
#include "engine/numbers.h"

#include <QApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QSettings>
#include <QTranslator>

#include <memory>

// The translations live in a static library, whose resources are only registered
// when asked for by name.
static void registerTranslations() {
    Q_INIT_RESOURCE(i18n);
}

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
    const QString saved = QSettings().value(key).toString();
    if (saved == QStringLiteral("en")) return LanguageChoice::english;
    if (saved == QStringLiteral("ar")) return LanguageChoice::arabic;
    return LanguageChoice::system;
}

void saveLanguageChoice(LanguageChoice choice) {
    QSettings settings;
    if (choice == LanguageChoice::system)
        settings.remove(key);
    else
        settings.setValue(key, choice == LanguageChoice::arabic ? QStringLiteral("ar") : QStringLiteral("en"));
}

Language languageOf(LanguageChoice choice) {
    switch (choice) {
    case LanguageChoice::english:
        return Language::english;
    case LanguageChoice::arabic:
        return Language::arabic;
    case LanguageChoice::system:
        break;
    }
    return QLocale::system().language() == QLocale::Arabic ? Language::arabic : Language::english;
}

void useLanguage(Language language) {
    for (auto* translator : {&ours(), &qts()})
        if (*translator) {
            QCoreApplication::removeTranslator(translator->get());
            translator->reset();
        }
    current() = language;
    static const bool registered = (registerTranslations(), true);
    Q_UNUSED(registered);
    if (language == Language::arabic) {
        ours() = std::make_unique<QTranslator>();
        if (ours()->load(QStringLiteral(":/i18n/zefnaro_ar.qm"))) QCoreApplication::installTranslator(ours().get());
        qts() = std::make_unique<QTranslator>();
        if (qts()->load(QStringLiteral("qtbase_ar"), QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
            QCoreApplication::installTranslator(qts().get());
    }
    QGuiApplication::setLayoutDirection(rightToLeft(language) ? Qt::RightToLeft : Qt::LeftToRight);
}

Language currentLanguage() {
    return current();
}

QString numberText(std::uint32_t number) {
    std::string text;
    if (current() == Language::arabic && number == 0)
        text = "٠"; // the writer's digits are for numbers Coptic has, from 1
    else if (current() == Language::arabic)
        appendArabicDigits(text, number);
    else
        text = groupDigits(number);
    return QString::fromStdString(text);
}

} // namespace zefnaro
