// Coptic dates on the command line: each input a Gregorian date (YYYY-MM-DD or
// "today") or a Coptic date in any writing the reader takes, answered with the
// date's report or a JSON line.
#pragma once

#include "cli/output.h"
#include "zefnaro/form.h"

#include <string_view>

namespace zefnaro::cli {

class DateAnswerer {
public:
    DateAnswerer(bool coptic, bool json, Writing writing, Output& out, Output& errors)
        : coptic_(coptic), json_(json), writing_(writing), out_(out), errors_(errors) {}

    void answer(std::string_view input);
    bool anyRejected() const { return anyRejected_; }

private:
    void reject(std::string_view input, std::string_view why);

    bool coptic_; // the inputs are Coptic dates, not Gregorian ones
    bool json_;
    Writing writing_;
    Output& out_;
    Output& errors_;
    bool anyRejected_ = false;
};

} // namespace zefnaro::cli
