// The report as RTF, for word processors that take it from the clipboard.
#pragma once

#include "report/report.h"

#include <string>

namespace zefnaro {

// Every line centred, each run with its font, size, colour, weight and posture.
// Latin-1 characters are written as bytes (\'hh), which is what the CS fonts
// expect for their place marks; the rest as \uN? UTF-16 units.
std::string reportRtf(const Report& report);

} // namespace zefnaro
