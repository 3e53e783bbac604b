// The Python module: libzefnaro's services as functions that take and give
// plain Python values, named as zefnaro-cli --json names them.
#include "export/members.h"
#include "engine/calendar/days.h"
#include "engine/language.h"
#include "zefnaro/message.h"
#include "zefnaro/zefnaro.h"

#include <pybind11/pybind11.h>
#include <pybind11/stl.h>

#include <Python.h>

#include <limits>
#include <optional>
#include <string>
#include <vector>

namespace py = pybind11;

namespace {

std::uint32_t wholeNumber(const py::int_& number) {
    int overflow = 0;
    const long long value = PyLong_AsLongLongAndOverflow(number.ptr(), &overflow);
    if (overflow != 0 || value < 1 || value > zefnaro::largestNumber)
        throw py::value_error("zefnaro writes whole numbers from 1 to " +
                              std::string(zefnaro::largestNumberText) + ", not " +
                              std::string(py::repr(number)));
    return static_cast<std::uint32_t>(value);
}

// A dict's text member from a member list.
auto textInto(py::dict& d) {
    return [&d](std::string_view name, auto append) {
        std::string value;
        append(value);
        d[py::str(std::string(name))] = value;
    };
}

// A dict as a member list writes it.
struct DictSink {
    py::dict& d;
    void text(std::string_view name, std::string_view value) { d[py::str(std::string(name))] = py::str(std::string(value)); }
    void number(std::string_view name, std::int64_t value) { d[py::str(std::string(name))] = value; }
    void boolean(std::string_view name, bool value) { d[py::str(std::string(name))] = value; }
};

// The form named as on every other wire ("ordinal-feminine"), or by the flags.
zefnaro::Form formOf(bool ordinal, bool feminine, const std::optional<std::string>& name) {
    if (!name)
        return {ordinal ? zefnaro::Kind::ordinal : zefnaro::Kind::cardinal,
                feminine ? zefnaro::Gender::feminine : zefnaro::Gender::masculine};
    const std::optional<zefnaro::Form> form = zefnaro::formFromCode(*name);
    if (!form)
        throw py::value_error("a form is cardinal-masculine, cardinal-feminine, ordinal-masculine or "
                              "ordinal-feminine, not " + std::string(py::repr(py::str(*name))));
    if (ordinal || feminine)
        throw py::value_error("give the form by name or by ordinal= and feminine=, not both");
    return *form;
}

py::dict writePieces(const py::int_& number, bool ordinal, bool feminine, const std::optional<std::string>& name) {
    const zefnaro::Form form = formOf(ordinal, feminine, name);
    py::dict d; // the command line's members: coptic and numerals are the CS fonts' text
    zefnaro::eachNumberMember(wholeNumber(number), form, textInto(d));
    return d;
}

// A language by its code, as the command line's --lang takes it; an unknown one is
// refused, never silently English.
std::string spoken(const std::string& code) {
    if (!zefnaro::languageNamed(code)) {
        std::string known;
        for (const zefnaro::Language language : zefnaro::allLanguages)
            known += (known.empty() ? "" : ", ") + std::string(zefnaro::languageCode(language));
        throw py::value_error("zefnaro speaks " + known + ", not " + std::string(py::repr(py::str(code))));
    }
    return code;
}

py::dict readText(const std::string& text, const std::string& language) {
    const zefnaro::ReadResult result = zefnaro::readWrittenNumber(text, spoken(language));
    if (!result.ok())
        throw py::value_error(result.error.message);
    py::dict d;
    DictSink sink{d};
    zefnaro::eachReadingMember(result.reading, true, sink);
    return d;
}

py::list findNumerals(const std::string& text) {
    std::vector<zefnaro::FoundNumeral> found;
    {
        // A long text is scanned while other Python threads run.
        py::gil_scoped_release unlocked;
        found = zefnaro::findNumerals(text);
    }
    py::list list;
    for (const zefnaro::FoundNumeral& f : found) {
        py::dict d;
        DictSink sink{d};
        zefnaro::eachFoundMember(f, sink);
        list.append(d);
    }
    return list;
}

py::object dateType() {
    return py::module_::import("datetime").attr("date");
}

py::dict copticDate(const py::object& date, const std::string& language) {
    if (!py::isinstance(date, dateType()))
        throw py::type_error("coptic_date takes a datetime.date, not " + std::string(py::repr(date)));
    const zefnaro::GregorianDate g{date.attr("year").cast<int>(), date.attr("month").cast<int>(),
                                   date.attr("day").cast<int>()};
    const zefnaro::CopticDateResult c = zefnaro::toCopticDate(g, spoken(language));
    if (!c.ok())
        throw py::value_error(c.error.message);
    py::dict d;
    zefnaro::eachDateMember(
        c.date, g, textInto(d), [&d](std::string_view name, int value) { d[py::str(std::string(name))] = value; },
        [&d](std::string_view name, const std::vector<std::string_view>& values) {
            py::list list;
            for (const std::string_view v : values)
                list.append(py::str(std::string(v)));
            d[py::str(std::string(name))] = list;
        });
    return d;
}

// A whole number as Python's own date functions take one: an int, never a bool or a
// float (TypeError), and one too large for any calendar a ValueError, not an overflow.
int wholeArgument(const py::object& value, const char* name) {
    if (PyBool_Check(value.ptr()) || !PyLong_Check(value.ptr()))
        throw py::type_error(std::string(name) + " must be an int, not " +
                             std::string(py::str(py::type::of(value).attr("__name__"))));
    int overflow = 0;
    const long long n = PyLong_AsLongLongAndOverflow(value.ptr(), &overflow);
    if (overflow != 0 || n < std::numeric_limits<int>::min() || n > std::numeric_limits<int>::max())
        throw py::value_error(std::string(name) + " " + std::string(py::str(value)) + " is out of range");
    return static_cast<int>(n);
}

py::object gregorianDate(const py::object& yearArgument, const py::object& monthArgument,
                         const py::object& dayArgument, const std::string& language) {
    const int year = wholeArgument(yearArgument, "year"), month = wholeArgument(monthArgument, "month"),
              day = wholeArgument(dayArgument, "day");
    const zefnaro::GregorianDateResult g = zefnaro::toGregorianDate({year, month, day}, spoken(language));
    if (!g.ok())
        throw py::value_error(g.error.message);
    const int lastYear = py::module_::import("datetime").attr("MAXYEAR").cast<int>();
    if (g.date.year > lastYear)
        throw py::value_error(std::to_string(day) + " " +
                              std::string(zefnaro::copticMonthName(month).english) + " " +
                              std::to_string(year) + " AM is in the year " + std::to_string(g.date.year) +
                              ", past datetime.date's last year, " + std::to_string(lastYear));
    return dateType()(g.date.year, g.date.month, g.date.day);
}

py::object easterOf(const py::object& yearArgument) {
    const int year = wholeArgument(yearArgument, "year");
    const zefnaro::GregorianDate e = zefnaro::easter(year);
    const int lastYear = py::module_::import("datetime").attr("MAXYEAR").cast<int>();
    if (e.year == 0 || e.year > lastYear)
        throw py::value_error("Easter is reckoned for the years " + std::to_string(zefnaro::firstEasterYear) +
                              " to " + std::to_string(lastYear) + " here (the Coptic calendar's, as "
                              "datetime counts them), not " + std::to_string(year));
    return dateType()(e.year, e.month, e.day);
}

// The year's observances as the command line's JSON lines give them.
py::list churchYearOf(const py::object& yearArgument, const std::string& language) {
    const int year = wholeArgument(yearArgument, "year");
    const zefnaro::Language said = *zefnaro::languageNamed(spoken(language));
    const std::vector<zefnaro::Observance> all = zefnaro::churchYear(year);
    if (all.empty())
        throw py::value_error(zefnaro::toGregorianDate({year, 1, 1}, language).error.message);
    py::list list;
    for (const zefnaro::Observance& o : all) {
        py::dict d;
        DictSink sink{d};
        zefnaro::eachObservanceMember(o, said, sink);
        list.append(d);
    }
    return list;
}

} // namespace

