// The pronunciation in Arabic letters, as Egyptian service books print Coptic for
// readers who do not read the Coptic letters: each word of the pronunciation line,
// sound for sound. One entry a word, reviewed one by one; a word begins with إ
// where Arabic needs a vowel before its first consonants (إسناف، إبسيت).
#include "engine/arabic.h"

#include "engine/coptic.h"

#include <algorithm>
#include <array>
#include <string_view>
#include <utility>

namespace zefnaro {

namespace {

using Entry = std::pair<std::string_view, std::string_view>;

// Sorted by the pronunciation, for a binary search.
constexpr std::array<Entry, 57> words{{
    {"eftoai", "إفتواي"},         // ϥ̀ⲧⲟⲉ
    {"eftow", "إفتو"},            // ϥ̀ⲧⲟⲟⲩ
    {"ehmay", "إهمي"},            // ϩ̀ⲙⲉ
    {"enshay", "إنشي"},           // ⲛ̀ϣⲉ
    {"ensho", "إنشو"},            // ⲛ̀ϣⲟ
    {"enshoensho", "إنشوإنشو"},   // ⲛ̀ϣⲟⲛ̀ϣⲟ
    {"eshmeen", "إشمين"},         // ϣ̀ⲙⲏⲛ
    {"eshmeeni", "إشميني"},       // ϣ̀ⲙⲏⲛⲓ
    {"eshvay", "إشفي"},           // ϣ̀ⲃⲉ
    {"esnav", "إسناف"},           // ⲥ̀ⲛⲁⲩ
    {"esnwti", "إسنوتي"},         // ⲥ̀ⲛⲟⲩϯ
    {"goot", "جوت"},              // ϫⲱⲧ
    {"gooti", "جوتي"},            // ϫⲱϯ
    {"hwyt", "هويت"},             // ϩⲟⲩⲓⲧ
    {"hwyti", "هويتي"},           // ϩⲟⲩⲓϯ
    {"khamnay", "خامني"},         // ϧⲁⲙⲛⲉ
    {"mah", "ماه"},               // ⲙⲁϩ
    {"map", "ماب"},               // ⲙⲁⲡ
    {"meet", "ميت"},              // ⲙⲏⲧ
    {"meeti", "ميتي"},            // ⲙⲏϯ
    {"meteftoai", "ميتيفتواي"},   // ⲙⲉⲧϥ̀ⲧⲟⲉ
    {"meteftow", "ميتيفتو"},      // ⲙⲉⲧϥ̀ⲧⲟⲟⲩ
    {"meteshmeen", "ميتيشمين"},   // ⲙⲉⲧϣ̀ⲙⲏⲛ
    {"meteshmeeni", "ميتيشميني"}, // ⲙⲉⲧϣ̀ⲙⲏⲛⲓ
    {"metesnav", "ميتيسناف"},     // ⲙⲉⲧⲥ̀ⲛⲁⲩ
    {"metesnwti", "ميتيسنوتي"},   // ⲙⲉⲧⲥ̀ⲛⲟⲩϯ
    {"metpseet", "ميتبسيت"},      // ⲙⲉⲧⲯⲓⲧ
    {"metpseeti", "ميتبسيتي"},    // ⲙⲉⲧⲯⲓϯ
    {"metshashf", "ميتشاشف"},     // ⲙⲉⲧϣⲁϣϥ
    {"metshashfi", "ميتشاشفي"},   // ⲙⲉⲧϣⲁϣϥⲓ
    {"metshomt", "ميتشومت"},      // ⲙⲉⲧϣⲟⲙⲧ
    {"metshomti", "ميتشومتي"},    // ⲙⲉⲧϣⲟⲙϯ
    {"metso", "ميتسو"},           // ⲙⲉⲧⲥⲟ
    {"metsow", "ميتسو"},          // ⲙⲉⲧⲥⲟⲟⲩ
    {"mettiay", "ميتتيي"},        // ⲙⲉⲧⲧⲓⲉ
    {"mettiw", "ميتتيو"},         // ⲙⲉⲧⲧⲓⲟⲩ
    {"metway", "ميتواي"},         // ⲙⲉⲧⲟⲩⲁⲓ
    {"metwee", "ميتوي"},          // ⲙⲉⲧⲟⲩⲓ̀
    {"nem", "نيم"},               // ⲛⲉⲙ
    {"pestaiwy", "بيستايوي"},     // ⲡⲓⲥⲧⲉⲟⲩⲓ
    {"pseet", "إبسيت"},           // ⲯⲓⲧ
    {"pseeti", "إبسيتي"},         // ⲯⲓϯ
    {"say", "سي"},                // ⲥⲉ
    {"shashf", "شاشف"},           // ϣⲁϣϥ
    {"shashfi", "شاشفي"},         // ϣⲁϣϥⲓ
    {"shay", "شي"},               // ϣⲉ
    {"sho", "شو"},                // ϣⲟ
    {"shoensho", "شوإنشو"},       // ϣⲟⲛ̀ϣⲟ
    {"shomt", "شومت"},            // ϣⲟⲙⲧ
    {"shomti", "شومتي"},          // ϣⲟⲙϯ
    {"so", "سو"},                 // ⲥⲟ
    {"sow", "سو"},                // ⲥⲟⲟⲩ
    {"taiwy", "تايوي"},           // ⲧⲉⲟⲩⲓ
    {"tiay", "تيي"},              // ⲧⲓⲉ
    {"tiw", "تيو"},               // ⲧⲓⲟⲩ
    {"way", "واي"},               // ⲟⲩⲁⲓ
    {"wee", "وي"},                // ⲟⲩⲓ̀
}};

static_assert(std::is_sorted(words.begin(), words.end(),
                             [](const Entry& a, const Entry& b) { return a.first < b.first; }));

// One word of the pronunciation line in Arabic letters; "" for a word it has not.
std::string_view arabicLettersOf(std::string_view pronounced) {
    const auto at = std::lower_bound(words.begin(), words.end(), pronounced,
                                     [](const Entry& e, std::string_view w) { return e.first < w; });
    return at != words.end() && at->first == pronounced ? at->second : std::string_view();
}

} // namespace

void appendArabicPronunciation(std::string& out, std::uint32_t number, Form form) {
    std::string latin;
    appendCopticWords(latin, number, form, Writing::pronunciation);
    std::size_t from = 0;
    while (from < latin.size()) {
        const std::size_t end = std::min(latin.find(' ', from), latin.size());
        if (from != 0) out += ' ';
        out += arabicLettersOf(std::string_view(latin).substr(from, end - from));
        from = end + 1;
    }
}

std::string_view arabicMonthPronunciation(int month) {
    static constexpr std::array<std::string_view, 13> names = {
        "ثووت", "باؤبي", "أثور", "خوياك", "توفي", "ميشير", "باريمهات", "فارموثي", "باشونس", "باؤني", "إبيب",
        "ميسوري", "بيكوجي إنافوت"};
    return month >= 1 && month <= 13 ? names[static_cast<std::size_t>(month - 1)] : std::string_view();
}

} // namespace zefnaro
