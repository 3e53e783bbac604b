#include "export/page_calls.h"

#include "export/json.h"
#include "export/json_answers.h"
#include "export/page_answers.h"
#include "export/practice_answers.h"
#include "practice/practice.h"

#include <nlohmann/json.hpp>

#include <array>
#include <limits>

namespace zefnaro::page {

namespace {

using Json = nlohmann::json;

// A request's members, each taken by name and checked; the first fault is kept as
// the answer's reason. Without exceptions: the WebAssembly build has none.
class Members {
public:
    explicit Members(const Json& request) : request_(request) {}

    const std::string& why() const { return why_; }

    std::string_view text(const char* name) {
        const auto it = request_.find(name);
        if (it == request_.end() || !it->is_string()) return fault(name, "a string"), std::string_view();
        return it->get_ref<const std::string&>();
    }
    std::int64_t integer(const char* name, std::int64_t least, std::int64_t most) {
        const auto it = request_.find(name);
        if (it == request_.end() || !it->is_number_integer()) return fault(name, "a whole number"), least;
        const auto value = it->is_number_unsigned()
                               ? static_cast<std::int64_t>(std::min<std::uint64_t>(
                                     it->get<std::uint64_t>(), std::numeric_limits<std::int64_t>::max()))
                               : it->get<std::int64_t>();
        if (value < least || value > most)
            return fault(name, "from " + std::to_string(least) + " to " + std::to_string(most)), least;
        return value;
    }
    int small(const char* name, int least, int most) { return static_cast<int>(integer(name, least, most)); }
    double real(const char* name) {
        const auto it = request_.find(name);
        if (it == request_.end() || !it->is_number() || !(it->get<double>() >= 0 && it->get<double>() < 1e9))
            return fault(name, "a length from 0"), 0.0;
        return it->get<double>();
    }
    SheetPart part(const char* name) {
        const std::string_view code = text(name);
        if (code != "questions" && code != "key") unknown(name, code, "questions, key");
        return code == "key" ? SheetPart::answerKey : SheetPart::questions;
    }
    SheetMeasures measures(const char* name) {
        const auto it = request_.find(name);
        if (it == request_.end() || !it->is_object()) return fault(name, "an object"), SheetMeasures{};
        Members m(*it);
        const SheetMeasures measured{m.real("number_width"), m.real("text_width"),   m.real("widest_answer"),
                                     m.real("line_height"),  m.real("width"),        m.real("height"),
                                     m.real("header_height"), m.real("millimetre")};
        if (why_.empty() && !m.why_.empty()) why_ = std::string(name) + ": " + m.why_;
        return measured;
    }

    Form form(const char* name) {
        const std::string_view code = text(name);
        if (const auto form = formFromCode(code)) return *form;
        unknown(name, code, "cardinal-masculine, cardinal-feminine, ordinal-masculine, ordinal-feminine");
        return {};
    }
    // A form where the request names one; none where it leaves the member out.
    std::optional<Form> formIfAny(const char* name) {
        if (request_.find(name) == request_.end()) return std::nullopt;
        return form(name);
    }
    std::optional<Form> forms(const char* name) {
        if (const auto it = request_.find(name); it != request_.end() && it->is_string() && *it == "mixed")
            return std::nullopt;
        return form(name);
    }
    Writing writing(const char* name) {
        const std::string_view code = text(name);
        if (code == "font-text") return Writing::fontText;
        if (code != "unicode") unknown(name, code, "unicode, font-text");
        return Writing::unicode;
    }
    Language language(const char* name = "language") {
        const std::string_view code = text(name);
        if (const auto language = languageNamed(code)) return *language;
        std::string known;
        for (const Language l : allLanguages)
            known += (known.empty() ? "" : ", ") + std::string(languageCode(l));
        unknown(name, code, known);
        return defaultLanguage;
    }
    Ask ask(const char* name) {
        const std::string_view code = text(name);
        if (const auto ask = askNamed(code)) return *ask;
        std::string known;
        for (const Ask a : allAsks)
            known += (known.empty() ? "" : ", ") + std::string(askName(a));
        unknown(name, code, known);
        return Ask::numerals;
    }
    Round round() {
        Round r;
        r.ask = ask("ask");
        r.upTo = static_cast<std::uint32_t>(integer("up_to", 1, largestNumber));
        r.form = forms("forms");
        r.seed = static_cast<std::uint64_t>(integer("seed", 0, std::numeric_limits<std::int64_t>::max()));
        r.language = language();
        return r;
    }
    void unknown(const char* name, std::string_view code, const std::string& known) {
        if (why_.empty()) named(name, code, known);
    }
    Tally tally() {
        const auto it = request_.find("tally");
        if (it == request_.end() || !it->is_object()) return fault("tally", "an object"), Tally{};
        Members t(*it);
        constexpr int most = std::numeric_limits<int>::max();
        Tally tally{t.small("right", 0, most), t.small("asked", 0, most), t.small("streak", 0, most), false};
        const auto answered = it->find("answered");
        if (answered == it->end() || !answered->is_boolean()) t.fault("answered", "true or false");
        else tally.answered = answered->get<bool>();
        if (why_.empty() && !t.why_.empty()) why_ = "tally: " + t.why_;
        return tally;
    }

private:
    void fault(const char* name, const std::string& what) {
        if (why_.empty()) why_ = std::string("\"") + name + "\" must be " + what;
    }
    void named(const char* name, std::string_view code, const std::string& known) {
        why_ = std::string("no ") + name + " is named \"" + std::string(code) + "\" (" + known + ")";
    }

