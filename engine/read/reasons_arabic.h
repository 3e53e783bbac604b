// Why a text is no number, in Arabic: for the reader's message, or in a
// learner's terms.
#pragma once

#include "engine/read_reason.h"

#include <string>

namespace zefnaro {

std::string arabicSentence(const ReadWhy& why, bool learner);

} // namespace zefnaro
