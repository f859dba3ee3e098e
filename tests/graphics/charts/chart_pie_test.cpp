// The pie chart on memory devices: the sectors' angles, the labels (their
// texts, places and angles, compared with the same sectors and texts drawn
// by hand), exploded slices, outlines, label colours, the caller's slices
// and the painter state afterwards.
#include <cmath>
#include <string>
#include <vector>

#include "graphics/core/kit.h"
#include "tests/graphics/charts/chart_fixture.h"

namespace {

using namespace charttest;

constexpr double kCx = 200, kCy = 200, kR = 100;
constexpr COLORREF kSlices[] = {kRed, kGreen, kBlue, kYellow};

// The point at the angle (degrees from +y towards +x) and distance from the
// centre.
POINT At(double angle, double distance)
{
    const double a = angle * kPi / 180.0;
    return {static_cast<LONG>(std::lround(kCx + distance * std::sin(a))),
            static_cast<LONG>(std::lround(kCy + distance * std::cos(a)))};
}

Array Slices(const std::vector<std::pair<double, std::string>>& slices)
{
    Array a(0);
    for (std::size_t i = 0; i < slices.size(); ++i)
        a.Add(Array{slices[i].first, slices[i].second, Colour(kSlices[i % 4])});
    return a;
}

class PieChart : public ChartTest {
protected:
    COLORREF PixelAt(double angle, double distance) const
    {
        const POINT p = At(angle, distance);
        return oDevice.Pixel(p.x, p.y);
    }
};

TEST_F(PieChart, SectorsOfWholeDegrees)
{
    struct Case {
        std::size_t slices;
        std::vector<std::pair<double, int>> probes;  // angle, slice
    };
    const Case cases[] = {
        {4, {{5, 0}, {45, 0}, {85, 0}, {95, 1}, {135, 1}, {185, 2}, {265, 2}, {275, 3}, {355, 3}}},
        {3, {{5, 0}, {115, 0}, {125, 1}, {235, 1}, {245, 2}, {355, 2}}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.slices << " equal slices");
        Clear();
        g.PaintChartPie(kCx, kCy, kR, Slices(std::vector<std::pair<double, std::string>>(c.slices, {7, ""})), 0,
                        Value());
        for (const auto& [angle, slice] : c.probes) EXPECT_EQ(PixelAt(angle, 60), kSlices[slice]) << angle;
        EXPECT_EQ(PixelAt(45, 105), kWhite);
    }
}

TEST_F(PieChart, LabelsAsDrawnByHand)
{
    struct Label {
        double start, end;
        std::string text;  // as drawn
        double distance, angle;
        uint32_t origin;
    };
    struct Case {
        const char* what;
        std::vector<std::pair<double, std::string>> slices;
        std::vector<Label> labels;
    };
    const double placeholder = kR / 1.25, along = kR / 1.05;
    const Case cases[] = {
        {"four equal slices in percent",
         {{1, "%"}, {1, "%"}, {1, "%"}, {1, "%"}},
         {{0, 90, "25%", placeholder, 0, 10},
          {90, 180, "25%", placeholder, 0, 10},
          {180, 270, "25%", placeholder, 0, 10},
          {270, 360, "25%", placeholder, 0, 10}}},
        {"three equal slices in percent: the last takes the rest",
         {{1, "%"}, {1, "%"}, {1, "%"}},
         {{0, 120, "33%", placeholder, 0, 10},
          {120, 240, "33%", placeholder, 0, 10},
          {240, 360, "34%", placeholder, 0, 10}}},
        {"the first placeholder decides: percent",
         {{1, "a%"}, {1, "b#"}},
         {{0, 180, "a50%", along, 0, 5}, {180, 360, "b#", along, 0, 1}}},
        {"the first placeholder decides: value",
         {{2, "no placeholder"}, {2, "#"}, {4, "v=# %"}},
         {{0, 90, "no placeholder", along, -315, 5},
          {90, 180, "2", placeholder, 0, 10},
          {180, 360, "v=4 %", along, 0, 1}}},
        {"labels along the radius",
         {{1, "x"}, {3, "y"}},
         {{0, 90, "x", along, -315, 5}, {90, 360, "y", along, -315, 1}}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        Clear();
        g.PaintChartPie(kCx, kCy, kR, Slices(c.slices), 0, Value());

        TestDevice oExpected{2, 400, 400};
        Graphics expected{oExpected, 400, 400};
        PatBlt(oExpected.DC(), -10, -10, 420, 420, WHITENESS);
        for (std::size_t i = 0; i < c.labels.size(); ++i) {
            const Label& l = c.labels[i];
            const COLORREF colour = kSlices[i % 4];
            const ColorArg fill = ColorArg::Rgb(GetRValue(colour), GetGValue(colour), GetBValue(colour));
            expected.SetFillColor(fill).SetLineColor(fill).PaintEllipseSector(kCx, kCy, kR, kR, l.start, l.end, 1, 10);
            const uint32_t inverse = ChangeRgb2Invert(colour);
            expected.SetStringColor(ColorArg::Rgb(GetRValue(inverse), GetGValue(inverse), GetBValue(inverse)));
            expected.SetStringFont(32, kR / 20, kR / 20 * 1.5, 0, 1, l.angle);
            const double middle = (l.start + l.end) / 2 * kPi / 180;
            expected.PaintString(kCx + l.distance * std::sin(middle), kCy + l.distance * std::cos(middle), l.text,
                                 l.origin);
        }
        EXPECT_TRUE(SamePixels(oDevice, oExpected));
    }
}

TEST_F(PieChart, ExplodedSliceLeavesAGapAtTheCentre)
{
    Array slices = Slices({{1, ""}, {1, ""}, {1, ""}, {1, ""}});
    g.PaintChartPie(kCx, kCy, kR, slices, 0, Value());
    EXPECT_EQ(PixelAt(45, 10), kRed);
    Clear();
    Array first = slices[1].AsArray();
    first[4] = true;
    g.PaintChartPie(kCx, kCy, kR, slices, 0, Value());
    EXPECT_EQ(PixelAt(45, 10), kWhite) << "the gap";
    EXPECT_EQ(PixelAt(45, kR / 5 + 10), kRed) << "the moved apex";
    EXPECT_EQ(PixelAt(45, kR / 5 + kR - 3), kRed) << "the moved rim";
    EXPECT_EQ(PixelAt(135, 10), kGreen);
}

TEST_F(PieChart, OutlineSwitch)
{
    struct Case {
        Value outline;
        bool outlined;
    };
    const Case cases[] = {{1, true}, {0, false}, {2, false}, {true, false}, {0.5, false}, {"1", false}};
    for (const Case& c : cases) {
        Clear();
        g.SetLineColor(ColorArg::Rgb(0, 0, 0));
        g.PaintChartPie(kCx, kCy, kR, Slices({{1, ""}, {1, ""}, {1, ""}, {1, ""}}), c.outline, Value());
        EXPECT_EQ(ColourNear(kCx, kCy + kR / 2, RGB(0, 0, 0), 2), c.outlined);
    }
}

TEST_F(PieChart, LabelColourArgumentColoursEveryLabel)
{
    // The first slice is skipped (0 degrees) and has no label.
    const Array slices{Array{0, "", Colour(kRed)}, Array{1, "some text", Colour(kGreen)},
                       Array{1, "more text", Colour(kBlue)}};
    g.PaintChartPie(kCx, kCy, kR, slices, 0, Colour(kMagenta));
    EXPECT_GT(Extent(kMagenta, 0, 0, 399, 199).right, 0) << "label of the lower slice";
    EXPECT_GT(Extent(kMagenta, 0, 201, 399, 399).right, 0) << "label of the upper slice";
    EXPECT_EQ(Extent(ChangeRgb2Invert(kGreen)).right, -1);
    EXPECT_EQ(Extent(ChangeRgb2Invert(kBlue)).right, -1);
    // A colour number.
    Clear();
    g.PaintChartPie(kCx, kCy, kR, slices, 0, 16);
    EXPECT_GT(Extent(RGB(0, 0, 0)).right, 0);
}

TEST_F(PieChart, SlicesCompletedAndPainterKept)
{
    g.SetFillColor(ColorArg::Rgb(10, 20, 30)).SetLineColor(ColorArg::Rgb(40, 50, 60));
    g.SetStringColor(ColorArg::Rgb(70, 80, 90)).SetStringFont(std::string("Arial"), 7.0, 11.0);
    const HFONT hFont = State()._pFont.Get();
    const Value fill = Value::Color{RGB(10, 20, 30)};
    const Array slices{Array{1}, Array{2, "x%"}, Array{3, 5, "no colour", "no logic", "extra"}, "no slice"};
    g.PaintChartPie(kCx, kCy, kR, slices, 1, Value());
    const std::vector<std::vector<Value>> expected = {
        {1, "", fill, false}, {2, "x%", fill, false}, {3, "", fill, false, "extra"}};
    for (std::size_t i = 0; i < expected.size(); ++i) {
        const Array& slice = slices[i + 1].AsArray();
        ASSERT_EQ(slice.Len(), expected[i].size()) << i;
        for (std::size_t k = 0; k < expected[i].size(); ++k) EXPECT_EQ(slice[k + 1], expected[i][k]) << i << k;
    }
    EXPECT_EQ(slices[4], Value("no slice"));
    EXPECT_EQ(State()._nFillColor, RGB(10, 20, 30));
    EXPECT_EQ(State()._nLineColor, RGB(40, 50, 60));
    EXPECT_EQ(State()._nTextColor, RGB(70, 80, 90));
    EXPECT_EQ(State()._pFont.Get(), hFont);
    EXPECT_EQ(GetObjectType(hFont), static_cast<DWORD>(OBJ_FONT));
    EXPECT_GT(Count(RGB(10, 20, 30)), 1000) << "slices in the fill colour";
}

}  // namespace
