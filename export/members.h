// What a number, a day, a reading, a found numeral, an observance and a practice
// question are as data: their members, named and in order, listed once for every
// shape they are written in (the command line's JSON lines, the Python module's
// dicts, the web page's objects). Adding a member is one line here.
//
// The later lists write to a sink with text(name, value), number(name, value) and
// boolean(name, value), as json::Object has them.
#pragma once

#include "engine/calendar/days.h"
#include "engine/engine.h"
#include "practice/practice.h"
#include "zefnaro/church.h"
#include "zefnaro/date.h"
#include "zefnaro/find.h"
#include "zefnaro/form.h"
#include "zefnaro/read.h"

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace zefnaro {

// The pieces of a number's report in a form: digits, english, arabic (words),
// arabic_digits, coptic, pronunciation, pronunciation_arabic (the Coptic words in
// Arabic letters),
// numerals (coptic and numerals in the CS fonts' text), coptic_unicode,
// numerals_unicode. Each goes to text(name, append), where append(std::string&)
// writes its value; the number must be 1..largestNumber.
template <class Text> void eachNumberMember(std::uint32_t n, Form form, Text&& text) {
    text("digits", [n, form](std::string& out) {
        appendGroupedDigits(out, n);
        if (form.ordinal()) out += getOrdinalSuffix(n);
    });
    text("english", [n, form](std::string& out) { appendEnglishWords(out, n, form); });
    text("arabic", [n, form](std::string& out) { appendArabicWords(out, n, form); });
    text("arabic_digits", [n](std::string& out) { appendArabicDigits(out, n); });
    text("coptic", [n, form](std::string& out) { appendCopticWords(out, n, form, Writing::fontText); });
    text("pronunciation",
         [n, form](std::string& out) { appendCopticWords(out, n, form, Writing::pronunciation); });
    text("pronunciation_arabic", [n, form](std::string& out) { appendArabicPronunciation(out, n, form); });
    text("numerals",
         [n, form](std::string& out) { appendCopticNumerals(out, n, form, Writing::fontText); });
    text("coptic_unicode",
         [n, form](std::string& out) { appendCopticWords(out, n, form, Writing::unicode); });
    text("numerals_unicode",
         [n, form](std::string& out) { appendCopticNumerals(out, n, form, Writing::unicode); });
}

// What is said of a day, in order: gregorian, weekday, weekday_arabic, coptic_year,
// coptic_month, coptic_day, the month's names (month_coptic, month_font_text,
// month_pronunciation, month_english, month_arabic), the day's and the year's numerals, Coptic
// words and pronunciation (Unicode Coptic), and last the ids of the day's
// observances (feasts, fasts). Each text member goes to text(name, append), each
// number to number(name, value), the list to texts(name, values). The date must be
// a day.
template <class Text, class Number, class Texts>
void eachDateMember(CopticDate c, GregorianDate g, Text&& text, Number&& number, Texts&& texts) {
    const MonthName month = copticMonthName(c.month);
    const auto day = static_cast<std::uint32_t>(c.day);
    const auto year = static_cast<std::uint32_t>(c.year);
    const auto constant = [](std::string_view value) {
        return [value](std::string& out) { out += value; };
    };
    const auto numerals = [](std::uint32_t n) {
        return [n](std::string& out) { appendCopticNumerals(out, n, {}, Writing::unicode); };
    };
    const auto words = [](std::uint32_t n, Writing writing) {
        return [n, writing](std::string& out) { appendCopticWords(out, n, {}, writing); };
    };
    text("gregorian", [g](std::string& out) { dates::appendIso(out, g); });
    text("weekday", constant(weekdayName(g)));
    text("weekday_arabic", constant(arabicWeekdayName(g)));
    number("coptic_year", c.year);
    number("coptic_month", c.month);
    number("coptic_day", c.day);
    text("month_coptic", constant(month.coptic));
    text("month_font_text", constant(month.fontText));
    text("month_pronunciation", constant(month.pronunciation));
    text("month_english", constant(month.english));
    text("month_arabic", constant(arabicMonthName(c.month)));
    text("day_numerals", numerals(day));
    text("year_numerals", numerals(year));
    text("day_coptic", words(day, Writing::unicode));
    text("year_coptic", words(year, Writing::unicode));
    text("day_pronunciation", words(day, Writing::pronunciation));
    text("year_pronunciation", words(year, Writing::pronunciation));
    std::vector<std::string_view> observances;
    for (const Observance& o : observancesOn(c))
        observances.push_back(o.id);
    texts("observances", observances);
}

// number, read_as (left out where it is always numerals, as for a found numeral),
// ordinal, masculine.
template <class Sink> void eachReadingMember(const Reading& r, bool withReadAs, Sink& sink) {
    sink.number("number", r.number);
    if (withReadAs) sink.text("read_as", formName(r.written));
    sink.boolean("ordinal", r.form.ordinal());
    sink.boolean("masculine", r.form.masculine());
}

// line, column (from 1, in characters as people see them), text, then the reading
// (a fraction's number written "1/3"), kind, and a fraction's denominator.
template <class Sink> void eachFoundMember(const FoundNumeral& f, Sink& sink) {
    sink.number("line", static_cast<std::int64_t>(f.line));
    sink.number("column", static_cast<std::int64_t>(f.column));
    sink.text("text", f.text);
    if (f.kind == FoundKind::fraction) {
        sink.text("number", "1/" + std::to_string(f.denominator));
        sink.boolean("ordinal", f.reading.form.ordinal());
        sink.boolean("masculine", f.reading.form.masculine());
    } else {
        eachReadingMember(f.reading, false, sink);
    }
    sink.text("kind", foundKindName(f.kind));
    if (f.kind == FoundKind::fraction) sink.number("denominator", f.denominator);
}

// id, name (in the language), kind, first, last (Gregorian), coptic_first,
// coptic_last, every day written YYYY-MM-DD.
template <class Sink> void eachObservanceMember(const Observance& o, Language language, Sink& sink) {
    const auto iso = [](auto date) {
        std::string out;
        dates::appendIso(out, date);
        return out;
    };
    sink.text("id", o.id);
    sink.text("name", dates::observanceName(o.id, language));
    sink.text("kind", kindName(o.kind));
    sink.text("first", iso(toGregorianDate(o.first).date));
    sink.text("last", iso(toGregorianDate(o.last).date));
    sink.text("coptic_first", iso(o.first));
    sink.text("coptic_last", iso(o.last));
}

// A practice question: ask, number, ordinal, masculine, text (as shown), answer
// (a right one).
template <class Sink> void eachQuestionMember(const Question& q, Sink& sink) {
    sink.text("ask", askName(q.ask));
    sink.number("number", q.number);
    sink.boolean("ordinal", q.form.ordinal());
    sink.boolean("masculine", q.form.masculine());
    sink.text("text", q.text);
    sink.text("answer", q.answer);
}

// The verdict on an answer: correct, then number and read_as where the answer
// reads as a number, else error (the reader's message).
template <class Sink> void eachVerdictMember(const Verdict& v, Sink& sink) {
    sink.boolean("correct", v.correct);
    if (v.read.ok()) {
        sink.number("number", v.read.reading.number);
        sink.text("read_as", formName(v.read.reading.written));
    } else {
        sink.text("error", v.read.error.message);
    }
}

} // namespace zefnaro
