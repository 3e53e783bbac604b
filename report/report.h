// The translation report as data: its lines, each with its text and style,
// composed without any window so it can be checked and reused.
#pragma once

#include "engine/form.h"
#include "zefnaro/read.h"
#include "report/display_settings.h"

#include <string>
#include <string_view>
#include <vector>

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
} // namespace colours

inline constexpr std::string_view zeroMessage = "The number 0 (zero) does not exist in Coptic";
inline constexpr std::string_view rangeMessage =
    "Only whole numbers from 1 to 999,999,999 can be translated";

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

struct Line {
    Piece piece = Piece::words;
    std::string text;
    Style style;
    bool operator==(const Line&) const = default;
};

// A report, or a message in its place: every line in order, the blank ones too,
// each centred. Written once here; the window, copies, saved files and the
// command line all render these lines.
struct Report {
    double number = 0;      // the entry text as read
    bool isMessage = false; // the zero or range message instead of a report
    Form form;              // of a report
    Writing writing = Writing::fontText; // of its Coptic words and numerals
    std::vector<Line> lines;
    std::string copticFont, numeralsFont; // the families of those roles

    // The text of the first line of a piece ("" where there is none).
    std::string_view text(Piece piece) const;
    // The family a role is drawn in; the report's own is Arial.
    std::string_view family(FontRole role) const;
};

// The lines with "\n" after each but the last: for terminals, plain-text copies
// and files.
std::string plainText(const Report& report);
void appendPlainText(std::string& out, const Report& report);

// The number an entry text stands for, read the lenient way: the leading number of
// the text, 0 when there is none.
double entryNumber(std::string_view entryText);

// A pasted or dropped text read as a written number: any form the report writes.
ReadResult readPasted(std::string_view text);

// The report (or message) for an entry text and the current settings. The digits
// are grouped with the given separator.
Report composeReport(std::string_view entryText, const DisplaySettings& settings,
                     std::string_view groupSeparator = ",");

// The same for a number already read.
Report composeReport(double number, const DisplaySettings& settings,
                     std::string_view groupSeparator = ",");

// The report of a number already checked to be 1..999,999,999, in a form and a
// writing, at the size of the default settings: for the command line.
Report composeReport(std::uint32_t number, Form form, Writing writing);
// The same into a report whose strings keep their room: for callers that write many.
void composeReport(Report& into, std::uint32_t number, Form form, Writing writing);

// What the numeral letter at a character of the numerals line stands for (the
// character counted in code points from the line's start), e.g. "ⲫ̿̅ = 500 ×
// 1,000,000", the letter in Unicode; "" off the letters and for a message.
std::string explainNumeralAt(const Report& report, std::size_t character);

// The status line: " font | size | Masculine | Cardinal", the font part naming the
// numerals' font too where it is not the words' font.
std::string statusText(const DisplaySettings& settings);

} // namespace zefnaro
