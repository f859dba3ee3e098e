// No GDI object outlives a drawing: 100,000 figures of every kind built in
// the painter core, more than the GDI handle table holds if each leaked one
// object, after which creating GDI objects and drawing still work.
#include <gtest/gtest.h>

#include "graphics/core/graphics.h"
#include "graphics/test_device.h"
#include "graphics/windows/gmemory.h"

namespace {

constexpr int kRounds = 100000;

// A screen device: every figure is drawn twice, into the window stand-in and
// into the refresh bitmap. Each group draws kRounds figures of each of its
// kinds, then checks that GDI objects can still be made and used.
class GdiLeakTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        g.SetLineColor(16).SetFillColor(12).SetFillHatchColor(9);
        g.SetFillPattern({{12, 9}, {10, 15}});
    }
    void TearDown() override
    {
        HPEN hPen = CreatePen(PS_SOLID, 1, 0);
        HBRUSH hBrush = CreateSolidBrush(0);
        HFONT hFont = CreateFontA(-12, 0, 0, 0, 400, 0, 0, 0, 0, 0, 0, 0, 0, "Arial");
        EXPECT_NE(hPen, nullptr);
        EXPECT_NE(hBrush, nullptr);
        EXPECT_NE(hFont, nullptr);
        DeleteObject(hPen);
        DeleteObject(hBrush);
        DeleteObject(hFont);
        g.SetClipRegion().SetBackgroundColor(15).PaintEraseCanvas().SetFillHatch(32).SetLineColor(12);
        g.PaintRectangle(4, 4, 6, 6, 1);
        EXPECT_EQ(oDevice.Pixel(4, 4), RGB(255, 0, 0));
        EXPECT_EQ(oDevice.Pixel(6, 6), RGB(255, 0, 0));
        EXPECT_EQ(GetPixel(g.State()._oRefreshCanvas.DC(), 6, 6), RGB(255, 0, 0));
    }
    TestDevice oDevice{kDeviceScreen, 24, 24};
    Graphics g{oDevice};
};

TEST_F(GdiLeakTest, RectanglesAndControlFrames)
{
    const int32_t aStyles[] = {32, 4, 133, 64, 160};
    for (int i = 0; i < kRounds; ++i) {
        g.SetFillHatch(aStyles[i % 5]);
        g.PaintRectangle(2, 2, 10, 8, 1);
        g.PaintRectangleRounded(3, 3, 12, 10, 4, 4, 1);
        g.PaintControl({6, 6, 6, 4}, i % 5, 1);
    }
}

TEST_F(GdiLeakTest, CanvasesAreasFloodFillAndClip)
{
    for (int i = 0; i < kRounds; ++i) {
        g.SetFillHatch(i % 2 == 0 ? 64 : 5);
        g.PaintEraseCanvas();
        g.PaintFrameCanvas();
        g.PaintEraseArea(1, 1, 5, 5);
        g.PaintFloodFill(5, 5);
        g.SetClipRegion(0, 0, 20, 20);
        g.SetSaveArea(0, 0, 4, 4);
        g.PaintSavedArea(10, 10, 4, 4);
        g.InternRefresh({0, 0, 8, 8});
    }
}

TEST_F(GdiLeakTest, FontsAndShadowedTexts)
{
    for (int i = 0; i < kRounds; ++i) {
        g.SetStringFont(std::nullopt, 8.0 + i % 3);
        g.SetStringShadow(2.0, 8, 7).PaintStringShadow(5, 5, "A");
    }
}

TEST_F(GdiLeakTest, DeviceBinding)
{
    for (int i = 0; i < kRounds; ++i) g.InternSetDevPar();
}

// Memory devices made and dropped, each with its painter, DC and bitmaps.
TEST(GdiLeakMemoryTest, MemoryDevicesReleaseTheirBitmapsAndPainters)
{
    for (int i = 0; i < kRounds; ++i) {
        gMemory oMemory(2, 4, 4);
        oMemory.GetMemoryHandle();
    }
    gMemory oMemory(2, 16, 16);
    ASSERT_NE(oMemory.GetMemoryDC(), nullptr);
    oMemory._oGraphics->SetBackgroundColor(9).PaintEraseCanvas();
    EXPECT_EQ(GetPixel(oMemory.GetMemoryDC(), 15, 15), RGB(0, 0, 255));
}

}  // namespace
