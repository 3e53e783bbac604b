#include "looks.h"

#include <algorithm>

namespace zefnaro {

namespace {

Look lookOf(const Report& report, const Style& style) {
    Look look;
    look.colour = style.colour;
    for (std::string_view family : fontFamilies(report.family(style.font)))
        look.families.emplace_back(family);
    look.points = style.pointSize;
    look.bold = style.bold;
    look.italic = style.italic;
    return look;
}

int numbered(Looks& l, Look look) {
    const auto at = std::find(l.looks.begin(), l.looks.end(), look);
    if (at != l.looks.end()) return static_cast<int>(at - l.looks.begin());
    l.looks.push_back(std::move(look));
    return static_cast<int>(l.looks.size()) - 1;
}

} // namespace

std::string hexColour(const Rgb& c) {
    static constexpr char digits[] = "0123456789abcdef";
    std::string out = "#";
    for (int v : {c.red, c.green, c.blue})
        out.append(1, digits[(v >> 4) & 15]).append(1, digits[v & 15]);
    return out;
}

Looks looksOf(const Report& report) {
    Looks l;
    int firstText = -1;
    for (const Line& line : report.lines) {
        Paragraph p{&line, -1};
        if (!line.text.empty()) {
            p.look = numbered(l, lookOf(report, line.style));
            if (firstText < 0) firstText = p.look;
        } else if (!l.paragraphs.empty()) {
            p.look = l.paragraphs.back().look;
        }
        l.paragraphs.push_back(p);
    }
    // Empty lines before any text take the first text's look.
    for (Paragraph& p : l.paragraphs)
        if (p.look < 0) p.look = std::max(firstText, 0);
    if (l.looks.empty()) l.looks.push_back(lookOf(report, report.lines.empty() ? Style{} : report.lines[0].style));
    return l;
}

std::vector<const CarriedFont*> fontsUsed(const Looks& looks, const std::vector<CarriedFont>& fonts) {
    std::vector<const CarriedFont*> used;
    for (const CarriedFont& font : fonts)
        if (std::any_of(looks.looks.begin(), looks.looks.end(),
                        [&](const Look& l) { return l.families.front() == font.family; }))
            used.push_back(&font);
    return used;
}

} // namespace zefnaro
