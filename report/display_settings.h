// The four display settings of a run. One instance lives for the whole run and is
// shared by reference; nothing is saved, every start begins from these defaults.
#pragma once

#include <cstdint>
#include <string>

namespace zefnaro {

struct DisplaySettings {
    std::string fontName = "CS Copto Manuscript"; // family of the Coptic-font lines
    std::int16_t fontSize = 16;                   // points, for the whole report
    bool ordinal = false;
    bool masculine = true;
};

} // namespace zefnaro
