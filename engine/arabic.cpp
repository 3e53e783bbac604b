// Arabic number words as Egypt writes them in Modern Standard Arabic, nominative:
// units polar to the counted noun's gender from three to ten, the unit before the
// ten, hundreds in one word, the counts of ألف and مليون masculine.
#include "engine/arabic.h"

#include "engine/numbers.h"
#include "zefnaro/arabic.h"

#include <array>
#include <tuple>
#include <vector>
#include <string_view>

namespace zefnaro {

namespace {

using Words = std::array<std::string_view, 11>;

enum class Case { nominative, genitive }; // genitive: after بعد, in an ordinal above 99

struct Gendered {
    Words masculine, feminine;
    const Words& of(bool feminineNoun) const { return feminineNoun ? feminine : masculine; }
};

// Alone: 1..10.
constexpr Gendered units{
    {"", "واحد", "اثنان", "ثلاثة", "أربعة", "خمسة", "ستة", "سبعة", "ثمانية", "تسعة", "عشرة"},
    {"", "واحدة", "اثنتان", "ثلاث", "أربع", "خمس", "ست", "سبع", "ثمانٍ", "تسع", "عشر"}};
constexpr Gendered unitsGenitive{
    {"", "واحد", "اثنين", "ثلاثة", "أربعة", "خمسة", "ستة", "سبعة", "ثمانية", "تسعة", "عشرة"},
    {"", "واحدة", "اثنتين", "ثلاث", "أربع", "خمس", "ست", "سبع", "ثمانٍ", "تسع", "عشر"}};
// Before عشر / عشرة: 11..19.
constexpr Gendered teenUnits{
    {"", "أحد", "اثنا", "ثلاثة", "أربعة", "خمسة", "ستة", "سبعة", "ثمانية", "تسعة", ""},
    {"", "إحدى", "اثنتا", "ثلاث", "أربع", "خمس", "ست", "سبع", "ثماني", "تسع", ""}};
constexpr Gendered teenUnitsGenitive{
    {"", "أحد", "اثني", "ثلاثة", "أربعة", "خمسة", "ستة", "سبعة", "ثمانية", "تسعة", ""},
    {"", "إحدى", "اثنتي", "ثلاث", "أربع", "خمس", "ست", "سبع", "ثماني", "تسع", ""}};
// Before a ten: 21..99.
constexpr Gendered tenUnits{
    {"", "واحد", "اثنان", "ثلاثة", "أربعة", "خمسة", "ستة", "سبعة", "ثمانية", "تسعة", ""},
    {"", "إحدى", "اثنتان", "ثلاث", "أربع", "خمس", "ست", "سبع", "ثمانٍ", "تسع", ""}};
constexpr Gendered tenUnitsGenitive{
    {"", "واحد", "اثنين", "ثلاثة", "أربعة", "خمسة", "ستة", "سبعة", "ثمانية", "تسعة", ""},
    {"", "إحدى", "اثنتين", "ثلاث", "أربع", "خمس", "ست", "سبع", "ثمانٍ", "تسع", ""}};
constexpr Words tens{"", "", "عشرون", "ثلاثون", "أربعون", "خمسون", "ستون", "سبعون", "ثمانون", "تسعون", ""};
constexpr Words tensGenitive{"", "", "عشرين", "ثلاثين", "أربعين", "خمسين", "ستين", "سبعين", "ثمانين", "تسعين", ""};
constexpr Words hundreds{"", "مائة", "مائتان", "ثلاثمائة", "أربعمائة", "خمسمائة", "ستمائة", "سبعمائة",
                         "ثمانمائة", "تسعمائة", ""};

constexpr Gendered ordinals{
    {"", "الأول", "الثاني", "الثالث", "الرابع", "الخامس", "السادس", "السابع", "الثامن", "التاسع", "العاشر"},
    {"", "الأولى", "الثانية", "الثالثة", "الرابعة", "الخامسة", "السادسة", "السابعة", "الثامنة", "التاسعة",
     "العاشرة"}};

// A counted noun: ألف or مليون.
struct Scale {
    std::string_view one, two, twoGenitive, plural, accusative;
};
constexpr Scale thousand{"ألف", "ألفان", "ألفين", "آلاف", "ألفًا"};
constexpr Scale million{"مليون", "مليونان", "مليونين", "ملايين", "مليونًا"};

constexpr std::string_view conjunction = " و";

// Two hundred before its counted noun is مائتا, and after بعد, genitive, مائتي.
std::string_view hundredsWord(std::uint32_t h, bool construct, Case c) {
    if (h == 2 && construct) return c == Case::genitive ? "مائتي" : "مائتا";
    if (h == 2 && c == Case::genitive) return "مائتين";
    return hundreds[h];
}

// 1..99.
void appendBelowHundred(std::string& out, std::uint32_t n, bool feminine, Case c) {
    const bool gen = c == Case::genitive;
    if (n <= 10) {
        out += (gen ? unitsGenitive : units).of(feminine)[n];
    } else if (n < 20) {
        out += (gen ? teenUnitsGenitive : teenUnits).of(feminine)[n - 10];
        out += feminine ? " عشرة" : " عشر";
    } else {
        if (n % 10 != 0) {
            out += (gen ? tenUnitsGenitive : tenUnits).of(feminine)[n % 10];
            out += conjunction;
        }
        out += (gen ? tensGenitive : tens)[n / 10];
    }
}

// 1..999; `construct` where a counted noun follows a whole hundred (مائتا ألف).
void appendGroup(std::string& out, std::uint32_t n, bool feminine, Case c, bool construct = false) {
    const std::uint32_t h = n / 100, rest = n % 100;
    if (h != 0) out += hundredsWord(h, construct && rest == 0, c);
    if (h != 0 && rest != 0) out += conjunction;
    if (rest != 0) appendBelowHundred(out, rest, feminine, c);
}

// A count of thousands or millions (1..999) with its counted noun, which follows the
// last part of the count: a plural after 3..10, an accusative singular after 11..99.
// One and two thousand over a hundreds count stand as a group of their own (مائة
// ألف وألف), since مائة وألف would read as 1,100.
void appendCounted(std::string& out, std::uint32_t count, const Scale& s, Case c) {
    const std::uint32_t h = count / 100, rest = count % 100;
    if (count == 1) {
        out += s.one;
        return;
    }
    if (count == 2) {
        out += c == Case::genitive ? s.twoGenitive : s.two;
        return;
    }
    if (h != 0 && rest <= 2) {
        out += hundredsWord(h, true, c);
        out += ' ';
        out += s.one;
        if (rest != 0) {
            out += conjunction;
            out += rest == 1 ? s.one : (c == Case::genitive ? s.twoGenitive : s.two);
        }
        return;
    }
    appendGroup(out, count, false, c);
    out += ' ';
    out += rest >= 3 && rest <= 10 ? s.plural : s.accusative;
}

// Every group and every count of thousands or millions, written once: a report
// then joins at most three of them.
struct Phrases {
    std::vector<std::string> groups;  // [case][feminine][n]
    std::vector<std::string> counted; // [case][million][count]
    Phrases() : groups(4000), counted(4000) {
        for (std::size_t c = 0; c < 2; ++c)
            for (std::size_t k = 1; k < 1000; ++k) {
                const auto n = static_cast<std::uint32_t>(k);
                const Case grammaticalCase = c == 0 ? Case::nominative : Case::genitive;
                appendGroup(groups[c * 2000 + k], n, false, grammaticalCase);
                appendGroup(groups[c * 2000 + 1000 + k], n, true, grammaticalCase);
                appendCounted(counted[c * 2000 + k], n, thousand, grammaticalCase);
                appendCounted(counted[c * 2000 + 1000 + k], n, million, grammaticalCase);
            }
    }
};

const Phrases& phrases() {
    static const Phrases p;
    return p;
}

void appendCardinal(std::string& out, std::uint32_t n, bool feminine, Case c) {
    const Phrases& p = phrases();
    const std::size_t at = c == Case::genitive ? 2000 : 0;
    const std::uint32_t millions = n / 1'000'000, thousands = n / 1000 % 1000, rest = n % 1000;
    bool any = false;
    for (const auto& [count, table, offset] :
         {std::tuple{millions, &p.counted, at + 1000}, std::tuple{thousands, &p.counted, at},
          std::tuple{rest, &p.groups, at + (feminine ? 1000 : 0)}}) {
        if (count == 0) continue;
        if (any) out += conjunction;
        any = true;
        out += (*table)[offset + count];
    }
}

// The article on the first word of each part joined by و: الألف والمائة.
std::string definite(const std::string& words) {
    std::string out = "ال";
    std::size_t from = 0;
    for (std::size_t at; (at = words.find(conjunction, from)) != std::string::npos; from = at + conjunction.size()) {
        out.append(words, from, at + conjunction.size() - from);
        out += "ال";
    }
    out.append(words, from);
    return out;
}

// 1..99; in an ordinal above 99 one is الحادي, as in the compounds.
void appendOrdinalBelowHundred(std::string& out, std::uint32_t n, bool feminine, bool compound) {
    const std::uint32_t unit = n % 10;
    const auto unitWord = [&](std::uint32_t u) -> std::string_view {
        if (u == 1) return feminine ? "الحادية" : "الحادي";
        return ordinals.of(feminine)[u];
    };
    if (n <= 10) {
        out += n == 1 && compound ? unitWord(1) : ordinals.of(feminine)[n];
    } else if (n < 20) {
        out += unitWord(unit);
        out += feminine ? " عشرة" : " عشر";
    } else {
        if (unit != 0) {
            out += unitWord(unit);
            out += conjunction;
        }
        out += "ال";
        out += tens[n / 10];
    }
}

} // namespace

void appendArabicWords(std::string& out, std::uint32_t number, Form form) {
    if (number < 1 || number > largestNumber) return;
    const bool feminine = form.feminine();
    if (!form.ordinal()) {
        appendCardinal(out, number, feminine, Case::nominative);
        return;
    }
    const std::uint32_t last = number % 100;
    if (number < 100) {
        appendOrdinalBelowHundred(out, number, feminine, false);
        return;
    }
    std::string rest;
    if (last == 0) { // a round number: its definite cardinal, المائة، الألف
        appendCardinal(rest, number, false, Case::nominative);
        out += definite(rest);
        return;
    }
    appendOrdinalBelowHundred(out, last, feminine, true);
    out += " بعد ";
    appendCardinal(rest, number - last, false, Case::genitive);
    out += definite(rest);
}

namespace {

void appendArabicIndic(std::string& out, std::string_view digits) {
    out.reserve(out.size() + 2 * digits.size());
    for (const char c : digits) {
        if (c == ',') {
            out.append("\u066C", 2); // the Arabic thousands separator, two bytes
        } else if (c >= '0' && c <= '9') {
            out.push_back('\xD9');
            out.push_back(static_cast<char>(0xA0 + (c - '0'))); // U+0660..U+0669
        } else {
            out.push_back(c);
        }
    }
}

} // namespace

std::string arabicIndic(std::string_view digits) {
    std::string out;
    out.reserve(digits.size() * 2);
    appendArabicIndic(out, digits);
    return out;
}

void appendArabicDigits(std::string& out, std::uint32_t number) {
    if (number < 1 || number > largestNumber) return;
    appendArabicIndic(out, groupDigits(number));
}

ArabicPieces writeArabic(std::uint32_t number, Form form) {
    ArabicPieces p;
    appendArabicWords(p.words, number, form);
    appendArabicDigits(p.digits, number);
    if (number >= 1 && number <= largestNumber) appendArabicPronunciation(p.pronunciation, number, form);
    return p;
}

} // namespace zefnaro
