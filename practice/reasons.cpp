#include "reasons.h"

#include "engine/joined.h"

namespace zefnaro {

namespace {

std::string q(std::string_view text) {
    return joined({"\"", text, "\""});
}

std::string said(const ReadWhy& w) {
    const std::string subject = q(w.subject);
    switch (w.reason) {
    case ReadReason::empty:
        return "nothing is written";
    case ReadReason::signsOrPoints:
        return subject;
    case ReadReason::cannotFollowDigits:
        return subject + " cannot follow the digits";
    case ReadReason::noOrdinalSuffix:
        return subject + " is no ordinal suffix";
    case ReadReason::wrongSuffix:
        return joined({w.subject, " takes the suffix ", q(w.first), ", not ", q(w.other)});
    case ReadReason::unknownWord:
        return subject + " is no number word";
    case ReadReason::needsNumberAfter:
        return subject + " needs a number after it";
    case ReadReason::groupAfterSmaller:
        return subject + " cannot follow the smaller groups before it";
    case ReadReason::noNumber:
    case ReadReason::notWrittenSo:
        return "the words do not form a number";
    case ReadReason::mixedGenders:
        return "the words mix masculine and feminine forms";
    case ReadReason::andMisplaced:
        return "\"and\" belongs after hundred, thousand or million";
    case ReadReason::endsOnAnd:
        return "the number ends on \"and\"";
    case ReadReason::mustBeLast:
        return subject + " must be the last word";
    case ReadReason::hyphenMisplaced:
        return "a hyphen belongs between tens and units";
    case ReadReason::cannotStand:
        return subject + " cannot stand here";
    case ReadReason::lacksMark:
        return subject + " has no stroke, unlike the letters before it";
    case ReadReason::hasMark:
        return subject + " has a stroke, unlike the letters before it";
    case ReadReason::blankInsideRank:
        return "the blank before " + subject + " stands inside a rank";
    case ReadReason::comesBefore:
        return joined({subject, ": ", w.first, " must come before ", w.second});
    case ReadReason::placeTaken:
        return joined({subject, ": the ", w.first, " already have a ", w.second, " letter"});
    case ReadReason::noFontMark:
    case ReadReason::noNumeralLetter:
        return subject + " is no Coptic numeral letter";
    case ReadReason::markNeedsLetter:
        return "a stroke needs a numeral letter after it";
    case ReadReason::signNeedsLetter:
        return "the numeral sign \"͵\" needs a letter after it";
    case ReadReason::marksNoPlace:
        return "the strokes on " + subject +
               " name no place (one for units, two for thousands, three for millions)";
    case ReadReason::marksTwoRanks:
        return subject + " is marked both as thousands and as another rank";
    default: { // the reader's own words are plain already
        ReadWhy plain = w;
        plain.meant.clear();
        return readerSentence(plain);
    }
    }
}

} // namespace

std::string learnerReason(const ReadWhy& why, Language language) {
    if (language == Language::arabic) return learnerSentenceInArabic(why);
    std::string out = said(why);
    if (!why.meant.empty()) out += joined({"; for ", why.meant, " write ", why.meantAs});
    return out;
}

} // namespace zefnaro
