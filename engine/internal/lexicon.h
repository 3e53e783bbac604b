// Internal lexicon lookups shared by the builders: integer keys, string views
// into constant tables, no allocation.
#pragma once

#include <string_view>

namespace zefnaro::lexicon {

// Half of a "text#pronunciation" or "cardinal#ordinal" entry.
constexpr std::string_view half(std::string_view entry, bool second) {
    const auto hash = entry.find('#');
    if (hash == std::string_view::npos) return second ? std::string_view() : entry;
    return second ? entry.substr(hash + 1) : entry.substr(0, hash);
}

// Coptic lexicon entry for an integer key, or "" when the key has none.
std::string_view copticEntry(long long key, bool standaloneTen, bool masculine);

// English lexicon entry for an integer key, or "" when the key has none.
std::string_view englishEntry(long long key);

// Keys of the grammatical words.
inline constexpr long long particle = -1;
inline constexpr long long conjunction = -2;
inline constexpr long long ordinalPrefix = -3;
inline constexpr long long first = -4;

} // namespace zefnaro::lexicon
