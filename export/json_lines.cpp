#include "export/json_lines.h"

#include "engine/numeral_letters.h"
#include "export/json.h"
#include "export/members.h"

#include <array>

namespace zefnaro::json {

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

void appendValues(std::string& out, std::uint32_t n) {
    std::array<std::uint32_t, 9> places{};
    std::size_t count = 0;
    for (std::uint32_t v = n; v > 0; v /= 10)
        places[count++] = v % 10;
    out += '[';
    bool first = true;
    for (std::size_t place = count; place-- > 0;) {
        if (places[place] == 0) continue;
        if (!first) out += ',';
        first = false;
        out += valuePair(place, places[place]);
    }
    out += ']';
}

} // namespace

void appendNumberLine(std::string& out, std::string_view input, const Reading& reading, Form form) {
    const std::uint32_t n = reading.number;
    Object line(out);
    Reading shown = reading; // in the form asked for, which may not be the one written
    shown.form = form;
    line.text("input", input);
    eachReadingMember(shown, true, line);
    eachNumberMember(n, form, [&](std::string_view name, auto append) { line.ownText(name, append); });
    line.value("numeral_values", [n](std::string& o) { appendValues(o, n); }).end();
}

void appendDateLine(std::string& out, CopticDate date) {
    Object line(out);
    eachDateMember(
        date, toGregorianDate(date).date,
        [&](std::string_view name, auto append) { line.ownText(name, append); },
        [&](std::string_view name, int value) { line.number(name, value); },
        [&](std::string_view name, const std::vector<std::string_view>& values) {
            line.value(name, [&values](std::string& o) {
                json::appendArray(o, values, [](std::string& a, std::string_view v) { json::appendString(a, v); });
            });
        });
    line.end();
}

void appendFoundLine(std::string& out, const FoundNumeral& found) {
    Object line(out);
    eachFoundMember(found, line);
    line.end();
}

void appendRejectLine(std::string& out, std::string_view input, std::string_view why) {
    Object(out).text("input", input).text("error", why).end();
}

} // namespace zefnaro::json
