#include "cli/page.h"

#include "engine/read_reason.h"

#include "cli/output.h"
#include "cli/mode.h"
#include "export/html.h"
#include "export/json.h"
#include "report/fonts.h"
#include "zefnaro/read.h"

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <system_error>
#include <unistd.h>

namespace zefnaro::cli {

namespace {

// Where an installed program's fonts are, as the window finds them.
std::vector<CarriedFont> programFonts() {
    std::error_code error;
    const std::filesystem::path self = std::filesystem::read_symlink("/proc/self/exe", error);
    if (error) return {};
    const std::filesystem::path file = self.parent_path() / projectFontPath;
    std::ifstream in(file, std::ios::binary);
    if (!in) return {};
    std::string bytes{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    return {{std::string(projectFont), file.filename().string(), std::move(bytes)}};
}

} // namespace

std::string reportPageFor(std::string_view input, std::optional<Form> form, Writing writing,
                          std::string& why, Language language) {
    const ExplainedReading read = readExplained(input);
    if (!read.result.ok()) {
        why = readerMessage(read.why, language);
        return {};
    }
    const Report report = composeReport(read.result.reading.number, form.value_or(read.result.reading.form),
                                        writing, language);
    return reportPage(report, reportTitle(report), programFonts());
}

int writePage(const Request& request) {
    std::string why;
    const std::string& input = request.inputs.front();
    const std::string page = reportPageFor(input, request.form, request.writing, why, request.language);
    if (page.empty()) {
        std::string message = "zefnaro-cli: ";
        json::appendString(message, input); // quoted, whatever it holds
        std::fprintf(stderr, "%s: %s\n", message.c_str(), why.c_str());
        return 1;
    }
    Output out(STDOUT_FILENO);
    out.buffer() = page;
    return 0;
}

namespace {

class PageMode final : public CliMode {
public:
    std::vector<CLI::Option*> declare(CommandLine& line) override {
        html_ = line.app.add_flag("--html", given_, line.help(Text::cli_html));
        html_->excludes(line.json);
        return {html_};
    }
    void check(Request& request) override {
        if (request.inputs.size() != 1)
            throw CLI::ValidationError("--html", std::string(say(Text::cli_html_one_number, request.language)));
    }
    int run(const Request& request) override { return writePage(request); }

private:
    CLI::Option* html_ = nullptr;
    bool given_ = false;
};

} // namespace

std::unique_ptr<CliMode> pageMode() {
    return std::make_unique<PageMode>();
}

} // namespace zefnaro::cli
