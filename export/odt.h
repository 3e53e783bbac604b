// The report as an OpenDocument text package, for word processors.
#pragma once

#include "export/looks.h"
#include "report/report.h"

#include <string>
#include <string_view>
#include <vector>

namespace zefnaro {

// The package's parts, in the order they are stored: the mimetype first (stored
// uncompressed, as the format requires), then the manifest, content, styles,
// meta and the fonts given that the report uses, under Fonts/.
struct OdtPart {
    std::string name;
    std::string bytes;
};
std::vector<OdtPart> odtParts(const Report& report, std::string_view title,
                              const std::vector<CarriedFont>& fonts = {});

// Writes the package to a file. False, with the reason, when it cannot be written.
bool saveOdt(const Report& report, std::string_view title, const std::string& path,
             std::string& why, const std::vector<CarriedFont>& fonts = {});

} // namespace zefnaro
