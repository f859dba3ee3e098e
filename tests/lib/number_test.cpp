#include "lib/number.h"

#include <gtest/gtest.h>

#include "platform/runtime/numtext.h"

namespace {

struct NormCase {
    double value;
    int maxLen;
    bool trim;
    bool comma;
    const char* expected;
};

TEST(NormNum, FormatsNumbers)
{
    const NormCase cases[] = {
        {5, 15, false, false, "5.000000000000"},
        {5, 15, true, false, "5.0"},
        {7.5, 15, true, false, "7.5"},
        {0, 15, true, false, "0.0"},
        {-0.25, 15, true, false, "-0.25"},
        {99.4, 15, false, false, "99.400000000000"},
        {-9.4, 15, false, false, "-9.400000000000"},
        {123456.5, 15, false, false, "123456.50000000"},
        {1234567.25, 15, false, false, "1234567.2500000"},
        {100.5, 15, true, false, "100.5"},
        {100, 15, true, false, "100.0"},
        {-123.7, 15, true, false, "-123.7"},
        {123.456, 6, false, false, "123.46"},
        {123.456, 4, false, false, " 123"},
        {999.7, 3, false, false, "***"},
        {123, 3, true, false, "123"},
        {1234567890, 5, true, false, "*****"},
        {1234.5, 3, true, false, "***"},
        {2.5, 15, true, true, "2,5"},
        {1234567890, 5, true, true, "*****"},
        {1e20, 15, false, false, "***************"},
        {123456789012345.0, 15, true, false, "123456789012345"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(NormNum(c.value, c.maxLen, c.trim, c.comma), c.expected) << c.value << " " << c.maxLen;
}

TEST(NormNum, ReadsTypedText)
{
    const std::pair<const char*, const char*> cases[] = {
        {"3,25", "3.25"}, {"1,5,7", "1.5"}, {"2.75", "2.75"}, {"abc", "0.0"}, {" -4", "-4.0"}, {"", "0.0"},
    };
    for (const auto& [text, expected] : cases) EXPECT_EQ(NormNum(text, 15, true), expected) << text;
    EXPECT_EQ(NormNum(std::string("1,5,7")), "1.500000000000");
}

TEST(NormNum, LeavesTheRuntimeSeparatorAsItFoundIt)
{
    SetDecimalSep(',');
    EXPECT_EQ(NormNum(2.5, 15, true), "2.5");
    EXPECT_EQ(GetDecimalSep(), ',');
    SetDecimalSep('.');
    EXPECT_EQ(NormNum(2.5, 15, true, true), "2,5");
    EXPECT_EQ(GetDecimalSep(), '.');
}

TEST(Integ, TruncatesTowardZero)
{
    const std::pair<double, double> cases[] = {{3.999, 3}, {-3.999, -3}, {-0.5, 0}, {7, 7}, {2.7, 2}, {-2.7, -2}};
    for (const auto& [value, expected] : cases) EXPECT_EQ(Integ(value), expected) << value;
}

}  // namespace
