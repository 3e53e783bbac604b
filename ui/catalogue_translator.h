// The windows' texts from the catalogue: Qt asks for each tr() text by its English,
// and gets the chosen language's text of the same catalogue entry.
#pragma once

#include "engine/language.h"

#include <QTranslator>

namespace zefnaro {

class CatalogueTranslator final : public QTranslator {
public:
    explicit CatalogueTranslator(Language language);
    QString translate(const char* context, const char* sourceText, const char* disambiguation = nullptr,
                      int n = -1) const override;
    bool isEmpty() const override { return false; }

private:
    Language language_;
};

// Whether an English text (with Qt's %1, %2 …) is in the catalogue: a text the
// windows show that is not, shows in English in every language.
bool inCatalogue(const QString& english);

} // namespace zefnaro
