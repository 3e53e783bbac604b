// The reader of written numbers on arbitrary bytes: no crash or hang; an accepted
// text gives a number in range, and that number written in the form read reads
// back to the same number.
#include "zefnaro/read.h"
#include "engine/engine.h"

#include <cstdint>
#include <cstdlib>
#include <string>

using namespace zefnaro;

namespace {

void check(bool condition) {
    if (!condition) std::abort();
}

std::string written(const Reading& r) {
    const Form form = r.form;
    switch (r.written) {
    case WrittenForm::digits:
        return groupDigits(r.number) + (form.ordinal() ? getOrdinalSuffix(r.number) : "");
    case WrittenForm::english:
        return toEnglishWords(r.number, form);
    case WrittenForm::coptic:
        return toCopticWords(r.number, form, r.writing);
    case WrittenForm::pronunciation:
        return toCopticWords(r.number, form, Writing::pronunciation);
    case WrittenForm::numerals:
        return toCopticNumerals(r.number, form, r.writing);
    case WrittenForm::arabic: {
        std::string words;
        appendArabicWords(words, r.number, form);
        return words;
    }
    case WrittenForm::arabicPronunciation: {
        std::string letters;
        appendArabicPronunciation(letters, r.number, form);
        return letters;
    }
    }
    return {};
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string text(reinterpret_cast<const char*>(data), size);
    const ReadResult first = readWrittenNumber(text);
    if (!first.ok()) return 0;
    check(first.reading.number >= 1 && first.reading.number <= largestNumber);
    const ReadResult again = readWrittenNumber(written(first.reading));
    check(again.ok() && again.reading.number == first.reading.number);
    return 0;
}
