#include "worksheet.h"

#include "engine/numbers.h"

#include <algorithm>
#include <unordered_set>

namespace zefnaro {

std::string_view modeTitle(Ask ask) {
    switch (ask) {
    case Ask::numerals: return "Read Coptic numerals";
    case Ask::coptic: return "Read Coptic words";
    case Ask::pronunciation: return "Read the pronunciation of Coptic words";
    case Ask::writeNumerals: return "Write Coptic numerals";
    case Ask::writeCoptic: return "Write Coptic words";
    }
    return {};
}

std::string worksheetTitle(const PracticeOptions& options) {
    return std::string(modeTitle(options.ask)) + ": numbers from 1 to " +
           groupDigits(std::clamp<std::uint32_t>(options.upTo, 1, largestNumber));
}

Worksheet makeWorksheet(const PracticeOptions& options, int count, std::uint64_t seed) {
    Worksheet sheet;
    sheet.title = worksheetTitle(options);
    sheet.instruction = instruction(options.ask);
    QuestionMaker maker(options, seed);
    const auto wanted = static_cast<std::size_t>(std::clamp(count, 1, largestWorksheet));
    const std::uint32_t range = std::clamp<std::uint32_t>(options.upTo, 1, largestNumber);
    std::unordered_set<std::uint32_t> asked;
    while (sheet.questions.size() < wanted) {
        Question q = maker.next();
        // A small range runs out of numbers: then they come round again, each
        // round without repeats.
        if (asked.size() >= range) asked.clear();
        if (!asked.insert(q.number).second) continue;
        sheet.questions.push_back(std::move(q));
    }
    return sheet;
}

} // namespace zefnaro
