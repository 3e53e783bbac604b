// JSON strings are byte for byte what nlohmann::json writes,
// for any bytes, valid UTF-8 or not.
#include "export/json.h"

#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

#include <random>
#include <string>

namespace {

std::string library(const std::string& s) {
    return nlohmann::json(s).dump(-1, ' ', false, nlohmann::json::error_handler_t::replace);
}

std::string ours(const std::string& s) {
    std::string out;
    zefnaro::json::appendString(out, s);
    return out;
}

TEST(JsonString, LikeTheLibrary) {
    const std::string cases[] = {"",
                                 "2005",
                                 "say \"so\" \\ now",
                                 std::string("nul\0here", 8),
                                 "\b\f\n\r\t\x01\x1f\x7f",
                                 "ⲥ̀ⲛⲁⲩ ⲛ̀ϣⲟ ⲧⲓⲟⲩ",
                                 "Ëb=e",
                                 "\xff\xfe",
                                 "ok\xc3",
                                 "\xed\xa0\x80",     // a surrogate
                                 "\xc0\xaf",         // overlong
                                 "\xf4\x90\x80\x80", // above U+10FFFF
                                 "\xf0\x9f\x98\x80"};
    for (const std::string& s : cases)
        EXPECT_EQ(ours(s), library(s)) << s;
    std::mt19937 gen(9);
    std::uniform_int_distribution<int> length(0, 12), byte(0, 255), ascii(0, 1);
    for (int i = 0; i < 50'000; ++i) {
        std::string s(static_cast<std::size_t>(length(gen)), ' ');
        for (char& c : s)
            c = static_cast<char>(ascii(gen) ? byte(gen) % 128 : byte(gen));
        ASSERT_EQ(ours(s), library(s)) << i;
    }
}

// Strings written one after another into one answer, as a page's answer is: what
// came before stays, however the answer grows.
TEST(JsonString, AppendsKeepWhatCameBefore) {
    std::mt19937 gen(11);
    std::uniform_int_distribution<int> length(0, 300), byte(0, 255);
    std::string answer, expected;
    for (int i = 0; i < 2'000; ++i) {
        std::string s(static_cast<std::size_t>(length(gen)), ' ');
        for (char& c : s)
            c = static_cast<char>(byte(gen) % 4 == 0 ? byte(gen) : 'a' + byte(gen) % 26);
        zefnaro::json::appendString(answer, s);
        expected += library(s);
    }
    EXPECT_EQ(answer, expected);
}

} // namespace
