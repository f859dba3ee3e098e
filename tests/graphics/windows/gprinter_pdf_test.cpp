// The printer device on a real printer driver: figures drawn at known
// millimetres of its drawing area land there on the PDF page, nothing lands
// outside the area, and texts and lines take the printer's resolution. The
// PDFs are read back by check_pdfs.py.
#include <gtest/gtest.h>

#include <cmath>
#include <functional>

#include "graphics/windows/gprinter.h"
#include "tests/printing/pdf_jobs.h"

namespace {

using namespace printtest;

// One page drawn by a function of the painter, in millimetres of the drawing
// area from its lower-left corner.
class MillimetreJob : public gPrinter {
public:
    MillimetreJob(const std::string& name, std::function<void(Graphics&)> figure)
        : gPrinter(name, PrintingDevice(), kArea[0], kArea[1], kArea[2], kArea[3]),
          figure_(std::move(figure))
    {
    }
    void Paint() override
    {
        const double pixelsPerMillimetre = GetDeviceCaps(Handle(), LOGPIXELSX) / 25.4;
        _oGraphics->SetWorldSystem(pixelsPerMillimetre, pixelsPerMillimetre);
        figure_(*_oGraphics);
    }
    bool PrinterExpose(PrinterExposeEvent&) override
    {
        PaintNew();
        return false;
    }
    // The drawing area in percent of the page: left, bottom, width, height.
    static constexpr double kArea[4] = {10, 10, 80, 50};

private:
    std::function<void(Graphics&)> figure_;
};

class PrinterDevicePdfTest : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(SpoolOnPdfPrinter(seam)); }

    // Prints the figure as one job and returns the page geometry it was
    // printed on; the expectations follow from it.
    void Print(const std::function<void(Graphics&)>& figure)
    {
        NewJobTag(seam);
        MillimetreJob job("Device", figure);
        ASSERT_TRUE(job.IsValid());
        dpi = GetDeviceCaps(job.Handle(), LOGPIXELSX);
        ASSERT_EQ(GetDeviceCaps(job.Handle(), LOGPIXELSY), dpi);
        ASSERT_EQ(GetDeviceCaps(job.Handle(), PHYSICALOFFSETX), 0) << "the page box is the printable area";
        ASSERT_EQ(GetDeviceCaps(job.Handle(), PHYSICALOFFSETY), 0);
        const SIZE canvas = job.CanvasSize();
        width = canvas.cx;
        height = canvas.cy;
        // The area from its percentages, the top and bottom counted from the
        // top of the page as the rendered page has them.
        left = static_cast<int>(std::lround(width * MillimetreJob::kArea[0] / 100));
        bottom = height - static_cast<int>(std::lround(height * MillimetreJob::kArea[1] / 100));
        right = left + static_cast<int>(std::lround(width * MillimetreJob::kArea[2] / 100));
        top = bottom - static_cast<int>(std::lround(height * MillimetreJob::kArea[3] / 100));
        ASSERT_TRUE(job.Start());
    }

    // Page pixels of a position in millimetres right of and above the area's
    // lower-left corner.
    int X(double mm) const { return left + static_cast<int>(std::lround(mm * dpi / 25.4)); }
    int Y(double mm) const { return bottom - static_cast<int>(std::lround(mm * dpi / 25.4)); }

    // Box in page pixels, right and bottom exclusive, of a figure from x1 to
    // x2 and y1 to y2 millimetres, both ends included as the painter draws.
    std::string Box(double x1, double y1, double x2, double y2) const
    {
        return JsonBox(X(x1), Y(y2) - 1, X(x2) + 1, Y(y1));
    }

    static std::string Color(int r, int g, int b) { return JsonList({JsonNumber(r), JsonNumber(g), JsonNumber(b)}); }
    static std::string Ink(const std::string& color, const std::string& box, double tolerance)
    {
        return JsonObject({{"color", color}, {"box", box}, {"tolerance", JsonNumber(tolerance)}});
    }

    RecordingSeam seam;
    int dpi = 0, width = 0, height = 0;
    int left = 0, top = 0, right = 0, bottom = 0;
};

TEST_F(PrinterDevicePdfTest, FiguresLandAtTheirMillimetresOfTheDrawingArea)
{
    // A red rectangle near the lower-left corner of the area (168 x 148 mm
    // on A4), a blue one near its upper-right corner: the area's place, the
    // upward mapping and the scale, each within a printer pixel.
    Print([](Graphics& g) {
        g.SetLineColor(ColorArg::Rgb(255, 0, 0)).SetFillColor(ColorArg::Rgb(255, 0, 0));
        g.PaintRectangle(20, 30, 40, 25, 1);
        g.SetLineColor(ColorArg::Rgb(0, 0, 255)).SetFillColor(ColorArg::Rgb(0, 0, 255));
        g.PaintRectangle(130, 120, 25, 15, 1);
    });
    ExpectPdf(seam, {{"pages", "1"},
                     {"landscape", "false"},
                     {"dpi", JsonNumber(dpi)},
                     {"ink", JsonList({Ink(Color(255, 0, 0), Box(20, 30, 60, 55), 1),
                                       Ink(Color(0, 0, 255), Box(130, 120, 155, 135), 1)})}});
}

TEST_F(PrinterDevicePdfTest, NothingIsDrawnOutsideTheDrawingArea)
{
    // A figure far larger than the page fills exactly the area.
    Print([](Graphics& g) {
        g.SetLineColor(ColorArg::Rgb(0, 160, 0)).SetFillColor(ColorArg::Rgb(0, 160, 0));
        g.PaintRectangle(-1000, -1000, 5000, 5000, 1);
    });
    const std::string area = JsonBox(left, top, right, bottom);
    ExpectPdf(seam, {{"pages", "1"},
                     {"dpi", JsonNumber(dpi)},
                     {"ink", JsonList({Ink(Color(0, 160, 0), area, 0.5)})},
                     {"clip", area}});
}

TEST_F(PrinterDevicePdfTest, TextsAndLinesTakeThePrintersResolution)
{
    // A text of 10 points is as large as the font makes it at the printer's
    // resolution; a line of 12 pixels is 12 printer pixels wide.
    Print([](Graphics& g) {
        g.SetStringFont(std::string("Arial"), 0.0, 10.0, 0u, 5u).SetStringColor(ColorArg::Rgb(0, 0, 255));
        g.PaintString(20, 60, "HHHH");
        g.SetLineColor(ColorArg::Rgb(255, 0, 0)).SetLineWidth(12);
        g.PaintLine(20, 30, 100, 30);
    });
    const int line = Y(30);
    ExpectPdf(seam, {{"pages", "1"},
                     {"dpi", JsonNumber(dpi)},
                     {"ink", JsonList({Ink(Color(255, 0, 0), JsonBox(X(20), line - 6, X(100), line + 6), 1)})},
                     {"glyphs", JsonObject({{"color", Color(0, 0, 255)},
                                            {"text", JsonText("HHHH")},
                                            {"font", JsonText("/usr/share/fonts/truetype/liberation/"
                                                              "LiberationSans-Regular.ttf")},
                                            {"points", "10"}})}});
}

}  // namespace
