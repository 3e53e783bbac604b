// The languages Zefnaro speaks: its sentences, its messages, the words of the report.
#pragma once

#include <cstdint>
#include <optional>
#include <string_view>

namespace zefnaro {

enum class Language : std::uint8_t { english, arabic };

// "en" and "ar", as BCP 47 and the command line write them.
constexpr std::string_view languageCode(Language language) {
    return language == Language::arabic ? "ar" : "en";
}
constexpr std::optional<Language> languageNamed(std::string_view code) {
    if (code == "en") return Language::english;
    if (code == "ar") return Language::arabic;
    return std::nullopt;
}

// Arabic is written right to left.
constexpr bool rightToLeft(Language language) {
    return language == Language::arabic;
}

} // namespace zefnaro
