#include "export/json_answers.h"

#include "engine/calendar/days.h"
#include "engine/read_reason.h"
#include "export/church_year.h"
#include "export/json_lines.h"
#include "zefnaro/church.h"
#include "zefnaro/date.h"

namespace zefnaro::json {

void appendNumberAnswer(std::string& out, std::string_view input, std::optional<Form> form, Language language) {
    const ExplainedReading read = readExplained(input);
    if (!read.result.ok()) return appendRejectLine(out, input, readerMessage(read.why, language));
    appendNumberLine(out, input, read.result.reading, form.value_or(read.result.reading.form));
}

void appendDateAnswer(std::string& out, std::string_view input, bool coptic, Language language) {
    CopticDate day;
    if (coptic) {
        const dates::ExplainedCopticDate read = dates::readCopticDateExplained(input);
        if (!read.result.ok()) return appendRejectLine(out, input, dates::sentence(read.why, language));
        day = read.result.date;
    } else {
        const dates::ExplainedGregorianDate read = dates::readGregorianDateExplained(input);
        if (!read.result.ok()) return appendRejectLine(out, input, dates::sentence(read.why, language));
        const CopticDateResult converted = toCopticDate(read.result.date);
        if (!converted.ok())
            return appendRejectLine(out, input, dates::sentence(dates::whyNoCopticDate(read.result.date), language));
        day = converted.date;
    }
    appendDateLine(out, day);
}

void appendChurchYearAnswer(std::string& out, std::string_view input, Language language) {
    const ExplainedReading read = readExplained(input);
    if (!read.result.ok()) return appendRejectLine(out, input, readerMessage(read.why, language));
    const auto year = static_cast<int>(read.result.reading.number);
    const std::vector<Observance> observances = churchYear(year);
    if (observances.empty())
        return appendRejectLine(out, input, dates::sentence(dates::whyNoGregorianDate({year, 1, 1}), language));
    for (const Observance& o : observances)
        appendObservanceLine(out, o, language);
}

} // namespace zefnaro::json
