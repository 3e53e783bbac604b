// A worksheet for a class: numbered questions in one mode and range, and an
// answer key, drawn by the window onto pages.
#pragma once

#include "practice/practice.h"

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace zefnaro {

inline constexpr int largestWorksheet = 200; // questions

struct Worksheet {
    std::string title;       // e.g. "Read Coptic numerals: numbers from 1 to 1,000"
    std::string instruction; // what to do with each question
    std::vector<Question> questions;
};

// "Read Coptic numerals", "Write Coptic words": what a mode practises.
std::string_view modeTitle(Ask ask, Language language = defaultLanguage);

// "Read Coptic numerals: numbers from 1 to 1,000", the title a sheet starts with.
std::string worksheetTitle(const PracticeOptions& options);

// `count` questions (at least 1, at most largestWorksheet) drawn as Practice draws
// them, no number twice while the range holds enough numbers.
Worksheet makeWorksheet(const PracticeOptions& options, int count, std::uint64_t seed);

} // namespace zefnaro
