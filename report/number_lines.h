// A number's report line by line: one list for the report and for its plain text.
#pragma once

#include "engine/engine.h"
#include "engine/language.h"
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
    const auto text = [](std::string_view t) { return [t](std::string& out) { out += t; }; };
    const bool arabic = language == Language::arabic;
    const auto say = [&](std::string_view english, std::string_view inArabic) {
        line(Piece::words, text(arabic ? inArabic : english));
    };
    if (form.ordinal())
        say("The ordinal number", "العدد الترتيبي");
    else
        say("The cardinal number", "العدد الأصلي");
    line(Piece::digits, [&](std::string& out) {
        if (arabic) return appendArabicDigits(out, n);
        appendGroupedDigits(out, n, groupSeparator);
        if (form.ordinal()) out += getOrdinalSuffix(n);
    });
    say("or", "أو");
    line(Piece::english, [&](std::string& out) {
        if (arabic) return appendArabicWords(out, n, form);
        appendEnglishWords(out, n, form);
    });
    if (form.masculine())
        say("in Bohairic Coptic (masculine) is written", "يُكتب بالقبطية البحيرية (مذكر)");
    else
        say("in Bohairic Coptic (feminine) is written", "يُكتب بالقبطية البحيرية (مؤنث)");
    line(Piece::coptic, [&](std::string& out) { appendCopticWords(out, n, form, writing); });
    say("which is pronounced", "ويُنطق");
    line(Piece::pronunciation, [&](std::string& out) {
        if (arabic) return appendArabicPronunciation(out, n, form);
        appendCopticWords(out, n, form, Writing::pronunciation);
    });
    say("or", "أو");
    line(Piece::numerals, [&](std::string& out) { appendCopticNumerals(out, n, form, writing); });
    say("for short", "اختصارًا");
}

} // namespace zefnaro
