#include "invariants.h"

#include "engine/zefnaro.h"

#include <algorithm>
#include <array>
#include <string_view>

namespace zefnaro::checks {

namespace {

bool blanksClean(std::string_view s) {
    return !s.empty() && s.front() != ' ' && s.back() != ' ' &&
           s.find("  ") == std::string_view::npos;
}

bool isOrdinalWord(std::string_view word) {
    static const std::array<std::string, 30> words = [] {
        std::array<std::string, 30> w;
        std::size_t i = 0;
        for (int key : {1,  2,  3,  4,  5,  6,  7,  8,  9,  10, 11, 12, 13,  14,   15,
                        16, 17, 18, 19, 20, 30, 40, 50, 60, 70, 80, 90, 100, 1000, 1000000})
            w[i++] = getEnglishWord(key, Form{true, true});
        std::sort(w.begin(), w.end());
        return w;
    }();
    return std::binary_search(words.begin(), words.end(), word,
                              [](std::string_view a, std::string_view b) { return a < b; });
}

} // namespace

std::string violation(long n, bool masculine, bool ordinal) {
    const double x = static_cast<double>(n);
    const Form form{ordinal, masculine};
    const std::string text = toCopticWords(x, form, Half::text);
    const std::string spoken = toCopticWords(x, form, Half::pronunciation);
    const std::string english = toEnglishWords(x, form);
    const std::string numeral = toCopticNumerals(x, form);
    if (!blanksClean(text) || !blanksClean(spoken) || !blanksClean(english) ||
        !blanksClean(numeral))
        return "empty text or bad blanks";
    if (std::count(text.begin(), text.end(), ' ') != std::count(spoken.begin(), spoken.end(), ' '))
        return "blank count differs between text and pronunciation";

    std::string_view letters = numeral;
    if (ordinal) {
        if (letters.substr(0, 4) != "mah ") return "numeral lacks the ordinal prefix";
        letters.remove_prefix(4);
    }
    if (!masculine) {
        if (letters.empty() || letters.back() != ']') return "numeral lacks the feminine ending";
        letters.remove_suffix(1);
    }
    std::size_t nonzero = 0;
    for (long v = n; v > 0; v /= 10)
        if (v % 10 != 0) ++nonzero;
    if (utf8Length(letters) != 2 * nonzero) return "numeral letters differ from nonzero digits";

    std::size_t start = 0;
    for (std::size_t i = 0; i <= english.size(); ++i) {
        if (i < english.size() && english[i] != ' ' && english[i] != '-') continue;
        const bool last = i == english.size();
        if (isOrdinalWord(std::string_view(english).substr(start, i - start)) != (ordinal && last))
            return "ordinal word misplaced: " + english;
        start = i + 1;
    }
    return {};
}

} // namespace zefnaro::checks
