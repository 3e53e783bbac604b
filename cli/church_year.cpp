// The feasts and fasts of Coptic years: each year given (a number in any writing the
// reader takes) listed as text, as JSON lines or as an iCalendar file.
#include "cli/answers.h"
#include "cli/request.h"
#include "engine/calendar/days.h"
#include "engine/read_reason.h"
#include "export/church_year.h"
#include "zefnaro/church.h"
#include "zefnaro/read.h"

namespace zefnaro::cli {

int listChurchYear(const Request& request) {
    Answers answers(request.json);
    const bool arabic = request.language == Language::arabic;
    const auto answer = [&](std::string_view input) {
        const ExplainedReading read = readExplained(input);
        if (!read.result.ok())
            return answers.reject(input, arabic ? readerMessage(read.why, request.language) : read.result.error.message);
        const auto year = static_cast<int>(read.result.reading.number);
        const std::vector<Observance> year_ = churchYear(year);
        if (year_.empty()) {
            const GregorianDateResult none = toGregorianDate({year, 1, 1});
            return answers.reject(input, arabic ? dates::arabicError(CopticDate{year, 1, 1}) : none.error.message);
        }
        std::string& out = answers.buffer();
        if (request.ics)
            out += churchYearCalendar(year, year_, request.language);
        else
            for (const Observance& o : year_)
                request.json ? appendObservanceLine(out, o, request.language)
                             : appendObservanceText(out, o, request.language);
        answers.flushIfFull();
    };
    for (const auto& input : request.inputs)
        answer(input);
    return answers.status();
}

} // namespace zefnaro::cli
