// The translation report as data: its text (CR LF line breaks) and the formatting
// steps that style it, composed without any window so it can be checked and reused
// (the window applies it to the report box, the command line prints it).
#pragma once

#include "engine/form.h"
#include "engine/read/reader.h"
#include "report/display_settings.h"

#include <optional>
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

// One selection and what is set on it. Positions count characters, a CR LF line
// break counting as two.
struct FormatStep {
    int start = 0;
    int length = 0;
    std::optional<Rgb> colour;
    std::optional<std::string> font;
    std::optional<int> pointSize;
    bool centred = false;
    bool emphasis = false;
    bool regularWeight = false; // not the report's bold
    bool operator==(const FormatStep&) const = default;
};

struct Report {
    double number = 0;      // the entry text as read
    bool isMessage = false; // the zero or range message instead of a report
    std::string text;
    std::vector<FormatStep> steps;
    // The pieces of a report (empty for a message); the Coptic words and numerals
    // in the writing of the chosen font.
    std::string digits, english, genderLine, coptic, pronunciation, numerals;
};

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

// The status line: " font | size | Masculine | Cardinal", the font part naming the
// numerals' font too where it is not the words' font.
std::string statusText(const DisplaySettings& settings);

// The report's text with "\n" line breaks, for terminals and plain-text files.
std::string plainLines(std::string_view reportText);

// The same text as plainLines(composeReport(...).text) for a number 1..999,999,999,
// appended to `out` without composing the styled report: for the command line,
// which prints many. Coptic in the given writing; digits grouped with commas.
void appendPlainReport(std::string& out, std::uint32_t number, Form form, Writing writing);

} // namespace zefnaro
