// Pixel probes of the rectangles, canvases, areas, clip region and flood fill
// on a memory device, whose bottom-left pixel is (0, 0).
#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <cmath>
#include <limits>
#include <utility>
#include <vector>
#include <functional>
#include <string>

#include "graphics/core/graphics.h"
#include "graphics/test_device.h"
#include "graphics/windows/gmemory.h"
#include "graphics/painter_access.h"

namespace {

constexpr COLORREF kWhite = RGB(255, 255, 255), kBlack = 0, kRed = RGB(255, 0, 0), kGreen = RGB(0, 255, 0),
                   kBlue = RGB(0, 0, 255);

class PaintTest : public ::testing::Test {
protected:
    void SetUp() override { g.SetBackgroundColor(15).PaintEraseCanvas(); }
    COLORREF Pixel(int x, int y) const { return GetPixel(oMemory.GetMemoryDC(), x, y); }
    // The pixels set in colour c inside the probe window, as a picture of rows
    // from the top ('#' set, '.' not).
    std::string Picture(int x0, int y0, int x1, int y1, COLORREF c) const
    {
        std::string s;
        for (int y = y1; y >= y0; --y) {
            for (int x = x0; x <= x1; ++x) s += Pixel(x, y) == c ? '#' : '.';
            s += '\n';
        }
        return s;
    }
    gMemory oMemory{2, 64, 48};
    Graphics& g = *oMemory._oGraphics;
};

TEST_F(PaintTest, BottomLeftPixelIsTheOrigin)
{
    g.SetLineColor(12).PaintRectangle(0, 0, 0, 0);
    EXPECT_EQ(Pixel(0, 0), kRed);
    // Row 0 of the bitmap is its top row.
    BITMAPINFO bi{};
    bi.bmiHeader = {sizeof(BITMAPINFOHEADER), 64, -48, 1, 32, BI_RGB, 0, 0, 0, 0, 0};
    uint32_t aPixels[64 * 48];
    HBITMAP hCopy = oMemory.GetMemoryHandle();
    HDC hScreen = GetDC(nullptr);
    GetDIBits(hScreen, hCopy, 0, 48, aPixels, &bi, DIB_RGB_COLORS);
    ReleaseDC(nullptr, hScreen);
    EXPECT_EQ(aPixels[47 * 64] & 0xFFFFFF, 0xFF0000U) << "last row, first column";
    EXPECT_EQ(aPixels[0] & 0xFFFFFF, 0xFFFFFFU);
}

TEST_F(PaintTest, RectangleCoversBothCornersAndExtentsAreAdded)
{
    g.SetLineColor(12).SetFillColor(9);
    g.PaintRectangle(1, 2, 4, 6, 1);
    EXPECT_EQ(Picture(0, 1, 6, 9, kRed) + Picture(0, 1, 6, 9, kBlue), ".......\n"
                                                                      ".#####.\n"
                                                                      ".#...#.\n"
                                                                      ".#...#.\n"
                                                                      ".#...#.\n"
                                                                      ".#...#.\n"
                                                                      ".#...#.\n"
                                                                      ".#####.\n"
                                                                      ".......\n"
                                                                      ".......\n"
                                                                      ".......\n"
                                                                      "..###..\n"
                                                                      "..###..\n"
                                                                      "..###..\n"
                                                                      "..###..\n"
                                                                      "..###..\n"
                                                                      ".......\n"
                                                                      ".......\n");
}

TEST_F(PaintTest, RectangleFormsGiveTheSamePixels)
{
    struct Case {
        const char* cName;
        void (*fn)(Graphics&);
    };
    const Case aCases[] = {
        {"plain", [](Graphics& o) { o.PaintRectangle(10, 20, 30, 15); }},
        {"aligned", [](Graphics& o) { o.PaintRectangleAligned(10, 20, 40, 35); }},
        {"aligned, corners swapped", [](Graphics& o) { o.PaintRectangleAligned(40, 35, 10, 20); }},
        {"origin 10 at the centre", [](Graphics& o) { o.PaintRectangle(25, 27, 30, 15, 0, 10); }},
        {"origin 4 at the upper right", [](Graphics& o) { o.PaintRectangle(40, 35, 30, 15, 0, 4); }},
        {"aligned, origin 2", [](Graphics& o) { o.PaintRectangleAligned(10, 35, 40, 50, 0, 2); }},
        {"world factor 2 and origin",
         [](Graphics& o) { o.SetWorldSystem(2, 1).SetWorldOrigin(4, 0).PaintRectangle(3, 20, 15, 15); }},
    };
    std::string cExpected;
    for (const Case& c : aCases) {
        g.SetWorldSystem(1, 1).SetWorldOrigin(0, 0).PaintEraseCanvas().SetLineColor(16);
        c.fn(g);
        const std::string cPicture = Picture(0, 0, 63, 47, kBlack);
        if (cExpected.empty()) {
            cExpected = cPicture;
            EXPECT_EQ(Pixel(10, 20), kBlack);
            EXPECT_EQ(Pixel(40, 35), kBlack);
            EXPECT_EQ(Pixel(41, 35), kWhite);
            EXPECT_EQ(Pixel(40, 36), kWhite);
        }
        EXPECT_EQ(cPicture, cExpected) << c.cName;
    }
}

TEST_F(PaintTest, WorldPositionsBeyondTheIntegerRangeSaturate)
{
    g.SetWorldOrigin(10, 20).SetLineColor(12).PaintLine(0, 0, 1e12, 0).PaintLine(0, 5, -1e12, 5);
    for (int x = 0; x < 64; ++x) {
        SCOPED_TRACE(x);
        EXPECT_EQ(Pixel(x, 20), x < 10 ? kWhite : kRed) << "to the right";
        EXPECT_EQ(Pixel(x, 25), x > 10 ? kWhite : kRed) << "to the left";
    }
}

// Sizes of 1e12, -1e12 and an endless one reach beyond the 32-bit range of
// device positions: the part of each figure that lies on the canvas is
// painted, on its own side of the given point. A size that is not a number
// gives no figure at all.
TEST_F(PaintTest, SizesBeyondTheIntegerRangeKeepTheirSide)
{
    const double kInf = std::numeric_limits<double>::infinity(), kNaN = std::numeric_limits<double>::quiet_NaN();
    struct Case {
        const char* cName;
        void (*fn)(Graphics&, double);
        bool lAlongX;         // the size runs along x (else along y) from 10
        bool lNegativeDraws;  // a negative size draws too (else nothing)
    };
    const Case aCases[] = {
        {"rectangle", [](Graphics& o, double s) { o.PaintRectangle(10, 10, s, 10, 1); }, true, true},
        {"rectangle, height", [](Graphics& o, double s) { o.PaintRectangle(10, 10, 10, s, 1); }, false, true},
        {"aligned rectangle", [](Graphics& o, double s) { o.PaintRectangleAligned(10, 10, 10 + s, 20, 1); }, true,
         true},
        {"rounded rectangle", [](Graphics& o, double s) { o.PaintRectangleRounded(10, 10, s, 10, 4, 4, 1); }, true,
         true},
        {"erase area",
         [](Graphics& o, double s) { o.SetBackgroundColor(12).PaintEraseArea(10, 10, s, 10).SetBackgroundColor(15); },
         true, false},
        {"gradient area, width", [](Graphics& o, double s) { o.PaintGradientArea(10, 10, s, 10, 6.0, 0, 3); }, true,
         false},
        {"gradient area, height", [](Graphics& o, double s) { o.PaintGradientArea(10, 10, 10, s, 6.0, 0, 1); }, false,
         false},
        {"line", [](Graphics& o, double s) { o.PaintLine(10, 10, 10 + s, 10); }, true, true},
    };
    for (const Case& c : aCases) {
        for (const double fSize : {1e12, -1e12, kInf, kNaN}) {
            SCOPED_TRACE(testing::Message() << c.cName << ", size " << fSize);
            g.SetBackgroundColor(15).PaintEraseCanvas();
            g.SetLineColor(12).SetFillColor(12).SetGradientColor(12);
            c.fn(g, fSize);
            int nLow = 1000, nHigh = -1, nPainted = 0;
            for (int y = 0; y < 48; ++y) {
                for (int x = 0; x < 64; ++x) {
                    if (Pixel(x, y) == kWhite) continue;
                    ++nPainted;
                    nLow = std::min(nLow, c.lAlongX ? x : y);
                    nHigh = std::max(nHigh, c.lAlongX ? x : y);
                }
            }
            const int nEdge = c.lAlongX ? 63 : 47;
            // The gradient area lies a pixel before its point in its
            // direction, the outlines reach a pixel beyond it.
            if (std::isnan(fSize)) {
                EXPECT_EQ(nPainted, 0);
            } else if (fSize > 0) {
                EXPECT_GE(nLow, 9) << "nothing on the other side";
                EXPECT_EQ(nHigh, nEdge) << "up to the canvas's edge";
            } else if (c.lNegativeDraws) {
                EXPECT_EQ(nLow, 0) << "down to the canvas's edge";
                EXPECT_LE(nHigh, 11) << "nothing on the other side";
            } else {
                EXPECT_EQ(nPainted, 0);
            }
        }
    }
}

// Ellipses and their parts far larger than any canvas, which the system does
// not draw: the painter draws their part on the canvas itself. It looks as
// the system draws the same figure with a radius of 4e5 pixels, which it
// still draws, where the outline crosses the canvas within a thousandth of a
// pixel of the huge one's: the two differ only where the system and the
// painter round an outline to the other one of two neighbouring pixels. A
// radius that is not a number draws nothing.
TEST_F(PaintTest, HugeEllipsesAndTheirPartsLookAsTheSystemDrawsThem)
{
    const double kInf = std::numeric_limits<double>::infinity(), kNaN = std::numeric_limits<double>::quiet_NaN();
    constexpr double kDrawnBySystem = 4e5;
    struct Case {
        const char* cName;
        void (*fn)(Graphics&, double);  // the figure of radius r
        std::vector<double> aRadii;     // the huge radii
        // Pixels of the picture, with the colour they have: red outline,
        // blue fill.
        std::vector<std::pair<POINT, COLORREF>> aPixels;
    };
    // A radius beyond the 32-bit range becomes the largest device extent,
    // while a centre keeps its place: a figure centred far off the canvas
    // is drawn with a radius in the range only.
    const std::vector<double> aAnyRadius{1.2e9, 1e12, kInf}, aInRange{1.2e9};
    const Case aCases[] = {
        {"ellipse: a band across the canvas",
         [](Graphics& o, double r) { o.PaintEllipse(30, 20, r, 5, 1); },
         aAnyRadius,
         {{{0, 20}, kBlue}, {{63, 25}, kRed}, {{30, 30}, kWhite}, {{30, 10}, kWhite}}},
        {"sector from 90 to 0 degrees round a point of the canvas",
         [](Graphics& o, double r) { o.PaintEllipseSector(30, 20, r, r, 0, 90, 1); },
         aAnyRadius,
         {{{40, 30}, kBlue}, {{30, 40}, kRed}, {{50, 20}, kRed}, {{20, 30}, kWhite}, {{40, 10}, kWhite}}},
        {"sector from 250 to 20 degrees: more than half",
         [](Graphics& o, double r) { o.PaintEllipseSector(30, 20, r, r, 20, 250, 1); },
         aAnyRadius,
         {{{50, 30}, kBlue}, {{40, 10}, kBlue}, {{20, 30}, kWhite}, {{10, 10}, kBlue}, {{5, 15}, kWhite}}},
        {"segment from 80 to 260 degrees: its chord crosses the canvas",
         [](Graphics& o, double r) { o.PaintEllipseSegment(30, 20, r, r, 260, 80, 1); },
         aAnyRadius,
         {{{30, 30}, kBlue}, {{30, 10}, kWhite}}},
        {"curve from 180 to 0 degrees round a band",
         [](Graphics& o, double r) { o.PaintEllipseCurve(30, 20, r, 5, 0, 180); },
         aAnyRadius,
         {{{50, 16}, kRed}, {{50, 25}, kRed}, {{10, 16}, kWhite}, {{10, 25}, kWhite}}},
        {"sector centred far below: a radius and the arc cross the canvas",
         [](Graphics& o, double r) { o.PaintEllipseSector(30, 20 - r, r, r, 0, 90, 1); },
         aInRange,
         {{{30, 10}, kRed}, {{50, 20}, kRed}, {{50, 10}, kBlue}, {{20, 10}, kWhite}, {{50, 30}, kWhite}}},
        {"segment centred far below: its chord and its arc cross the canvas",
         [](Graphics& o, double r) { o.PaintEllipseSegment(30, 20 - r, r, r, 0, 90, 1); },
         aInRange,
         {{{45, 20}, kRed}, {{45, 5}, kRed}, {{45, 15}, kBlue}, {{35, 5}, kWhite}}},
        {"curve centred far below",
         [](Graphics& o, double r) { o.PaintEllipseCurve(30, 20 - r, r, r, 0, 90); },
         aInRange,
         {{{50, 20}, kRed}, {{20, 20}, kWhite}, {{50, 10}, kWhite}}},
    };
    using Canvas = std::vector<COLORREF>;  // row after row from the bottom
    const auto draw = [&](void (*fn)(Graphics&, double), double r) {
        g.SetBackgroundColor(15).PaintEraseCanvas().SetLineColor(12).SetFillColor(9).SetFillHatch(32);
        fn(g, r);
        Canvas a;
        for (int y = 0; y < 48; ++y) {
            for (int x = 0; x < 64; ++x) a.push_back(Pixel(x, y));
        }
        return a;
    };
    // The pixels where the canvases differ although one of them has no
    // outline pixel at most one pixel away.
    const auto apart = [](const Canvas& a, const Canvas& b) {
        const auto nearOutline = [](const Canvas& c, int x, int y) {
            for (int j = std::max(y - 1, 0); j <= std::min(y + 1, 47); ++j) {
                for (int i = std::max(x - 1, 0); i <= std::min(x + 1, 63); ++i) {
                    if (c[j * 64 + i] == kRed) return true;
                }
            }
            return false;
        };
        std::string s;
        for (int y = 0; y < 48; ++y) {
            for (int x = 0; x < 64; ++x) {
                if (a[y * 64 + x] != b[y * 64 + x] && !(nearOutline(a, x, y) && nearOutline(b, x, y)))
                    s += " (" + std::to_string(x) + "," + std::to_string(y) + ")";
            }
        }
        return s;
    };
    const Canvas aBlank = draw([](Graphics&, double) {}, 0);
    for (const Case& c : aCases) {
        SCOPED_TRACE(c.cName);
        const Canvas aExpected = draw(c.fn, kDrawnBySystem);
        const std::string cExpected = Picture(0, 0, 63, 47, kRed) + "\n" + Picture(0, 0, 63, 47, kBlue);
        for (const double fRadius : c.aRadii) {
            SCOPED_TRACE(testing::Message() << "radius " << fRadius);
            EXPECT_EQ(apart(draw(c.fn, fRadius), aExpected), "") << "drawn by the system:\n"
                                                                 << cExpected << "\ndrawn by the painter:\n"
                                                                 << Picture(0, 0, 63, 47, kRed) << "\n"
                                                                 << Picture(0, 0, 63, 47, kBlue);
            for (const auto& [p, nColor] : c.aPixels) EXPECT_EQ(Pixel(p.x, p.y), nColor) << p.x << "," << p.y;
        }
        EXPECT_TRUE(draw(c.fn, kNaN) == aBlank) << "radius NaN";
    }
}

TEST_F(PaintTest, ClipsBeyondTheIntegerRangeHoldTheCanvasOnTheirSide)
{
    for (const double fSize : {1e12, -1e12, std::numeric_limits<double>::infinity()}) {
        SCOPED_TRACE(fSize);
        g.SetClipRegion().SetBackgroundColor(15).PaintEraseCanvas();
        g.SetClipRegion(0, 0, fSize, fSize).SetLineColor(12).SetFillColor(12).PaintRectangle(5, 5, 10, 10, 1);
        EXPECT_EQ(Pixel(10, 10), fSize > 0 ? kRed : kWhite) << "drawing after the clip";
    }
    g.SetClipRegion();
}

TEST_F(PaintTest, OriginModesShiftFractionalWorldPositionsBeforeTheConversion)
{
    // World factor 20: one world unit is 20 pixels, a box of 1 x 1 covers 21
    // columns and rows with its outline.
    struct Case {
        const char* cName;
        void (*fn)(Graphics&);
        RECT rBox;  // left, bottom, right, top, all inclusive
    };
    const Case aCases[] = {
        {"centre (10)", [](Graphics& o) { o.PaintRectangle(1.5, 1.5, 1, 1, 0, 10); }, {20, 20, 40, 40}},
        {"upper right (4)", [](Graphics& o) { o.PaintRectangle(2.25, 1.75, 1, 1, 0, 4); }, {25, 15, 45, 35}},
        {"top centre (3)", [](Graphics& o) { o.PaintRectangle(1.5, 2.25, 1, 1, 0, 3); }, {20, 25, 40, 45}},
        {"aligned, centre (10)",
         [](Graphics& o) { o.PaintRectangleAligned(1.5, 1.5, 2.5, 2.5, 0, 10); },
         {20, 20, 40, 40}},
        {"rounded, centre (10)",
         [](Graphics& o) { o.PaintRectangleRounded(1.5, 1.5, 1, 1, 0.2, 0.2, 0, 10); },
         {20, 20, 40, 40}},
        {"rounded, upper right (4)",
         [](Graphics& o) { o.PaintRectangleRounded(2.25, 1.75, 1, 1, 0.2, 0.2, 0, 4); },
         {25, 15, 45, 35}},
    };
    for (const Case& c : aCases) {
        SCOPED_TRACE(c.cName);
        g.SetWorldSystem(1, 1).PaintEraseCanvas().SetLineColor(16).SetWorldSystem(20, 20);
        c.fn(g);
        RECT r{64, 48, -1, -1};
        for (int y = 0; y < 48; ++y) {
            for (int x = 0; x < 64; ++x) {
                if (Pixel(x, y) != kBlack) continue;
                r = {std::min<LONG>(r.left, x), std::min<LONG>(r.top, y), std::max<LONG>(r.right, x),
                     std::max<LONG>(r.bottom, y)};
            }
        }
        EXPECT_EQ(r.left, c.rBox.left);
        EXPECT_EQ(r.top, c.rBox.top);
        EXPECT_EQ(r.right, c.rBox.right);
        EXPECT_EQ(r.bottom, c.rBox.bottom);
    }
}

// Which of red, green and blue show in a 16 x 16 window inside (10, 10).
std::string ColoursInside(const std::string& cRed, const std::string& cGreen, const std::string& cBlue)
{
    std::string s;
    if (cRed.find('#') != std::string::npos) s += "red ";
    if (cGreen.find('#') != std::string::npos) s += "green ";
    if (cBlue.find('#') != std::string::npos) s += "blue ";
    return s;
}

TEST_F(PaintTest, FillStylesOfClosedShapes)
{
    struct Case {
        int32_t nCode;
        uint32_t nFill;
        const char* cColours;
    };
    // Red below, hatch lines blue, fill green.
    const Case aCases[] = {
        {32, 1, "green "},     {4, 1, "green blue "}, {5, 1, "green blue "}, {132, 1, "red blue "},
        {133, 1, "red blue "}, {160, 1, "red "},      {32, 0, "red "},       {4, 2, "red "},
    };
    for (const Case& c : aCases) {
        g.SetBackgroundColor(12).PaintEraseCanvas();
        g.SetFillColor(10).SetFillHatchColor(9).SetLineColor(16).SetFillHatch(c.nCode);
        g.PaintRectangle(2, 2, 40, 40, c.nFill);
        EXPECT_EQ(Pixel(2, 2), kBlack) << "border, code " << c.nCode;
        EXPECT_EQ(ColoursInside(Picture(10, 10, 25, 25, kRed), Picture(10, 10, 25, 25, kGreen),
                                Picture(10, 10, 25, 25, kBlue)),
                  c.cColours)
            << "code " << c.nCode << " fill " << c.nFill;
    }
}

TEST_F(PaintTest, PatternFillShowsRowOneAtTheTop)
{
    std::vector<std::vector<ColorArg>> aPattern(8, std::vector<ColorArg>(8, 15));
    aPattern[0][0] = 12;  // row 1, value 1: top left of the 8 x 8 image
    aPattern[7][7] = 9;   // row 8, value 8: bottom right
    g.SetFillPattern(aPattern).SetFillHatch(64).SetLineColor(16);
    g.PaintRectangle(0, 0, 63, 47, 1);
    // Device rows 0 .. 7 from the bottom hold image rows 8 .. 1 (48 rows is a
    // multiple of 8).
    EXPECT_EQ(Pixel(8, 7), kRed);
    EXPECT_EQ(Pixel(15, 8), kBlue);
    EXPECT_EQ(Pixel(16, 15), kRed);
    EXPECT_EQ(Pixel(9, 7), kWhite);
    g.SetFillHatch(192).PaintRectangle(0, 0, 63, 47, 1);
    EXPECT_EQ(Pixel(8, 7), kRed) << "the transparent mode does not change a pattern";
}

TEST_F(PaintTest, RectangleOfOnePixelUsesTheLineColourAndRasterMode)
{
    g.SetLineColor(12).SetFillColor(9).PaintRectangle(5, 5, 0, 0, 1);
    EXPECT_EQ(Picture(4, 4, 6, 6, kRed), "...\n.#.\n...\n");
    g.SetRasterMode(R2_NOT).PaintRectangle(5, 5, 0, 0, 1);
    EXPECT_EQ(Pixel(5, 5), RGB(0, 255, 255));
}

TEST_F(PaintTest, RoundedRectangleKeepsItsCornersFree)
{
    g.SetLineColor(16).SetFillColor(10);
    g.PaintRectangleRounded(10, 10, 30, 20, 12, 12, 1);
    EXPECT_EQ(Pixel(10, 10), kWhite) << "the corner is rounded off";
    EXPECT_EQ(Pixel(25, 10), kBlack) << "bottom edge";
    EXPECT_EQ(Pixel(25, 30), kBlack) << "top edge";
    EXPECT_EQ(Pixel(40, 20), kBlack) << "right edge";
    EXPECT_EQ(Pixel(25, 20), kGreen);
    g.PaintEraseCanvas().PaintRectangleRounded(25, 20, 30, 20, 0, 0, 0, 10);
    EXPECT_EQ(Pixel(10, 10), kBlack) << "corners 0 are square, centred by mode 10";
    EXPECT_EQ(Pixel(40, 30), kBlack);
}

TEST_F(PaintTest, EraseAndFrameCanvas)
{
    g.SetBackgroundColor(12).PaintEraseCanvas();
    std::string cAll;
    for (int y = 0; y < 48; ++y) cAll += std::string(64, '#') + "\n";
    EXPECT_EQ(Picture(0, 0, 63, 47, kRed), cAll) << "every pixel of the area";
    g.SetLineColor(9).SetLineWidth(1).PaintFrameCanvas();
    for (const POINT p : {POINT{0, 0}, POINT{63, 0}, POINT{0, 47}, POINT{63, 47}, POINT{30, 0}, POINT{30, 47}}) {
        EXPECT_EQ(Pixel(p.x, p.y), kBlue) << p.x << "," << p.y;
    }
    EXPECT_EQ(Pixel(1, 1), kRed) << "inside keeps its pixels";
    g.SetRasterMode(R2_NOP).PaintFrameCanvas();
    EXPECT_EQ(Pixel(0, 0), kBlue);
}

TEST_F(PaintTest, EraseAreaIsOnePixelShortAndAlignsOnDevicePixels)
{
    g.SetBackgroundColor(16).PaintEraseCanvas().SetBackgroundColor(15);
    g.PaintEraseArea(2, 2, 5, 4);
    EXPECT_EQ(Picture(1, 1, 7, 6, kWhite), ".......\n"
                                           ".......\n"
                                           ".####..\n"
                                           ".####..\n"
                                           ".####..\n"
                                           ".......\n");
    g.SetBackgroundColor(16).PaintEraseCanvas().SetBackgroundColor(15).SetWorldSystem(2, 2);
    g.PaintEraseArea(10, 10, 3, 3, 10);  // device (20, 20), 6 x 6, centred: from (17, 17)
    EXPECT_EQ(Picture(16, 16, 23, 23, kWhite), "........\n"
                                               "........\n"
                                               ".#####..\n"
                                               ".#####..\n"
                                               ".#####..\n"
                                               ".#####..\n"
                                               ".#####..\n"
                                               "........\n");
}

TEST_F(PaintTest, NothingIsDrawnOutsideTheClipRegion)
{
    g.SetClipRegion(10, 10, 20, 10);
    EXPECT_EQ(g.State()._nClipX, 10);
    EXPECT_EQ(g.State()._nClipWidth, 20);
    g.SetBackgroundColor(12).PaintEraseCanvas();
    // The region holds exactly the width and the height.
    EXPECT_EQ(
        Picture(8, 8, 32, 22, kRed), std::string(25, '.') + "\n" + std::string(25, '.') + "\n" + std::string(25, '.') +
                                         "\n" +
                                         []() {
                                             std::string s;
                                             for (int i = 0; i < 10; ++i) s += ".." + std::string(20, '#') + "...\n";
                                             return s;
                                         }() +
                                         std::string(25, '.') + "\n" + std::string(25, '.') + "\n");
    g.SetWorldSystem(2, 2).SetClipRegion(10, 10, 4, 4, 1, 10);  // device (20, 20), 8 x 8 centred
    EXPECT_EQ(g.State()._nClipX, 16);
    EXPECT_EQ(g.State()._nClipY, 16);
    g.SetBackgroundColor(9).PaintEraseCanvas();
    EXPECT_EQ(Pixel(16, 16), kBlue);
    EXPECT_EQ(Pixel(23, 23), kBlue);
    EXPECT_EQ(Pixel(24, 18), kRed);
    EXPECT_EQ(Pixel(16, 24), kWhite);
    EXPECT_EQ(Pixel(15, 16), kRed);
    g.SetClipRegion().SetBackgroundColor(10).PaintEraseCanvas();
    EXPECT_EQ(Pixel(0, 0), kGreen);
    EXPECT_EQ(Pixel(63, 47), kGreen);
}

TEST_F(PaintTest, ClipLeftOfAndBelowTheCanvasIsKeptAndRestoredAsItWas)
{
    g.SetWorldSystem(2, 2).SetClipRegion(-5, -7, 10, 12, 1);
    EXPECT_EQ(g.State()._nClipX, -10);
    EXPECT_EQ(g.State()._nClipY, -14);
    g.SetClipRegion().SetClipRegion(g.State()._nClipX, g.State()._nClipY, g.State()._nClipWidth,
                                    g.State()._nClipHeight);
    EXPECT_EQ(g.State()._nClipX, 0) << "the whole area first";
    g.SetClipRegion(-10, -14, 20, 24);
    g.SetClipRegion(g.State()._nClipX, g.State()._nClipY, g.State()._nClipWidth, g.State()._nClipHeight);
    g.SetBackgroundColor(12).PaintEraseCanvas();
    EXPECT_EQ(Pixel(9, 9), kRed);
    EXPECT_EQ(Pixel(10, 9), kWhite);
    EXPECT_EQ(Pixel(9, 10), kWhite);
}

TEST_F(PaintTest, FloodFillStopsAtItsBorder)
{
    g.SetLineColor(16).PaintRectangle(10, 10, 20, 20).PaintRectangle(40, 10, 10, 10);
    g.SetFillColor(12).SetFillHatch(32).PaintFloodFill(20, 20);
    EXPECT_EQ(Pixel(11, 11), kRed);
    EXPECT_EQ(Pixel(29, 29), kRed);
    EXPECT_EQ(Pixel(10, 10), kBlack) << "the border stays";
    EXPECT_EQ(Pixel(9, 20), kWhite) << "outside stays";
    EXPECT_EQ(Pixel(45, 15), kWhite) << "another region stays";
    g.SetFillColor(9).SetFillHatch(160).PaintFloodFill(10, 10);
    EXPECT_EQ(Pixel(10, 20), kBlue) << "seeded on the border: the connected border, solid for 160";
    EXPECT_EQ(Pixel(40, 10), kBlack);
    EXPECT_EQ(Pixel(20, 20), kRed);
}

TEST_F(PaintTest, FloodFillHatchKeepsTheGapsInTheFillColourOrTransparent)
{
    g.SetBackgroundColor(12).PaintEraseCanvas().SetLineColor(16).PaintRectangle(0, 0, 40, 40);
    g.SetFillColor(10).SetFillHatchColor(9).SetFillHatch(5).PaintFloodFill(20, 20);
    EXPECT_EQ(
        ColoursInside(Picture(10, 10, 25, 25, kRed), Picture(10, 10, 25, 25, kGreen), Picture(10, 10, 25, 25, kBlue)),
        "green blue ");
    g.PaintEraseCanvas().PaintRectangle(0, 0, 40, 40).SetFillHatch(133).PaintFloodFill(20, 20);
    EXPECT_EQ(
        ColoursInside(Picture(10, 10, 25, 25, kRed), Picture(10, 10, 25, 25, kGreen), Picture(10, 10, 25, 25, kBlue)),
        "red blue ");
}

TEST_F(PaintTest, SavedAreaNeedsARefreshBitmap)
{
    g.SetSaveArea(0, 0, 10, 10);
    EXPECT_EQ(g.State()._oSaveCanvas.DC(), nullptr);
    g.SetBackgroundColor(12).PaintSavedArea(0, 0, 10, 10);
    EXPECT_EQ(Pixel(0, 0), kWhite);
}

TEST(ScreenPaintTest, FiguresLandInTheWindowAndTheRefreshBitmapAlike)
{
    TestDevice oDevice(kDeviceScreen, 64, 48);
    Graphics g(oDevice);
    g.SetBackgroundColor(14).PaintEraseCanvas();
    g.SetLineColor(12).SetFillColor(9).PaintRectangle(5, 6, 20, 10, 1).PaintEraseArea(40, 30, 8, 8);
    g.SetFillHatch(4).PaintRectangleRounded(30, 5, 20, 15, 6, 6, 1).PaintFrameCanvas();
    for (int y = 0; y < 48; ++y) {
        for (int x = 0; x < 64; ++x) {
            ASSERT_EQ(oDevice.Pixel(x, y), GetPixel(g.State()._oRefreshCanvas.DC(), x, y)) << x << "," << y;
        }
    }
}

TEST(ScreenPaintTest, ClipUnderAToolBarCoversTheRectangleOnly)
{
    TestDevice oDevice(kDeviceScreen, 64, 76, 28);  // drawing area 64 x 48 under the tool bar
    Graphics g(oDevice);
    g.SetBackgroundColor(15).PaintEraseCanvas().SetClipRegion(10, 10, 20, 10);
    g.SetBackgroundColor(12).PaintEraseCanvas();
    for (HDC hDC : {oDevice.DC(), g.State()._oRefreshCanvas.DC()}) {
        EXPECT_EQ(GetPixel(hDC, 10, 10), RGB(255, 0, 0));
        EXPECT_EQ(GetPixel(hDC, 29, 19), RGB(255, 0, 0));
        EXPECT_EQ(GetPixel(hDC, 20, 20), RGB(255, 255, 255)) << "not the tool bar's height more";
        EXPECT_EQ(GetPixel(hDC, 20, 9), RGB(255, 255, 255));
    }
}

TEST(ScreenPaintTest, FloodFillRunsInTheBitmapAndCopiesTheAreaToTheWindow)
{
    TestDevice oDevice(kDeviceScreen, 64, 48);
    Graphics g(oDevice);
    g.SetLineColor(16).PaintRectangle(10, 10, 20, 20);
    SetPixelV(oDevice.DC(), 50, 40, RGB(255, 0, 0));  // only on the window: the copy overwrites it
    g.SetFillColor(10).PaintFloodFill(20, 20);
    EXPECT_EQ(oDevice.Pixel(20, 20), RGB(0, 255, 0));
    EXPECT_EQ(GetPixel(g.State()._oRefreshCanvas.DC(), 20, 20), RGB(0, 255, 0));
    EXPECT_EQ(oDevice.Pixel(50, 40), RGB(255, 255, 255));
}

TEST(ScreenPaintTest, SavedAreaIsCopiedBackAnywhere)
{
    TestDevice oDevice(kDeviceScreen, 64, 48);
    Graphics g(oDevice);
    g.PaintEraseCanvas().SetLineColor(12).PaintRectangle(2, 3, 0, 0).SetLineColor(9).PaintRectangle(6, 8, 0, 0);
    g.SetSaveArea(2, 3, 5, 6);  // (2, 3) .. (6, 8)
    g.PaintSavedArea(30, 20, 5, 6);
    EXPECT_EQ(oDevice.Pixel(30, 20), RGB(255, 0, 0));
    EXPECT_EQ(oDevice.Pixel(34, 25), RGB(0, 0, 255));
    EXPECT_EQ(GetPixel(g.State()._oRefreshCanvas.DC(), 34, 25), RGB(0, 0, 255));
    g.PaintSavedArea(50, 40, 2, 2);  // the lower-left corner part only
    EXPECT_EQ(oDevice.Pixel(50, 40), RGB(255, 0, 0));
    EXPECT_EQ(oDevice.Pixel(52, 40), RGB(255, 255, 255));
    const HBITMAP hFirst = g.State()._oSaveCanvas.Bitmap();
    g.SetSaveArea(0, 0, 4, 4, 10);
    EXPECT_NE(g.State()._oSaveCanvas.Bitmap(), nullptr);
    EXPECT_EQ(GetObjectType(hFirst), 0U) << "the first saved area was freed";
}

TEST(ScreenPaintTest, RefreshCopiesTheAreaBackFromTheBitmapWithTheScrollOffset)
{
    TestDevice oDevice(kDeviceScreen, 100, 80);
    Graphics g(oDevice);
    PainterTestAccess::State(g)._nScrollOffsX = 50;
    PainterTestAccess::State(g)._nScrollOffsY = 20;
    SetPixelV(g.State()._oRefreshCanvas.DC(), 60, 31, RGB(255, 0, 0));
    SetPixelV(g.State()._oRefreshCanvas.DC(), 89, 70, RGB(0, 0, 255));
    SetPixelV(g.State()._oRefreshCanvas.DC(), 90, 71, RGB(0, 255, 0));
    g.InternRefresh({10, 11, 30, 40});
    EXPECT_EQ(oDevice.Pixel(10, 11), RGB(255, 0, 0));
    EXPECT_EQ(oDevice.Pixel(39, 50), RGB(0, 0, 255));
    EXPECT_NE(oDevice.Pixel(40, 51), RGB(0, 255, 0)) << "outside the area";
    g.InternRefresh({10, 11, 0, 40}).InternRefresh({10, 11, 30, -1});
}

}  // namespace

