// A number's report line by line: one list for the report and for its plain text.
#pragma once

#include "engine/engine.h"
#include "report/styles.h"
#include "zefnaro/form.h"

#include <cstdint>
#include <string>
#include <string_view>

namespace zefnaro {

// The report's lines with text, in order, each given to `line` with a function
// that appends its text: one list for the report and its plain text.
template <class Line>
void eachNumberLine(std::uint32_t n, Form form, Writing writing, std::string_view groupSeparator,
              Line&& line) {
    const auto text = [](std::string_view t) { return [t](std::string& out) { out += t; }; };
    line(Piece::words, text(form.ordinal() ? "The ordinal number" : "The cardinal number"));
    line(Piece::digits, [&](std::string& out) {
        appendGroupedDigits(out, n, groupSeparator);
        if (form.ordinal()) out += getOrdinalSuffix(n);
    });
    line(Piece::words, text("or"));
    line(Piece::english, [&](std::string& out) { appendEnglishWords(out, n, form); });
    line(Piece::words, text(form.masculine() ? "in Bohairic Coptic (masculine) is written"
                                           : "in Bohairic Coptic (feminine) is written"));
    line(Piece::coptic, [&](std::string& out) { appendCopticWords(out, n, form, writing); });
    line(Piece::words, text("which is pronounced"));
    line(Piece::pronunciation,
         [&](std::string& out) { appendCopticWords(out, n, form, Writing::pronunciation); });
    line(Piece::words, text("or"));
    line(Piece::numerals, [&](std::string& out) { appendCopticNumerals(out, n, form, writing); });
    line(Piece::words, text("for short"));
}

} // namespace zefnaro
