#include "engine/read/find_words.h"

#include <array>
#include <string>
#include <unordered_set>
#include <vector>

namespace zefnaro::finding {

namespace {

struct Spelling {
    std::u32string_view letters;
    NumberWord word;
};

// Bohairic cardinals as the printed Bibles and service books spell them (the
// grammars of Mallon and Lambdin): masculine, then feminine; the tens and hundreds.
constexpr NumberWord m(std::uint32_t v) { return {v, false, false, false}; }
constexpr NumberWord f(std::uint32_t v) { return {v, true, false, false}; }
constexpr NumberWord am(std::uint32_t v) { return {v, false, true, false}; }
constexpr NumberWord af(std::uint32_t v) { return {v, true, true, false}; }
constexpr NumberWord times(std::uint32_t v) { return {v, false, true, true}; }

constexpr std::array<Spelling, 22> units{{
    {U"ⲟⲩⲁⲓ", am(1)},   {U"ⲟⲩⲓ", af(1)},    {U"ⲥⲛⲁⲩ", m(2)},   {U"ⲥⲛⲟⲩϯ", f(2)},
    {U"ϣⲟⲙⲧ", m(3)},   {U"ϣⲟⲙϯ", f(3)},    {U"ϥⲧⲟⲟⲩ", m(4)},  {U"ϥⲧⲟ", af(4)},
    {U"ϥⲧⲟⲉ", f(4)},   {U"ⲧⲓⲟⲩ", m(5)},    {U"ⲧⲓⲟⲩⲓ", f(5)},  {U"ϯⲟⲩ", am(5)},
    {U"ϯⲟⲩⲓ", af(5)},  {U"ⲥⲟⲟⲩ", m(6)},    {U"ⲥⲟ", af(6)},    {U"ϣⲁϣϥ", m(7)},
    {U"ϣⲁϣϥⲓ", f(7)},  {U"ϣⲙⲏⲛ", m(8)},    {U"ϣⲙⲏⲛⲓ", f(8)},  {U"ⲯⲓⲧ", m(9)},
    {U"ⲯⲓϯ", f(9)},    {U"ⲙⲏϯ", af(10)},
}};

constexpr std::array<Spelling, 18> tensAndMore{{
    {U"ⲙⲏⲧ", m(10)},      {U"ϫⲱⲧ", am(20)},     {U"ϫⲟⲩⲱⲧ", m(20)},  {U"ϫⲟⲩⲱϯ", f(20)},
    {U"ⲙⲁⲃ", am(30)},     {U"ⲙⲁⲃⲉ", af(30)},    {U"ϩⲙⲉ", am(40)},   {U"ⲧⲉⲃⲓ", am(50)},
    {U"ⲥⲉ", am(60)},      {U"ϣⲃⲉ", am(70)},     {U"ϩⲙⲉⲛⲉ", m(80)},  {U"ϩⲁⲙⲉⲛⲉ", m(80)},
    {U"ⲡⲓⲥⲧⲁⲩ", m(90)},   {U"ⲡⲉⲥⲧⲁⲩ", m(90)},   {U"ϣⲏⲧ", m(200)},   {U"ϣⲉ", times(100)},
    {U"ϣⲟ", times(1000)}, {U"ⲑⲃⲁ", times(10000)},
}};

// The stems the tens take before a unit: ⲙⲏⲧⲥ̀ⲛⲁⲩ 12, ϫⲟⲩⲧⲁϥⲧⲉ, ⲙⲁⲃϣⲟⲙⲧ 33 …
constexpr std::array<Spelling, 11> tenStems{{
    {U"ⲙⲏⲧ", m(10)},   {U"ϫⲟⲩⲧ", m(20)},  {U"ⲙⲁⲃ", m(30)},   {U"ϩⲙⲉ", m(40)},
    {U"ⲧⲉⲃⲓ", m(50)},  {U"ⲥⲉ", m(60)},    {U"ϣⲃⲉ", m(70)},   {U"ϩⲙⲉⲛⲉ", m(80)},
    {U"ϩⲁⲙⲉⲛⲉ", m(80)}, {U"ⲡⲓⲥⲧⲁⲩ", m(90)}, {U"ⲡⲉⲥⲧⲁⲩ", m(90)},
}};

struct Node {
    std::vector<std::pair<char32_t, int>> next;
    int word = -1;
};

struct Endings {
    std::vector<Node> nodes{1};
    std::vector<NumberWord> words;

