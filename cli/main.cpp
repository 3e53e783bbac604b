// zefnaro-cli: the translation report for numbers given as arguments or read from
// standard input, as text or JSON Lines. A number may be written in any form the
// report writes.
#include "cli/answer.h"
#include "cli/input.h"
#include "report/fonts.h"
#include "zefnaro/version.h"

#include <CLI/CLI.hpp>

#include <cstdio>
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
    app.add_flag("--version", version, "Print the version and exit");
    app.add_option("NUMBER", numbers,
                   "Numbers such as 2005, 1,234,567, 21st, \"twenty-one\" or ⲕ̅ⲁ̅");
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

    zefnaro::cli::Options options;
    if (ordinal || feminine) options.form = zefnaro::Form{ordinal, !feminine};
    options.writing = fontText ? zefnaro::Writing::fontText : zefnaro::Writing::unicode;
    options.json = json;
    zefnaro::cli::Output out(STDOUT_FILENO), errors(STDERR_FILENO);
    zefnaro::cli::Translator translator(options, out, errors);
    if (!numbers.empty()) {
        for (const auto& n : numbers)
            translator.answer(n);
    } else {
        zefnaro::cli::InputLines lines(STDIN_FILENO, [&out] { out.flush(); });
        std::string line;
        while (lines.next(line))
            if (line.find_first_not_of(" \t\r\v\f") != std::string::npos) translator.answer(line);
    }
    out.flush();
    return translator.anyRejected() ? 1 : 0;
}
