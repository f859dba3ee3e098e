// A chart of each kind on the metafile device (played back, it gives the
// pixels of the same charts drawn on a memory device) and on the printer
// device (each chart's colours on the recorded page, in its place).
#include <windows.h>

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "graphics/charts/chart_definition.h"
#include "graphics/core/graphics.h"
#include "graphics/windows/genhmetafile.h"
#include "graphics/windows/gmemory.h"
#include "graphics/windows/gprinter.h"
#include "graphics/metafile_playback.h"
#include "platform/framework/recording_seam.h"

namespace {

constexpr COLORREF kWhite = RGB(255, 255, 255);

// The nine charts in a 3 x 3 grid of 150-unit cells from (10, 10); each
// cell's colour marks its chart.
struct Cell {
    const char* chart;
    COLORREF colour;
};
const Cell kCells[] = {
    {"bar", RGB(230, 0, 0)},       {"pillar", RGB(0, 180, 0)},   {"multi-bar", RGB(0, 0, 230)},
    {"line", RGB(200, 0, 200)},    {"spline", RGB(0, 200, 200)}, {"scatter", RGB(230, 120, 0)},
    {"integral", RGB(120, 60, 0)}, {"pie", RGB(90, 0, 160)},     {"legend", RGB(0, 90, 160)},
};

double CellX(int i)
{
    return 10 + 160 * (i % 3);
}
double CellY(int i)
{
    return 10 + 160 * (i / 3);
}

Value ColourOf(int i)
{
    return Value::Color{static_cast<std::uint32_t>(kCells[i].colour)};
}

void AllCharts(Graphics& g)
{
    g.SetBackgroundColor(ColorArg::Rgb(255, 255, 255)).PaintEraseCanvas();
    g.SetLineColor(ColorArg::Rgb(0, 0, 0)).SetMarkerSurface(8).SetMarkerSize(8);
    // x values 0 to 10 on 140 units, y values 0 to 100 on 140 units.
    Array aDef(59);
    for (const auto& [i, v] : std::vector<std::pair<std::size_t, Value>>{
             {1, 0}, {2, 140}, {3, 0}, {4, 10}, {25, 0}, {26, 140}, {27, 0}, {28, 100}, {12, 16}})
        aDef[i] = v;
    charts::ValidateChartDefinition(aDef, {0, 0, 0});
    const Array points{Array{1, 20}, Array{4, 80}, Array{7, 40}, Array{9, 90}};
    const auto lists = [] { return Array{Array{2, Array{30, 20}}, Array{5, Array{50, 10}}, Array{8, Array{20, 40}}}; };
    const auto at = [&](int i) { return std::pair{CellX(i), CellY(i)}; };
    auto [x, y] = at(0);
    g.PaintChartBar(x, y, aDef, points, ColourOf(0));
    std::tie(x, y) = at(1);
    g.PaintChartPillar(x, y, aDef, lists(), Array{ColourOf(1), ColourOf(1)});
    std::tie(x, y) = at(2);
    g.PaintChartMultiBar(x, y, aDef, lists(), Array{ColourOf(2), ColourOf(2)}, 0);
    std::tie(x, y) = at(3);
    g.PaintChartLine(x, y, aDef, points, 1, ColourOf(3));
    std::tie(x, y) = at(4);
    g.PaintChartSpline(x, y, aDef, points, 0.5, 1, ColourOf(4));
    std::tie(x, y) = at(5);
    Array scattered(0);
    for (const Value& p : points) scattered.Add(Array{p.AsArray()[1], p.AsArray()[2], ColourOf(5)});
    g.PaintChartScatter(x, y, aDef, scattered);
    std::tie(x, y) = at(6);
    Array data = lists();
    g.PaintChartIntegral(x, y, aDef, data, Array{ColourOf(6), ColourOf(6)}, 1, 0);
    std::tie(x, y) = at(7);
    g.PaintChartPie(x + 70, y + 70, 60, Array{Array{1, "%", ColourOf(7)}, Array{3, "# %", ColourOf(7), true}}, 1,
                    Value());
    std::tie(x, y) = at(8);
    Array legend{5, 12, 1, 16, 1, 15, 1};
    g.PaintChartLegend(x, y, legend, Array{Array{"first", ColourOf(8)}, Array{"second", ColourOf(8), PS_SOLID}},
                       Value());
}

// Whether the colour is in the cell's square, read through pixel(x, y) in
// world units.
template <typename Pixel>
bool InCell(int i, const Pixel& pixel)
{
    for (int x = static_cast<int>(CellX(i)); x < CellX(i) + 150; ++x)
        for (int y = static_cast<int>(CellY(i)); y < CellY(i) + 150; ++y)
            if (pixel(x, y) == kCells[i].colour) return true;
    return false;
}

// The charts recorded in a full repaint (which clips to the drawing).
class ChartMetafile : public gEnhMetaFile {
public:
    ChartMetafile() : gEnhMetaFile("charts.emf", {}, {}, "Charts", false) { PaintNew(); }
    void Paint() override { AllCharts(*_oGraphics); }
};

TEST(ChartDevices, MetafilePlayedBackGivesTheMemoryDevicesPixels)
{
    SIZE size{};
    {
        ChartMetafile device;
        size = device.CanvasSize();
    }
    gMemory direct(2, size.cx, size.cy);
    AllCharts(*direct._oGraphics);
    gMemory played(2, size.cx, size.cy);
    ASSERT_TRUE(PlayBack("charts.emf", played, size));
    DeviceUnits directUnits(direct.GetMemoryDC()), playedUnits(played.GetMemoryDC());
    const auto Direct = [&](int x, int y) { return GetPixel(direct.GetMemoryDC(), x, y); };
    const auto Played = [&](int x, int y) { return GetPixel(played.GetMemoryDC(), x, y); };
    // Device rows run downward.
    const auto World = [&](const auto& pixel) { return [&](int x, int y) { return pixel(x, size.cy - 1 - y); }; };
    for (int i = 0; i < 9; ++i) {
        SCOPED_TRACE(kCells[i].chart);
        EXPECT_TRUE(InCell(i, World(Direct)));
        EXPECT_TRUE(InCell(i, World(Played)));
    }
    // Each chart covers about as many pixels in its colour as on the memory
    // device: the playback may put an edge one pixel aside.
    for (int i = 0; i < 9; ++i) {
        SCOPED_TRACE(kCells[i].chart);
        int direct = 0, played = 0;
        for (int y = 0; y < size.cy; ++y)
            for (int x = 0; x < size.cx; ++x) {
                direct += Direct(x, y) == kCells[i].colour;
                played += Played(x, y) == kCells[i].colour;
            }
        EXPECT_NEAR(played, direct, direct / 10);
    }
}

class ChartJob : public gPrinter {
public:
    using gPrinter::gPrinter;
    void Paint() override { AllCharts(*_oGraphics); }
    bool PrinterExpose(PrinterExposeEvent&) override
    {
        PaintNew();
        return false;
    }
};

TEST(ChartDevices, PrinterPageHoldsEveryChartInItsPlace)
{
    RecordingSeam seam;
    seam.defaultPrinter = "Laser 5,winspool,LPT1:";
    ChartJob job("Charts", PrintingDevice());
    ASSERT_TRUE(job.IsValid());
    ASSERT_TRUE(job.Start());
    ASSERT_EQ(seam.printedPages.size(), 1u);
    const RecordingSeam::PrintedPage& page = seam.printedPages[0];
    // The page's rows run downward from the top.
    const auto Printed = [&](int x, int y) { return page.Pixel(x, page.height - 1 - y); };
    for (int i = 0; i < 9; ++i) {
        SCOPED_TRACE(kCells[i].chart);
        EXPECT_TRUE(InCell(i, Printed));
    }
}

}  // namespace
