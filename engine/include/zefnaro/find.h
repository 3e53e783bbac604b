// Zefnaro: the numbers of running Bohairic text, as real texts write them: marked
// numerals alone or joined to the articles and particles before them (ⲡⲓⲍ̅, ⲙ̀ⲓ̅ⲉ̅),
// ordinals with ⲙⲁϩ (ⲙ̀ⲙⲁϩⲃ̅, ϯⲙⲁϩ ⲭ̅), thousands and ten thousands with ⲛ̀ϣⲟ and ⲑⲃⲁ,
// parts joined by ⲛⲉⲙ, numbers in words where they can only be numbers, and
// fractions (ⲫⲣⲉⲅ̅, a third). Plain words and the overlined abbreviations of holy
// names (ⲓⲏ̅ⲥ̅, ⲡⲛ̅ⲁ̅, ⲓⲥ̅ⲗ̅) are passed over.
#pragma once

#include "zefnaro/export.h"
#include "zefnaro/read.h"

#include <cstddef>
#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

namespace zefnaro {

namespace detail {
struct FinderState;
}

// How a found number is written; foundKindName gives "numeral", "words", "mixed"
// and "fraction".
enum class FoundKind { numeral, words, mixed, fraction };
ZEFNARO_API std::string_view foundKindName(FoundKind kind);

struct FoundNumeral {
    std::size_t line = 1;   // from 1
    std::size_t column = 1; // from 1, in characters as people see them (a letter with its marks is one)
    std::string text;       // the number as written: its ⲙⲁϩ, ⲣⲉ and ϯ included, not the article before it
    Reading reading;        // a fraction's reading holds its denominator
    FoundKind kind = FoundKind::numeral;
    std::uint32_t denominator = 0; // a fraction's: 3 for ⲫⲣⲉⲅ̅, 1/3; else 0
};

// Scans text that may come in pieces, as a file is read in blocks: each piece
// continues the one before and is cut at a line end or a blank (never inside a
// word), and `found` is called for each number in order. A number may go on
// across a cut ("ⲅ̅" in one piece, " ⲛ̀ϣⲟ" in the next), so the last ones wait
// until finish(). Invalid UTF-8 is skipped.
class ZEFNARO_API NumeralFinder {
public:
    using Found = std::function<void(const FoundNumeral&)>;
    NumeralFinder();
    ~NumeralFinder();
    NumeralFinder(NumeralFinder&&) noexcept;
    NumeralFinder& operator=(NumeralFinder&&) noexcept;
    void scan(std::string_view piece, const Found& found);
    // The text has ended: the numbers still waiting are found.
    void finish(const Found& found);

private:
    std::unique_ptr<detail::FinderState> state_;
};

// Every number of a whole text: findNumerals("ⲁⲩⲱ ⲓ̅ⲃ̅ ⲛ̀ⲣⲱⲙⲓ") finds "ⲓ̅ⲃ̅" = 12 at line 1,
// column 5.
ZEFNARO_API std::vector<FoundNumeral> findNumerals(std::string_view text);

} // namespace zefnaro
