#include "ui/catalogue_translator.h"

#include "engine/say.h"

#include <QHash>
#include <QRegularExpression>

namespace zefnaro {

namespace {

// Qt writes a place %1, the catalogue {1}.
QString asCatalogue(QString text) {
    static const QRegularExpression place(QStringLiteral("%(\\d)"));
    return text.replace(place, QStringLiteral("{\\1}"));
}
QString asQt(QString text) {
    static const QRegularExpression place(QStringLiteral("\\{(\\d)\\}"));
    return text.replace(place, QStringLiteral("%\\1"));
}

// Every English text of the catalogue, to its entry.
const QHash<QString, Text>& byEnglish() {
    static const QHash<QString, Text> table = [] {
        QHash<QString, Text> t;
        // The windows' own entries last: where two share an English, the window's wins.
        for (const bool windows : {false, true})
            for (std::size_t i = 0; i < textCount; ++i) {
                if (std::string_view(catalogues::keys[i]).starts_with("window.") != windows) continue;
                const std::string_view english = say(static_cast<Text>(i), defaultLanguage);
                t.insert(QString::fromUtf8(english.data(), static_cast<qsizetype>(english.size())),
                         static_cast<Text>(i));
            }
        return t;
    }();
    return table;
}

} // namespace

CatalogueTranslator::CatalogueTranslator(Language language) : language_(language) {}

QString CatalogueTranslator::translate(const char*, const char* sourceText, const char*, int) const {
    const auto found = byEnglish().constFind(asCatalogue(QString::fromUtf8(sourceText)));
    if (found == byEnglish().constEnd()) return {};
    const std::string_view text = say(*found, language_);
    return asQt(QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size())));
}

bool inCatalogue(const QString& english) {
    return byEnglish().contains(asCatalogue(english));
}

} // namespace zefnaro
