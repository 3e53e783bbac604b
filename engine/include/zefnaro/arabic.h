// Zefnaro: a number in Arabic words and Arabic-Indic digits.
#pragma once

#include "zefnaro/export.h"
#include "zefnaro/form.h"

#include <cstdint>
#include <string>

namespace zefnaro {

// For 2005, cardinal and masculine:
//   words   two thousand and five in Arabic words, in the form asked (feminine,
//           ordinal: "the fifth after the two thousand")
//   digits  2,005 in Arabic-Indic digits and separator
//   pronunciation  the pronunciation "esnav ensho tiw" in Arabic letters, as
//                  Egyptian service books print Coptic
// The gender is the counted noun's, as in the report; the counts of thousand and
// million are masculine whatever it is. All empty outside 1..999,999,999.
struct ArabicPieces {
    std::string words;
    std::string digits;
    std::string pronunciation;
};
ZEFNARO_API ArabicPieces writeArabic(std::uint32_t number, Form form = {});

} // namespace zefnaro
