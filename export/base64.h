// Bytes as base64 (RFC 4648, padded), for fonts inside a page.
#pragma once

#include <string>
#include <string_view>

namespace zefnaro {

std::string base64(std::string_view bytes);

} // namespace zefnaro
