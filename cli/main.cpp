// zefnaro-cli: the translation report for numbers given as arguments or read from
// standard input, as text or JSON Lines, and the other modes. Each mode declares
// and checks its own options; main lists the modes, parses, and runs the one chosen.
#include "cli/mode.h"
#include "cli/output.h"
#include "zefnaro/version.h"

#include <cstdio>
#include <cstring>
#include <string_view>

namespace {

using namespace zefnaro;
using namespace zefnaro::cli;

// The language asked for, looked for before parsing: the help is written in it.
Language askedLanguage(int argc, char** argv) {
    for (int i = 1; i < argc; ++i) {
        const std::string_view arg = argv[i];
        if (arg == "--lang" && i + 1 < argc) return languageNamed(argv[i + 1]).value_or(Language{});
        if (arg.starts_with("--lang=")) return languageNamed(arg.substr(7)).value_or(Language{});
    }
    return Language{};
}

// The words CLI11 writes around the options' help, from the catalogue.
void labelHelp(CLI::App& app, Language language) {
    const auto label = [&](const char* key, Text text) { app.get_formatter()->label(key, std::string(say(text, language))); };
    label("Usage", Text::cli_label_usage);
    label("OPTIONS", Text::cli_label_options);
    label("Positionals", Text::cli_label_positionals);
    label("Needs", Text::cli_label_needs);
    label("Excludes", Text::cli_label_excludes);
    label("TEXT", Text::cli_label_text);
    label("UINT", Text::cli_label_uint);
    label("INT", Text::cli_label_int);
    app.option_defaults()->group(std::string(say(Text::cli_label_options_group, language)));
    app.set_help_flag("-h,--help", std::string(say(Text::cli_help, language)));
}

int run(int argc, char** argv) {
    const Language language = askedLanguage(argc, argv);
    CLI::App app{std::string(say(Text::cli_about, language)), "zefnaro-cli"};
    labelHelp(app, language);
    Request request;
    bool version = false;
    CommandLine line{app, request, language, nullptr, nullptr, {}};
    declareShared(line, version);

    std::unique_ptr<CliMode> modes[] = {pageMode(), findMode(), practiceMode(), datesMode(), churchYearMode(),
                                        numbersMode()};
    std::vector<std::vector<CLI::Option*>> choosers;
    for (auto& mode : modes) choosers.push_back(mode->declare(line));
    // One mode at a time: what chooses one excludes what chooses another.
    for (std::size_t a = 0; a < choosers.size(); ++a)
        for (std::size_t b = a + 1; b < choosers.size(); ++b)
            for (CLI::Option* x : choosers[a])
                for (CLI::Option* y : choosers[b]) x->excludes(y);

    CliMode* chosen = nullptr;
    try {
        app.parse(argc, argv);
        for (const auto& apply : line.parsed) apply();
        for (std::size_t i = 0; i < choosers.size() && !chosen; ++i)
            for (const CLI::Option* option : choosers[i])
                if (option->count() > 0) chosen = modes[i].get();
        if (!chosen) chosen = modes[std::size(modes) - 1].get(); // numbers, when no other is asked
        chosen->check(request);
    } catch (const CLI::CallForHelp& e) {
        return app.exit(e);
    } catch (const CLI::ParseError& e) {
        std::fprintf(stderr, "zefnaro-cli: %s\n%s\n", e.what(), std::string(say(Text::cli_run_help, language)).c_str());
        return 2;
    }
    if (version) {
        std::printf("zefnaro-cli %s\n", versionText);
        return 0;
    }
    const int status = chosen->run(request);
    // Answers that could not be written (a full disk, a closed pipe) are no success.
    if (const int error = outputFailure()) {
        std::fprintf(stderr, "zefnaro-cli: %s\n",
                     say(Text::cli_write_failed, language, {std::strerror(error)}).c_str());
        return status == 0 ? 1 : status;
    }
    return status;
}

} // namespace

int main(int argc, char** argv) {
    return run(argc, argv);
}
