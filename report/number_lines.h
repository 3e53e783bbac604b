// A number's report line by line: one list for the report and for its plain text.
#pragma once

#include "engine/engine.h"
#include "engine/language.h"
#include "engine/say.h"
#include "report/styles.h"
#include "zefnaro/form.h"

#include <cstdint>
#include <string>
#include <string_view>

namespace zefnaro {

// The report's lines with text, in order, each given to `line` with a function
// that appends its text: one list for the report and its plain text. In Arabic the
// sentences are Arabic, the digits Arabic-Indic and the words line Arabic words.
template <class Line>
void eachNumberLine(std::uint32_t n, Form form, Writing writing, std::string_view groupSeparator,
                    Language language, Line&& line) {
    // A sentence a language leaves out (Arabic says "for short" before the numerals,
    // in the line before them) is no line.
    const auto say = [&](Text t) {
        if (zefnaro::say(t, language).empty()) return;
        line(Piece::words, [t, language](std::string& out) { out += zefnaro::say(t, language); });
    };
    say(form.ordinal() ? Text::report_ordinal : Text::report_cardinal);
    line(Piece::digits, [&](std::string& out) { appendNumberDigits(out, n, form, language, groupSeparator); });
    say(Text::report_or);
    line(Piece::english, [&](std::string& out) { appendNumberWords(out, n, form, language); });
    say(form.masculine() ? Text::report_written_masculine : Text::report_written_feminine);
    line(Piece::coptic, [&](std::string& out) { appendCopticWords(out, n, form, writing); });
    say(Text::report_pronounced);
    line(Piece::pronunciation, [&](std::string& out) { appendPronunciation(out, n, form, language); });
    say(Text::report_or_numerals);
    line(Piece::numerals, [&](std::string& out) { appendCopticNumerals(out, n, form, writing); });
    say(Text::report_for_short);
}

} // namespace zefnaro
