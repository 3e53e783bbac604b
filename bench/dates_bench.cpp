// Coptic dates: each conversion per day, reading a written date, and ICU's Coptic
// calendar doing the same conversion as a peer.
#include "zefnaro/date.h"

#include <benchmark/benchmark.h>
#include <unicode/calendar.h>
#include <unicode/gregocal.h>

#include <limits>
#include <memory>
#include <random>
#include <vector>

using namespace zefnaro;

namespace {

// 4,096 days drawn from all of 1..9999 AM, in both calendars.
struct Days {
    std::vector<GregorianDate> gregorian;
    std::vector<CopticDate> coptic;
};
const Days& days() {
    static const Days d = [] {
        Days out;
        std::mt19937 gen(42);
        std::uniform_int_distribution<int> year(1, largestCopticYear), month(1, 13), day(1, 30);
        while (out.coptic.size() < 4096) {
            const CopticDate c{year(gen), month(gen), day(gen)};
            if (const GregorianDateResult g = toGregorianDate(c); g.ok()) {
                out.coptic.push_back(c);
                out.gregorian.push_back(g.date);
            }
        }
        return out;
    }();
    return d;
}

void GregorianToCoptic(benchmark::State& state) {
    std::size_t i = 0;
    for (auto _ : state)
        benchmark::DoNotOptimize(toCopticDate(days().gregorian[i++ & 4095]));
    state.SetItemsProcessed(state.iterations());
}

void CopticToGregorian(benchmark::State& state) {
    std::size_t i = 0;
    for (auto _ : state)
        benchmark::DoNotOptimize(toGregorianDate(days().coptic[i++ & 4095]));
    state.SetItemsProcessed(state.iterations());
}

void ReadCopticDate(benchmark::State& state) {
    const char* const texts[] = {"1743-03-29", "29 Hathor 1743", "ⲕ̅ⲑ̅ Ⲁⲑⲱⲣ ⲁ̿ⲯ̅ⲙ̅ⲅ̅"};
    for (auto _ : state)
        benchmark::DoNotOptimize(readCopticDate(texts[state.range(0)]));
    state.SetItemsProcessed(state.iterations());
}

// ICU: a proleptic Gregorian day in, the Coptic calendar's fields out.
void IcuGregorianToCoptic(benchmark::State& state) {
    UErrorCode status = U_ZERO_ERROR;
    icu::GregorianCalendar gregorian(status);
    gregorian.setGregorianChange(-std::numeric_limits<double>::max(), status);
    const std::unique_ptr<icu::Calendar> coptic(
        icu::Calendar::createInstance(icu::Locale("en@calendar=coptic"), status));
    std::size_t i = 0;
    for (auto _ : state) {
        const GregorianDate g = days().gregorian[i++ & 4095];
        gregorian.clear();
        gregorian.set(g.year, g.month - 1, g.day);
        coptic->setTime(gregorian.getTime(status), status);
        benchmark::DoNotOptimize(coptic->get(UCAL_EXTENDED_YEAR, status) + coptic->get(UCAL_MONTH, status) +
                                 coptic->get(UCAL_DATE, status));
    }
    state.SetItemsProcessed(state.iterations());
}

} // namespace

BENCHMARK(GregorianToCoptic);
BENCHMARK(CopticToGregorian);
BENCHMARK(ReadCopticDate)->DenseRange(0, 2);
BENCHMARK(IcuGregorianToCoptic);

BENCHMARK_MAIN();
