#include "cli/page.h"

#include "export/html.h"
#include "report/fonts.h"
#include "zefnaro/read.h"

#include <filesystem>
#include <fstream>
#include <iterator>
#include <system_error>

namespace zefnaro::cli {

namespace {

// Where an installed program's fonts are, as the window finds them.
std::vector<CarriedFont> programFonts() {
    std::error_code error;
    const std::filesystem::path self = std::filesystem::read_symlink("/proc/self/exe", error);
    if (error) return {};
    const std::filesystem::path file =
        self.parent_path() / "../share/fonts/truetype/zefnaro/ZefnaroCoptic-Regular.ttf";
    std::ifstream in(file, std::ios::binary);
    if (!in) return {};
    std::string bytes{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    return {{std::string(projectFont), file.filename().string(), std::move(bytes)}};
}

} // namespace

std::string reportPageFor(std::string_view input, const Options& options, std::string& why) {
    const ReadResult read = readWrittenNumber(input);
    if (!read.ok()) {
        why = read.error.message;
        return {};
    }
    const Form form = options.form.value_or(read.reading.form);
    const Report report = composeReport(read.reading.number, form, options.writing);
    return reportPage(report, reportTitle(report), programFonts());
}

} // namespace zefnaro::cli
