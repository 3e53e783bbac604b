// The options every mode of zefnaro-cli shares.
#include "cli/mode.h"

#include <memory>
#include <vector>

namespace zefnaro::cli {

namespace {

std::vector<std::string> languageCodes() {
    std::vector<std::string> codes;
    for (const Language language : allLanguages) codes.emplace_back(languageCode(language));
    return codes;
}

} // namespace

void declareShared(CommandLine& line, bool& version) {
    CLI::App& app = line.app;
    Request& request = line.request;
    struct Given {
        bool ordinal = false, feminine = false, unicode = false, fontText = false;
        std::string language = "en";
    };
    const auto given = std::make_shared<Given>();
    app.add_flag("--ordinal", given->ordinal, line.help(Text::cli_ordinal));
    app.add_flag("--feminine", given->feminine, line.help(Text::cli_feminine));
    // A terminal can draw Unicode Coptic, never the CS fonts' text: Unicode by default.
    auto* unicodeFlag = app.add_flag("--unicode", given->unicode, line.help(Text::cli_unicode));
    app.add_flag("--font-text", given->fontText, line.help(Text::cli_font_text))->excludes(unicodeFlag);
    line.json = app.add_flag("--json", request.json, line.help(Text::cli_json));
    app.add_flag("--version", version, line.help(Text::cli_version));
    app.add_option("--lang", given->language, line.help(Text::cli_lang))
        ->check(CLI::IsMember(languageCodes()))
        ->type_name(line.help(Text::cli_label_text));
    line.numbers = app.add_option("NUMBER", request.inputs, line.help(Text::cli_number))
                       ->type_name(line.help(Text::cli_label_text));
    line.parsed.push_back([given, &request] {
        request.language = languageNamed(given->language).value_or(Language{});
        request.writing = given->fontText ? Writing::fontText : Writing::unicode;
        if (given->ordinal || given->feminine)
            request.form = Form{given->ordinal ? Kind::ordinal : Kind::cardinal,
                                given->feminine ? Gender::feminine : Gender::masculine};
    });
}

} // namespace zefnaro::cli
