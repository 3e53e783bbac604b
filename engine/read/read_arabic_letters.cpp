// The pronunciation in Arabic letters read back: each word matched to the Latin
// pronunciation word it was written from, then read as that line is. Forgiving
// what Arabic readers vary: hamza or none (أ إ آ ؤ ئ), ى or ي, ة or ه, short vowels
// and tatweel, and the spaces between the words («شو إنشو», «شوإنشو»).
#include "read_support.h"

#include "engine/arabic.h"
#include "engine/coptic.h"
#include "engine/utf8.h"

#include <unordered_map>

namespace zefnaro::reading {

namespace {

// A letter as the reader compares it; 0 for one it passes over.
char32_t plain(char32_t c) {
    switch (c) {
    case U'أ':
    case U'إ':
    case U'آ':
    case U'ٱ': return U'ا';
    case U'ؤ': return U'و';
    case U'ئ':
    case U'ى': return U'ي';
    case U'ة': return U'ه';
    default: break;
    }
    const bool mark = (c >= 0x064B && c <= 0x065F) || c == 0x0670 || c == 0x0640 || c == 0x0621 ||
                      (c >= 0x200B && c <= 0x200F) || (c >= 0x2066 && c <= 0x2069);
    return mark ? 0 : c;
}

std::u32string plainWord(std::string_view arabic) {
    std::u32string out;
    for (std::size_t at = 0; at < arabic.size();) {
        const auto d = utf8::decodeAt(arabic, at);
        if (!d) break;
        at += d->length;
        if (const char32_t c = plain(d->code); c != 0 && !utf8::isBlank(c)) out += c;
    }
    return out;
}

// Every word the pronunciation line can hold, by its Arabic letters: the words of
// 1..999 and of the thousands and millions, in the four forms.
struct Lexicon {
    std::unordered_map<std::u32string, std::string> latinOf;
    std::size_t longest = 0;
    Lexicon() {
        const auto add = [this](std::uint32_t n, Form form) {
            std::string coptic, latin;
            appendCopticWords(coptic, n, form, Writing::unicode);
            appendCopticWords(latin, n, form, Writing::pronunciation);
            std::size_t from = 0, latinFrom = 0;
            while (from < coptic.size() && latinFrom < latin.size()) {
                const std::size_t end = std::min(coptic.find(' ', from), coptic.size());
                const std::size_t latinEnd = std::min(latin.find(' ', latinFrom), latin.size());
                std::string arabic;
                appendArabicLetters(arabic, std::string_view(coptic).substr(from, end - from),
                                    std::string_view(latin).substr(latinFrom, latinEnd - latinFrom));
                std::u32string key = plainWord(arabic);
                longest = std::max(longest, key.size());
                latinOf.emplace(std::move(key), latin.substr(latinFrom, latinEnd - latinFrom));
                from = end + 1;
                latinFrom = latinEnd + 1;
            }
        };
        for (const Form form : allForms)
            for (std::uint32_t n = 1; n < 1000; ++n) {
                add(n, form);
                if (n <= 20) {
                    add(n * 1000, form);
                    add(n * 1'000'000, form);
                }
            }
    }
};

const Lexicon& lexicon() {
    static const Lexicon words;
    return words;
}

} // namespace

Attempt readArabicLetters(const Chars& text) {
    // The letters without what readers vary, each with where it stood and whether
    // a blank came before it.
    std::u32string letters;
    std::vector<std::size_t> positions;
    std::vector<bool> blankBefore;
    bool blank = false;
    for (const Char& c : text) {
        if (utf8::isBlank(c.code)) {
            blank = true;
            continue;
        }
        const char32_t p = plain(c.code);
        if (p == 0) continue;
        letters += p;
        positions.push_back(c.position);
        blankBefore.push_back(blank);
        blank = false;
    }
    const auto notThese = [&] {
        return failed(because(ReadReason::notANumber), text.empty() ? 0 : text.front().position,
                      ReadErrorCode::unknownWord);
    };
    if (letters.empty()) return notThese();
    // The fewest words, and where there is a choice, words that end where the text
    // has a blank: cost 2 a word, 1 more for each break the text does not show.
    const Lexicon& lex = lexicon();
    const std::size_t n = letters.size();
    constexpr std::size_t none = static_cast<std::size_t>(-1);
    struct Step {
        std::size_t cost = none, from = 0;
        const std::string* latin = nullptr;
    };
    std::vector<Step> best(n + 1);
    best[0].cost = 0;
    for (std::size_t i = 0; i < n; ++i) {
        if (best[i].cost == none) continue;
        for (std::size_t length = 1; length <= lex.longest && i + length <= n; ++length) {
            const auto found = lex.latinOf.find(letters.substr(i, length));
            if (found == lex.latinOf.end()) continue;
            const std::size_t end = i + length;
            const std::size_t cost = best[i].cost + 2 + (end < n && !blankBefore[end] ? 1 : 0);
            if (cost < best[end].cost) best[end] = {cost, i, &found->second};
        }
    }
    if (best[n].cost == none) return notThese();
    // The Latin words, each standing where its Arabic word began.
    std::vector<std::pair<const std::string*, std::size_t>> pieces;
    for (std::size_t at = n; at > 0; at = best[at].from)
        pieces.emplace_back(best[at].latin, positions[best[at].from]);
    Chars latin;
    for (auto piece = pieces.rbegin(); piece != pieces.rend(); ++piece) {
        if (!latin.empty()) latin.push_back({U' ', piece->second});
        for (const char c : *piece->first)
            latin.push_back({static_cast<char32_t>(c), piece->second});
    }
    Attempt a = readCopticWords(latin, words(latin), WrittenForm::pronunciation, Writing::fontText);
    if (a.reading) a.reading->written = WrittenForm::arabicPronunciation;
    return a;
}

} // namespace zefnaro::reading
