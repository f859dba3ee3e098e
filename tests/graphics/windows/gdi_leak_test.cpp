// No GDI object outlives a drawing: 100,000 figures of every kind built in
// the painter core, more than the GDI handle table holds if each leaked one
// object, after which creating GDI objects and drawing still work. Nor does
// one outlive a kit form or dialog window.
#include <gtest/gtest.h>

#include <vector>

#include "graphics/core/graphics.h"
#include "graphics/gdi_headroom.h"
#include "graphics/test_device.h"
#include "graphics/windows/gformwindow.h"
#include "graphics/windows/gkit.h"
#include "graphics/windows/gmemory.h"
#include "platform/framework/app.h"
#include "platform/framework/appwindow.h"

namespace {

constexpr int kRounds = 100000;

void ExpectGdiObjectsCanBeMade()
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
}

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
        ExpectGdiObjectsCanBeMade();
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

// A kit form or dialog that paints a blue square at the lower left of its
// surface, where the test templates have no control.
template <class Form>
class SquareForm : public Form {
public:
    using Form::Form;
    void Paint() override { this->_oGraphics->SetFillColor(9).SetFillHatch(32).PaintRectangle(1, 1, 5, 5, 1); }
};

// Shows the window and paints it in full: its surface, then every control
// over it, each restoring the surface under it first.
template <class Form>
void PaintAndDestroy(Window& oOwner, const char* cTemplate)
{
    SquareForm<Form> oForm(&oOwner, cTemplate);
    oForm.Show();
    oForm.PaintNew();
    ApplicationExec();
    oForm.Destroy();
}

// 1,000 windows from templates, forms and dialogs in turn, each made, painted
// and destroyed, cost no GDI object; a leak of one object in forty windows
// would show. Afterwards objects can be made and a form still draws on its
// window and its refresh bitmap.
TEST(GdiLeakFormTest, FormsAndDialogsReleaseTheirObjects)
{
    InitFunction();
    TopAppWindow oFrame;
    oFrame.SetSize({400, 300});
    oFrame.Show();
    const auto fnRound = [&] {
        PaintAndDestroy<gDataWindow>(oFrame, "TEST_FORM");
        PaintAndDestroy<gDialogWindow>(oFrame, "TEST_DIALOG");
    };
    // The first windows fill caches that live as long as the process.
    fnRound();
    const size_t nHeadroom = GdiHeadroom();
    ASSERT_GT(nHeadroom, 1000U);
    for (int i = 0; i < 500; ++i) fnRound();
    EXPECT_GE(GdiHeadroom() + 20, nHeadroom);

    ExpectGdiObjectsCanBeMade();
    SquareForm<gDataWindow> oForm(&oFrame, "TEST_FORM");
    oForm.Show();
    ApplicationExec();
    oForm.PaintNew();
    ApplicationExec();
    EXPECT_EQ(GetPixel(oForm._oGraphics->State()._oRefreshCanvas.DC(), 3, 3), RGB(0, 0, 255));
    HDC hDC = GetDC(oForm.Handle());
    RECT r;
    GetClientRect(oForm.Handle(), &r);
    EXPECT_EQ(GetPixel(hDC, 3, r.bottom - 4), RGB(0, 0, 255));
    ReleaseDC(oForm.Handle(), hDC);
}

}  // namespace
