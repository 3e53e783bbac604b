// The builders' parts, one word or one group of three digits at a time: for the
// builders and their tests, not for callers.
#pragma once

#include "zefnaro/form.h"

#include <cstdint>
#include <string>

namespace zefnaro {

// Key 10 has a standalone form and one that combines with a following unit.
enum class Ten { standalone, combining };

// One Coptic lexicon word (font text or pronunciation): keys 1..9, the tens, 100,
// 1000, 1000000 and the grammatical words -1 (particle), -2 (and), -3 (ordinal
// prefix), -4 (first). Unknown keys give "".
std::string copticWord(long long key, bool masculine, Writing writing, Ten ten = Ten::standalone);

// The Coptic words for a value 0..999; 0 and anything outside that range give "".
std::string copticHundreds(std::uint32_t number, bool masculine, Writing writing);

// One English lexicon word (1..20, the tens, 100, 1000, 1000000); unknown keys give "".
std::string englishWord(long long key, Form form);

// The English words for a value 0..999; 0 and anything outside that range give "".
std::string englishHundreds(std::uint32_t number, Form form);

} // namespace zefnaro
