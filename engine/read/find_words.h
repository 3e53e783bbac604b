// What the finder knows of Bohairic as real texts write it: the number words with
// their spellings, the articles and particles joined before a number, and the
// overlined abbreviations of holy names, which are no numbers. Letters here are
// small Coptic letters without jinkim or strokes.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string_view>

namespace zefnaro::finding {

struct NumberWord {
    std::uint32_t value = 0;
    bool feminine = false;
    // Also a common word ("ⲟⲩⲁⲓ" someone, "ϣⲉ" go, "ⲥⲉ" yes, "ⲙⲏϯ" middle): a number
    // only beside other number parts or before a counted noun.
    bool ambiguous = false;
    bool multiplier = false; // ϣⲉ, ϣⲟ, ⲑⲃⲁ: counts what stands before them
};

// Each way `letters` ends in a number word: `found(start, word)` with the word
// being letters[start..], the longest first. Stops when found returns true.
template <class Found> void eachNumberWordEnding(std::u32string_view letters, Found&& found);

// One letter further back from the end through the number words' spellings; false
// when no spelling ends so. What eachNumberWordEnding walks.
bool stepBack(int& node, char32_t letter, const NumberWord*& word);

// What stands joined before a number: particles (ⲛ̀, ⲙ̀, ⲉ̀, ϩⲓ, ϣⲁ …), then perhaps an
// article (ⲡⲓ, ϯ, ⲛⲓ, ⲡⲁⲓ, ⲧⲉϥ, ⲟⲩ, ϩⲁⲛ …), then perhaps ⲕⲉ "other".
struct Lead {
    bool ok = false;        // the letters are such a chain (or none)
    bool feminine = false;  // its article is feminine (ϯ, ⲧ, ⲑ, ⲧⲁⲓ, ⲧⲉϥ, ⲧⲟⲩ …)
    bool article = false;   // it holds an article
    bool indefinite = false; // that article is ⲟⲩ or ϩⲁⲛ
    bool linkerOnly = false; // it is ⲛ̀ or ⲙ̀ alone
};
Lead leadOf(std::u32string_view letters);

// Letters that are the abbreviation of a holy name, with or without their strokes
// (ⲓⲏⲥ, ⲡⲛⲁ, ⲓⲥⲗ, ϭⲥ, ⲫϯ …).
bool isHolyName(std::u32string_view letters);

// A word that follows a number as a particle or pronoun, not as a counted noun
// (ⲛⲁϥ, ⲛ̀ⲧⲉ, ⲙ̀ⲙⲟϥ …).
bool isParticleAfterNumber(std::u32string_view letters);

template <class Found> void eachNumberWordEnding(std::u32string_view letters, Found&& found) {
    // Shortest endings are met first walking back; the longest should be tried first.
    std::size_t starts[8];
    const NumberWord* words[8];
    std::size_t count = 0;
    int node = 0;
    for (std::size_t i = letters.size(); i-- > 0;) {
        const NumberWord* word = nullptr;
        if (!stepBack(node, letters[i], word)) break;
        if (word && count < 8) {
            starts[count] = i;
            words[count++] = word;
        }
    }
    while (count-- > 0)
        if (found(starts[count], *words[count])) return;
}

} // namespace zefnaro::finding
