// The peer the command line is measured against: ICU's English cardinal spellout
// of each number on standard input, one line each, as a plain 30-line program
// would write it.
#include <unicode/fieldpos.h>
#include <unicode/locid.h>
#include <unicode/rbnf.h>
#include <unicode/unistr.h>

#include <cstdio>
#include <cstdlib>
#include <string>

int main() {
    UErrorCode status = U_ZERO_ERROR;
    icu::RuleBasedNumberFormat format(icu::URBNF_SPELLOUT, icu::Locale::getUS(), status);
    if (U_FAILURE(status)) return 1;
    char line[256];
    std::string utf8;
    while (std::fgets(line, sizeof line, stdin)) {
        icu::UnicodeString text;
        format.format(static_cast<int64_t>(std::strtoll(line, nullptr, 10)), text);
        utf8.clear();
        text.toUTF8String(utf8);
        utf8 += '\n';
        std::fwrite(utf8.data(), 1, utf8.size(), stdout);
    }
    return 0;
}
