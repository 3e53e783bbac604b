// The language of the windows: the system's, or one the user chose in Settings
// (kept for the next start), or ZEFNARO_LANGUAGE's (a pseudo-locale, for a look at
// what escapes the catalogue). A language brings its texts, Qt's own and its
// direction.
#pragma once

#include "engine/language.h"

#include <QString>

#include <cstdint>
#include <optional>

class QApplication;

namespace zefnaro {

// A language chosen in Settings, or none: the system's.
using LanguageChoice = std::optional<Language>;

// The choice kept from the last time; the system's language at first.
LanguageChoice savedLanguageChoice();
void saveLanguageChoice(LanguageChoice choice);

// The language a choice means on this machine: ZEFNARO_LANGUAGE's where it names
// one, else the choice, else the system's where Zefnaro speaks it, else English.
Language languageOf(LanguageChoice choice);

// Loads the translations of `language` into the application (removing those of
// another) and lays the windows out in its direction.
void useLanguage(Language language);

// The language the windows speak now.
Language currentLanguage();

// A number as the windows' language writes it: "2,005", or in its own digits.
QString numberText(std::uint32_t number);

} // namespace zefnaro
