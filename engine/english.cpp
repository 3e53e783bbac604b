#include "english.h"

#include "internal/buffer.h"
#include "internal/lexicon.h"
#include "internal/words.h"

#include <vector>

namespace zefnaro {

namespace {

std::string_view word(long long key, bool ordinal) {
    return lexicon::half(lexicon::englishEntry(key), ordinal);
}

void appendHundreds(std::string& out, long long n, bool ordinal) {
    // A whole hundred in the ordinal form ends on "Hundredth".
    const std::string_view hundredWord = word(100, n % 100 == 0 && ordinal);
    if (n > 99) {
        out += word(n / 100, false);
        out += ' ';
        out += hundredWord;
        n %= 100;
        if (n != 0) out += " and ";
    }
    if (n < 20) {
        out += word(n, ordinal);
    } else if (n % 10 != 0) {
        out += word(n / 10 * 10, false);
        out += '-';
        out += word(n % 10, ordinal);
    } else {
        out += word(n, ordinal);
    }
}

// The words of every group value 0..999, built once (see the Coptic builder).
const std::string& hundredsText(long long n, bool ordinal) {
    static const std::vector<std::string> table = [] {
        std::vector<std::string> t(2000);
        for (int form = 0; form < 2; ++form)
            for (long long k = 0; k < 1000; ++k)
                appendHundreds(t[static_cast<std::size_t>(form * 1000 + k)], k, form != 0);
        return t;
    }();
    return table[static_cast<std::size_t>((ordinal ? 1000 : 0) + n)];
}

} // namespace

std::string englishWord(long long key, Form form) {
    if (key == 0) return "";
    return std::string(word(key, form.ordinal()));
}

std::string englishHundreds(std::uint32_t number, Form form) {
    if (number > 999) return "";
    return hundredsText(number, form.ordinal());
}

void appendEnglishWords(std::string& text, std::uint32_t number, Form form) {
    if (number < 1 || number > largestNumber) return;
    PieceBuffer out(text);
    const bool ordinal = form.ordinal();
    const long long n = number;
    const long long millions = n / 1'000'000;
    const long long thousands = n / 1000 % 1000;
    const long long units = n % 1000;
    if (millions != 0) {
        out += hundredsText(millions, false);
        out += ' ';
        out += word(1'000'000, ordinal && n % 1'000'000 == 0);
        if (thousands != 0 || units != 0) out += ' ';
    }
    if (thousands != 0) {
        out += hundredsText(thousands, false);
        out += ' ';
        out += word(1000, ordinal && n % 1000 == 0);
        if (units != 0) out += ' ';
    }
    if (units != 0) out += hundredsText(units, ordinal);
}

std::string toEnglishWords(std::uint32_t number, Form form) {
    std::string out;
    out.reserve(128);
    appendEnglishWords(out, number, form);
    return out;
}

} // namespace zefnaro
