// What every builder is asked for: which number, in which form, written how.
#pragma once

#include <cstdint>
#include <optional>

namespace zefnaro {

// The largest number the builders write; the smallest is 1 (Coptic has no zero).
inline constexpr std::uint32_t largestNumber = 999'999'999;

// Cardinal or ordinal, masculine or feminine.
struct Form {
    bool ordinal = false;
    bool masculine = true;
    bool operator==(const Form&) const = default;
};

// How Coptic is written: as Coptic-font text (ASCII the CS fonts draw as Coptic),
// as Unicode, or, for words, as their pronunciation in Latin letters.
enum class Writing { fontText, unicode, pronunciation };

// The number a double stands for when it is a whole number from 1 to largestNumber:
// the one gate between any double and the builders.
std::optional<std::uint32_t> translatable(double number);

} // namespace zefnaro
