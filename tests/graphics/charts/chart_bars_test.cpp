// The bar, pillar and multi-bar charts on a memory device: where the bars
// land, their widths, colours and outlines, the caller's colour array and
// the painter's colours afterwards.
#include <cmath>
#include <string>

#include "tests/graphics/charts/chart_fixture.h"

namespace {

using namespace charttest;

class BarChart : public ChartTest {};

TEST_F(BarChart, BarsRiseFromTheOriginWithTheirWidths)
{
    // Five entries: the slot is 200 / 5 = 40 units, the default width 24.
    const Array data{Array{1, 50}, Array{3, 30, 0}, Array{5, -20}, Array{7, 40, 10}, Array{9, 60, -5}};
    g.PaintChartBar(kX0, kY0, Def(), data, Colour(kRed));
    struct Case {
        const char* what;
        double centre, top, width;  // width 0: no fill
    };
    const Case cases[] = {
        {"default width", Px(1), Py(50), 24},
        {"own width 0", Px(3), Py(30), 0},
        {"downwards", Px(5), Py(-20), 24},
        {"own width 10", Px(7), Py(40), 10},
        {"negative width: default", Px(9), Py(60), 24},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        const int lo = static_cast<int>(std::min(c.top, kY0)), hi = static_cast<int>(std::max(c.top, kY0));
        const RECT fill = Extent(kRed, static_cast<int>(c.centre) - 20, 0, static_cast<int>(c.centre) + 20, 399);
        if (c.width == 0) {
            EXPECT_GT(fill.left, fill.right) << "no fill";
            EXPECT_TRUE(ColourNear(c.centre, (c.top + kY0) / 2, kOutline)) << "the outline alone";
            continue;
        }
        EXPECT_NEAR(fill.left, c.centre - c.width / 2, 1.5);
        EXPECT_NEAR(fill.right, c.centre + c.width / 2, 1.5);
        EXPECT_NEAR(fill.top, lo, 1.5);
        EXPECT_NEAR(fill.bottom, hi, 1.5);
        EXPECT_TRUE(ColourNear(c.centre - c.width / 2, (c.top + kY0) / 2, kOutline)) << "outlined in element 12";
        EXPECT_TRUE(ColourNear(c.centre, c.top, kOutline));
    }
}

TEST_F(BarChart, ColourArgumentAndPainterColours)
{
    struct Case {
        const char* what;
        Value colour;
        COLORREF fill;  // of the bars
    };
    g.SetFillColor(ColorArg::Rgb(10, 20, 30)).SetLineColor(ColorArg::Rgb(40, 50, 60));
    const Case cases[] = {
        {"colour object", Colour(kRed), kRed},
        {"colour number", 16, RGB(0, 0, 0)},
        {"NIL: the current fill colour", Value(), RGB(10, 20, 30)},
        {"text: the current fill colour", "red", RGB(10, 20, 30)},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        Clear();
        g.PaintChartBar(kX0, kY0, Def(), Array{Array{5, 50}}, c.colour);
        EXPECT_EQ(Pixel(Px(5), Py(25)), c.fill);
        EXPECT_EQ(State()._nFillColor, RGB(10, 20, 30));
        EXPECT_EQ(State()._nLineColor, RGB(40, 50, 60));
    }
}

TEST_F(BarChart, BlackAndWhiteFillsGreyAndOutlinesBlack)
{
    g.SetBlackAndWhite(true);
    g.PaintChartBar(kX0, kY0, Def(), Array{Array{5, 50}}, Colour(kRed));
    g.PaintChartPillar(kX0, kY0, Def(), Array{Array{2, Array{40}, 20}}, Array{Colour(kBlue)});
    EXPECT_EQ(Pixel(Px(5), Py(25)), ChangeRgb2Gray(kRed));
    EXPECT_EQ(Pixel(Px(2), Py(20)), ChangeRgb2Gray(kBlue));
    EXPECT_TRUE(ColourNear(Px(5), Py(50), RGB(0, 0, 0)));
    EXPECT_FALSE(ColourNear(Px(5), Py(50), kOutline, 3));
}

TEST_F(BarChart, PillarsStackTheirSegments)
{
    // Two entries: slot 100, default width 60; the second has one value.
    const Array colours{Colour(kRed), Colour(kGreen)};
    g.PaintChartPillar(kX0, kY0, Def(), Array{Array{2, Array{20, 30}}, Array{6, Array{10}}}, colours);
    EXPECT_EQ(Pixel(Px(2), Py(10)), kRed);
    EXPECT_EQ(Pixel(Px(2), Py(35)), kGreen);
    EXPECT_EQ(Pixel(Px(2), Py(53)), kWhite);
    EXPECT_TRUE(ColourNear(Px(2), Py(20), kOutline));
    EXPECT_NEAR(Extent(kGreen).left, Px(2) - 30, 1.5);
    EXPECT_NEAR(Extent(kGreen).right, Px(2) + 30, 1.5);
    EXPECT_EQ(Pixel(Px(6), Py(5)), kRed);
    EXPECT_EQ(Pixel(Px(6), Py(14)), kWhite) << "no second segment";
    // A value that is not a number draws no segment; the next one stacks on
    // the base.
    Clear();
    g.PaintChartPillar(kX0, kY0, Def(), Array{Array{2, Array{20, "x", 30}}},
                       Array{Colour(kRed), Colour(kGreen), Colour(kBlue)});
    EXPECT_EQ(Pixel(Px(2), Py(35)), kBlue);
    EXPECT_EQ(Extent(kGreen).right, -1);
}

TEST_F(BarChart, CallersColourArrayIsCompleted)
{
    g.SetFillColor(ColorArg::Rgb(10, 20, 30));
    const Value fill = Value::Color{RGB(10, 20, 30)};
    const Array data{Array{2, Array{1, 2, 3}}, Array{6, Array{4}}};
    for (const bool multi : {false, true}) {
        SCOPED_TRACE(multi ? "multi-bar" : "pillar");
        struct Case {
            Array colours;
            std::vector<Value> expected;
        };
        const Case cases[] = {
            {Array{Colour(kRed)}, {Colour(kRed), fill, fill}},
            {Array{Value(), "x", 7, true}, {fill, fill, 7, true}},  // beyond m: left alone
            {Array(0), {fill, fill, fill}},
        };
        for (const Case& c : cases) {
            if (multi)
                g.PaintChartMultiBar(kX0, kY0, Def(), data, c.colours, 0);
            else
                g.PaintChartPillar(kX0, kY0, Def(), data, c.colours);
            ASSERT_EQ(c.colours.Len(), c.expected.size());
            for (std::size_t j = 1; j <= c.colours.Len(); ++j) EXPECT_EQ(c.colours[j], c.expected[j - 1]) << j;
        }
        g.SetLineColor(ColorArg::Rgb(1, 1, 1));
        if (multi)
            g.PaintChartMultiBar(kX0, kY0, Def(), data, Value(), 0);
        else
            g.PaintChartPillar(kX0, kY0, Def(), data, Value());
        EXPECT_EQ(State()._nFillColor, RGB(10, 20, 30));
        EXPECT_EQ(State()._nLineColor, RGB(1, 1, 1));
    }
}

TEST_F(BarChart, MultiBarStepsAndWidths)
{
    // One entry {5, {30, 20, 10}}: the slot is the whole axis (200), the
    // group is centred on x = 200. Each bar is seen alone on a row that only
    // it and the bars painted over it reach, and the bars get lower in
    // series order.
    const COLORREF colours[] = {kRed, kGreen, kBlue};
    const double rows[] = {Py(25), Py(15), Py(5)};
    struct Case {
        Value overlap;
        double step;
    };
    const Case cases[] = {{0, 1}, {1, 0}, {-1, 2}, {0.5, 0.5}, {2, 0}, {"x", 0}};
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << "step " << c.step);
        Clear();
        g.PaintChartMultiBar(kX0, kY0, Def(), Array{Array{5, Array{30, 20, 10}}},
                             Array{Colour(kRed), Colour(kGreen), Colour(kBlue)}, c.overlap);
        const double w = 200 / (2 * c.step + 1 + 1.33333333);
        for (int j = 0; j < 3; ++j) {
            const RECT bar = Extent(colours[j], 0, static_cast<int>(rows[j]), 399, static_cast<int>(rows[j]));
            const double centre = 200 + (j - 1) * w * c.step;
            EXPECT_NEAR((bar.left + bar.right) / 2.0, centre, 1.5) << "bar " << j;
            EXPECT_NEAR(bar.right - bar.left, w, 2.5) << "bar " << j;
        }
    }
}