    void add(std::u32string_view letters, NumberWord w) {
        int at = 0;
        for (std::size_t i = letters.size(); i-- > 0;) {
            int to = -1;
            for (const auto& [c, n] : nodes[static_cast<std::size_t>(at)].next)
                if (c == letters[i]) to = n;
            if (to < 0) {
                to = static_cast<int>(nodes.size());
                nodes[static_cast<std::size_t>(at)].next.emplace_back(letters[i], to);
                nodes.emplace_back();
            }
            at = to;
        }
        Node& end = nodes[static_cast<std::size_t>(at)];
        if (end.word >= 0) return; // the first spelling listed wins
        end.word = static_cast<int>(words.size());
        words.push_back(w);
    }
};

const Endings& endings() {
    static const Endings e = [] {
        Endings t;
        for (const Spelling& s : units) t.add(s.letters, s.word);
        for (const Spelling& s : tensAndMore) t.add(s.letters, s.word);
        // A ten joined to its unit is one word and can only be a number.
        for (const Spelling& ten : tenStems)
            for (const Spelling& unit : units) {
                std::u32string joined(ten.letters);
                joined += unit.letters;
                t.add(joined, NumberWord{ten.word.value + unit.word.value, unit.word.feminine, false, false});
            }
        return t;
    }();
    return e;
}

using Letters = std::u32string_view;

constexpr std::array<Letters, 8> particles{U"ⲛ", U"ⲙ", U"ⲉ", U"ϩⲓ", U"ϣⲁ", U"ϩⲁ", U"ⲛⲉⲙ", U"ϧⲉⲛ"};

struct Article {
    Letters letters;
    bool feminine, indefinite;
};
constexpr std::array<Article, 38> articles{{
    {U"ⲡ", false, false},    {U"ⲫ", false, false},    {U"ⲡⲓ", false, false},   {U"ⲡⲁⲓ", false, false},
    {U"ⲡⲉⲓ", false, false},  {U"ⲡⲉϥ", false, false},  {U"ⲡⲉⲥ", false, false},  {U"ⲡⲉⲕ", false, false},
    {U"ⲡⲉ", false, false},   {U"ⲡⲁ", false, false},   {U"ⲡⲟⲩ", false, false},  {U"ⲡⲉⲛ", false, false},
    {U"ⲡⲉⲧⲉⲛ", false, false}, {U"ⲧ", true, false},    {U"ⲑ", true, false},     {U"ϯ", true, false},
    {U"ⲧⲁⲓ", true, false},   {U"ⲧⲉⲓ", true, false},   {U"ⲧⲉϥ", true, false},   {U"ⲧⲉⲥ", true, false},
    {U"ⲧⲉⲕ", true, false},   {U"ⲧⲉ", true, false},    {U"ⲧⲁ", true, false},    {U"ⲧⲟⲩ", true, false},
    {U"ⲧⲉⲛ", true, false},   {U"ⲧⲉⲧⲉⲛ", true, false}, {U"ⲛⲓ", false, false},   {U"ⲛⲁⲓ", false, false},
    {U"ⲛⲉϥ", false, false},  {U"ⲛⲉⲥ", false, false},  {U"ⲛⲉⲕ", false, false},  {U"ⲛⲉ", false, false},
    {U"ⲛⲁ", false, false},   {U"ⲛⲟⲩ", false, false},  {U"ⲛⲉⲛ", false, false},  {U"ⲛⲉⲧⲉⲛ", false, false},
    {U"ⲟⲩ", false, true},    {U"ϩⲁⲛ", false, true},
}};

bool startsAt(Letters s, std::size_t at, Letters piece) {
    return s.size() - at >= piece.size() && s.substr(at, piece.size()) == piece;
}

// After the particles: an article, then ⲕⲉ, both perhaps, to the end.
bool articleToEnd(Letters s, std::size_t at, Lead& lead) {
    const auto keToEnd = [&](std::size_t from) {
        return from == s.size() || (s.size() - from == 2 && s.substr(from) == U"ⲕⲉ");
    };
    // The longest article first: ⲡⲉϥ before ⲡⲉ and ⲡ.
    const Article* best = nullptr;
    for (const Article& a : articles)
        if (startsAt(s, at, a.letters) && keToEnd(at + a.letters.size()) &&
            (!best || a.letters.size() > best->letters.size()))
            best = &a;
    if (best) {
        lead.article = true;
        lead.feminine = best->feminine;
        lead.indefinite = best->indefinite;
        return true;
    }
    return keToEnd(at);
}

bool particlesThenArticle(Letters s, std::size_t at, Lead& lead, int depth) {
    if (articleToEnd(s, at, lead)) return true;
    if (depth > 4) return false;
    for (Letters p : particles)
        if (startsAt(s, at, p) && particlesThenArticle(s, at + p.size(), lead, depth + 1)) return true;
    return false;
}

// The nomina sacra of the Greek and Coptic manuscripts as Traube listed them
// (Nomina Sacra, 1907) with their case endings, and the Bohairic ones the printed
// books keep: ϭ̅ⲥ̅ (ⲡϭⲟⲓⲥ, the Lord) and ⲫ̅ϯ (ⲫⲛⲟⲩϯ, God).
const std::unordered_set<std::u32string>& holyNames() {
    static const std::unordered_set<std::u32string> names{
        U"ⲑⲥ",   U"ⲑⲩ",   U"ⲑⲱ",   U"ⲑⲛ",   U"ⲕⲥ",    U"ⲕⲩ",    U"ⲕⲱ",   U"ⲓⲥ",   U"ⲓⲏⲥ",  U"ⲓⲩ",
        U"ⲓⲏⲩ",  U"ⲭⲥ",   U"ⲭⲣⲥ",  U"ⲭⲩ",    U"ⲭⲣⲩ",   U"ⲭⲣ",   U"ⲡⲛⲁ",  U"ⲡⲛⲥ",  U"ⲡⲛⲓ",
        U"ⲡⲛⲁⲧⲓⲕⲟⲥ", U"ⲓⲥⲗ", U"ⲓⲏⲗ", U"ⲓⲗⲏⲙ", U"ⲓⲗⲙ", U"ⲇⲁⲇ",  U"ⲥⲣⲟⲥ", U"ⲥⲧⲣⲟⲥ", U"ⲥⲧⲥ", U"ⲁⲛⲟⲥ",
        U"ⲟⲩⲛⲟⲥ", U"ⲟⲩⲛⲟⲩ", U"ⲙⲏⲣ", U"ⲡⲏⲣ", U"ⲡⲣ",  U"ⲩⲥ",   U"ⲥⲱⲣ",  U"ⲥⲣ",   U"ϭⲥ",   U"ϭⲓⲥ",
        U"ⲫϯ",   U"ⲙⲣⲓⲁ", U"ⲙⲁⲣⲓⲁ"};
    return names;
}

constexpr std::array<Letters, 34> afterNumber{
    U"ⲛⲧⲉ",  U"ⲛϫⲉ",  U"ⲛⲁϥ",  U"ⲛⲁⲥ",   U"ⲛⲱⲟⲩ", U"ⲛⲁⲛ",  U"ⲛⲏⲓ",   U"ⲛⲁⲕ",   U"ⲛⲉ",
    U"ⲛⲉⲙ",  U"ⲛⲱⲧⲉⲛ", U"ⲛⲑⲟϥ", U"ⲛⲑⲟⲥ", U"ⲛⲑⲱⲟⲩ", U"ⲛⲑⲟⲕ", U"ⲛⲑⲱⲧⲉⲛ", U"ⲙⲙⲟϥ",  U"ⲙⲙⲟⲥ",
    U"ⲙⲙⲱⲟⲩ", U"ⲙⲙⲟⲓ", U"ⲙⲙⲟⲕ", U"ⲙⲙⲁⲩ", U"ⲛϧⲏⲧϥ", U"ⲛϧⲏⲧⲟⲩ", U"ⲛϧⲣⲏⲓ", U"ⲛϩⲣⲏⲓ", U"ⲛⲧⲁϥ",
    U"ⲛⲧⲁⲥ", U"ⲛⲥⲁ",  U"ⲛⲥⲱϥ", U"ⲙⲡⲁⲓⲣⲏϯ", U"ⲙⲡⲉ", U"ⲙⲡⲉⲣ", U"ⲛⲧⲟⲧϥ"};

} // namespace

bool stepBack(int& node, char32_t letter, const NumberWord*& word) {
    const Endings& e = endings();
    for (const auto& [c, n] : e.nodes[static_cast<std::size_t>(node)].next)
        if (c == letter) {
            node = n;
            const int w = e.nodes[static_cast<std::size_t>(n)].word;
            word = w >= 0 ? &e.words[static_cast<std::size_t>(w)] : nullptr;
            return true;
        }
    return false;
}

Lead leadOf(std::u32string_view letters) {
    Lead lead;
    if (letters.size() > 16) return lead;
    lead.linkerOnly = letters == U"ⲛ" || letters == U"ⲙ";
    lead.ok = particlesThenArticle(letters, 0, lead, 0);
    if (!lead.ok) lead = Lead{};
    return lead;
}

bool isHolyName(std::u32string_view letters) {
    return letters.size() <= 10 && holyNames().count(std::u32string(letters)) > 0;
}

bool isParticleAfterNumber(std::u32string_view letters) {
    for (Letters w : afterNumber)
        if (letters == w) return true;
    return false;
}

} // namespace zefnaro::finding
