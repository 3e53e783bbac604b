// The lenient reader on arbitrary bytes: never crashes, never NaN, and blanks
// anywhere never change the value.
#include "report/entry.h"

#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <string>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string text(reinterpret_cast<const char*>(data), size);
    const double value = zefnaro::readNumber(text);
    if (std::isnan(value)) std::abort();
    std::string spaced;
    for (char c : text) {
        spaced.push_back(c);
        spaced.push_back(' ');
    }
    const double again = zefnaro::readNumber(spaced);
    if (!(again == value)) std::abort();
    return 0;
}
