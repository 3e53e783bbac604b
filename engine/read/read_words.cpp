// Reading Coptic words: font text, pronunciation and Unicode.
#include "engine/numbers.h"
#include "engine/coptic.h"
#include "engine/numeral_letters.h"
#include "engine/read/read_support.h"

#include <algorithm>
#include <array>

namespace zefnaro::reading {

namespace {

// The groups the builders write in one script, read back: a group of 1..999 as
// it stands alone or before the thousand or million word, in either gender.
struct Script {
    struct Group {
        std::uint32_t value;
        unsigned genders; // 1 masculine, 2 feminine
    };
    Map<std::vector<Group>> groups;
    Map<bool> vocabulary;
    std::string thousand, particleThousand, million, particleMillion, ordinalPrefix;
    std::array<std::string, 2> first; // the ordinal of one: masculine, feminine
};

std::string lastWord(const std::string& s) {
    return s.substr(s.rfind(' ') + 1);
}

Script buildScript(WrittenForm form, Writing writing) {
    const auto write = [&](std::uint32_t n, Form f) {
        if (writing == Writing::unicode) return normalised(toCopticWords(n, f, Writing::unicode));
        return normalised(toCopticWords(
            n, f, form == WrittenForm::pronunciation ? Writing::pronunciation : Writing::fontText));
    };
    Script s;
    for (std::uint32_t n = 1; n <= 999; ++n)
        for (unsigned gender = 1; gender <= 2; ++gender) {
            const std::string text = write(n, formOf(false, gender == 1));
            auto& list = s.groups[text];
            auto same = std::find_if(list.begin(), list.end(),
                                     [&](const Script::Group& g) { return g.value == n; });
            if (same == list.end())
                list.push_back({n, gender});
            else
                same->genders |= gender;
            std::size_t start = 0;
            for (std::size_t end = 0; end <= text.size(); ++end)
                if (end == text.size() || text[end] == ' ') {
                    s.vocabulary[text.substr(start, end - start)] = true;
                    start = end + 1;
                }
        }
    s.thousand = write(1000, Form{});
    s.particleThousand = lastWord(write(2000, Form{}));
    s.million = write(1000000, Form{});
    s.particleMillion = lastWord(write(2000000, Form{}));
    s.ordinalPrefix = write(2, formOf(true, true)).substr(0, write(2, formOf(true, true)).find(' '));
    s.first = {write(1, formOf(true, true)), write(1, formOf(true, false))};
    for (const std::string* w : {&s.thousand, &s.particleThousand, &s.million, &s.particleMillion,
                                 &s.ordinalPrefix, &s.first[0], &s.first[1]})
        s.vocabulary[*w] = true;
    return s;
}

const Script& script(WrittenForm form, Writing writing) {
    static const Script text = buildScript(WrittenForm::coptic, Writing::fontText);
    static const Script spoken = buildScript(WrittenForm::pronunciation, Writing::fontText);
    static const Script unicode = buildScript(WrittenForm::coptic, Writing::unicode);
    if (writing == Writing::unicode) return unicode;
    return form == WrittenForm::pronunciation ? spoken : text;
}

} // namespace

namespace {

// The groups of a Coptic number taken in one at a time, millions first: the thousand
// and million words close their groups.
struct CopticGroups {
    const Script& s;
    const Words& words;
    std::uint64_t total = 0;
    unsigned genders = 3;
    std::uint32_t lastScale = 0;
    bool mixed = false;     // the last error: masculine and feminine forms together
    std::size_t where = 0;  // and the character it names

    // Takes the words [from, to) and the group word that closes them (none for the
    // units); the error where they cannot stand.
    std::optional<ReadWhy> take(std::size_t from, std::size_t to, std::uint32_t scale,
                                    bool alone, const Token* closing) {
        where = from < to ? words[from].position : closing->position;
        if (lastScale != 0 && scale >= lastScale)
            return because(ReadReason::groupAfterSmaller,
                           std::string(closing ? closing->text : words[from].text), where);
        lastScale = scale;
        if (alone) { // the bare thousand or million word: one of them
            if (to - from != 0) return because(ReadReason::noNumber, {}, where);
            total += scale;
            return std::nullopt;
        }
        const auto found = from == to ? s.groups.end() : s.groups.find(words.run(from, to));
        if (found == s.groups.end()) return notWritten(where);
        return takeGroup(found->second, scale, where);
    }

private:
    static ReadWhy notWritten(std::size_t where) {
        return because(ReadReason::notWrittenSo, {}, where);
    }

