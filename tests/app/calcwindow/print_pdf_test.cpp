// The result report on the PDF printer of the test command: a computation
// whose report fills three pages, printed with the print button through the
// printer set-up dialog, and read back page by page by check_pdfs.py.

#include <cstdio>

#include "app/shell/globals.h"
#include "platform/framework/printer.h"
#include "tests/app/calcwindow/calcwindow_fixture.h"
#include "tests/app/calcwindow/report_pdf.h"
#include "tests/printing/pdf_jobs.h"

namespace calcwindow_test {
namespace {

using namespace printtest;

// n points on a grid of some kilometres, shifted by (shift, 2 shift, 3 shift)
// metres and then, when shifted at all, disturbed by a few millimetres.
std::string Points(int n, double shift)
{
    std::string text;
    for (int i = 1; i <= n; ++i) {
        const double noise = shift == 0 ? 0.0 : 0.001 * ((i * 37) % 11 - 5);
        char line[128];
        std::snprintf(line, sizeof line, "P%d %.3f %.3f %.3f\r\n", i,
                      4157222.543 + 1500.0 * (i % 7) - 800.0 * (i % 5) + shift + noise,
                      664789.307 + 1200.0 * (i % 11) + 2 * shift - noise, 4774952.099 - 900.0 * (i % 3) + 3 * shift);
        text += line;
    }
    return text;
}

class ReportPdfTest : public CalcWindowTest {
protected:
    void SetUp() override
    {
        CalcWindowTest::SetUp();
        ASSERT_TRUE(SpoolOnPdfPrinter(seam));
        frame->SetCaption("MERIDOXA 8.01 report on paper");
        goDrucker.reset();
    }
    void TearDown() override
    {
        goDrucker.reset();
        CalcWindowTest::TearDown();
    }
};

TEST_F(ReportPdfTest, AReportOfThreePagesArrivesWholeInOrderAndWithinItsMargins)
{
    Kartesisch(Points(120, 0), Points(120, 1));
    Get<CheckBox>("CHECKKLAFOUT")->SetChecked(true);
    Klicken("BUTBERECHNEN");
    auto* field = Get<MultiLineEdit>("HELMERTPAR");
    const int lines = field->LineCount();
    // Portrait pages hold 60 report lines on page 1 and 63 on later pages.
    ASSERT_GT(lines, 60 + 63) << field->TextValue() << Fehler();
    ASSERT_LE(lines, 60 + 63 + 63);

    NewJobTag(seam);
    {
        PrintSetupAnswer answer(IDOK, "PDF");
        Klicken("BUTDRUCKENH");
        EXPECT_TRUE(answer.Answered());
    }
    EXPECT_EQ(Fehler(), "");
    ASSERT_EQ(seam.CallsOf("EndDoc").size(), 1u);
    ASSERT_TRUE(goDrucker);

    // The text between the margins, a tenth of the page's width each.
    HDC printer = goDrucker->CreateDC();
    ASSERT_NE(printer, nullptr);
    const int width = GetDeviceCaps(printer, HORZRES), dpi = GetDeviceCaps(printer, LOGPIXELSX);
    DeleteDC(printer);
    const double margin = static_cast<int>(width * 0.1) * 72.0 / dpi;
    ExpectPdf(seam,
              {{"pages", "3"},
               {"landscape", "false"},
               {"text", ReportPages(*field, 60, 63, frame->Caption())},
               {"text_box", JsonList({JsonNumber(margin - 0.5), JsonNumber((width * 72.0 / dpi) - margin + 0.5)})}});
}

}  // namespace
}  // namespace calcwindow_test
