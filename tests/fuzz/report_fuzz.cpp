// The report for arbitrary entry text and settings: its selections lie inside the
// text and each styled one covers exactly its piece.
#include "report/report.h"

#include <cstdint>
#include <cstdlib>
#include <string>
#include <vector>

using namespace zefnaro;

namespace {

void check(bool condition) {
    if (!condition) std::abort();
}

// Byte offset of every character, plus the end.
std::vector<std::size_t> characterOffsets(const std::string& s) {
    std::vector<std::size_t> offsets;
    for (std::size_t i = 0; i < s.size(); ++i)
        if ((static_cast<unsigned char>(s[i]) & 0xC0) != 0x80) offsets.push_back(i);
    offsets.push_back(s.size());
    return offsets;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size < 2) return 0;
    DisplaySettings settings;
    settings.ordinal = data[0] & 1;
    settings.masculine = data[0] & 2;
    settings.fontSize = static_cast<std::int16_t>(8 + 2 * (data[1] % 25));
    const std::string entry(reinterpret_cast<const char*>(data + 2), size - 2);
    const Report r = composeReport(entry, settings);

    const auto offsets = characterOffsets(r.text);
    const int length = static_cast<int>(offsets.size()) - 1;
    check(!r.steps.empty());
    check(r.steps[0].start == 0 && r.steps[0].length == length);
    for (const FormatStep& step : r.steps)
        check(step.start >= 0 && step.length >= 0 && step.start + step.length <= length);
    if (r.isMessage) {
        check(r.steps.size() == 1 && r.steps[0].pointSize == 16);
        return 0;
    }
    check(r.steps.size() == 6);
    const std::string* pieces[] = {&r.digits, &r.english, &r.coptic, &r.pronunciation, &r.numerals};
    for (std::size_t i = 0; i < 5; ++i) {
        const FormatStep& step = r.steps[i + 1];
        const std::size_t from = offsets[static_cast<std::size_t>(step.start)];
        const std::size_t to = offsets[static_cast<std::size_t>(step.start + step.length)];
        check(r.text.compare(from, to - from, *pieces[i]) == 0);
        check(!pieces[i]->empty());
    }
    return 0;
}
