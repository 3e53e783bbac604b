// The web page's way into the engine. Each call takes all it needs as one JSON
// request and answers with its whole result as one JSON object
// (export/page_calls), keeping nothing between calls: the page never asks for a
// second part of an answer, nor in a certain order. One string each way, since
// building JavaScript objects from many strings would cost more than the engine
// itself. The names are exported by EMSCRIPTEN_KEEPALIVE alone and called through
// one function of the page (web/calls.js).
#include "export/page_answers.h"
#include "export/page_calls.h"
#include "web/answered.h"
#include "zefnaro/date.h"

#include <emscripten/emscripten.h>

extern "C" {

// A request {"call": name, …its members} (export/page_calls.h), as its UTF-8 bytes
// in memory the page allocated: a pasted text may be too long for the stack.
EMSCRIPTEN_KEEPALIVE const char* zefnaro_call(const char* bytes, int length) {
    return zefnaro::web::answered([&](std::string& out) {
        zefnaro::page::answerCall(out, std::string_view(bytes, static_cast<std::size_t>(length)));
    });
}

// Every numeral of a text, as zefnaro-cli --find finds them (the page calls it
// from a worker, so that a long text does not hold the page up). The text comes
// as its UTF-8 bytes in memory the page allocated, not on the stack as a string
// argument would: a text of a megabyte or more would not fit there.
EMSCRIPTEN_KEEPALIVE const char* zefnaro_find(const char* bytes, int length) {
    return zefnaro::web::answered([&](std::string& out) {
        zefnaro::page::appendFound(out, std::string_view(bytes, static_cast<std::size_t>(length)));
    });
}

// The days of a Coptic month in a year: 30, or 5 or 6 for Pi Kogi Enavot; 0 for
// no such month.
EMSCRIPTEN_KEEPALIVE int zefnaro_month_days(int year, int month) {
    return zefnaro::copticMonthDays(year, month);
}

} // extern "C"
