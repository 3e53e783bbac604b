// The keys a learner writes Coptic numbers with, row by row: the letters of the
// units, the tens and the hundreds each with its place's stroke, then the letters
// only words use, the ending, the jinkim, the prefix, Space and Backspace. The
// window and the web page only lay them out.
#pragma once

#include <string_view>
#include <vector>

namespace zefnaro {

struct Key {
    std::string_view text; // what it writes; "⌫" deletes the character before the caret
    std::string_view name; // for screen readers
};

std::vector<std::vector<Key>> keypadRows();

} // namespace zefnaro
