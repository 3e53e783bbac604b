#include "worksheet.h"

#include "engine/say.h"
#include "engine/numbers.h"

#include <algorithm>
#include <unordered_set>

namespace zefnaro {

std::string_view modeTitle(Ask ask, Language language) {
    switch (ask) {
    case Ask::numerals: return say(Text::practice_mode_numerals, language);
    case Ask::coptic: return say(Text::practice_mode_coptic, language);
    case Ask::pronunciation: return say(Text::practice_mode_pronunciation, language);
    case Ask::writeNumerals: return say(Text::practice_mode_write_numerals, language);
    case Ask::writeCoptic: return say(Text::practice_mode_write_coptic, language);
    }
    return {};
}

std::string worksheetTitle(const PracticeOptions& options) {
    const std::uint32_t upTo = std::clamp<std::uint32_t>(options.upTo, 1, largestNumber);
    return say(Text::practice_sheet_title, options.language,
               {modeTitle(options.ask, options.language), groupedText(1, options.language),
                groupedText(upTo, options.language)});
}

Worksheet makeWorksheet(const PracticeOptions& options, int count, std::uint64_t seed) {
    Worksheet sheet;
    sheet.title = worksheetTitle(options);
    sheet.instruction = instruction(options.ask, options.language);
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
