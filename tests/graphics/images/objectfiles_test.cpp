// The file-writing drawing objects: areas, clamping and the BMP layout on a
// memory device, the three writers agreeing, a screen window read from its
// refresh bitmap, and the memory device's own file.
#include "graphics/images/objectfiles.h"

#include <gtest/gtest.h>

#include <memory>

#include "graphics/core/graphics.h"
#include "graphics/windows/gmemory.h"
#include "image_support.h"
#include "solid_window.h"

using namespace imagetest;

namespace {

constexpr int kW = 40, kH = 30;

int32_t Dword(const std::vector<uint8_t>& a, std::size_t i)
{
    return static_cast<int32_t>(a[i] | (a[i + 1] << 8) | (a[i + 2] << 16) | (a[i + 3] << 24));
}

// A BMP file of 24 bits per pixel as its size and its pixels, (0, 0) the
// bottom-left one.
struct Bmp {
    int32_t w = 0, h = 0, nBits = 0;
    std::vector<uint8_t> a;
    COLORREF Pixel(int i, int r) const
    {
        const std::size_t nStride = (static_cast<std::size_t>(w) * 3 + 3) / 4 * 4;
        const std::size_t p = static_cast<std::size_t>(Dword(a, 10)) + r * nStride + 3 * i;
        return RGB(a[p + 2], a[p + 1], a[p]);
    }
};

Bmp ReadBmp(const std::string& cFile)
{
    Bmp o;
    o.a = ReadBytes(cFile);
    if (o.a.size() < 54 || o.a[0] != 'B' || o.a[1] != 'M') return o;
    o.w = Dword(o.a, 18);
    o.h = Dword(o.a, 22);
    o.nBits = o.a[28] | (o.a[29] << 8);
    return o;
}

// A colour per canvas pixel, from the palette's own colours so that the GIF
// writer keeps them.
COLORREF CanvasColour(int x, int y)
{
    static const COLORREF aColours[] = {RGB(255, 0, 0), RGB(0, 0, 255),    RGB(0, 128, 0),   RGB(255, 255, 255),
                                        RGB(0, 0, 0),   RGB(51, 102, 153), RGB(255, 255, 0), RGB(192, 192, 192)};
    return aColours[(x * 3 + y * 5 + (x * y) % 7) % 8];
}

class FileObjectsTest : public ::testing::Test {
protected:
    FileObjectsTest()
    {
        for (int y = 0; y < kH; ++y)
            for (int x = 0; x < kW; ++x) SetPixel(DC(), x, y, CanvasColour(x, y));
    }
    HDC DC() const { return oMemory.GetMemoryDC(); }
    Graphics& G() { return *oMemory._oGraphics; }
    gMemory oMemory{2, kW, kH};
};

}  // namespace

TEST_F(FileObjectsTest, AreasAreClampedAndWrittenUprightBottomRowFirst)
{
    struct Case {
        double x, y, w, h;
        DeviceBox oExpected;
    };
    const Case aCases[] = {
        {0, 0, 0, 0, {0, 0, kW, kH}},       // the whole canvas
        {5, 7, 0, 10, {0, 0, kW, kH}},      // a zero width too
        {3, 4, 12, 0, {0, 0, kW, kH}},      // and a zero height
        {10, 5, 10, 10, {10, 5, 10, 10}},   // inside
        {35, 20, 20, 20, {35, 20, 5, 10}},  // cut at the right and top edges
        {50, 5, 10, 10, {39, 5, 1, 10}},    // right of the canvas: its last column
        {5, 45, 10, 10, {5, 29, 10, 1}},    // above it: its top row
        {-5, -5, 10, 10, {0, 0, 10, 10}},   // left of and below it
    };
    for (const Case& c : aCases) {
        SCOPED_TRACE(std::to_string(c.x) + "," + std::to_string(c.y) + " " + std::to_string(c.w) + "x" +
                     std::to_string(c.h));
        DeleteFileA("area.bmp");
        G().SetBmpAreaToFile(c.x, c.y, c.w, c.h, "area.bmp");
        const Bmp o = ReadBmp("area.bmp");
        ASSERT_EQ(o.w, c.oExpected.w);
        ASSERT_EQ(o.h, c.oExpected.h);
        EXPECT_EQ(o.nBits, 24);
        const std::size_t nStride = (static_cast<std::size_t>(o.w) * 3 + 3) / 4 * 4;
        EXPECT_EQ(o.a.size(), 54 + nStride * o.h);
        EXPECT_EQ(Dword(o.a, 2), static_cast<int32_t>(o.a.size()));
        EXPECT_EQ(Dword(o.a, 10), 54);
        int nWrong = 0;
        for (int r = 0; r < o.h; ++r)
            for (int i = 0; i < o.w; ++i) nWrong += o.Pixel(i, r) != CanvasColour(c.oExpected.x + i, c.oExpected.y + r);
        EXPECT_EQ(nWrong, 0);
    }
    // A 10 x 10 area: rows of 32 bytes, 320 bytes of pixels, 374 in all.
    G().SetBmpAreaToFile(10, 5, 10, 10, "ten.bmp");
    const Bmp o = ReadBmp("ten.bmp");
    EXPECT_EQ(o.a.size(), 374u);
    EXPECT_EQ(Dword(o.a, 34), 320);
}

