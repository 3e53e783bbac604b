// The language of the windows: the system's, or one the user chose in Settings
// (kept for the next start). Arabic brings its translation, Qt's own and the
// right-to-left layout.
#pragma once

#include "engine/language.h"

#include <QString>

#include <cstdint>

class QApplication;

namespace zefnaro {

enum class LanguageChoice { system, english, arabic };

// The choice kept from the last time; the system's language at first.
LanguageChoice savedLanguageChoice();
void saveLanguageChoice(LanguageChoice choice);

// The language a choice means on this machine: the system's where it is Arabic,
// otherwise English.
Language languageOf(LanguageChoice choice);

// Loads the translations of `language` into the application (removing those of
// another) and lays the windows out in its direction.
void useLanguage(Language language);

// The language the windows speak now.
Language currentLanguage();

// A number as the windows' language writes it: "2,005" or "٢٬٠٠٥".
QString numberText(std::uint32_t number);

} // namespace zefnaro
