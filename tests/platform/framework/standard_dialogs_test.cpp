// File, folder and colour dialogs and the help display, answered through the seam.
#include <gtest/gtest.h>

#include <windows.h>
#include <htmlhelp.h>

#include <vector>

#include "platform/framework/appwindow.h"
#include "platform/framework/recording_seam.h"
#include "platform/framework/standard_dialogs.h"

namespace {

TEST(StandardFileDialogTest, ShowsItsSettingsAndTakesTheChosenPath)
{
    RecordingSeam seam;
    TopAppWindow owner;
    StandardFileDialog dialog(&owner, "C:\\daten\\*.kns", false);
    dialog.SetStyle(OFN_OVERWRITEPROMPT, true);
    dialog.SetStyle(OFN_ENABLESIZING, false);
    dialog.SetCaption("MERIDOXA -- Konfiguration speichern");
    dialog.SetFilter({"*.kns", "*.*"}, {"Konfiguration", "Alle Dateien"}, 2);
    EXPECT_EQ(dialog.FilterList(), std::string("Konfiguration\0*.kns\0Alle Dateien\0*.*\0", 37));

    seam.fileAnswers = {"C:\\daten\\neu.kns", ""};
    ASSERT_TRUE(dialog.Show());
    EXPECT_EQ(dialog.FileName(), "C:\\daten\\neu.kns");
    auto shown = seam.CallsOf("SaveFile");
    ASSERT_EQ(shown.size(), 1u);
    EXPECT_EQ(shown[0].text, "C:\\daten\\*.kns");
    EXPECT_EQ(shown[0].detail, "MERIDOXA -- Konfiguration speichern");
    EXPECT_EQ(shown[0].number, OFN_EXPLORER | OFN_PATHMUSTEXIST | OFN_OVERWRITEPROMPT);
    EXPECT_EQ(shown[0].owner, owner.Handle());
    EXPECT_EQ(dialog.FilterIndex(), 2);

    // The second run starts from the chosen path; cancelling empties it.
    EXPECT_FALSE(dialog.Show());
    EXPECT_EQ(seam.CallsOf("SaveFile")[1].text, "C:\\daten\\neu.kns");
    EXPECT_EQ(dialog.FileName(), "");
}

TEST(StandardFolderDialogTest, GivesTheChosenFolderOrKeepsTheStart)
{
    RecordingSeam seam;
    seam.folderAnswers = {"", "D:\\bilder"};
    StandardFolderDialog cancelled(nullptr, "MERIDOXA -- Ordner", "C:\\start");
    EXPECT_FALSE(cancelled.Show());
    EXPECT_EQ(cancelled.Result(), "C:\\start");
    StandardFolderDialog chosen(nullptr, "MERIDOXA -- Ordner", "C:\\start");
    EXPECT_TRUE(chosen.Show());
    EXPECT_EQ(chosen.Result(), "D:\\bilder");
    EXPECT_EQ(seam.CallsOf("Folder")[0].detail, "MERIDOXA -- Ordner");
    EXPECT_EQ(seam.CallsOf("Folder")[0].text, "C:\\start");
}

TEST(PaletteDialogTest, StartsFromItsColourAndGivesTheChosenOneOrKeepsIt)
{
    RecordingSeam seam;
    TopAppWindow owner;
    seam.colorAnswers = {std::nullopt, RGB(0, 128, 255)};
    PaletteDialog dialog(&owner, Color(10, 20, 30));
    EXPECT_FALSE(dialog.Show());
    EXPECT_EQ(dialog.GetColor(), Color(10, 20, 30));
    EXPECT_TRUE(dialog.Show());
    EXPECT_EQ(dialog.GetColor(), Color(0, 128, 255));
    // The next run starts from the chosen colour; an empty script cancels.
    EXPECT_FALSE(dialog.Show());
    EXPECT_EQ(dialog.GetColor(), Color(0, 128, 255));
    const auto shown = seam.CallsOf("Color");
    ASSERT_EQ(shown.size(), 3u);
    EXPECT_EQ(shown[0].number, RGB(10, 20, 30));
    EXPECT_EQ(shown[0].owner, owner.Handle());
    EXPECT_EQ(shown[2].number, RGB(0, 128, 255));
}

TEST(HelpDisplayTest, TopicsAndLinksBecomeHelpViewerCommands)
{
    RecordingSeam seam;
    HelpDisplay help("C:\\user\\zodedado.chm", nullptr);
    help.Show("HelpContents");
    help.Show("HelpIndex");
    help.Show("start.htm");
    help.Show("a_helmertparameter", HelpDisplay::Link::ALink);
    help.Show("Helmert", HelpDisplay::Link::KLink);

    struct Expected {
        UINT command;
        const char* topic;
    };
    const Expected expected[] = {{HH_DISPLAY_TOC, ""},
                                 {HH_DISPLAY_INDEX, ""},
                                 {HH_DISPLAY_TOPIC, "start.htm"},
                                 {HH_ALINK_LOOKUP, "a_helmertparameter"},
                                 {HH_DISPLAY_TOPIC, "a_helmertparameter.htm"},
                                 {HH_KEYWORD_LOOKUP, "Helmert"}};
    auto calls = seam.CallsOf("Help");
    ASSERT_EQ(calls.size(), std::size(expected));
    for (size_t i = 0; i < calls.size(); ++i) {
        SCOPED_TRACE(i);
        EXPECT_EQ(calls[i].text, "C:\\user\\zodedado.chm");
        EXPECT_EQ(calls[i].number, expected[i].command);
        EXPECT_EQ(calls[i].detail, expected[i].topic);
    }
}

TEST(HelpDisplayTest, AnAssociativeLookupWithoutAViewerWindowShowsTheKeywordsPage)
{
    struct Case {
        const char* what;
        bool viewerAnswers;
        HelpDisplay::Link kind;
        std::vector<std::string> calls;  // topic of each help call
    } cases[] = {
        {"associative, no window", false, HelpDisplay::Link::ALink, {"a_farbeinstellung", "a_farbeinstellung.htm"}},
        {"associative, the viewer's window", true, HelpDisplay::Link::ALink, {"a_farbeinstellung"}},
        {"keyword, no window", false, HelpDisplay::Link::KLink, {"a_farbeinstellung"}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        RecordingSeam seam;
        if (c.viewerAnswers) seam.helpAnswer = GetDesktopWindow();
        HelpDisplay("C:\\user\\vezarovu.chm", nullptr).Show("a_farbeinstellung", c.kind);
        std::vector<std::string> topics;
        for (const auto& call : seam.CallsOf("Help")) topics.push_back(call.detail);
        EXPECT_EQ(topics, c.calls);
    }
}

}  // namespace
