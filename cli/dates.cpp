// Coptic dates on the command line: each input a Gregorian date (YYYY-MM-DD or
// "today") or a Coptic date in any writing the reader takes, answered with the
// date's report or a JSON line.
#include "cli/answers.h"
#include "cli/mode.h"
#include "export/json_answers.h"
#include "export/json_lines.h"
#include "export/text.h"
#include "zefnaro/date.h"

#include <ctime>

namespace zefnaro::cli {

namespace {

// Today where the user is: what a calendar on the wall shows.
GregorianDate today() {
    const std::time_t now = std::time(nullptr);
    std::tm local{};
    localtime_r(&now, &local);
    return {local.tm_year + 1900, local.tm_mon + 1, local.tm_mday};
}

} // namespace

int answerDates(const Request& request) {
    const bool coptic = request.mode == Mode::copticDates;
    Answers answers(request.json);
    const auto answer = [&](std::string_view input) {
        const NamedDay named =
            dayNamed(input, coptic, request.language, input == "today" ? std::optional(today()) : std::nullopt);
        if (!named.day) return answers.reject(input, named.why);
        const CopticDate day = *named.day;
        if (answers.json()) {
            json::appendDateLine(answers.buffer(), day);
        } else {
            appendPlainDateReport(answers.buffer(), day, request.writing, request.language);
            answers.buffer() += '\n';
        }
        answers.flushIfFull();
    };
    answers.eachInput(request.inputs, answer);
    return answers.status();
}

namespace {

class DatesMode final : public CliMode {
public:
    std::vector<CLI::Option*> declare(CommandLine& line) override {
        gregorian_ = line.app.add_option("--date", day_, line.help(Text::cli_date))
                         ->type_name(line.help(Text::cli_label_text));
        coptic_ = line.app.add_option("--coptic-date", day_, line.help(Text::cli_coptic_date))
                      ->type_name(line.help(Text::cli_label_text));
        gregorian_->excludes(coptic_);
        return {gregorian_, coptic_};
    }
    void check(Request& request) override {
        request.mode = *coptic_ ? Mode::copticDates : Mode::gregorianDates;
        request.inputs.insert(request.inputs.begin(), day_);
    }
    int run(const Request& request) override { return answerDates(request); }

private:
    std::string day_;
    CLI::Option *gregorian_ = nullptr, *coptic_ = nullptr;
};

} // namespace

std::unique_ptr<CliMode> datesMode() {
    return std::make_unique<DatesMode>();
}

} // namespace zefnaro::cli
