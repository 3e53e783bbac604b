// Every engine operation on arbitrary doubles; numbers in range must also pass
// the invariants of every written form.
#include "engine/internal/words.h"
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
    if (size < 9) return 0;
    double x;
    std::memcpy(&x, data, 8);
    const bool a = data[8] & 1, b = data[8] & 2;
    const Writing half = (data[8] & 4) ? Writing::pronunciation : Writing::fontText;
    const Ten ten = (data[8] & 16) ? Ten::combining : Ten::standalone;
    // Small whole numbers are the interesting ones; let some bytes pick them.
    if ((data[8] & 8) && std::isfinite(x)) x = std::floor(std::fmod(std::fabs(x), 1e9));
    const Form form{b, a};

    (void)getCopticWord(x, a, half, ten);
    (void)copticHundreds(x, a, half);
    (void)getEnglishWord(x, form);
    (void)englishHundreds(x, form);

    const std::string words = toCopticWords(x, form, half);
    const std::string english = toEnglishWords(x, form);
    const std::string numerals = toCopticNumerals(x, form);
    if (const auto n = translatable(x)) {
        check(*n >= 1 && *n <= largestNumber && static_cast<double>(*n) == x);
        const std::string suffix = getOrdinalSuffix(*n);
        check(suffix == "st" || suffix == "nd" || suffix == "rd" || suffix == "th");
        check(!groupDigits(*n).empty());
        check(checks::violation(static_cast<long>(*n), a, b).empty());
    } else {
        check(words.empty() && english.empty() && numerals.empty());
    }
    return 0;
}
