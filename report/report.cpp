#include "report.h"

#include "engine/coptic.h"
#include "engine/numeral_letters.h"
#include "zefnaro/read.h"
#include "engine/utf8.h"
#include "engine/zefnaro.h"

namespace zefnaro {

namespace {

Line line(Piece piece, std::string text, Style style) {
    return Line{piece, std::move(text), style};
}

Report message(double number, std::string_view text) {
    Report r;
    r.number = number;
    r.isMessage = true;
    const Style style; // blue, the report's font, 16 points whatever the chosen size
    r.lines = {line(Piece::blank, "", style), line(Piece::message, std::string(text), style)};
    return r;
}

// Fills in the report's lines for a number 1..999,999,999, reusing the room the
// report's strings already have (the command line writes millions); its fonts
// and number are the caller's to set.
void fill(Report& r, std::uint32_t n, Form form, Writing writing, int pointSize,
          std::string_view groupSeparator) {
    Style words;
    words.pointSize = pointSize;
    const auto styled = [&](Rgb colour) {
        Style s = words;
        s.colour = colour;
        return s;
    };
    Style spoken = styled(colours::green);
    spoken.italic = true;
    Style coptic = styled(colours::red);
    coptic.font = FontRole::coptic;
    Style numerals = styled(colours::brown);
    numerals.font = FontRole::numerals;
    numerals.bold = writing != Writing::unicode;

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
    add(Piece::digits, styled(colours::black), [&](std::string& out) {
        appendGroupedDigits(out, n, groupSeparator);
        if (form.ordinal) out += getOrdinalSuffix(n);
    });
    add(Piece::words, words, text("or"));
    add(Piece::english, styled(colours::purple),
        [&](std::string& out) { appendEnglishWords(out, n, form); });
    add(Piece::words, words,
        text(form.masculine ? "in Bohairic Coptic (masculine) is written"
                            : "in Bohairic Coptic (feminine) is written"));
    add(Piece::coptic, coptic, [&](std::string& out) { appendCopticWords(out, n, form, writing); });
    add(Piece::words, words, text("which is pronounced"));
    add(Piece::pronunciation, spoken,
        [&](std::string& out) { appendCopticWords(out, n, form, Writing::pronunciation); });
    add(Piece::words, words, text("or"));
    add(Piece::numerals, numerals,
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
    return "Arial";
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

double entryNumber(std::string_view entryText) {
    return readNumber(entryText);
}

ReadResult readPasted(std::string_view text) {
    return readWrittenNumber(text);
}

Report composeReport(std::string_view entryText, const DisplaySettings& settings,
                     std::string_view groupSeparator) {
    return composeReport(entryNumber(entryText), settings, groupSeparator);
}

Report composeReport(double number, const DisplaySettings& settings,
                     std::string_view groupSeparator) {
    if (number == 0) return message(number, zeroMessage);
    const auto n = translatable(number);
    if (!n) return message(number, rangeMessage);
    const Writing writing = writingFor(settings.fontName);
    Report r;
    fill(r, *n, Form{settings.ordinal, settings.masculine}, writing, settings.fontSize,
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
    const auto n = translatable(report.number);
    if (report.isMessage || !n) return {};
    const std::vector<NumeralLetter> shown = numeralLetters(*n, report.writing);
    std::size_t at = report.form.ordinal
                         ? utf8::codePoints(numeralScript(report.writing).prefix)
                         : 0;
    for (std::size_t i = 0; i < shown.size(); ++i) {
        const std::size_t length = utf8::codePoints(shown[i].text());
        if (character >= at && character < at + length) {
            const NumeralLetter& letter = shown[i];
            std::string out = numeralLetters(*n, Writing::unicode)[i].text();
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
