#include "cli/answer.h"

#include "zefnaro/read.h"
#include "engine/zefnaro.h"
#include "report/report.h"

#include <charconv>

namespace zefnaro::cli {

namespace {

void field(std::string& out, std::string_view name, std::string_view value) {
    out += ",\"";
    out += name;
    out += "\":";
    appendJsonString(out, value);
}

} // namespace

void Translator::answer(std::string_view input) {
    const ReadResult read = readWrittenNumber(input);
    if (!read.ok()) {
        anyRejected_ = true;
        if (options_.json) {
            std::string& out = out_.buffer();
            out += "{\"input\":";
            appendJsonString(out, input);
            field(out, "error", read.error);
            out += "}\n";
            out_.flushIfFull();
        } else {
            // A message is for the person at the terminal: it goes at once, after
            // the answers before it.
            out_.flush();
            std::string& err = errors_.buffer();
            err += "zefnaro-cli: ";
            appendJsonString(err, input);
            err += ": ";
            err += read.error;
            err += '\n';
            errors_.flush();
        }
        return;
    }

    const std::uint32_t n = read.reading.number;
    const Form form = options_.form.value_or(Form{read.reading.ordinal, !read.reading.feminine});
    std::string& out = out_.buffer();
    if (!options_.json) {
        composeReport(report_, n, form, options_.writing);
        appendPlainText(out, report_);
        out_.flushIfFull();
        return;
    }
    composeReport(report_, n, form, Writing::fontText);
    const Report& report = report_;
    char digits[16];
    const auto end = std::to_chars(digits, digits + sizeof digits, n).ptr;
    out += "{\"input\":";
    appendJsonString(out, input);
    out += ",\"number\":";
    out.append(digits, end);
    out += ",\"read_as\":\"";
    out += formName(read.reading.form);
    out += form.ordinal ? "\",\"ordinal\":true" : "\",\"ordinal\":false";
    out += form.masculine ? ",\"masculine\":true" : ",\"masculine\":false";
    // The engine's own texts hold no quote, backslash or control character and
    // are valid UTF-8 (the tests check every word of its lists): they are written
    // straight into the line.
    const std::pair<const char*, Piece> pieces[] = {
        {"digits", Piece::digits},       {"english", Piece::english},
        {"coptic", Piece::coptic},       {"pronunciation", Piece::pronunciation},
        {"numerals", Piece::numerals}};
    for (const auto& [name, piece] : pieces) {
        out += ",\"";
        out += name;
        out += "\":\"";
        out += report.text(piece);
        out += '"';
    }
    out += ",\"coptic_unicode\":\"";
    appendCopticWords(out, n, form, Writing::unicode);
    out += "\",\"numerals_unicode\":\"";
    appendCopticNumerals(out, n, form, Writing::unicode);
    out += "\",\"numeral_values\":[";
    numeralLetters(letters_, n, Writing::unicode);
    // Built on the stack and appended once: at most nine pairs of under 24 bytes.
    char pairs[256];
    char* at = pairs;
    const auto put = [&at](std::string_view piece) {
        for (const char c : piece)
            *at++ = c;
    };
    for (const NumeralLetter& letter : letters_) {
        put(&letter == letters_.data() ? "[\"" : ",[\"");
        put(letter.letter); // Unicode has its marks after the letter only
        put(letter.after);
        put("\",");
        *at++ = static_cast<char>('0' + letter.digit); // the value: its digit, its place's zeros
        for (std::uint32_t zero = 0; zero < letter.place; ++zero)
            *at++ = '0';
        *at++ = ']';
    }
    out.append(pairs, at);
    out += "]}\n";
    out_.flushIfFull();
}

} // namespace zefnaro::cli
