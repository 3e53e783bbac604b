#include "report.h"

#include "engine/coptic.h"
#include "engine/numeral_letters.h"
#include "zefnaro/message.h"
#include "zefnaro/read.h"
#include "engine/utf8.h"
#include "engine/engine.h"
#include "engine/say.h"
#include "report/entry.h"
#include "report/number_lines.h"

#include <algorithm>

namespace zefnaro {

namespace {

Line line(Piece piece, std::string text, Style style) {
    return Line{piece, std::move(text), style};
}

Report message(Text text, Language language) {
    Report r;
    r.isMessage = true;
    r.language = language;
    const Style style = styleOf(Piece::message, Writing::unicode, 0);
    r.lines = {line(Piece::blank, "", style), line(Piece::message, std::string(say(text, language)), style)};
    return r;
}

// Fills in the report's lines for a number 1..999,999,999, reusing the room the
// report's strings already have (the command line writes millions); its fonts
// and number are the caller's to set. A blank line stands before each line with
// text and after the last.
void fill(Report& r, std::uint32_t n, Form form, Writing writing, int pointSize,
          std::string_view groupSeparator, Language language) {
    const Style words = styleOf(Piece::words, writing, pointSize);
    r.isMessage = false;
    r.form = form;
    r.writing = writing;
    r.language = language;
    r.lines.resize(23);
    std::size_t next = 0;
    const auto blank = [&] {
        Line& b = r.lines[next++];
        b.piece = Piece::blank;
        b.text.clear();
        b.style = words;
    };
    eachNumberLine(n, form, writing, groupSeparator, language, [&](Piece piece, auto write) {
        blank();
        Line& l = r.lines[next++];
        l.piece = piece;
        l.style = styleOf(piece, writing, pointSize, facts(language).numbers == Script::latin);
        l.text.clear();
        write(l.text);
    });
    blank();
    r.lines.resize(next);
}

} // namespace

bool runsLeftToRight(const Report& report, Piece piece) {
    if (!rightToLeft(report.language) || piece == Piece::coptic || piece == Piece::numerals) return true;
    // Number data in Latin script (the pseudo-locale's) keeps its own direction too.
    const bool data = piece == Piece::digits || piece == Piece::english || piece == Piece::pronunciation;
    return data && facts(report.language).numbers == Script::latin;
}

std::string_view Report::text(Piece piece) const {
    for (const Line& l : lines)
        if (l.piece == piece) return l.text;
    return {};
}

std::string_view Report::family(FontRole role) const {
    switch (role) {
    case FontRole::coptic:
        return copticFont;
    case FontRole::numerals:
        return numeralsFont;
    case FontRole::report:
        break;
    }
    return reportFamily;
}

Report excerpt(const Report& report, ReportSpot from, ReportSpot to) {
    Report part = report;
    part.lines.clear();
    for (std::size_t i = from.line; i <= to.line && i < report.lines.size(); ++i) {
        Line line = report.lines[i];
        const std::size_t end = i == to.line ? std::min(to.byte, line.text.size()) : line.text.size();
        const std::size_t start = i == from.line ? std::min(from.byte, end) : 0;
        line.text = line.text.substr(start, end - start);
        part.lines.push_back(std::move(line));
    }
    return part;
}

ReadResult readPasted(std::string_view text, Language language) {
    return readWrittenNumber(text, languageCode(language));
}

Report composeReport(std::string_view entryText, const DisplaySettings& settings,
                     std::string_view groupSeparator) {
    const double number = readNumber(entryText);
    if (number == 0) return message(Text::report_zero, settings.language);
    const auto n = translatable(number);
    if (!n) return message(Text::report_range, settings.language);
    return composeReport(*n, settings, groupSeparator);
}

Report composeReport(std::uint32_t number, const DisplaySettings& settings,
                     std::string_view groupSeparator) {
    if (number < 1 || number > largestNumber)
        return message(Text::report_range, settings.language);
    const Writing writing = writingFor(settings.fontName);
    Report r;
    fill(r, number, settings.form, writing, settings.fontSize, groupSeparator, settings.language);
    r.number = number;
    r.copticFont = settings.fontName;
    r.numeralsFont = writing == Writing::unicode ? std::string(unicodeNumeralsFont) : settings.fontName;
    return r;
}

void composeReport(Report& into, std::uint32_t number, Form form, Writing writing, Language language) {
    fill(into, number, form, writing, DisplaySettings{}.fontSize, ",", language);
    into.number = number;
    into.copticFont = writing == Writing::unicode ? unicodeDefault : fontTextDefault;
    into.numeralsFont = writing == Writing::unicode ? unicodeNumeralsFont : fontTextDefault;
}

Report composeReport(std::uint32_t number, Form form, Writing writing, Language language) {
    Report r;
    composeReport(r, number, form, writing, language);
    return r;
}

namespace {

// Each letter of a number's numeral, with its marks and what it stands for.
// The values in the report's language's digits (٥٠٠ × ١٬٠٠٠٬٠٠٠ in Arabic).
void appendLetterParts(std::vector<NumeralPart>& parts, std::uint32_t n, Writing writing, Language language) {
    const std::vector<NumeralLetter> shown = numeralLetters(n, writing);
    const std::vector<NumeralLetter> unicode = numeralLetters(n, Writing::unicode);
    for (std::size_t i = 0; i < shown.size(); ++i) {
        std::string what = unicode[i].text() + " = " + groupedText(shown[i].letterValue(), language);
        if (shown[i].rank() > 1) what += " × " + groupedText(shown[i].rank(), language);
        parts.push_back({shown[i].text(), std::move(what)});
    }
}

} // namespace

std::vector<NumeralPart> numeralParts(const Report& report) {
    if (report.isMessage) return {};
    std::vector<NumeralPart> parts;
    if (report.day) { // the day's numeral, the month's name, the year's numeral
        const MonthName month = copticMonthName(report.day->month);
        appendLetterParts(parts, static_cast<std::uint32_t>(report.day->day), report.writing, report.language);
        parts.push_back({std::string(" ")
                             .append(report.writing == Writing::unicode ? month.coptic : month.fontText)
                             .append(" "),
                         {}});
        appendLetterParts(parts, static_cast<std::uint32_t>(report.day->year), report.writing, report.language);
        return parts;
    }
    const NumeralScript& script = numeralScript(report.writing);
    if (report.form.ordinal()) parts.push_back({std::string(script.prefix), {}});
    appendLetterParts(parts, report.number, report.writing, report.language);
    if (report.form.feminine()) parts.push_back({std::string(script.ending), {}});
    return parts;
}

std::string explainNumeralAt(const Report& report, std::size_t character) {
    std::size_t at = 0;
    for (NumeralPart& part : numeralParts(report)) {
        const std::size_t length = utf8::codePoints(part.text);
        if (character >= at && character < at + length) return std::move(part.meaning);
        at += length;
    }
    return {};
}

std::string statusText(const DisplaySettings& settings) {
    const Language language = settings.language;
    // Each font's name isolated on its own, so that right to left they keep their order.
    std::string fonts = isolated(settings.fontName, language);
    if (writingFor(settings.fontName) == Writing::unicode && settings.fontName != unicodeNumeralsFont)
        fonts = say(Text::status_numerals_font, language, {fonts, isolated(unicodeNumeralsFont, language)});
    // Appended, not added: GCC 12 at -O3 warns, falsely, about " " + a string.
    std::string out = " ";
    out.append(fonts)
        .append(" | ")
        .append(countText(static_cast<std::uint32_t>(settings.fontSize), language))
        .append(" | ")
        .append(say(settings.form.masculine() ? Text::form_masculine : Text::form_feminine, language))
        .append(" | ")
        .append(say(settings.form.ordinal() ? Text::form_ordinal : Text::form_cardinal, language));
    return out;
}

} // namespace zefnaro
