#include "export/page_first_calls.h"

#include "export/json.h"
#include "export/page_answers.h"
#include "export/practice_answers.h"
#include "practice/practice.h"

namespace zefnaro::page {

namespace {

std::string unknown(std::string_view what, std::string_view name) {
    return "no " + std::string(what) + " is named \"" + std::string(name) + "\"";
}

} // namespace

void answerFirstCall(std::string& out, std::string_view call, std::string_view text, std::string_view form,
                     std::string_view writing, std::string_view language) {
    const auto refuse = [&](const std::string& why) { json::Object(out).text("error", why).end(false); };
    if (call == "facts") return appendFacts(out, practiceRanges);
    if (call == "practice_facts") return appendPracticeFacts(out);
    const std::optional<Language> l = languageNamed(language);
    if (!l) return refuse(unknown("language", language));
    if (call == "catalogue") return appendCatalogue(out, *l);
    if (call == "read") return appendReading(out, text, *l);
    const std::optional<Form> f = formFromCode(form);
    if (!f) return refuse(unknown("form", form));
    if (writing != "unicode" && writing != "font-text") return refuse(unknown("writing", writing));
    const DisplaySettings s = settings(*f, writing == "unicode" ? Writing::unicode : Writing::fontText, *l);
    if (call == "report") return appendReport(out, text, s);
    if (call == "report_copy") return appendReportCopy(out, text, s);
    refuse(unknown("call", call));
}

} // namespace zefnaro::page
