#include "export/json_answers.h"

#include "engine/calendar/days.h"
#include "engine/read_reason.h"
#include "export/church_year.h"
#include "export/json_lines.h"

namespace zefnaro {

NamedDay dayNamed(std::string_view input, bool coptic, Language language, std::optional<GregorianDate> today) {
    if (coptic) {
        const dates::ExplainedCopticDate read = dates::readCopticDateExplained(input);
        if (!read.result.ok()) return {std::nullopt, dates::sentence(read.why, language)};
        return {read.result.date, {}};
    }
    dates::ExplainedGregorianDate read;
    if (today && input == "today")
        read.result.date = *today;
    else
        read = dates::readGregorianDateExplained(input);
    if (!read.result.ok()) return {std::nullopt, dates::sentence(read.why, language)};
    const CopticDateResult converted = toCopticDate(read.result.date);
    if (!converted.ok()) return {std::nullopt, dates::sentence(dates::whyNoCopticDate(read.result.date), language)};
    return {converted.date, {}};
}

NamedChurchYear churchYearNamed(std::string_view input, Language language) {
    const ExplainedReading read = readExplained(input);
    if (!read.result.ok()) return {0, {}, readerMessage(read.why, language)};
    const auto year = static_cast<int>(read.result.reading.number);
    std::vector<Observance> observances = churchYear(year);
    if (observances.empty()) return {year, {}, dates::sentence(dates::whyNoGregorianDate({year, 1, 1}), language)};
    return {year, std::move(observances), {}};
}

} // namespace zefnaro

namespace zefnaro::json {

void appendNumberAnswer(std::string& out, std::string_view input, std::optional<Form> form, Language language) {
    const ExplainedReading read = readExplained(input);
    if (!read.result.ok()) return appendRejectLine(out, input, readerMessage(read.why, language));
    appendNumberLine(out, input, read.result.reading, form.value_or(read.result.reading.form));
}

void appendDateAnswer(std::string& out, std::string_view input, bool coptic, Language language) {
    const NamedDay named = dayNamed(input, coptic, language);
    if (!named.day) return appendRejectLine(out, input, named.why);
    appendDateLine(out, *named.day);
}

void appendChurchYearAnswer(std::string& out, std::string_view input, Language language) {
    const NamedChurchYear named = churchYearNamed(input, language);
    if (named.observances.empty()) return appendRejectLine(out, input, named.why);
    for (const Observance& o : named.observances)
        appendObservanceLine(out, o, language);
}

} // namespace zefnaro::json
