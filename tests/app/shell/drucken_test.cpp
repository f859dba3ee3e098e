#include "app/shell/drucken.h"

#include <gtest/gtest.h>

#include "app/shell/globals.h"
#include "platform/framework/printer.h"
#include "shell_fixture.h"
#include "tests/app/calcwindow/calcwindow_fixture.h"

namespace {

using calcwindow_test::CalcWindowTest;

std::string WinShellText(int n)
{
    return GetSprachFileText("WINSHELL")[static_cast<std::size_t>(n - 1)];
}

class FrameCommandsTest : public CalcWindowTest {
protected:
    void SetUp() override
    {
        CalcWindowTest::SetUp();
        aTexte = GetSprachFileText("WINSHELL");
        seam.defaultPrinter = "Laser,winspool,LPT1:";
        goDrucker.reset();
    }
    void TearDown() override
    {
        goDrucker.reset();
        CalcWindowTest::TearDown();
    }

    // The frame window's numbered texts.
    std::vector<std::string> aTexte;
};

TEST_F(FrameCommandsTest, ACancelledPrinterSetUpKeepsThePreviousPrinterAndPaper)
{
    goDrucker = std::make_unique<PrintingDevice>();
    goDrucker->SetOrientation(DMORIENT_LANDSCAPE);
    goDrucker->SetCopies(3);
    goDrucker->SetPaperSize(DMPAPER_A3);
    for (const bool lHinweis : {false, true}) {
        SCOPED_TRACE(lHinweis);
        goHinweis->HideMeldung();
        EXPECT_FALSE(ProDruckerEinstellen(lHinweis));
        EXPECT_EQ(goDrucker->Device(), "Laser");
        EXPECT_EQ(goDrucker->Orientation(), DMORIENT_LANDSCAPE);
        EXPECT_EQ(goDrucker->Copies(), 3);
        EXPECT_EQ(goDrucker->PaperSize(), DMPAPER_A3);
        EXPECT_EQ(goHinweis->IsVisible(), lHinweis);
    }
    seam.printSetupAnswer = true;
    EXPECT_TRUE(ProDruckerEinstellen());
    EXPECT_EQ(seam.CallsOf("PrintSetup").size(), 3u);
}

TEST_F(FrameCommandsTest, TheFormIsPrintedOnlyAfterYes)
{
    for (const int nAntwort : {IDNO, IDYES}) {
        SCOPED_TRACE(nAntwort);
        seam.calls.clear();
        seam.messageBoxAnswers = {nAntwort};
        shell::DruckenF(*frame, aTexte);
        const auto aFragen = seam.CallsOf("MessageBox");
        ASSERT_EQ(aFragen.size(), 1u);
        EXPECT_EQ(aFragen[0].detail, "MERIDOXA");
        EXPECT_EQ(aFragen[0].number, MB_YESNO | MB_ICONQUESTION);
        EXPECT_EQ(seam.CallsOf("StartDoc").size(), nAntwort == IDYES ? 1u : 0u);
    }
    // The job carries the program's name, as the report's does.
    EXPECT_EQ(seam.CallsOf("StartDoc")[0].text, "MERIDOXA");
    EXPECT_EQ(seam.CallsOf("EndDoc").size(), 1u);
    EXPECT_EQ(Fehler(), "");
    // The default printer served this print only.
    EXPECT_FALSE(goDrucker);
    ASSERT_EQ(seam.CallsOf("PrinterDC").size(), 1u);
    EXPECT_EQ(seam.CallsOf("PrinterDC")[0].text, "Laser");
}

// A printer that is named but refuses the job at any step: the question was
// answered, so the failure is said after it, with the printer text.
TEST_F(FrameCommandsTest, APrinterThatRefusesTheFormSaysSo)
{
    goDrucker = std::make_unique<PrintingDevice>();
    for (const char* step : {"StartDoc", "StartPage", "EndPage", "EndDoc"}) {
        SCOPED_TRACE(step);
        seam.calls.clear();
        seam.refusedPrintCall = step;
        goFehler->HideMeldung();
        seam.messageBoxAnswers = {IDYES};
        shell::DruckenF(*frame, aTexte);
        EXPECT_EQ(seam.CallsOf("MessageBox").size(), 1u);
        EXPECT_EQ(seam.CallsOf(step).size(), 1u);
        EXPECT_EQ(Fehler(), WinShellText(shell::kTextDruckerUngueltig));
    }
    seam.refusedPrintCall.clear();
}

// As printing the report: the printer is checked before the question.
TEST_F(FrameCommandsTest, WithoutAUsablePrinterTheFormPrintingSaysSoAndAsksNothing)
{
    seam.defaultPrinter.clear();
    for (const bool lGeraet : {false, true}) {
        SCOPED_TRACE(lGeraet);
        if (lGeraet) goDrucker = std::make_unique<PrintingDevice>();
        seam.calls.clear();
        goFehler->HideMeldung();
        seam.messageBoxAnswers = {IDYES};
        shell::DruckenF(*frame, aTexte);
        EXPECT_TRUE(seam.CallsOf("MessageBox").empty());
        EXPECT_TRUE(seam.CallsOf("StartDoc").empty());
        EXPECT_EQ(Fehler(), WinShellText(shell::kTextDruckerUngueltig));
    }
}

TEST_F(FrameCommandsTest, PicturesGoIntoTheChosenFolderUnderTheProgramsName)
{
    const std::string cOrdner = shell_test::FreshDir("bilder");
    struct Case {
        bool lGif;
        int nAntwort;
        std::string cOrdnerAntwort;  // empty: the folder dialog is cancelled
        bool lDatei;
    };
    const std::string cOhneStrich = cOrdner.substr(0, cOrdner.size() - 1);
    const Case aFaelle[] = {
        {false, IDNO, cOrdner, false}, {false, IDYES, "", false},           {false, IDYES, cOhneStrich, true},
        {false, IDYES, cOrdner, true}, {true, IDYES, Upper(cOrdner), true},
    };
    for (const Case& c : aFaelle) {
        SCOPED_TRACE(testing::Message() << c.lGif << " " << c.nAntwort << " " << c.cOrdnerAntwort);
        const std::string cDatei = cOrdner + (c.lGif ? "MERIDOXA_801.gif" : "MERIDOXA_801.bmp");
        DeleteFileA(cDatei.c_str());
        seam.calls.clear();
        seam.messageBoxAnswers = {c.nAntwort};
        seam.folderAnswers = {c.cOrdnerAntwort};
        shell::SpeichernBild(*frame, aTexte, c.lGif);
        EXPECT_EQ(seam.CallsOf("MessageBox").size(), 1u);
        EXPECT_EQ(seam.CallsOf("Folder").size(), c.nAntwort == IDYES ? 1u : 0u);
        EXPECT_EQ(GetFileAttributesA(cDatei.c_str()) != INVALID_FILE_ATTRIBUTES, c.lDatei);
    }
}

TEST_F(FrameCommandsTest, TheFolderDialogStartsAtTheProtocolDirectory)
{
    gcPfadProto = "C:\\Daten\\Protokoll\\protocol.log";
    seam.folderAnswers = {"D:\\Bilder"};
    EXPECT_EQ(shell::GetFolder(*frame, aTexte), "d:\\bilder\\");
    const auto aOrdner = seam.CallsOf("Folder");
    ASSERT_EQ(aOrdner.size(), 1u);
    EXPECT_EQ(aOrdner[0].text, "c:\\daten\\protokoll\\");
    EXPECT_EQ(aOrdner[0].detail, "MERIDOXA -- " + WinShellText(shell::kTextTitelOrdner));
    EXPECT_EQ(shell::GetFolder(*frame, aTexte), "") << "cancelled";
    gcPfadProto.clear();
}

}  // namespace
