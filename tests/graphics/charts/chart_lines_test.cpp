// The line, spline and scatter charts on a memory device: the order the
// points are joined in, the markers and their fill, the spline's direction,
// the scatter points' colours, and the caller's data and the painter's
// colours afterwards.
#include <string>

#include "tests/graphics/charts/chart_fixture.h"

namespace {

using namespace charttest;

class LineChart : public ChartTest {};

TEST_F(LineChart, PointsAreJoinedInDataOrder)
{
    g.SetLineColor(ColorArg::Rgb(40, 50, 60)).SetFillColor(ColorArg::Rgb(10, 20, 30));
    // Decreasing x first: (260, 180) to (140, 120) to (200, 180).
    const Array data{Array{8, 80}, Array{2, 20}, Array{5, 80}};
    g.PaintChartLine(kX0, kY0, Def(), data, 0, Colour(kRed));
    EXPECT_TRUE(ColourNear(200, 150, kRed)) << "first to second point";
    EXPECT_TRUE(ColourNear(170, 150, kRed)) << "second to third point";
    EXPECT_FALSE(ColourNear(230, 180, kRed, 3)) << "the first and the last point are not joined";
    EXPECT_EQ(State()._nLineColor, RGB(40, 50, 60));
    EXPECT_EQ(State()._nFillColor, RGB(10, 20, 30));
    // Without a colour argument the line keeps the current line colour.
    Clear();
    g.PaintChartLine(kX0, kY0, Def(), data, 0, Value());
    EXPECT_TRUE(ColourNear(200, 150, RGB(40, 50, 60)));
}

TEST_F(LineChart, MarkersAndTheirFill)
{
    g.SetMarkerSurface(8).SetMarkerSize(12).SetMarkerLineWidth(1);  // filled squares
    const Array data{Array{2, 50}, Array{8, 50}};
    struct Case {
        const char* what;
        Value marker;
        Elements elements;
        COLORREF fill;  // kWhite with no marker: the paper
        bool markers;
    };
    const Case cases[] = {
        {"marker, plot area filled", 1, {{53, Colour(kGreen)}, {54, 1}}, kGreen, true},
        {"marker, plot area not filled", 1, {{53, Colour(kGreen)}, {54, 0}}, kWhite, true},
        {"logic true: no markers", true, {{53, Colour(kGreen)}, {54, 1}}, kWhite, false},
        {"2: no markers", 2, {{53, Colour(kGreen)}, {54, 1}}, kWhite, false},
    };
    for (bool spline : {false, true}) {
        for (const Case& c : cases) {
            SCOPED_TRACE(testing::Message() << c.what << (spline ? ", spline" : ", line"));
            Clear();
            const int nBefore = oDevice.nDraws;
            if (spline)
                g.PaintChartSpline(kX0, kY0, Def(c.elements), data, 0.0, c.marker, Colour(kRed));
            else
                g.PaintChartLine(kX0, kY0, Def(c.elements), data, c.marker, Colour(kRed));
            EXPECT_EQ(oDevice.nDraws - nBefore, c.markers ? 2 : 1);
            EXPECT_EQ(Pixel(Px(2), Py(50) + 3), c.fill);
            EXPECT_EQ(ColourNear(Px(8) - 7, Py(50) + 6, kRed, 2), c.markers) << "the marker's outline";
        }
    }
}

TEST_F(LineChart, SplineRunsFromLeftToRight)
{
    // On a reversed x axis the points of increasing x run to the left: the
    // curve gets them reversed, which is what a spline through the mapped
    // points from left to right draws.
    const Array data{Array{1, 10}, Array{3, 70}, Array{6, 20}, Array{9, 90}};
    const Array aDef = Def({{1, 200}, {2, 0}});
    g.PaintChartSpline(kX0, kY0, aDef, data, 0.5, 0, Colour(kRed));

    TestDevice oExpected{2, 400, 400};
    Graphics expected{oExpected, 400, 400};
    PatBlt(oExpected.DC(), -10, -10, 420, 420, WHITENESS);
    WorldPoints points;
    for (std::size_t i = data.Len(); i >= 1; --i) {
        const Array& e = data[i].AsArray();
        points.push_back({kX0 - 20 * e[1].AsNumber(), Py(e[2].AsNumber())});
    }
    expected.SetLineColor(ColorArg::Rgb(230, 0, 0)).PaintSpline(points, 0.5);
    EXPECT_TRUE(SamePixels(oDevice, oExpected));
    EXPECT_GT(Count(kRed), 50);
}

TEST_F(LineChart, ScatterPointsInTheirColours)
{
    g.SetLineColor(ColorArg::Rgb(40, 50, 60)).SetMarkerSurface(1);
    const Array data{Array{1, 10}, Array{2, 20, Colour(kRed)}, Array{3, 30}, Array{4, 40, 16},
                     Array{5, 50}, Array{6, 60, "x"}};
    const COLORREF expected[] = {RGB(40, 50, 60), kRed, kRed, RGB(0, 0, 0), RGB(0, 0, 0), RGB(0, 0, 0)};
    g.PaintChartScatter(kX0, kY0, Def(), data);
    for (int i = 0; i < 6; ++i) EXPECT_EQ(Pixel(Px(i + 1), Py(10 * (i + 1))), expected[i]) << "point " << i + 1;
    EXPECT_EQ(Count(kRed), 2) << "one pixel per point";
    // The caller's data are unchanged.
    EXPECT_EQ(data[2].AsArray()[1], Value(2));
    EXPECT_EQ(data[2].AsArray()[2], Value(20));
    EXPECT_EQ(data[2].AsArray()[3], Colour(kRed));
    EXPECT_EQ(data[4].AsArray()[3], Value(16));
    EXPECT_EQ(data[6].AsArray()[3], Value("x"));
    EXPECT_EQ(State()._nLineColor, RGB(40, 50, 60));
    // Any other marker type draws markers.
    Clear();
    g.SetMarkerSurface(8).SetMarkerSize(12).SetFillColor(ColorArg::Rgb(0, 200, 0));
    g.PaintChartScatter(kX0, kY0, Def(), data);
    EXPECT_EQ(Pixel(Px(3), Py(30)), RGB(0, 200, 0));
    EXPECT_TRUE(ColourNear(Px(3) - 7, Py(30), kRed, 2));
}

}  // namespace
