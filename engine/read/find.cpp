#include "zefnaro/find.h"

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
    return word == "ⲙⲁϩ" || word == "Ⲙⲁϩ" || word == "ⲘⲀϨ";
}

struct Word {
    std::size_t from = 0, to = 0; // bytes in the piece
    std::size_t line = 0, column = 0;
    bool marked = false;
};

} // namespace

void NumeralFinder::scan(std::string_view text, const Found& found) {
    Word previous{}, word{};
    bool inWord = false, previousIsPrefix = false;
    std::size_t i = 0;
    // The last numeral found waits one word: a blank and a lower rank may go on
    // with it ("ⲃ̿ ⲉ̅").
    FoundNumeral pending;
    std::size_t pendingEnd = 0; // byte after it; 0: none waits
    const auto flush = [&] {
        if (pendingEnd != 0) found(pending);
        pendingEnd = 0;
    };
    // A word of Coptic ends: report it when it reads as a numeral; a blank and
    // another ranked word may continue it ("ⲃ̿ ⲉ̅"), "ⲙⲁϩ " before it is its prefix.
    const auto endWord = [&] {
        inWord = false;
        const std::string_view written = text.substr(word.from, word.to - word.from);
        if (!word.marked || isSacredName(written)) {
            flush();
            previousIsPrefix = isOrdinalPrefix(written);
            previous = word;
            return;
        }
        const auto oneBlankApart = [&](std::size_t end) {
            return end + 1 == word.from && text[end] == ' ';
        };
        if (pendingEnd != 0 && oneBlankApart(pendingEnd)) {
            std::string joined = pending.text + " ";
            joined += written;
            const ReadResult more = readWrittenNumber(joined);
            if (more.ok() && more.reading.form == WrittenForm::numerals) {
                pending.text = std::move(joined);
                pending.reading = more.reading;
                pendingEnd = word.to;
                previous = word;
                return;
            }
        }
        flush();
        Word start = previousIsPrefix && oneBlankApart(previous.to) ? previous : word;
        std::string_view candidate = text.substr(start.from, word.to - start.from);
        ReadResult read = readWrittenNumber(candidate);
        if ((!read.ok() || read.reading.form != WrittenForm::numerals) && start.from != word.from) {
            start = word;
            candidate = written;
            read = readWrittenNumber(candidate);
        }
        previousIsPrefix = false;
        previous = word;
        if (!read.ok() || read.reading.form != WrittenForm::numerals) return;
        pending = FoundNumeral{start.line, start.column, std::string(candidate), read.reading};
        pendingEnd = word.to;
    };
    while (i < text.size()) {
        const unsigned char b = static_cast<unsigned char>(text[i]);
        if (b < 0x80) { // ASCII: the fast path, and every word's end
            if (inWord) endWord();
            if (b == '\n') {
                ++line_;
                column_ = 1;
            } else {
                ++column_;
            }
            if (b != ' ') previousIsPrefix = false;
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
            previousIsPrefix = false;
        }
        if (!utf8::isCombiningMark(c)) ++column_; // a mark belongs to its letter's column
        i += length;
    }
    if (inWord) endWord();
    flush();
}

std::vector<FoundNumeral> findNumerals(std::string_view text) {
    std::vector<FoundNumeral> out;
    NumeralFinder finder;
    finder.scan(text, [&out](const FoundNumeral& f) { out.push_back(f); });
    return out;
}

} // namespace zefnaro
