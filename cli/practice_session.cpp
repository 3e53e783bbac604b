#include "cli/practice_session.h"

#include "cli/request.h"
#include "engine/numbers.h"
#include "export/json.h"

#include <unistd.h>

#include <string>

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
        line.number("question", index).text("answer", answer).boolean("correct", v.correct);
        if (v.read.ok())
            line.number("number", v.read.reading.number).text("read_as", formName(v.read.reading.written));
        else
            line.text("error", v.read.error.message);
        line.number("expected", q.number).end();
        return;
    }
    out.buffer() += verdictSentence(q, v) + "\n";
}

} // namespace

int practise(const PracticeRun& run, InputLines& answers, Output& out) {
    QuestionMaker maker(run.options, run.seed);
    if (!run.json) out.buffer() += std::string(instruction(run.options.ask, run.options.language)) + "\n";
    int right = 0, answered = 0;
    std::string answer;
    bool more = true;
    while (more && answered < run.count) {
        const Question q = maker.next();
        // An empty line is no answer: the same question is asked again.
        do {
            ask(run, q, answered + 1, out);
            out.flush(); // the question shows before the answer is awaited
            more = answers.next(answer);
        } while (more && isNoAnswer(answer));
        if (!more) break;
        const Verdict v = check(q, answer);
        tell(run, q, ++answered, answer, v, out);
        right += v.correct ? 1 : 0;
    }
    if (run.json) {
        json::Object(out.buffer()).number("score", right).number("of", answered).end();
    } else {
        out.buffer() += scoreSentence(right, answered, run.options.language) + "\n";
    }
    out.flush();
    return right;
}

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

} // namespace zefnaro::cli
