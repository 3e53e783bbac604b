// Zefnaro: Coptic numerals found in running text: only marked ones (a stroke over or under
// a letter, the sign ͵ or a keraia), read with the strict grammar, so that plain
// words and the stroked abbreviations of sacred names (ⲓ̅ⲥ̅, ⲡ̅ⲛ̅ⲁ̅) are passed over.
#pragma once

#include "zefnaro/export.h"
#include "zefnaro/read.h"

#include <cstddef>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace zefnaro {

struct FoundNumeral {
    std::size_t line = 1;   // from 1
    std::size_t column = 1; // from 1, in characters as people see them (a letter with its marks is one)
    std::string text;       // as written, the ordinal prefix and feminine ending included
    Reading reading;
};

// Scans text that may come in pieces, as a file is read in blocks: each piece
// continues the one before and is cut at a line end or a blank (never inside a
// word), and `found` is called for each numeral in order. A numeral may go on
// across a cut ("ⲃ̿" in one piece, " ⲉ̅" in the next), so the last one waits
// until finish(). Invalid UTF-8 is skipped.
class ZEFNARO_API NumeralFinder {
public:
    using Found = std::function<void(const FoundNumeral&)>;
    void scan(std::string_view piece, const Found& found);
    // The text has ended: the numeral still waiting is found.
    void finish(const Found& found);

private:
    // What stands between the last numeral (or ordinal prefix) and here: a numeral
    // goes on after exactly one blank.
    enum class Gap { none, justEnded, oneBlank };
    std::size_t line_ = 1, column_ = 1;
    FoundNumeral pending_;
    bool hasPending_ = false;
    Gap pendingGap_ = Gap::none;
    FoundNumeral prefix_; // "ⲙⲁϩ" as written, where it may stand before a numeral
    Gap prefixGap_ = Gap::none;
};

// Every numeral of a whole text: findNumerals("ⲁⲩⲱ ⲓ̅ⲃ̅ ⲛ̀ⲣⲱⲙⲓ") finds "ⲓ̅ⲃ̅" = 12 at line 1,
// column 5.
ZEFNARO_API std::vector<FoundNumeral> findNumerals(std::string_view text);

} // namespace zefnaro
