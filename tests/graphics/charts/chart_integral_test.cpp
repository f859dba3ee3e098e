// The integral chart on memory devices: the bands and their colours, the
// order of the points, the caller's data and colour arrays, the outline and
// marker switches and the painter state afterwards.
#include "tests/graphics/charts/chart_fixture.h"

namespace {

using namespace charttest;

class IntegralChart : public ChartTest {};

TEST_F(IntegralChart, BandsFromTheLastColourUp)
{
    // Two series: the first (10) at the bottom in colour 2, the second (20)
    // on top in colour 1.
    const Array colours{Colour(kRed), Colour(kGreen)};
    Array data{Array{1, Array{10, 20}}, Array{9, Array{10, 20}}};
    g.PaintChartIntegral(kX0, kY0, Def(), data, colours, 0, 0);
    EXPECT_EQ(Pixel(200, Py(5)), kGreen);
    EXPECT_EQ(Pixel(200, Py(20)), kRed);
    EXPECT_EQ(Pixel(200, Py(35)), kWhite);
    EXPECT_EQ(Pixel(Px(1) - 5, Py(5)), kWhite) << "nothing left of the first point";
    EXPECT_NEAR(Extent(kRed).top, Py(10), 1.5);
    EXPECT_NEAR(Extent(kRed).bottom, Py(30), 1.5);
}

TEST_F(IntegralChart, DecreasingAndIncreasingXGiveTheSamePixels)
{
    const Array colours{Colour(kRed), Colour(kGreen), Colour(kBlue)};
    const std::vector<std::vector<double>> points = {{1, 10, 20, 5}, {2, 30, 5, 10}, {4, 20, 20, 20},
                                                     {5, 5, 5, 40},  {7, 40, 10, 5}, {9, 10, 30, 20}};
    Array increasing(0), decreasing(0);
    for (const auto& p : points) increasing.Add(Array{p[0], Array{p[1], p[2], p[3]}});
    for (auto it = points.rbegin(); it != points.rend(); ++it)
        decreasing.Add(Array{(*it)[0], Array{(*it)[1], (*it)[2], (*it)[3]}});
    for (const bool reversed : {false, true}) {
        SCOPED_TRACE(reversed ? "reversed x axis" : "x axis");
        const Array aDef = reversed ? Def({{1, 200}, {2, 0}}) : Def();
        const double x0 = reversed ? 300 : kX0;
        Clear();
        g.PaintChartIntegral(x0, kY0, aDef, increasing, colours, 1, 0);
        TestDevice oOther{2, 400, 400};
        Graphics other{oOther, 400, 400};
        PatBlt(oOther.DC(), -10, -10, 420, 420, WHITENESS);
        other.PaintChartIntegral(x0, kY0, aDef, decreasing, colours, 1, 0);
        EXPECT_TRUE(SamePixels(oDevice, oOther));
        EXPECT_GT(Count(kBlue), 500);
    }
}

TEST_F(IntegralChart, CallersArraysAreCompleted)
{
    Array data{Array{1, Array{10, 20, 5}}, Array{5, Array{10}}, Array{9, Array(0)}};
    const Array colours{Value(), Colour(kRed), "x"};
    g.PaintChartIntegral(kX0, kY0, Def(), data, colours, 0, 0);
    const Array& second = data[2].AsArray()[2].AsArray();
    ASSERT_EQ(second.Len(), 3U);
    EXPECT_EQ(second[2], Value(0));
    EXPECT_EQ(second[3], Value(0));
    EXPECT_EQ(data[3].AsArray()[2].AsArray().Len(), 3U);
    EXPECT_EQ(colours[2], Colour(kRed));
    for (std::size_t k : {1U, 3U}) {
        ASSERT_TRUE(colours[k].IsNumber()) << k;
        EXPECT_GE(colours[k].AsNumber(), 1);
        EXPECT_LE(colours[k].AsNumber(), 410);
        EXPECT_EQ(colours[k].AsNumber(), static_cast<int>(colours[k].AsNumber()));
    }
    // A second call keeps them.
    const Value first = colours[1], third = colours[3];
    g.PaintChartIntegral(kX0, kY0, Def(), data, colours, 0, 0);
    EXPECT_EQ(colours[1], first);
    EXPECT_EQ(colours[3], third);
    // A shorter colour array grows to m.
    const Array shorter{Colour(kRed)};
    g.PaintChartIntegral(kX0, kY0, Def(), data, shorter, 0, 0);
    EXPECT_EQ(shorter.Len(), 3U);
}

TEST_F(IntegralChart, SwitchesAndPainterState)
{
    g.SetMarkerSurface(8).SetMarkerSize(12);
    Array data{Array{2, Array{10, 20}}, Array{8, Array{30, 10}}};
    struct Case {
        Value outline, marker;
        int draws;  // per level: the polygon, the outline, the markers
    };
    const Case cases[] = {{0, 0, 2}, {1, 0, 4}, {0, 1, 4}, {1, 1, 6}, {true, true, 2}, {2, "1", 2}};
    for (const Case& c : cases) {
        g.SetFillColor(ColorArg::Rgb(10, 20, 30)).SetLineColor(ColorArg::Rgb(40, 50, 60));
        g.SetLineWidth(3).SetLinePattern(2);
        const int nBefore = oDevice.nDraws;
        g.PaintChartIntegral(kX0, kY0, Def(), data, Array{Colour(kRed), Colour(kGreen)}, c.outline, c.marker);
        EXPECT_EQ(oDevice.nDraws - nBefore, c.draws);
        EXPECT_EQ(State()._nFillColor, RGB(10, 20, 30));
        EXPECT_EQ(State()._nLineColor, RGB(40, 50, 60));
        EXPECT_EQ(State()._nLineWidth, 3);
        EXPECT_EQ(State()._nLinePattern, 2);
    }
    // The outline in the entry line colour, the markers filled white when
    // the plot area is not filled.
    Clear();
    g.SetLinePattern(0).SetLineWidth(1);
    g.PaintChartIntegral(kX0, kY0, Def({{53, Colour(kBlue)}}), data, Array{Colour(kRed), Colour(kGreen)}, 1, 1);
    EXPECT_TRUE(ColourNear(Px(5), Py(35), RGB(40, 50, 60))) << "outline of level 1";
    EXPECT_EQ(Pixel(Px(2), Py(30) + 3), kWhite) << "marker fill";
    Clear();
    g.PaintChartIntegral(kX0, kY0, Def({{53, Colour(kBlue)}, {54, 1}}), data, Array{Colour(kRed), Colour(kGreen)}, 1,
                         1);
    EXPECT_EQ(Pixel(Px(2), Py(30) + 3), kBlue);
}

TEST_F(IntegralChart, SinglePointDrawsItsDegeneratePolygon)
{
    Array data{Array{5, Array{40}}};
    const int nBefore = oDevice.nDraws;
    g.PaintChartIntegral(kX0, kY0, Def(), data, Array{Colour(kRed)}, 0, 0);
    EXPECT_EQ(oDevice.nDraws - nBefore, 1);
    EXPECT_TRUE(ColourNear(Px(5), Py(20), kRed));
}

}  // namespace
