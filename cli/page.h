// zefnaro-cli --html: one number's report as the standalone page the window saves.
#pragma once

#include "engine/language.h"
#include "zefnaro/form.h"

#include <optional>
#include <string>
#include <string_view>

namespace zefnaro::cli {

// The page, or "" with the reader's reason in `why` when the input is no number.
// The program's font travels in it where the report uses it and it is installed
// beside the program.
std::string reportPageFor(std::string_view input, std::optional<Form> form, Writing writing,
                          std::string& why, Language language = defaultLanguage);

} // namespace zefnaro::cli
