// The catalogues' texts, and the pseudo-locales made from English's.
#include "engine/say.h"

#include <array>
#include <memory>
#include <vector>

namespace zefnaro {

namespace catalogues {
extern const std::array<std::string_view, textCount> en, ar;
}

namespace {

// Each ASCII letter as an accented look-alike, as pseudo-localisation does.
constexpr std::array<std::string_view, 26> accentedLower{
    "à", "ƀ", "ç", "ð", "é", "ƒ", "ĝ", "ĥ", "î", "ĵ", "ķ", "ļ", "ɱ",
    "ñ", "ö", "þ", "ǫ", "ŕ", "š", "ţ", "û", "ṽ", "ŵ", "ẋ", "ý", "ž"};
constexpr std::array<std::string_view, 26> accentedUpper{
    "À", "Ɓ", "Ç", "Ð", "É", "Ƒ", "Ĝ", "Ĥ", "Î", "Ĵ", "Ķ", "Ļ", "Ṁ",
    "Ñ", "Ö", "Þ", "Ǫ", "Ŕ", "Š", "Ţ", "Û", "Ṽ", "Ŵ", "Ẋ", "Ý", "Ž"};

bool isPlace(std::string_view text, std::size_t i) {
    return text[i] == '{' && i + 2 < text.size() && text[i + 1] >= '1' && text[i + 1] <= '9' &&
           text[i + 2] == '}';
}

// "[Ţĥé çàŕðîñàļ ñûɱƀéŕ·······]": accented, a third longer, bracketed; the places kept.
std::string accented(std::string_view english) {
    if (english.find_first_of("ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz") == std::string_view::npos)
        return std::string(english); // nothing to translate: "{1}", "·"
    std::string out = "[";
    std::size_t letters = 0;
    for (std::size_t i = 0; i < english.size(); ++i) {
        const char c = english[i];
        if (isPlace(english, i)) {
            out.append(english.substr(i, 3));
            i += 2;
        } else if (english.substr(i, 2) == "--" && (i == 0 || english[i - 1] == ' ' || english[i - 1] == '(')) {
            // An option's name is typed as it is, in every language.
            const std::size_t end = english.find_first_of(" ,:;)", i);
            const std::size_t n = (end == std::string_view::npos ? english.size() : end) - i;
            out.append(english.substr(i, n));
            letters += n;
            i += n - 1;
            continue;
        } else if (c >= 'a' && c <= 'z') {
            out += accentedLower[static_cast<std::size_t>(c - 'a')];
        } else if (c >= 'A' && c <= 'Z') {
            out += accentedUpper[static_cast<std::size_t>(c - 'A')];
        } else {
            out += c;
        }
        if ((static_cast<unsigned char>(c) & 0xC0) != 0x80) ++letters;
    }
    for (std::size_t i = 0; i < (letters + 2) / 3; ++i) out += "·";
    return out + "]";
}

// Each word forced right to left between marks, as the ar-XB pseudo-locale does:
// text that escapes the catalogue runs left to right among it.
std::string bidi(std::string_view english) {
    if (english.find_first_of("ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz") == std::string_view::npos)
        return std::string(english);
    std::string out = "\u200F"; // RLM
    std::size_t i = 0;
    while (i < english.size()) {
        const char c = english[i];
        if (c == ' ' || c == '\n' || isPlace(english, i)) {
            const std::size_t n = c == '{' ? 3 : 1;
            out.append(english.substr(i, n));
            i += n;
            continue;
        }
        std::size_t end = i;
        while (end < english.size() && english[end] != ' ' && english[end] != '\n' && !isPlace(english, end))
            ++end;
        out.append("\u202E").append(english.substr(i, end - i)).append("\u202C"); // RLO … PDF
        i = end;
    }
    return out + "\u200F";
}

using Table = std::vector<std::string>;
std::unique_ptr<const Table> made(std::string (*transform)(std::string_view)) {
    auto t = std::make_unique<Table>();
    t->reserve(textCount);
    for (const std::string_view text : catalogues::en) t->push_back(transform(text));
    return t;
}

} // namespace

std::string_view say(Text text, Language language) {
    const auto i = static_cast<std::size_t>(text);
    // The catalogues in the order of the languages; the pseudo-locales made on first use.
    static const std::array<const std::string_view*, 2> written{catalogues::en.data(), catalogues::ar.data()};
    const auto which = static_cast<std::size_t>(language);
    if (which < written.size()) return written[which][i];
    static const std::array<std::unique_ptr<const Table>, 2> made_{made(accented), made(bidi)};
    return (*made_[which - written.size()])[i];
}

std::string say(Text text, Language language, std::initializer_list<std::string_view> values) {
    const std::string_view pattern = say(text, language);
    std::string out;
    out.reserve(pattern.size() + 16);
    for (std::size_t i = 0; i < pattern.size(); ++i) {
        if (isPlace(pattern, i)) {
            const auto k = static_cast<std::size_t>(pattern[i + 1] - '1');
            if (k < values.size()) out.append(values.begin()[k]);
            i += 2;
        } else {
            out += pattern[i];
        }
    }
    return out;
}

} // namespace zefnaro
