// Messages built from pieces.
#pragma once

#include <initializer_list>
#include <string>
#include <string_view>

namespace zefnaro {

// Joins the pieces of a message by appending them in order (GCC 12 at -O3 warns,
// falsely, about the inserts that a chain of + on strings can make).
inline std::string joined(std::initializer_list<std::string_view> pieces) {
    std::string text;
    for (std::string_view piece : pieces)
        text += piece;
    return text;
}

} // namespace zefnaro
