#include "report.h"

#include "engine/read/reader.h"
#include "engine/zefnaro.h"

namespace zefnaro {

namespace {

constexpr std::string_view crlf = "\r\n";

int length(std::string_view text) {
    return static_cast<int>(utf8::codePoints(text));
}

FormatStep selection(int start, int count) {
    FormatStep step;
    step.start = start;
    step.length = count;
    return step;
}

Report message(double number, std::string_view text) {
    Report r;
    r.number = number;
    r.isMessage = true;
    r.text.append(crlf).append(text);
    FormatStep all = selection(0, length(r.text));
    all.colour = colours::blue;
    all.pointSize = 16; // a fixed size: the message ignores the chosen size
    all.font = "Arial";
    all.centred = true;
    r.steps.push_back(all);
    return r;
}

FormatStep coloured(int start, std::string_view run, Rgb colour) {
    FormatStep step = selection(start, length(run));
    step.colour = colour;
    return step;
}

} // namespace

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

    const bool ordinal = settings.ordinal;
    const bool masculine = settings.masculine;
    const Form form{ordinal, masculine};
    Report r;
    r.number = number;
    r.digits = groupDigits(*n, groupSeparator);
    if (ordinal) r.digits += getOrdinalSuffix(*n);
    r.english = toEnglishWords(*n, form);
    r.genderLine = std::string("in Bohairic Coptic (") + (masculine ? "masculine" : "feminine") +
                   ") is written";
    const Writing writing = writingFor(settings.fontName);
    r.coptic = toCopticWords(*n, form, writing);
    r.pronunciation = toCopticWords(*n, form, Writing::pronunciation);
    r.numerals = toCopticNumerals(*n, form, writing);

    const std::string heading =
        std::string("\r\nThe ") + (ordinal ? "ordinal" : "cardinal") + " number\r\n\r\n";
    const std::string_view orLine = "\r\n\r\nor\r\n\r\n";
    const std::string_view gap = "\r\n\r\n";
    const std::string_view pronounced = "\r\n\r\nwhich is pronounced\r\n\r\n";
    const std::string_view forShort = "\r\n\r\nfor short\r\n";

    std::string& t = r.text;
    t.reserve(400);
    t.append(heading);
    const int digitsAt = length(t);
    t.append(r.digits).append(orLine);
    const int englishAt = length(t);
    t.append(r.english).append(gap).append(r.genderLine).append(gap);
    const int copticAt = length(t);
    t.append(r.coptic).append(pronounced);
    const int pronunciationAt = length(t);
    t.append(r.pronunciation).append(orLine);
    const int numeralsAt = length(t);
    t.append(r.numerals).append(forShort);

    FormatStep all = selection(0, length(t));
    all.colour = colours::blue;
    all.font = "Arial";
    all.centred = true;
    all.pointSize = settings.fontSize;
    r.steps.push_back(all);
    r.steps.push_back(coloured(digitsAt, r.digits, colours::black));
    r.steps.push_back(coloured(englishAt, r.english, colours::purple));
    FormatStep coptic = coloured(copticAt, r.coptic, colours::red);
    coptic.font = settings.fontName;
    r.steps.push_back(coptic);
    FormatStep spoken = coloured(pronunciationAt, r.pronunciation, colours::green);
    spoken.emphasis = true;
    r.steps.push_back(spoken);
    FormatStep numerals = coloured(numeralsAt, r.numerals, colours::brown);
    numerals.font = settings.fontName;
    if (writing == Writing::unicode) {
        numerals.font = std::string(unicodeNumeralsFont);
        numerals.regularWeight = true;
    }
    r.steps.push_back(numerals);
    return r;
}

std::string statusText(const DisplaySettings& settings) {
    std::string fonts = settings.fontName;
    if (writingFor(fonts) == Writing::unicode && fonts != unicodeNumeralsFont)
        fonts.append(", numerals ").append(unicodeNumeralsFont);
    return " " + fonts + " | " + std::to_string(settings.fontSize) + " | " +
           (settings.masculine ? "Masculine" : "Feminine") + " | " +
           (settings.ordinal ? "Ordinal" : "Cardinal");
}

std::string plainLines(std::string_view reportText) {
    std::string out;
    out.reserve(reportText.size());
    for (std::size_t i = 0; i < reportText.size(); ++i) {
        if (reportText[i] == '\r' && i + 1 < reportText.size() && reportText[i + 1] == '\n')
            continue;
        out.push_back(reportText[i]);
    }
    return out;
}

void appendPlainReport(std::string& out, std::uint32_t number, Form form, Writing writing) {
    out += form.ordinal ? "\nThe ordinal number\n\n" : "\nThe cardinal number\n\n";
    appendGroupedDigits(out, number);
    if (form.ordinal) out += getOrdinalSuffix(number);
    out += "\n\nor\n\n";
    appendEnglishWords(out, number, form);
    out += form.masculine ? "\n\nin Bohairic Coptic (masculine) is written\n\n"
                          : "\n\nin Bohairic Coptic (feminine) is written\n\n";
    appendCopticWords(out, number, form, writing);
    out += "\n\nwhich is pronounced\n\n";
    appendCopticWords(out, number, form, Writing::pronunciation);
    out += "\n\nor\n\n";
    appendCopticNumerals(out, number, form, writing);
    out += "\n\nfor short\n";
}

} // namespace zefnaro
