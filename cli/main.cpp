// zefnaro-cli: the translation report for numbers given as arguments or read from
// standard input, as text or JSON Lines. A number may be written in any form the
// report writes.
#include "cli/answer.h"
#include "cli/dates.h"
#include "cli/find_numerals.h"
#include "cli/input.h"
#include "cli/page.h"
#include "cli/practice_session.h"
#include "engine/numbers.h"
#include "engine/utf8.h"
#include "report/fonts.h"
#include "zefnaro/version.h"

#include <CLI/CLI.hpp>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <fcntl.h>
#include <random>
#include <string>
#include <unistd.h>
#include <vector>

int main(int argc, char** argv) {
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
    app.add_flag("--json", json,
                 "One JSON object per number (JSON Lines), with the Coptic both ways");
    bool html = false;
    auto* htmlFlag = app.add_flag(
        "--html", html,
        "Write one NUMBER's report as a standalone web page (what the window's Save Report As "
        "writes)");
    app.add_flag("--version", version, "Print the version and exit");
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
    dateOption->excludes(copticDateOption);
    for (auto* option : {dateOption, copticDateOption})
        option->excludes(findFlag)->excludes(practiceFlag)->excludes(htmlFlag);
    practiceFlag->excludes(findFlag);
    htmlFlag->excludes(findFlag)->excludes(practiceFlag);
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

    if (find) {
        if (numbers.size() > 1) {
            std::fprintf(stderr, "zefnaro-cli: --find takes one FILE at most\n");
            return 2;
        }
        int fd = STDIN_FILENO;
        if (!numbers.empty() && (fd = ::open(numbers[0].c_str(), O_RDONLY)) < 0) {
            std::fprintf(stderr, "zefnaro-cli: %s: %s\n", numbers[0].c_str(), std::strerror(errno));
            return 2;
        }
        zefnaro::cli::Output out(STDOUT_FILENO);
        const bool read = zefnaro::cli::findNumeralsIn(fd, json, out);
        if (!read) std::fprintf(stderr, "zefnaro-cli: cannot read the input: %s\n", std::strerror(errno));
        if (fd != STDIN_FILENO) ::close(fd);
        return read ? 0 : 2;
    }
    if (practice) {
        if (!numbers.empty()) {
            std::fprintf(stderr, "zefnaro-cli: --practice reads its answers from standard input "
                                 "and takes no NUMBER\n");
            return 2;
        }
        zefnaro::cli::PracticeRun run;
        run.options.ask = *zefnaro::askNamed(askName);
        run.options.upTo = upTo;
        run.options.form = zefnaro::formOf(ordinal, !feminine);
        run.count = count;
        run.seed = seed;
        run.json = json;
        zefnaro::cli::Output out(STDOUT_FILENO);
        zefnaro::cli::InputLines answers(STDIN_FILENO, [&out] { out.flush(); });
        zefnaro::cli::practise(run, answers, out);
        return 0;
    }

    if (*dateOption || *copticDateOption) {
        const bool coptic = !!*copticDateOption;
        const std::string& first = coptic ? copticDate : gregorianDate;
        zefnaro::cli::Output out(STDOUT_FILENO), errors(STDERR_FILENO);
        zefnaro::cli::DateAnswerer dates(
            coptic, json, fontText ? zefnaro::Writing::fontText : zefnaro::Writing::unicode, out,
            errors);
        if (first == "-") {
            zefnaro::cli::InputLines lines(STDIN_FILENO, [&out] { out.flush(); });
            std::string line;
            while (lines.next(line))
                if (!zefnaro::utf8::isBlankText(line)) dates.answer(line);
        } else {
            dates.answer(first);
        }
        for (const auto& more : numbers)
            dates.answer(more);
        out.flush();
        return dates.anyRejected() ? 1 : 0;
    }

    zefnaro::cli::Options options;
    if (ordinal || feminine) options.form = zefnaro::formOf(ordinal, !feminine);
    options.writing = fontText ? zefnaro::Writing::fontText : zefnaro::Writing::unicode;
    options.json = json;
    if (html) {
        if (numbers.size() != 1 || json) {
            std::fprintf(stderr, "zefnaro-cli: --html writes the page of one NUMBER, without --json\n");
            return 2;
        }
        std::string why;
        const std::string page = zefnaro::cli::reportPageFor(numbers[0], options, why);
        if (page.empty()) {
            std::string message = "zefnaro-cli: ";
            zefnaro::cli::appendJsonString(message, numbers[0]);
            std::fprintf(stderr, "%s: %s\n", message.c_str(), why.c_str());
            return 1;
        }
        zefnaro::cli::Output out(STDOUT_FILENO);
        out.buffer() = page;
        return 0;
    }
    zefnaro::cli::Output out(STDOUT_FILENO), errors(STDERR_FILENO);
    zefnaro::cli::Translator translator(options, out, errors);
    if (!numbers.empty()) {
        for (const auto& n : numbers)
            translator.answer(n);
    } else {
        zefnaro::cli::InputLines lines(STDIN_FILENO, [&out] { out.flush(); });
        std::string line;
        while (lines.next(line))
            if (!zefnaro::utf8::isBlankText(line)) translator.answer(line);
    }
    out.flush();
    return translator.anyRejected() ? 1 : 0;
}
