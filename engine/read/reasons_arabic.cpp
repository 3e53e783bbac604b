// The reader's Arabic for each reason a text is no written number. What is quoted
// from the text (Coptic, Latin letters, digits) is isolated, so that it keeps its
// own direction inside the Arabic sentence.
#include "engine/arabic.h"
#include "engine/joined.h"
#include "engine/numbers.h"
#include "engine/read_reason.h"
#include "engine/read/reasons_arabic.h"

#include <array>
#include <utility>

namespace zefnaro {

namespace {

std::string q(std::string_view text) {
    return joined({"«\u2068", text, "\u2069»"});
}

std::string number(std::size_t n) {
    std::string out;
    appendArabicDigits(out, static_cast<std::uint32_t>(n));
    return n == 0 ? "٠" : out;
}

std::string at(std::size_t position) {
    return " عند الحرف " + number(position);
}

// The reader's English names of ranks, places and forms in Arabic.
std::string_view named(std::string_view english) {
    static constexpr std::array<std::pair<std::string_view, std::string_view>, 11> names{{
        {"units", "الآحاد"},
        {"tens", "العشرات"},
        {"hundreds", "المئات"},
        {"thousands", "الألوف"},
        {"millions", "الملايين"},
        {"digits", "الأرقام"},
        {"english", "الكلمات الإنجليزية"},
        {"coptic", "الكلمات القبطية"},
        {"pronunciation", "النطق"},
        {"numerals", "الأرقام القبطية"},
        {"arabic", "الكلمات العربية"},
    }};
    for (const auto& [e, a] : names)
        if (e == english) return a;
    return english;
}

// For a learner: no characters counted (the text is quoted) and no "not a number"
// before what is wrong, which the learner's verdict says already.
std::string said(const ReadWhy& w, bool learner) {
    const auto at = [learner](std::size_t position) { return learner ? std::string() : zefnaro::at(position); };
    const std::string notNumber = learner ? "" : "ليس عددًا: ";
    const std::string subjectAt = q(w.subject) + at(w.at);
    switch (w.reason) {
    case ReadReason::none:
        return {};
    case ReadReason::empty:
        return "لم يُكتب شيء";
    case ReadReason::invalidUtf8:
        return "ليس نصًّا: ترميز UTF-8 غير صالح" + at(w.at);
    case ReadReason::signsOrPoints:
        return learner ? q(w.subject) : "ليس عددًا: " + q(w.subject);
    case ReadReason::negative:
        return "الأعداد السالبة لا تُترجم";
    case ReadReason::signed_:
        return "اكتب العدد بلا إشارة";
    case ReadReason::fraction:
        return "الكسور والفواصل العشرية غير مقبولة";
    case ReadReason::cannotFollowDigits:
        return notNumber + subjectAt + " لا يأتي بعد الأرقام";
    case ReadReason::noOrdinalSuffix:
        return notNumber + subjectAt + " ليس لاحقة ترتيبية";
    case ReadReason::wrongSuffix:
        return joined({q(w.subject), " لاحقته ", q(w.first), " لا ", q(w.other), at(w.at)});
    case ReadReason::notInThrees:
        return "يجب أن تفصل الفواصل الأرقام ثلاثة ثلاثة، مثل " + q("1,234,567");
    case ReadReason::tooLarge:
        return "العدد كبير جدًّا";
    case ReadReason::zero:
        return std::string(arabicZeroMessage);
    case ReadReason::unknownWord:
        return notNumber + subjectAt + " ليست من كلمات الأعداد";
    case ReadReason::notANumber:
        return "ليس عددًا";
    case ReadReason::needsNumberAfter:
        return subjectAt + " يحتاج إلى عدد بعده";
    case ReadReason::groupAfterSmaller:
        return subjectAt + " لا يأتي بعد المراتب الأصغر منه";
    case ReadReason::noNumber:
        return "الكلمات" + at(w.at) + " لا تكوّن عددًا";
    case ReadReason::notWrittenSo:
        return "الكلمات" + at(w.at) + " لا تكوّن عددًا على الوجه الذي يُكتب به";
    case ReadReason::mixedGenders:
        return "الكلمات" + at(w.at) + " تخلط صيغ المذكر بصيغ المؤنث";
    case ReadReason::ordinalOfOne:
        return "العدد الترتيبي للواحد هو " + q(w.subject);
    case ReadReason::andMisplaced:
        return q("and") + at(w.at) + " تأتي بعد " + q("hundred") + " أو " + q("thousand") + " أو " +
               q("million");
    case ReadReason::endsOnAnd:
        return "ينتهي العدد بكلمة " + q("and") + at(w.at);
    case ReadReason::mustBeLast:
        return subjectAt + " يجب أن تكون الكلمة الأخيرة";
    case ReadReason::hyphenMisplaced:
        return "الشَّرطة" + at(w.at) + " تأتي بين العشرات والآحاد";
    case ReadReason::cannotStand:
        return subjectAt + " لا يصح في هذا الموضع";
    case ReadReason::needsLetter:
        return "العدد القبطي يحتاج إلى حرف واحد على الأقل";
    case ReadReason::lacksMark:
        return subjectAt + " بلا علامة مرتبة، بخلاف الحروف قبله";
    case ReadReason::hasMark:
        return subjectAt + " عليه علامة مرتبة، بخلاف الحروف قبله";
    case ReadReason::blankInsideRank:
        return "المسافة قبل " + subjectAt + " داخل مرتبة واحدة (لا تفصل المسافة إلا بين المراتب)";
    case ReadReason::comesBefore:
        return joined({subjectAt, ": ", named(w.first), " تأتي قبل ", named(w.second)});
    case ReadReason::placeTaken:
        return joined({subjectAt, ": في ", named(w.first), " حرف من ", named(w.second),
                       " من قبل (لكل منزلة حرف واحد على الأكثر)"});
    case ReadReason::noFontMark:
        return subjectAt + " ليس علامة مرتبة (" + q("=") + " أو " + q("Ë") + " أو " + q("Ì") + ")";
    case ReadReason::markNeedsLetter:
        return "علامة المرتبة" + at(w.at) + " تحتاج إلى حرف عددي بعدها";
    case ReadReason::signNeedsLetter:
        return "علامة الأعداد " + q("͵") + at(w.at) + " تحتاج إلى حرف بعدها";
    case ReadReason::noNumeralLetter:
        return subjectAt + " ليس حرفًا عدديًّا";
    case ReadReason::marksNoPlace:
        return "العلامات على " + subjectAt +
               " لا تدل على مرتبة (خط للآحاد، وخطان للألوف، وثلاثة للملايين)";
    case ReadReason::marksTwoRanks:
        return subjectAt + " معلَّم للألوف ولمرتبة أخرى معًا";
    case ReadReason::wrongForm:
        return joined({"مكتوب ب", named(w.first), " لا ب", named(w.second)});
    }
    return {};
}

} // namespace

std::string arabicSentence(const ReadWhy& why, bool learner) {
    std::string out = said(why, learner);
    if (!why.meant.empty()) {
        std::string meant; // "2,010" in Arabic-Indic digits
        for (const char c : why.meant) {
            if (c >= '0' && c <= '9') meant += joined({"\xD9", std::string(1, static_cast<char>(0xA0 + (c - '0')))});
            else meant += c == ',' ? std::string("٬") : std::string(1, c);
        }
        out += joined({"؛ لكتابة ", meant, " اكتب ", q(why.meantAs)});
    }
    return out;
}

} // namespace zefnaro
