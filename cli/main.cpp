// zefnaro-cli: the translation report for numbers given as arguments or read from
// standard input, as text or JSON Lines.
#include "cli/line_reader.h"
#include "cli/number_argument.h"
#include "engine/coptic.h"
#include "report/report.h"
#include "zefnaro/version.h"

#include <CLI/CLI.hpp>
#include <nlohmann/json.hpp>

#include <cstdio>
#include <string>
#include <vector>

namespace {

using zefnaro::DisplaySettings;
using Json = nlohmann::ordered_json;

// Inputs may hold any bytes; never let invalid UTF-8 abort the output.
std::string dump(const Json& j) {
    return j.dump(-1, ' ', false, Json::error_handler_t::replace);
}

struct Translator {
    DisplaySettings settings;
    bool json = false;
    bool anyRejected = false;

    void answer(const std::string& input) {
        const auto parsed = zefnaro::cli::parseNumberArgument(input);
        std::string out;
        if (!parsed.ok()) {
            anyRejected = true;
            if (json) {
                out = dump(Json{{"input", input}, {"error", parsed.reason}}) + "\n";
                std::fputs(out.c_str(), stdout);
            } else {
                std::fprintf(stderr, "zefnaro-cli: %s: %s\n", dump(Json(input)).c_str(),
                             parsed.reason.c_str());
                std::fflush(stderr);
            }
            std::fflush(stdout);
            return;
        }
        const auto report = zefnaro::composeReport(static_cast<double>(parsed.value), settings);
        if (json) {
            out = dump(Json{{"input", input},
                            {"number", parsed.value},
                            {"ordinal", settings.ordinal},
                            {"masculine", settings.masculine},
                            {"digits", report.digits},
                            {"english", report.english},
                            {"coptic", report.coptic},
                            {"pronunciation", report.pronunciation},
                            {"numerals", report.numerals},
                            {"coptic_unicode", zefnaro::fontTextToUnicode(report.coptic)},
                            {"numerals_unicode",
                             zefnaro::toCopticNumerals(static_cast<double>(parsed.value),
                                                       zefnaro::Form{settings.ordinal,
                                                                     settings.masculine},
                                                       zefnaro::Writing::unicode)}}) +
                  "\n";
        } else {
            out = zefnaro::plainLines(report.text);
        }
        std::fwrite(out.data(), 1, out.size(), stdout);
        std::fflush(stdout);
    }
};

} // namespace

int main(int argc, char** argv) {
    CLI::App app{"Writes whole numbers from 1 to 999,999,999 in Bohairic Coptic: Coptic words, "
                 "their pronunciation, Coptic numerals and English words.\n"
                 "Without NUMBER arguments, numbers are read from standard input, one per line.",
                 "zefnaro-cli"};
    bool ordinal = false, feminine = false, json = false, unicode = false, version = false;
    std::vector<std::string> numbers;
    app.add_flag("--ordinal", ordinal, "Ordinal forms (first, second, ...) instead of cardinal");
    app.add_flag("--feminine", feminine, "Feminine forms instead of masculine");
    app.add_flag("--unicode", unicode,
                 "Coptic words and numerals in Unicode Coptic letters instead of the text "
                 "the CS Coptic fonts draw");
    app.add_flag("--json", json,
                 "One JSON object per number (JSON Lines), with the Coptic both ways");
    app.add_flag("--version", version, "Print the version and exit");
    app.add_option("NUMBER", numbers, "Numbers such as 2005 or 1,234,567");
    try {
        app.parse(argc, argv);
    } catch (const CLI::CallForHelp& e) {
        return app.exit(e);
    } catch (const CLI::ParseError& e) {
        app.exit(e);
        return 2;
    }
    if (version) {
        std::printf("zefnaro-cli %s\n", zefnaro::versionText);
        return 0;
    }

    Translator t;
    t.settings.ordinal = ordinal;
    t.settings.masculine = !feminine;
    // The report's Coptic lines follow the writing of its font.
    if (unicode && !json) t.settings.fontName = std::string(zefnaro::unicodeDefault);
    t.json = json;
    if (!numbers.empty()) {
        for (const auto& n : numbers)
            t.answer(n);
    } else {
        zefnaro::cli::LineReader reader(stdin);
        std::string line;
        while (reader.next(line))
            if (line.find_first_not_of(" \t\r\v\f") != std::string::npos) t.answer(line);
    }
    return t.anyRejected ? 1 : 0;
}
