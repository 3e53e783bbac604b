// A mode of zefnaro-cli: it declares its own options (their help in the chosen
// language), checks them once parsed, and answers. main lists the modes and
// runs the one chosen.
#pragma once

#include "cli/request.h"
#include "engine/say.h"

#include <CLI/CLI.hpp>

#include <functional>
#include <memory>
#include <string>
#include <vector>

namespace zefnaro::cli {

// What every mode's declaration sees: the parser, the request the options fill,
// the language of the help, and the options all modes share.
struct CommandLine {
    CLI::App& app;
    Request& request;
    Language language;
    CLI::Option* json = nullptr;
    CLI::Option* numbers = nullptr;
    // Run once the options are parsed, before the mode's check: what the shared
    // options make of the request.
    std::vector<std::function<void()>> parsed;

    std::string help(Text text) const { return std::string(say(text, language)); }
};

class CliMode {
public:
    virtual ~CliMode() = default;
    // Declares the mode's options; returns those that choose it (none for the
    // mode that answers when no other is chosen).
    virtual std::vector<CLI::Option*> declare(CommandLine& line) = 0;
    // After parsing, with the mode chosen: fills what the request needs and
    // throws CLI::ValidationError for options that do not go together.
    virtual void check(Request&) {}
    virtual int run(const Request& request) = 0;
};

// The options every mode shares: numbers, forms, writing, JSON, language, version.
void declareShared(CommandLine& line, bool& version);

std::unique_ptr<CliMode> numbersMode();    // numbers.cpp: the default
std::unique_ptr<CliMode> pageMode();       // page.cpp: --html
std::unique_ptr<CliMode> datesMode();      // dates.cpp: --date, --coptic-date
std::unique_ptr<CliMode> findMode();       // find_numerals.cpp: --find
std::unique_ptr<CliMode> practiceMode();   // practice_session.cpp: --practice
std::unique_ptr<CliMode> churchYearMode(); // church_year.cpp: --church-year

} // namespace zefnaro::cli
