// Invariants over every number up to a million and a sample of the rest of the
// range, in all four forms.
#include "tests/support/invariants.h"

#include <gtest/gtest.h>

#include <random>
#include <string>

using namespace zefnaro;

namespace {

using Check = std::string (*)(long n, bool masculine, bool ordinal);

// Runs a check on n in all four forms; the first violation fails the test.
void inAllForms(long n, Check check) {
    for (bool masculine : {true, false})
        for (bool ordinal : {false, true}) {
            const std::string v = check(n, masculine, ordinal);
            if (!v.empty()) {
                ADD_FAILURE() << n << (masculine ? " masculine" : " feminine")
                              << (ordinal ? " ordinal: " : " cardinal: ") << v;
                return;
            }
        }
}

void checkAllForms(long n) {
    inAllForms(n, checks::violation);
}

void readBackAllForms(long n) {
    inAllForms(n, checks::roundTripViolation);
}

TEST(RoundTrip, EveryNumberBelowTenThousand) {
    for (long n = 1; n < 10'000 && !HasFailure(); ++n)
        readBackAllForms(n);
}

TEST(RoundTrip, SampledUpToTheLargest) {
    std::mt19937 gen(11);
    std::uniform_int_distribution<long> pick(1, 999'999'999);
    for (int i = 0; i < 100'000 && !HasFailure(); ++i)
        readBackAllForms(pick(gen));
    readBackAllForms(999'999'999);
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
