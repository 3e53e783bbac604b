#include "cli/find_numerals.h"

#include "cli/mode.h"
#include "export/json_lines.h"

#include "engine/numbers.h"
#include "engine/say.h"
#include "zefnaro/find.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <fcntl.h>
#include <charconv>
#include <string>
#include <unistd.h>

namespace zefnaro::cli {

namespace {

constexpr std::size_t blockSize = 1 << 20;

void appendNumber(std::string& out, std::size_t n) {
    char digits[24];
    out.append(digits, std::to_chars(digits, digits + sizeof digits, n).ptr);
}

Text kindText(FoundKind kind) {
    switch (kind) {
    case FoundKind::words: return Text::find_words;
    case FoundKind::mixed: return Text::find_mixed;
    case FoundKind::fraction: return Text::find_fraction;
    case FoundKind::numeral: break;
    }
    return Text::find_numeral;
}

void write(const FoundNumeral& f, bool asJson, Language language, Output& out) {
    std::string& o = out.buffer();
    if (asJson) {
        json::appendFoundLine(o, f);
    } else {
        appendNumber(o, f.line);
        o += ':';
        appendNumber(o, f.column);
        o += '\t';
        o += f.text;
        o += '\t';
        if (f.kind == FoundKind::fraction) o += "1/";
        appendNumber(o, f.reading.number);
        o += '\t';
        o += say(f.reading.form.ordinal() ? Text::find_ordinal : Text::find_cardinal, language);
        o += '\t';
        o += say(f.reading.form.feminine() ? Text::find_feminine : Text::find_masculine, language);
        o += '\t';
        o += say(kindText(f.kind), language);
        o += '\n';
    }
    out.flushIfFull();
}

} // namespace

bool findNumeralsIn(int fd, bool json, Language language, Output& out) {
    NumeralFinder finder;
    const auto found = [&](const FoundNumeral& f) { write(f, json, language, out); };
    std::string buffer;
    buffer.reserve(2 * blockSize);
    for (;;) {
        const std::size_t kept = buffer.size();
        buffer.resize(kept + blockSize);
        const ssize_t got = ::read(fd, buffer.data() + kept, blockSize);
        if (got < 0 && errno == EINTR) {
            buffer.resize(kept);
            continue;
        }
        if (got < 0) return false;
        buffer.resize(kept + static_cast<std::size_t>(got));
        if (got == 0) break;
        // Scan up to the last line end, or the last blank, and keep the rest for
        // the next block: pieces never cut a word.
        std::size_t cut = buffer.rfind('\n');
        if (cut == std::string::npos) cut = buffer.rfind(' ');
        if (cut == std::string::npos) {
            if (buffer.size() < 4 * blockSize) continue; // one endless word: more
            cut = buffer.size() - 1;                      // scan it, cut where it must be
            while (cut > 0 && (static_cast<unsigned char>(buffer[cut]) & 0xC0) == 0x80)
                --cut;
            --cut;
        }
        finder.scan(std::string_view(buffer).substr(0, cut + 1), found);
        buffer.erase(0, cut + 1);
    }
    finder.scan(buffer, found);
    finder.finish(found);
    out.flush();
    return true;
}

namespace {

int findNumerals(const Request& request) {
    int fd = STDIN_FILENO;
    if (!request.inputs.empty() && (fd = ::open(request.inputs[0].c_str(), O_RDONLY)) < 0) {
        std::fprintf(stderr, "zefnaro-cli: %s: %s\n", request.inputs[0].c_str(), std::strerror(errno));
        return 2;
    }
    Output out(STDOUT_FILENO);
    const bool read = findNumeralsIn(fd, request.json, request.language, out);
    if (!read)
        std::fprintf(stderr, "zefnaro-cli: %s\n",
                     say(Text::cli_cannot_read, request.language, {std::strerror(errno)}).c_str());
    if (fd != STDIN_FILENO) ::close(fd);
    return read ? 0 : 2;
}

class FindMode final : public CliMode {
public:
    std::vector<CLI::Option*> declare(CommandLine& line) override {
        return {line.app.add_flag("--find", given_, line.help(Text::cli_find))};
    }
    void check(Request& request) override {
        if (request.inputs.size() > 1)
            throw CLI::ValidationError("--find", std::string(say(Text::cli_find_one_file, request.language)));
    }
    int run(const Request& request) override { return findNumerals(request); }

private:
    bool given_ = false;
};

} // namespace

std::unique_ptr<CliMode> findMode() {
    return std::make_unique<FindMode>();
}

} // namespace zefnaro::cli
