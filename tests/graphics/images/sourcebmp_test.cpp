// Picture drawing: transforms, placements, stretching, tiling and
// transparency on a memory device and on a screen window, and every kind of
// source.
#include "graphics/images/objectsourcebmp.h"

#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <vector>

#include "graphics/core/graphics.h"
#include "graphics/windows/gmemory.h"
#include "image_support.h"
#include "solid_window.h"

using namespace imagetest;

namespace {

const std::string kFixtures = MDX_SOURCE_DIR "/tests/graphics/images/fixtures/";
constexpr COLORREF kWhite = RGB(255, 255, 255);

// Rows of a picture, top row first.
using Rows = std::vector<std::vector<COLORREF>>;

// A caller's bitmap (screen-compatible) holding the rows.
Bitmap BitmapOf(const Rows& aRows)
{
    const int h = static_cast<int>(aRows.size()), w = static_cast<int>(aRows[0].size());
    BitmapDC oDC(w, h);
    for (int j = 0; j < h; ++j)
        for (int i = 0; i < w; ++i) SetPixel(oDC.DC(), i, j, aRows[j][i]);
    HBITMAP hCopy = static_cast<HBITMAP>(CopyImage(oDC.Bitmap(), IMAGE_BITMAP, 0, 0, 0));
    return Bitmap::Adopt(hCopy);
}

Rows RowsOf(HBITMAP hBitmap)
{
    BITMAP o{};
    GetObjectA(hBitmap, sizeof o, &o);
    HDC hDC = CreateCompatibleDC(nullptr);
    HGDIOBJ hOld = SelectObject(hDC, hBitmap);
    Rows a(o.bmHeight, std::vector<COLORREF>(o.bmWidth));
    for (int j = 0; j < o.bmHeight; ++j)
        for (int i = 0; i < o.bmWidth; ++i) a[j][i] = GetPixel(hDC, i, j);
    SelectObject(hDC, hOld);
    DeleteDC(hDC);
    return a;
}

// The rows a canvas shows at the box whose lower-left corner is (x, y),
// read in the canvas's upward coordinates.
Rows Shown(HDC hDC, int x, int y, int w, int h)
{
    Rows a(h, std::vector<COLORREF>(w));
    for (int j = 0; j < h; ++j)
        for (int i = 0; i < w; ++i) a[j][i] = GetPixel(hDC, x + i, y + h - 1 - j);
    return a;
}

Rows Inverted(Rows a)
{
    for (auto& r : a)
        for (auto& c : r) c ^= 0x00FFFFFF;
    return a;
}

const COLORREF A = RGB(255, 0, 0), B = RGB(0, 255, 0), C = RGB(0, 0, 255), D = RGB(255, 255, 0), E = RGB(0, 255, 255),
               F = RGB(128, 0, 128);
const Rows kPicture = {{A, B, C}, {D, E, F}};

// The picture after each transform code 0 to 9.
const Rows kTransformed[] = {
    kPicture,                  // 0
    {{D, A}, {E, B}, {F, C}},  // 1 quarter turn clockwise
    {{F, E, D}, {C, B, A}},    // 2 half turn
    {{C, F}, {B, E}, {A, D}},  // 3 quarter turn anticlockwise
    {{D, E, F}, {A, B, C}},    // 4 mirrored top to bottom
    {{C, B, A}, {F, E, D}},    // 5 mirrored left to right
    kPicture,
    kPicture,
    kPicture,
    kPicture,
};

class SourceBmpTest : public ::testing::Test {
protected:
    SourceBmpTest() { Clear(); }
    void Clear() { FillBox(DC(), {0, 0, kW, kH}, kWhite); }
    HDC DC() const { return oMemory.GetMemoryDC(); }
    Graphics& G() { return *oMemory._oGraphics; }
    int Painted() const
    {
        int n = 0;
        for (int y = 0; y < kH; ++y)
            for (int x = 0; x < kW; ++x) n += GetPixel(DC(), x, y) != kWhite;
        return n;
    }
    static constexpr int kW = 60, kH = 40;
    gMemory oMemory{2, kW, kH};
};

}  // namespace

TEST_F(SourceBmpTest, TransformsWithAndWithoutInversion)
{
    const Bitmap oPicture = BitmapOf(kPicture);
    for (uint32_t t = 0; t < 20; ++t) {
        SCOPED_TRACE(t);
        Clear();
        G().PaintBmpOriginal(5, 7, oPicture, 0, false, 9999, t);
        const Rows& aExpected = kTransformed[t % 10];
        const int h = static_cast<int>(aExpected.size()), w = static_cast<int>(aExpected[0].size());
        EXPECT_EQ(Shown(DC(), 5, 7, w, h), t >= 10 ? Inverted(aExpected) : aExpected);
        EXPECT_EQ(Painted(), w * h);
    }
    // The caller's bitmap is unchanged, also after transparency.
    G().PaintBmpStretched(0, 0, 30, 20, oPicture, 0, true, 9999, 11);
    EXPECT_EQ(RowsOf(oPicture.Handle()), kPicture);
}

