// The command line's JSON lines for one input, as `--json` writes them, for the
// library's other front ends (the npm package): a number's line, a day's line, a
// church year's lines, or the line that says why the input was refused.
#pragma once

#include "engine/language.h"
#include "zefnaro/form.h"

#include <optional>
#include <string>
#include <string_view>

namespace zefnaro::json {

// What `zefnaro-cli --json [--ordinal] [--feminine] INPUT` writes: the form given, or
// the one the input shows.
void appendNumberAnswer(std::string& out, std::string_view input, std::optional<Form> form, Language language);
// What `--date INPUT --json` (a Gregorian day) or `--coptic-date INPUT --json` writes.
void appendDateAnswer(std::string& out, std::string_view input, bool coptic, Language language);
// What `--church-year INPUT --json` writes: a line for each observance.
void appendChurchYearAnswer(std::string& out, std::string_view input, Language language);

} // namespace zefnaro::json
