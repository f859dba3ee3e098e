// The font dialog through the recording seam: the request and the font it
// starts from, styles, description strings both ways, the accesses before
// and after a choice, the framework font it builds.
#include "widgets/dlgfontsel.h"

#include <gtest/gtest.h>

#include <cstring>

#include "platform/framework/appwindow.h"
#include "platform/framework/recording_seam.h"

namespace {

using widgets::DlgFontSel;

LOGFONTA Chosen(const char* face, int height, int width, int weight, bool italic)
{
    LOGFONTA font{};
    font.lfHeight = height;
    font.lfWidth = width;
    font.lfWeight = weight;
    font.lfItalic = italic;
    strncpy(font.lfFaceName, face, LF_FACESIZE - 1);
    return font;
}

class DlgFontSelTest : public ::testing::Test {
protected:
    RecordingSeam seam;
    TopAppWindow owner;
};

TEST_F(DlgFontSelTest, TheDialogStartsFromTimesNewRomanAtTenPoints)
{
    CHOOSEFONTA seen{};
    LOGFONTA start{};
    seam.inspectFontRequest = [&](CHOOSEFONTA& request) {
        seen = request;
        start = *request.lpLogFont;
    };
    DlgFontSel dialog(owner);
    dialog.TrueTypeFonts().FixedPitchFonts().VariablePitchFonts();
    EXPECT_FALSE(dialog.Show());

    EXPECT_EQ(seen.lStructSize, sizeof(CHOOSEFONTA));
    EXPECT_EQ(seen.hwndOwner, owner.Handle());
    EXPECT_EQ(seen.Flags, DWORD(0x2441 | CF_TTONLY | CF_FIXEDPITCHONLY));
    EXPECT_EQ(seen.nSizeMin, 4);
    EXPECT_EQ(seen.nSizeMax, 22);
    EXPECT_STREQ(start.lfFaceName, "Times New Roman");
    EXPECT_EQ(start.lfWeight, FW_NORMAL);
    EXPECT_EQ(start.lfItalic, 0);
    EXPECT_EQ(start.lfCharSet, DEFAULT_CHARSET);
    HDC screen = GetDC(owner.Handle());
    EXPECT_EQ(start.lfHeight, -MulDiv(10, GetDeviceCaps(screen, LOGPIXELSY), 72));
    ReleaseDC(owner.Handle(), screen);
    EXPECT_EQ(start.lfPitchAndFamily, FIXED_PITCH | VARIABLE_PITCH);

    // Nothing chosen: every access answers empty.
    EXPECT_EQ(dialog.FontToString(), "");
    EXPECT_EQ(dialog.FontName(), "");
    EXPECT_EQ(dialog.Height(), 0);
    EXPECT_FALSE(dialog.Font().has_value());
}

TEST_F(DlgFontSelTest, StylesGiveWeightAndSlant)
{
    const struct {
        int style, weight;
        bool italic;
    } styles[] = {{0, 400, false}, {1, 300, false}, {2, 700, false}, {3, 400, false},
                  {10, 400, true}, {11, 300, true}, {12, 700, true}, {13, 400, true}};
    for (const auto& s : styles) {
        DlgFontSel dialog(owner, "Arial", s.style);
        EXPECT_EQ(dialog.StartFont().lfWeight, s.weight) << s.style;
        EXPECT_EQ(dialog.StartFont().lfItalic != 0, s.italic) << s.style;
    }
}

TEST_F(DlgFontSelTest, DescriptionStringsReadBackAsTheyWereWritten)
{
    const std::string longFace(40, 'F');
    const struct {
        LOGFONTA chosen;
        std::string description;
    } cases[] = {
        {Chosen("Arial", 16, 0, 700, false), "070000160000FArial"},
        {Chosen("Courier New", -13, 7, 400, true), "0400-0130007TCourier New"},
        {Chosen("", 12, 0, 300, false), "030000120000F"},
        {Chosen(longFace.c_str(), 10, 0, 400, false), "040000100000F" + longFace.substr(0, 31)},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.description);
        seam.fontAnswers.push_back(c.chosen);
        DlgFontSel first(owner);
        ASSERT_TRUE(first.Show());
        EXPECT_EQ(first.FontToString(), c.description);
        DlgFontSel again(owner, c.description, 12);
        EXPECT_EQ(again.StartFont().lfWeight, c.chosen.lfWeight);
        EXPECT_EQ(again.StartFont().lfHeight, c.chosen.lfHeight);
        EXPECT_EQ(again.StartFont().lfWidth, c.chosen.lfWidth);
        EXPECT_EQ(again.StartFont().lfItalic, c.chosen.lfItalic);
        EXPECT_EQ(std::string(again.StartFont().lfFaceName), std::string(c.chosen.lfFaceName).substr(0, 31));
    }
    // A short description reads its missing fields as 0, upright, no face.
    DlgFontSel shortOne(owner, "07");
    EXPECT_EQ(shortOne.StartFont().lfWeight, 7);
    EXPECT_EQ(shortOne.StartFont().lfHeight, 0);
    EXPECT_EQ(shortOne.StartFont().lfItalic, 0);
    EXPECT_STREQ(shortOne.StartFont().lfFaceName, "");
}

TEST_F(DlgFontSelTest, TheChosenFontAsAFrameworkFont)
{
    const struct {
        int weight, expected;
    } weights[] = {{100, FW_LIGHT},  {300, FW_LIGHT}, {301, FW_NORMAL},
                   {699, FW_NORMAL}, {700, FW_BOLD},  {900, FW_BOLD}};
    for (const auto& w : weights) {
        seam.fontAnswers.push_back(Chosen("Arial", -15, 6, w.weight, true));
        DlgFontSel dialog(owner);
        ASSERT_TRUE(dialog.Show());
        const std::optional<::Font> font = dialog.Font();
        ASSERT_TRUE(font.has_value());
        EXPECT_EQ(font->GetLogFontStruct().lfWeight, w.expected) << w.weight;
        EXPECT_EQ(font->GetLogFontStruct().lfItalic, 1);
        EXPECT_EQ(font->FaceName(), "Arial");
        EXPECT_EQ(font->Width2(), 6);
        EXPECT_EQ(font->Height2(), -15);
    }
    // A cancel after a choice empties the accesses again.
    seam.fontAnswers.push_back(Chosen("Arial", 12, 0, 400, false));
    DlgFontSel dialog(owner);
    ASSERT_TRUE(dialog.Show());
    EXPECT_EQ(dialog.FontName(), "Arial");
    EXPECT_FALSE(dialog.Show());
    EXPECT_EQ(dialog.FontName(), "");
    EXPECT_EQ(dialog.Weight(), 0);
}

}  // namespace
