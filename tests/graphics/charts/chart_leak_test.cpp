// The chart operations leave no GDI object behind: 20,000 small charts of
// each kind (more than the handle table holds when one object per chart
// were left: 10,000 per process on Windows, about 65,000 in all under Wine,
// whose GetGuiResources answers 0), after which new GDI objects and drawing
// still work.
#include "tests/graphics/charts/chart_fixture.h"

namespace {

using namespace charttest;

TEST(ChartLeak, TwentyThousandChartsOfEachKind)
{
    TestDevice oSmall(2, 60, 60);
    Graphics g(oSmall, 60, 60);
    g.SetMarkerSurface(8).SetMarkerSize(4);
    const Array aDef = Def({{2, 50}, {26, 50}});
    const Array points{Array{2, 20}, Array{5, 40}, Array{8, 10}};
    const Array lists{Array{2, Array{10, 20}}, Array{8, Array{20, 5}}};
    const Array colours{3, 4};
    const Array slices{Array{1, "%"}, Array{2, "a %"}, Array{3, "%", 5, true}};
    const Array entries{Array{"one", 2}, Array{"two", 3, PS_DOT}};
    for (int i = 0; i < 20000; ++i) {
        g.PaintChartBar(5, 5, aDef, points, 2);
        g.PaintChartPillar(5, 5, aDef, lists, colours);
        g.PaintChartMultiBar(5, 5, aDef, lists, colours, 0);
        g.PaintChartLine(5, 5, aDef, points, 1, 2);
        g.PaintChartSpline(5, 5, aDef, points, 0.5, 1, 2);
        g.PaintChartScatter(5, 5, aDef, points);
        Array data = lists;
        g.PaintChartIntegral(5, 5, aDef, data, colours, 1, 1);
        g.PaintChartPie(30, 30, 25, slices, 1, Value());
        Array legend{5, 6, 1, 2, 1, 3, 1};
        g.PaintChartLegend(2, 2, legend, entries, Value());
    }
    const HFONT hFont = CreateFontA(12, 0, 0, 0, 400, 0, 0, 0, 0, 0, 0, 0, 0, "Arial");
    EXPECT_NE(hFont, nullptr);
    DeleteObject(hFont);
    const HPEN hPen = CreatePen(PS_SOLID, 1, 0);
    EXPECT_NE(hPen, nullptr);
    DeleteObject(hPen);
    TestDevice oDevice(2, 400, 400);
    Graphics after(oDevice, 400, 400);
    PatBlt(oDevice.DC(), 0, 0, 400, 400, WHITENESS);
    after.PaintChartBar(kX0, kY0, Def(), Array{Array{5, 50}}, Colour(kRed));
    EXPECT_EQ(oDevice.Pixel(static_cast<int>(Px(5)), static_cast<int>(Py(25))), kRed) << "charts still draw";
}

}  // namespace
