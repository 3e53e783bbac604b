#include "cli/dates.h"

#include "cli/input.h"
#include "cli/request.h"
#include "engine/utf8.h"
#include "export/json_lines.h"
#include "export/text.h"
#include "zefnaro/date.h"

#include <ctime>
#include <unistd.h>

namespace zefnaro::cli {

namespace {

// Today where the user is: what a calendar on the wall shows.
GregorianDate today() {
    const std::time_t now = std::time(nullptr);
    std::tm local{};
    localtime_r(&now, &local);
    return {local.tm_year + 1900, local.tm_mon + 1, local.tm_mday};
}

} // namespace

void DateAnswerer::reject(std::string_view input, std::string_view why) {
    anyRejected_ = true;
    cli::reject(input, why, json_, out_, errors_);
}

void DateAnswerer::answer(std::string_view input) {
    CopticDate coptic;
    if (coptic_) {
        const CopticDateResult read = readCopticDate(input);
        if (!read.ok()) return reject(input, read.error.message);
        coptic = read.date;
    } else {
        GregorianDateResult read;
        if (input == "today")
            read.date = today();
        else
            read = readGregorianDate(input);
        if (!read.ok()) return reject(input, read.error.message);
        const CopticDateResult converted = toCopticDate(read.date);
        if (!converted.ok()) return reject(input, converted.error.message);
        coptic = converted.date;
    }
    if (json_) {
        json::appendDateLine(out_.buffer(), coptic);
    } else {
        appendPlainDateReport(out_.buffer(), coptic, writing_);
        out_.buffer() += '\n';
    }
    out_.flushIfFull();
}

int answerDates(const Request& request) {
    const bool coptic = request.mode == Mode::copticDates;
    Output out(STDOUT_FILENO), errors(STDERR_FILENO);
    DateAnswerer dates(coptic, request.json, request.writing, out, errors);
    if (request.inputs.front() == "-") {
        InputLines lines(STDIN_FILENO, [&out] { out.flush(); });
        std::string line;
        while (lines.next(line))
            if (!utf8::isBlankText(line)) dates.answer(line);
    } else {
        dates.answer(request.inputs.front());
    }
    for (std::size_t i = 1; i < request.inputs.size(); ++i)
        dates.answer(request.inputs[i]);
    out.flush();
    return dates.anyRejected() ? 1 : 0;
}

} // namespace zefnaro::cli
