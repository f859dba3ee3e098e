// Figures on a gTopAppWindow under the test display: every kind lands on the
// same pixels in the window and in its refresh bitmap, and the interruptible
// fractal keeps the program responsive, gives way to a newer fractal in the
// same window and stops when its window goes.
#include <gtest/gtest.h>

#include <cstdlib>
#include <functional>
#include <utility>
#include <vector>

#include "graphics/objects/objectfractal.h"
#include "graphics/windows/gkitwindow.h"
#include "platform/framework/app.h"

namespace {

// A window whose full repaint runs the test's figure, if it has one.
class FigureWindow : public gTopAppWindow {
public:
    void Paint() override
    {
        if (fnPaint) fnPaint(*_oGraphics);
    }
    std::function<void(Graphics&)> fnPaint;
};

class FigureWindowTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        oWindow.SetSize({260, 200});
        oWindow.Show();
        Settle();
    }
    void Settle()
    {
        UpdateWindow(oWindow.Handle());
        ApplicationExec();
    }
    Graphics& G() { return *oWindow._oGraphics; }
    // The drawing area's pixels of a DC, read in one copy (rows from the top).
    static std::vector<uint32_t> Capture(HDC hDC, const RECT& rDevice)
    {
        const int w = rDevice.right - rDevice.left, h = rDevice.bottom - rDevice.top;
        HDC hMem = CreateCompatibleDC(hDC);
        BITMAPINFO bmi{};
        bmi.bmiHeader = {sizeof(BITMAPINFOHEADER), w, -h, 1, 32, BI_RGB, 0, 0, 0, 0, 0};
        void* pBits = nullptr;
        HBITMAP hBmp = CreateDIBSection(hDC, &bmi, DIB_RGB_COLORS, &pBits, nullptr, 0);
        HGDIOBJ hOld = SelectObject(hMem, hBmp);
        {
            const DeviceUnits oUnits(hDC);
            BitBlt(hMem, 0, 0, w, h, hDC, rDevice.left, rDevice.top, SRCCOPY);
        }
        GdiFlush();
        std::vector<uint32_t> a(static_cast<const uint32_t*>(pBits), static_cast<const uint32_t*>(pBits) + w * h);
        SelectObject(hMem, hOld);
        DeleteObject(hBmp);
        DeleteDC(hMem);
        for (uint32_t& p : a) p &= 0xFFFFFF;
        return a;
    }
    // Pixels where the window and its refresh bitmap differ, and pixels that
    // differ from the background (blue in the low byte).
    std::pair<int, int> Compare(uint32_t nBackground)
    {
        const Graphics& g = G();
        const DeviceBox oArea{0, 0, g.State()._oDim.cx, g.State()._oDim.cy};
        HDC hDC = GetDC(oWindow.Handle());
        const int32_t nTop = oWindow.OwnToolBarHeight();
        const SIZE s = oWindow.CanvasSize();
        SetUpwardMapping(hDC, s.cx, s.cy - nTop, nTop);
        const std::vector<uint32_t> aWindow = Capture(hDC, DeviceRect(hDC, oArea));
        ReleaseDC(oWindow.Handle(), hDC);
        const std::vector<uint32_t> aBitmap =
            Capture(g.State()._oRefreshCanvas.DC(), DeviceRect(g.State()._oRefreshCanvas.DC(), oArea));
        int nDiffer = 0, nPainted = 0;
        for (size_t i = 0; i < aWindow.size(); ++i) {
            nDiffer += aWindow[i] != aBitmap[i];
            nPainted += aWindow[i] != nBackground;
        }
        return {nDiffer, nPainted};
    }
    void Erase(const ColorArg& uColor = ColorArg::Rgb(255, 255, 255))
    {
        G().SetBackgroundColor(uColor).PaintEraseCanvas();
    }

    FigureWindow oWindow;
};

