// Zefnaro: every piece of a number's report, in both writings.
#pragma once

#include "zefnaro/export.h"
#include "zefnaro/form.h"

#include <cstdint>
#include <string>

namespace zefnaro {

// The pieces of the report of one number in one form, all UTF-8. For 2005,
// cardinal and masculine:
//   digits           "2,005" ("2,005th" as an ordinal)
//   english          "Two Thousand Five"
//   coptic           "`cnau `nso tiou" (Coptic-font text)
//   pronunciation    "esnav ensho tiw"
//   numerals         "Ëb=e" (Coptic-font text)
//   copticUnicode    "ⲥ̀ⲛⲁⲩ ⲛ̀ϣⲟ ⲧⲓⲟⲩ"
//   numeralsUnicode  "ⲃ̿ⲉ̅"
// The names match zefnaro-cli --json's members.
struct Pieces {
    std::string digits;
    std::string english;
    std::string coptic;
    std::string pronunciation;
    std::string numerals;
    std::string copticUnicode;
    std::string numeralsUnicode;
};

// Writes the number in every piece. A number outside 1..largestNumber gives
// pieces that are all empty; nothing throws.
ZEFNARO_API Pieces writeNumber(std::uint32_t number, Form form = {});

} // namespace zefnaro
