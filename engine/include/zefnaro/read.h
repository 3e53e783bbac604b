// Zefnaro: reading a number back from any form the report writes: digits (with an ordinal
// suffix), English words, Coptic words (font text or Unicode), their pronunciation,
// and Coptic numerals (font text or Unicode, and as people type them).
#pragma once

#include "zefnaro/export.h"
#include "zefnaro/form.h"

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

namespace zefnaro {

// The form a text was written in; formName() gives "digits", "english", "coptic",
// "pronunciation", "numerals" and "arabic". Digits are ASCII or Arabic-Indic.
enum class WrittenForm { digits, english, coptic, pronunciation, numerals, arabic, arabicPronunciation };
ZEFNARO_API std::string_view formName(WrittenForm form);

struct Reading {
    std::uint32_t number = 0; // 1..largestNumber
    WrittenForm written = WrittenForm::digits;
    Writing writing = Writing::fontText; // of Coptic words and numerals
    Form form;                           // what the text shows: ordinal, feminine
};

// What is wrong with a text that is no written number.
enum class ReadErrorCode {
    none,
    empty,        // nothing but blanks
    invalidUtf8,  // bytes that are not UTF-8
    zero,         // 0, which Coptic cannot write
    tooLarge,     // more than largestNumber
    notWhole,     // a sign, a fraction or a decimal point
    unknownWord,  // a word, letter or character no written form has
    misplaced,    // a known word, letter or mark where it cannot stand
    mixedGenders, // masculine and feminine forms in one number
    wrongForm,    // readWrittenNumberAs: a number, written in another form
};

struct ReadError {
    ReadErrorCode code = ReadErrorCode::none;
    std::size_t position = 0; // from 1, in characters as people see them; 0: the whole text
    std::string message;      // for people, in English, the position in it
};

struct ReadResult {
    Reading reading; // meaningful when ok()
    ReadError error;
    bool ok() const { return error.code == ReadErrorCode::none; }
};

// Reads one written number; blanks at either end are ignored. "2,005th",
// "two thousand and five", "ⲥ̀ⲛⲁⲩ ⲛ̀ϣⲟ ⲧⲓⲟⲩ", "esnav ensho tiw", "ⲃ̿ⲉ̅", "ⲃ̱ⲉ̅", "͵ⲃⲉ̅" and
// "ⲙⲁϩⲕ̅ⲁ̅ϯ" are all read; "ⲃ̿ⲃ̿" and "ⲓ̅ⲥ̅" give an error such as {misplaced, 2,
// "\"ⲥ̅\" at character 2: hundreds must come before tens: expected a whole number
// from 1 to 999,999,999"}. Total: any bytes give a reading or an error, never an
// exception.
ZEFNARO_API ReadResult readWrittenNumber(std::string_view text);

// Reads the text as one written form only: its error is that form's, as a
// teacher who asked for Coptic words wants to hear what is wrong with the words.
// Coptic words and numerals are read in Unicode where the text holds Coptic
// letters, else as the CS fonts' text.
ZEFNARO_API ReadResult readWrittenNumberAs(std::string_view text, WrittenForm form);

} // namespace zefnaro
