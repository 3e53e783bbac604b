// Every text a user reads, from the catalogue of the language asked.
#pragma once

#include "catalogue/texts.h"
#include "engine/language.h"

#include <initializer_list>
#include <string>
#include <string_view>

namespace zefnaro {

// The text as the language's catalogue has it.
std::string_view say(Text text, Language language);
// The same with its places {1}, {2}, … filled by the values given, in order.
std::string say(Text text, Language language, std::initializer_list<std::string_view> values);

} // namespace zefnaro
