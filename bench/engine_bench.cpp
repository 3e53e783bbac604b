// Per-number cost of each report piece, and ICU's English spellout as a peer.
#include "engine/zefnaro.h"

#include <benchmark/benchmark.h>
#include <unicode/fieldpos.h>
#include <unicode/locid.h>
#include <unicode/rbnf.h>
#include <unicode/unistr.h>

#include <random>
#include <string>
#include <vector>

using namespace zefnaro;

namespace {

const std::vector<double>& numbers() {
    static const std::vector<double> values = [] {
        std::mt19937 gen(42);
        std::uniform_int_distribution<int> pick(1, 999'999'999);
        std::vector<double> v(4096);
        for (auto& x : v)
            x = pick(gen);
        return v;
    }();
    return values;
}

// Argument: form 0..3 = masculine cardinal, feminine cardinal, masculine ordinal,
// feminine ordinal.
template <typename Piece> void run(benchmark::State& state, Piece piece) {
    const bool masculine = state.range(0) % 2 == 0;
    const bool ordinal = state.range(0) >= 2;
    const auto& v = numbers();
    std::size_t i = 0;
    for (auto _ : state) {
        piece(v[i], masculine, ordinal);
        i = (i + 1) & (v.size() - 1);
    }
    state.SetItemsProcessed(state.iterations());
}

void CopticWordsTwice(benchmark::State& s) {
    run(s, [](double n, bool m, bool o) {
        benchmark::DoNotOptimize(toCopticWords(n, m, o, false));
        benchmark::DoNotOptimize(toCopticWords(n, m, o, true));
    });
}
void CopticNumerals(benchmark::State& s) {
    run(s, [](double n, bool m, bool o) { benchmark::DoNotOptimize(toCopticNumerals(n, m, o)); });
}
void EnglishWords(benchmark::State& s) {
    run(s, [](double n, bool, bool o) { benchmark::DoNotOptimize(toEnglishWords(n, o)); });
}
void GroupedDigits(benchmark::State& s) {
    run(s, [](double n, bool, bool o) {
        std::string d = groupDigits(n);
        if (o) d += getOrdinalSuffix(n);
        benchmark::DoNotOptimize(d);
    });
}
void AllFivePieces(benchmark::State& s) {
    run(s, [](double n, bool m, bool o) {
        std::string d = groupDigits(n);
        if (o) d += getOrdinalSuffix(n);
        benchmark::DoNotOptimize(d);
        benchmark::DoNotOptimize(toEnglishWords(n, o));
        benchmark::DoNotOptimize(toCopticWords(n, m, o, false));
        benchmark::DoNotOptimize(toCopticWords(n, m, o, true));
        benchmark::DoNotOptimize(toCopticNumerals(n, m, o));
    });
}

// ICU's rule-based spellout, with the text converted to UTF-8 as ours is.
void IcuEnglishSpellout(benchmark::State& state) {
    UErrorCode status = U_ZERO_ERROR;
    icu::RuleBasedNumberFormat format(icu::URBNF_SPELLOUT, icu::Locale::getUS(), status);
    if (U_FAILURE(status)) {
        state.SkipWithError("ICU spellout unavailable");
        return;
    }
    const icu::UnicodeString ruleSet(state.range(0) >= 2 ? u"%spellout-ordinal"
                                                         : u"%spellout-cardinal");
    run(state, [&](double n, bool, bool) {
        icu::UnicodeString text;
        icu::FieldPosition pos;
        UErrorCode err = U_ZERO_ERROR;
        format.format(static_cast<int64_t>(n), ruleSet, text, pos, err);
        std::string utf8;
        benchmark::DoNotOptimize(text.toUTF8String(utf8));
    });
}

} // namespace

BENCHMARK(CopticWordsTwice)->DenseRange(0, 3);
BENCHMARK(CopticNumerals)->DenseRange(0, 3);
BENCHMARK(EnglishWords)->DenseRange(0, 3);
BENCHMARK(GroupedDigits)->DenseRange(0, 3);
BENCHMARK(AllFivePieces)->DenseRange(0, 3);
BENCHMARK(IcuEnglishSpellout)->DenseRange(0, 3, 2);

BENCHMARK_MAIN();
