// Numbers on the command line: each input, in any written form, answered with its
// text report or its JSON line.
#pragma once

#include "cli/output.h"
#include "zefnaro/form.h"

#include <optional>
#include <string_view>

namespace zefnaro::cli {

class Translator {
public:
    Translator(std::optional<Form> form, Writing writing, bool json, Output& out, Output& errors)
        : form_(form), writing_(writing), json_(json), out_(out), errors_(errors) {}

    // Translates one input; a rejected one goes to the errors (text) or the output
    // (JSON) with its reason.
    void answer(std::string_view input);
    bool anyRejected() const { return anyRejected_; }

private:
    std::optional<Form> form_;
    Writing writing_;
    bool json_;
    Output& out_;
    Output& errors_;
    bool anyRejected_ = false;
};

} // namespace zefnaro::cli
