#include "practice/session.h"

#include "engine/say.h"

#include <algorithm>

namespace zefnaro {

Tally afterAnswer(Tally t, const Verdict& v) {
    if (t.answered) return t;
    t.answered = true;
    ++t.asked;
    t.right += v.correct ? 1 : 0;
    t.streak = v.correct ? t.streak + 1 : 0;
    return t;
}

Tally afterShown(Tally t) {
    if (t.answered) return t;
    t.answered = true;
    ++t.asked;
    t.streak = 0;
    return t;
}

Tally afterNext(Tally t) {
    t.answered = false;
    return t;
}

std::string verdictWords(const Question& q, const Verdict& v) {
    if (v.correct) return std::string(say(Text::practice_right_now, q.language));
    if (!v.read.ok()) return say(Text::practice_not_yet, q.language, {v.why});
    const std::string wrote = groupedText(v.read.reading.number, q.language);
    const std::string_view besides = besidesTheNumber(q, v);
    return besides.empty() ? say(Text::practice_not_yet_you_wrote, q.language, {wrote})
                           : say(Text::practice_not_yet_you_wrote_besides, q.language, {wrote, besides});
}

std::string answerWords(std::string_view answer, Language language) {
    return say(Text::practice_the_answer_is, language, {answer});
}

std::string_view noAnswerWords(Language language) {
    return say(Text::practice_no_answer, language);
}

std::string tallyWords(const Tally& t, Language language) {
    const auto n = [language](int value) { return groupedText(static_cast<std::uint32_t>(std::max(value, 0)), language); };
    return say(Text::practice_tally, language, {n(t.right), n(t.asked), n(t.streak)});
}

} // namespace zefnaro