    // A group's words can stand for more than one value or gender: the one that agrees
    // with the groups before. A multiplier of one is written as the bare group word.
    std::optional<ReadWhy> takeGroup(const std::vector<Script::Group>& candidates,
                                         std::uint32_t scale, std::size_t where) {
        const Script::Group* match = nullptr;
        for (const auto& g : candidates)
            if ((g.genders & genders) != 0 && !(scale > 1 && g.value == 1)) match = &g;
        if (!match) {
            const bool any = std::any_of(candidates.begin(), candidates.end(),
                                         [&](const auto& g) { return !(scale > 1 && g.value == 1); });
            if (!any) return notWritten(where);
            mixed = true;
            return because(ReadReason::mixedGenders, {}, where);
        }
        genders &= match->genders;
        total += std::uint64_t{match->value} * scale;
        return std::nullopt;
    }
};

// The group a word closes (0 for none) and whether it stands alone (one thousand,
// one million).
std::pair<std::uint32_t, bool> closedGroup(const Script& s, std::string_view w) {
    if (w == s.million || w == s.particleMillion) return {1000000, w == s.million};
    if (w == s.thousand || w == s.particleThousand) return {1000, w == s.thousand};
    return {0, false};
}

} // namespace

Attempt readCopticWords(const Chars& text, const Words& words, WrittenForm form, Writing writing) {
    const Script& s = script(form, writing);
    // A word this script does not know is the first thing wrong; when every word
    // is known, this form went furthest, whatever is wrong.
    const auto wrong = [&](ReadWhy error, ReadErrorCode code = ReadErrorCode::misplaced,
                           std::size_t where = 0) {
        for (const Token& t : words.tokens)
            if (!s.vocabulary.count(t.text)) return failed(unknown(t), t.position, ReadErrorCode::unknownWord);
        return failed(std::move(error), text.back().position + 1, code, where);
    };
    if (words.empty() || !s.vocabulary.count(words[0].text))
        return wrong(because(ReadReason::notANumber), ReadErrorCode::unknownWord);
    Reading r;
    r.written = form;
    r.writing = writing;
    if (words.size() == 1 && (words[0].text == s.first[0] || words[0].text == s.first[1])) {
        r.number = 1;
        r.form.kind = Kind::ordinal;
        r.form.gender = genderOf(words[0].text == s.first[1] && s.first[0] != s.first[1]);
        return Attempt{r, {}, text.size(), ReadErrorCode::none};
    }
    std::size_t start = 0;
    if (words[0].text == s.ordinalPrefix) {
        r.form.kind = Kind::ordinal;
        start = 1;
        if (words.size() == 1)
            return wrong(because(ReadReason::needsNumberAfter, std::string(words[0].text), words[0].position),
                         ReadErrorCode::misplaced, words[0].position);
    }
    CopticGroups groups{s, words};
    for (std::size_t i = start; i < words.size(); ++i) {
        const auto [scale, alone] = closedGroup(s, words[i].text);
        if (scale == 0) continue;
        if (auto error = groups.take(start, i, scale, alone, &words[i]))
            return wrong(*error, groups.mixed ? ReadErrorCode::mixedGenders : ReadErrorCode::misplaced,
                         groups.where);
        start = i + 1;
    }
    if (start < words.size()) {
        if (auto error = groups.take(start, words.size(), 1, false, nullptr))
        return wrong(*error, groups.mixed ? ReadErrorCode::mixedGenders : ReadErrorCode::misplaced,
                         groups.where);
    }
    if (groups.total == 0) return wrong(because(ReadReason::notANumber));
    if (r.form.ordinal() && groups.total == 1)
        return wrong(because(ReadReason::ordinalOfOne, s.first[0]));
    r.number = static_cast<std::uint32_t>(groups.total);
    r.form.gender = genderOf(groups.genders == 2);
    return Attempt{r, {}, text.size(), ReadErrorCode::none};
}

Attempt readLatinWords(const Chars& text) {
    // English first, then the Coptic font text, then the pronunciation. "so" is
    // both the font text of a thousand and the pronunciation of a feminine six (and
    // "mah so" of their ordinals): the Coptic text wins, since it is the Coptic line
    // itself, copied from a report, while the pronunciation is only a guide to it.
    const Words blankSeparated = words(text);
    if (blankSeparated.empty()) return failed(because(ReadReason::notANumber), 1, ReadErrorCode::unknownWord);
    const Token& first = blankSeparated[0];
    const std::string_view firstPiece = first.text.substr(0, first.text.find('-'));
    Attempt furthest = isEnglishWord(firstPiece)
                           ? readEnglish(text, blankSeparated)
                           : failed(unknown(Token{firstPiece, first.position}), first.position,
                                    ReadErrorCode::unknownWord);
    if (furthest.reading) return furthest;
    for (const WrittenForm form : {WrittenForm::coptic, WrittenForm::pronunciation}) {
        Attempt a = readCopticWords(text, blankSeparated, form, Writing::fontText);
        if (a.reading) return a;
        if (a.progress > furthest.progress) furthest = std::move(a);
    }
    return furthest;
}

Attempt readUnicodeWords(const Chars& text) {
    // Bohairic writes the ordinal prefix joined to its number ("ⲙⲁϩⲥ̀ⲛⲁⲩ"): read
    // as if apart.
    constexpr std::u32string_view prefix = unicodeOrdinalLetters;
    bool joinedPrefix = text.size() > prefix.size() && !isBlank(text[prefix.size()].code);
    for (std::size_t i = 0; joinedPrefix && i < prefix.size(); ++i)
        joinedPrefix = copticLower(text[i].code) == prefix[i];
    if (joinedPrefix) {
        Chars apart(text.begin(), text.end());
        apart.insert(apart.begin() + static_cast<std::ptrdiff_t>(prefix.size()),
                     Char{U' ', text[prefix.size()].position});
        Attempt read = readCopticWords(apart, words(apart), WrittenForm::coptic, Writing::unicode);
        if (read.reading) return read;
    }
    return readCopticWords(text, words(text), WrittenForm::coptic, Writing::unicode);
}

} // namespace zefnaro::reading