TEST_F(FigureWindowTest, EveryFigureLandsInTheWindowAndItsBitmapAlike)
{
    const WorldPoints aShape{{20, 20}, {200, 30}, {180, 150}, {40, 120}};
    const GroupPoints aGroup{{30, 30, {}}, {60, 90, 5}, {150, 40, {}}};
    const std::pair<const char*, std::function<void(Graphics&)>> aFigures[] = {
        {"line", [](Graphics& g) { g.SetLineWidth(3).PaintLine(10, 10, 200, 150); }},
        {"line group",
         [&](Graphics& g) {
             g.PaintLineGroup({{10, 10}, {100, 50}, {20, 150, 200, 20}});
         }},
        {"polygon", [&](Graphics& g) { g.SetFillHatch(4).PaintPolygon(aShape, 1); }},
        {"points", [&](Graphics& g) { g.PaintPoint(50, 50).PaintPointGroup(aGroup); }},
        {"markers", [&](Graphics& g) { g.SetMarkerSurface(6).PaintMarker(80, 80).PaintMarkerGroup(aGroup); }},
        {"spline", [&](Graphics& g) { g.PaintSpline(aShape, 0.0); }},
        {"bezier", [&](Graphics& g) { g.PaintBezier(aShape, true, 1); }},
        {"ellipses",
         [](Graphics& g) { g.PaintEllipse(120, 90, 60, 40, 1).PaintEllipseSector(60, 60, 40, 30, 20, 250, 1); }},
        {"gradient", [](Graphics& g) { g.SetGradientColor(ColorArg::Rgb(0, 0, 128)).PaintGradientCanvas(8.0, 3); }},
        {"spot", [](Graphics& g) { g.SetGradientColor(ColorArg::Rgb(0, 128, 0)).PaintSpotCanvas(15.0, 7); }},
        {"gradient area", [](Graphics& g) { g.PaintGradientArea(30, 30, 120, 80, 10.0, 0, 2); }},
        {"strings",
         [](Graphics& g) { g.PaintString(20, 20, "Meridoxa", 0, 0).PaintStringRing(130, 100, 70, 0, 2, 3, "RING"); }},
        {"fractal", [](Graphics& g) { g.PaintFractal(10, 10, 120, 90); }},
    };
    // A background other than the DCs' default white: opaque texts and hatch
    // gaps show it.
    for (const auto& [cName, fnDraw] : aFigures) {
        Erase(ColorArg::Rgb(255, 255, 0));
        G().SetLineColor(ColorArg::Rgb(200, 0, 0)).SetFillColor(ColorArg::Rgb(0, 0, 200));
        fnDraw(G());
        const auto [nDiffer, nPainted] = Compare(0xFFFF00);
        EXPECT_EQ(nDiffer, 0) << cName;
        EXPECT_GT(nPainted, 0) << cName;
    }
}

TEST_F(FigureWindowTest, PointColourComesFromTheRefreshBitmap)
{
    Erase();
    G().SetLineColor(ColorArg::Rgb(10, 200, 30)).PaintPoint(40, 30);
    EXPECT_EQ(G().GetPointColor(40, 30), RGB(10, 200, 30));
    EXPECT_EQ(G().GetPointColor(41, 30), RGB(255, 255, 255));
    EXPECT_EQ(G().GetPointColor(5000, 30), CLR_INVALID);
}

// What a timer does while an interruptible fractal pumps the messages.
std::function<void()> gfnOnTimer;
void CALLBACK OnTimer(HWND, UINT, UINT_PTR nId, DWORD)
{
    KillTimer(nullptr, nId);
    if (gfnOnTimer) std::exchange(gfnOnTimer, nullptr)();
}

// Pixels of the area (x, y, w, h) that are not black.
int NotBlack(Graphics& g, int x0, int y0, int w, int h)
{
    int n = 0;
    for (int y = y0; y < y0 + h; ++y)
        for (int x = x0; x < x0 + w; ++x) n += GetPixel(g.State()._oRefreshCanvas.DC(), x, y) != RGB(0, 0, 0);
    return n;
}

