#include "practice/keypad.h"

#include "engine/numeral_letters.h"

namespace zefnaro {

std::vector<std::vector<Key>> keypadRows() {
    std::vector<std::vector<Key>> rows(4);
    for (std::size_t place = 0; place < 3; ++place) {
        for (std::size_t digit = 1; digit <= 9; ++digit)
            rows[place].push_back({unicodeNumerals.letters[place][digit], numeralLetterNames[place][digit]});
        rows[place].push_back({unicodeNumerals.after[place], numeralMarkNames[place]});
    }
    for (const NamedText& t : otherNumberLetters)
        rows[3].push_back({t.text, t.name});
    rows[3].push_back({" ", "space"});
    rows[3].push_back({"⌫", "delete the last character"});
    return rows;
}

} // namespace zefnaro
