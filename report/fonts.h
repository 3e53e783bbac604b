// The Coptic fonts a report can be shown in. The CS fonts draw Coptic-font text
// (ASCII drawn as Coptic letters); every other font gets Unicode Coptic.
#pragma once

#include "engine/form.h"

#include <algorithm>
#include <array>
#include <string_view>

namespace zefnaro {

inline constexpr std::array<std::string_view, 7> csFonts = {"CS Avva Shenouda",
                                                            "CS Pishoi",
                                                            "CS New Athanasius",
                                                            "CS Coptic Manuscript",
                                                            "CS Copto Manuscript",
                                                            "CS Koptos Manuscript",
                                                            "CS Copt"};

// Free fonts with the Coptic block, packaged by Debian (fonts-freefont-ttf,
// fonts-noto-core). FreeSerif comes first: it keeps the one, two and three strokes
// of the numeral ranks apart, where Noto Sans Coptic draws millions like thousands.
inline constexpr std::array<std::string_view, 2> unicodeFonts = {"FreeSerif", "Noto Sans Coptic"};

// The Unicode numerals line is always in MPH 2B Damase at regular weight, whatever
// font the words use: of the free fonts with Coptic letters it is the one that
// stacks a millions letter's U+033F and U+0305 into three strokes (FreeSerif, Noto
// Sans Coptic and Symbola draw the U+0305 onto the double stroke, so millions look
// like thousands), and at regular weight the strokes stay apart at small sizes too.
inline constexpr std::string_view unicodeNumeralsFont = "MPH 2B Damase";

inline constexpr std::string_view fontTextDefault = "CS Copto Manuscript";
inline constexpr std::string_view unicodeDefault = "FreeSerif";

inline Writing writingFor(std::string_view fontName) {
    return std::find(csFonts.begin(), csFonts.end(), fontName) != csFonts.end() ? Writing::fontText
                                                                                : Writing::unicode;
}

} // namespace zefnaro
