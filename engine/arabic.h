// Arabic number words and digits, appended as the report's other pieces are.
#pragma once

#include "zefnaro/form.h"

#include <cstdint>
#include <string>
#include <string_view>

namespace zefnaro {

// Nothing is appended for a number outside 1..999,999,999.
void appendArabicWords(std::string& out, std::uint32_t number, Form form);
void appendArabicDigits(std::string& out, std::uint32_t number);
// ASCII digits and commas as Arabic-Indic digits and separators ("2,005" as
// its Arabic-Indic digits and separator, "0" as Arabic-Indic zero); anything else
// as it is. The one conversion.
std::string arabicIndic(std::string_view digits);
// Coptic words (Unicode) in Arabic letters, each letter as the Church's table reads
// it and, where it gives two readings, as the pronunciation line `latin` (word for
// word) reads it. Words stay apart; a jinkim after a vowel begins a word of its own.
void appendArabicLetters(std::string& out, std::string_view coptic, std::string_view latin);
// The number's Coptic words in Arabic letters; nothing outside 1..999,999,999.
void appendArabicPronunciation(std::string& out, std::uint32_t number, Form form);


} // namespace zefnaro
