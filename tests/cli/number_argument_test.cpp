#include "cli/number_argument.h"

#include <gtest/gtest.h>

using zefnaro::cli::parseNumberArgument;

namespace {

TEST(NumberArgument, Accepted) {
    const std::pair<const char*, long> rows[] = {{"1", 1},
                                                 {"2005", 2005},
                                                 {" 12 ", 12},
                                                 {"\t7\r", 7},
                                                 {"1,234", 1234},
                                                 {"1,234,567", 1234567},
                                                 {"999,999,999", 999999999},
                                                 {"007", 7},
                                                 {"12,345", 12345},
                                                 {"999999999", 999999999}};
    for (const auto& [input, value] : rows) {
        const auto p = parseNumberArgument(input);
        EXPECT_TRUE(p.ok()) << input << ": " << p.reason;
        EXPECT_EQ(p.value, value) << input;
    }
}

TEST(NumberArgument, RejectedWithReason) {
    const std::pair<const char*, const char*> rows[] = {{"", "empty"},
                                                        {"   ", "empty"},
                                                        {"-5", "negative"},
                                                        {"1.5", "fraction"},
                                                        {"1.0", "fraction"},
                                                        {"abc", "not a number"},
                                                        {"12abc", "not a number"},
                                                        {"1000000000", "too large"},
                                                        {"99999999999999999999", "too large"},
                                                        {"1,23", "commas"},
                                                        {"1234,567", "commas"},
                                                        {",123", "commas"},
                                                        {"1,,234", "commas"},
                                                        {"+5", "sign"},
                                                        {"1 2", "not a number"},
                                                        {"&HFF", "not a number"},
                                                        {"1E3", "not a number"}};
    for (const auto& [input, word] : rows) {
        const auto p = parseNumberArgument(input);
        EXPECT_FALSE(p.ok()) << input;
        EXPECT_NE(p.reason.find(word), std::string::npos) << input << ": " << p.reason;
        EXPECT_NE(p.reason.find("1 to 999,999,999"), std::string::npos) << input;
    }
    for (const char* zero : {"0", "000", "0,000"})
        EXPECT_EQ(parseNumberArgument(zero).reason, "The number 0 (zero) does not exist in Coptic");
}

} // namespace