TEST_F(SourceBmpTest, PlacementsAndStretchingKeepExactColours)
{
    const Bitmap oPicture = BitmapOf(kPicture);
    G().SetWorldOrigin(10, 4);
    // 101: own size at the world origin.
    G().PaintBmpRestore(oPicture);
    EXPECT_EQ(Shown(DC(), 10, 4, 3, 2), kPicture);
    EXPECT_EQ(Painted(), 6);
    // Own size at a point, aligned by an origin mode.
    Clear();
    int32_t x = G().State()._nOffsetX + 20, y = G().State()._nOffsetY + 10;
    G().State().GetOriginPoint(x, y, 3, 2, 10);
    G().PaintBmpOriginal(20, 10, oPicture, 10);
    EXPECT_EQ(Shown(DC(), x, y, 3, 2), kPicture);
    // Stretched into a rectangle: blocks of 4 x 3 in the exact colours.
    Clear();
    G().PaintBmpStretched(0, 0, 12, 6, oPicture);
    const Rows aBlocks = Shown(DC(), 10, 4, 12, 6);
    for (int j = 0; j < 6; ++j)
        for (int i = 0; i < 12; ++i) EXPECT_EQ(aBlocks[j][i], kPicture[j / 3][i / 4]) << i << "," << j;
    // 103: stretched over the whole canvas from the world origin.
    Clear();
    G().SetWorldOrigin(0, 0).PaintBmpCanvas(oPicture);
    const Rows aCanvas = Shown(DC(), 0, 0, kW, kH);
    for (int j = 0; j < kH; ++j)
        for (int i = 0; i < kW; ++i) EXPECT_EQ(aCanvas[j][i], kPicture[j / 20][i / 20]) << i << "," << j;
}

TEST_F(SourceBmpTest, ATargetThatCannotBeMadeDrawsNothing)
{
    const Bitmap oPicture = BitmapOf(kPicture);
    const double aSizes[][2] = {{-6, 4}, {6, -4}, {0.2, 0.2}, {1e6, 1e6}};
    for (const auto& s : aSizes) {
        SCOPED_TRACE(std::to_string(s[0]) + " x " + std::to_string(s[1]));
        Clear();
        G().PaintBmpStretched(10, 10, s[0], s[1], oPicture, 0, s[0] < 1);
        EXPECT_EQ(Painted(), 0);
    }
    // The same picture at a size that can be made draws.
    G().PaintBmpStretched(10, 10, 6, 4, oPicture);
    EXPECT_EQ(Painted(), 24);
}

TEST(SourceBmpTileTest, TilesStartAtTheTargetsTopLeft)
{
    gMemory oMemory(2, 250, 60);
    // A picture 100 wide and 40 high, its left column red, its top row blue.
    Rows aRows(40, std::vector<COLORREF>(100, kWhite));
    for (auto& r : aRows) r[0] = RGB(255, 0, 0);
    for (auto& c : aRows[0]) c = RGB(0, 0, 255);
    aRows[0][0] = RGB(0, 128, 0);
    oMemory._oGraphics->PaintBmpRepeat(BitmapOf(aRows));
    HDC hDC = oMemory.GetMemoryDC();
    // Tiles at 0, 100 and 200 from the top: top row of the canvas is y 59.
    for (int x : {0, 100, 200}) {
        EXPECT_EQ(GetPixel(hDC, x, 59), RGB(0, 128, 0)) << x;
        EXPECT_EQ(GetPixel(hDC, x, 30), RGB(255, 0, 0)) << x;
        EXPECT_EQ(GetPixel(hDC, x, 19), RGB(0, 128, 0)) << x;  // the second row of tiles, cut at the bottom
    }
    EXPECT_EQ(GetPixel(hDC, 249, 59), RGB(0, 0, 255));
    EXPECT_EQ(GetPixel(hDC, 249, 30), kWhite);
}

TEST_F(SourceBmpTest, TransparentColoursOnAMemoryDevice)
{
    const COLORREF kBack = RGB(10, 20, 30);
    FillBox(DC(), {0, 0, kW, kH}, kBack);
    const Bitmap oPicture = BitmapOf({{A, B, A}, {D, A, F}});
    struct Case {
        uint32_t nColor, nTransform;
        Rows aExpected;
    };
    const Case aCases[] = {
        {9999, 0, {{kBack, B, kBack}, {D, kBack, F}}},  // the top-left pixel's colour
        {B, 0, {{A, kBack, A}, {D, A, F}}},             // an explicit colour
        {9999, 2, {{kBack, A, D}, {A, B, A}}},          // after a half turn: the bottom-right pixel's
    };
    for (const Case& c : aCases) {
        SCOPED_TRACE(c.nColor);
        FillBox(DC(), {0, 0, kW, kH}, kBack);
        G().PaintBmpOriginal(3, 3, oPicture, 0, true, c.nColor, c.nTransform);
        EXPECT_EQ(Shown(DC(), 3, 3, 3, 2), c.aExpected);
    }
    // Stretched, the transparent colour still matches.
    FillBox(DC(), {0, 0, kW, kH}, kBack);
    G().PaintBmpStretched(0, 0, 30, 20, oPicture, 0, true);
    EXPECT_EQ(GetPixel(DC(), 0, 19), kBack);
    EXPECT_EQ(GetPixel(DC(), 10, 19), B);
}

