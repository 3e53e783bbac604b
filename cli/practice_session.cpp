#include "cli/practice_session.h"

#include "cli/mode.h"
#include "practice/session.h"
#include "engine/numbers.h"
#include "export/json.h"
#include "export/members.h"

#include <unistd.h>

#include <random>
#include <string>
#include <vector>

namespace zefnaro::cli {

namespace {

void ask(const PracticeRun& run, const Question& q, int index, Output& out) {
    if (run.json) {
        json::Object(out.buffer()).number("question", index).text("ask", askName(q.ask)).text("text", q.text).end();
        return;
    }
    out.buffer() += questionSentence(index, run.count, q) + "\n";
}

void tell(const PracticeRun& run, const Question& q, int index, const std::string& answer,
          const Verdict& v, Output& out) {
    if (run.json) {
        json::Object line(out.buffer());
        line.number("question", index).text("answer", answer);
        eachVerdictMember(v, line);
        line.number("expected", q.number).end();
        return;
    }
    out.buffer() += verdictSentence(q, v) + "\n";
}

} // namespace

int practise(const PracticeRun& run, InputLines& answers, Output& out) {
    QuestionMaker maker(run.options, run.seed);
    if (!run.json) out.buffer() += std::string(instruction(run.options.ask, run.options.language)) + "\n";
    Tally tally; // the session's, as the window and the page keep it
    std::string answer;
    bool more = true;
    while (more && tally.asked < run.count) {
        const Question q = maker.next();
        // An empty line is no answer: the same question is asked again.
        do {
            ask(run, q, tally.asked + 1, out);
            out.flush(); // the question shows before the answer is awaited
            more = answers.next(answer);
        } while (more && isNoAnswer(answer));
        if (!more) break;
        const Verdict v = check(q, answer);
        tally = afterNext(afterAnswer(tally, v));
        tell(run, q, tally.asked, answer, v, out);
    }
    if (run.json) {
        json::Object(out.buffer()).number("score", tally.right).number("of", tally.asked).end();
    } else {
        out.buffer() += scoreSentence(tally.right, tally.asked, run.options.language) + "\n";
    }
    out.flush();
    return tally.right;
}

namespace {

int practise(const Request& request) {
    PracticeRun run;
    run.options = request.practice;
    run.count = request.count;
    run.seed = request.seed;
    run.json = request.json;
    Output out(STDOUT_FILENO);
    InputLines answers(STDIN_FILENO, [&out] { out.flush(); });
    practise(run, answers, out);
    return 0;
}

std::vector<std::string> askNames() {
    std::vector<std::string> names;
    for (const Ask ask : allAsks) names.emplace_back(askName(ask));
    return names;
}

class PracticeMode final : public CliMode {
public:
    std::vector<CLI::Option*> declare(CommandLine& line) override {
        CLI::App& app = line.app;
        Request& request = line.request;
        request.seed = std::random_device{}();
        auto* practice = app.add_flag("--practice", given_, line.help(Text::cli_practice));
        app.add_option("--ask", ask_, line.help(Text::cli_ask))
            ->check(CLI::IsMember(askNames()))
            ->type_name(line.help(Text::cli_label_text))
            ->needs(practice);
        app.add_option("--up-to", request.practice.upTo,
                       say(Text::cli_up_to, line.language, {groupedText(largestNumber, line.language)}))
            ->check(CLI::Range(std::uint32_t{1}, largestNumber)
                        .description(say(Text::cli_range, line.language,
                                         {say(Text::cli_label_uint, line.language), countText(1, line.language),
                                          countText(largestNumber, line.language)})))
            ->type_name(line.help(Text::cli_label_uint))
            ->needs(practice);
        app.add_option("--count", request.count, line.help(Text::cli_count))
            ->check(CLI::Range(1, 1'000'000)
                        .description(say(Text::cli_range, line.language,
                                         {say(Text::cli_label_int, line.language), countText(1, line.language),
                                          countText(1'000'000, line.language)})))
            ->type_name(line.help(Text::cli_label_int))
            ->needs(practice);
        app.add_option("--seed", request.seed, line.help(Text::cli_seed))
            ->type_name(line.help(Text::cli_label_uint))
            ->needs(practice);
        return {practice};
    }
    void check(Request& request) override {
        if (!request.inputs.empty())
            throw CLI::ValidationError("--practice", std::string(say(Text::cli_practice_no_number, request.language)));
        request.practice.ask = *askNamed(ask_);
        request.practice.form = request.form.value_or(Form{});
        request.practice.language = request.language;
    }
    int run(const Request& request) override { return practise(request); }

private:
    std::string ask_ = "numerals";
    bool given_ = false;
};

} // namespace

std::unique_ptr<CliMode> practiceMode() {
    return std::make_unique<PracticeMode>();
}

} // namespace zefnaro::cli
