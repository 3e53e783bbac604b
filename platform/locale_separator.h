// The thousands separator the user's locale writes, for the report's digits.
#pragma once

#include <string>

namespace zefnaro {

// A comma where the locale has none.
std::string localeGroupSeparator();

} // namespace zefnaro
