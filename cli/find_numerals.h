// zefnaro-cli --find: every Coptic numeral in a text, with its line and column.
#pragma once

#include "cli/output.h"
#include "engine/language.h"

namespace zefnaro::cli {

// Reads `fd` to its end in blocks (memory stays bounded whatever the file's
// size) and writes one line per numeral, as text or JSON Lines. False when the
// input cannot be read.
bool findNumeralsIn(int fd, bool json, Language language, Output& out);

} // namespace zefnaro::cli
