// What the modes that answer one input at a time share: where the answers go, where
// a rejected input's reason goes, the inputs themselves, and the exit status.
#pragma once

#include "cli/input.h"
#include "cli/output.h"
#include "engine/utf8.h"

#include <string>
#include <string_view>
#include <unistd.h>
#include <vector>

namespace zefnaro::cli {

class Answers {
public:
    explicit Answers(bool json) : json_(json) {}

    bool json() const { return json_; }
    // The buffer an answer is appended to; flushIfFull() after each.
    std::string& buffer() { return out_.buffer(); }
    void flushIfFull() { out_.flushIfFull(); }
    // A JSON line {"input":…,"error":…} among the answers, or for a person at the
    // terminal the message on standard error, after the answers before it.
    void reject(std::string_view input, std::string_view why) {
        anyRejected_ = true;
        cli::reject(input, why, json_, out_, errors_);
    }
    // Each line of standard input that is not blank, as it comes; the answers so
    // far are handed over whenever the next line must be waited for.
    template <class Answer> void eachLine(Answer&& answer) {
        InputLines lines(STDIN_FILENO, [this] { out_.flush(); });
        std::string line;
        while (lines.next(line))
            if (!utf8::isBlankText(line)) answer(std::string_view(line));
    }
    // Each input in order; the first may be - for the lines of standard input (the
    // option's own value: --date -, --church-year -).
    template <class Answer> void eachInput(const std::vector<std::string>& inputs, Answer&& answer) {
        if (inputs.front() == "-")
            eachLine(answer);
        else
            answer(std::string_view(inputs.front()));
        for (std::size_t i = 1; i < inputs.size(); ++i)
            answer(std::string_view(inputs[i]));
    }
    // 1 when any input was rejected, else 0; everything written.
    int status() {
        out_.flush();
        return anyRejected_ ? 1 : 0;
    }

private:
    bool json_;
    Output out_{STDOUT_FILENO}, errors_{STDERR_FILENO};
    bool anyRejected_ = false;
};

} // namespace zefnaro::cli
