// A worksheet for a class: numbered questions in one mode and range, and an
// answer key on a page of its own, as HTML for a page renderer.
#pragma once

#include "practice/practice.h"

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace zefnaro {

struct Worksheet {
    std::string title;       // e.g. "Read Coptic numerals: numbers from 1 to 1,000"
    std::string instruction; // what to do with each question
    std::vector<Question> questions;
};

// `count` questions (at least 1, at most 200) drawn as Practice draws them.
Worksheet makeWorksheet(const PracticeOptions& options, int count, std::uint64_t seed);

// The questions with a line to write on, then the answer key after a page break;
// Coptic is set in `copticFamily`.
std::string worksheetHtml(const Worksheet& sheet, std::string_view copticFamily);

} // namespace zefnaro
