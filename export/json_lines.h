// The JSON lines the command line writes, each from its member list: a number, a
// day, a numeral found in a text, an input that could not be answered.
#pragma once

#include "zefnaro/date.h"
#include "zefnaro/find.h"
#include "zefnaro/read.h"

#include <string>
#include <string_view>

namespace zefnaro::json {

// {"input":…,"number":…,"read_as":…,"ordinal":…,"masculine":…, the number's
// members in `form`, "numeral_values":[["ⲃ̿",2000],…]}
void appendNumberLine(std::string& out, std::string_view input, const Reading& reading, Form form);
// {the day's members}; the date must be a day.
void appendDateLine(std::string& out, CopticDate date);
// {"line":…,"column":…,"text":…,"number":…,"ordinal":…,"masculine":…}
void appendFoundLine(std::string& out, const FoundNumeral& found);
// {"input":…,"error":…}
void appendRejectLine(std::string& out, std::string_view input, std::string_view why);

} // namespace zefnaro::json
