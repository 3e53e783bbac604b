// Every engine operation on arbitrary doubles; numbers in range must also pass
// the invariants of every written form.
#include "engine/zefnaro.h"
#include "tests/support/invariants.h"

#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <cstring>

using namespace zefnaro;

namespace {

void check(bool condition) {
    if (!condition) std::abort();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size < 17) return 0;
    double x, y;
    std::memcpy(&x, data, 8);
    std::memcpy(&y, data + 8, 8);
    const bool a = data[16] & 1, b = data[16] & 2, c = data[16] & 4;
    // Small whole numbers are the interesting ones; let some bytes pick them.
    if ((data[16] & 8) && std::isfinite(x)) x = std::floor(std::fmod(std::fabs(x), 1e9));

    (void)getCopticWord(x, a, b, c);
    (void)copticHundreds(x, a, b);
    (void)getCopticNumeral(x);
    (void)getEnglishWord(x, a);
    (void)englishHundreds(x, a);
    (void)groupDigits(x);
    (void)decimalText(x);
    const std::string suffix = getOrdinalSuffix(x);
    check(suffix == "st" || suffix == "nd" || suffix == "rd" || suffix == "th");

    const double r = realMod(x, y);
    check(std::isfinite(r));
    if (std::isfinite(x) && std::isfinite(y) && y > 0) check(r >= 0 && r <= y);
    if (std::isfinite(x) && std::isfinite(y) && y < 0) check(r <= 0 && r >= y);
    (void)realModWrap(x, y);
    check(realMax(x, y) == (x >= y ? x : y) || std::isnan(realMax(x, y)));

    const std::string words = toCopticWords(x, a, b, c);
    const std::string english = toEnglishWords(x, a);
    const std::string numerals = toCopticNumerals(x, a, b);
    if (isTranslatable(x)) {
        check(checks::violation(static_cast<long>(x), a, b).empty());
    } else {
        check(words.empty() && english.empty() && numerals.empty());
    }
    return 0;
}
