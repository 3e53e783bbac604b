// The command line's JSON lines for one input, as `--json` writes them, for the
// library's other front ends (the npm package): a number's line, a day's line, a
// church year's lines, or the line that says why the input was refused.
#pragma once

#include "engine/language.h"
#include "zefnaro/church.h"
#include "zefnaro/date.h"
#include "zefnaro/form.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace zefnaro {

// The day an input names — a Gregorian date (YYYY-MM-DD, or "today" where `today`
// is given) or a Coptic date in any writing the readers take — or, without one,
// why it names none, in the language.
struct NamedDay {
    std::optional<CopticDate> day;
    std::string why;
};
NamedDay dayNamed(std::string_view input, bool coptic, Language language,
                  std::optional<GregorianDate> today = std::nullopt);

// The church year an input names (a number in any writing the reader takes), or,
// without observances, why it names none.
struct NamedChurchYear {
    int year = 0;
    std::vector<Observance> observances;
    std::string why;
};
NamedChurchYear churchYearNamed(std::string_view input, Language language);

} // namespace zefnaro

namespace zefnaro::json {

// What `zefnaro-cli --json [--ordinal] [--feminine] INPUT` writes: the form given, or
// the one the input shows.
void appendNumberAnswer(std::string& out, std::string_view input, std::optional<Form> form, Language language);
// What `--date INPUT --json` (a Gregorian day) or `--coptic-date INPUT --json` writes.
void appendDateAnswer(std::string& out, std::string_view input, bool coptic, Language language);
// What `--church-year INPUT --json` writes: a line for each observance.
void appendChurchYearAnswer(std::string& out, std::string_view input, Language language);

} // namespace zefnaro::json
