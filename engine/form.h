// What every builder is asked for: which number, in which form, written how.
#pragma once

#include "zefnaro/form.h"

#include <cstdint>
#include <optional>

namespace zefnaro {

// The number a double stands for when it is a whole number from 1 to largestNumber:
// the one gate between any double and the builders.
std::optional<std::uint32_t> translatable(double number);

} // namespace zefnaro
