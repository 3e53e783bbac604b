#include "engine/coptic.h"
#include "engine/english.h"
#include "engine/numbers.h"
#include "zefnaro/write.h"

namespace zefnaro {

Pieces writeNumber(std::uint32_t number, Form form) {
    Pieces p;
    if (number < 1 || number > largestNumber)
        return p;
    appendGroupedDigits(p.digits, number);
    if (form.ordinal)
        p.digits += getOrdinalSuffix(number);
    appendEnglishWords(p.english, number, form);
    appendCopticWords(p.coptic, number, form, Writing::fontText);
    appendCopticWords(p.pronunciation, number, form, Writing::pronunciation);
    appendCopticNumerals(p.numerals, number, form, Writing::fontText);
    appendCopticWords(p.copticUnicode, number, form, Writing::unicode);
    appendCopticNumerals(p.numeralsUnicode, number, form, Writing::unicode);
    return p;
}

} // namespace zefnaro