TEST_F(FileObjectsTest, AnOriginModeMovesTheAreaAsThePainterAligns)
{
    int32_t x = 20, y = 15;
    G().State().GetOriginPoint(x, y, 10, 6, 10);
    G().SetBmpAreaToFile(20, 15, 10, 6, "aligned.bmp", 10);
    const Bmp o = ReadBmp("aligned.bmp");
    ASSERT_EQ(o.w, 10);
    ASSERT_EQ(o.h, 6);
    EXPECT_EQ(o.Pixel(0, 0), CanvasColour(x, y));
    EXPECT_EQ(o.Pixel(9, 5), CanvasColour(x + 9, y + 5));
}

TEST_F(FileObjectsTest, TheThreeWritersAgreeOnPaletteColours)
{
    G().SetBmpAreaToFile(4, 3, 30, 20, "agree_bmp.bmp");
    G().SetImgAreaToFile(4, 3, 30, 20, "agree_img.bmp");
    G().SetGifAreaToFile(4, 3, 30, 20, "agree_gif.gif");
    std::vector<uint8_t> aRgb;
    for (int r = 19; r >= 0; --r) {
        for (int i = 0; i < 30; ++i) {
            const COLORREF c = CanvasColour(4 + i, 3 + r);
            aRgb.insert(aRgb.end(), {GetRValue(c), GetGValue(c), GetBValue(c)});
        }
    }
    for (const char* cName : {"agree_bmp.rgb", "agree_img.rgb", "agree_gif.rgb"}) WriteBytes(cName, aRgb);
    const Bmp o = ReadBmp("agree_img.bmp");
    ASSERT_EQ(o.w, 30);
    EXPECT_EQ(o.Pixel(0, 0), CanvasColour(4, 3));
    // The memory device writes its whole canvas the same way.
    oMemory.GetMemoryFile("memory.bmp");
    std::vector<uint8_t> aCanvas;
    for (int y = kH - 1; y >= 0; --y) {
        for (int x = 0; x < kW; ++x) {
            const COLORREF c = CanvasColour(x, y);
            aCanvas.insert(aCanvas.end(), {GetRValue(c), GetGValue(c), GetBValue(c)});
        }
    }
    WriteBytes("memory.rgb", aCanvas);
    gMemory oNone(7);
    oNone.GetMemoryFile("none.bmp");
    EXPECT_EQ(GetFileAttributesA("none.bmp"), INVALID_FILE_ATTRIBUTES);
}

TEST(FileObjectsWindowTest, AScreenWindowIsSavedFromItsRefreshBitmap)
{
    SolidWindow oWindow(RGB(0, 160, 0), {200, 150});
    // Paint over the window behind the painter's back: the refresh bitmap
    // does not see it.
    HDC hDC = GetDC(oWindow.Handle());
    RECT r{0, 0, 50, 50};
    FillRect(hDC, &r, static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH)));
    ReleaseDC(oWindow.Handle(), hDC);
    oWindow._oGraphics->SetBmpCanvasToFile("window.bmp");
    oWindow._oGraphics->SetGifCanvasToFile("window.gif");
    const Bmp o = ReadBmp("window.bmp");
    ASSERT_EQ(o.w, oWindow.CanvasArea().Width());
    ASSERT_EQ(o.h, oWindow.CanvasArea().Height());
    EXPECT_EQ(o.Pixel(0, o.h - 1), RGB(0, 160, 0));
    EXPECT_EQ(o.Pixel(o.w / 2, o.h / 2), RGB(0, 160, 0));
    const std::vector<uint8_t> aGif = ReadBytes("window.gif");
    EXPECT_GT(aGif.size(), 800u);
}
