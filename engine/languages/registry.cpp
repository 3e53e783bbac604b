// The table of languages: the one place that knows which language is which.
#include "engine/arabic.h"
#include "engine/coptic.h"
#include "engine/english.h"
#include "engine/language.h"
#include "engine/numbers.h"

#include <string>

namespace zefnaro {

namespace {

constexpr LanguageFacts table[] = {
    {"en", "English", false, Script::latin, "en-GB", ", ", false},
    {"ar", "\u0627\u0644\u0639\u0631\u0628\u064A\u0629", true, Script::arabic, "ar-EG", "\u060C ", true}, // "Arabic" in Arabic, and the Arabic comma
    // The pseudo-locales show English's number data: only their texts change.
    {"en-XA", "English (pseudo-accents)", false, Script::latin, "en-GB", ", "},
    {"ar-XB", "English (pseudo-bidi)", true, Script::latin, "en-GB", ", "},
};
static_assert(std::size(table) == allLanguages.size());

} // namespace

const LanguageFacts& facts(Language language) {
    return table[static_cast<std::size_t>(language)];
}

// CLDR's rules: English one and other; Arabic one, two, few (3–10 of a hundred),
// many (11–99 of a hundred) and other.
Plural pluralOf(std::uint32_t count, Language language) {
    if (count == 1) return Plural::one;
    if (!facts(language).dualAndPlurals) return Plural::other;
    if (count == 2) return Plural::two;
    const std::uint32_t rest = count % 100;
    return rest >= 3 && rest <= 10 ? Plural::few : rest >= 11 ? Plural::many : Plural::other;
}

std::optional<Language> languageNamed(std::string_view code) {
    for (const Language language : allLanguages)
        if (facts(language).code == code) return language;
    return std::nullopt;
}

std::string countText(std::uint32_t number, Language language) {
    // Arabic groups every count's digits; English writes a count (a position, a score) plain.
    if (facts(language).numbers == Script::arabic) return arabicIndic(groupDigits(number));
    return std::to_string(number);
}

std::string groupedText(std::uint32_t number, Language language, std::string_view separator) {
    if (facts(language).numbers == Script::arabic) return arabicIndic(groupDigits(number));
    return groupDigits(number, separator);
}

void appendNumberDigits(std::string& out, std::uint32_t number, Form form, Language language,
                        std::string_view separator) {
    // Arabic writes no ordinal ending after digits: the sentence around says it.
    if (facts(language).numbers == Script::arabic) return appendArabicDigits(out, number);
    appendGroupedDigits(out, number, separator);
    if (form.ordinal()) out += getOrdinalSuffix(number);
}

std::string isolated(std::string_view text, Language language) {
    if (!facts(language).rightToLeft) return std::string(text);
    std::string out = "\u2068"; // appended: GCC 12 at -O3 warns, falsely, about "…" + a string
    out.append(text).append("\u2069");
    return out;
}

void appendNumberWords(std::string& out, std::uint32_t number, Form form, Language language) {
    if (facts(language).numbers == Script::arabic) return appendArabicWords(out, number, form);
    appendEnglishWords(out, number, form);
}

void appendPronunciation(std::string& out, std::uint32_t number, Form form, Language language) {
    if (facts(language).numbers == Script::arabic) return appendArabicPronunciation(out, number, form);
    appendCopticWords(out, number, form, Writing::pronunciation);
}

} // namespace zefnaro
