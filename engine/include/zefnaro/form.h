// Zefnaro: which number, in which form, written how.
#pragma once

#include <cstdint>
#include <string_view>

namespace zefnaro {

// The largest number Zefnaro writes; the smallest is 1 (Coptic has no zero).
inline constexpr std::uint32_t largestNumber = 999'999'999;
// The same as people write it, for messages.
inline constexpr std::string_view largestNumberText = "999,999,999";

// Cardinal or ordinal, masculine or feminine.
struct Form {
    bool ordinal = false;
    bool masculine = true;
    // Spelled out rather than defaulted: these headers ask only for C++17.
    friend bool operator==(Form a, Form b) { return a.ordinal == b.ordinal && a.masculine == b.masculine; }
    friend bool operator!=(Form a, Form b) { return !(a == b); }
};

// How Coptic is written: as Coptic-font text (ASCII and Latin-1 letters that the
// CS Coptic fonts draw as Coptic), as Unicode Coptic, or, for words, as their
// pronunciation in Latin letters.
enum class Writing { fontText, unicode, pronunciation };

} // namespace zefnaro
