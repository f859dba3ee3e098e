#include "platform/runtime/system.h"

#include <windows.h>

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

TEST(System, Environment)
{
    SetEnvironmentVariableA("MDX_TEST_VALUE", "c:\\users\\x");
    EXPECT_EQ(GetEnv("MDX_TEST_VALUE"), "c:\\users\\x");
    SetEnvironmentVariableA("MDX_TEST_VALUE", nullptr);
    EXPECT_EQ(GetEnv("MDX_TEST_VALUE"), "");
}

TEST(System, ClockTexts)
{
    std::string date = TodaySortable(), time = TimeOfDay();
    ASSERT_EQ(date.size(), 8u);
    EXPECT_EQ(date.find_first_not_of("0123456789"), std::string::npos);
    EXPECT_GE(date, "20000101");
    ASSERT_EQ(time.size(), 8u);
    EXPECT_EQ(time[2], ':');
    EXPECT_LT(time, "24:00:00");
    double s = Seconds();
    EXPECT_GE(s, 0.0);
    EXPECT_LT(s, 86400.0);
}

TEST(System, RandomSequenceFollowsTheSeed)
{
    RandomSeed(4711);
    std::vector<double> first;
    for (int i = 0; i < 1000; ++i) {
        first.push_back(Random());
        ASSERT_GE(first.back(), 0.0);
        ASSERT_LT(first.back(), 1.0);
    }
    RandomSeed(4711);
    for (double r : first) ASSERT_EQ(Random(), r);
    RandomSeed(4712);
    EXPECT_NE(Random(), first[0]);
}

TEST(System, MemoryFiguresAndOsName)
{
    EXPECT_GT(MemoryFigure(0), 0.0);
    EXPECT_LE(MemoryFigure(1), MemoryFigure(0));
    EXPECT_GT(MemoryFigure(4), 0.0);
    EXPECT_GE(MemoryFigure(100), 0.0);
    EXPECT_LE(MemoryFigure(100), 100.0);
    EXPECT_EQ(MemoryFigure(7), 0.0);
    EXPECT_EQ(OsName().rfind("Windows", 0), 0u) << OsName();
}

}  // namespace
