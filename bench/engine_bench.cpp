// Per-number cost of each report piece, and ICU's English spellout as a peer.
#include "zefnaro/church.h"
#include "zefnaro/read.h"
#include "engine/engine.h"

#include <benchmark/benchmark.h>
#include <unicode/fieldpos.h>
#include <unicode/locid.h>
#include <unicode/rbnf.h>
#include <unicode/unistr.h>

#include <array>
#include <cstdint>
#include <random>
#include <string>
#include <vector>

using namespace zefnaro;

namespace {

const std::vector<std::uint32_t>& numbers() {
    static const std::vector<std::uint32_t> values = [] {
        std::mt19937 gen(42);
        std::uniform_int_distribution<std::uint32_t> pick(1, largestNumber);
        std::vector<std::uint32_t> v(4096);
        for (auto& x : v)
            x = pick(gen);
        return v;
    }();
    return values;
}

// Argument: form 0..3 = masculine cardinal, feminine cardinal, masculine ordinal,
// feminine ordinal.
template <typename Piece> void run(benchmark::State& state, Piece piece) {
    const Form form = formOf(state.range(0) >= 2, state.range(0) % 2 == 0);
    const auto& v = numbers();
    std::size_t i = 0;
    for (auto _ : state) {
        piece(v[i], form);
        i = (i + 1) & (v.size() - 1);
    }
    state.SetItemsProcessed(state.iterations());
}

std::string digits(std::uint32_t n, Form f) {
    std::string d = groupDigits(n);
    if (f.ordinal()) d += getOrdinalSuffix(n);
    return d;
}

void CopticWordsTwice(benchmark::State& s) {
    run(s, [](std::uint32_t n, Form f) {
        benchmark::DoNotOptimize(toCopticWords(n, f, Writing::fontText));
        benchmark::DoNotOptimize(toCopticWords(n, f, Writing::pronunciation));
    });
}
void CopticNumerals(benchmark::State& s) {
    run(s, [](std::uint32_t n, Form f) { benchmark::DoNotOptimize(toCopticNumerals(n, f)); });
}
void EnglishWords(benchmark::State& s) {
    run(s, [](std::uint32_t n, Form f) { benchmark::DoNotOptimize(toEnglishWords(n, f)); });
}
void GroupedDigits(benchmark::State& s) {
    run(s, [](std::uint32_t n, Form f) { benchmark::DoNotOptimize(digits(n, f)); });
}
void fivePieces(std::uint32_t n, Form f) {
    benchmark::DoNotOptimize(digits(n, f));
    benchmark::DoNotOptimize(toEnglishWords(n, f));
    benchmark::DoNotOptimize(toCopticWords(n, f, Writing::fontText));
    benchmark::DoNotOptimize(toCopticWords(n, f, Writing::pronunciation));
    benchmark::DoNotOptimize(toCopticNumerals(n, f));
}
void AllFivePieces(benchmark::State& s) {
    run(s, fivePieces);
}
void UnicodeWordsAndNumerals(benchmark::State& s) {
    run(s, [](std::uint32_t n, Form f) {
        benchmark::DoNotOptimize(toCopticWords(n, f, Writing::unicode));
        benchmark::DoNotOptimize(toCopticNumerals(n, f, Writing::unicode));
    });
}
void AllPiecesWithUnicode(benchmark::State& s) {
    run(s, [](std::uint32_t n, Form f) {
        fivePieces(n, f);
        benchmark::DoNotOptimize(toCopticWords(n, f, Writing::unicode));
        benchmark::DoNotOptimize(toCopticNumerals(n, f, Writing::unicode));
    });
}
// Reading back one written form (argument: 0 digits, 1 English, 2 Coptic font
// text, 3 Coptic Unicode, 4 pronunciation, 5 numerals font text, 6 numerals
// Unicode), over random numbers in all four forms.
void ReadWritten(benchmark::State& state) {
    static const auto texts = [] {
        std::array<std::vector<std::string>, 7> t;
        std::mt19937 gen(5);
        for (std::size_t i = 0; i < numbers().size(); ++i) {
            const std::uint32_t n = numbers()[i];
            const Form f = formOf((i & 1) != 0, (i & 2) != 0);
            t[0].push_back(digits(n, f));
            t[1].push_back(toEnglishWords(n, f));
            t[2].push_back(toCopticWords(n, f, Writing::fontText));
            t[3].push_back(toCopticWords(n, f, Writing::unicode));
            t[4].push_back(toCopticWords(n, f, Writing::pronunciation));
            t[5].push_back(toCopticNumerals(n, f));
            t[6].push_back(toCopticNumerals(n, f, Writing::unicode));
        }
        return t;
    }();
    const auto& v = texts[static_cast<std::size_t>(state.range(0))];
    std::size_t i = 0;
    for (auto _ : state) {
        benchmark::DoNotOptimize(readWrittenNumber(v[i]));
        i = (i + 1) & (v.size() - 1);
    }
    state.SetItemsProcessed(state.iterations());
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
    run(state, [&](std::uint32_t n, Form) {
        icu::UnicodeString text;
        icu::FieldPosition pos;
        UErrorCode err = U_ZERO_ERROR;
        format.format(static_cast<int64_t>(n), ruleSet, text, pos, err);
        std::string utf8;
        benchmark::DoNotOptimize(text.toUTF8String(utf8));
    });
}

// A year's observances, Easter reckoned and every feast and fast placed.
void ChurchYear(benchmark::State& state) {
    int year = 1;
    for (auto _ : state) {
        benchmark::DoNotOptimize(zefnaro::churchYear(year));
        year = year % 9999 + 1;
    }
    state.SetItemsProcessed(state.iterations());
}

} // namespace

BENCHMARK(ChurchYear);
BENCHMARK(CopticWordsTwice)->DenseRange(0, 3);
BENCHMARK(CopticNumerals)->DenseRange(0, 3);
BENCHMARK(EnglishWords)->DenseRange(0, 3);
BENCHMARK(GroupedDigits)->DenseRange(0, 3);
BENCHMARK(AllFivePieces)->DenseRange(0, 3);
BENCHMARK(UnicodeWordsAndNumerals)->DenseRange(0, 3);
BENCHMARK(AllPiecesWithUnicode)->DenseRange(0, 3);
BENCHMARK(ReadWritten)->DenseRange(0, 6);
BENCHMARK(IcuEnglishSpellout)->DenseRange(0, 3, 2);

BENCHMARK_MAIN();
