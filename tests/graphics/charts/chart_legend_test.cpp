// The legend on a memory device: its definition array completed in place,
// the box and the rows measured in the legend's unit, the origin mode,
// patterns carried upwards, and the painter state afterwards.
#include <string>
#include <vector>

#include "tests/graphics/charts/chart_fixture.h"

namespace {

using namespace charttest;

class Legend : public ChartTest {
protected:
    // The legend's unit u (half the line height) for a text size.
    double Unit(double width, double height)
    {
        g.SetStringFont(32, width, height, 0, 4, 0.0);
        return g.GetStringHeight("A") * 0.75 / 2;
    }
    double Widest(const std::vector<std::string>& texts, double width, double height)
    {
        g.SetStringFont(32, width, height, 0, 4, 0.0);
        double widest = 0;
        for (const std::string& t : texts) widest = std::max(widest, g.GetStringWidth(t));
        return widest;
    }
};

TEST_F(Legend, DefinitionCompletedInPlace)
{
    g.SetLineColor(ColorArg::Rgb(40, 50, 60)).SetFillColor(ColorArg::Rgb(10, 20, 30));
    const Value line = Value::Color{RGB(40, 50, 60)}, fill = Value::Color{RGB(10, 20, 30)},
                standard = Value::Dimension{6, 9};
    struct Case {
        const char* what;
        Array def;
        std::vector<Value> expected;
    };
    const Case cases[] = {
        {"empty", Array(0), {5, standard, 1, line, 0, fill, 0}},
        {"text size 1, frame switch 2", Array{0, 1, 51, "x", 2, Value(), -1}, {5, standard, 1, line, 0, fill, 0}},
        {"text size 60, fractions",
         Array{3.7, 60, 2.5, 3, 1.5, Colour(kRed), 1},
         {3.7, standard, 2.5, 3, 1.5, Colour(kRed), 1}},
        {"text size 12 stays a number",
         Array{11, 12, 50, Colour(kBlue), 1, 4, 0.5},
         {5, 12, 50, Colour(kBlue), 1, 4, 0.5}},
        {"text sizes as a dimension",
         Array{1, Value::Dimension{2, 50}},
         {1, Value::Dimension{2, 50}, 1, line, 0, fill, 0}},
        {"a dimension out of range", Array{1, Value::Dimension{1, 50}}, {1, standard, 1, line, 0, fill, 0}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        g.SetFillColor(ColorArg::Rgb(10, 20, 30));
        Array def = c.def;
        g.PaintChartLegend(50, 50, def, Array{Array{"x", 1}}, Value());
        ASSERT_EQ(def.Len(), 7U);
        for (std::size_t i = 1; i <= 7; ++i) EXPECT_EQ(def[i], c.expected[i - 1]) << "element " << i;
    }
    Array none;
    g.PaintChartLegend(50, 50, none, Array{Array{"x", Colour(kRed)}}, Value());
    EXPECT_TRUE(none.IsNull()) << "a null definition is the call's own";
    EXPECT_GT(Count(kRed), 0);
}

TEST_F(Legend, FramedBoxAroundThreeEntries)
{
    const std::vector<std::string> texts = {"one", "a wider text", "three"};
    Array def{5, 12, 1, Colour(kOutline), 1, Value(), 0};
    const Array entries{Array{texts[0], Colour(kRed)}, Array{texts[1], Colour(kGreen)}, Array{texts[2], Colour(kBlue)}};
    g.PaintChartLegend(50, 50, def, entries, Value());
    const double u = Unit(12, 12), widest = Widest(texts, 12, 12);
    const RECT frame = Extent(kOutline);
    EXPECT_NEAR(frame.left, 50, 1.5);
    EXPECT_NEAR(frame.top, 50, 1.5);
    EXPECT_NEAR(frame.right, 50 + 11 * u + widest, 1.5);
    EXPECT_NEAR(frame.bottom, 50 + 10 * u, 1.5);
    const COLORREF lines[] = {kRed, kGreen, kBlue};
    for (int i = 0; i < 3; ++i) {
        SCOPED_TRACE(texts[i]);
        const RECT line = Extent(lines[i]);
        EXPECT_NEAR((line.top + line.bottom) / 2.0, 50 + (8 - 3 * i) * u, 1.5);
        EXPECT_NEAR(line.left, 50 + u, 1.5);
        EXPECT_NEAR(line.right, 50 + 9 * u, 1.5);
        EXPECT_NEAR(line.bottom - line.top + 1, u, 1.5) << "5 tenths of the line height";
        const RECT text = Extent(RGB(0, 0, 0), static_cast<int>(50 + 10 * u), static_cast<int>(line.top - u),
                                 frame.right - 2, static_cast<int>(line.bottom + u));
        EXPECT_NEAR(text.left, 50 + 10 * u, 2.5) << "black text beside its line";
    }
}

TEST_F(Legend, OriginModeAndFillWithoutFrame)
{
    g.SetLineColor(ColorArg::Rgb(0, 0, 0));
    Array def{5, 12, 1, Colour(kOutline), 0, Colour(kYellow), 1};
    const Array entries{Array{"centred", Colour(kRed)}, Array{"box", Colour(kBlue)}};
    g.PaintChartLegend(200, 200, def, entries, 10);
    const double u = Unit(12, 12), width = 9 * u + Widest({"centred", "box"}, 12, 12), height = u + 4 * u;
    const RECT box = Extent(kYellow);
    EXPECT_NEAR(box.left, 200 - width / 2, 1.5);
    EXPECT_NEAR(box.right, 200 + width / 2, 1.5);
    EXPECT_NEAR(box.top, 200 - height / 2, 1.5);
    EXPECT_NEAR(box.bottom, 200 + height / 2, 1.5);
    // The border, where no line or text reaches it, is in the fill colour.
    EXPECT_EQ(Pixel(box.left, 200), kYellow);
    EXPECT_EQ(Pixel(box.left + 2, box.top), kYellow);
    EXPECT_EQ(Pixel(box.left + 2, box.bottom), kYellow);
    EXPECT_EQ(Extent(kOutline).right, -1);
}

TEST_F(Legend, EntryWithoutPatternTakesThePatternBelow)
{
    // One-pixel lines (a tenth of the line height): a dotted pen shows.
    int solid = 0;
    for (const int pattern : {PS_SOLID, PS_DOT}) {
        Clear();
        Array def{1, 12};
        g.PaintChartLegend(50, 50, def, Array{Array{"top", Colour(kRed)}, Array{"bottom", Colour(kBlue), pattern}},
                           Value());
        if (pattern == PS_SOLID)
            solid = Count(kRed);
        else
            EXPECT_LT(Count(kRed), solid * 3 / 4);
    }
    EXPECT_GT(solid, 10);
}

TEST_F(Legend, PainterStateAfterwards)
{
    for (const int filled : {0, 1}) {
        SCOPED_TRACE(filled ? "filled" : "not filled");
        g.SetStringColor(ColorArg::Rgb(70, 80, 90)).SetFillColor(ColorArg::Rgb(10, 20, 30));
        g.SetLineColor(ColorArg::Rgb(40, 50, 60)).SetLineWidth(3).SetLinePattern(PS_DASH);
        g.SetStringFont(std::string("Arial"), 7.0, 11.0);
        const HFONT hFont = State()._pFont.Get();
        Array def{5, 12, 4, Colour(kOutline), 1, Colour(kYellow), filled};
        g.PaintChartLegend(50, 50, def, Array{Array{"a", Colour(kRed), PS_DOT}, "not an entry", Array{"b", 3}},
                           Value());
        EXPECT_EQ(State()._nTextColor, RGB(70, 80, 90));
        EXPECT_EQ(State()._nLineColor, RGB(40, 50, 60));
        EXPECT_EQ(State()._nLineWidth, 3);
        EXPECT_EQ(State()._nLinePattern, PS_DASH);
        EXPECT_EQ(State()._pFont.Get(), hFont);
        EXPECT_EQ(GetObjectType(hFont), static_cast<DWORD>(OBJ_FONT));
        EXPECT_EQ(State()._nFillColor, filled ? kYellow : RGB(10, 20, 30));
    }
}

}  // namespace
