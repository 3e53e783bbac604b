#include "cli/dates.h"

#include "report/date_report.h"
#include "zefnaro/date.h"

#include <charconv>
#include <ctime>

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
    std::string& out = out_.buffer();
    if (!json_) {
        appendPlainDateReport(out, coptic, writing_);
        out += '\n';
        out_.flushIfFull();
        return;
    }
    const GregorianDate gregorian = toGregorianDate(coptic).date;
    char separator = '{';
    const auto name = [&](std::string_view member) {
        out += separator;
        separator = ',';
        out += '"';
        out += member;
        out += "\":";
    };
    eachDateMember(
        coptic, gregorian,
        [&](std::string_view member, auto append) { // the engine's own texts: nothing to escape
            name(member);
            out += '"';
            append(out);
            out += '"';
        },
        [&](std::string_view member, int value) {
            name(member);
            char digits[16];
            out.append(digits, std::to_chars(digits, digits + sizeof digits, value).ptr);
        });
    out += "}\n";
    out_.flushIfFull();
}

} // namespace zefnaro::cli