namespace {

// Bounding box of the pixels of colour c: left, bottom, right, top.
RECT BoxOf(HDC hDC, int nWidth, int nHeight, COLORREF c)
{
    RECT r{nWidth, nHeight, -1, -1};
    for (int y = 0; y < nHeight; ++y) {
        for (int x = 0; x < nWidth; ++x) {
            if (GetPixel(hDC, x, y) != c) continue;
            r.left = std::min<LONG>(r.left, x);
            r.top = std::min<LONG>(r.top, y);
            r.right = std::max<LONG>(r.right, x);
            r.bottom = std::max<LONG>(r.bottom, y);
        }
    }
    return r;
}

TEST(ShadowPaintTest, ShadowAndTextLieOnOppositeSidesOfThePoint)
{
    struct Case {
        double fDistance;
        uint32_t nDirection;
        int dx, dy;  // shadow minus text
    };
    const Case aCases[] = {{4.0, 7, 4, -4}, {4.0, 2, -4, -4}, {6.0, 1, -6, 6}, {4.0, 3, 4, 4}, {-20.0, 7, 4, -4}};
    for (const Case& c : aCases) {
        gMemory oMemory(2, 120, 80);
        Graphics& g = *oMemory._oGraphics;
        g.SetBackgroundColor(15).PaintEraseCanvas();
        g.SetStringFont("Arial", 12.0, 20.0, 2U, 2U).SetStringColor(16);
        g.SetStringShadow(c.fDistance, 12, c.nDirection).PaintStringShadow(60, 40, "H", 10);
        const RECT rText = BoxOf(oMemory.GetMemoryDC(), 120, 80, RGB(0, 0, 0));
        const RECT rShadow = BoxOf(oMemory.GetMemoryDC(), 120, 80, RGB(255, 0, 0));
        ASSERT_GE(rText.right, rText.left);
        ASSERT_GE(rShadow.right, rShadow.left);
        // The parts of the shadow on the far side of the text are not covered.
        EXPECT_EQ(c.dx > 0 ? rShadow.right - rText.right : rShadow.left - rText.left, c.dx) << c.nDirection;
        EXPECT_EQ(c.dy > 0 ? rShadow.bottom - rText.bottom : rShadow.top - rText.top, c.dy) << c.nDirection;
        EXPECT_EQ(g.State()._nTextColor, 0U) << "the text colour is back";
    }
}

TEST(ShadowPaintTest, SolidShadowFillsTheStepsBetween)
{
    gMemory oMemory(2, 120, 80);
    Graphics& g = *oMemory._oGraphics;
    g.SetBackgroundColor(15).PaintEraseCanvas();
    g.SetStringFont("Arial", 12.0, 20.0, 2U, 2U).SetStringColor(16).SetStringShadow(8.0, 12, 7);
    g.PaintString3D(60, 40, "I", 10);
    const RECT rText = BoxOf(oMemory.GetMemoryDC(), 120, 80, RGB(0, 0, 0));
    const RECT rShadow = BoxOf(oMemory.GetMemoryDC(), 120, 80, RGB(255, 0, 0));
    EXPECT_EQ(rShadow.right - rText.right, 8);
    EXPECT_EQ(rShadow.top - rText.top, -8);
    // Every step between the copies is drawn: no gap along the diagonal.
    for (int k = 1; k <= 8; ++k) {
        EXPECT_EQ(GetPixel(oMemory.GetMemoryDC(), rText.right + k, rText.top - k), RGB(255, 0, 0)) << k;
    }
}

TEST(ShadowPaintTest, SolidShadowOfAnEndlessOrHugeDistanceEndsAtOnce)
{
    const auto tStart = std::chrono::steady_clock::now();
    const double kInf = std::numeric_limits<double>::infinity();
    for (const double fDistance : {kInf, -kInf, std::numeric_limits<double>::quiet_NaN(), 1e12, 1e300}) {
        SCOPED_TRACE(fDistance);
        gMemory oMemory(2, 120, 80);
        Graphics& g = *oMemory._oGraphics;
        g.SetBackgroundColor(15).PaintEraseCanvas();
        g.SetStringFont("Arial", 12.0, 20.0, 2U, 2U).SetStringColor(16).SetStringShadow(fDistance, 12, 7);
        g.PaintString3D(60, 40, "I", 10);
        EXPECT_EQ(g.State()._nTextColor, 0U) << "the text colour is back";
    }
    EXPECT_LT(std::chrono::duration<double>(std::chrono::steady_clock::now() - tStart).count(), 5.0);
}

TEST(ControlPaintTest, FramesEncloseTheControlAndKeepTheWorldSystem)
{
    const DeviceBox oControl{60, 40, 40, 20};
    for (uint32_t nForm = 0; nForm <= 5; ++nForm) {
        TestDevice oDevice(kDeviceScreen, 160, 120);
        Graphics g(oDevice);
        g.PaintEraseCanvas().SetWorldSystem(2, 3).SetWorldOrigin(5, 6).SetLineColor(16);
        g.PaintControl(oControl, nForm, 0);
        EXPECT_DOUBLE_EQ(g.State()._fFactorX, 2);
        EXPECT_DOUBLE_EQ(g.State()._fFactorY, 3);
        EXPECT_EQ(g.State()._nOffsetX, 5);
        EXPECT_EQ(g.State()._nOffsetY, 6);
        const RECT r = BoxOf(oDevice.DC(), 160, 120, RGB(0, 0, 0));
        if (nForm == 5) {
            EXPECT_LT(r.right, r.left) << "form 5 draws nothing";
            continue;
        }
        EXPECT_LT(r.left, oControl.x) << nForm;
        EXPECT_GT(r.right, oControl.x + oControl.w - 1) << nForm;
        EXPECT_LT(r.top, oControl.y) << nForm;
        EXPECT_GT(r.bottom, oControl.y + oControl.h - 1) << nForm;
        EXPECT_NEAR((r.left + r.right) / 2.0, 80, 1.0) << nForm;
        EXPECT_NEAR((r.top + r.bottom) / 2.0, 50, 1.0) << nForm;
        // The ellipse runs through the control's corners; all else lies outside.
        for (int y = oControl.y + 2; y < oControl.y + oControl.h - 2; ++y) {
            for (int x = oControl.x + 2; x < oControl.x + oControl.w - 2; ++x) {
                ASSERT_EQ(oDevice.Pixel(x, y), RGB(255, 255, 255)) << "form " << nForm << " crosses the control";
            }
        }
    }
    TestDevice oPrinter(kDevicePrinter, 160, 120);
    Graphics g(oPrinter);
    g.PaintEraseCanvas().PaintControl(oControl, 1, 0);
    const RECT r = BoxOf(oPrinter.DC(), 160, 120, RGB(0, 0, 0));
    EXPECT_LT(r.right, r.left) << "nothing on a printer";
}

}  // namespace

