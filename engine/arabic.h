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
// The pronunciation line in Arabic letters, word for word.
// A Coptic month's name in Arabic letters (Thoout, Paopi, …); "" for no month.
std::string_view arabicMonthPronunciation(int month);
void appendArabicPronunciation(std::string& out, std::uint32_t number, Form form);

} // namespace zefnaro
