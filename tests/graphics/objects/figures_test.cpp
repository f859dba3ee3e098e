// Lines, line groups, polygons, points, markers and ellipses on a memory
// device: where their edges, corners and fills land under the upward device
// mapping.
#include <gtest/gtest.h>

#include <functional>
#include <utility>
#include <vector>

#include "graphics/objects/canvas_fixture.h"
#include "graphics/objects/objectpoints.h"

namespace {

constexpr COLORREF kRed = RGB(255, 0, 0);
constexpr COLORREF kBlue = RGB(0, 0, 255);

struct FigureCase {
    const char* cName;
    std::function<void(Graphics&)> fnDraw;
    const char* cBox;  // painted pixels, "left,bottom-right,top" inclusive
    // Pixels with the colour they must have.
    std::vector<std::pair<POINT, COLORREF>> aPixels;
};

class FiguresTest : public CanvasTest {
protected:
    void Renew()
    {
        CanvasTest::Renew();
        G().SetLineColor(ColorArg::Rgb(255, 0, 0));
        G().SetFillColor(ColorArg::Rgb(0, 0, 255));
    }
    void Check(const std::vector<FigureCase>& aCases)
    {
        for (const FigureCase& c : aCases) {
            Renew();
            c.fnDraw(G());
            EXPECT_EQ(PaintedBox(), c.cBox) << c.cName << "\n" << Picture(0, 0, kWidth - 1, kHeight - 1);
            for (const auto& [p, nColor] : c.aPixels)
                EXPECT_EQ(Pixel(p.x, p.y), nColor) << c.cName << " at " << p.x << "," << p.y;
        }
    }
};

TEST_F(FiguresTest, LinesGroupsAndPolygons)
{
    Check({
        {"line, factor 2 and world origin (10, 5)",
         [](Graphics& g) { g.SetWorldSystem(2.0, 2.0).SetWorldOrigin(10, 5).PaintLine(0, 0, 10, 5); },
         "10,5-30,15",
         {{{10, 5}, kRed}, {{20, 10}, kRed}, {{30, 15}, kRed}}},
        {"line group: two connected strokes",
         [](Graphics& g) {
             g.PaintLineGroup({{0, 0}, {10, 0}, {10, 10}});
         },
         "0,0-10,9",
         {{{5, 0}, kRed}, {{10, 5}, kRed}, {{5, 5}, kWhite}}},
        {"line group: a segment, then a stroke from its end",
         [](Graphics& g) {
             g.PaintLineGroup({{0, 0, 5, 5}, {10, 10}});
         },
         "0,0-10,10",
         {{{3, 3}, kRed}, {{8, 8}, kRed}}},
        {"line group: offsets are added before the scaling",
         [](Graphics& g) {
             g.SetWorldSystem(2.0, 2.0).PaintLineGroup({{0, 0}, {4, 0}}, 1, 1);
         },
         "2,2-9,2",
         {}},
        {"line group: entries of one or three numbers are skipped",
         [](Graphics& g) {
             g.PaintLineGroup({{0, 0}, {5}, {7, 7, 7}, {10, 0}, {}});
         },
         "0,0-9,0",
         {}},
        {"polygon outline, closed back to its first vertex",
         [](Graphics& g) {
             g.PaintPolygon({{0, 0}, {20, 0}, {20, 20}});
         },
         "0,0-20,20",
         {{{10, 10}, kRed}, {{15, 5}, kWhite}}},
        {"polygon filled solid",
         [](Graphics& g) {
             g.SetFillHatch(32).PaintPolygon({{0, 0}, {20, 0}, {20, 20}}, 1);
         },
         "0,0-20,20",
         {{{15, 5}, kBlue}, {{20, 10}, kRed}}},
        {"polygon with fill style 160 is filled solid",
         [](Graphics& g) {
             g.SetFillHatch(160).PaintPolygon({{0, 0}, {20, 0}, {20, 20}, {0, 0}}, 1);
         },
         "0,0-20,20",
         {{{15, 5}, kBlue}}},
        {"polygon without vertices", [](Graphics& g) { g.PaintPolygon({}, 1); }, "none", {}},
    });
}

TEST_F(FiguresTest, PointsAndPointGroups)
{
    const COLORREF c4 = ChangeNum2Rgb(4), c9 = ChangeNum2Rgb(9);
    Check({
        {"point with offsets (10, 20)",
         [](Graphics& g) { g.SetWorldOrigin(10, 20).PaintPoint(5, 5); },
         "15,25-15,25",
         {{{15, 25}, kRed}}},
        {"point group: a colour holds until the next one",
         [](Graphics& g) {
             g.PaintPointGroup({{1, 1, {}}, {2, 2, 4}, {3, 3, {}}, {4, 4, 9}});
         },
         "1,1-4,4",
         {{{1, 1}, kRed}, {{2, 2}, c4}, {{3, 3}, c4}, {{4, 4}, c9}}},
        {"point group: offsets (0.5, 0.5) before the factor 2",
         [](Graphics& g) {
             g.SetWorldSystem(2.0, 2.0).SetWorldOrigin(10, 10).PaintPointGroup({{1, 1, {}}}, 0.5, 0.5);
         },
         "13,13-13,13",
         {}},
    });
}

TEST_F(FiguresTest, PointColourReadsTheMemoryBitmap)
{
    Graphics& g = G();
    g.SetLineColor(ColorArg::Rgb(255, 0, 0)).PaintPoint(7, 8);
    // The painter's query answers only from a window's refresh bitmap.
    EXPECT_EQ(g.GetPointColor(7, 8), 0xFFFFFFFFu);
    objectPointColor o(*oMemory, 7, 8);
    EXPECT_EQ(o.GetColor(), 0xFFFFFFFFu);
    oMemory->Draw(o);
    EXPECT_EQ(o.GetColor(), kRed);
}

TEST_F(FiguresTest, MarkersAt96PixelsPerInch)
{
    ASSERT_EQ(G().State()._nPixProInchX, 96u);
    auto marker = [](int32_t nType, double fSize = 12.0) {
        return [=](Graphics& g) { g.SetMarkerSize(fSize).SetMarkerSurface(nType).PaintMarker(30, 24); };
    };
    // Size 12 points: circle half extent 8, square half side 6, arrows 16 and 11.
    Check({
        {"type 1: one pixel", marker(1), "30,24-30,24", {{{30, 24}, kRed}}},
        {"type 2: plus", marker(2), "22,16-37,31", {{{22, 24}, kRed}, {{30, 16}, kRed}}},
        {"type 3: diagonal cross", marker(3), "24,19-36,30", {{{30, 24}, kRed}}},
        {"type 4: plus and cross", marker(4), "22,16-37,31", {{{26, 28}, kRed}}},
        {"type 5: circle outline", marker(5), "22,17-37,32", {{{30, 24}, kWhite}}},
        {"type 6: circle filled", marker(6), "22,17-37,32", {{{30, 24}, kBlue}, {{22, 24}, kRed}}},
        {"type 7: square outline", marker(7), "24,18-36,30", {{{30, 24}, kWhite}}},
        {"type 8: square filled", marker(8), "24,18-36,30", {{{30, 24}, kBlue}, {{24, 24}, kRed}}},
        {"type 9: horizontal dash", marker(9), "22,24-37,24", {}},
        {"type 10: vertical dash", marker(10), "30,16-30,31", {}},
        {"type 11: arrow toward higher x", marker(11), "15,14-30,34", {{{15, 24}, kRed}}},
        {"type 12: arrow toward lower x", marker(12), "30,14-45,34", {{{45, 24}, kRed}}},
        {"type 13: arrow toward higher y", marker(13), "20,9-40,24", {{{30, 9}, kRed}}},
        {"type 14: arrow toward lower y", marker(14), "20,24-40,39", {{{30, 39}, kRed}}},
        {"type 15: nothing", marker(15), "none", {}},
        {"a tiny marker keeps one pixel of extent", marker(2, 0.5), "29,23-30,24", {}},
        {"world factors leave the size alone",
         [](Graphics& g) { g.SetWorldSystem(4.0, 4.0).SetMarkerSize(12.0).SetMarkerSurface(9).PaintMarker(7.5, 6); },
         "22,24-37,24",
         {}},
    });
}

TEST_F(FiguresTest, MarkerGroups)
{
    const COLORREF c3 = ChangeNum2Rgb(3);
    auto group = [](int32_t nType) {
        return [=](Graphics& g) {
            g.SetMarkerSize(12.0).SetMarkerSurface(nType).PaintMarkerGroup({{10, 10, {}}, {30, 20, 3}, {50, 30, {}}});
        };
    };
    Check({
        {"type 1: pixels in the colours of the entries",
         group(1),
         "10,10-50,30",
         {{{10, 10}, kRed}, {{30, 20}, c3}, {{50, 30}, c3}}},
        {"type 9: dashes, the first in the line colour",
         group(9),
         "2,10-57,30",
         {{{2, 10}, kRed}, {{22, 20}, c3}, {{42, 30}, c3}}},
        {"type 6: outline in the entry's colour, inside in the fill colour",
         group(6),
         "2,3-57,38",
         {{{30, 20}, kBlue}, {{22, 20}, c3}}},
        {"arrows are not drawn in groups", group(12), "none", {}},
    });
}

TEST_F(FiguresTest, EllipsesAndTheirParts)
{
    Check({
        {"ellipse centred on its point",
         [](Graphics& g) { g.PaintEllipse(10, 20, 5, 3); },
         "5,18-14,23",
         {{{5, 20}, kRed}, {{10, 20}, kWhite}}},
        {"ellipse with origin mode 0: the point is the box corner",
         [](Graphics& g) { g.PaintEllipse(10, 20, 5, 3, 0, 0); },
         "10,21-19,26",
         {}},
        {"ellipse with fill style 160: outline only",
         [](Graphics& g) { g.SetFillHatch(160).PaintEllipse(30, 24, 10, 10, 1); },
         "20,15-39,34",
         {{{30, 24}, kWhite}}},
        // Windows runs from the second angle's radial to the first's,
        // counter-clockwise on the screen.
        {"sector from 90 to 0 degrees: the quarter toward higher x and y",
         [](Graphics& g) { g.SetFillHatch(32).PaintEllipseSector(30, 24, 12, 12, 0, 90, 1); },
         "30,24-41,36",
         {{{34, 28}, kBlue}, {{26, 20}, kWhite}, {{26, 28}, kWhite}}},
        {"sector from 0 to 90 degrees: the other three quarters",
         [](Graphics& g) { g.SetFillHatch(32).PaintEllipseSector(30, 24, 12, 12, 90, 0, 1); },
         "18,13-41,36",
         {{{34, 28}, kWhite}, {{26, 20}, kBlue}, {{26, 28}, kBlue}}},
        {"segment: the chord cuts off the centre",
         [](Graphics& g) { g.SetFillHatch(32).PaintEllipseSegment(30, 24, 12, 12, 0, 90, 1); },
         "31,25-41,36",
         {{{37, 32}, kBlue}, {{32, 26}, kWhite}}},
        {"curve: never filled",
         [](Graphics& g) { g.SetFillHatch(32).PaintEllipseCurve(30, 24, 12, 12, 0, 90); },
         "32,25-41,36",
         {{{34, 28}, kWhite}}},
        {"curve with equal angles: the whole outline",
         [](Graphics& g) { g.PaintEllipseCurve(30, 24, 12, 12, 45, 45); },
         "18,13-41,36",
         {}},
        {"radius 0: an empty box", [](Graphics& g) { g.PaintEllipse(30, 24, 0, 5, 1); }, "none", {}},
    });
}

}  // namespace
