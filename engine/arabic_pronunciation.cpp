// Coptic in Arabic letters, as Egyptian service books print it for readers who do
// not read the Coptic letters: letter by letter through the Church's table of the
// Coptic alphabet (Pauline Todary's course), one rule set for every word Zefnaro
// writes. Where the table gives a letter two readings (ⲃ ب or ف, ⲭ ك، خ or ش …),
// the one the Latin pronunciation line takes for that word is taken, so both lines
// say one sound.
#include "engine/arabic.h"

#include "engine/coptic.h"
#include "engine/utf8.h"

#include <algorithm>
#include <array>
#include <string_view>

namespace zefnaro {

namespace {

struct Sound {
    std::string_view latin, arabic;
};
struct Consonant {
    char32_t letter;
    std::array<Sound, 6> sounds; // the table's first reading first
};

// ⲟⲩ, one sound; it stands for its two letters below.
constexpr char32_t ou = U'\uE000';

constexpr std::array<Consonant, 23> consonants{{
    {U'ⲃ', {{{"b", "ب"}, {"v", "ف"}}}},
    {U'ⲅ', {{{"g", "ج"}, {"gh", "غ"}, {"n", "ن"}}}},
    {U'ⲇ', {{{"d", "د"}, {"th", "ذ"}}}},
    {U'ⲍ', {{{"z", "ز"}}}},
    {U'ⲑ', {{{"th", "ث"}}}},
    {U'ⲕ', {{{"k", "ك"}}}},
    {U'ⲗ', {{{"l", "ل"}}}},
    {U'ⲙ', {{{"m", "م"}}}},
    {U'ⲛ', {{{"n", "ن"}}}},
    {U'ⲝ', {{{"x", "كس"}, {"ks", "كس"}}}},
    {U'ⲡ', {{{"p", "ب"}}}},
    {U'ⲣ', {{{"r", "ر"}}}},
    {U'ⲥ', {{{"s", "س"}}}},
    {U'ⲧ', {{{"t", "ت"}}}},
    {U'ⲩ', {{{"v", "ف"}, {"f", "ف"}, {"w", "و"}, {"i", "ي"}, {"y", "ي"}, {"e", "ي"}}}}, // not in ⲟⲩ
    {U'ⲫ', {{{"f", "ف"}, {"ph", "ف"}}}},
    {U'ⲭ', {{{"k", "ك"}, {"kh", "خ"}, {"sh", "ش"}, {"ch", "ك"}}}},
    {U'ⲯ', {{{"ps", "بس"}}}},
    {U'ϣ', {{{"sh", "ش"}}}},
    {U'ϥ', {{{"f", "ف"}}}},
    {U'ϧ', {{{"kh", "خ"}}}},
    {U'ϩ', {{{"h", "ه"}}}},
    {U'ϫ', {{{"g", "ج"}, {"j", "ج"}}}},
}};
// ϭ and ϯ are a consonant with its sound each: تش، تي.
constexpr Consonant cima{U'ϭ', {{{"ch", "تش"}, {"tsh", "تش"}}}};
constexpr Consonant ti{U'ϯ', {{{"ti", "تي"}}}};

const Consonant* consonant(char32_t letter) {
    if (letter == cima.letter) return &cima;
    if (letter == ti.letter) return &ti;
    for (const Consonant& c : consonants)
        if (c.letter == letter) return &c;
    return nullptr;
}

// A capital as its small letter: in both Coptic blocks a small letter follows its capital.
char32_t small(char32_t c) {
    const bool coptic = (c >= 0x2C80 && c <= 0x2CB1) || (c >= 0x03E2 && c <= 0x03EF);
    return coptic && c % 2 == 0 ? c + 1 : c;
}

struct Unit {
    char32_t letter;
    bool jinkim = false; // U+0300 over it: a short e before it, heard
};

std::vector<Unit> unitsOf(std::string_view word) {
    std::vector<Unit> units;
    for (std::size_t at = 0; at < word.size();) {
        const auto d = utf8::decodeAt(word, at);
        if (!d) break;
        at += d->length;
        if (d->code == 0x0300) {
            if (!units.empty()) units.back().jinkim = true;
        } else if (!utf8::isCombiningMark(d->code)) {
            const char32_t letter = small(d->code);
            if (letter == U'ⲩ' && !units.empty() && units.back().letter == U'ⲟ')
                units.back().letter = ou;
            else
                units.push_back({letter});
        }
    }
    return units;
}

bool ends(const std::string& text, std::string_view tail) {
    return text.size() >= tail.size() && text.compare(text.size() - tail.size(), tail.size(), tail) == 0;
}

// One Coptic word, read as `latin` (its word of the pronunciation line) reads it.
void appendWord(std::string& out, std::string_view word, std::string_view latinWord) {
    std::string latin(latinWord);
    std::transform(latin.begin(), latin.end(), latin.begin(), [](char c) { return c >= 'A' && c <= 'Z' ? c + 32 : c; });
    std::size_t heard = 0; // how far the Latin word has been matched
    std::string arabic;
    bool afterVowel = false;
    const auto vowel = [&](std::string_view first, std::string_view afterOne, std::string_view inside) {
        arabic += arabic.empty() || ends(arabic, " ") ? first : afterVowel ? afterOne : inside;
        afterVowel = true;
    };
    for (const Unit& u : unitsOf(word)) {
        switch (u.letter) {
        case U'ⲁ': vowel("أ", "أ", "ا"); continue;
        case U'ⲉ':
        case U'ⲏ': vowel("إ", "إ", "ي"); continue;
        case U'ⲟ':
        case U'ⲱ': vowel("أو", ends(arabic, "ا") ? "ؤ" : "أو", "و"); continue;
        case ou: vowel("أو", "و", "و"); continue;
        case U'ⲓ':
            if (afterVowel && !arabic.empty()) { // a glide after a vowel: a consonant
                arabic += "ي";
                afterVowel = false;
            } else {
                vowel("إي", "ي", "ي");
            }
            continue;
        default: break;
        }
        const Consonant* c = consonant(u.letter);
        if (c == nullptr) continue; // no letter of the table: nothing heard
        // A jinkim is a short e before its letter: at the start of a word إ; after a
        // vowel it begins a word of its own, as Arabic writes a vowel after a vowel
        // only there; after a consonant it is the short i ي.
        if (u.jinkim) arabic += arabic.empty() ? "إ" : afterVowel ? " إ" : "ي";
        const Sound* chosen = &c->sounds[0];
        std::size_t best = std::string::npos, length = 0;
        for (const Sound& s : c->sounds) {
            if (s.latin.empty()) break;
            const std::size_t at = latin.find(s.latin, heard);
            if (at != std::string::npos && (at < best || (at == best && s.latin.size() > length))) {
                best = at;
                length = s.latin.size();
                chosen = &s;
            }
        }
        if (best != std::string::npos) heard = best + length;
        if (u.letter == U'ⲝ' && arabic.empty()) arabic += "إ";
        arabic += chosen->arabic;
        afterVowel = u.letter == ti.letter;
    }
    out += arabic;
}

} // namespace

void appendArabicLetters(std::string& out, std::string_view coptic, std::string_view latin) {
    std::size_t from = 0, latinFrom = 0;
    while (from < coptic.size()) {
        const std::size_t end = std::min(coptic.find(' ', from), coptic.size());
        const std::size_t latinEnd = std::min(latin.find(' ', latinFrom), latin.size());
        if (from != 0) out += ' ';
        appendWord(out, coptic.substr(from, end - from),
                   latinFrom < latin.size() ? latin.substr(latinFrom, latinEnd - latinFrom) : std::string_view());
        from = end + 1;
        latinFrom = latinEnd + 1;
    }
}

void appendArabicPronunciation(std::string& out, std::uint32_t number, Form form) {
    if (number < 1 || number > largestNumber) return;
    std::string coptic, latin;
    appendCopticWords(coptic, number, form, Writing::unicode);
    appendCopticWords(latin, number, form, Writing::pronunciation);
    appendArabicLetters(out, coptic, latin);
}

} // namespace zefnaro
