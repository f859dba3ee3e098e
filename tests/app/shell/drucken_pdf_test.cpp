// The printer set-up and the form printing on the PDF printer of the test
// command: the set-up dialog answered as a user does, the prints read back by
// check_pdfs.py.
#include <gtest/gtest.h>

#include "app/shell/drucken.h"
#include "app/shell/globals.h"
#include "graphics/images/capture.h"
#include "platform/framework/app.h"
#include "platform/framework/printer.h"
#include "tests/app/calcwindow/calcwindow_fixture.h"
#include "tests/app/calcwindow/report_pdf.h"
#include "tests/printing/pdf_jobs.h"

namespace {

using namespace printtest;
using calcwindow_test::CalcWindowTest;
using calcwindow_test::kSource;
using calcwindow_test::kTarget;

class PrintingPdfTest : public CalcWindowTest {
protected:
    void SetUp() override
    {
        CalcWindowTest::SetUp();
        ASSERT_TRUE(SpoolOnPdfPrinter(seam));
        frame->SetCaption("MERIDOXA 8.01 on paper");
        goDrucker = std::make_unique<PrintingDevice>();
        ASSERT_EQ(goDrucker->Device(), "PDF");
        ASSERT_EQ(goDrucker->Orientation(), DMORIENT_PORTRAIT);
    }
    void TearDown() override
    {
        goDrucker.reset();
        CalcWindowTest::TearDown();
    }

    // Computes the parameters of four points: a report of one page.
    void Compute()
    {
        Kartesisch(kSource, kTarget);
        Klicken("BUTBERECHNEN");
        ASSERT_GT(Get<MultiLineEdit>("HELMERTPAR")->LineCount(), 10) << Fehler();
    }

    // Prints the report with the print button, answering the printer set-up
    // with the button, printer and orientation given.
    void PrintReport(int button, int orientation = 0)
    {
        PrintSetupAnswer answer(button, "PDF", orientation);
        Klicken("BUTDRUCKENH");
        EXPECT_TRUE(answer.Answered());
    }

    // The report on one page, as its PDF must show it.
    void ExpectReport(bool landscape)
    {
        // Portrait pages hold 60 report lines on page 1, landscape ones 40.
        ExpectPdf(seam, {{"pages", "1"},
                         {"landscape", landscape ? "true" : "false"},
                         {"text", calcwindow_test::ReportPages(*Get<MultiLineEdit>("HELMERTPAR"), landscape ? 40 : 60,
                                                               landscape ? 43 : 63, frame->Caption())}});
    }

    std::string HintText() const
    {
        char text[256] = "";
        GetDlgItemTextA(goHinweis->Handle(), 100, text, sizeof text);
        return text;
    }
};

TEST_F(PrintingPdfTest, TheSetUpsOkPrintsOnTheChosenPrinterInTheChosenOrientation)
{
    Compute();
    NewJobTag(seam);
    PrintReport(IDOK, DMORIENT_LANDSCAPE);
    EXPECT_EQ(goDrucker->Device(), "PDF");
    EXPECT_EQ(goDrucker->Orientation(), DMORIENT_LANDSCAPE);
    ASSERT_EQ(seam.CallsOf("EndDoc").size(), 1u);
    ExpectReport(true);
}

TEST_F(PrintingPdfTest, ACancelledSetUpPrintsNothingAndKeepsThePreviousPrinter)
{
    Compute();
    PrintReport(IDCANCEL, DMORIENT_LANDSCAPE);
    EXPECT_TRUE(seam.CallsOf("StartDoc").empty());
    EXPECT_EQ(HintText(), GetSprachFileText("WINSHELL")[shell::kTextDruckerAbbruch - 1]);
    ASSERT_TRUE(goDrucker);
    EXPECT_EQ(goDrucker->Device(), "PDF");
    EXPECT_EQ(goDrucker->Orientation(), DMORIENT_PORTRAIT);

    // The next print goes to the printer as it was.
    NewJobTag(seam);
    PrintReport(IDOK);
    ASSERT_EQ(seam.CallsOf("EndDoc").size(), 1u);
    ExpectReport(false);
}

TEST_F(PrintingPdfTest, TheFormIsPrintedOnOnePageAsItShows)
{
    Compute();
    // The window as the form printing will find it: on top and painted.
    goCalcPar->ToTop();
    ApplicationExec();
    const std::string picture = "calcwindow.bmp";
    SaveWin2Bmp(*goCalcPar, PdfFolder() + picture);
    const BoundingBox canvas = goCalcPar->CanvasArea();

    NewJobTag(seam);
    seam.messageBoxAnswers = {IDYES};
    shell::DruckenF(*frame, GetSprachFileText("WINSHELL"));
    ASSERT_EQ(seam.CallsOf("EndDoc").size(), 1u);

    // The picture fills the page's width or height from its upper-left corner.
    HDC printer = goDrucker->CreateDC();
    ASSERT_NE(printer, nullptr);
    const int width = GetDeviceCaps(printer, HORZRES), height = GetDeviceCaps(printer, VERTRES);
    const int dpi = GetDeviceCaps(printer, LOGPIXELSX);
    DeleteDC(printer);
    const double scale =
        std::min(static_cast<double>(width) / canvas.Width(), static_cast<double>(height) / canvas.Height());
    // The controls in the canvas's pixels, rows downward.
    std::vector<std::string> parts;
    for (const char* name : {"KOORDLISTQ", "KOORDLISTZ", "HELMERTPAR", "BUTBERECHNEN", "COMFORMQ", "BUTDRUCKENH"}) {
        RECT r;
        GetWindowRect(Get(name)->Handle(), &r);
        MapWindowPoints(nullptr, goCalcPar->Handle(), reinterpret_cast<POINT*>(&r), 2);
        parts.push_back(JsonBox(r.left, r.top, r.right, r.bottom));
    }
    ExpectPdf(seam, {{"pages", "1"},
                     {"landscape", "false"},
                     {"dpi", JsonNumber(dpi)},
                     {"picture", JsonObject({{"file", JsonText(picture)},
                                             {"box", JsonBox(0, 0, static_cast<int>(canvas.Width() * scale),
                                                             static_cast<int>(canvas.Height() * scale))},
                                             {"parts", JsonList(parts)}})}});
}

// A printer that was set up but is gone: it is named, so the question comes,
// but it cannot print the form, and the error window says so.
TEST_F(PrintingPdfTest, APrinterThatIsGoneCannotPrintTheFormAndSaysSo)
{
    goDrucker = std::make_unique<PrintingDevice>("Gone,wineps.drv,CUPS:Gone");
    seam.messageBoxAnswers = {IDYES};
    shell::DruckenF(*frame, GetSprachFileText("WINSHELL"));
    EXPECT_EQ(seam.CallsOf("MessageBox").size(), 1u);
    EXPECT_TRUE(seam.CallsOf("EndDoc").empty());
    EXPECT_EQ(Fehler(), GetSprachFileText("WINSHELL")[shell::kTextDruckerUngueltig - 1]);
}

}  // namespace
