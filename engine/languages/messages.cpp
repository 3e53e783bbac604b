// The library's face in any language: the same readings and days, their errors'
// messages worded from the language's catalogue.
#include "engine/calendar/days.h"
#include "engine/read_reason.h"
#include "zefnaro/message.h"

namespace zefnaro {

namespace {

Language spoken(std::string_view code) {
    return languageNamed(code).value_or(defaultLanguage);
}

} // namespace

ReadResult readWrittenNumber(std::string_view text, std::string_view language) {
    ExplainedReading read = readExplained(text);
    if (!read.result.ok()) read.result.error.message = readerMessage(read.why, spoken(language));
    return read.result;
}

CopticDateResult toCopticDate(GregorianDate date, std::string_view language) {
    CopticDateResult result = toCopticDate(date);
    if (!result.ok()) result.error.message = dates::sentence(dates::whyNoCopticDate(date), spoken(language));
    return result;
}

GregorianDateResult toGregorianDate(CopticDate date, std::string_view language) {
    GregorianDateResult result = toGregorianDate(date);
    if (!result.ok()) result.error.message = dates::sentence(dates::whyNoGregorianDate(date), spoken(language));
    return result;
}

CopticDateResult readCopticDate(std::string_view text, std::string_view language) {
    dates::ExplainedCopticDate read = dates::readCopticDateExplained(text);
    if (!read.result.ok()) read.result.error.message = dates::sentence(read.why, spoken(language));
    return read.result;
}

GregorianDateResult readGregorianDate(std::string_view text, std::string_view language) {
    dates::ExplainedGregorianDate read = dates::readGregorianDateExplained(text);
    if (!read.result.ok()) read.result.error.message = dates::sentence(read.why, spoken(language));
    return read.result;
}

} // namespace zefnaro