TEST_F(FigureWindowTest, ANewerFractalInTheSameWindowStopsTheOlder)
{
    // The newer one paints every point black; the older one would colour them.
    FractalParameters aBlack(22);
    aBlack[10] = 1;
    aBlack[13] = 1;
    gfnOnTimer = [&] { G().PaintFractal(10, 10, 120, 90, 0, &aBlack, true); };
    SetTimer(nullptr, 0, 1, OnTimer);
    G().PaintFractal(10, 10, 120, 90, 0, nullptr, true);
    EXPECT_EQ(gfnOnTimer, nullptr) << "the timer ran during the drawing";
    // The older drawing filled at most the pixel it was at after the newer one.
    EXPECT_LE(NotBlack(G(), 10, 10, 120, 90), 1);
}

TEST_F(FigureWindowTest, AFractalInAnotherWindowDoesNotStopIt)
{
    gTopAppWindow oOther;
    oOther.SetSize({120, 100});
    oOther.Show();
    FractalParameters aBlack(22);
    aBlack[10] = 1;
    aBlack[13] = 1;
    gfnOnTimer = [&] { oOther._oGraphics->PaintFractal(5, 5, 60, 40, 0, &aBlack, true); };
    SetTimer(nullptr, 0, 1, OnTimer);
    G().PaintFractal(10, 10, 120, 90, 0, nullptr, true);
    EXPECT_EQ(gfnOnTimer, nullptr);
    EXPECT_EQ(NotBlack(*oOther._oGraphics, 5, 5, 60, 40), 0);
    EXPECT_GT(NotBlack(G(), 10, 10, 120, 90), 120 * 90 / 2);
}

TEST_F(FigureWindowTest, AResizeDuringTheDrawingLeavesTheRepaintAlone)
{
    // The repaint after the resize draws the figure anew with the new size.
    oWindow.fnPaint = [](Graphics& g) {
        g.SetBackgroundColor(ColorArg::Rgb(255, 255, 255)).PaintEraseCanvas().PaintFractal(10, 10, 120, 90);
    };
    Erase();
    gfnOnTimer = [&] {
        oWindow.SetSize({300, 240});
        UpdateWindow(oWindow.Handle());
    };
    SetTimer(nullptr, 0, 1, OnTimer);
    G().PaintFractal(10, 10, 120, 90, 0, nullptr, true);
    EXPECT_EQ(gfnOnTimer, nullptr) << "the timer ran during the drawing";
    Settle();
    EXPECT_EQ(Compare(0xFFFFFF).first, 0) << "window and bitmap";
    // Nothing outside the rectangle, in the window or in the bitmap.
    G().PaintEraseArea(10, 10, 121, 91);
    EXPECT_EQ(Compare(0xFFFFFF), std::make_pair(0, 0));
}

TEST_F(FigureWindowTest, TheDrawingEndsWhenItsWindowGoes)
{
    gfnOnTimer = [&] { oWindow.Destroy(); };
    SetTimer(nullptr, 0, 1, OnTimer);
    oWindow._oGraphics->PaintFractal(10, 10, 120, 90, 0, nullptr, true);
    EXPECT_EQ(gfnOnTimer, nullptr);
    EXPECT_EQ(oWindow.Handle(), nullptr);
    // The program goes on: another window draws as before.
    gTopAppWindow oNext;
    oNext.SetSize({100, 80});
    oNext.Show();
    oNext._oGraphics->SetLineColor(ColorArg::Rgb(1, 2, 3)).PaintPoint(5, 5);
    EXPECT_EQ(oNext._oGraphics->GetPointColor(5, 5), RGB(1, 2, 3));
}

TEST(FractalQuitTest, AQuitMessageDuringTheDrawingEndsTheProgram)
{
    EXPECT_EXIT(
        {
            gTopAppWindow oWindow;
            oWindow.SetSize({160, 120});
            oWindow.Show();
            PostQuitMessage(7);
            oWindow._oGraphics->PaintFractal(5, 5, 100, 80, 0, nullptr, true);
            std::exit(1);
        },
        ::testing::ExitedWithCode(7), "");
}

}  // namespace