namespace {

// Every public operation of a painter whose Destroy has run draws nothing
// and touches no device: each returns, the memory device keeps its picture.
TEST(DestroyedPainterTest, EveryOperationDoesNothing)
{
    gMemory oMemory(2, 64, 48);
    Graphics& g = *oMemory._oGraphics;
    g.SetBackgroundColor(12).PaintEraseCanvas();
    g.Destroy();
    const WorldPoints aShape{{5, 5}, {40, 10}, {30, 40}, {10, 30}};
    const GroupPoints aGroup{{5, 5, {}}, {20, 20, 9}};
    const PictureSource uPicture = std::string("missing.bmp");
    Array aDef, aData{Value(Array{1, 2}), Value(Array{3, 4})}, aSlices{Value(Array{1, "a", 9, false})};
    int32_t x = 1, y = 1, nRecNo = 0, nType = 0, nParts = 0;
    uint32_t nCount = 0;
    double fx = 1, fy = 1;
    Value aOut;
    FractalParameters aFractal(22);
    const std::pair<const char*, std::function<void()>> aOperations[] = {
        {"Destroy", [&] { g.Destroy(); }},
        {"InternSetDevPar", [&] { g.InternSetDevPar(); }},
        {"PrepareAreaPaint", [&] { EXPECT_FALSE(g.PrepareAreaPaint()); }},
        {"InternGetDevValues", [&] { g.InternGetDevValues(); }},
        {"GetDeviceWidth and Height", [&] { g.GetDeviceWidth(), g.GetDeviceHeight(); }},
        {"GetDeviceType", [&] { EXPECT_EQ(g.GetDeviceType(), kDeviceNone); }},
        {"world system",
         [&] {
             g.SetWorldOrigin(1, 2).SetWorldSystem(2, 2).SetWorldSysNorm(true);
             g.GetWorldCoordX(1), g.GetWorldCoordY(1), g.GetPhysCoordX(1), g.GetPhysCoordY(1);
             g.GetWorldPointX(1), g.GetWorldPointY(1);
             g.GetOriginPoint(x, y, 4, 4, 10).GetOriginPoint(fx, fy, 4, 4, 10).GetOriginPointAngle(x, y, 4, 4, 10);
         }},
        {"refresh bitmap and saved area",
         [&] {
             g.InternGenRefreshBmp().InternFreeRefreshBmp().InternRefresh({0, 0, 10, 10});
             g.SetScrollOffset(1, 1).SetDrawingArea(10, 10).SetSaveArea(0, 0, 5, 5).InternFreeSavedBmp();
         }},
        {"fonts and shadows",
         [&] { g.SetStringFont(32, 10.0, 10.0).InternGenStringFont().SetStringColor(9).SetStringShadow(2, 8, 7); }},
        {"drawing state",
         [&] {
             g.SetFillColor(9).SetFillHatchColor(9).SetBackgroundColor(10).SetBackgroundColor().SetLineColor(9);
             g.SetGradientColor(9).SetFillPattern({{9, 10}}).SetFillHatch(4).SetLinePattern(1).SetLineWidth(2);
             g.SetLineCap(1).SetRasterMode(7).SetMarkerSize(4).SetMarkerSurface(2).SetMarkerLineWidth(2);
             g.SetBlackAndWhite(true).SetBlackAndWhite(false);
             g.SetClipRegion().SetClipRegion(1, 1, 10, 10).InternClearClipRegion();
         }},
        {"rectangles and canvases",
         [&] {
             g.PaintRectangle(1, 1, 5, 5, 1)
                 .PaintRectangleAligned(1, 1, 5, 5, 1)
                 .PaintRectangleRounded(1, 1, 9, 9, 2, 2);
             g.PaintEraseCanvas().PaintFrameCanvas().PaintEraseArea(1, 1, 5, 5).PaintSavedArea(1, 1, 5, 5);
             g.PaintFloodFill(3, 3);
         }},
        {"figures",
         [&] {
             g.PaintLine(0, 0, 9, 9).PaintLineGroup(aShape).PaintPolygon(aShape, 1).PaintPoint(1, 1);
             g.PaintPointGroup(aGroup).PaintMarker(5, 5).PaintMarkerGroup(aGroup);
             EXPECT_EQ(g.GetPointColor(1, 1), 0xFFFFFFFFU);
             g.PaintSpline(aShape).PaintBezier(aShape, true, 1).PaintEllipse(20, 20, 5, 5, 1);
             g.PaintEllipseCurve(20, 20, 5, 5, 0, 90).PaintEllipseSector(20, 20, 5, 5, 0, 90, 1);
             g.PaintEllipseSegment(20, 20, 5, 5, 0, 90, 1);
         }},
        {"gradients",
         [&] { g.PaintGradientCanvas().PaintSpotCanvas().PaintGradientArea(1, 1, 9, 9).PaintSpotArea(1, 1, 9, 9); }},
        {"texts",
         [&] {
             g.PaintString(1, 1, "Text").PaintStringRing(30, 20, 15, 0, 2, 3, "RING");
             EXPECT_EQ(g.GetStringWidth("Text"), 0.0);
             EXPECT_EQ(g.GetStringHeight("Text"), 0.0);
             g.PaintStringShadow(1, 1, "Text").PaintString3D(1, 1, "Text");
         }},
        {"fractal", [&] { g.PaintFractal(1, 1, 20, 20, 0, &aFractal, true); }},
        {"control frame",
         [&] {
             g.PaintControl({5, 5, 20, 10}, 0, 1);
         }},
        {"picture files",
         [&] {
             g.SetBmpCanvasToFile("destroyed.bmp").SetBmpAreaToFile(0, 0, 5, 5, "destroyed.bmp");
             g.SetImgCanvasToFile("destroyed.bmp").SetImgAreaToFile(0, 0, 5, 5, "destroyed.bmp");
             g.SetGifCanvasToFile("destroyed.gif").SetGifAreaToFile(0, 0, 5, 5, "destroyed.gif");
         }},
        {"pictures",
         [&] {
             g.PaintBmpCanvas(uPicture).PaintBmpRepeat(uPicture).PaintBmpRestore(uPicture);
             g.PaintBmpOriginal(1, 1, uPicture).PaintBmpStretched(1, 1, 9, 9, uPicture);
             g.PaintBmpDirect(1, 1, 9, 9, "missing.bmp").PaintEnhMetaArea(1, 1, 9, 9, "missing.emf");
             g.PaintEnhMetaCanvas("missing.emf");
         }},
        {"charts",
         [&] {
             g.SetAutoScale(aDef, Value(aData), 5, 5).PaintChartEmpty(5, 5, aDef);
             g.PaintChartBar(5, 5, aDef, aData, Value()).PaintChartPillar(5, 5, aDef, aData, Value());
             g.PaintChartMultiBar(5, 5, aDef, aData, Value(), Value()).PaintChartLine(5, 5, aDef, aData, 1, Value());
             g.PaintChartSpline(5, 5, aDef, aData, 0.0, 1, Value()).PaintChartScatter(5, 5, aDef, aData);
             g.PaintChartIntegral(5, 5, aDef, aData, Value(), 1, 1).PaintChartPie(30, 20, 10, aSlices, 1, Value());
             g.PaintChartLegend(5, 5, aDef, Array{Value(Array{"a", 9, 0})}, Value());
         }},
        {"shapefiles",
         [&] {
             g.SetShapeFileObject("MAP", "missing.shp").PaintShapeFigures("MAP").SetShapeSelectBox("MAP", 0, 0, 1, 1);
             g.SetShapeUnselectBox("MAP").SetShapeSelectArea("MAP", 0, 0, 1, 1).SetShapeUnselectArea("MAP");
             g.SetShapeColorNormal("MAP").SetShapeColorRandom("MAP").SetShapeColorTrans("MAP");
             g.SetShapeColorArray("MAP", Value(Array{9})).SetShapeExtractRec("MAP", Value(Array{1}));
             g.SetShapeUnextractRec("MAP").GetShapeFigCoordRec("MAP", 1, nRecNo, nType, aOut);
             g.GetShapeFigCoordId("MAP", 1, nRecNo, nType, aOut)
                 .GetShapeFigBoxRec("MAP", 1, nRecNo, nType, aOut, nParts);
             g.GetShapeFigBoxId("MAP", 1, nRecNo, nType, aOut, nParts).GetShapeFileBox("MAP", nCount, aOut);
             g.SetShapeFileClose("MAP").PaintShapeCanvas("missing.shp", true);
         }},
    };
    for (const auto& [cName, fn] : aOperations) {
        SCOPED_TRACE(cName);
        fn();
        EXPECT_EQ(GetPixel(oMemory.GetMemoryDC(), 10, 10), kRed) << "the device's picture is untouched";
    }
}

}  // namespace
