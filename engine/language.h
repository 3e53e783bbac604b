// The languages Zefnaro speaks, as data: each one's code, own name, direction,
// digits and number words, and its catalogue of every text a user reads. Code
// outside this room asks a language for these; it never asks which one it is.
#pragma once

#include "zefnaro/form.h"

#include <array>
#include <cstdint>
#include <initializer_list>
#include <optional>
#include <string>
#include <string_view>

namespace zefnaro {

// English is the first and the default. The pseudo-locales en-XA and ar-XB show
// every catalogue text transformed (accented and longer; right to left), so that
// a text which did not come through the catalogue stands out.
enum class Language : std::uint8_t { english, arabic, pseudoEnglish, pseudoArabic };
// What a caller gets who names no language.
inline constexpr Language defaultLanguage = Language::english;

// How the language writes the number data of a report: its digits, words and the
// pronunciation's letters.
enum class Script : std::uint8_t { latin, arabic };

struct LanguageFacts {
    std::string_view code;    // BCP 47, as --lang, ?lang= and ZEFNARO_LANGUAGE write it
    std::string_view ownName; // as its readers name it
    bool rightToLeft = false;
    Script numbers = Script::latin;
    std::string_view locale; // whose conventions the windows' own controls follow: "en-GB", "ar-EG"
    std::string_view comma;  // between a weekday and its date: ", ", or the Arabic comma
    bool dualAndPlurals = false; // counts its nouns as Arabic does: one, two, 3–10, 11–99, the rest
};

// CLDR's plural categories, as a count chooses its noun's form ("1 day", "2 days").
enum class Plural : std::uint8_t { one, two, few, many, other };
Plural pluralOf(std::uint32_t count, Language language);

const LanguageFacts& facts(Language language);
// Every language, in the order of the enum; the pseudo-locales last.
inline constexpr std::array<Language, 4> allLanguages{Language{0}, Language{1}, Language{2}, Language{3}};
// The languages a user is offered by name (the pseudo-locales are chosen by code).
inline constexpr std::array<Language, 2> offeredLanguages{Language{0}, Language{1}};

inline std::string_view languageCode(Language language) {
    return facts(language).code;
}
std::optional<Language> languageNamed(std::string_view code);
inline bool rightToLeft(Language language) {
    return facts(language).rightToLeft;
}

// The number data in the language's script.
// A count, a position or a size: "1743", grouped where the language groups them.
std::string countText(std::uint32_t number, Language language);
// Grouped digits: "2,005" (with the separator given), or in the language's own digits.
std::string groupedText(std::uint32_t number, Language language, std::string_view separator = ",");
// The digits of the number in a form: "2,005", "21st"; in Arabic, Arabic-Indic, no ending.
void appendNumberDigits(std::string& out, std::uint32_t number, Form form, Language language,
                        std::string_view separator = ",");
// Text of another direction kept whole inside the language's sentences: isolated
// (U+2068 … U+2069) where the language runs right to left, as it is elsewhere.
std::string isolated(std::string_view text, Language language);
// The number in words: English or Arabic.
void appendNumberWords(std::string& out, std::uint32_t number, Form form, Language language);
// The pronunciation of the Coptic words: Latin letters, or the Church's Arabic letters.
void appendPronunciation(std::string& out, std::uint32_t number, Form form, Language language);

} // namespace zefnaro
