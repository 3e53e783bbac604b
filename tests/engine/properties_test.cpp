// Invariants over every number up to a million and a sample of the rest of the
// range, in all four forms.
#include "engine/zefnaro.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <random>
#include <set>
#include <string>
#include <vector>

using namespace zefnaro;

namespace {

bool blanksClean(const std::string& s) {
    return !s.empty() && s.front() != ' ' && s.back() != ' ' && s.find("  ") == std::string::npos;
}

std::vector<std::string> englishTokens(const std::string& s) {
    std::vector<std::string> out(1);
    for (char c : s) {
        if (c == ' ' || c == '-')
            out.emplace_back();
        else
            out.back().push_back(c);
    }
    return out;
}

const std::set<std::string>& ordinalWords() {
    static const std::set<std::string> words = [] {
        std::set<std::string> w;
        for (int key : {1,  2,  3,  4,  5,  6,  7,  8,  9,  10, 11, 12, 13,  14,   15,
                        16, 17, 18, 19, 20, 30, 40, 50, 60, 70, 80, 90, 100, 1000, 1000000})
            w.insert(getEnglishWord(key, true));
        return w;
    }();
    return words;
}

// Empty when every invariant holds, else what broke.
std::string violation(long n, bool masculine, bool ordinal) {
    const double x = static_cast<double>(n);
    const std::string text = toCopticWords(x, masculine, ordinal, false);
    const std::string spoken = toCopticWords(x, masculine, ordinal, true);
    const std::string english = toEnglishWords(x, ordinal);
    std::string numeral = toCopticNumerals(x, masculine, ordinal);
    if (!blanksClean(text) || !blanksClean(spoken) || !blanksClean(english) ||
        !blanksClean(numeral))
        return "blanks";
    if (std::count(text.begin(), text.end(), ' ') != std::count(spoken.begin(), spoken.end(), ' '))
        return "blank count differs between text and pronunciation";

    if (ordinal) {
        if (numeral.rfind("mah ", 0) != 0) return "numeral lacks ordinal prefix";
        numeral.erase(0, 4);
    }
    if (!masculine) {
        if (numeral.empty() || numeral.back() != ']') return "numeral lacks feminine ending";
        numeral.pop_back();
    }
    std::size_t nonzero = 0;
    for (long v = n; v > 0; v /= 10)
        nonzero += (v % 10 != 0);
    if (utf8Length(numeral) != 2 * nonzero) return "numeral letters != nonzero digits";

    const auto tokens = englishTokens(english);
    for (std::size_t i = 0; i < tokens.size(); ++i) {
        const bool isOrdinal = ordinalWords().count(tokens[i]) > 0;
        const bool shouldBe = ordinal && i + 1 == tokens.size();
        if (isOrdinal != shouldBe) return "ordinal word misplaced: " + english;
    }
    return {};
}

void checkAllForms(long n) {
    for (bool masculine : {true, false})
        for (bool ordinal : {false, true}) {
            const std::string v = violation(n, masculine, ordinal);
            if (!v.empty()) {
                ADD_FAILURE() << n << (masculine ? " masculine" : " feminine")
                              << (ordinal ? " ordinal: " : " cardinal: ") << v;
                return;
            }
        }
}

TEST(Properties, EveryNumberUpToAMillion) {
    for (long n = 1; n <= 1'000'000 && !HasFailure(); ++n)
        checkAllForms(n);
}

TEST(Properties, SampledUpToTheLargest) {
    std::mt19937 gen(7);
    std::uniform_int_distribution<long> pick(1, 999'999'999);
    for (int i = 0; i < 100'000 && !HasFailure(); ++i)
        checkAllForms(pick(gen));
    checkAllForms(999'999'999);
}

} // namespace
