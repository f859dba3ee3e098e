// Every chart operation given what it must not be given: empty data, axes
// without a scale, arrays the empty chart has not validated, malformed
// entries, NaN and infinite values. Each returns after a bounded number of
// drawings, draws nothing at a position that is not finite and leaves the
// painter as it was.
#include <cmath>
#include <functional>
#include <limits>
#include <string>
#include <vector>

#include "tests/graphics/charts/chart_fixture.h"

namespace {

using namespace charttest;

constexpr double kInf = std::numeric_limits<double>::infinity();
const double kNaN = std::nan("");

struct Input {
    const char* what;
    Array def;
    Array points;  // entries {x, y}
    Array lists;   // entries {x, values}
    int draws;     // at most
};

struct Operation {
    const char* name;
    std::function<void(Graphics&, const Input&)> paint;
};

const Operation kAxisCharts[] = {
    {"bar", [](Graphics& g, const Input& in) { g.PaintChartBar(kX0, kY0, in.def, in.points, Colour(kRed)); }},
    {"pillar", [](Graphics& g, const Input& in) { g.PaintChartPillar(kX0, kY0, in.def, in.lists, Value()); }},
    {"multi-bar", [](Graphics& g, const Input& in) { g.PaintChartMultiBar(kX0, kY0, in.def, in.lists, Value(), 0.5); }},
    {"line", [](Graphics& g, const Input& in) { g.PaintChartLine(kX0, kY0, in.def, in.points, 1, Value()); }},
    {"spline", [](Graphics& g, const Input& in) { g.PaintChartSpline(kX0, kY0, in.def, in.points, 0.5, 1, Value()); }},
    {"scatter", [](Graphics& g, const Input& in) { g.PaintChartScatter(kX0, kY0, in.def, in.points); }},
    {"integral",
     [](Graphics& g, const Input& in) {
         Array lists = in.lists;
         g.PaintChartIntegral(kX0, kY0, in.def, lists, Value(), 1, 1);
     }},
};

// The painter values that every operation keeps in these cases.
struct Snapshot {
    uint32_t fill, line, text;
    int32_t width, pattern;
    HFONT font;
    bool operator==(const Snapshot&) const = default;
};

Snapshot Take(const PainterState& s)
{
    return {s._nFillColor, s._nLineColor, s._nTextColor, s._nLineWidth, s._nLinePattern, s._pFont.Get()};
}

class Robustness : public ChartTest {
protected:
    Robustness()
    {
        g.SetFillColor(ColorArg::Rgb(10, 20, 30)).SetLineColor(ColorArg::Rgb(40, 50, 60));
        g.SetStringColor(ColorArg::Rgb(70, 80, 90)).SetLineWidth(2).SetLinePattern(PS_DASH);
        g.SetStringFont(std::string("Arial"), 7.0, 11.0).SetMarkerSurface(8).SetMarkerSize(10);
    }
    // Runs `paint`, expecting at most `draws` drawings and the painter
    // values unchanged.
    void Expect(const std::function<void()>& paint, int draws)
    {
        const Snapshot before = Take(g.State());
        const int nBefore = oDevice.nDraws;
        paint();
        EXPECT_LE(oDevice.nDraws - nBefore, draws);
        EXPECT_TRUE(Take(g.State()) == before) << "painter state";
    }
};

TEST_F(Robustness, AxisCharts)
{
    Array junk(59);
    for (std::size_t i = 1; i <= 59; ++i) junk[i] = "x";
    const Array good{Array{5, 50}}, goodLists{Array{5, Array{20, 30}}};
    const Array malformed{1, "x", Array(0), Array{"a", 5}, Array{1}, Array{1, Value()}, Array{Value(), Array{1}}};
    const Array malformedLists{1, "x", Array(0), Array{"a", Array{5}}, Array{1}, Array{1, 5}, Array{Value(), Array{1}}};
    // A logarithm of 0 gives -infinity.
    const Array infinite{Array{kNaN, 5}, Array{2, kInf}, Array{-kInf, 3}, Array{1e308, 50}, Array{5, kNaN}};
    const Array infiniteLists{Array{kNaN, Array{5}}, Array{2, Array{kInf}}, Array{-kInf, Array{3}},
                              Array{1e308, Array{50}}, Array{5, Array{kNaN}}};
    Array reversedTwo = Def();
    reversedTwo[21] = 2;
    const Input inputs[] = {
        {"empty data", Def(), Array(0), Array(0), 0},
        {"null data", Def(), Array(), Array(), 0},
        {"x axis without a scale", Def({{3, 5}, {4, 5}}), good, goodLists, 0},
        {"y axis without a scale", Def({{27, 5}, {28, 5}}), good, goodLists, 0},
        {"x axis of no length", Def({{1, 0}, {2, 0}}), good, goodLists, 0},
        {"not validated: short", Array(10), good, goodLists, 0},
        {"not validated: null", Array(), good, goodLists, 0},
        {"not validated: texts", junk, good, goodLists, 0},
        {"not validated: element 21 is 2", reversedTwo, good, goodLists, 0},
        {"malformed entries", Def(), malformed, malformedLists, 0},
        {"NaN and infinite values", Def(), infinite, infiniteLists, 0},
    };
    for (const Operation& op : kAxisCharts) {
        for (const Input& in : inputs) {
            SCOPED_TRACE(testing::Message() << op.name << ": " << in.what);
            Expect([&] { op.paint(g, in); }, in.draws);
        }
        // One good point among the bad ones is drawn, and only it (the
        // integral chart draws a level per series, with outline and markers).
        SCOPED_TRACE(op.name);
        Array points(0), lists(0);  // copies of the entries: arrays share them
        for (const Value& e : infinite) points.Add(e);
        for (const Value& e : infiniteLists) lists.Add(e);
        points.Add(Array{5, 50});
        lists.Add(Array{5, Array{20, 30}});
        Clear();
        Expect([&] { op.paint(g, {"one good point", Def(), points, lists, 6}); }, 6);
        EXPECT_GE(Count(kWhite), 400 * 400 - 1500);
    }
}

TEST_F(Robustness, PieAndLegend)
{
    struct PieCase {
        const char* what;
        double x, radius;
        Array slices;
    };
    const PieCase pies[] = {
        {"no slices", 200, 50, Array(0)},
        {"null slices", 200, 50, Array()},
        {"values adding up to 0", 200, 50, Array{Array{1}, Array{-1}}},
        {"a NaN value", 200, 50, Array{Array{1}, Array{kNaN}}},
        {"an infinite value", 200, 50, Array{Array{1}, Array{kInf}}},
        {"values adding up to infinity", 200, 50, Array{Array{1e308}, Array{1e308}}},
        {"no arrays", 200, 50, Array{1, "x", Value()}},
        {"radius 0", 200, 0, Array{Array{1}}},
        {"negative radius", 200, -5, Array{Array{1}}},
        {"NaN radius", 200, kNaN, Array{Array{1}}},
        {"infinite radius", 200, kInf, Array{Array{1}}},
        {"NaN centre", kNaN, 50, Array{Array{1}}},
        {"infinite centre", kInf, 50, Array{Array{1}}},
    };
    for (const PieCase& c : pies) {
        SCOPED_TRACE(c.what);
        Expect([&] { g.PaintChartPie(c.x, 200, c.radius, c.slices, 1, Value()); }, 0);
    }
    // Texts as values: each counts as 0; the slices with a share are drawn.
    Expect([&] { g.PaintChartPie(200, 200, 50, Array{Array{"x"}, Array{1}, Array{2}}, 1, Value()); }, 2);

    struct LegendCase {
        const char* what;
        double x;
        Array entries;
        Value origin;
    };
    const LegendCase legends[] = {
        {"no entries", 50, Array(0), Value()},
        {"null entries", 50, Array(), Value()},
        {"entries of the wrong shape", 50, Array{1, "x", Array{"no colour"}, Array{5, 3}, Array(0)}, 10},
        {"NaN reference point", kNaN, Array{Array{"a", 3}}, Value()},
        {"infinite reference point", kInf, Array{Array{"a", 3}}, 10},
    };
    // The legend measures its font (one drawing) and draws nothing.
    Clear();
    for (const LegendCase& c : legends) {
        SCOPED_TRACE(c.what);
        Array def;
        Expect([&] { g.PaintChartLegend(c.x, 50, def, c.entries, c.origin); }, 1);
        EXPECT_EQ(Count(kWhite), 400 * 400);
    }
}

}  // namespace
