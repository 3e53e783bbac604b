// Zefnaro: which number, in which form, written how. One vocabulary for writing a
// number and for what a reading found.
#pragma once

#include <cstdint>
#include <string_view>

namespace zefnaro {

// The largest number Zefnaro writes; the smallest is 1 (Coptic has no zero).
inline constexpr std::uint32_t largestNumber = 999'999'999;
// The same as people write it, for messages.
inline constexpr std::string_view largestNumberText = "999,999,999";

enum class Kind { cardinal, ordinal };
enum class Gender { masculine, feminine };

// Cardinal or ordinal, masculine or feminine: Form{Kind::ordinal, Gender::feminine}.
struct Form {
    Kind kind = Kind::cardinal;
    Gender gender = Gender::masculine;
    constexpr bool ordinal() const { return kind == Kind::ordinal; }
    constexpr bool masculine() const { return gender == Gender::masculine; }
    constexpr bool feminine() const { return gender == Gender::feminine; }
    // Spelled out rather than defaulted: these headers ask only for C++17.
    friend constexpr bool operator==(Form a, Form b) { return a.kind == b.kind && a.gender == b.gender; }
    friend constexpr bool operator!=(Form a, Form b) { return !(a == b); }
};

// How Coptic is written: as Unicode Coptic, as Coptic-font text (ASCII and Latin-1
// letters that the CS Coptic fonts draw as Coptic), or, for words, as their
// pronunciation in Latin letters.
enum class Writing { fontText, unicode, pronunciation };

} // namespace zefnaro
