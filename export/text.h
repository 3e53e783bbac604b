// The report as plain text: terminals, plain-text copies and files.
#pragma once

#include "report/report.h"
#include "zefnaro/date.h"

#include <cstdint>
#include <string>

namespace zefnaro {

// The lines with "\n" after each but the last.
std::string plainText(const Report& report);
void appendPlainText(std::string& out, const Report& report);

// A number's report (1..largestNumber; nothing for another) appended straight
// to `out`, as plainText(composeReport(...)) gives it, without a report composed
// between: for the command line's pace.
void appendPlainReport(std::string& out, std::uint32_t number, Form form, Writing writing,
                       Language language = defaultLanguage);
// The same for a day; a date that is no day appends nothing.
void appendPlainDateReport(std::string& out, CopticDate date, Writing writing,
                           Language language = defaultLanguage);

} // namespace zefnaro
