// The feasts and fasts of Coptic years: each year given (a number in any writing the
// reader takes) listed as text, as JSON lines or as an iCalendar file.
#include "cli/answers.h"
#include "cli/mode.h"
#include "engine/say.h"
#include "export/church_year.h"
#include "export/json_answers.h"
#include "zefnaro/church.h"

namespace zefnaro::cli {

namespace {

int listChurchYear(const Request& request) {
    Answers answers(request.json);
    // With --ics every year goes into one calendar, written once all are read.
    std::vector<ChurchYear> calendar;
    const auto answer = [&](std::string_view input) {
        NamedChurchYear named = churchYearNamed(input, request.language);
        if (named.observances.empty()) return answers.reject(input, named.why);
        const int year = named.year;
        std::vector<Observance> observances = std::move(named.observances);
        if (request.ics) {
            if (!calendarCanHold(observances))
                return answers.reject(input, say(Text::cli_ics_too_late, request.language,
                                                 {groupedText(static_cast<std::uint32_t>(year), request.language, "")}));
            calendar.push_back({year, std::move(observances)});
            return;
        }
        std::string& out = answers.buffer();
        for (const Observance& o : observances)
            request.json ? appendObservanceLine(out, o, request.language)
                         : appendObservanceText(out, o, request.language);
        answers.flushIfFull();
    };
    answers.eachInput(request.inputs, answer);
    if (!calendar.empty()) answers.buffer() += churchYearsCalendar(calendar, request.language, calendarStamp());
    return answers.status();
}

} // namespace

namespace {

class ChurchYearMode final : public CliMode {
public:
    std::vector<CLI::Option*> declare(CommandLine& line) override {
        year_ = line.app.add_option("--church-year", first_, line.help(Text::cli_church_year))
                    ->type_name(line.help(Text::cli_label_text));
        line.app.add_flag("--ics", line.request.ics, line.help(Text::cli_ics))->needs(year_)->excludes(line.json);
        return {year_};
    }
    void check(Request& request) override { request.inputs.insert(request.inputs.begin(), first_); }
    int run(const Request& request) override { return listChurchYear(request); }

private:
    std::string first_;
    CLI::Option* year_ = nullptr;
};

} // namespace

std::unique_ptr<CliMode> churchYearMode() {
    return std::make_unique<ChurchYearMode>();
}

} // namespace zefnaro::cli
