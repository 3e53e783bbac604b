// Why a text is no written number, as facts rather than a sentence: each reader
// names the reason and what it concerns, and each audience words it in its own
// way (the reader's English for the command line and the report, the learner's
// plainer terms in Practice).
#pragma once

#include "engine/language.h"
#include "zefnaro/read.h"

#include <cstdint>
#include <string>
#include <string_view>

namespace zefnaro {

enum class ReadReason : std::uint8_t {
    none,
    empty,              // nothing but blanks
    invalidUtf8,        // at: the first character that is not UTF-8
    signsOrPoints,      // subject: the numeric part, with more than one sign or point
    negative,
    signed_,            // a plus sign
    fraction,
    cannotFollowDigits, // subject: the character after the digits
    noOrdinalSuffix,    // subject: what follows the digits
    wrongSuffix,        // subject: the digits; first: the right suffix; other: the one written
    notInThrees,
    tooLarge,
    zero,
    unknownWord,        // subject: the word
    notANumber,
    needsNumberAfter,   // subject: the ordinal prefix
    groupAfterSmaller,  // subject: the group word
    noNumber,           // the words at `at`
    notWrittenSo,       // the words at `at`
    mixedGenders,       // the words at `at`
    ordinalOfOne,       // subject: how the ordinal of one is written
    andMisplaced,       // "and" at `at`
    endsOnAnd,
    mustBeLast,         // subject: an ordinal word
    hyphenMisplaced,
    cannotStand,        // subject: the word
    needsLetter,
    lacksMark,          // subject: the letter, unmarked among marked letters
    hasMark,            // subject: the letter, marked among unmarked letters
    blankInsideRank,    // subject: the letter after the blank
    comesBefore,        // subject: the letter; first must come before second
    placeTaken,         // subject: the letter; first (a rank) has a second (place) letter
    noFontMark,         // subject: the character where a mark of the font text belongs
    markNeedsLetter,
    signNeedsLetter,
    noNumeralLetter,    // subject: the character
    marksNoPlace,       // subject: the letter with its marks
    marksTwoRanks,      // subject: the letter with its marks
    wrongForm,          // first: the form read; second: the form asked
};

// The ranks, places and forms a reason names: facts, worded by each language.
enum class ReadName : std::uint8_t {
    none, units, tens, hundreds, thousands, millions,                // ranks and places
    oneStroke,                                                       // the rank of 1..999, one stroke
    digits, english, coptic, pronunciation, numerals, arabic, arabicPronunciation, // written forms
};
ReadName nameOf(WrittenForm form);
// A name as the language writes it: "thousands" in English.
std::string_view nameIn(ReadName name, Language language);

struct ReadWhy {
    ReadReason reason = ReadReason::none;
    std::string subject;             // the text it names, as written
    std::size_t at = 0;              // its position, in characters as people see them
    ReadName first = ReadName::none, second = ReadName::none; // ranks, places, forms
    std::string suffix, other;       // the right ordinal suffix and the one written
    std::uint32_t meant = 0;         // a number the writer probably meant (0: none)...
    std::string meantAs;             // ...and how it is written: 2010, "ⲃ̿ⲓ̅"
};

// The reader's own sentence, without the range it closes with.
std::string readerSentence(const ReadWhy& why, Language language = defaultLanguage);
// What a learner is told: plainer, what is quoted from the text rather than where it stands.
std::string learnerSentence(const ReadWhy& why, Language language = defaultLanguage);
// The whole message of a reading's error, as ReadError::message has it in English.
std::string readerMessage(const ReadWhy& why, Language language);

// A reading with the reason of its error; the public readers give its result.
struct ExplainedReading {
    ReadResult result;
    ReadWhy why;
};
ExplainedReading readExplained(std::string_view text);
ExplainedReading readExplainedAs(std::string_view text, WrittenForm form);

} // namespace zefnaro
