// How each line of the report looks: one table that the window and every file and
// clipboard writer read, so a colour or a size is set once. (The web page keeps
// its own, in style.css: colours that keep their contrast in a dark theme too.)
#pragma once

#include "zefnaro/form.h"

namespace zefnaro {

struct Rgb {
    int red = 0;
    int green = 0;
    int blue = 0;
    bool operator==(const Rgb&) const = default;
};

namespace colours {
inline constexpr Rgb blue{0, 0, 255};
inline constexpr Rgb black{0, 0, 0};
inline constexpr Rgb purple{128, 0, 128};
inline constexpr Rgb red{255, 0, 0};
inline constexpr Rgb green{0, 128, 0};
inline constexpr Rgb brown{128, 64, 0};
// What went wrong, said beside the report (a date that is none, a wrong answer, a
// missing font): one red everywhere, dark enough on white and on the light yellow.
inline constexpr Rgb error{176, 0, 0};
// Light yellow behind the report, on screen and in saved pages.
inline constexpr Rgb background{255, 255, 192};
} // namespace colours

// What a line of the report is: the report's own words (the heading and the
// lines between the pieces), a piece of the number, a blank line, or a message
// in place of a report.
enum class Piece { words, digits, english, coptic, pronunciation, numerals, blank, message };

// Which font a line is drawn in: the report's own, the Coptic words', the numerals'.
enum class FontRole { report, coptic, numerals };

struct Style {
    Rgb colour = colours::blue;
    FontRole font = FontRole::report;
    int pointSize = 16;
    bool italic = false;
    bool bold = true; // the report is bold; the Unicode numerals are not
    bool operator==(const Style&) const = default;
};

// The report's own font, in every writer; files name fallbacks after it.
inline constexpr const char* reportFamily = "Arial";

// The style of a piece at a size. Messages keep 16 points whatever the size. The
// pronunciation is italic in Latin letters only: Arabic letters have no italic.
constexpr Style styleOf(Piece piece, Writing writing, int pointSize, bool latinLetters = true) {
    Style s;
    s.pointSize = pointSize;
    switch (piece) {
    case Piece::digits:
        s.colour = colours::black;
        break;
    case Piece::english:
        s.colour = colours::purple;
        break;
    case Piece::coptic:
        s.colour = colours::red;
        s.font = FontRole::coptic;
        break;
    case Piece::pronunciation:
        s.colour = colours::green;
        s.italic = latinLetters;
        break;
    case Piece::numerals:
        s.colour = colours::brown;
        s.font = FontRole::numerals;
        s.bold = writing != Writing::unicode;
        break;
    case Piece::message:
        s.pointSize = Style{}.pointSize;
        break;
    case Piece::words:
    case Piece::blank:
        break;
    }
    return s;
}

} // namespace zefnaro
