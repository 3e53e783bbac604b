// A day's report line by line: one list for the report and for its plain text.
#pragma once

#include "engine/calendar/days.h"
#include "engine/engine.h"
#include "engine/language.h"
#include "report/styles.h"
#include "zefnaro/church.h"
#include "zefnaro/date.h"

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace zefnaro {

// The lines of a day's report in order, each given to `line` with a function that
// appends its text: one list for the report and for its plain text. In Arabic the
// sentences, the dates, the words and the month's name are Arabic.
template <class Line>
void eachDateLine(CopticDate date, GregorianDate gregorian, Writing writing, Language language, Line&& line) {
    const bool arabic = language == Language::arabic;
    const auto day = static_cast<std::uint32_t>(date.day);
    const auto year = static_cast<std::uint32_t>(date.year);
    const MonthName month = copticMonthName(date.month);
    const std::string_view monthText = writing == Writing::unicode ? month.coptic : month.fontText;
    const auto text = [](std::string_view t) { return [t](std::string& out) { out += t; }; };
    const auto words = [arabic](std::uint32_t n, Writing w) {
        return [n, w, arabic](std::string& out) {
            if (arabic && w == Writing::pronunciation) return appendArabicPronunciation(out, n, {});
            appendCopticWords(out, n, {}, w);
        };
    };
    const auto inWords = [arabic](std::uint32_t n) {
        return [n, arabic](std::string& out) {
            if (arabic) return appendArabicWords(out, n, {});
            appendEnglishWords(out, n, {});
        };
    };
    line(Piece::blank, text(""));
    line(Piece::digits, [&](std::string& out) {
        if (arabic) {
            out.append(arabicWeekdayName(gregorian)).append("، ").append(dates::arabicText(gregorian));
            return;
        }
        out.append(weekdayName(gregorian)).append(", ").append(dates::text(gregorian));
    });
    line(Piece::words, text(arabic ? "في التقويم القبطي هو" : "in the Coptic calendar is"));
    line(Piece::numerals, [&](std::string& out) {
        appendCopticNumerals(out, day, {}, writing);
        out.append(" ").append(monthText).append(" ");
        appendCopticNumerals(out, year, {}, writing);
    });
    line(Piece::digits, [&](std::string& out) { out += arabic ? dates::arabicText(date) : dates::text(date); });
    // Each of the three parts as written, pronounced and in the report's language.
    const auto part = [&](std::string_view heading, auto coptic, auto spoken, auto said) {
        line(Piece::blank, text(""));
        line(Piece::words, text(heading));
        line(Piece::coptic, coptic);
        line(Piece::pronunciation, spoken);
        line(Piece::english, said);
    };
    part(arabic ? "اليوم" : "the day", words(day, writing), words(day, Writing::pronunciation), inWords(day));
    part(arabic ? "من الشهر" : "of the month", text(monthText),
         text(arabic ? dates::arabicPronunciation(date.month) : month.pronunciation),
         text(arabic ? arabicMonthName(date.month) : month.english));
    part(arabic ? "من السنة" : "of the year", words(year, writing), words(year, Writing::pronunciation),
         inWords(year));
    // What the day is in the church year: its feasts and fasts, and in Great Lent
    // how far Easter is.
    const std::vector<Observance> observances = observancesOn(date);
    if (!observances.empty()) {
        line(Piece::blank, text(""));
        line(Piece::words, text(arabic ? "وهو" : "which is"));
        for (const Observance& o : observances)
            line(Piece::english, [&o, &date, arabic](std::string& out) {
                out += arabic ? o.arabicName : o.name;
                if (o.id != "great_lent") return;
                const GregorianDate e = easter(date.year + 284);
                const long long left = dates::daysBetween(date, toCopticDate(e).date);
                if (arabic) {
                    out += "، الأيام الباقية على عيد القيامة: ";
                    appendArabicDigits(out, static_cast<std::uint32_t>(left));
                } else {
                    out += left == 1 ? ", 1 day to Easter" : ", " + std::to_string(left) + " days to Easter";
                }
            });
    }
    line(Piece::blank, text(""));
}

} // namespace zefnaro
