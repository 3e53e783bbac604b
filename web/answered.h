// How both of the page's engines hand an answer back.
#pragma once

#include <cstddef>
#include <string>

namespace zefnaro::web {

// The answer of the call under way, handed to the page as it returns: its length
// in four bytes (little-endian), then its UTF-8, so that the page decodes it at
// once instead of first looking for its end, a byte at a time in JavaScript.
inline std::string answer;

template <class Write> const char* answered(Write&& write) {
    answer.assign(4, '\0');
    write(answer);
    const std::size_t length = answer.size() - 4;
    for (std::size_t i = 0; i < 4; ++i)
        answer[i] = static_cast<char>((length >> (8 * i)) & 0xFF);
    return answer.data();
}

} // namespace zefnaro::web
