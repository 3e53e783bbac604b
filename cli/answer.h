// One input of the command line, translated into the text report or a JSON line.
#pragma once

#include "cli/output.h"
#include "engine/coptic.h"
#include "zefnaro/form.h"
#include "report/report.h"

#include <optional>
#include <string_view>
#include <vector>

namespace zefnaro::cli {

struct Options {
    std::optional<Form> form; // from --ordinal/--feminine; otherwise what the input shows
    Writing writing = Writing::unicode; // of the text report's Coptic lines
    bool json = false;
};

class Translator {
public:
    Translator(Options options, Output& out, Output& errors)
        : options_(options), out_(out), errors_(errors) {}

    // Translates one input; a rejected one goes to the errors (text) or the output
    // (JSON) with its reason.
    void answer(std::string_view input);
    bool anyRejected() const { return anyRejected_; }

private:
    Options options_;
    Output& out_;
    Output& errors_;
    bool anyRejected_ = false;
};

} // namespace zefnaro::cli
