// What one run of zefnaro-cli was asked, as its options give it; each mode reads
// the part it needs.
#pragma once

#include "engine/language.h"
#include "practice/practice.h"
#include "zefnaro/form.h"

#include <optional>
#include <string>
#include <vector>

namespace zefnaro::cli {

enum class Mode { numbers, page, gregorianDates, copticDates, find, practice, churchYear };

struct Request {
    Mode mode = Mode::numbers;
    // NUMBER arguments; the FILE of --find; after --date's or --coptic-date's own
    // value ("-" for standard input), more dates.
    std::vector<std::string> inputs;
    std::optional<Form> form;           // from --ordinal/--feminine; otherwise what the input shows
    Writing writing = Writing::unicode; // of the text report's Coptic lines
    bool json = false;
    bool ics = false; // --church-year as an iCalendar file
    Language language = defaultLanguage; // of the text report and the messages
    // --practice
    PracticeOptions practice;
    int count = 10;
    std::uint64_t seed = 0;
};

} // namespace zefnaro::cli
