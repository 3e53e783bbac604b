// Text inside HTML and XML markup, escaped once for every writer.
#pragma once

#include <string>
#include <string_view>

namespace zefnaro {

// & < > and " as entities: safe in element text and in double-quoted attributes.
void appendEscaped(std::string& out, std::string_view text);
std::string escaped(std::string_view text);

} // namespace zefnaro
