// The web page's work done natively: for 200,000 entries, the whole answer the
// page asks for at each keystroke (the report composed, rendered as its lines, its
// text and its page, as one JSON object); bench/web_engine.mjs does the same in
// WebAssembly. Prints reports per second.
#include "export/page_answers.h"

#include <chrono>
#include <cstdio>
#include <string>

int main() {
    const zefnaro::DisplaySettings settings = zefnaro::page::settings({}, zefnaro::Writing::unicode);
    constexpr long count = 200'000;
    std::size_t bytes = 0;
    std::string answer;
    const auto start = std::chrono::steady_clock::now();
    for (long i = 0; i < count; ++i) {
        const std::string entry = std::to_string(i * 7919 * 7919 % 999'999'999 + 1);
        answer.clear();
        zefnaro::page::appendReport(answer, entry, settings);
        bytes += answer.size();
    }
    const double seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    std::printf("native: %.0f reports a second (%zu bytes)\n", static_cast<double>(count) / seconds, bytes);
}
