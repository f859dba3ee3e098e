// The printer device: its drawing area from percentages of the page, and the
// pixels it prints beside the framework's own text on the recorded page.
#include "graphics/windows/gprinter.h"

#include <gtest/gtest.h>

#include <string>

#include "platform/framework/recording_seam.h"

namespace {

struct AreaCase {
    const char* name;
    std::optional<double> x, y, w, h;
    DeviceBox expected;
};

TEST(PrinterAreaTest, PercentagesOfTheCanvasBecomePixels)
{
    const SIZE canvas{600, 800};
    const AreaCase cases[] = {
        {"given", 10, 10, 80, 50, {60, 80, 480, 400}},
        {"negative positions: equal margins, square", -1, 10, -1, 50, {80, 80, 400, 400}},
        {"negative second values take the first ones' pixels", 10, -1, 80, -1, {60, 60, 480, 480}},
        {"missing", {}, {}, {}, {}, {0, 0, 600, 800}},
        {"zero sizes", 10, 10, 0, 0, {60, 80, 600, 800}},
        {"both positions negative", -5, -5, 50, 50, {0, 0, 300, 400}},
        {"both sizes negative", 10, 10, -5, -5, {60, 80, 600, 800}},
    };
    for (const AreaCase& c : cases) {
        SCOPED_TRACE(c.name);
        const DeviceBox area = PrinterArea(canvas, c.x, c.y, c.w, c.h);
        EXPECT_EQ(area.x, c.expected.x);
        EXPECT_EQ(area.y, c.expected.y);
        EXPECT_EQ(area.w, c.expected.w);
        EXPECT_EQ(area.h, c.expected.h);
    }
}

constexpr COLORREF kWhite = RGB(255, 255, 255);
constexpr COLORREF kBlue = RGB(0, 0, 255);
constexpr COLORREF kRed = RGB(255, 0, 0);

// One page: the framework's text, the painted area, the text again.
class AreaJob : public gPrinter {
public:
    using gPrinter::gPrinter;
    void Paint() override
    {
        ++paints;
        _oGraphics->SetBackgroundColor(ColorArg::Rgb(0, 0, 255)).PaintEraseCanvas();
        // A figure far larger than the area: the clip holds it to the area.
        _oGraphics->SetLineColor(ColorArg::Rgb(0, 0, 255)).SetFillColor(ColorArg::Rgb(0, 0, 255));
        _oGraphics->PaintRectangle(-10000, -10000, 100000, 100000, 1);
        _oGraphics->SetLineColor(ColorArg::Rgb(255, 0, 0)).SetFillColor(ColorArg::Rgb(255, 0, 0));
        _oGraphics->PaintRectangle(0, 0, 4, 3, 1);
    }
    bool PrinterExpose(PrinterExposeEvent&) override
    {
        TextPrint("Before", {5, 5});
        PaintNew();
        TextPrint("After", {5, 40});
        return false;
    }
    int paints = 0;
};

class PrinterDeviceTest : public ::testing::Test {
protected:
    PrinterDeviceTest() { seam.defaultPrinter = "Laser 5,winspool,LPT1:"; }
    RecordingSeam seam;
};

// Whether any pixel of the page in the rows and columns is not white.
bool Inked(const RecordingSeam::PrintedPage& page, int left, int top, int right, int bottom)
{
    for (int y = top; y < bottom; ++y)
        for (int x = left; x < right; ++x)
            if (page.Pixel(x, y) != kWhite) return true;
    return false;
}

TEST_F(PrinterDeviceTest, ThePainterFillsExactlyItsAreaBesideTheFrameworksText)
{
    AreaJob job("Map", PrintingDevice(), 10, 10, 80, 50);
    ASSERT_TRUE(job.IsValid());
    const SIZE page = job.CanvasSize();
    const DeviceBox area = PrinterArea(page, 10, 10, 80, 50);
    EXPECT_EQ(job._nDeviceTyp, kDevicePrinter);
    ASSERT_TRUE(job.Start());
    ASSERT_EQ(seam.printedPages.size(), 1u);
    const RecordingSeam::PrintedPage& printed = seam.printedPages[0];
    ASSERT_EQ(printed.width, page.cx);
    ASSERT_EQ(printed.height, page.cy);
    EXPECT_EQ(job._oGraphics->State()._oOrigin.x, area.x);
    EXPECT_EQ(job._oGraphics->State()._oOrigin.y, area.y);
    EXPECT_EQ(job._oGraphics->State()._oDim.cx, area.w);
    EXPECT_EQ(job._oGraphics->State()._oDim.cy, area.h);

    // Rows of the page run downward: the area's lower edge y lies at row
    // height - 1 - y.
    const int top = page.cy - area.y - area.h, bottom = page.cy - 1 - area.y;
    const int left = area.x, right = area.x + area.w - 1;
    EXPECT_EQ(printed.Pixel(left, bottom), kRed) << "the figure's lower-left corner at the area's origin";
    EXPECT_EQ(printed.Pixel(left + 3, bottom - 2), kRed);
    EXPECT_EQ(printed.Pixel(left + 5, bottom - 5), kBlue);
    for (auto [x, y] : {std::pair{left, top}, {right, top}, {right, bottom}, {(left + right) / 2, (top + bottom) / 2}})
        EXPECT_EQ(printed.Pixel(x, y), kBlue) << x << ", " << y;
    for (auto [x, y] : {std::pair{left - 1, top}, {right + 1, top}, {left, top - 1}, {right, bottom + 1}})
        EXPECT_EQ(printed.Pixel(x, y), kWhite) << x << ", " << y << ": the clip holds";

    EXPECT_TRUE(Inked(printed, 5, page.cy - 40, 60, page.cy - 5)) << "the text before";
    EXPECT_TRUE(Inked(printed, 5, page.cy - 75, 60, page.cy - 40)) << "the text after";
}

TEST_F(PrinterDeviceTest, AnAreaOfTenPixelsIsNotPainted)
{
    for (int pixels : {10, 11}) {
        AreaJob probe("Probe");
        const double percent = pixels * 100.0 / probe.CanvasSize().cy;
        AreaJob job("Strip", PrintingDevice(), 0, 0, 50, percent);
        ASSERT_EQ(job.Area().h, pixels);
        job.PaintNew();
        EXPECT_EQ(job.paints, pixels == 11 ? 1 : 0) << pixels;
    }
}

TEST_F(PrinterDeviceTest, WithoutAPrinterNothingIsPainted)
{
    seam.defaultPrinter = "";
    AreaJob job("Nowhere", PrintingDevice(), 10, 10, 80, 50);
    EXPECT_FALSE(job.IsValid());
    EXPECT_EQ(job.CanvasSize().cx, 0);
    job.PaintNew();
    EXPECT_EQ(job.paints, 0);
    job.Destroy();
    job.Destroy();
}

}  // namespace
