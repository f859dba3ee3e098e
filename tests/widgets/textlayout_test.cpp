// Line breaking of the message and wait boxes, with a measure of 10 pixels
// per character.
#include "widgets/textlayout.h"

#include <gtest/gtest.h>

namespace {

using widgets::Paragraphs;
using widgets::WrapParagraphs;

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

}  // namespace
