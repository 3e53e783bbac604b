#include "engine/coptic.h"
#include "engine/english.h"
#include "engine/numbers.h"
#include "zefnaro/version.h"
#include "zefnaro/write.h"

namespace zefnaro {

WriteResult writeNumber(std::uint32_t number, Form form) {
    WriteResult result;
    if (number < 1 || number > largestNumber) {
        result.error = WriteError::outOfRange;
        return result;
    }
    Pieces& p = result.pieces;
    appendGroupedDigits(p.digits, number);
    if (form.ordinal()) p.digits += getOrdinalSuffix(number);
    appendEnglishWords(p.english, number, form);
    appendCopticWords(p.coptic, number, form, Writing::unicode);
    appendCopticNumerals(p.numerals, number, form, Writing::unicode);
    appendCopticWords(p.pronunciation, number, form, Writing::pronunciation);
    appendCopticWords(p.copticFontText, number, form, Writing::fontText);
    appendCopticNumerals(p.numeralsFontText, number, form, Writing::fontText);
    return result;
}

const char* version() {
    return versionText;
}

} // namespace zefnaro
