// The four display settings of a run: a value, copied where it is needed. Nothing
// is saved; every start begins from these defaults, the one place they are written.
#pragma once

#include <cstdint>
#include <string>

namespace zefnaro {

struct DisplaySettings {
    std::string fontName = "CS Copto Manuscript"; // family of the Coptic lines
    std::int16_t fontSize = 16;                   // points, for the whole report
    bool ordinal = false;
    bool masculine = true;
    bool operator==(const DisplaySettings&) const = default;
};

} // namespace zefnaro