    const Json& request_;
    std::string why_;
};

void refuse(std::string& out, std::string_view why) {
    json::Object(out).text("error", why).end(false);
}

// Each call reads its members, then answers; a fault in them answers instead.
template <class Answer> void answerWith(std::string& out, Members& m, Answer&& answer) {
    auto write = answer(m);
    if (!m.why().empty()) return refuse(out, m.why());
    write(out);
}

struct Call {
    std::string_view name;
    void (*answer)(std::string& out, Members& m);
};

constexpr std::array calls{
    Call{"facts", [](std::string& out, Members&) { appendFacts(out, practiceRanges); }},
    Call{"practice_facts", [](std::string& out, Members&) { appendPracticeFacts(out); }},
    Call{"catalogue",
         [](std::string& out, Members& m) {
             answerWith(out, m, [](Members& m) {
                 return [l = m.language()](std::string& o) { appendCatalogue(o, l); };
             });
         }},
    Call{"report",
         [](std::string& out, Members& m) {
             answerWith(out, m, [](Members& m) {
                 return [e = m.text("entry"), s = settings(m.form("form"), m.writing("writing"), m.language())](
                            std::string& o) { appendReport(o, e, s); };
             });
         }},
    // The command line's JSON lines for one input: {"lines":[…]}.
    Call{"lines",
         [](std::string& out, Members& m) {
             answerWith(out, m, [](Members& m) {
                 const std::string_view of = m.text("of");
                 if (of != "number" && of != "date" && of != "coptic_date" && of != "church_year")
                     m.unknown("of", of, "number, date, coptic_date, church_year");
                 return [of, input = m.text("input"), form = m.formIfAny("form"), l = m.language()](std::string& o) {
                     std::string lines;
                     if (of == "number") json::appendNumberAnswer(lines, input, form, l);
                     else if (of == "church_year") json::appendChurchYearAnswer(lines, input, l);
                     else json::appendDateAnswer(lines, input, of == "coptic_date", l);
                     // One JSON object a line, and a line end only between them: a list.
                     if (!lines.empty()) lines.pop_back();
                     for (char& c : lines)
                         if (c == '\n') c = ',';
                     o += "{\"lines\":[";
                     o += lines;
                     o += "]}";
                 };
             });
         }},
    Call{"report_copy",
         [](std::string& out, Members& m) {
             answerWith(out, m, [](Members& m) {
                 return [e = m.text("entry"), s = settings(m.form("form"), m.writing("writing"), m.language())](
                            std::string& o) { appendReportCopy(o, e, s); };
             });
         }},
    Call{"read",
         [](std::string& out, Members& m) {
             answerWith(out, m, [](Members& m) {
                 return [t = m.text("text"), l = m.language()](std::string& o) { appendReading(o, t, l); };
             });
         }},
    Call{"coptic_day",
         [](std::string& out, Members& m) {
             answerWith(out, m, [](Members& m) {
                 const CopticDate d{m.small("year", -1'000'000, 1'000'000), m.small("month", -1000, 1000),
                                    m.small("day", -1000, 1000)};
                 return [d, w = m.writing("writing"), l = m.language()](std::string& o) { appendDay(o, d, w, l); };
             });
         }},
    Call{"day_copy",
         [](std::string& out, Members& m) {
             answerWith(out, m, [](Members& m) {
                 const CopticDate d{m.small("year", -1'000'000, 1'000'000), m.small("month", -1000, 1000),
                                    m.small("day", -1000, 1000)};
                 return [d, w = m.writing("writing"), l = m.language()](std::string& o) {
                     appendDayCopy(o, d, w, l);
                 };
             });
         }},
    Call{"gregorian_day",
         [](std::string& out, Members& m) {
             answerWith(out, m, [](Members& m) {
                 return [t = m.text("date"), w = m.writing("writing"), l = m.language()](std::string& o) {
                     appendGregorianDay(o, t, w, l);
                 };
             });
         }},
    Call{"read_coptic_day",
         [](std::string& out, Members& m) {
             answerWith(out, m, [](Members& m) {
                 return [t = m.text("text"), w = m.writing("writing"), l = m.language()](std::string& o) {
                     appendReadDay(o, t, w, l);
                 };
             });
         }},
    Call{"church_year",
         [](std::string& out, Members& m) {
             answerWith(out, m, [](Members& m) {
                 return [t = m.text("year"), l = m.language()](std::string& o) { appendChurchYear(o, t, l); };
             });
         }},
    Call{"question",
         [](std::string& out, Members& m) {
             answerWith(out, m, [](Members& m) {
                 return [r = m.round(), i = m.integer("index", 0, 1'000'000)](std::string& o) {
                     appendQuestion(o, r, static_cast<std::uint32_t>(i));
                 };
             });
         }},
    Call{"verdict",
         [](std::string& out, Members& m) {
             answerWith(out, m, [](Members& m) {
                 return [r = m.round(), i = m.integer("index", 0, 1'000'000), a = m.text("answer"),
                         t = m.tally()](std::string& o) { appendVerdict(o, r, static_cast<std::uint32_t>(i), a, t); };
             });
         }},
    Call{"tally",
         [](std::string& out, Members& m) {
             answerWith(out, m, [](Members& m) {
                 const std::string_view event = m.text("event");
                 const TallyEvent e = event == "shown" ? TallyEvent::shown
                                      : event == "next" ? TallyEvent::next
                                                        : TallyEvent::none;
                 if (!event.empty() && e == TallyEvent::none) m.unknown("event", event, "shown, next, or none");
                 return [e, t = m.tally(), l = m.language()](std::string& o) { appendTally(o, t, e, l); };
             });
         }},
    Call{"sheet_layout",
         [](std::string& out, Members& m) {
             answerWith(out, m, [](Members& m) {
                 const SheetLook look = sheetLook(m.part("part"), m.real("points"), m.ask("ask"));
                 return [look, measured = m.measures("measures")](std::string& o) {
                     appendSheetLayout(o, look, measured);
                 };
             });
         }},
    Call{"worksheet",
         [](std::string& out, Members& m) {
             answerWith(out, m, [](Members& m) {
                 return [r = m.round(), c = m.small("count", 1, 200)](std::string& o) { appendWorksheet(o, r, c); };
             });
         }},
};

} // namespace

void answerCall(std::string& out, std::string_view request) {
    const Json parsed = Json::parse(request, nullptr, false);
    if (parsed.is_discarded() || !parsed.is_object()) return refuse(out, "a request is one JSON object");
    const auto name = parsed.find("call");
    if (name == parsed.end() || !name->is_string()) return refuse(out, "a request names its \"call\"");
    for (const Call& call : calls)
        if (call.name == name->get_ref<const std::string&>()) {
            Members members(parsed);
            return call.answer(out, members);
        }
    refuse(out, "no call is named \"" + name->get<std::string>() + "\"");
}

} // namespace zefnaro::page
