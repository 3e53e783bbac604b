// Numbers on the command line: each input, in any written form, answered with its
// text report or its JSON line.
#include "cli/answers.h"
#include "cli/mode.h"
#include "export/json_lines.h"
#include "engine/read_reason.h"
#include "export/text.h"
#include "zefnaro/read.h"

namespace zefnaro::cli {

namespace {

int translateNumbers(const Request& request) {
    Answers answers(request.json);
    const auto answer = [&](std::string_view input) {
        const ReadResult read = readWrittenNumber(input);
        if (!read.ok()) return answers.reject(input, readerMessage(readExplained(input).why, request.language));
        const Form form = request.form.value_or(read.reading.form);
        if (answers.json())
            json::appendNumberLine(answers.buffer(), input, read.reading, form);
        else
            appendPlainReport(answers.buffer(), read.reading.number, form, request.writing, request.language);
        answers.flushIfFull();
    };
    if (request.inputs.empty()) answers.eachLine(answer);
    for (const auto& input : request.inputs)
        answer(input);
    return answers.status();
}

class NumbersMode final : public CliMode {
public:
    std::vector<CLI::Option*> declare(CommandLine&) override { return {}; }
    int run(const Request& request) override { return translateNumbers(request); }
};

} // namespace

std::unique_ptr<CliMode> numbersMode() {
    return std::make_unique<NumbersMode>();
}

} // namespace zefnaro::cli
