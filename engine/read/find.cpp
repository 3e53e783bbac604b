#include "zefnaro/find.h"

#include "engine/numeral_letters.h"
#include "engine/read/read_support.h"
#include "engine/utf8.h"

namespace zefnaro {

namespace {

using reading::isCopticLetter;
using reading::isNumeralMark;

// What may stand inside a written numeral besides its letters.
bool continuesNumeral(char32_t c) {
    return isCopticLetter(c) || utf8::isCombiningMark(c) || c == 0x0375 || c == 0x0374 || c == 0x02B9;
}

// Sacred names abbreviated under a stroke that have a year's shape: a units
// letter before a hundreds letter (ⲑ̅ⲥ̅, God, is no 9,200). The others (ⲓ̅ⲥ̅,
// ⲡ̅ⲛ̅ⲁ̅) break the numerals' grammar and are passed over as it is.
bool isSacredName(std::string_view word) {
    std::u32string letters;
    for (std::size_t i = 0; i < word.size();) {
        const auto d = utf8::decodeAt(word, i);
        if (!d) return false;
        if (!utf8::isCombiningMark(d->code)) letters += reading::copticLower(d->code);
        i += d->length;
    }
    return letters == U"ⲑⲥ" || letters == U"ⲑⲩ" || letters == U"ⲑⲱ";
}

bool isOrdinalPrefix(std::string_view word) {
    return word == unicodeOrdinalWord || word == "Ⲙⲁϩ" || word == "ⲘⲀϨ"; // or capitalised
}

struct Word {
    std::size_t from = 0, to = 0; // bytes in the piece
    std::size_t line = 0, column = 0;
    bool marked = false;
};

} // namespace

void NumeralFinder::scan(std::string_view text, const Found& found) {
    Word word{};
    bool inWord = false;
    const auto flush = [&] {
        if (hasPending_) found(pending_);
        hasPending_ = false;
        pendingGap_ = Gap::none;
    };
    // A character outside a word: one blank keeps a numeral or prefix open.
    const auto between = [&](bool blank) {
        for (Gap* g : {&pendingGap_, &prefixGap_})
            *g = *g == Gap::justEnded && blank ? Gap::oneBlank : Gap::none;
        if (hasPending_ && pendingGap_ == Gap::none) flush();
    };
    // A word of Coptic ends: the numeral waiting may go on with it ("ⲃ̿ ⲉ̅"),
    // "ⲙⲁϩ " before it is its prefix, or it is a numeral of its own.
    const auto endWord = [&] {
        inWord = false;
        const std::string_view written = text.substr(word.from, word.to - word.from);
        const bool afterPrefix = prefixGap_ == Gap::oneBlank;
        prefixGap_ = Gap::none;
        if (!word.marked || isSacredName(written)) {
            flush();
            if (isOrdinalPrefix(written)) {
                prefix_ = FoundNumeral{word.line, word.column, std::string(written), {}};
                prefixGap_ = Gap::justEnded;
            }
            return;
        }
        if (hasPending_ && pendingGap_ == Gap::oneBlank) {
            std::string joined = pending_.text + " ";
            joined += written;
            const ReadResult more = readWrittenNumber(joined);
            if (more.ok() && more.reading.written == WrittenForm::numerals) {
                pending_.text = std::move(joined);
                pending_.reading = more.reading;
                pendingGap_ = Gap::justEnded;
                return;
            }
        }
        flush();
        FoundNumeral candidate{word.line, word.column, std::string(written), {}};
        ReadResult read;
        if (afterPrefix) {
            std::string prefixed = prefix_.text + " ";
            prefixed += written;
            read = readWrittenNumber(prefixed);
            if (read.ok() && read.reading.written == WrittenForm::numerals)
                candidate = FoundNumeral{prefix_.line, prefix_.column, std::move(prefixed), {}};
            else
                read = readWrittenNumber(written);
        } else {
            read = readWrittenNumber(written);
        }
        if (!read.ok() || read.reading.written != WrittenForm::numerals) return;
        candidate.reading = read.reading;
        pending_ = std::move(candidate);
        hasPending_ = true;
        pendingGap_ = Gap::justEnded;
    };
    std::size_t i = 0;
    while (i < text.size()) {
        const unsigned char b = static_cast<unsigned char>(text[i]);
        if (b < 0x80) { // ASCII: the fast path, and every word's end
            if (inWord) endWord();
            between(b == ' ');
            if (b == '\n') {
                ++line_;
                column_ = 1;
            } else {
                ++column_;
            }
            ++i;
            continue;
        }
        const auto decoded = utf8::decodeAt(text, i);
        const std::size_t length = decoded ? decoded->length : 1;
        const char32_t c = decoded ? decoded->code : 0xFFFD;
        if (continuesNumeral(c) && (inWord || !utf8::isCombiningMark(c))) {
            if (!inWord) {
                word = Word{i, i, line_, column_, false};
                inWord = true;
            }
            word.to = i + length;
            word.marked = word.marked || isNumeralMark(c);
        } else {
            if (inWord) endWord();
            between(false);
        }
        if (!utf8::isCombiningMark(c)) ++column_; // a mark belongs to its letter's column
        i += length;
    }
    if (inWord) endWord();
}

void NumeralFinder::finish(const Found& found) {
    if (hasPending_) found(pending_);
    hasPending_ = false;
    pendingGap_ = prefixGap_ = Gap::none;
}

std::vector<FoundNumeral> findNumerals(std::string_view text) {
    std::vector<FoundNumeral> out;
    NumeralFinder finder;
    const auto found = [&out](const FoundNumeral& f) { out.push_back(f); };
    finder.scan(text, found);
    finder.finish(found);
    return out;
}

} // namespace zefnaro
