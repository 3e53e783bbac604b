// The display settings of a run: a value, copied where it is needed. Nothing
// is saved; every start begins from the defaults below, the one place they are set.
#pragma once

#include "engine/language.h"
#include "report/fonts.h"
#include "zefnaro/form.h"

#include <cstdint>
#include <string>
#include <vector>

namespace zefnaro {

struct DisplaySettings {
    std::string fontName{fontTextDefault}; // family of the Coptic lines
    std::int16_t fontSize = 16;            // points, for the whole report
    Form form;                             // cardinal masculine at first
    Language language = defaultLanguage; // of the report's sentences and words
    bool operator==(const DisplaySettings&) const = default;
};

// The report sizes offered, in points: the Settings list and the zoom steps.
inline std::vector<int> reportSizes() {
    std::vector<int> sizes;
    for (int size = 8; size <= 56; size += 2)
        sizes.push_back(size);
    return sizes;
}

// The defaults of a machine: the CS font where it is installed, otherwise the
// Unicode font, so that a user without the CS fonts sees Coptic letters at once.
inline DisplaySettings defaultSettings(bool fontTextDefaultInstalled) {
    DisplaySettings settings;
    if (!fontTextDefaultInstalled) settings.fontName = unicodeDefault;
    return settings;
}

} // namespace zefnaro
