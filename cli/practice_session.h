// Practice on the command line: a question, one answer line from the input, the
// verdict, and so on; then the score. As text for a terminal or JSON Lines for tools.
#pragma once

#include "cli/input.h"
#include "cli/output.h"
#include "practice/practice.h"

#include <cstdint>

namespace zefnaro::cli {

struct PracticeRun {
    PracticeOptions options;
    int count = 10;
    std::uint64_t seed = 0;
    bool json = false;
};

// Asks until `count` questions are answered or the input ends; returns how many
// were answered right.
int practise(const PracticeRun& run, InputLines& answers, Output& out);

} // namespace zefnaro::cli
