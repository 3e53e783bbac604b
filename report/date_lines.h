// A day's report line by line: one list for the report and for its plain text.
#pragma once

#include "engine/calendar/days.h"
#include "engine/engine.h"
#include "engine/language.h"
#include "engine/say.h"
#include "report/styles.h"
#include "zefnaro/church.h"
#include "zefnaro/date.h"

#include <algorithm>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace zefnaro {

// The lines of a day's report in order, each given to `line` with a function that
// appends its text: one list for the report and for its plain text. In Arabic the
// sentences, the dates, the words and the month's name are Arabic.
// "… days to Easter" in the form the count takes.
inline Text daysToEaster(Plural plural) {
    switch (plural) {
    case Plural::one: return Text::lent_day_to_easter;
    case Plural::two: return Text::lent_days_to_easter_two;
    case Plural::few: return Text::lent_days_to_easter_few;
    case Plural::many: return Text::lent_days_to_easter_many;
    case Plural::other: return Text::lent_days_to_easter;
    }
    return Text::lent_days_to_easter;
}

template <class Line>
void eachDateLine(CopticDate date, GregorianDate gregorian, Writing writing, Language language, Line&& line) {
    const auto day = static_cast<std::uint32_t>(date.day);
    const auto year = static_cast<std::uint32_t>(date.year);
    const MonthName month = copticMonthName(date.month);
    const std::string_view monthText = writing == Writing::unicode ? month.coptic : month.fontText;
    const auto text = [](std::string_view t) { return [t](std::string& out) { out += t; }; };
    const auto said = [language, &text](Text t) { return text(say(t, language)); };
    const auto words = [](std::uint32_t n, Writing w) {
        return [n, w](std::string& out) { appendCopticWords(out, n, {}, w); };
    };
    const auto spoken = [language](std::uint32_t n) {
        return [n, language](std::string& out) { appendPronunciation(out, n, {}, language); };
    };
    const auto inWords = [language](std::uint32_t n) {
        return [n, language](std::string& out) { appendNumberWords(out, n, {}, language); };
    };
    line(Piece::blank, text(""));
    line(Piece::digits, [&](std::string& out) { out += dates::textWithWeekday(gregorian, language); });
    line(Piece::words, said(Text::date_in_coptic_calendar));
    line(Piece::numerals, [&](std::string& out) {
        appendCopticNumerals(out, day, {}, writing);
        out.append(" ").append(monthText).append(" ");
        appendCopticNumerals(out, year, {}, writing);
    });
    line(Piece::digits, [&](std::string& out) { out += dates::text(date, language); });
    // Each of the three parts as written, pronounced and in the report's language.
    const auto part = [&](Text heading, auto coptic, auto pronounced, auto inLanguage) {
        line(Piece::blank, text(""));
        line(Piece::words, said(heading));
        line(Piece::coptic, coptic);
        line(Piece::pronunciation, pronounced);
        line(Piece::english, inLanguage);
    };
    part(Text::date_the_day, words(day, writing), spoken(day), inWords(day));
    part(Text::date_of_the_month, text(monthText), text(dates::monthPronunciation(date.month, language)),
         text(dates::monthName(date.month, language)));
    part(Text::date_of_the_year, words(year, writing), spoken(year), inWords(year));
    // What the day is in the church year: its feasts and fasts, and in Great Lent
    // how far Easter is.
    const std::vector<Observance> observances = observancesOn(date);
    if (!observances.empty()) {
        line(Piece::blank, text(""));
        line(Piece::words, said(Text::date_which_is));
        const auto in = [&observances](std::string_view id) {
            return std::any_of(observances.begin(), observances.end(), [id](const Observance& o) { return o.id == id; });
        };
        const bool holyWeek = in("holy_week");
        for (const Observance& o : observances) {
            if (o.id == "great_lent" && holyWeek) continue; // Holy Week says it, and how far Easter is
            line(Piece::english, [&o, &date, &in, holyWeek, language](std::string& out) {
                const std::string_view name = dates::observanceName(o.id, language);
                // Kept without changing the week where it falls in it or on its feasts.
                if (o.id == "annunciation" && (holyWeek || in("lazarus_saturday") || in("easter"))) {
                    out += say(Text::observance_commemorated, language, {name});
                    return;
                }
                if (o.id != "great_lent" && o.id != "holy_week") {
                    out += name;
                    return;
                }
                const GregorianDate e = easter(date.year + yearsBeforeTheMartyrs);
                const auto left = static_cast<std::uint32_t>(dates::daysBetween(date, toCopticDate(e).date));
                out += say(daysToEaster(pluralOf(left, language)), language, {name, countText(left, language)});
            });
        }
    }
    line(Piece::blank, text(""));
}

} // namespace zefnaro
