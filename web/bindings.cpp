// The web page's way into the engine. Each call takes all it needs and answers
// with its whole result as one JSON object (export/page_answers), keeping nothing
// between calls: the page never asks for a second part of an answer, nor in a
// certain order. One string a call, since building JavaScript objects from many
// strings would cost more than the engine itself. The names are exported by
// EMSCRIPTEN_KEEPALIVE alone and called through one function of the page
// (web/engine.js).
#include "export/page_answers.h"
#include "export/practice_answers.h"
#include "practice/practice.h"
#include "zefnaro/date.h"

#include <emscripten/emscripten.h>

#include <string>

namespace {

// The answer of the call under way, handed to the page as it returns: its length
// in four bytes (little-endian), then its UTF-8, so that the page decodes it at
// once instead of first looking for its end, a byte at a time in JavaScript.
std::string answer;

template <class Write> const char* answered(Write&& write) {
    answer.assign(4, '\0');
    write(answer);
    const std::size_t length = answer.size() - 4;
    for (std::size_t i = 0; i < 4; ++i)
        answer[i] = static_cast<char>((length >> (8 * i)) & 0xFF);
    return answer.data();
}

} // namespace

extern "C" {

// What the page needs to know once: the version, the largest number, Random's
// ranges, the calendar's first and last days and largest year, the months' names.
EMSCRIPTEN_KEEPALIVE const char* zefnaro_facts() {
    return answered([](std::string& out) { zefnaro::page::appendFacts(out, zefnaro::practiceRanges); });
}

// Every text of the catalogue in a language, by its English: the page's dictionary.
EMSCRIPTEN_KEEPALIVE const char* zefnaro_catalogue(const char* language) {
    return answered([&](std::string& out) { zefnaro::page::appendCatalogue(out, language); });
}

// The report of an entry (digits as the number box holds them) in a form
// ("ordinal"/"cardinal", "feminine"/"masculine"), its Coptic in Unicode or, with
// "font-text", the CS fonts' text, its sentences in a language ("en", "ar"), as
// every call below that says something.
EMSCRIPTEN_KEEPALIVE const char* zefnaro_report(const char* entry, const char* kind, const char* gender,
                                                const char* writing, const char* language) {
    return answered([&](std::string& out) {
        zefnaro::page::appendReport(out, entry, zefnaro::page::settings(kind, gender, writing, language));
    });
}

// The same report as a copy carries it: its standalone page and its text.
EMSCRIPTEN_KEEPALIVE const char* zefnaro_report_copy(const char* entry, const char* kind, const char* gender,
                                                     const char* writing, const char* language) {
    return answered([&](std::string& out) {
        zefnaro::page::appendReportCopy(out, entry, zefnaro::page::settings(kind, gender, writing, language));
    });
}

// A pasted or dropped text in any written form.
EMSCRIPTEN_KEEPALIVE const char* zefnaro_read(const char* text, const char* language) {
    return answered([&](std::string& out) { zefnaro::page::appendReading(out, text, language); });
}

// A day's report with the day in both calendars, or its error: given by its
// Coptic date, by a Gregorian date written YYYY-MM-DD, or by a Coptic date in any
// writing the reader takes.
EMSCRIPTEN_KEEPALIVE const char* zefnaro_coptic_day(int year, int month, int day, const char* writing,
                                                    const char* language) {
    return answered(
        [&](std::string& out) { zefnaro::page::appendDay(out, {year, month, day}, writing, language); });
}

EMSCRIPTEN_KEEPALIVE const char* zefnaro_day_copy(int year, int month, int day, const char* writing,
                                                  const char* language) {
    return answered(
        [&](std::string& out) { zefnaro::page::appendDayCopy(out, {year, month, day}, writing, language); });
}

EMSCRIPTEN_KEEPALIVE const char* zefnaro_gregorian_day(const char* iso, const char* writing, const char* language) {
    return answered([&](std::string& out) { zefnaro::page::appendGregorianDay(out, iso, writing, language); });
}

EMSCRIPTEN_KEEPALIVE const char* zefnaro_read_coptic_day(const char* text, const char* writing,
                                                         const char* language) {
    return answered([&](std::string& out) { zefnaro::page::appendReadDay(out, text, writing, language); });
}

// Every numeral of a text, as zefnaro-cli --find finds them (the page calls it
// from a worker, so that a long text does not hold the page up). The text comes
// as its UTF-8 bytes in memory the page allocated, not on the stack as a string
// argument would: a text of a megabyte or more would not fit there.
EMSCRIPTEN_KEEPALIVE const char* zefnaro_find(const char* bytes, int length) {
    return answered([&](std::string& out) {
        zefnaro::page::appendFound(out, std::string_view(bytes, static_cast<std::size_t>(length)));
    });
}

// The feasts and fasts of a Coptic year, with the year as an iCalendar file.
EMSCRIPTEN_KEEPALIVE const char* zefnaro_church_year(const char* year, const char* language) {
    return answered([&](std::string& out) { zefnaro::page::appendChurchYear(out, year, language); });
}

// Practice: the keypad and the modes; the question `index` of a round (a mode, a
// range, "mixed" forms or one form, a seed, a language); the verdict on an answer
// to it. The page keeps the round; the engine replays it from its seed.
EMSCRIPTEN_KEEPALIVE const char* zefnaro_practice_facts() {
    return answered([](std::string& out) { zefnaro::page::appendPracticeFacts(out); });
}

EMSCRIPTEN_KEEPALIVE const char* zefnaro_question(const char* ask, int upTo, const char* forms, const char* kind,
                                                  const char* gender, double seed, int index,
                                                  const char* language) {
    const zefnaro::page::Round round{ask, forms, kind, gender, language, static_cast<std::uint32_t>(upTo),
                                     static_cast<std::uint64_t>(seed)};
    return answered(
        [&](std::string& out) { zefnaro::page::appendQuestion(out, round, static_cast<std::uint32_t>(index)); });
}

EMSCRIPTEN_KEEPALIVE const char* zefnaro_verdict(const char* ask, int upTo, const char* forms, const char* kind,
                                                 const char* gender, double seed, int index, const char* language,
                                                 const char* answer, int right, int asked, int streak,
                                                 int answeredAlready) {
    const zefnaro::page::Round round{ask, forms, kind, gender, language, static_cast<std::uint32_t>(upTo),
                                     static_cast<std::uint64_t>(seed)};
    return answered([&](std::string& out) {
        zefnaro::page::appendVerdict(out, round, static_cast<std::uint32_t>(index), answer,
                                     zefnaro::Tally{right, asked, streak, answeredAlready != 0});
    });
}

// The session's tally after an event of the page ("shown", "next"), with its words.
EMSCRIPTEN_KEEPALIVE const char* zefnaro_tally(int right, int asked, int streak, int answeredAlready,
                                               const char* event, const char* language) {
    return answered([&](std::string& out) {
        zefnaro::page::appendTally(out, zefnaro::Tally{right, asked, streak, answeredAlready != 0}, event, language);
    });
}

// A worksheet: a round's choices with a number of questions, drawn from its seed.
EMSCRIPTEN_KEEPALIVE const char* zefnaro_worksheet(const char* ask, int upTo, const char* forms, const char* kind,
                                                   const char* gender, double seed, int count, const char* language) {
    const zefnaro::page::Round round{ask, forms, kind, gender, language, static_cast<std::uint32_t>(upTo),
                                     static_cast<std::uint64_t>(seed)};
    return answered([&](std::string& out) { zefnaro::page::appendWorksheet(out, round, count); });
}

// The days of a Coptic month in a year: 30, or 5 or 6 for Pi Kogi Enavot; 0 for
// no such month.
EMSCRIPTEN_KEEPALIVE int zefnaro_month_days(int year, int month) {
    return zefnaro::copticMonthDays(year, month);
}

} // extern "C"
