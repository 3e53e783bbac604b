// The translation report as data: its lines, each with its text and style,
// composed without any window so it can be checked and reused.
#pragma once

#include "engine/language.h"

#include "zefnaro/date.h"
#include "zefnaro/form.h"
#include "zefnaro/read.h"
#include "report/display_settings.h"
#include "report/styles.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace zefnaro {

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
    std::uint32_t number = 0; // 1..largestNumber; 0 for a message or a day's report
    std::optional<CopticDate> day; // of a day's report
    bool isMessage = false; // the zero or range message instead of a report
    Form form;              // of a report
    Writing writing = Writing::fontText; // of its Coptic words and numerals
    Language language = defaultLanguage; // of its sentences and words
    std::vector<Line> lines;
    std::string copticFont, numeralsFont; // the families of those roles

    // The text of the first line of a piece ("" where there is none).
    std::string_view text(Piece piece) const;
    // The family a role is drawn in; the report's own is Arial.
    std::string_view family(FontRole role) const;
};

// Whether a line of the report runs left to right: every line of an English
// report, the Coptic lines of an Arabic one.
bool runsLeftToRight(const Report& report, Piece piece);

// Where in the report: a line and a byte of its text.
struct ReportSpot {
    std::size_t line = 0;
    std::size_t byte = 0;
};
// The part of the report from one spot to another (as a selection runs): the
// lines between, the first and last cut there, each keeping its piece and style.
Report excerpt(const Report& report, ReportSpot from, ReportSpot to);

// A pasted or dropped text read as a written number: any form the report writes.
ReadResult readPasted(std::string_view text, Language language = defaultLanguage);

// The report (or message) for an entry text, read the lenient way (see entry.h),
// and the current settings. The digits are grouped with the given separator.
Report composeReport(std::string_view entryText, const DisplaySettings& settings,
                     std::string_view groupSeparator = ",");

// The same for a number already read; a number outside 1..largestNumber gives
// the range message.
Report composeReport(std::uint32_t number, const DisplaySettings& settings,
                     std::string_view groupSeparator = ",");

// The report of a number already checked to be 1..999,999,999, in a form and a
// writing, at the size of the default settings: for the command line.
Report composeReport(std::uint32_t number, Form form, Writing writing,
                     Language language = defaultLanguage);
// The same into a report whose strings keep their room: for callers that write many.
void composeReport(Report& into, std::uint32_t number, Form form, Writing writing,
                   Language language = defaultLanguage);

// The numerals line in its parts, in order: the ordinal prefix, each letter with
// its marks and what it stands for ("ⲫ̿̅ = 500 × 1,000,000", the letter in
// Unicode), the feminine ending; the prefix and the ending stand for nothing. A
// day's line: the day's letters, the month's name between blanks, the year's.
struct NumeralPart {
    std::string text;
    std::string meaning;
};
std::vector<NumeralPart> numeralParts(const Report& report);

// What the numeral letter at a character of the numerals line stands for (the
// character counted in code points from the line's start), e.g. "ⲫ̿̅ = 500 ×
// 1,000,000", the letter in Unicode; "" off the letters and for a message.
std::string explainNumeralAt(const Report& report, std::size_t character);

// The status line: " font | size | Masculine | Cardinal", the font part naming the
// numerals' font too where it is not the words' font.
std::string statusText(const DisplaySettings& settings);

} // namespace zefnaro