PYBIND11_MODULE(_zefnaro, m) {
    m.doc() = "Whole numbers from 1 to 999,999,999 in Bohairic Coptic: write every form, "
              "read any written form back, find Coptic numerals in running text.";
    m.attr("__version__") = zefnaro::versionText;
    m.attr("LARGEST_NUMBER") = zefnaro::largestNumber;
    m.def("write", &writePieces, py::arg("number"), py::arg("ordinal") = false,
          py::arg("feminine") = false, py::kw_only(), py::arg("form") = py::none(),
          "Every piece of the number's report as a dict: digits, english, arabic (words),\n"
          "arabic_digits, coptic and numerals (Coptic-font text), pronunciation,\n"
          "pronunciation_arabic (the Coptic words in Arabic letters),\n"
          "coptic_unicode, numerals_unicode. The form by ordinal= and feminine=, or by\n"
          "name: form=\"ordinal-feminine\" (cardinal-masculine, cardinal-feminine, ...).\n"
          "Raises ValueError for a number outside 1..999,999,999 or a form that is none.");
    m.def("read", &readText, py::arg("text"), py::arg("language") = "en",
          "The number a written form stands for -- digits (also Arabic-Indic), English,\n"
          "Arabic or Coptic words, their pronunciation (in Latin or Arabic letters), Coptic\n"
          "numerals in either writing --\n"
          "as a dict: number, read_as\n"
          "(the form it was written in), ordinal, masculine. Raises ValueError saying what\n"
          "is wrong and at which character, in the language asked (\"en\", \"ar\").");
    m.def("find_numerals", &findNumerals, py::arg("text"),
          "Every marked Coptic numeral in a text (a stroke over or under its letters, the\n"
          "sign \u0375 or a keraia), as a list of dicts: line and column (from 1, the column\n"
          "in characters as people see them), text, number, ordinal, masculine. Plain words\n"
          "and the stroked abbreviations of sacred names are passed over.");
    static const std::string copticDateDoc =
        "The Coptic date of a datetime.date (proleptic Gregorian, as datetime counts), as\n"
        "a dict with zefnaro-cli --date --json's members: gregorian, weekday,\n"
        "weekday_arabic, coptic_year, coptic_month, coptic_day, month_coptic,\n"
        "month_font_text, month_pronunciation, month_english, month_arabic,\n"
        "day_numerals, year_numerals, day_coptic, year_coptic, day_pronunciation,\n"
        "year_pronunciation (Coptic in Unicode), observances (the ids of the day's feasts\n"
        "and fasts). Raises ValueError for a\n"
        "day before 1 Thout 1 AM (" + zefnaro::dates::text(zefnaro::firstGregorianDate) + ").";
    m.def("coptic_date", &copticDate, py::arg("date"), py::arg("language") = "en", copticDateDoc.c_str());
    m.def("easter", &easterOf, py::arg("year"),
          "Easter Sunday of a year (285 to 9999) by the Alexandrian computus, as a\n"
          "datetime.date: easter(2027) is 2027-05-02. Raises ValueError for another year.");
    m.def("church_year", &churchYearOf, py::arg("year"), py::arg("language") = "en",
          "The feasts and fasts of a Coptic year (1 to 9999 AM) in order, as dicts with\n"
          "zefnaro-cli --church-year --json's members: id, name, kind, first, last,\n"
          "coptic_first, coptic_last; the names and messages in the language asked.\n"
          "Raises ValueError for another year.");
    m.def("gregorian_date", &gregorianDate, py::arg("year"), py::arg("month"), py::arg("day"),
          py::arg("language") = "en",
          "The datetime.date of a Coptic date: year AM (1 to 9999), month (1 Thout to\n"
          "13 Pi Kogi Enavot), day. Raises ValueError for a day the calendar does not have\n"
          "(31 Thout, 6 Pi Kogi Enavot in a common year) or one past datetime's year 9999.");
}
