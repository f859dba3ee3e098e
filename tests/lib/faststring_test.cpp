#include "lib/faststring.h"

#include <gtest/gtest.h>

namespace {

struct SelectCase {
    const char* what;
    std::string text;
    unsigned long flags;
    std::string expected;
};

TEST(FastAnsiSelect, FiltersConvertsAndTransliterates)
{
    const SelectCase cases[] = {
        {"menu access keys: digits, a-z, lower Latin-1",
         "\xC4"
         "1 b_\xDF",
         0x0450, "1b\xDF"},
        {"no flags, no change", "\xC4x", 0, "\xC4x"},
        {"empty text", "", 0x0450, ""},
        {"transliterated", "\xDF\xE4\xF8\xFE\xFF", 0x00100400, "ssaeoethy"},
        {"transliterated in upper case", "\xDF\xE4\xF8", 0x00140400, "SSAEOE"},
        {"upper Latin-1 to lower case, 215 too", "\xC4\xD7", 0x00080200, "\xE4\xF7"},
        {"lower to upper, 223 and 255 stay", "a\xE4\xDF\xFF\xF7", 0x00040440, "A\xC4\xDF\xFF\xD7"},
        {"ASCII letters to lower case", "AbC", 0x00080060, "abc"},
        {"dropped characters become blanks", "a1b2", 0x00200010, " 1 2"},
        {"or question marks", "a1b2", 0x00400010, "?1?2"},
        {"blanks win over question marks", "a1", 0x00600010, " 1"},
        {"255 dropped without its class", "\xFF\xE4", 0x0200, ""},
        {"specials alone",
         "\x8A\x8C"
         "a\xA2\x80",
         0x0800, "\x8A\x8C\xA2"},
        {"specials transliterated, never case-converted", "\x8A\x8C\x9F\xA2", 0x00140800, "SCyc"},
        {"underscore by its own class", "a_-", 0x1000, "_"},
        {"underscore not tried with the specials", "a_\x8A", 0x1800, "\x8A"},
        {"underscore among the punctuation", "_-!", 0x0008, "_-!"},
        {"control characters and NUL", std::string("\0\x01\x1F ", 4), 0x0003, std::string("\0\x01\x1F", 3)},
        {"blank", "a b", 0x0004, " "},
        {"the two upper ranges", "\x80\x9F\xA0\xBF\xC0", 0x0180, "\x80\x9F\xA0\xBF"},
        {"UTF-8 read as ANSI first", "\xC3\xA4x", 0x00020440, "\xE4x"},
        {"OEM 850 read as ANSI first", "\x84", 0x00010400, "\xE4"},
    };
    for (const auto& c : cases) EXPECT_EQ(FastAnsiSelect(c.text, c.flags), c.expected) << c.what;
}

TEST(FastTokenWhiteArray, SplitsAtRunsOfDelimiters)
{
    using Tokens = std::vector<std::string>;
    EXPECT_EQ(FastTokenWhiteArray(",,a,,b,", ",", 10), (Tokens{"a", "b"}));
    EXPECT_EQ(FastTokenWhiteArray(",,a,,b,", ",", 1), (Tokens{"a"}));
    EXPECT_EQ(FastTokenWhiteArray(",,a,,b,", ",", 0), Tokens{});
    EXPECT_EQ(FastTokenWhiteArray("a b\tc", " \t", 10), (Tokens{"a", "b", "c"}));
    EXPECT_EQ(FastTokenWhiteArray("whole", "", 10), (Tokens{"whole"}));
    EXPECT_EQ(FastTokenWhiteArray("", ",", 10), Tokens{});
    const std::string longToken(5000, 'x');
    EXPECT_EQ(FastTokenWhiteArray(longToken + " y " + longToken, " ", 10), (Tokens{longToken, "y", longToken}));
}

TEST(FastTokenWhiteArray, ReadsNumbersWithADecimalComma)
{
    EXPECT_EQ(FastTokenWhiteNumbers("1,5;2.25;x;-3", ";", 10), (std::vector<double>{1.5, 2.25, 0.0, -3.0}));
    EXPECT_EQ(FastTokenWhiteNumbers("1,5,7", ";", 10), (std::vector<double>{1.5}));
}

TEST(FastTokenWhiteCount3, PicksOneToken)
{
    const std::pair<unsigned short, const char*> cases[] = {{0, ""}, {1, "a"}, {2, "b"}, {3, "c"}, {4, ""}};
    for (const auto& [n, token] : cases) EXPECT_EQ(FastTokenWhiteCount3("  a b  c", " ", n), token) << n;
    const std::string longToken(3000, 'x');
    EXPECT_EQ(FastTokenWhiteCount3(longToken + "|z", "|", 1), longToken);
    EXPECT_EQ(FastTokenWhiteCount3(longToken + "|z", "|", 2), "z");
}

TEST(FastMakeLines, WrapsWordsBelowTheWidth)
{
    const std::tuple<const char*, unsigned short, const char*> cases[] = {
        {"aaaa bbbb cccc", 10, "aaaa bbbb\r\ncccc"},
        {"", 10, ""},
        {"  \r\n ", 10, ""},
        {"averyveryverylongword ab", 10, "averyveryverylongword\r\nab"},
        {"ab cd\r\nef", 50, "ab cd ef"},
        {"a b c d", 4, "a b\r\nc d"},
    };
    for (const auto& [text, width, lines] : cases) EXPECT_EQ(FastMakeLines(text, width), lines) << text;
}

}  // namespace
