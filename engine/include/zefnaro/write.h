// Zefnaro: every piece of a number's report, in both writings.
#pragma once

#include "zefnaro/export.h"
#include "zefnaro/form.h"

#include <cstdint>
#include <string>

namespace zefnaro {

// The pieces of the report of one number in one form, all UTF-8. For 2005,
// cardinal and masculine:
//   digits            "2,005" ("2,005th" as an ordinal)
//   english           "Two Thousand Five"
//   coptic            "ⲥ̀ⲛⲁⲩ ⲛ̀ϣⲟ ⲧⲓⲟⲩ"
//   numerals          "ⲃ̿ⲉ̅"
//   pronunciation     "esnav ensho tiw"
//   copticFontText    "`cnau `nso tiou" (the CS fonts' text)
//   numeralsFontText  "Ëb=e" (the CS fonts' text)
struct Pieces {
    std::string digits;
    std::string english;
    std::string coptic;
    std::string numerals;
    std::string pronunciation;
    std::string copticFontText;
    std::string numeralsFontText;
};

enum class WriteError { none, outOfRange };

struct WriteResult {
    Pieces pieces;                       // all empty on an error
    WriteError error = WriteError::none; // outOfRange outside 1..largestNumber
    bool ok() const { return error == WriteError::none; }
};

// Writes the number in every piece; nothing throws.
ZEFNARO_API WriteResult writeNumber(std::uint32_t number, Form form = {});

} // namespace zefnaro
