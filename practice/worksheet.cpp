#include "worksheet.h"

#include "engine/arabic.h"
#include "engine/numbers.h"

#include <algorithm>
#include <unordered_set>

namespace zefnaro {

std::string_view modeTitle(Ask ask, Language language) {
    const bool arabic = language == Language::arabic;
    switch (ask) {
    case Ask::numerals: return arabic ? "قراءة الأرقام القبطية" : "Read Coptic numerals";
    case Ask::coptic: return arabic ? "قراءة الكلمات القبطية" : "Read Coptic words";
    case Ask::pronunciation: return arabic ? "قراءة نطق الكلمات القبطية" : "Read the pronunciation of Coptic words";
    case Ask::writeNumerals: return arabic ? "كتابة الأرقام القبطية" : "Write Coptic numerals";
    case Ask::writeCoptic: return arabic ? "كتابة الكلمات القبطية" : "Write Coptic words";
    }
    return {};
}

std::string worksheetTitle(const PracticeOptions& options) {
    const std::uint32_t upTo = std::clamp<std::uint32_t>(options.upTo, 1, largestNumber);
    if (options.language == Language::arabic) {
        std::string title = std::string(modeTitle(options.ask, options.language)) + ": الأعداد من ١ إلى ";
        appendArabicDigits(title, upTo);
        return title;
    }
    return std::string(modeTitle(options.ask)) + ": numbers from 1 to " + groupDigits(upTo);
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
