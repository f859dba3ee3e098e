#include "platform/runtime/strings.h"
#include "platform/runtime/version.h"

#include <gtest/gtest.h>

#include <string>

namespace {

TEST(Strings, TrimsRemoveBlanksOnly)
{
    EXPECT_EQ(LTrim("  a b  "), "a b  ");
    EXPECT_EQ(RTrim("  a b  "), "  a b");
    EXPECT_EQ(AllTrim("  a b  "), "a b");
    EXPECT_EQ(AllTrim("\ta\r\n"), "\ta\r\n");
    EXPECT_EQ(AllTrim("    "), "");
    EXPECT_EQ(AllTrim(""), "");
}

TEST(Strings, CaseFollowsTheAnsiCodePage)
{
    EXPECT_EQ(Upper("c:\\Programme\\meridoxa 1.0"), "C:\\PROGRAMME\\MERIDOXA 1.0");
    EXPECT_EQ(Lower("C:\\DATEN\\Test.PTS"), "c:\\daten\\test.pts");
    // Windows-1252: a-umlaut E4/C4, o-umlaut F6/D6, u-umlaut FC/DC; sharp s stays.
    EXPECT_EQ(Upper("\xE4\xF6\xFC\xDF"), "\xC4\xD6\xDC\xDF");
    EXPECT_EQ(Lower("\xC4\xD6\xDC"), "\xE4\xF6\xFC");
    EXPECT_EQ(Upper(std::string("a\0b", 3)), std::string("A\0B", 3));
}

TEST(Strings, PadRFillsOrCuts)
{
    EXPECT_EQ(PadR("ab", 5), "ab   ");
    EXPECT_EQ(PadR("abcdef", 3), "abc");
    EXPECT_EQ(PadR("", 2), "  ");
    EXPECT_EQ(PadR("abc", 0), "");
}

TEST(Strings, ReplaceAllReplacesEveryOccurrenceOnce)
{
    const struct {
        const char* text;
        const char* from;
        const char* to;
        const char* result;
    } cases[] = {
        {"a#b#c", "#", "--", "a--b--c"},          {"aaa", "a", "aa", "aaaaaa"},  // a replacement is not searched again
        {"<LF><LF>", "<LF>", "\r\n", "\r\n\r\n"}, {"abc", "", "x", "abc"},      {"abc", "d", "x", "abc"},
    };
    for (const auto& c : cases) EXPECT_EQ(ReplaceAll(c.text, c.from, c.to), c.result) << c.text << " " << c.from;
}

TEST(Strings, EmptyMeansWhiteSpaceOnly)
{
    for (const char* text : {"", " ", "\t \r\n"}) EXPECT_TRUE(Empty(text)) << '"' << text << '"';
    for (const char* text : {"0", " x ", "\t."}) EXPECT_FALSE(Empty(text)) << '"' << text << '"';
}

TEST(Strings, AlphanumericTestKnowsNationalLetters)
{
    for (char c : {'a', 'Z', '0', '9', '\xE4', '\xDF'}) EXPECT_TRUE(IsAlNum(c)) << int(c);
    for (char c : {' ', '.', '-', '_', '\t', '\xB0'}) EXPECT_FALSE(IsAlNum(c)) << int(c);
}

TEST(RuntimeVersion, NamesPlatformVersionTwoEightOnly)
{
    // The platform version is the first of "2.0", "2.5", "2.6", "2.7", "2.8"
    // that the text holds; the text must hold only the last.
    std::string text = RuntimeVersion();
    for (const char* older : {"2.0", "2.5", "2.6", "2.7"}) EXPECT_EQ(text.find(older), std::string::npos) << older;
    EXPECT_NE(text.find("2.8"), std::string::npos);
    EXPECT_EQ(text.rfind(RuntimeName(), 0), 0u);
}

}  // namespace
