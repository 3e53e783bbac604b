#include "base64.h"

namespace zefnaro {

std::string base64(std::string_view bytes) {
    static constexpr char alphabet[] =
        "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789+/";
    std::string out;
    out.reserve((bytes.size() + 2) / 3 * 4);
    std::size_t i = 0;
    for (; i + 2 < bytes.size(); i += 3) {
        const auto v = static_cast<unsigned>(static_cast<unsigned char>(bytes[i])) << 16 |
                       static_cast<unsigned>(static_cast<unsigned char>(bytes[i + 1])) << 8 |
                       static_cast<unsigned char>(bytes[i + 2]);
        for (int shift = 18; shift >= 0; shift -= 6)
            out += alphabet[(v >> shift) & 63];
    }
    if (i < bytes.size()) {
        const bool two = i + 1 < bytes.size();
        const auto v = static_cast<unsigned>(static_cast<unsigned char>(bytes[i])) << 16 |
                       (two ? static_cast<unsigned>(static_cast<unsigned char>(bytes[i + 1])) << 8 : 0U);
        out += alphabet[(v >> 18) & 63];
        out += alphabet[(v >> 12) & 63];
        out += two ? alphabet[(v >> 6) & 63] : '=';
        out += '=';
    }
    return out;
}

} // namespace zefnaro
