// Writes COUNT random whole numbers from 1 to 999,999,999, one per line, from a
// fixed seed, so that every program is measured on the same input.
#include <cstdio>
#include <cstdlib>
#include <random>

int main(int argc, char** argv) {
    const long count = argc > 1 ? std::atol(argv[1]) : 1'000'000;
    std::mt19937 gen(20261207);
    std::uniform_int_distribution<long> pick(1, 999'999'999);
    for (long i = 0; i < count; ++i)
        std::printf("%ld\n", pick(gen));
    return 0;
}
