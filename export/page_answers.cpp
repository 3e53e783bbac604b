#include "export/page_answers.h"

#include "engine/say.h"

#include "engine/calendar/days.h"
#include "engine/read_reason.h"

#include "export/church_year.h"
#include "export/html.h"
#include "export/json.h"
#include "export/members.h"
#include "export/text.h"
#include "report/date_report.h"
#include "report/fonts.h"
#include "report/report.h"
#include "zefnaro/find.h"
#include "zefnaro/read.h"
#include "zefnaro/version.h"

#include <array>

namespace zefnaro::page {

namespace {

// The page's own entries: their keys start "page.".
bool isPageText(Text text) {
    return std::string_view(catalogues::keys[static_cast<std::size_t>(text)]).starts_with("page.");
}

} // namespace

namespace {

void addReport(json::Object& o, const Report& r) {
    o.text("html", reportLines(r));
}

void appendCopy(std::string& out, const Report& r) {
    json::Object(out).text("page", reportPage(r, reportTitle(r))).text("text", plainText(r)).end(false);
}

void appendError(std::string& out, std::string_view message) {
    json::Object(out).text("error", message).end(false);
}

} // namespace

DisplaySettings settings(Form form, Writing writing, Language language) {
    DisplaySettings s;
    s.language = language;
    s.fontName = std::string(writing == Writing::fontText ? fontTextDefault : projectFont);
    s.form = form;
    return s;
}

void appendReport(std::string& out, std::string_view entry, const DisplaySettings& settings) {
    json::Object o(out);
    const Report r = composeReport(entry, settings);
    addReport(o, r);
    o.number("number", r.number).end(false);
}

void appendReportCopy(std::string& out, std::string_view entry, const DisplaySettings& settings) {
    appendCopy(out, composeReport(entry, settings));
}

void appendReading(std::string& out, std::string_view text, Language language) {
    const ExplainedReading explained = readExplained(text);
    const ReadResult& read = explained.result;
    if (!read.ok()) return appendError(out, readerMessage(explained.why, language));
    json::Object o(out);
    eachReadingMember(read.reading, true, o);
    o.end(false);
}


void appendDay(std::string& out, CopticDate date, Writing writing, Language language) {
    const GregorianDateResult g = toGregorianDate(date);
    if (!g.ok()) return appendError(out, dates::sentence(dates::whyNoGregorianDate(date), language));
    json::Object o(out);
    const DisplaySettings s = settings({}, writing, language);
    addReport(o, composeDateReport(date, s));
    o.number("year", date.year)
        .number("month", date.month)
        .number("day", date.day)
        .number("month_days", copticMonthDays(date.year, date.month))
        .text("gregorian", isoText(g.date))
        .text("coptic_text", copticText(date, s.language))
        .end(false);
}

void appendDayCopy(std::string& out, CopticDate date, Writing writing, Language language) {
    const GregorianDateResult g = toGregorianDate(date);
    if (!g.ok()) return appendError(out, dates::sentence(dates::whyNoGregorianDate(date), language));
    appendCopy(out, composeDateReport(date, settings({}, writing, language)));
}

void appendGregorianDay(std::string& out, std::string_view iso, Writing writing,
                        Language language) {
    const dates::ExplainedGregorianDate read = dates::readGregorianDateExplained(iso);
    const GregorianDateResult& g = read.result;
    if (!g.ok()) return appendError(out, dates::sentence(read.why, language));
    const CopticDateResult c = toCopticDate(g.date);
    if (!c.ok()) return appendError(out, dates::sentence(dates::whyNoCopticDate(g.date), language));
    appendDay(out, c.date, writing, language);
}

void appendReadDay(std::string& out, std::string_view text, Writing writing,
                   Language language) {
    const dates::ExplainedCopticDate read = dates::readCopticDateExplained(text);
    const CopticDateResult& c = read.result;
    if (!c.ok()) return appendError(out, dates::sentence(read.why, language));
    appendDay(out, c.date, writing, language);
}

void appendFound(std::string& out, std::string_view text) {
    out += "{\"found\":[";
    bool first = true;
    for (const FoundNumeral& f : findNumerals(text)) {
        if (!first) out += ',';
        first = false;
        json::Object o(out);
        eachFoundMember(f, o);
        o.end(false);
    }
    out += "]}";
}

void appendChurchYear(std::string& out, std::string_view text, Language said) {
    const ExplainedReading read = readExplained(text);
    if (!read.result.ok()) return appendError(out, readerMessage(read.why, said));
    const auto year = static_cast<int>(read.result.reading.number);
    const std::vector<Observance> all = churchYear(year);
    if (all.empty())
        return appendError(out, dates::sentence(dates::whyNoGregorianDate(CopticDate{year, 1, 1}), said));
    json::Object o(out);
    o.number("year", year).value("observances", [&](std::string& list) {
        json::appendArray(list, all, [said](std::string& a, const Observance& observance) {
            json::Object line(a);
            eachObservanceMember(observance, said, line);
            const bool oneDay = observance.first == observance.last;
            line.text("coptic_text", copticText(observance.first, said) +
                                         (oneDay ? std::string() : " – " + copticText(observance.last, said)));
            line.end(false);
        });
    });
    o.text("ics", churchYearCalendar(year, all, said)).end(false);
}

void appendFacts(std::string& out, std::span<const std::uint32_t> ranges) {
    json::Object(out)
        .text("version", versionText)
        .number("largest_number", largestNumber)
        .value("ranges",
               [ranges](std::string& o) {
                   json::appendArray(o, ranges, [](std::string& a, std::uint32_t upTo) { a += std::to_string(upTo); });
               })
        .text("first_day", isoText(firstGregorianDate))
        .text("last_day", isoText(lastGregorianDate))
        .number("largest_year", largestCopticYear)
        .value("months",
               [](std::string& o) {
                   constexpr std::array<int, 13> months{1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13};
                   json::appendArray(o, months, [](std::string& a, int m) {
                       const MonthName name = copticMonthName(m);
                       json::Object(a)
                           .text("english", name.english)
                           .text("arabic", arabicMonthName(m))
                           .text("coptic", name.coptic)
                           .end(false);
                   });
               })
        .value("languages",
               [](std::string& o) {
                   json::appendArray(o, allLanguages, [](std::string& a, Language language) {
                       const LanguageFacts& f = facts(language);
                       json::Object(a)
                           .text("code", f.code)
                           .text("name", f.ownName)
                           .boolean("rtl", f.rightToLeft)
                           .boolean("offered", std::find(offeredLanguages.begin(), offeredLanguages.end(),
                                                         language) != offeredLanguages.end())
                           .text("locale", f.locale)
                           .text("digits", f.numbers == Script::arabic ? "arab" : "latn") // CLDR's names
                           .end(false);
                   });
               })
        .end(false);
}

void appendCatalogue(std::string& out, Language said) {
    // By the English: the page asks for its texts as it writes them. Its own
    // entries come last, so that where two entries share an English, the page's wins.
    // Its keys are texts with quotes and line ends: each is escaped as a value is.
    out += '{';
    bool first = true;
    for (const bool pages : {false, true})
        for (std::size_t i = 0; i < textCount; ++i) {
            if (isPageText(static_cast<Text>(i)) != pages) continue;
            if (!first) out += ',';
            first = false;
            json::appendString(out, say(static_cast<Text>(i), defaultLanguage));
            out += ':';
            json::appendString(out, say(static_cast<Text>(i), said));
        }
    out += '}';
}

} // namespace zefnaro::page
