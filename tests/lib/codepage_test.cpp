#include "lib/codepage.h"

#include <windows.h>

#include <gtest/gtest.h>

namespace {

struct ConversionCase {
    const char* what;
    std::string text;
    CodePageArg from;
    CodePageArg to;
    std::string expected;
};

TEST(ConvMultiByte2MultiByte, ConvertsBetweenCodePages)
{
    ASSERT_EQ(GetACP(), 1252u);
    const ConversionCase cases[] = {
        {"same code page", "\xC4pfel", 1252u, 1252u, "\xC4pfel"},
        {"UTF-8 to ANSI", "\xC3\x84pfel", 2u, 0u, "\xC4pfel"},
        {"ANSI to UTF-8 by its Windows number", "\xFC", 0u, 65001u, "\xC3\xBC"},
        {"UTF-8 named 2 and 65001 still goes through UTF-16", "\xC3\xBC", 2u, 65001u, "\xC3\xBC"},
        {"Cyrillic by language code", "\xC0\xE1", std::string("ru"), 2u, "\xD0\x90\xD0\xB1"},
        {"Greek to ANSI loses what ANSI lacks", "\xC1x", 1253u, 0u, "?x"},
        {"unknown code page number counts as ANSI", "\xE9t\xE9", 4711u, 2u, "\xC3\xA9t\xC3\xA9"},
        {"OEM 850 to ANSI", "\x81", 850u, 1252u, "\xFC"},
        {"empty text", "", 2u, 1252u, ""},
    };
    for (const auto& c : cases) {
        std::string result = "unset";
        std::size_t length = 99;
        EXPECT_TRUE(ConvMultiByte2MultiByte(c.text, c.from, result, length, c.to)) << c.what;
        EXPECT_EQ(result, c.expected) << c.what;
        EXPECT_EQ(length, c.expected.size()) << c.what;
    }
}

TEST(ConvMultiByte2MultiByte, ConvertsInPlace)
{
    std::string text = "\x84rger";
    std::size_t length = 0;
    EXPECT_TRUE(ConvMultiByte2MultiByte(text, 850u, text, length, 0u));
    EXPECT_EQ(text, "\xE4rger");
    EXPECT_EQ(length, 5u);
}

TEST(ConvMultiByte2Unicode, GivesLittleEndianCodeUnitsThatConvertBack)
{
    std::string wide;
    std::size_t bytes = 0;
    ASSERT_TRUE(ConvMultiByte2Unicode("A\x80", 1252u, wide, bytes));
    EXPECT_EQ(bytes, 4u);
    EXPECT_EQ(wide, std::string("A\0\xAC\x20", 4));

    std::string back;
    std::size_t length = 0;
    ASSERT_TRUE(ConvUnicode2MultiByte(wide.data(), bytes, 1252u, back, length));
    EXPECT_EQ(back, "A\x80");
    const wchar_t terminated[] = L"\x20AC!";
    ASSERT_TRUE(ConvUnicode2MultiByte(terminated, 0, 1252u, back, length));
    EXPECT_EQ(back, "\x80!");
    EXPECT_EQ(length, 2u);
}

TEST(Lang2LangId, LooksCodesUpWhateverTheirCase)
{
    const std::pair<const char*, unsigned short> cases[] = {
        {"de", 0x0407}, {"DE", 0x0407}, {"en", 0x0409}, {"bs", 0x041A}, {"sr", 0x041A}, {"kt", 0x0411},
        {"mn", 0x0450}, {"zh", 0x0404}, {"xx", 0x0400}, {"", 0x0400},   {"de", 0x0407},
    };
    for (const auto& [code, id] : cases) EXPECT_EQ(Lang2LangId(code), id) << code;
}

TEST(Lang2CodePage, GivesTheLanguagesAnsiCodePage)
{
    const std::pair<const char*, unsigned long> cases[] = {
        {"de", 1252}, {"ru", 1251}, {"RU", 1251},     {"el", 1253},     {"pl", 1250},
        {"tr", 1254}, {"ja", 932},  {"hy", GetACP()}, {"xx", GetACP()},
    };
    for (const auto& [code, cp] : cases) EXPECT_EQ(Lang2CodePage(code), cp) << code;
}

}  // namespace
