#include "engine/utf8.h"

#include <gtest/gtest.h>

namespace zefnaro {
namespace {

// The standard's boundaries: the first and last of each length, and the forms it
// rules out (overlong, surrogates, above U+10FFFF, cut short, stray continuation).
TEST(Utf8, WellFormedSequencesAsTheStandardDefinesThem) {
    const struct {
        const char* bytes;
        std::size_t length;
        char32_t code;
    } cases[] = {
        {"A", 1, U'A'},           {"\xC2\x80", 2, 0x80},         {"\xDF\xBF", 2, 0x7FF},
        {"\xE0\xA0\x80", 3, 0x800}, {"\xED\x9F\xBF", 3, 0xD7FF},   {"\xEE\x80\x80", 3, 0xE000},
        {"ⲁ", 3, 0x2C81},          {"\xF0\x90\x80\x80", 4, 0x10000}, {"\xF4\x8F\xBF\xBF", 4, 0x10FFFF},
        {"\xC0\xAF", 0, 0},        {"\xC1\xBF", 0, 0},            {"\xE0\x9F\xBF", 0, 0},
        {"\xED\xA0\x80", 0, 0},    {"\xF0\x8F\xBF\xBF", 0, 0},    {"\xF4\x90\x80\x80", 0, 0},
        {"\xF5\x80\x80\x80", 0, 0}, {"\xE2\xB2", 0, 0},            {"\x80", 0, 0},
    };
    for (const auto& c : cases) {
        const std::string_view text(c.bytes);
        EXPECT_EQ(utf8::sequenceLength(text, 0), c.length) << text;
        const auto decoded = utf8::decodeAt(text, 0);
        EXPECT_EQ(decoded.has_value(), c.length != 0) << text;
        if (!decoded) continue;
        EXPECT_EQ(decoded->code, c.code) << text;
        EXPECT_EQ(utf8::encoded(decoded->code), text); // and back
    }
}

TEST(Utf8, CharactersAsPeopleCountThem) {
    const std::pair<const char*, std::size_t> cases[] = {
        {"", 0}, {"2005", 4}, {"ⲃ̿ⲉ̅", 2}, {"ϣ̿̅ϥ̿̅", 2}, {"ⲥ̀ⲛⲁⲩ", 4}, {"\u0305ⲁ", 2}, {"a\xFF" "b", 3},
    };
    for (const auto& [text, count] : cases)
        EXPECT_EQ(utf8::characters(text), count) << text;
}

} // namespace
} // namespace zefnaro
