// The reader's English for each reason a text is no written number.
#include "engine/arabic.h"
#include "engine/joined.h"
#include "engine/numbers.h"
#include "engine/read_reason.h"
#include "engine/read/reasons_arabic.h"

namespace zefnaro {

namespace {

std::string q(std::string_view text) {
    return joined({"\"", text, "\""});
}

std::string at(std::size_t position) {
    return joined({" at character ", std::to_string(position)});
}

std::string said(const ReadWhy& w) {
    const std::string subjectAt = q(w.subject) + at(w.at);
    switch (w.reason) {
    case ReadReason::none:
        return {};
    case ReadReason::empty:
        return "empty input";
    case ReadReason::invalidUtf8:
        return "not text: invalid UTF-8" + at(w.at);
    case ReadReason::signsOrPoints:
        return "not a number: " + q(w.subject);
    case ReadReason::negative:
        return "negative numbers cannot be translated";
    case ReadReason::signed_:
        return "write the number without a sign";
    case ReadReason::fraction:
        return "fractions and decimal points are not accepted";
    case ReadReason::cannotFollowDigits:
        return "not a number: " + subjectAt + " cannot follow the digits";
    case ReadReason::noOrdinalSuffix:
        return "not a number: " + subjectAt + " is no ordinal suffix";
    case ReadReason::wrongSuffix:
        return joined({w.subject, " takes the suffix ", q(w.first), ", not ", q(w.other), at(w.at)});
    case ReadReason::notInThrees:
        return "commas must group the digits in threes, as in 1,234,567";
    case ReadReason::tooLarge:
        return "too large";
    case ReadReason::zero:
        return std::string(zeroMessage);
    case ReadReason::unknownWord:
        return "not a number: " + subjectAt + " is no word of a number";
    case ReadReason::notANumber:
        return "not a number";
    case ReadReason::needsNumberAfter:
        return subjectAt + " needs a number after it";
    case ReadReason::groupAfterSmaller:
        return subjectAt + " cannot follow the smaller groups before it";
    case ReadReason::noNumber:
        return "the words" + at(w.at) + " do not form a number";
    case ReadReason::notWrittenSo:
        return "the words" + at(w.at) + " do not form a number the way it is written";
    case ReadReason::mixedGenders:
        return "the words" + at(w.at) + " mix masculine and feminine forms";
    case ReadReason::ordinalOfOne:
        return "the ordinal of one is " + q(w.subject);
    case ReadReason::andMisplaced:
        return "\"and\"" + at(w.at) + " belongs after hundred, thousand or million";
    case ReadReason::endsOnAnd:
        return "the number ends on \"and\"" + at(w.at);
    case ReadReason::mustBeLast:
        return subjectAt + " must be the last word";
    case ReadReason::hyphenMisplaced:
        return "a hyphen" + at(w.at) + " belongs between tens and units";
    case ReadReason::cannotStand:
        return subjectAt + " cannot stand here";
    case ReadReason::needsLetter:
        return "a numeral needs at least one letter";
    case ReadReason::lacksMark:
        return subjectAt + " has no place mark, unlike the letters before it";
    case ReadReason::hasMark:
        return subjectAt + " has a place mark, unlike the letters before it";
    case ReadReason::blankInsideRank:
        return "the blank before " + subjectAt + " stands inside a rank (a blank may only part the ranks)";
    case ReadReason::comesBefore:
        return joined({subjectAt, ": ", w.first, " must come before ", w.second});
    case ReadReason::placeTaken:
        return joined({subjectAt, ": the ", w.first, " already have a ", w.second,
                       " letter (each place at most once)"});
    case ReadReason::noFontMark:
        return subjectAt + " is no place mark (=, Ë or Ì)";
    case ReadReason::markNeedsLetter:
        return "the place mark" + at(w.at) + " needs a numeral letter after it";
    case ReadReason::signNeedsLetter:
        return "the numeral sign \"͵\"" + at(w.at) + " needs a letter after it";
    case ReadReason::noNumeralLetter:
        return subjectAt + " is no numeral letter";
    case ReadReason::marksNoPlace:
        return "the marks on " + subjectAt +
               " name no place (one stroke for units, two for thousands, three for millions)";
    case ReadReason::marksTwoRanks:
        return subjectAt + " is marked both as thousands and as another rank";
    case ReadReason::wrongForm:
        return joined({"written as ", w.first, ", not as ", w.second});
    }
    return {};
}

} // namespace

std::string readerSentence(const ReadWhy& why, Language language) {
    if (language == Language::arabic) return arabicSentence(why, false);
    std::string out = said(why);
    if (!why.meant.empty()) out += joined({"; for ", why.meant, " write ", why.meantAs});
    return out;
}

std::string learnerSentenceInArabic(const ReadWhy& why) {
    return arabicSentence(why, true);
}

std::string readerMessage(const ReadWhy& why, Language language) {
    std::string out = readerSentence(why, language);
    if (why.reason == ReadReason::none || why.reason == ReadReason::zero) return out;
    if (language == Language::arabic) {
        out += ": المطلوب عدد صحيح من ١ إلى ";
        appendArabicDigits(out, largestNumber);
        return out;
    }
    return joined({out, ": ", readRangeText});
}

} // namespace zefnaro
