// The Coptic fonts a report can be shown in. The CS fonts draw Coptic-font text
// (ASCII drawn as Coptic letters); every other font gets Unicode Coptic.
#pragma once

#include "zefnaro/form.h"

#include <algorithm>
#include <array>
#include <string_view>
#include <vector>

namespace zefnaro {

inline constexpr std::array<std::string_view, 7> csFonts = {"CS Avva Shenouda",
                                                            "CS Pishoi",
                                                            "CS New Athanasius",
                                                            "CS Coptic Manuscript",
                                                            "CS Copto Manuscript",
                                                            "CS Koptos Manuscript",
                                                            "CS Copt"};

// Fonts with the Coptic block. Zefnaro Coptic is the program's own (Noto Sans
// Coptic with overlines made for numerals) and always there; the others are free
// fonts packaged by Debian (fonts-freefont-ttf, fonts-noto-core).
inline constexpr std::string_view projectFont = "Zefnaro Coptic";
// Where the program's font lies, from the folder of the program that shows it,
// built or installed alike.
inline constexpr std::string_view projectFontPath =
    "../share/fonts/truetype/zefnaro/ZefnaroCoptic-Regular.ttf";
inline constexpr std::array<std::string_view, 3> unicodeFonts = {projectFont, "FreeSerif",
                                                                 "Noto Sans Coptic"};

// The Unicode numerals line is always in the program's font, whatever font the
// words use: the free fonts draw a millions letter's U+0305 onto its U+033F, so
// millions look like thousands, and Qt places marks taken from another font beside
// their letters, not over them.
inline constexpr std::string_view unicodeNumeralsFont = projectFont;

inline constexpr std::string_view fontTextDefault = "CS Copto Manuscript";
inline constexpr std::string_view unicodeDefault = projectFont;

inline Writing writingFor(std::string_view fontName) {
    return std::find(csFonts.begin(), csFonts.end(), fontName) != csFonts.end() ? Writing::fontText
                                                                                : Writing::unicode;
}

// The families to ask for, first choice first: a Coptic Unicode font falls back on
// the other ones (in saved and copied reports too); any other font on nothing (a
// CS font's text means nothing in another font).
inline std::vector<std::string_view> fontFamilies(std::string_view fontName) {
    std::vector<std::string_view> families{fontName};
    if (std::find(unicodeFonts.begin(), unicodeFonts.end(), fontName) != unicodeFonts.end())
        for (std::string_view other : unicodeFonts)
            if (other != fontName) families.push_back(other);
    return families;
}

} // namespace zefnaro
