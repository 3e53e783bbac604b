// Why an answer cannot be read, in a learner's terms: no character counts where
// the text is quoted, no range sentence, strokes rather than place marks.
#pragma once

#include "engine/read_reason.h"

#include <string>

namespace zefnaro {

std::string learnerReason(const ReadWhy& why, Language language = Language::english);

} // namespace zefnaro
