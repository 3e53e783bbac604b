// The words for each reason a text is no written number: the reader's, for the
// command line and the report, and the learner's, plainer, for Practice. Each is
// one switch over the reasons, with no default, so a new reason cannot go
// unworded; the texts are the catalogue's, in any language.
#include "engine/joined.h"
#include "engine/read_reason.h"
#include "engine/say.h"

namespace zefnaro {

namespace {

// What a sentence says, and whether it says where in the text it stands.
struct Wording {
    Text text;
    bool at = true;
};

Wording readerWording(ReadReason reason) {
    switch (reason) {
    case ReadReason::none: break;
    case ReadReason::empty: return {Text::reason_empty};
    case ReadReason::invalidUtf8: return {Text::reason_invalid_utf8};
    case ReadReason::signsOrPoints: return {Text::reason_signs_or_points};
    case ReadReason::negative: return {Text::reason_negative};
    case ReadReason::signed_: return {Text::reason_signed};
    case ReadReason::fraction: return {Text::reason_fraction};
    case ReadReason::cannotFollowDigits: return {Text::reason_cannot_follow_digits};
    case ReadReason::noOrdinalSuffix: return {Text::reason_no_ordinal_suffix};
    case ReadReason::wrongSuffix: return {Text::reason_wrong_suffix};
    case ReadReason::notInThrees: return {Text::reason_not_in_threes};
    case ReadReason::tooLarge: return {Text::reason_too_large};
    case ReadReason::zero: return {Text::report_zero};
    case ReadReason::unknownWord: return {Text::reason_unknown_word};
    case ReadReason::notANumber: return {Text::reason_not_a_number};
    case ReadReason::needsNumberAfter: return {Text::reason_needs_number_after};
    case ReadReason::groupAfterSmaller: return {Text::reason_group_after_smaller};
    case ReadReason::noNumber: return {Text::reason_no_number};
    case ReadReason::notWrittenSo: return {Text::reason_not_written_so};
    case ReadReason::mixedGenders: return {Text::reason_mixed_genders};
    case ReadReason::ordinalOfOne: return {Text::reason_ordinal_of_one};
    case ReadReason::andMisplaced: return {Text::reason_and_misplaced};
    case ReadReason::endsOnAnd: return {Text::reason_ends_on_and};
    case ReadReason::mustBeLast: return {Text::reason_must_be_last};
    case ReadReason::hyphenMisplaced: return {Text::reason_hyphen_misplaced};
    case ReadReason::cannotStand: return {Text::reason_cannot_stand};
    case ReadReason::needsLetter: return {Text::reason_needs_letter};
    case ReadReason::lacksMark: return {Text::reason_lacks_mark};
    case ReadReason::hasMark: return {Text::reason_has_mark};
    case ReadReason::blankInsideRank: return {Text::reason_blank_inside_rank};
    case ReadReason::comesBefore: return {Text::reason_comes_before};
    case ReadReason::placeTaken: return {Text::reason_place_taken};
    case ReadReason::noFontMark: return {Text::reason_no_font_mark};
    case ReadReason::markNeedsLetter: return {Text::reason_mark_needs_letter};
    case ReadReason::signNeedsLetter: return {Text::reason_sign_needs_letter};
    case ReadReason::noNumeralLetter: return {Text::reason_no_numeral_letter};
    case ReadReason::marksNoPlace: return {Text::reason_marks_no_place};
    case ReadReason::marksTwoRanks: return {Text::reason_marks_two_ranks};
    case ReadReason::wrongForm: return {Text::reason_wrong_form};
    }
    return {Text::reason_empty};
}

// A learner is shown the text quoted, never where it stands; a few reasons are
// put more plainly (a stroke rather than a place mark).
Wording learnerWording(ReadReason reason) {
    switch (reason) {
    case ReadReason::empty: return {Text::learner_empty, false};
    case ReadReason::invalidUtf8: return {Text::learner_invalid_utf8, true};
    case ReadReason::signsOrPoints: return {Text::learner_signs_or_points, false};
    case ReadReason::cannotFollowDigits: return {Text::learner_cannot_follow_digits, false};
    case ReadReason::noOrdinalSuffix: return {Text::learner_no_ordinal_suffix, false};
    case ReadReason::unknownWord: return {Text::learner_unknown_word, false};
    case ReadReason::notWrittenSo: return {Text::learner_not_written_so, false};
    case ReadReason::lacksMark: return {Text::learner_lacks_mark, false};
    case ReadReason::hasMark: return {Text::learner_has_mark, false};
    case ReadReason::blankInsideRank: return {Text::learner_blank_inside_rank, false};
    case ReadReason::placeTaken: return {Text::learner_place_taken, false};
    case ReadReason::noFontMark: return {Text::learner_no_font_mark, false};
    case ReadReason::noNumeralLetter: return {Text::learner_no_numeral_letter, false};
    case ReadReason::markNeedsLetter: return {Text::learner_mark_needs_letter, false};
    case ReadReason::marksNoPlace: return {Text::learner_marks_no_place, false};
    case ReadReason::none:
    case ReadReason::negative:
    case ReadReason::signed_:
    case ReadReason::fraction:
    case ReadReason::wrongSuffix:
    case ReadReason::notInThrees:
    case ReadReason::tooLarge:
    case ReadReason::zero:
    case ReadReason::notANumber:
    case ReadReason::needsNumberAfter:
    case ReadReason::groupAfterSmaller:
    case ReadReason::noNumber:
    case ReadReason::mixedGenders:
    case ReadReason::ordinalOfOne:
    case ReadReason::andMisplaced:
    case ReadReason::endsOnAnd:
    case ReadReason::mustBeLast:
    case ReadReason::hyphenMisplaced:
    case ReadReason::cannotStand:
    case ReadReason::needsLetter:
    case ReadReason::comesBefore:
    case ReadReason::signNeedsLetter:
    case ReadReason::marksTwoRanks:
    case ReadReason::wrongForm:
        break;
    }
    return {readerWording(reason).text, false};
}

Text nameText(ReadName name) {
    switch (name) {
    case ReadName::none: break;
    case ReadName::units: return Text::name_units;
    case ReadName::oneStroke: return Text::name_one_stroke;
    case ReadName::tens: return Text::name_tens;
    case ReadName::hundreds: return Text::name_hundreds;
    case ReadName::thousands: return Text::name_thousands;
    case ReadName::millions: return Text::name_millions;
    case ReadName::digits: return Text::name_digits;
    case ReadName::english: return Text::name_english;
    case ReadName::coptic: return Text::name_coptic;
    case ReadName::pronunciation: return Text::name_pronunciation;
    case ReadName::numerals: return Text::name_numerals;
    case ReadName::arabic: return Text::name_arabic;
    case ReadName::arabicPronunciation: return Text::name_pronunciation_arabic;
    }
    return Text::name_digits;
}

std::string worded(const ReadWhy& w, Wording wording, Language language) {
    if (w.reason == ReadReason::none) return {};
    const std::string at =
        wording.at ? say(Text::reason_at, language, {countText(static_cast<std::uint32_t>(w.at), language)})
                   : std::string();
    std::string out = say(wording.text, language,
                          {say(Text::quoted, language, {w.subject}), at, w.subject,
                           say(Text::quoted, language, {w.suffix}), say(Text::quoted, language, {w.other})});
    if (w.first != ReadName::none) // the names stand where the sentence asks: {3} and {4}
        out = say(wording.text, language,
                  {say(Text::quoted, language, {w.subject}), at, say(nameText(w.first), language),
                   say(nameText(w.second), language)});
    if (w.meant != 0)
        out = say(Text::reason_meant, language, {out, groupedText(w.meant, language), w.meantAs});
    return out;
}

} // namespace

ReadName nameOf(WrittenForm form) {
    switch (form) {
    case WrittenForm::digits: return ReadName::digits;
    case WrittenForm::english: return ReadName::english;
    case WrittenForm::coptic: return ReadName::coptic;
    case WrittenForm::pronunciation: return ReadName::pronunciation;
    case WrittenForm::numerals: return ReadName::numerals;
    case WrittenForm::arabic: return ReadName::arabic;
    case WrittenForm::arabicPronunciation: return ReadName::arabicPronunciation;
    }
    return ReadName::digits;
}

std::string_view nameIn(ReadName name, Language language) {
    return say(nameText(name), language);
}

std::string readerSentence(const ReadWhy& why, Language language) {
    return worded(why, readerWording(why.reason), language);
}

std::string learnerSentence(const ReadWhy& why, Language language) {
    return worded(why, learnerWording(why.reason), language);
}

std::string readerMessage(const ReadWhy& why, Language language) {
    std::string out = readerSentence(why, language);
    if (why.reason == ReadReason::none || why.reason == ReadReason::zero) return out;
    return say(Text::reason_with_range, language, {out});
}

} // namespace zefnaro
