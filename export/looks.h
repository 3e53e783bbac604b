// The report as the file writers see it: paragraphs of styled runs, each distinct
// look numbered once, in the order the lines first use it.
#pragma once

#include "report/report.h"

#include <string>
#include <vector>

namespace zefnaro {

struct Look {
    Rgb colour;
    std::vector<std::string> families; // first choice first
    int points = 0;
    bool bold = false;
    bool italic = false;
    bool operator==(const Look&) const = default;
};

struct Paragraph {
    const Line* line = nullptr;
    int look = 0; // an empty line's too: it is as tall as the text before it
};

struct Looks {
    std::vector<Look> looks;
    std::vector<Paragraph> paragraphs;
};

Looks looksOf(const Report& report);

// "#rrggbb", as CSS and OpenDocument write a colour.
std::string hexColour(const Rgb& colour);

// A font file that travels inside a saved report, so that it looks the same where
// the font is not installed.
struct CarriedFont {
    std::string family;
    std::string fileName;
    std::string bytes;
};

// The carried fonts that lead one of the looks' families.
std::vector<const CarriedFont*> fontsUsed(const Looks& looks, const std::vector<CarriedFont>& fonts);

} // namespace zefnaro
