// zefnaro-cli: the translation report for numbers given as arguments or read from
// standard input, as text or JSON Lines. A number may be written in any form the
// report writes. main only reads the options and hands the run to its mode.
#include "cli/request.h"
#include "zefnaro/version.h"

#include <CLI/CLI.hpp>

#include <cstdio>
#include <random>
#include <string>
#include <vector>

namespace {

using zefnaro::cli::Mode;

// The options into a request; CLI11 rejects what does not go together.
int run(int argc, char** argv) {
    CLI::App app{"Writes whole numbers from 1 to 999,999,999 in Bohairic Coptic: Coptic words, "
                 "their pronunciation, Coptic numerals and English words.\n"
                 "A NUMBER may be written in digits (2005, 1,234,567, 21st), in English words, in "
                 "Coptic words or their pronunciation, or in Coptic numerals (font text or "
                 "Unicode); the ordinal and feminine forms follow what it shows unless "
                 "--ordinal or --feminine is given.\n"
                 "Without NUMBER arguments, numbers are read from standard input, one per line.",
                 "zefnaro-cli"};
    bool ordinal = false, feminine = false, json = false, unicode = false, fontText = false,
         version = false;
    std::vector<std::string> numbers;
    app.add_flag("--ordinal", ordinal, "Ordinal forms (first, second, ...) instead of cardinal");
    app.add_flag("--feminine", feminine, "Feminine forms instead of masculine");
    // A terminal can draw Unicode Coptic, never the CS fonts' text: Unicode by default.
    auto* unicodeFlag = app.add_flag(
        "--unicode", unicode, "Coptic words and numerals in Unicode Coptic letters (the default)");
    app.add_flag("--font-text", fontText,
                 "Coptic words and numerals as the text the CS Coptic fonts draw as Coptic")
        ->excludes(unicodeFlag);
    auto* jsonFlag = app.add_flag("--json", json,
                 "One JSON object per number (JSON Lines), with the Coptic both ways");
    bool html = false;
    auto* htmlFlag = app.add_flag(
        "--html", html,
        "Write one NUMBER's report as a standalone web page (what the window's Save Report As "
        "writes)");
    app.add_flag("--version", version, "Print the version and exit");
    std::string language = "en";
    app.add_option("--lang", language,
                   "The language of the text report and of the messages: en (English, the "
                   "default) or ar (Arabic: Arabic sentences, words and digits)")
        ->check(CLI::IsMember({"en", "ar"}));
    bool find = false;
    auto* findFlag = app.add_flag(
        "--find", find,
        "List every Coptic numeral in a text (the FILE argument, or standard input): line, "
        "column, the numeral, its value, ordinal or cardinal, masculine or feminine");
    bool practice = false;
    std::string askName = "numerals";
    std::uint32_t upTo = zefnaro::largestNumber;
    int count = 10;
    std::uint64_t seed = std::random_device{}();
    auto* practiceFlag = app.add_flag(
        "--practice", practice,
        "Practise: ask questions, read one answer per line from standard input, tell each "
        "verdict and the score");
    app.add_option("--ask", askName,
                   "What practice asks: numerals, coptic, pronunciation (read them; answer in "
                   "any form), write-numerals or write-coptic (write the number shown)")
        ->check(CLI::IsMember({"numerals", "coptic", "pronunciation", "write-numerals",
                               "write-coptic"}))
        ->needs(practiceFlag);
    app.add_option("--up-to", upTo,
                   "Practice numbers from 1 up to N (default " + std::string(zefnaro::largestNumberText) + ")")
        ->check(CLI::Range(std::uint32_t{1}, zefnaro::largestNumber))
        ->needs(practiceFlag);
    app.add_option("--count", count, "How many practice questions (default 10)")
        ->check(CLI::Range(1, 1'000'000))
        ->needs(practiceFlag);
    app.add_option("--seed", seed, "The same seed asks the same practice questions")
        ->needs(practiceFlag);
    app.add_option("NUMBER", numbers,
                   "Numbers such as 2005, 1,234,567, 21st, \"twenty-one\" or ⲕ̅ⲁ̅");
    std::string gregorianDate, copticDate;
    auto* dateOption = app.add_option(
        "--date", gregorianDate,
        "Write the Coptic date of a day: YYYY-MM-DD, today, or - to read dates from standard "
        "input, one a line (further arguments are more dates)");
    auto* copticDateOption = app.add_option(
        "--coptic-date", copticDate,
        "Write the report of a Coptic date: 1743-03-29, \"29 Hathor 1743\", \"ⲕ̅ⲑ̅ Ⲁⲑⲱⲣ ⲁ̿ⲯ̅ⲙ̅ⲅ̅\", or - "
        "to read them from standard input, one a line");
    std::string churchYear;
    bool ics = false;
    auto* churchYearOption = app.add_option(
        "--church-year", churchYear,
        "List the feasts and fasts of a Coptic year (1743, or ⲁ̿ⲯ̅ⲙ̅ⲅ̅): their Gregorian and Coptic days; "
        "with --json one line each, with --ics an iCalendar file");
    auto* icsFlag = app.add_flag("--ics", ics, "With --church-year: write the year as an iCalendar file")
                        ->needs(churchYearOption)
                        ->excludes(jsonFlag);
    (void)icsFlag;
    churchYearOption->excludes(dateOption)->excludes(copticDateOption)->excludes(findFlag)
        ->excludes(practiceFlag)->excludes(htmlFlag);
    dateOption->excludes(copticDateOption);
    for (auto* option : {dateOption, copticDateOption})
        option->excludes(findFlag)->excludes(practiceFlag)->excludes(htmlFlag);
    practiceFlag->excludes(findFlag);
    htmlFlag->excludes(findFlag)->excludes(practiceFlag)->excludes(jsonFlag);
    app.callback([&] {
        if (find && numbers.size() > 1) throw CLI::ValidationError("--find", "takes one FILE at most");
        if (practice && !numbers.empty())
            throw CLI::ValidationError("--practice", "reads its answers from standard input and takes no NUMBER");
        if (html && numbers.size() != 1) throw CLI::ValidationError("--html", "writes the page of one NUMBER");
    });
    try {
        app.parse(argc, argv);
    } catch (const CLI::CallForHelp& e) {
        return app.exit(e);
    } catch (const CLI::ParseError& e) {
        std::fprintf(stderr, "zefnaro-cli: %s\nRun with --help for more information.\n", e.what());
        return 2;
    }
    if (version) {
        std::printf("zefnaro-cli %s\n", zefnaro::versionText);
        return 0;
    }


    zefnaro::cli::Request request;
    request.inputs = std::move(numbers);
    request.json = json;
    request.language = *zefnaro::languageNamed(language);
    request.writing = fontText ? zefnaro::Writing::fontText : zefnaro::Writing::unicode;
    if (ordinal || feminine)
        request.form = zefnaro::Form{ordinal ? zefnaro::Kind::ordinal : zefnaro::Kind::cardinal,
                                     feminine ? zefnaro::Gender::feminine : zefnaro::Gender::masculine};
    request.practice.ask = *zefnaro::askNamed(askName);
    request.practice.upTo = upTo;
    request.practice.form = request.form.value_or(zefnaro::Form{});
    request.practice.language = request.language;
    request.count = count;
    request.seed = seed;
    if (*dateOption || *copticDateOption)
        request.inputs.insert(request.inputs.begin(), *dateOption ? gregorianDate : copticDate);
    if (*churchYearOption) request.inputs.insert(request.inputs.begin(), churchYear);
    request.ics = ics;
    request.mode = *churchYearOption   ? Mode::churchYear
                   : find              ? Mode::find
                   : practice          ? Mode::practice
                   : *dateOption       ? Mode::gregorianDates
                   : *copticDateOption ? Mode::copticDates
                   : html              ? Mode::page
                                       : Mode::numbers;
    switch (request.mode) {
    case Mode::find:
        return zefnaro::cli::findNumerals(request);
    case Mode::practice:
        return zefnaro::cli::practise(request);
    case Mode::gregorianDates:
    case Mode::copticDates:
        return zefnaro::cli::answerDates(request);
    case Mode::page:
        return zefnaro::cli::writePage(request);
    case Mode::churchYear:
        return zefnaro::cli::listChurchYear(request);
    case Mode::numbers:
        break;
    }
    return zefnaro::cli::translateNumbers(request);
}

} // namespace

int main(int argc, char** argv) {
    return run(argc, argv);
}
