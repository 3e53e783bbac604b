// The web page's work done natively: an entry composed into a report and rendered
// as the page's lines, for 200,000 numbers; bench/web_engine.mjs does the same in
// WebAssembly. Prints reports per second.
#include "export/html.h"
#include "report/fonts.h"

#include <chrono>
#include <cstdio>
#include <string>

int main() {
    zefnaro::DisplaySettings settings;
    settings.fontName = std::string(zefnaro::projectFont);
    constexpr long count = 200'000;
    std::size_t bytes = 0;
    const auto start = std::chrono::steady_clock::now();
    for (long i = 0; i < count; ++i) {
        const std::string entry = std::to_string(i * 7919 * 7919 % 999'999'999 + 1);
        bytes += zefnaro::reportLines(zefnaro::composeReport(entry, settings)).size();
    }
    const double seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    std::printf("native: %.0f reports a second (%zu bytes)\n", static_cast<double>(count) / seconds, bytes);
}
