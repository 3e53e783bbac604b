#include "cli/numbers.h"

#include "cli/input.h"
#include "cli/request.h"
#include "engine/utf8.h"
#include "export/json_lines.h"
#include "export/text.h"
#include "zefnaro/read.h"

#include <unistd.h>

namespace zefnaro::cli {

void Translator::answer(std::string_view input) {
    const ReadResult read = readWrittenNumber(input);
    if (!read.ok()) {
        anyRejected_ = true;
        reject(input, read.error.message, json_, out_, errors_);
        return;
    }
    const Form form = form_.value_or(read.reading.form);
    if (json_)
        json::appendNumberLine(out_.buffer(), input, read.reading, form);
    else
        appendPlainReport(out_.buffer(), read.reading.number, form, writing_);
    out_.flushIfFull();
}

int translateNumbers(const Request& request) {
    Output out(STDOUT_FILENO), errors(STDERR_FILENO);
    Translator translator(request.form, request.writing, request.json, out, errors);
    if (!request.inputs.empty()) {
        for (const auto& n : request.inputs)
            translator.answer(n);
    } else {
        InputLines lines(STDIN_FILENO, [&out] { out.flush(); });
        std::string line;
        while (lines.next(line))
            if (!utf8::isBlankText(line)) translator.answer(line);
    }
    out.flush();
    return translator.anyRejected() ? 1 : 0;
}

} // namespace zefnaro::cli
