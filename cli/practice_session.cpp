#include "cli/practice_session.h"

#include "cli/request.h"
#include "engine/arabic.h"
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
    if (q.language == Language::arabic) {
        std::string& text = out.buffer();
        text += "السؤال ";
        appendArabicDigits(text, static_cast<std::uint32_t>(index));
        text += " من ";
        appendArabicDigits(text, static_cast<std::uint32_t>(run.count));
        text += ": " + q.text + "\n";
        return;
    }
    out.buffer() += "Question " + std::to_string(index) + " of " + std::to_string(run.count) +
                    ": " + q.text + "\n";
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
    std::string& text = out.buffer();
    const bool arabic = q.language == Language::arabic;
    if (v.correct) {
        text += arabic ? "صحيح.\n" : "Right.\n";
        return;
    }
    text += arabic ? "خطأ: " : "Wrong: ";
    if (!v.read.ok()) {
        text += v.why;
    } else if (arabic) {
        text += "كتبت ";
        appendArabicDigits(text, v.read.reading.number);
        if (const auto besides = besidesTheNumber(q, v); !besides.empty()) text.append("، ").append(besides);
    } else {
        text += "you wrote " + groupDigits(v.read.reading.number) + " (" +
                std::string(formName(v.read.reading.written)) + ")";
        if (const auto besides = besidesTheNumber(q, v); !besides.empty())
            text.append(", ").append(besides);
    }
    text += arabic ? ". الإجابة: " + q.answer + ".\n" : ". The answer is " + q.answer + ".\n";
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
    } else if (run.options.language == Language::arabic) {
        const auto count = [](int n) {
            std::string digits;
            appendArabicDigits(digits, static_cast<std::uint32_t>(n));
            return n == 0 ? std::string("٠") : digits;
        };
        out.buffer() += "النتيجة: " + count(right) + " من " + count(answered) + "\n";
    } else {
        out.buffer() += "Score: " + std::to_string(right) + " of " + std::to_string(answered) + "\n";
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
