// No figure leaves a GDI object behind: 100,000 figures of every kind on a
// memory device, after which drawing and creating GDI objects still work
// (a leak would exhaust the process's GDI handles long before).
#include <gtest/gtest.h>
#include <windows.h>

#include "graphics/core/graphics.h"
#include "graphics/windows/gmemory.h"

namespace {

TEST(FigureLeakTest, HundredThousandFiguresOfEveryKind)
{
    gMemory oMemory(2, 12, 12);
    Graphics& g = *oMemory._oGraphics;
    g.SetStringFont(std::string("Arial"), 0.0, 8.0, {}, 2u);
    g.SetLineColor(ColorArg::Rgb(200, 0, 0)).SetFillColor(ColorArg::Rgb(0, 0, 200));
    const WorldPoints aLine{{1, 1}, {10, 4}, {3, 12, 20, 20}};
    const WorldPoints aShape{{1, 1}, {20, 2}, {18, 20}, {2, 15}};
    const GroupPoints aGroup{{2, 2, {}}, {8, 9, 5}, {15, 3, {}}};
    for (int i = 0; i < 100000; ++i) {
        const uint32_t nFill = i % 2;
        g.SetFillHatch(i % 3 == 0 ? 64 : (i % 3 == 1 ? 32 : 132)).SetMarkerSurface(1 + i % 14);
        g.PaintLine(0, 0, 20, 10).PaintLineGroup(aLine).PaintPolygon(aShape, nFill);
        g.PaintPoint(5, 5).PaintPointGroup(aGroup).PaintMarker(10, 10).PaintMarkerGroup(aGroup);
        g.PaintSpline(aShape, i % 2 ? 0.0 : 5.0).PaintBezier(aShape, i % 2 == 0, nFill);
        g.PaintEllipse(12, 12, 6, 4, nFill).PaintEllipseSector(12, 12, 6, 4, 30, 200, nFill);
        g.PaintGradientCanvas(8.0, i % 4)
            .PaintSpotCanvas(12.0, 4 + i % 4)
            .PaintGradientArea(2, 2, 10, 10, 8.0, 0, i % 4);
        g.PaintString(2, 2, "Ab", 0, nFill ? 0 : 10).PaintStringRing(12, 12, 10, 0, 2, 3, "ab");
        g.PaintFractal(1, 1, 3, 3);
    }
    g.SetFillHatch(32).PaintEllipse(6, 6, 4, 4, 1);
    EXPECT_EQ(GetPixel(oMemory.GetMemoryDC(), 6, 6), RGB(0, 0, 200));
    const HBRUSH hBrush = CreateSolidBrush(RGB(1, 2, 3));
    const HPEN hPen = CreatePen(PS_SOLID, 1, RGB(1, 2, 3));
    const HFONT hFont = CreateFontA(12, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, "Arial");
    EXPECT_NE(hBrush, nullptr);
    EXPECT_NE(hPen, nullptr);
    EXPECT_NE(hFont, nullptr);
    DeleteObject(hBrush);
    DeleteObject(hPen);
    DeleteObject(hFont);
}

}  // namespace
