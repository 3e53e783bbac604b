#include "cli/answer.h"

#include "zefnaro/read.h"
#include "engine/numeral_letters.h"
#include "engine/engine.h"
#include "report/report.h"

#include <array>
#include <charconv>

namespace zefnaro::cli {

using namespace std::string_view_literals;

namespace {

// ["ⲃ̿",2000]: a Unicode numeral letter with its marks and what it stands for, for
// each place and digit, written once.
const std::string& valuePair(std::size_t place, std::uint32_t digit) {
    static const auto table = [] {
        std::array<std::array<std::string, 10>, 9> t;
        for (std::size_t p = 0; p < 9; ++p)
            for (std::uint32_t d = 1; d < 10; ++d)
                t[p][d] = "[\"" + std::string(unicodeNumerals.letters[p % 3][d]) +
                          std::string(unicodeNumerals.after[p / 3]) + "\"," + std::to_string(d) +
                          std::string(p, '0') + "]";
        return t;
    }();
    return table[place][digit];
}

} // namespace

void Translator::answer(std::string_view input) {
    const ReadResult read = readWrittenNumber(input);
    if (!read.ok()) {
        anyRejected_ = true;
        reject(input, read.error.message, options_.json, out_, errors_);
        return;
    }

    const std::uint32_t n = read.reading.number;
    const Form form = options_.form.value_or(read.reading.form);
    std::string& out = out_.buffer();
    if (!options_.json) {
        appendPlainReport(out, n, form, options_.writing);
        out_.flushIfFull();
        return;
    }
    char digits[16];
    const auto end = std::to_chars(digits, digits + sizeof digits, n).ptr;
    out += "{\"input\":"sv;
    appendJsonString(out, input);
    out += ",\"number\":"sv;
    out.append(digits, end);
    out += ",\"read_as\":\""sv;
    out += formName(read.reading.written);
    out += form.ordinal() ? "\",\"ordinal\":true"sv : "\",\"ordinal\":false"sv;
    out += form.masculine() ? ",\"masculine\":true"sv : ",\"masculine\":false"sv;
    // The engine's own texts hold no quote, backslash or control character and
    // are valid UTF-8 (the tests check every word of its lists): they are written
    // straight into the line, each piece by its writer, without a report between.
    out += ",\"digits\":\""sv;
    appendGroupedDigits(out, n);
    if (form.ordinal()) out += getOrdinalSuffix(n);
    out += "\",\"english\":\""sv;
    appendEnglishWords(out, n, form);
    out += "\",\"coptic\":\""sv;
    appendCopticWords(out, n, form, Writing::fontText);
    out += "\",\"pronunciation\":\""sv;
    appendCopticWords(out, n, form, Writing::pronunciation);
    out += "\",\"numerals\":\""sv;
    appendCopticNumerals(out, n, form, Writing::fontText);
    out += "\",\"coptic_unicode\":\""sv;
    appendCopticWords(out, n, form, Writing::unicode);
    out += "\",\"numerals_unicode\":\""sv;
    appendCopticNumerals(out, n, form, Writing::unicode);
    out += "\",\"numeral_values\":["sv;
    std::array<std::uint32_t, 9> places{};
    std::size_t count = 0;
    for (std::uint32_t v = n; v > 0; v /= 10)
        places[count++] = v % 10;
    bool first = true;
    for (std::size_t place = count; place-- > 0;) {
        if (places[place] == 0) continue;
        if (!first) out += ',';
        first = false;
        out += valuePair(place, places[place]);
    }
    out += "]}\n"sv;
    out_.flushIfFull();
}

} // namespace zefnaro::cli
