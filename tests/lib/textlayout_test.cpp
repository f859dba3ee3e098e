// Line breaking for a width, with a measure of 10 pixels per character.
#include "lib/textlayout.h"

#include <gtest/gtest.h>

namespace {

int TenPerCharacter(const std::string& text)
{
    return static_cast<int>(text.size()) * 10;
}

TEST(TextLayoutTest, TextsBreakIntoLines)
{
    const struct {
        const char* name;
        std::string text;
        int width, breakWidth;
        std::vector<std::string> lines;
    } cases[] = {
        {"one short paragraph", "one two", 100, 100, {"one two "}},
        {"wrapped, trailing blank kept", "one two three", 80, 80, {"one two ", "three "}},
        {"runs of blanks shrink to one", "  one    two  ", 100, 100, {"one two "}},
        {"CR LF splits, a lone LF stays", "a\nb\r\nc", 100, 100, {"a\nb ", "c "}},
        {"LF only splits at LF", "a\nb", 100, 100, {"a ", "b "}},
        {"two breaks make an empty line", "a\r\n\r\nb", 100, 100, {"a ", "", "b "}},
        {"a too wide word alone, then an empty line", "ab abcdefghijkl", 50, 200, {"ab ", "abcdefghijkl", ""}},
        {"an empty text is one empty line", "", 100, 100, {""}},
        {"a tab stays inside its word", "a\tb c", 40, 40, {"a\tb ", "c "}},
        {"a word wider than the break width is broken",
         "ab abcdefghijkl mn",
         50,
         50,
         {"ab ", "abcde", "fghij", "kl mn "}},
        {"broken wider than the width, the rest alone", "abcdefghijklmno n", 50, 80, {"abcdefgh", "ijklmno", "n "}},
        {"a width narrower than a character breaks at each", "abc", 5, 5, {"a", "b", "c", ""}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(WrapParagraphs(Paragraphs(c.text), c.width, c.breakWidth, TenPerCharacter), c.lines);
    }
}

TEST(TextLayoutTest, OnlyWordsWiderThanTheWidthAreBroken)
{
    const struct {
        const char* name;
        std::string text;
        int width;
        std::string broken;
    } cases[] = {
        {"no word too wide: unchanged", "one two  three\r\nfour\nfive ", 50, "one two  three\r\nfour\nfive "},
        {"a wide word between others", "at C:\\dir\\file.txt here", 50, "at C:\\di\r\nr\\fil\r\ne.txt here"},
        {"a word exactly as wide stays", "abcde", 50, "abcde"},
        {"wide words at both ends, after CR LF and LF", "abcdefg\r\nhijklmn\nopqrstu", 30,
         "abc\r\ndef\r\ng\r\nhij\r\nklm\r\nn\nopq\r\nrst\r\nu"},
        {"a tab stays inside its word", "a\tbcdef", 30, "a\tb\r\ncde\r\nf"},
        {"a width narrower than a character breaks at each", "abc d", 5, "a\r\nb\r\nc d"},
        {"an empty text", "", 50, ""},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(BreakWideWords(c.text, c.width, TenPerCharacter), c.broken);
    }
}

}  // namespace
