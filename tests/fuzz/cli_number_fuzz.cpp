// The command line's NUMBER parsing on arbitrary bytes: an accepted input is in
// range and made only of blanks, digits and commas, and reads the same back.
#include "cli/number_argument.h"

#include <cstdint>
#include <cstdlib>
#include <string>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string input(reinterpret_cast<const char*>(data), size);
    const auto parsed = zefnaro::cli::parseNumberArgument(input);
    if (!parsed.ok()) {
        if (parsed.reason.empty()) std::abort();
        return 0;
    }
    if (parsed.value < 1 || parsed.value > 999'999'999) std::abort();
    for (char c : input)
        if (!((c >= '0' && c <= '9') || c == ',' || c == ' ' || c == '\t' || c == '\r' ||
              c == '\n' || c == '\v' || c == '\f'))
            std::abort();
    const auto again = zefnaro::cli::parseNumberArgument(std::to_string(parsed.value));
    if (!again.ok() || again.value != parsed.value) std::abort();
    return 0;
}
