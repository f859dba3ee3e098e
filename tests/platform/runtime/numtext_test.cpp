#include "platform/runtime/numtext.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

namespace {

struct StrCase {
    double x;
    int width, decimals;
    const char* str;
    const char* strZero;
};

TEST(NumberText, StrAndStrZero)
{
    const double inf = std::numeric_limits<double>::infinity();
    const StrCase cases[] = {
        {6378137.0, 15, 7, "6378137.0000000", "6378137.0000000"},
        {6356752.314245, 15, 7, "6356752.3142450", "6356752.3142450"},
        {2.675, 6, 2, "  2.68", "002.68"},  // halves are decimal halves
        {1.005, 5, 2, " 1.01", "01.01"},
        {-2.675, 7, 2, "  -2.68", "-002.68"},  // away from zero
        {0.125, 5, 2, " 0.13", "00.13"},
        {2.5, 3, 0, "  3", "003"},
        {-2.5, 3, 0, " -3", "-03"},
        {0.5, 1, 0, "1", "1"},
        {9.995, 6, 2, " 10.00", "010.00"},    // carry into a new digit
        {999.5, 3, 0, "***", "***"},          // the carry no longer fits
        {123.456, 6, 2, "123.46", "123.46"},  // exactly fits
        {123.456, 5, 2, "*****", "*****"},
        {-12.5, 5, 2, "*****", "*****"},  // the sign needs its place
        {-12.5, 8, 2, "  -12.50", "-0012.50"},
        {-0.001, 6, 2, "  0.00", "000.00"},  // no negative zero
        {-0.0, 4, 1, " 0.0", "00.0"},
        {0.0, 3, 0, "  0", "000"},
        {1e-9, 14, 11, " 0.00000000100", "00.00000000100"},
        {4.5e-12, 14, 11, " 0.00000000000", "00.00000000000"},
        {5e-12, 14, 11, " 0.00000000001", "00.00000000001"},
        {-0.999999999999, 14, 11, "-1.00000000000", "-1.00000000000"},
        {1e20, 25, 2, " 100000000000000000000.00", "0100000000000000000000.00"},
        {0.1 + 0.2, 20, 17, " 0.30000000000000004", "00.30000000000000004"},
        {12345, 7, 0, "  12345", "0012345"},
        {1.5, 4, -1, "   2", "0002"},  // negative decimals count as 0
        {inf, 4, 1, "****", "****"},
        {std::nan(""), 3, 0, "***", "***"},
        {-123, -2, 0, "", ""},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(::testing::Message() << c.x << " w" << c.width << " d" << c.decimals);
        EXPECT_EQ(Str(c.x, c.width, c.decimals), c.str);
        EXPECT_EQ(StrZero(c.x, c.width, c.decimals), c.strZero);
    }
}

TEST(NumberText, StrWithoutWidth)
{
    const std::pair<double, const char*> cases[] = {
        {12, "12"}, {-3.25, "-3.25"}, {0.1, "0.1"}, {-0.0, "0"}, {1e20, "100000000000000000000"}, {1e-7, "0.0000001"},
    };
    for (const auto& [x, text] : cases) EXPECT_EQ(Str(x), text) << x;
}

TEST(NumberText, RoundAsStrRounds)
{
    const double inf = std::numeric_limits<double>::infinity();
    struct Case {
        double x;
        int decimals;
        double rounded;
    };
    const Case cases[] = {
        {2.675, 2, 2.68},  // the decimal half, not the binary value below it
        {1.005, 2, 1.01}, {-2.675, 2, -2.68}, {2.5, 0, 3.0},  {-2.5, 0, -3.0}, {0.35, 1, 0.4},
        {-3.8, 1, -3.8},  {3.86, 0, 4.0},     {1.34, 1, 1.3}, {-0.04, 1, 0.0}, {9.96, 1, 10.0},
        {1e20, 1, 1e20},  {1.5, -1, 2.0},     {inf, 1, inf},  {-inf, 0, -inf},
    };
    SetDecimalSep(',');  // rounding does not read the separator
    for (const Case& c : cases) {
        SCOPED_TRACE(::testing::Message() << c.x << " to " << c.decimals);
        const double rounded = Round(c.x, c.decimals);
        EXPECT_EQ(rounded, c.rounded);
        EXPECT_FALSE(rounded == 0.0 && std::signbit(rounded));
    }
    SetDecimalSep('.');
    EXPECT_TRUE(std::isnan(Round(std::nan(""), 1)));
}

TEST(NumberText, DecimalSeparatorSetting)
{
    EXPECT_EQ(GetDecimalSep(), '.');
    SetDecimalSep(',');
    EXPECT_EQ(Str(2.5, 5, 2), " 2,50");
    EXPECT_EQ(StrZero(-2.5, 6, 1), "-002,5");
    EXPECT_EQ(Str(2.5), "2,5");
    EXPECT_DOUBLE_EQ(Val("2,5"), 2.0);  // reading knows only "."
    SetDecimalSep('.');
    EXPECT_EQ(Str(2.5, 5, 2), " 2.50");
}

TEST(NumberText, Val)
{
    const std::pair<const char*, double> cases[] = {
        {"12.5", 12.5},
        {"  -7.25", -7.25},
        {"\t+3", 3.0},
        {"12.5abc", 12.5},
        {"1,5", 1.0},    // a comma ends the number
        {"1.2.3", 1.2},  // a second point ends it
        {".5", 0.5},
        {"-.5", -0.5},
        {"5.", 5.0},
        {"6.378137e6", 6378137.0},
        {"1E-3x", 0.001},
        {"12e", 12.0},  // an exponent needs digits
        {"12e+", 12.0},
        {"abc", 0.0},
        {"", 0.0},
        {"   ", 0.0},
        {"-", 0.0},
        {"- 5", 0.0},
        {".", 0.0},
        {"x12", 0.0},
        {"0.1", 0.1},  // correctly rounded to the nearest double
        {"6356752.3142451793", 6356752.3142451793},
        {"1e400", std::numeric_limits<double>::infinity()},
        {"1e-400", 0.0},
    };
    for (const auto& [text, value] : cases) EXPECT_EQ(Val(text), value) << '"' << text << '"';
}

// A whole number is Val's syntax from the first to the last character that
// is not a blank; Val reads the leading number of every text below.
TEST(NumberText, WholeNumber)
{
    const std::pair<const char*, double> whole[] = {
        {"12.5", 12.5}, {"  -7.25\t", -7.25},      {"+3", 3.0},     {".5", 0.5},
        {"5.", 5.0},    {"6.378137e6", 6378137.0}, {"1E-3", 0.001},
    };
    for (const auto& [text, expected] : whole) {
        double value = -1.0;
        EXPECT_TRUE(IsWholeNumber(text, value)) << '"' << text << '"';
        EXPECT_EQ(value, expected) << '"' << text << '"';
    }
    for (const char* text : {"12.5m", "1,5", "1.2.3", "4120658..967", "12e", "1e+", "12 3", "6378137,5,1", "-", ".", "",
                             "  ", "x12", "1-2"}) {
        double value = 0.0;
        EXPECT_FALSE(IsWholeNumber(text, value)) << '"' << text << '"';
    }
    double value = 0.0;
    EXPECT_EQ(ScanNumber("x-12.5e2y", 1, value), 7u);
    EXPECT_EQ(value, -1250.0);
    EXPECT_EQ(ScanNumber("x-12.5e2y", 0, value), 0u);
}

TEST(NumberText, StrReadsBackThroughVal)
{
    for (double x : {6378137.0, -0.0000123, 0.3, 299792.458, -1234567.891}) EXPECT_EQ(Val(Str(x)), x) << x;
}

TEST(NumberText, LongRoundsToNearestAndClamps)
{
    const std::pair<double, std::int32_t> cases[] = {
        {3.78, 4},
        {5.656, 6},
        {3.2, 3},
        {2.5, 3},
        {-2.5, -3},
        {-3.78, -4},
        {0.49999999999999994, 0},
        {28.999999999999996, 29},  // 0.29 * 100 lands on the right pixel
        {-0.4, 0},
        {2147483647.4, 2147483647},
        {2147483647.5, 2147483647},
        {1e12, 2147483647},
        {-2147483648.4, -2147483647 - 1},
        {-1e12, -2147483647 - 1},
        {std::numeric_limits<double>::infinity(), 2147483647},
        {-std::numeric_limits<double>::infinity(), -2147483647 - 1},
        {std::nan(""), 0},
    };
    for (const auto& [x, n] : cases) EXPECT_EQ(Long(x), n) << x;
}

TEST(NumberText, ModTakesTheSignOfTheDivisor)
{
    const double cases[][3] = {
        {370, 360, 10}, {-1, 360, 359}, {-720, 360, 0}, {1, -360, -359}, {-30.5, 360, 329.5}, {7, 0, 7},
    };
    for (const auto& c : cases) EXPECT_EQ(Mod(c[0], c[1]), c[2]) << c[0] << " mod " << c[1];
}

TEST(NumberText, PlainByteConversions)
{
    EXPECT_EQ(Bin2L(std::string_view("\x0A\x27\x00\x00", 4)), 9994);
    EXPECT_EQ(Bin2L(std::string_view("\xFE\xFF\xFF\xFF", 4)), -2);
    EXPECT_EQ(Bin2L("\x01"), 1);  // missing bytes count as 0
    EXPECT_EQ(Bin2L(""), 0);
    EXPECT_EQ(Bin2Real8(std::string_view("\x00\x00\x00\x00\x00\x00\xF8\x3F", 8)), 1.5);
    EXPECT_EQ(Bin2Real8(std::string_view("\x00\x00\x00\x00\x00\x00\xF8\x3F"
                                         "tail",
                                         12)),
              1.5);
}

}  // namespace
