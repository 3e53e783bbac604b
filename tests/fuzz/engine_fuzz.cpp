// Every engine operation on arbitrary numbers; numbers in range must also pass
// the invariants of every written form.
#include "engine/internal/words.h"
#include "engine/engine.h"
#include "tests/support/invariants.h"

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
    if (size < 5) return 0;
    std::uint32_t x;
    std::memcpy(&x, data, 4);
    const bool a = data[4] & 1, b = data[4] & 2;
    const Writing half = (data[4] & 4) ? Writing::pronunciation : Writing::fontText;
    const Ten ten = (data[4] & 16) ? Ten::combining : Ten::standalone;
    // Small numbers are the interesting ones; let some bytes pick them.
    if (data[4] & 8) x %= 1'000'000'000U;
    if (data[4] & 32) x %= 1000U;
    const Form form = formOf(b, a);

    (void)copticWord(static_cast<long long>(x % 2000) - 8, a, half, ten);
    (void)copticHundreds(x, a, half);
    (void)englishWord(static_cast<long long>(x % 2000) - 8, form);
    (void)englishHundreds(x, form);

    const std::string words = toCopticWords(x, form, half);
    const std::string english = toEnglishWords(x, form);
    const std::string numerals = toCopticNumerals(x, form);
    if (x >= 1 && x <= largestNumber) {
        const std::string suffix = getOrdinalSuffix(x);
        check(suffix == "st" || suffix == "nd" || suffix == "rd" || suffix == "th");
        check(!groupDigits(x).empty());
        check(checks::violation(static_cast<long>(x), a, b).empty());
    } else {
        check(words.empty() && english.empty() && numerals.empty());
    }
    return 0;
}
