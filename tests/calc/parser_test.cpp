#include "calc/parser.h"

#include <gtest/gtest.h>

#include <array>
#include <string>
#include <vector>

#include "calc/formats.h"
#include "calc/pump.h"

namespace {

using calc::ParseStatus;

struct Parsed {
    calc::ParseResult result;
    std::vector<std::string> numbers;
    std::vector<double> triples;  // the buffer of the format's class
};

Parsed Parse(const std::string& text, int format, bool comma = false, std::uint32_t capacity = 100)
{
    Parsed p;
    std::vector<double> geo(3 * capacity, -1), cart(3 * capacity, -1), input(3 * capacity, -1);
    calc::ParseTarget target{geo.data(), cart.data(), input.data(), capacity};
    auto lines = calc::SplitLines(text);
    p.result = calc::ParsePointList(lines, format, comma, target, p.numbers);
    const std::vector<double>& used = calc::ClassOfFormat(format) == calc::FormatClass::Cartesian    ? cart
                                      : calc::ClassOfFormat(format) == calc::FormatClass::Geographic ? geo
                                                                                                     : input;
    p.triples.assign(used.begin(), used.begin() + 3 * p.result.count);
    return p;
}

struct FormatCase {
    int format;
    std::string line;
    std::string number;
    std::array<double, 3> triple;
};

// One accepted line per format: the point number and the triple in buffer order.
class EveryFormat : public ::testing::TestWithParam<FormatCase> {};

TEST_P(EveryFormat, StoresTheTripleInBufferOrder)
{
    const FormatCase& c = GetParam();
    Parsed p = Parse(c.line, c.format);
    ASSERT_EQ(p.result.status, ParseStatus::Ok) << c.line;
    ASSERT_EQ(p.result.count, 1u);
    EXPECT_EQ(p.numbers.at(0), c.number);
    EXPECT_DOUBLE_EQ(p.triples[0], c.triple[0]);
    EXPECT_DOUBLE_EQ(p.triples[1], c.triple[1]);
    EXPECT_DOUBLE_EQ(p.triples[2], c.triple[2]);
}

INSTANTIATE_TEST_SUITE_P(Formats, EveryFormat,
                         ::testing::Values(FormatCase{1, "  40.5 60.25 50.75", "1", {40.5, 60.25, 50.75}},
                                           FormatCase{2, "P17 40.5 60.25 50.75", "P17", {40.5, 60.25, 50.75}},
                                           FormatCase{3, "8.2 50.1 120", "1", {8.2, 50.1, 120}},
                                           FormatCase{4, "A1 8.2 50.1 120", "A1", {8.2, 50.1, 120}},
                                           FormatCase{5, "50.1 8.2 120", "1", {8.2, 50.1, 120}},
                                           FormatCase{6, "7 50.1 8.2 120", "7", {8.2, 50.1, 120}},
                                           FormatCase{7, "8.2 50.1", "1", {8.2, 50.1, 0}},
                                           FormatCase{8, "x 8.2 50.1", "x", {8.2, 50.1, 0}},
                                           FormatCase{9, "50.1 8.2", "1", {8.2, 50.1, 0}},
                                           FormatCase{10, "Q9 50.1 8.2", "Q9", {8.2, 50.1, 0}},
                                           FormatCase{11, "83000 503020.5 99.5", "1", {83000, 503020.5, 99.5}},
                                           FormatCase{12, "N1 83000 503020.5 99.5", "N1", {83000, 503020.5, 99.5}},
                                           FormatCase{13, "503020.5 83000 99.5", "1", {83000, 503020.5, 99.5}},
                                           FormatCase{14, "N2 503020.5 83000 99.5", "N2", {83000, 503020.5, 99.5}},
                                           FormatCase{15, "83000 503020.5", "1", {83000, 503020.5, 0}},
                                           FormatCase{16, "N3 83000 503020.5", "N3", {83000, 503020.5, 0}},
                                           FormatCase{17, "503020.5 83000", "1", {83000, 503020.5, 0}},
                                           FormatCase{18, "N4 503020.5 83000", "N4", {83000, 503020.5, 0}},
                                           FormatCase{19, "32500000 5600000 12", "1", {32500000, 5600000, 12}},
                                           FormatCase{20, "U1 32500000 5600000 12", "U1", {32500000, 5600000, 12}},
                                           FormatCase{21, "32500000 5600000", "1", {32500000, 5600000, 0}},
                                           FormatCase{22, "U2 32500000 5600000", "U2", {32500000, 5600000, 0}}));

TEST(FormatTable, ClassesNamesAndEllipsoidNeed)
{
    for (int f = 1; f <= calc::kFormatCount; ++f) {
        calc::FormatClass expected = f <= 2    ? calc::FormatClass::Cartesian
                                     : f <= 10 ? calc::FormatClass::Geographic
                                     : f <= 18 ? calc::FormatClass::Dms
                                               : calc::FormatClass::Utm;
        EXPECT_EQ(calc::ClassOfFormat(f), expected) << f;
        EXPECT_EQ(calc::NeedsEllipsoid(f), f > 2) << f;
        EXPECT_FALSE(calc::FormatName(f, true).empty());
        EXPECT_NE(calc::FormatName(f, true), calc::FormatName(f, false));
    }
    EXPECT_EQ(calc::FormatName(2, false), "Cartesian Coordinates (No,X,Y,Z)");
    EXPECT_EQ(calc::FormatName(17, true), "Geogr. Koord. [Grad,Min,Sek] (B,L)");
    EXPECT_EQ(calc::FormatName(23, false), "");
}

struct TokenCase {
    std::string text;
    std::vector<double> values;
    bool malformed = false;
};

class Tokens : public ::testing::TestWithParam<TokenCase> {};

TEST_P(Tokens, ReadsTheNumbersOfAText)
{
    const TokenCase& c = GetParam();
    const calc::Tokens tokens = calc::Tokenise(c.text);
    EXPECT_EQ(tokens.malformed, c.malformed) << c.text;
    if (c.malformed) return;
    ASSERT_EQ(tokens.values.size(), c.values.size()) << c.text;
    for (std::size_t i = 0; i < c.values.size(); ++i) EXPECT_DOUBLE_EQ(tokens.values[i], c.values[i]) << c.text;
}

INSTANTIATE_TEST_SUITE_P(
    Texts, Tokens,
    ::testing::Values(TokenCase{"10 -5 7", {10, -5, 7}}, TokenCase{"1-2", {1, -2}}, TokenCase{"10-5-7", {10, -5, -7}},
                      TokenCase{"1.5E-3 2e2 3E+1", {0.0015, 200, 30}}, TokenCase{".5 5.", {0.5, 5}},
                      TokenCase{"-.5", {-0.5}}, TokenCase{"8;25;50", {8, 25, 50}}, TokenCase{"8, 25,\t50", {8, 25, 50}},
                      TokenCase{"1 2 3 4 5", {1, 2, 3}}, TokenCase{" \t; ", {}},
                      // a number must be the whole word
                      TokenCase{"4120658..967 1 2", {}, true}, TokenCase{"4120658.967.5 1 2", {}, true},
                      TokenCase{"12.5m 1 2", {}, true}, TokenCase{"1 - 2 3", {}, true}, TokenCase{"1e 2 3", {}, true},
                      TokenCase{"1.5E 7", {}, true}, TokenCase{"+4x-2", {}, true}, TokenCase{"P1 1 2", {}, true},
                      TokenCase{"1 2 3(", {}, true}, TokenCase{"a - b + c", {}, true},
                      TokenCase{"no digits here", {}, true}));

TEST(Parser, DecimalCommaAppliesAfterThePointNumber)
{
    Parsed on = Parse("8,25;50,5", 7, true);
    ASSERT_EQ(on.result.status, ParseStatus::Ok);
    EXPECT_DOUBLE_EQ(on.triples[0], 8.25);
    EXPECT_DOUBLE_EQ(on.triples[1], 50.5);

    // Without the option the commas split the numbers: four numbers where
    // the format takes two.
    Parsed off = Parse("8,25;50,5", 7, false);
    EXPECT_EQ(off.result.status, ParseStatus::BadLine);
    EXPECT_EQ(off.result.fault, calc::LineFault::ExtraNumbers);

    Parsed numbered = Parse("P1 8,25 50,5", 8, true);
    ASSERT_EQ(numbered.result.status, ParseStatus::Ok);
    EXPECT_EQ(numbered.numbers[0], "P1");
    EXPECT_DOUBLE_EQ(numbered.triples[0], 8.25);
    EXPECT_DOUBLE_EQ(numbered.triples[1], 50.5);

    // A decimal comma belongs to the point number; otherwise a comma ends it.
    Parsed commaNumber = Parse("P1,5 8,25 50,5", 8, true);
    ASSERT_EQ(commaNumber.result.status, ParseStatus::Ok);
    EXPECT_EQ(commaNumber.numbers[0], "P1,5");
    Parsed listed = Parse("P1,8.25,50.5", 8, false);
    ASSERT_EQ(listed.result.status, ParseStatus::Ok);
    EXPECT_EQ(listed.numbers[0], "P1");
    EXPECT_DOUBLE_EQ(listed.triples[1], 50.5);
}

TEST(Parser, PointNumbersAreKeptAsWrittenAndLinesWithoutDigitsSkipped)
{
    Parsed p = Parse("12 40 50 60\r\nP a b c\r\n   \r\n\r\ntext only\r\n-3 1 2 3\r\n007 4 5 6\r\nA-1 7 8 9\r\n"
                     "12.5 1 2 3\r\nP_1;1;2;3",
                     2);
    ASSERT_EQ(p.result.status, ParseStatus::Ok);
    ASSERT_EQ(p.result.count, 6u);
    EXPECT_EQ(p.numbers, (std::vector<std::string>{"12", "-3", "007", "A-1", "12.5", "P_1"}));
    EXPECT_EQ(p.triples, (std::vector<double>{40, 50, 60, 1, 2, 3, 4, 5, 6, 7, 8, 9, 1, 2, 3, 1, 2, 3}));
}

TEST(Parser, CountedPointNumbersSkipLinesWithoutNumbers)
{
    Parsed p = Parse("1 2 3\r\n\r\nno numbers\r\n4 5 6", 1);
    ASSERT_EQ(p.result.status, ParseStatus::Ok);
    EXPECT_EQ(p.numbers, (std::vector<std::string>{"1", "2"}));

    Parsed bad = Parse("1 2 3\r\n\r\nno numbers\r\n4 5 6\r\n7 8", 1);
    EXPECT_EQ(bad.result.status, ParseStatus::BadLine);
    EXPECT_EQ(bad.result.badLine, 5u);
    EXPECT_EQ(bad.result.count, 0u);
}

struct BadCase {
    int format;
    std::string text;
    std::uint32_t line;
    calc::LineFault fault;
};

class BadLines : public ::testing::TestWithParam<BadCase> {};

TEST_P(BadLines, AreReportedWithTheirLineNumber)
{
    const BadCase& c = GetParam();
    Parsed p = Parse(c.text, c.format);
    EXPECT_EQ(p.result.status, ParseStatus::BadLine) << c.text;
    EXPECT_EQ(p.result.badLine, c.line) << c.text;
    EXPECT_EQ(p.result.count, 0u);
    EXPECT_EQ(p.result.fault, c.fault) << c.text;
}

using enum calc::LineFault;
INSTANTIATE_TEST_SUITE_P(
    Lines, BadLines,
    ::testing::Values(
        BadCase{7, "8.2", 1, Layout}, BadCase{1, "1 2 3\r\n5", 2, Layout}, BadCase{3, "1 2", 1, Layout},
        BadCase{19, "1 2 3\r\n\r\n1 2", 3, Layout}, BadCase{21, "1", 1, Layout}, BadCase{2, "P1 1 2", 1, Layout},
        BadCase{1, "60000000.0001 0 0", 1, OutOfRange}, BadCase{7, "1 2 -60000001", 1, ExtraNumbers},
        BadCase{7, "1 -60000001", 1, OutOfRange}, BadCase{1, "1e400 0 0", 1, OutOfRange},
        BadCase{1, "1 2 1e999", 1, OutOfRange}, BadCase{12, "N1 2 3\r\nN2 1 2 3", 1, Layout},
        // more numbers than the format takes: never dropped
        BadCase{1, "1,000,000 2 3", 1, ExtraNumbers}, BadCase{11, "8 30 0 50 30 20.5 99.5", 1, ExtraNumbers},
        BadCase{7, "8.5 50.25 100", 1, ExtraNumbers}, BadCase{22, "N1 32500000 5000000 100", 1, ExtraNumbers},
        // a zone-60 easting is beyond every format's range
        BadCase{21, "60500000 5000000", 1, OutOfRange},
        // a word that is not one number, never a part of it
        BadCase{1, "1 2 3\r\n4120658..967 699532.681 4801329.4", 2, Malformed},
        BadCase{1, "4120658.967.5 699532.681 4801329.4", 1, Malformed}, BadCase{3, "12.5m 50.1 120", 1, Malformed},
        BadCase{3, "8.2 - 50.1 120", 1, Malformed}, BadCase{7, "8.2 50.1 -", 1, Malformed},
        BadCase{3, "8.2 50.1 1e", 1, Malformed}, BadCase{2, "P1 8.2 50.1 120m", 1, Malformed},
        BadCase{1, "1 2 3\r\nP1 4120658.967 699532.681 4801329.4", 2, Malformed},
        // a line with a digit holds a point: a point number alone or with
        // words for values is refused as in the formats without one
        BadCase{2, "P4 1 2 3\r\nP5 a b c\r\nP6 4 5 6", 2, Malformed}, BadCase{1, "1 2 3\r\nP5 a b c", 2, Malformed},
        BadCase{8, "Q1 8.2 50.1\r\nQ2 - -", 2, Malformed}, BadCase{2, "1 2 3 4\r\nP17", 2, Layout},
        BadCase{22, "U2\t;", 1, Layout}));

TEST(Parser, ExactLimitPassesAndEmptyListsHoldNoPoints)
{
    Parsed limit = Parse("60000000 -60000000 0", 1);
    EXPECT_EQ(limit.result.status, ParseStatus::Ok);
    for (const char* text : {"", "\r\n\r\n", "  \t \r\n"}) {
        Parsed empty = Parse(text, 1);
        EXPECT_EQ(empty.result.status, ParseStatus::Ok);
        EXPECT_EQ(empty.result.count, 0u);
    }
}

TEST(Parser, MorePointsThanTheCapacityAreRefused)
{
    std::string text;
    for (int i = 0; i < 6; ++i) text += "1 2 3\r\n\r\n";
    Parsed fits = Parse(text, 1, false, 6);
    EXPECT_EQ(fits.result.status, ParseStatus::Ok);
    EXPECT_EQ(fits.result.count, 6u);
    Parsed over = Parse(text + "4 5 6", 1, false, 6);
    EXPECT_EQ(over.result.status, ParseStatus::TooManyPoints);
    EXPECT_EQ(over.result.badLine, 13u);
}

TEST(Parser, LineBreaksOfPastedText)
{
    EXPECT_EQ(calc::SplitLines("").size(), 1u);
    EXPECT_EQ(calc::SplitLines("a\r\nb\r\n"), (std::vector<std::string_view>{"a", "b", ""}));
    // A lone LF ends no line in the edit field, so none here: line numbers
    // in messages are the ones the user sees.
    EXPECT_EQ(calc::SplitLines("a\nb\r\nc"), (std::vector<std::string_view>{"a\nb", "c"}));
    Parsed p = Parse("1 2 3\n4 5 6\r\n7 8", 1);
    EXPECT_EQ(p.result.status, ParseStatus::BadLine);
    EXPECT_EQ(p.result.badLine, 1u);
    EXPECT_EQ(p.result.fault, calc::LineFault::ExtraNumbers);
}

int g_dispatched = 0;
void CountDispatch()
{
    ++g_dispatched;
}

TEST(Pump, DispatchesOnEvery26thCall)
{
    calc::MessageDispatcher previous = calc::SetMessageDispatcher(CountDispatch);
    // Align the process-wide counter with a dispatch first.
    while (g_dispatched == 0) calc::VoEventLoop();
    g_dispatched = 0;
    for (int i = 0; i < 52; ++i) calc::VoEventLoop();
    EXPECT_EQ(g_dispatched, 2);
    calc::SetMessageDispatcher(previous);
}

}  // namespace
