#include "lib/sprache.h"

#include <windows.h>

#include <algorithm>
#include <fstream>
#include <gtest/gtest.h>
#include <iterator>
#include <map>
#include <set>

#include "lib/files.h"
#include "platform/framework/controls.h"
#include "platform/framework/dialogs.h"

namespace {

std::string ReadBytes(const std::string& file)
{
    std::ifstream in(file, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

// A language directory of its own per test.
class LanguageFiles : public ::testing::Test {
protected:
    void SetUp() override
    {
        char dir[MAX_PATH];
        GetCurrentDirectoryA(MAX_PATH, dir);
        const auto* test = ::testing::UnitTest::GetInstance()->current_test_info();
        gcPfadSprache = std::string(dir) + "\\" + test->name() + "\\";
        ASSERT_TRUE(DirMakePath(gcPfadSprache));
        gcSprache = "eng";
    }

    void Put(const char* name, const std::string& lines)
    {
        std::ofstream(gcPfadSprache + name, std::ios::binary) << lines;
    }

    // English, a language in OEM code page 850 and one in the ANSI code page.
    void PutThreeLanguages()
    {
        Put("mdx_eng.lng", "[LANGUAGE]\r\nLANG_ISO=eng\r\nLANG_TEXT=English\r\n"
                           "[TESTWIN_STRING]\r\nSTRING_001=Caption\r\nSTRING_002=two<LF>lines\r\n"
                           "STRING_003=No. <#> of #\r\nSTRING_004=  English only \x84  \r\n"
                           "STRING_100=last\r\n"
                           "[TESTWIN_MENUE]\r\nPROOPEN_C=&Open\r\nPROOPEN_D=Opens a file\r\nPROSAVE_C=Save<LF>\r\n"
                           "PRONONE_D=description only\r\n"
                           "[TESTWIN_TITLE]\r\nSTRING_001=other section\r\n");
        Put("mdx_tst.lng", "[LANGUAGE]\r\nLANG_ISO=TsT\r\nLANG_TEXT=Test\r\nLANG_CODEPAGE_FILE=850\r\n"
                           "[TESTWIN_STRING]\r\nSTRING_001=\x84rger\r\n"
                           "[TESTWIN_MENUE]\r\nPROOPEN_C=\x94"
                           "ffnen\r\n");
        Put("mdx_ger.lng", "[LANGUAGE]\r\nLANG_TEXT=Deutsch\r\nLANG_CODEPAGE_FILE=1252\r\nLANG_CODEPAGE_COMP=1252\r\n"
                           "[TESTWIN_STRING]\r\nSTRING_001=Titel\r\nSTRING_002=\r\n");
    }
};

TEST_F(LanguageFiles, TableHasOneRowPerFileWithADisplayText)
{
    PutThreeLanguages();
    Put("mdx_non.lng", "[LANGUAGE]\r\nLANG_ISO=non\r\n");
    Put("mdx_xyz.lng", "[LANGUAGE]\r\nLANG_TEXT=Odd\r\nLANG_CODEPAGE_FILE=4711\r\nLANG_CODEPAGE_COMP=850\r\n");
    Put("other.lng", "[LANGUAGE]\r\nLANG_TEXT=Other\r\n");
    SprachenLaden();
    std::map<std::string, SprachZeile> rows;
    for (const auto& row : gaSprachen) rows[row.cCode] = row;
    ASSERT_EQ(rows.size(), 4u);
    const auto& eng = rows["eng"];
    EXPECT_EQ(eng.cPfad, gcPfadSprache + "mdx_eng.lng");
    EXPECT_EQ(eng.cText, "English");
    EXPECT_EQ(eng.nHilfe, 2);
    EXPECT_EQ(eng.nCodePage, 0u);
    EXPECT_TRUE(eng.lNachfrage);
    EXPECT_EQ(rows["tst"].cPfad, gcPfadSprache + "mdx_tst.lng");
    EXPECT_EQ(rows["tst"].nCodePage, 850u);
    EXPECT_EQ(rows["ger"].nHilfe, 1);
    EXPECT_EQ(rows["ger"].nCodePage, 0u);
    EXPECT_FALSE(rows["ger"].lNachfrage);
    EXPECT_EQ(rows["xyz"].nCodePage, 0u);
    EXPECT_TRUE(rows["xyz"].lNachfrage);
}

TEST_F(LanguageFiles, TableWithoutFilesHoldsThePlaceholder)
{
    Put("mdx_non.lng", "[LANGUAGE]\r\nLANG_ISO=non\r\n");
    SprachenLaden();
    ASSERT_EQ(gaSprachen.size(), 1u);
    const auto& row = gaSprachen[0];
    EXPECT_EQ(row.cCode, "???");
    EXPECT_EQ(row.nHilfe, 2);
    EXPECT_EQ(row.cPfad, gcPfadSprache + "mdx_???.lng");
    EXPECT_EQ(row.cText, "No language files found");
    EXPECT_EQ(row.nCodePage, 0u);
    EXPECT_FALSE(row.lNachfrage);
    // Every text falls back to "-".
    EXPECT_EQ(GetSprachFileText("TESTWIN"), std::vector<std::string>(100, "-"));
    EXPECT_EQ(GetSprachFileMenue("TESTWIN", {"PROOPEN"}), (std::vector<std::vector<std::string>>{{"-"}}));
}

TEST_F(LanguageFiles, NumberedTextsFallBackAndReplaceMarkup)
{
    PutThreeLanguages();
    SprachenLaden();
    const struct {
        const char* language;
        const char* suffix;
        std::map<int, std::string> texts;  // all others "-"
    } cases[] = {
        {"eng",
         "_STRING",
         {{1, "Caption"}, {2, "two\r\nlines"}, {3, "No. # of #"}, {4, "English only \x84"}, {100, "last"}}},
        {"ger",
         "_STRING",
         {{1, "Titel"}, {2, "two\r\nlines"}, {3, "No. # of #"}, {4, "English only \x84"}, {100, "last"}}},
        {"tst",
         "_STRING",
         {{1, "\xE4rger"}, {2, "two\r\nlines"}, {3, "No. # of #"}, {4, "English only \xE4"}, {100, "last"}}},
        {"xxx",
         "_STRING",
         {{1, "Caption"}, {2, "two\r\nlines"}, {3, "No. # of #"}, {4, "English only \x84"}, {100, "last"}}},
        {"eng", "_TITLE", {{1, "other section"}}},
    };
    for (const auto& c : cases) {
        gcSprache = c.language;
        std::vector<std::string> expected(100, "-");
        for (const auto& [n, text] : c.texts) expected[static_cast<std::size_t>(n - 1)] = text;
        EXPECT_EQ(GetSprachFileText("TESTWIN", c.suffix), expected) << c.language << c.suffix;
    }
}

TEST_F(LanguageFiles, MenuTextsComeInPairsWithoutMarkup)
{
    PutThreeLanguages();
    SprachenLaden();
    using Texts = std::vector<std::vector<std::string>>;
    const std::vector<std::string> items{"PROOPEN", "", "PROSAVE", "PRONONE"};
    EXPECT_EQ(GetSprachFileMenue("TESTWIN", items), (Texts{{"&Open", "Opens a file"}, {"-"}, {"Save<LF>"}, {"-"}}));
    gcSprache = "tst";
    EXPECT_EQ(GetSprachFileMenue("TESTWIN", items), (Texts{{"\xF6"
                                                            "ffnen",
                                                            "Opens a file"},
                                                           {"-"},
                                                           {"Save<LF>"},
                                                           {"-"}}));
    EXPECT_TRUE(GetSprachFileMenue("TESTWIN", {}).empty());
}

TEST_F(LanguageFiles, ControlTextsFollowTheChildren)
{
    Put("mdx_eng.lng", "[LANGUAGE]\r\nLANG_TEXT=English\r\n"
                       "[TESTWIN_CONTROL]\r\nBUTOK_C=&OK<LF>now\r\nBUTOK_D=Takes<LF>the input\r\n"
                       "EDITNAME_D=The name <#>\r\n");
    Put("mdx_tst.lng", "[LANGUAGE]\r\nLANG_TEXT=Test\r\nLANG_CODEPAGE_FILE=850\r\n"
                       "[TESTWIN_CONTROL]\r\nEDITNAME_C=N\x84me\r\n");
    SprachenLaden();
    gcSprache = "tst";
    DialogWindow window(nullptr, "TEST_LIB_TEXTE");
    window.AddControl<PushButton>(101)->SetHyperLabel({"BUTOK", "OK", "", ""});
    window.AddControl<FixedText>(102);
    window.AddControl<SingleLineEdit>(103)->SetHyperLabel({"EDITNAME", "", "", ""});
    std::vector<Control*> children;
    const auto rows = GetSprachFileControl(window, "TESTWIN", children);
    EXPECT_EQ(children, window.GetAllChildren());
    ASSERT_EQ(rows.size(), 3u);
    ASSERT_TRUE(rows[0].has_value());
    EXPECT_EQ(rows[0]->caption, "&OK\r\nnow");
    EXPECT_EQ(rows[0]->description, "Takes\nthe input");
    EXPECT_FALSE(rows[1].has_value());
    ASSERT_TRUE(rows[2].has_value());
    EXPECT_EQ(rows[2]->caption, "N\xE4me");
    EXPECT_EQ(rows[2]->description, "The name <#>");
}

TEST_F(LanguageFiles, DialogTakesCaptionAndControlTextsKeepingWhatIsMissing)
{
    Put("mdx_eng.lng", "[LANGUAGE]\r\nLANG_TEXT=English\r\n"
                       "[TESTWIN_STRING]\r\nSTRING_001=Colours\r\nSTRING_002=second\r\n"
                       "[TESTWIN_CONTROL]\r\nBUTOK_C=&Apply\r\nEDITNAME_D=Click to choose\r\n");
    SprachenLaden();
    gcSprache = "eng";
    DialogWindow window(nullptr, "TEST_LIB_TEXTE");
    window.AddControl<PushButton>(101)->SetHyperLabel({"BUTOK", "OK", "Old", ""});
    window.AddControl<SingleLineEdit>(103)->SetHyperLabel({"EDITNAME", "Name", "", ""});
    const auto texts = SprachDialog(window, "TESTWIN");
    ASSERT_EQ(texts.size(), 100u);
    EXPECT_EQ(texts[1], "second");
    EXPECT_EQ(window.Caption(), "Colours");
    const auto children = window.GetAllChildren();
    ASSERT_EQ(children.size(), 2u);
    EXPECT_EQ(children[0]->GetHyperLabel().caption, "&Apply");
    EXPECT_EQ(children[0]->GetHyperLabel().description, "Old");
    EXPECT_EQ(children[1]->GetHyperLabel().caption, "Name");
    EXPECT_EQ(children[1]->GetHyperLabel().description, "Click to choose");
}

// A file in UTF-8 declares code page 65001; with a byte-order mark the
// system's reader decodes it itself, so its texts are converted only once.
TEST_F(LanguageFiles, UtfEightFilesWithAndWithoutByteOrderMarkAreConvertedOnce)
{
    Put("mdx_eng.lng", "[LANGUAGE]\r\nLANG_ISO=eng\r\nLANG_TEXT=English\r\n"
                       "[TESTWIN_STRING]\r\nSTRING_001=Size\r\nSTRING_002=English only\r\n");
    const std::string texts = "LANG_TEXT=Deutsch\r\nLANG_CODEPAGE_FILE=65001\r\n"
                              "[TESTWIN_STRING]\r\nSTRING_001=Gr\xC3\xB6\xC3\x9F"
                              "e\r\n"
                              "[TESTWIN_MENUE]\r\nPROOPEN_C=\xC3\x96"
                              "ffnen\r\n";
    Put("mdx_utf.lng", "[LANGUAGE]\r\nLANG_ISO=utf\r\n" + texts);
    Put("mdx_bom.lng", "\xEF\xBB\xBF[LANGUAGE]\r\nLANG_ISO=bom\r\n" + texts);
    SprachenLaden();
    for (const char* code : {"utf", "bom"}) {
        SCOPED_TRACE(code);
        ASSERT_TRUE(IsSprache(code));
        EXPECT_EQ(GetSprachCodePage(code), std::string(code) == "utf" ? 65001u : 0u);
        gcSprache = code;
        const auto numbered = GetSprachFileText("TESTWIN");
        EXPECT_EQ(numbered[0], "Gr\xF6\xDF"
                               "e");
        EXPECT_EQ(numbered[1], "English only");
        EXPECT_EQ(GetSprachFileMenue("TESTWIN", {"PROOPEN"}), (std::vector<std::vector<std::string>>{{"\xD6"
                                                                                                      "ffnen"}}));
    }
    gcSprache = "eng";
}

TEST_F(LanguageFiles, LooksLanguagesUpExactly)
{
    PutThreeLanguages();
    SprachenLaden();
    EXPECT_TRUE(IsSprache("eng"));
    EXPECT_TRUE(IsSprache("tst"));
    EXPECT_FALSE(IsSprache("ENG"));
    EXPECT_FALSE(IsSprache(""));
    EXPECT_FALSE(IsSprache("fra"));
    EXPECT_EQ(GetSprachPfad("ger"), gcPfadSprache + "mdx_ger.lng");
    EXPECT_EQ(GetSprachPfad("Ger"), "");
    EXPECT_EQ(GetSprachCodePage("tst"), 850u);
    EXPECT_EQ(GetSprachCodePage("fra"), 0u);
}

TEST(GetPrimLangId, KeepsTheLowTenBits)
{
    const std::pair<unsigned, unsigned> cases[] = {{0x0407, 7}, {0x0807, 7}, {0x0C0A, 10}, {0x0400, 0}, {0x042D, 45}};
    for (const auto& [id, primary] : cases) EXPECT_EQ(GetPrimLangId(id), primary) << id;
}

// The entries of a shipped language file as "section/key" and value, in file
// order; the file is in Windows-1252 with CR LF.
std::vector<std::pair<std::string, std::string>> ShippedEntries(const char* name)
{
    const std::string bytes = ReadBytes(MDX_SOURCE_DIR "/lang/" + std::string(name));
    EXPECT_FALSE(bytes.empty()) << name;
    for (std::size_t i = 0; i < bytes.size(); ++i) {
        if (bytes[i] == '\n') {
            EXPECT_TRUE(i > 0 && bytes[i - 1] == '\r') << name << " byte " << i;
        }
        const auto c = static_cast<unsigned char>(bytes[i]);
        if (c >= 0xC2 && c <= 0xF4 && i + 1 < bytes.size()) {
            EXPECT_FALSE((static_cast<unsigned char>(bytes[i + 1]) & 0xC0) == 0x80)
                << name << " holds UTF-8 at byte " << i;
        }
    }
    std::vector<std::pair<std::string, std::string>> entries;
    std::string section;
    std::size_t pos = 0;
    while (pos < bytes.size()) {
        const auto end = bytes.find("\r\n", pos);
        const std::string line = bytes.substr(pos, end - pos);
        pos = end == std::string::npos ? bytes.size() : end + 2;
        if (line.starts_with("["))
            section = line.substr(1, line.find(']') - 1);
        else if (const auto eq = line.find('='); eq != std::string::npos && !line.starts_with(";"))
            entries.emplace_back(section + "/" + line.substr(0, eq), line.substr(eq + 1));
    }
    return entries;
}

// The shipped language files: readable, and with the same sections and keys
// in every language.
TEST(ShippedLanguageFiles, MatchEachOther)
{
    std::map<std::string, std::set<std::string>> keysOf;  // file -> "section/key"
    for (const char* name : {"mdx_eng.lng", "mdx_ger.lng"}) {
        for (const auto& [key, value] : ShippedEntries(name)) {
            EXPECT_TRUE(keysOf[name].insert(key).second) << name << " repeats " << key;
            EXPECT_NE(value, "") << name << " " << key;
        }
    }
    EXPECT_EQ(keysOf["mdx_eng.lng"], keysOf["mdx_ger.lng"]);

    gcPfadSprache = std::string(MDX_SOURCE_DIR "/lang/");
    std::replace(gcPfadSprache.begin(), gcPfadSprache.end(), '/', '\\');
    SprachenLaden();
    ASSERT_TRUE(IsSprache("eng"));
    ASSERT_TRUE(IsSprache("ger"));
    for (const auto& row : gaSprachen) {
        EXPECT_EQ(row.nCodePage, 0u) << row.cCode;
        EXPECT_FALSE(row.lNachfrage) << row.cCode;
    }
}

// No German text is its English one left behind; the same text in both files
// is a name, a number or formula, or a word German writes as English does.
TEST(ShippedLanguageFiles, GermanTextsAreNotEnglish)
{
    const std::set<std::string> same = {// names of the two Helmert conventions and the info button's symbol
                                        "Coordinate Frame Rotation", "Position Vector Transformation", "i",
                                        // numbers and formulas
                                        "1252", "[1/f = a/(a-b)]",
                                        // German words spelt as the English ones
                                        "Ellipsoid", "Format", "Index", "Maximum [m]", "Tooltips", "Version",
                                        "Translation X [m]", "Translation Y [m]", "Translation Z [m]"};
    const auto english = ShippedEntries("mdx_eng.lng");
    const std::map<std::string, std::string> german = [] {
        const auto entries = ShippedEntries("mdx_ger.lng");
        return std::map<std::string, std::string>(entries.begin(), entries.end());
    }();
    for (const auto& [key, value] : english) {
        const auto found = german.find(key);
        if (found != german.end() && !same.contains(value)) {
            EXPECT_NE(found->second, value) << key;
        }
    }
}

}  // namespace
