#include "zefnaro/read.h"

#include "engine/numbers.h"
#include "engine/read/read_support.h"
#include "engine/say.h"

#include <algorithm>
#include <variant>

namespace zefnaro {

namespace reading {

namespace {

bool isDigit(char32_t c) {
    return c >= U'0' && c <= U'9';
}


Chars trimmed(Chars chars) {
    const auto first =
        std::find_if(chars.begin(), chars.end(), [](const Char& c) { return !isBlank(c.code); });
    chars.erase(chars.begin(), first);
    while (!chars.empty() && isBlank(chars.back().code))
        chars.pop_back();
    return chars;
}

} // namespace

std::optional<Chars> decode(std::string_view text, std::size_t& bad, Kinds& kinds) {
    Chars out;
    out.reserve(text.size());
    std::size_t seen = 0; // characters as people count them: a letter with its marks is one
    for (std::size_t i = 0; i < text.size();) {
        if (const auto b = static_cast<unsigned char>(text[i]); b < 0x80) { // most input
            kinds.fontMark = kinds.fontMark || b == '=';
            out.push_back({b, ++seen});
            ++i;
            continue;
        }
        const auto d = utf8::decodeAt(text, i);
        if (!d) {
            bad = seen + 1;
            return std::nullopt;
        }
        const char32_t c = d->code;
        kinds.coptic = kinds.coptic || isCopticLetter(c);
        kinds.overline = kinds.overline || isNumeralMark(c);
        kinds.fontMark = kinds.fontMark || c == U'=' || c == 0xCB || c == 0xCC;
        if (c >= 0x0600 && c <= 0x06FF) {
            const bool digit = (c >= 0x0660 && c <= 0x066C) || (c >= 0x06F0 && c <= 0x06F9);
            kinds.arabicDigits = kinds.arabicDigits || digit;
            kinds.arabic = kinds.arabic || !digit;
        }
        if (utf8::isCombiningMark(c) && !out.empty()) {
            out.push_back({c, out.back().position});
        } else {
            out.push_back({c, ++seen});
        }
        i += d->length;
    }
    return out;
}

Chars withAsciiDigits(Chars text) {
    for (Char& c : text) {
        if (c.code >= 0x0660 && c.code <= 0x0669) c.code = U'0' + (c.code - 0x0660);
        else if (c.code >= 0x06F0 && c.code <= 0x06F9) c.code = U'0' + (c.code - 0x06F0);
        else if (c.code == 0x066C) c.code = U','; // the Arabic thousands separator
        else if (c.code == 0x066B) c.code = U'.'; // the Arabic decimal separator
    }
    return text;
}

std::string toUtf8(const Chars& chars, std::size_t from, std::size_t to) {
    std::string out;
    for (std::size_t i = from; i < to && i < chars.size(); ++i)
        utf8::append(out, chars[i].code);
    return out;
}

namespace {

// The numeric part [0, end) holds at most a sign before it all and one point: the
// error where it does not, or where the sign or point has no place.
std::optional<Attempt> signsAndPoints(const Chars& text, std::size_t end) {
    std::size_t signs = 0, points = 0;
    for (std::size_t i = 0; i < end; ++i) {
        signs += (text[i].code == U'+' || text[i].code == U'-') ? 1u : 0u;
        points += text[i].code == U'.' ? 1u : 0u;
    }
    const char32_t first = text[0].code;
    const bool signFirst = first == U'+' || first == U'-';
    if (signs > (signFirst ? 1u : 0u) || points > 1)
        return failed(because(ReadReason::signsOrPoints, toUtf8(text, 0, end)), 1,
                      ReadErrorCode::unknownWord);
    if (first == U'-') return failed(because(ReadReason::negative), 1, ReadErrorCode::notWhole);
    if (first == U'+') return failed(because(ReadReason::signed_), 1, ReadErrorCode::notWhole);
    if (points != 0) return failed(because(ReadReason::fraction), 1, ReadErrorCode::notWhole);
    return std::nullopt;
}

// An ordinal suffix of two letters may follow the digits; nothing else may. The
// suffix in lower case, or the error.
std::variant<std::string, Attempt> suffixAfter(const Chars& text, std::size_t end) {
    std::string suffix;
    for (std::size_t i = end; i < text.size(); ++i) {
        const char32_t c = text[i].code;
        if (c <= 0x7F && (c | 0x20) >= U'a' && (c | 0x20) <= U'z')
            suffix += static_cast<char>(c | 0x20);
    }
    if (end < text.size() && (suffix.size() != 2 || text.size() - end != 2))
        return failed(because(ReadReason::cannotFollowDigits, utf8::encoded(text[end].code),
                              text[end].position),
                      text[end].position, ReadErrorCode::unknownWord);
    if (!suffix.empty() && suffix != "st" && suffix != "nd" && suffix != "rd" && suffix != "th")
        return failed(because(ReadReason::noOrdinalSuffix, toUtf8(text, end, text.size()),
                              text[end].position),
                      text[end].position, ReadErrorCode::unknownWord);
    return suffix;
}

// The digits [0, end), commas grouping them in threes where there are any.
std::variant<std::uint32_t, Attempt> groupedValue(const Chars& text, std::size_t end) {
    std::size_t group = 0; // digits since the last comma
    bool grouped = false, firstGroup = true;
    std::uint64_t value = 0;
    for (std::size_t i = 0; i < end; ++i) {
        if (text[i].code == U',') {
            if (group == 0 || group > 3 || (!firstGroup && group != 3))
                return failed(because(ReadReason::notInThrees), text[i].position);
            grouped = true;
            firstGroup = false;
            group = 0;
            continue;
        }
        ++group;
        value = value * 10 + (text[i].code - U'0');
        if (value > largestNumber) return failed(because(ReadReason::tooLarge), text[i].position,
                                                   ReadErrorCode::tooLarge);
    }
    if (grouped && group != 3) return failed(because(ReadReason::notInThrees), end);
    if (value == 0) return failed(because(ReadReason::zero), end, ReadErrorCode::zero);
    return static_cast<std::uint32_t>(value);
}

} // namespace

Attempt readDigits(const Chars& text) {
    std::size_t end = 0; // the numeric part: digits, commas, points, signs
    while (end < text.size() &&
           (isDigit(text[end].code) || text[end].code == U',' || text[end].code == U'.' ||
            text[end].code == U'+' || text[end].code == U'-'))
        ++end;
    if (auto error = signsAndPoints(text, end)) return *error;
    auto suffix = suffixAfter(text, end);
    if (auto* error = std::get_if<Attempt>(&suffix)) return *error;
    const std::string& ordinalSuffix = std::get<std::string>(suffix);
    auto value = groupedValue(text, end);
    if (auto* error = std::get_if<Attempt>(&value)) return *error;
    const std::uint32_t number = std::get<std::uint32_t>(value);
    if (!ordinalSuffix.empty() && ordinalSuffix != getOrdinalSuffix(number)) {
        ReadWhy why = because(ReadReason::wrongSuffix, toUtf8(text, 0, end), text[end].position);
        why.suffix = getOrdinalSuffix(number);
        why.other = toUtf8(text, end, text.size());
        return failed(std::move(why), text[end].position);
    }
    Reading r;
    r.number = number;
    r.written = WrittenForm::digits;
    r.form.kind = kindOf(!ordinalSuffix.empty());
    return Attempt{r, {}, text.size(), ReadErrorCode::none};
}

} // namespace reading

std::string_view formName(WrittenForm form) {
    switch (form) {
    case WrittenForm::digits:
        return "digits";
    case WrittenForm::english:
        return "english";
    case WrittenForm::coptic:
        return "coptic";
    case WrittenForm::pronunciation:
        return "pronunciation";
    case WrittenForm::numerals:
        return "numerals";
    case WrittenForm::arabic:
        return "arabic";
    case WrittenForm::arabicPronunciation:
        return "pronunciation_arabic";
    }
    return "digits";
}

namespace {

ExplainedReading result(reading::Attempt a) {
    using namespace reading;
    if (a.reading) return {ReadResult{*a.reading, {}}, {}};
    std::string message = readerSentence(a.why);
    if (a.code != ReadErrorCode::zero) message = say(Text::reason_with_range, defaultLanguage, {message});
    ReadError error{a.code == ReadErrorCode::none ? ReadErrorCode::misplaced : a.code, a.position, std::move(message)};
    return {ReadResult{{}, std::move(error)}, std::move(a.why)};
}

// The text decoded and trimmed, or the error of a text that is none.
std::variant<reading::Chars, ExplainedReading> decodedText(std::string_view input, reading::Kinds& kinds) {
    using namespace reading;
    std::size_t bad = 0;
    auto decoded = decode(input, bad, kinds);
    if (!decoded)
        return result(failed(because(ReadReason::invalidUtf8, {}, bad), bad, ReadErrorCode::invalidUtf8));
    Chars text = trimmed(std::move(*decoded));
    if (text.empty()) return result(failed(because(ReadReason::empty), 0, ReadErrorCode::empty));
    return text;
}

} // namespace

ExplainedReading readExplainedAs(std::string_view input, WrittenForm form) {
    using namespace reading;
    Kinds kinds;
    auto decoded = decodedText(input, kinds);
    if (auto* error = std::get_if<ExplainedReading>(&decoded)) return std::move(*error);
    const Chars& text = std::get<Chars>(decoded);
    Attempt a;
    switch (form) {
    case WrittenForm::digits:
        a = readDigits(kinds.arabicDigits ? withAsciiDigits(text) : text);
        break;
    case WrittenForm::arabic:
        a = readArabicWords(text);
        break;
    case WrittenForm::arabicPronunciation:
        a = readArabicLetters(text);
        break;
    case WrittenForm::numerals:
        a = kinds.coptic || kinds.overline ? readUnicodeNumerals(text) : readFontNumerals(text);
        break;
    default:
        a = kinds.coptic ? readUnicodeWords(text) : readLatinWords(text);
        if (a.reading && a.reading->written != form) {
            ReadWhy why = because(ReadReason::wrongForm);
            why.first = nameOf(a.reading->written);
            why.second = nameOf(form);
            a = failed(std::move(why), 1, ReadErrorCode::wrongForm);
        }
    }
    return result(a);
}

ExplainedReading readExplained(std::string_view input) {
    using namespace reading;
    // Plain digits, the commonest input by far (a script's numbers), read at once.
    if (!input.empty() && input.size() <= 9 && input[0] != '0' &&
        std::all_of(input.begin(), input.end(), [](char c) { return c >= '0' && c <= '9'; })) {
        ExplainedReading plain;
        for (const char c : input)
            plain.result.reading.number = plain.result.reading.number * 10 + static_cast<std::uint32_t>(c - '0');
        return plain;
    }
    Kinds kinds;
    auto decoded = decodedText(input, kinds);
    if (auto* error = std::get_if<ExplainedReading>(&decoded)) return std::move(*error);
    const Chars& text = kinds.arabicDigits ? withAsciiDigits(std::get<Chars>(std::move(decoded)))
                                           : std::get<Chars>(decoded);

    const char32_t first = text[0].code;
    const bool numeric = isDigit(first) || ((first == U'-' || first == U'+' || first == U'.') &&
                                            text.size() > 1 && isDigit(text[1].code));
    if (numeric) return result(readDigits(text));

    if (kinds.coptic) {
        // Unmarked letters could be words or numerals ("ⲥⲉ" is sixty, or 205 typed
        // without marks): the words win, since the report writes them so exactly,
        // while numerals without marks are only a typing shortcut.
        // Words never carry an overline; a numeral nearly always does.
        if (kinds.overline) return result(readUnicodeNumerals(text));
        const Attempt words = readUnicodeWords(text);
        if (words.reading) return result(words);
        const Attempt numerals = readUnicodeNumerals(text);
        if (numerals.reading) return result(numerals);
        return result(words.progress >= numerals.progress ? words : numerals);
    }
    if (kinds.fontMark) return result(readFontNumerals(text));
    if (kinds.arabic) {
        // Arabic words, or the Coptic words in Arabic letters; where neither, why
        // the words are not a number.
        const Attempt words = readArabicWords(text);
        if (words.reading) return result(words);
        const Attempt letters = readArabicLetters(text);
        return result(letters.reading ? letters : words);
    }

    return result(readLatinWords(text));
}

ReadResult readWrittenNumberAs(std::string_view text, WrittenForm form) {
    return readExplainedAs(text, form).result;
}

ReadResult readWrittenNumber(std::string_view text) {
    return readExplained(text).result;
}

} // namespace zefnaro