TEST_F(BarChart, MultiBarGroupsCentredWithTheLargestCount)
{
    // Entries with 2 and 1 values: m = 2, step 1, width 100 / 3.33333333.
    const Array data{Array{2, Array{30, 30}}, Array{7, Array{30}}};
    g.PaintChartMultiBar(kX0, kY0, Def(), data, Array{Colour(kRed), Colour(kGreen)}, 0);
    const double w = 100 / (1 + 1 + 1.33333333);
    const RECT red = Extent(kRed, 0, 110, 399, 110), green = Extent(kGreen, 0, 110, 399, 110);
    EXPECT_NEAR(green.left, Px(2), 1.5);
    EXPECT_NEAR(green.right, Px(2) + w, 1.5);
    EXPECT_NEAR(red.left, Px(2) - w, 1.5) << "the first group's first bar";
    EXPECT_NEAR(red.right, Px(7) + w / 2, 1.5) << "the second group's one bar, centred";
    EXPECT_EQ(Pixel(Px(7) - w / 2 - 3, 110), kWhite);
}

TEST_F(BarChart, ManyBarsAreAllDrawn)
{
    // More than a 16-bit counter holds; the last bar is drawn at its place.
    Array data(100000);
    for (std::size_t i = 1; i <= data.Len(); ++i) data[i] = Array{10.0 * static_cast<double>(i) / 100000.0, 50};
    const int nBefore = oDevice.nDraws;
    g.PaintChartBar(kX0, kY0, Def(), data, Colour(kRed));
    EXPECT_EQ(oDevice.nDraws - nBefore, 100000);
}

}  // namespace