TEST_F(SourceBmpTest, EverySourceKindAndNothingForAnUnknownName)
{
    struct Case {
        const char* cName;
        PictureSource uSource;
        bool lDraws;
    };
    const std::vector<Case> aCases = {
        {"file", kFixtures + "corner.bmp", true},
        {"file of another format", kFixtures + "corner.png", true},
        {"resource", std::string("TEST_BITMAP"), true},
        {"resource of a module", ModuleBitmap{"TEST_BITMAP", GetModuleHandleA(nullptr)}, true},
        {"bitmap object", BitmapOf(kPicture), true},
        {"bitmap from a file", BmpFromFile(kFixtures + "corner.bmp"), true},
        {"neither file nor resource", std::string("NO_SUCH_PICTURE"), false},
        {"missing file for BmpFromFile", BmpFromFile("missing.bmp"), false},
        {"nothing", std::monostate{}, false},
    };
    const Pointer oPointer = Pointer::System(IDC_CROSS);
    oMemory.SetDevicePointer(oPointer);
    for (const Case& c : aCases) {
        SCOPED_TRACE(c.cName);
        Clear();
        G().PaintBmpRestore(c.uSource);
        EXPECT_EQ(Painted() > 0, c.lDraws);
        EXPECT_EQ(oMemory.DevicePointer().Handle(), oPointer.Handle());
    }
    // The resource's top-left pixel is red, its bottom-right blue, upright.
    Clear();
    G().PaintBmpRestore(std::string("TEST_BITMAP"));
    EXPECT_EQ(GetPixel(DC(), 0, 7), RGB(255, 0, 0));
    EXPECT_EQ(GetPixel(DC(), 7, 0), RGB(0, 0, 255));
    // The file's marker pixel lands at its top-left.
    Clear();
    G().PaintBmpOriginal(0, kH - 48, kFixtures + "corner.png");
    EXPECT_EQ(GetPixel(DC(), 0, kH - 1), RGB(255, 0, 0));
    EXPECT_EQ(GetPixel(DC(), 1, kH - 1), RGB(0, 160, 0));
    EXPECT_EQ(GetPixel(DC(), 1, kH - 2), kWhite);
}

TEST(SourceBmpWindowTest, WindowAndRefreshBitmapAgreeAndTransparencyShowsTheRefreshBitmap)
{
    SolidWindow oWindow(RGB(0, 160, 0), {200, 150});
    Graphics& g = *oWindow._oGraphics;
    HDC hRefresh = g.State()._oRefreshCanvas.DC();
    const auto fWindowRows = [&](int x, int y, int w, int h) {
        HDC hDC = GetDC(oWindow.Handle());
        RECT r;
        GetClientRect(oWindow.Handle(), &r);
        Rows a(h, std::vector<COLORREF>(w));
        for (int j = 0; j < h; ++j)
            for (int i = 0; i < w; ++i) a[j][i] = GetPixel(hDC, x + i, r.bottom - (y + h - j));
        ReleaseDC(oWindow.Handle(), hDC);
        return a;
    };
    const Bitmap oPicture = BitmapOf(kPicture);
    for (uint32_t t : {0u, 1u, 12u, 5u}) {
        SCOPED_TRACE(t);
        g.PaintBmpOriginal(20, 30, oPicture, 0, false, 9999, t);
        const Rows& aExpected = t >= 10 ? Inverted(kTransformed[t % 10]) : kTransformed[t % 10];
        const int h = static_cast<int>(aExpected.size()), w = static_cast<int>(aExpected[0].size());
        EXPECT_EQ(Shown(hRefresh, 20, 30, w, h), aExpected);
        EXPECT_EQ(fWindowRows(20, 30, w, h), aExpected);
    }
    // Black on the window only; the transparent places show the refresh
    // bitmap's green.
    HDC hDC = GetDC(oWindow.Handle());
    RECT r{0, 0, 200, 150};
    FillRect(hDC, &r, static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH)));
    ReleaseDC(oWindow.Handle(), hDC);
    const COLORREF G = RGB(0, 160, 0);
    g.PaintBmpOriginal(50, 50, BitmapOf({{A, B, A}, {D, A, F}}), 0, true);
    const Rows aExpected = {{G, B, G}, {D, G, F}};
    EXPECT_EQ(fWindowRows(50, 50, 3, 2), aExpected);
    EXPECT_EQ(Shown(hRefresh, 50, 50, 3, 2), aExpected);
}
