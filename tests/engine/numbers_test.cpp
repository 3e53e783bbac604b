#include "engine/engine.h"
#include "zefnaro/version.h"
#include "zefnaro/write.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <string>

using namespace zefnaro;

namespace {

TEST(OrdinalSuffix, Table) {
    const std::pair<std::uint64_t, const char*> rows[] = {
        {1, "st"},   {2, "nd"},         {3, "rd"},       {4, "th"},      {10, "th"},
        {11, "th"},  {12, "th"},        {13, "th"},      {14, "th"},     {20, "th"},
        {21, "st"},  {22, "nd"},        {23, "rd"},      {100, "th"},    {101, "st"},
        {103, "rd"}, {111, "th"},       {112, "th"},     {121, "st"},    {1000, "th"},
        {0, "th"},   {999999999, "th"}, {1000001, "st"}, {1000012, "th"}};
    for (const auto& [number, suffix] : rows)
        EXPECT_EQ(getOrdinalSuffix(number), suffix) << number;
}

TEST(GroupDigits, Table) {
    const std::pair<std::uint64_t, const char*> rows[] = {
        {5, "5"},
        {0, "0"},
        {1000, "1,000"},
        {123456, "123,456"},
        {999999999, "999,999,999"},
        {1'000'000'000'000'000, "1,000,000,000,000,000"}};
    for (const auto& [number, text] : rows)
        EXPECT_EQ(groupDigits(number), text) << number;
    EXPECT_EQ(groupDigits(largestNumber), largestNumberText);
    EXPECT_EQ(groupDigits(1234567, "."), "1.234.567");
    EXPECT_EQ(groupDigits(1234567, "\u202f"), "1\u202f234\u202f567");
}

} // namespace

namespace {

// Outside the range a write is an error, never a row of empty strings passed off
// as a result; the version is one number three ways.
TEST(PublicApi, WriteErrorsAndVersion) {
    for (std::uint32_t n : {0U, largestNumber + 1, 4'294'967'295U}) {
        const WriteResult w = writeNumber(n);
        EXPECT_EQ(w.error, WriteError::outOfRange) << n;
        EXPECT_TRUE(w.pieces.digits.empty() && w.pieces.coptic.empty()) << n;
    }
    const WriteResult w = writeNumber(largestNumber, {Kind::ordinal, Gender::feminine});
    ASSERT_TRUE(w.ok());
    EXPECT_EQ(w.pieces.digits, "999,999,999th");
    EXPECT_EQ(std::string(version()),
              std::to_string(ZEFNARO_VERSION_MAJOR) + "." + std::to_string(ZEFNARO_VERSION_MINOR) + "." +
                  std::to_string(ZEFNARO_VERSION_PATCH));
}

} // namespace
