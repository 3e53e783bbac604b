// The small engine the page loads first: the calls of the number's view alone
// (export/page_first_calls), so that the first report waits for less. The rest
// of the engine (bindings.cpp) loads when another view opens, or once the first
// report is drawn.
#include "export/page_first_calls.h"
#include "web/answered.h"

#include <emscripten/emscripten.h>

extern "C" {

// The call's name and its few members as short strings; the entry or the text
// read as its UTF-8 bytes in memory the page allocated.
EMSCRIPTEN_KEEPALIVE const char* zefnaro_first(const char* call, const char* form, const char* writing,
                                               const char* language, const char* bytes, int length) {
    return zefnaro::web::answered([&](std::string& out) {
        zefnaro::page::answerFirstCall(out, call, std::string_view(bytes, static_cast<std::size_t>(length)), form,
                                       writing, language);
    });
}

} // extern "C"
