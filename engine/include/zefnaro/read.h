// Zefnaro: reading a number back from any form the report writes: digits (with an ordinal
// suffix), English words, Coptic words (font text or Unicode), their pronunciation,
// and Coptic numerals (font text or Unicode, and as people type them).
#pragma once

#include "zefnaro/export.h"
#include "zefnaro/form.h"

#include <cstdint>
#include <string>
#include <string_view>

namespace zefnaro {

// The form a text was written in; formName() gives "digits", "english", "coptic",
// "pronunciation" and "numerals".
enum class WrittenForm { digits, english, coptic, pronunciation, numerals };
ZEFNARO_API std::string_view formName(WrittenForm form);

struct Reading {
    std::uint32_t number = 0; // 1..largestNumber
    WrittenForm form = WrittenForm::digits;
    Writing writing = Writing::fontText; // for Coptic words and numerals
    bool ordinal = false;                // the text shows the ordinal form
    bool feminine = false;               // the text shows the feminine form
};

struct ReadResult {
    Reading reading;   // meaningful when error is empty
    std::string error; // what is wrong and at which character, or empty
    bool ok() const { return error.empty(); }
};

// Reads one written number; blanks at either end are ignored. "2,005th",
// "two thousand and five", "ⲥ̀ⲛⲁⲩ ⲛ̀ϣⲟ ⲧⲓⲟⲩ", "esnav ensho tiw", "ⲃ̿ⲉ̅", "ⲃ̱ⲉ̅", "͵ⲃⲉ̅" and
// "ⲙⲁϩⲕ̅ⲁ̅ϯ" are all read; "ⲃ̿ⲃ̿" and "ⲓ̅ⲥ̅" give an error such as
// "\"ⲥ̅\" at character 2: hundreds must come before tens: expected a whole number
// from 1 to 999,999,999". Total: any bytes give a reading or an error, never an
// exception.
ZEFNARO_API ReadResult readWrittenNumber(std::string_view text);

// Reads the text as one written form only: its error is that form's, as a
// teacher who asked for Coptic words wants to hear what is wrong with the words.
// Coptic words and numerals are read in Unicode where the text holds Coptic
// letters, else as the CS fonts' text.
ZEFNARO_API ReadResult readWrittenNumberAs(std::string_view text, WrittenForm form);

} // namespace zefnaro
