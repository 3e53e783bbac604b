#include "report.h"

#include "engine/coptic.h"
#include "engine/numeral_letters.h"
#include "zefnaro/read.h"
#include "engine/utf8.h"
#include "engine/zefnaro.h"
#include "report/entry.h"

#include <algorithm>

namespace zefnaro {

namespace {

Line line(Piece piece, std::string text, Style style) {
    return Line{piece, std::move(text), style};
}

Report message(std::string_view text) {
    Report r;
    r.isMessage = true;
    const Style style = styleOf(Piece::message, Writing::unicode, 0);
    r.lines = {line(Piece::blank, "", style), line(Piece::message, std::string(text), style)};
    return r;
}

// Fills in the report's lines for a number 1..999,999,999, reusing the room the
// report's strings already have (the command line writes millions); its fonts
// and number are the caller's to set.
void fill(Report& r, std::uint32_t n, Form form, Writing writing, int pointSize,
          std::string_view groupSeparator) {
    const Style words = styleOf(Piece::words, writing, pointSize);
    r.isMessage = false;
    r.form = form;
    r.writing = writing;
    r.lines.resize(23);
    std::size_t next = 0;
    // A blank line, then a line of the piece whose text `write` appends.
    const auto add = [&](Piece piece, Style style, auto write) {
        Line& blank = r.lines[next++];
        blank.piece = Piece::blank;
        blank.text.clear();
        blank.style = words;
        Line& l = r.lines[next++];
        l.piece = piece;
        l.style = style;
        l.text.clear();
        write(l.text);
    };
    const auto text = [](std::string_view t) { return [t](std::string& out) { out += t; }; };
    add(Piece::words, words, text(form.ordinal ? "The ordinal number" : "The cardinal number"));
    add(Piece::digits, styleOf(Piece::digits, writing, pointSize), [&](std::string& out) {
        appendGroupedDigits(out, n, groupSeparator);
        if (form.ordinal) out += getOrdinalSuffix(n);
    });
    add(Piece::words, words, text("or"));
    add(Piece::english, styleOf(Piece::english, writing, pointSize),
        [&](std::string& out) { appendEnglishWords(out, n, form); });
    add(Piece::words, words,
        text(form.masculine ? "in Bohairic Coptic (masculine) is written"
                            : "in Bohairic Coptic (feminine) is written"));
    add(Piece::coptic, styleOf(Piece::coptic, writing, pointSize), [&](std::string& out) { appendCopticWords(out, n, form, writing); });
    add(Piece::words, words, text("which is pronounced"));
    add(Piece::pronunciation, styleOf(Piece::pronunciation, writing, pointSize),
        [&](std::string& out) { appendCopticWords(out, n, form, Writing::pronunciation); });
    add(Piece::words, words, text("or"));
    add(Piece::numerals, styleOf(Piece::numerals, writing, pointSize),
        [&](std::string& out) { appendCopticNumerals(out, n, form, writing); });
    add(Piece::words, words, text("for short"));
    Line& last = r.lines[next];
    last.piece = Piece::blank;
    last.text.clear();
    last.style = words;
}

} // namespace

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

void appendPlainText(std::string& out, const Report& report) {
    for (std::size_t i = 0; i < report.lines.size(); ++i) {
        if (i > 0) out += '\n';
        out += report.lines[i].text;
    }
}

std::string plainText(const Report& report) {
    std::string out;
    out.reserve(400);
    appendPlainText(out, report);
    return out;
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

ReadResult readPasted(std::string_view text) {
    return readWrittenNumber(text);
}

Report composeReport(std::string_view entryText, const DisplaySettings& settings,
                     std::string_view groupSeparator) {
    const double number = readNumber(entryText);
    if (number == 0) return message(zeroMessage);
    const auto n = translatable(number);
    if (!n) return message(rangeMessage);
    return composeReport(*n, settings, groupSeparator);
}

Report composeReport(std::uint32_t number, const DisplaySettings& settings,
                     std::string_view groupSeparator) {
    if (number < 1 || number > largestNumber) return message(rangeMessage);
    const Writing writing = writingFor(settings.fontName);
    Report r;
    fill(r, number, Form{settings.ordinal, settings.masculine}, writing, settings.fontSize,
         groupSeparator);
    r.number = number;
    r.copticFont = settings.fontName;
    r.numeralsFont = writing == Writing::unicode ? std::string(unicodeNumeralsFont) : settings.fontName;
    return r;
}

void composeReport(Report& into, std::uint32_t number, Form form, Writing writing) {
    fill(into, number, form, writing, DisplaySettings{}.fontSize, ",");
    into.number = number;
    into.copticFont = writing == Writing::unicode ? unicodeDefault : fontTextDefault;
    into.numeralsFont = writing == Writing::unicode ? unicodeNumeralsFont : fontTextDefault;
}

Report composeReport(std::uint32_t number, Form form, Writing writing) {
    Report r;
    composeReport(r, number, form, writing);
    return r;
}

std::string explainNumeralAt(const Report& report, std::size_t character) {
    if (report.isMessage) return {};
    const std::uint32_t n = report.number;
    const std::vector<NumeralLetter> shown = numeralLetters(n, report.writing);
    std::size_t at = report.form.ordinal
                         ? utf8::codePoints(numeralScript(report.writing).prefix)
                         : 0;
    for (std::size_t i = 0; i < shown.size(); ++i) {
        const std::size_t length = utf8::codePoints(shown[i].text());
        if (character >= at && character < at + length) {
            const NumeralLetter& letter = shown[i];
            std::string out = numeralLetters(n, Writing::unicode)[i].text();
            out += " = " + groupDigits(letter.letterValue());
            if (letter.rank() > 1) out += " × " + groupDigits(letter.rank());
            return out;
        }
        at += length;
    }
    return {};
}

std::string statusText(const DisplaySettings& settings) {
    std::string fonts = settings.fontName;
    if (writingFor(fonts) == Writing::unicode && fonts != unicodeNumeralsFont)
        fonts.append(", numerals ").append(unicodeNumeralsFont);
    return " " + fonts + " | " + std::to_string(settings.fontSize) + " | " +
           (settings.masculine ? "Masculine" : "Feminine") + " | " +
           (settings.ordinal ? "Ordinal" : "Cardinal");
}

} // namespace zefnaro
