// The empty chart: its ticks through the export into element 55, its pixels
// on a memory device, axes without a scale, the painter state around it and
// its GDI objects.
#include <windows.h>

#include <algorithm>
#include <cmath>
#include <string>
#include <utility>
#include <vector>

#include <gtest/gtest.h>

#include "graphics/core/graphics.h"
#include "tests/graphics/charts/chart_fixture.h"

namespace {

using Elements = std::vector<std::pair<std::size_t, Value>>;

Array Def(const Elements& elements)
{
    Array aDef(59);
    for (const auto& [i, v] : elements) aDef[i] = v;
    return aDef;
}

std::vector<double> Numbers(const Value& list)
{
    std::vector<double> numbers;
    for (const Value& v : list.AsArray()) numbers.push_back(v.AsNumber());
    return numbers;
}

// from, from + step, ... up to `to`.
std::vector<double> Steps(double from, double to, double step)
{
    std::vector<double> steps;
    for (double v = from; step > 0 ? v <= to + 1e-9 : v >= to - 1e-9; v += step) steps.push_back(v);
    return steps;
}

void ExpectNear(const std::vector<double>& actual, const std::vector<double>& expected)
{
    ASSERT_EQ(actual.size(), expected.size());
    for (std::size_t i = 0; i < actual.size(); ++i) EXPECT_NEAR(actual[i], expected[i], 1e-6) << "entry " << i;
}

using charttest::kWhite;

class EmptyChart : public charttest::ChartTest {};

TEST_F(EmptyChart, TickExport)
{
    struct Case {
        const char* what;
        Elements elements;  // element 56 is set by the case's mode
        int mode;
        std::vector<double> x;  // the first list
        std::size_t lists;
    };
    const std::vector<double> defaults = Steps(-100, 100, 20);
    const Case cases[] = {
        {"defaults, values", {}, 2, defaults, 2},
        {"defaults, positions", {}, 1, defaults, 2},
        {"no export", {}, 0, {}, 0},
        {"-90..90 step 20 aligned to the origin", {{1, -90}, {2, 90}, {5, 20}}, 1, Steps(-80, 80, 20), 2},
        {"-90..90 step 20 from the near end", {{1, -90}, {2, 90}, {5, 20}, {8, 2}}, 1, Steps(-90, 90, 20), 2},
        {"axis from 50 to 250", {{1, 50}, {2, 250}, {5, 20}}, 1, Steps(60, 240, 20), 2},
        {"scaled values", {{3, 0}, {4, 1000}, {5, 250}}, 2, Steps(0, 1000, 250), 2},
        {"reversed axis, positions", {{1, 100}, {2, -100}}, 1, Steps(100, -100, -20), 2},
        {"reversed axis, values", {{1, 100}, {2, -100}}, 2, defaults, 2},
        {"e8 = 1 keeps the origin's tick", {{8, 1}}, 1, defaults, 2},
        {"x axis hidden: the y list alone", {{20, 1}, {25, 0}, {26, 40}, {29, 10}}, 2, Steps(0, 40, 10), 1},
        {"e3 = e4: no scale", {{3, 5}, {4, 5}}, 1, {}, 2},
        {"p1 = p2: no scale", {{1, 0}, {2, 0}}, 2, {}, 2},
        {"denormal range: no scale", {{3, 0}, {4, 1e-310}}, 2, {}, 2},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        Array aDef = Def(c.elements);
        aDef[56] = c.mode;
        g.PaintChartEmpty(0, 0, aDef);
        const Array& exported = aDef[55].AsArray();
        ASSERT_EQ(exported.Len(), c.lists);
        if (c.lists > 0) ExpectNear(Numbers(exported[1]), c.x);
    }
}

TEST_F(EmptyChart, ElementsInTheirColours)
{
    const Value axis = Value::Color{RGB(0, 0, 200)}, grid = Value::Color{RGB(0, 200, 0)},
                area = Value::Color{RGB(255, 255, 150)}, frame = Value::Color{RGB(200, 0, 0)},
                arrow = Value::Color{RGB(0, 200, 200)}, labels = Value::Color{RGB(200, 0, 200)},
                title = Value::Color{RGB(100, 100, 0)};
    // The y axis is hidden: its tick marks would cross the x axis's labels.
    Array aDef = Def({{22, axis},
                      {52, 3},
                      {57, grid},
                      {53, area},
                      {54, 1},
                      {51, 1},
                      {50, frame},
                      {23, 1},
                      {24, arrow},
                      {12, labels},
                      {13, 20},
                      {15, "Title"},
                      {18, title},
                      {44, 1}});
    g.PaintChartEmpty(200, 200, aDef);
    const auto c = [](const Value& v) { return static_cast<COLORREF>(v.AsColor().rgb); };

    EXPECT_EQ(oDevice.Pixel(150, 250), c(area));
    EXPECT_TRUE(ColourNear(180, 250, c(grid))) << "x grid line";
    EXPECT_FALSE(ColourNear(250, 180, c(grid))) << "no grid line of the hidden y axis";
    EXPECT_EQ(oDevice.Pixel(200, 250), c(area)) << "no grid line on the origin";
    EXPECT_TRUE(ColourNear(150, 200, c(axis))) << "x axis line";
    EXPECT_TRUE(ColourNear(120, 195, c(axis))) << "tick mark on side 2";
    EXPECT_FALSE(ColourNear(120, 205, c(axis))) << "no tick mark on side 1";
    EXPECT_TRUE(ColourNear(100, 250, c(frame))) << "frame";
    EXPECT_TRUE(ColourNear(305, 200, c(arrow))) << "arrow at the far end";
    EXPECT_FALSE(ColourNear(200, 150, c(axis), 3)) << "hidden y axis";

    const RECT labelBox = Extent(c(labels));
    EXPECT_LT(labelBox.bottom, 190) << "labels on side 2 below the tick marks";
    EXPECT_GT(labelBox.bottom, 170);
    EXPECT_LE(labelBox.left, 100);
    EXPECT_GE(labelBox.right, 300);

    // The title: far end (right), side 2, its top at s + height of "A" in
    // the label font + a quarter of it in the title font below the axis.
    const double quarter = g.SetStringFont(32, 8.0, 12.0, 0, 4, 0.0).GetStringHeight("A") / 4.0;
    g.SetStringFont(32, 20.0, 20.0, 0, 4, 0.0);
    const double t = 10.0 + g.GetStringHeight("A") + quarter;
    const RECT titleBox = Extent(c(title));
    EXPECT_LE(titleBox.right, 300);
    EXPECT_GT(titleBox.right, 290);
    EXPECT_LE(titleBox.bottom, 200 - t + 1);
    EXPECT_GT(titleBox.bottom, 200 - t - 6);
}

TEST_F(EmptyChart, SidesAndArrowsFollowTheAxis)
{
    const Value marks = Value::Color{RGB(0, 0, 200)}, labels = Value::Color{RGB(200, 0, 200)},
                arrow = Value::Color{RGB(0, 200, 200)};
    // Reversed x axis with an arrow; tick marks on side 1 draw the labels
    // there although element 9 asks for side 2.
    Array aDef =
        Def({{1, 100}, {2, -100}, {6, 1}, {9, 2}, {12, labels}, {13, 20}, {22, marks}, {23, 1}, {24, arrow}, {44, 1}});
    g.PaintChartEmpty(200, 200, aDef);
    const auto c = [](const Value& v) { return static_cast<COLORREF>(v.AsColor().rgb); };
    EXPECT_TRUE(ColourNear(95, 200, c(arrow))) << "arrow at the smaller x";
    EXPECT_FALSE(ColourNear(305, 200, c(arrow), 3));
    EXPECT_TRUE(ColourNear(120, 205, c(marks)));
    EXPECT_FALSE(ColourNear(120, 195, c(marks)));
    const RECT labelBox = Extent(c(labels));
    EXPECT_GT(labelBox.top, 210) << "labels above the tick marks";
}

TEST_F(EmptyChart, TitlePlaceAndDistance)
{
    // The title on a default axis at (200, 200), the other axis hidden, lands
    // where the same text drawn by hand at its point and origin mode lands.
    struct Case {
        const char* what;
        bool yAxis;
        Elements elements;  // numbers of the x axis's elements, for the axis drawn
        double along;       // the title point along the axis
        int side;
        uint32_t mode;
        bool labelWidth;  // the distance counts the widest label, not the height of "A"
    };
    const Case cases[] = {
        {"x, smaller end, side 2", false, {{16, 2}, {17, 1}}, 100, 2, 2, false},
        {"x, middle, side 1 opposite the labels", false, {{16, 1}, {17, 3}}, 200, 1, 7, false},
        {"x, far end, side 2", false, {}, 300, 2, 4, false},
        {"y, far end, labels across", true, {{10, 1}}, 300, 1, 6, true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        const std::size_t base = c.yAxis ? 24 : 0;
        Array aDef = Def({{base + 15, "Title"}, {base + 19, 20}, {c.yAxis ? 20U : 44U, 1}});
        for (const auto& [i, v] : c.elements) aDef[base + i] = v;
        PatBlt(oDevice.DC(), -10, -10, 420, 420, WHITENESS);
        g.PaintChartEmpty(200, 200, aDef);
        const double sign = (c.side == 1) != c.yAxis ? 1.0 : -1.0;
        // Beyond the ticks and labels only the title is black.
        const auto titleBox = [&] {
            return c.yAxis    ? Extent(0, 0, 0, 180, 399)
                   : sign > 0 ? Extent(0, 0, 201, 399, 399)
                              : Extent(0, 0, 0, 399, 180);
        };
        const RECT drawn = titleBox();

        const double quarter = g.SetStringFont(32, 20.0, 20.0, 0, 4, 0.0).GetStringHeight("A") / 4.0;
        g.SetStringFont(32, 6.0, 9.0, 0, 4, 0.0);
        const double label = c.labelWidth ? g.GetStringWidth("-100") : g.GetStringHeight("A");
        const double t = (c.side == 1 && !c.yAxis ? 0.0 : 10.0 + label) + quarter;
        PatBlt(oDevice.DC(), -10, -10, 420, 420, WHITENESS);
        g.SetStringFont(32, 20.0, 20.0, 0, 4, c.yAxis ? 270.0 : 0.0);
        const double across = 200 + sign * t;
        if (c.yAxis)
            g.PaintString(across, c.along, "Title", c.mode);
        else
            g.PaintString(c.along, across, "Title", c.mode);
        const RECT expected = titleBox();
        ASSERT_LE(expected.left, expected.right);
        EXPECT_EQ(drawn.left, expected.left);
        EXPECT_EQ(drawn.right, expected.right);
        EXPECT_EQ(drawn.top, expected.top);
        EXPECT_EQ(drawn.bottom, expected.bottom);
    }
}

TEST_F(EmptyChart, LabelsByBlockAndGap)
{
    std::vector<double> labelled;
    const Value::CodeBlock record = [&labelled](const std::vector<Value>& a) -> Value {
        labelled.push_back(a.at(0).AsNumber());
        if (std::fabs(a[0].AsNumber() - 100) < 1e-9) return 100;  // not a text: no label
        return "L";
    };
    Array aDef = Def({{11, record}, {14, -30}, {44, 1}});
    const int nBefore = oDevice.nDraws;
    g.PaintChartEmpty(200, 200, aDef);
    ExpectNear(labelled, {-100, -80, -60, -40, 40, 60, 80, 100});
    // The axis line, 11 tick marks and 7 labels.
    EXPECT_EQ(oDevice.nDraws - nBefore, 1 + 11 + 7);
}

TEST_F(EmptyChart, AxesWithoutAScaleDrawLittleAndReturn)
{
    struct Case {
        const char* what;
        Elements elements;
        std::size_t ticks;
    };
    const Case cases[] = {
        {"e3 = e4", {{3, 5}, {4, 5}, {15, "T"}, {23, 1}}, 0},
        {"p1 = p2", {{1, 7}, {2, 7}, {52, 3}}, 0},
        {"±1e9 with the smallest step", {{1, -1e9}, {2, 1e9}, {3, -1e9}, {4, 1e9}, {5, 2e6}}, 1001},
        {"denormal range", {{3, 0}, {4, 1e-310}, {5, 1e-313}}, 0},
        {"NaN everywhere", {{1, NAN}, {2, NAN}, {3, NAN}, {4, NAN}, {5, NAN}}, 11},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        Array aDef = Def(c.elements);
        aDef[56] = 1;
        aDef[44] = 1;
        const int nBefore = oDevice.nDraws;
        g.PaintChartEmpty(200, 200, aDef);
        EXPECT_EQ(aDef[55].AsArray()[1].AsArray().Len(), c.ticks);
        EXPECT_LE(oDevice.nDraws - nBefore, static_cast<int>(5 + 3 * c.ticks));
    }
}

TEST_F(EmptyChart, PainterStateIsKept)
{
    const Value red = Value::Color{RGB(255, 0, 0)};
    const Elements everything = {{12, red}, {18, red}, {22, red}, {24, red}, {36, red}, {42, red}, {46, red},
                                 {48, red}, {50, red}, {53, red}, {57, red}, {15, "x"}, {39, "y"}, {23, 1},
                                 {47, 1},   {49, 5},   {51, 1},   {52, 3},   {54, 1}};
    const Elements cases[] = {{}, everything};
    for (bool lFont : {false, true}) {
        for (const Elements& elements : cases) {
            SCOPED_TRACE(testing::Message() << "caller font " << lFont << ", elements " << elements.size());
            g.SetStringColor(ColorArg::Rgb(1, 2, 3)).SetFillColor(ColorArg::Rgb(4, 5, 6));
            g.SetLineColor(ColorArg::Rgb(7, 8, 9)).SetLineWidth(3);
            if (lFont)
                g.SetStringFont(std::string("Arial"), 7.0, 11.0);
            else
                PainterTestAccess::State(g)._pFont.Reset();
            const PainterState& s = g.State();
            const uint32_t text = s._nTextColor, fill = s._nFillColor, line = s._nLineColor;
            const HFONT hFont = lFont ? s._pFont.Get() : nullptr;
            Array aDef = Def(elements);
            g.PaintChartEmpty(200, 200, aDef);
            EXPECT_EQ(s._nTextColor, text);
            EXPECT_EQ(s._nFillColor, fill);
            EXPECT_EQ(s._nLineColor, line);
            EXPECT_EQ(s._nLineWidth, 3);
            EXPECT_EQ(s._pFont.Get(), hFont);
            if (lFont) {
                EXPECT_EQ(GetObjectType(hFont), static_cast<DWORD>(OBJ_FONT));
            }
        }
    }
}

TEST_F(EmptyChart, NoGdiObjectIsLeft)
{
    TestDevice oSmall(2, 60, 60);
    Graphics gSmall(oSmall, 60, 60);
    const DWORD nBefore = GetGuiResources(GetCurrentProcess(), GR_GDIOBJECTS);
    // More charts than the GDI handle table holds (10,000 objects per process
    // on Windows, 65,536 in all under Wine): one object left per chart would
    // exhaust it.
    for (int i = 0; i < 70000; ++i) {
        Array aDef = Def({{1, 0}, {2, 50}, {5, 25}, {25, 0}, {26, 50}, {29, 25}, {15, "x"}, {39, "y"}});
        gSmall.PaintChartEmpty(5, 5, aDef);
    }
    const DWORD nAfter = GetGuiResources(GetCurrentProcess(), GR_GDIOBJECTS);
    EXPECT_LE(nAfter, nBefore + 10);
    const HFONT hFont = CreateFontA(12, 0, 0, 0, 400, 0, 0, 0, 0, 0, 0, 0, 0, "Arial");
    EXPECT_NE(hFont, nullptr);
    DeleteObject(hFont);
    Array aDef;
    g.PaintChartEmpty(200, 200, aDef);
    EXPECT_NE(oDevice.Pixel(150, 200), kWhite) << "charts still draw";
}

}  // namespace
