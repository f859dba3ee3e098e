// Painter benchmark: 100,000 rectangles, 100,000 texts and 10,000 polylines
// of 100 points on a 1000 x 1000 memory device and on a screen window (two
// passes: window and refresh bitmap), each beside the same GDI calls made
// straight on the same DCs, which is the limit. Prints microseconds per
// operation and the ratio.
// The window part needs a display; without one it is skipped.
#include <windows.h>

#include <cstdio>
#include <vector>

#include "bench/bench_window.h"
#include "bench/timing.h"
#include "graphics/core/graphics.h"
#include "graphics/windows/genhmetafile.h"
#include "graphics/windows/gmemory.h"
#include "graphics/windows/gkitwindow.h"
#include "platform/framework/app.h"

namespace {

constexpr int kCount = 100000;
constexpr int kPolylines = 10000;

// A zigzag of 100 points, 9 pixels apart, shifted by i.
WorldPoints Zigzag(int i)
{
    WorldPoints a;
    for (int k = 0; k < 100; ++k) a.push_back({static_cast<double>(k * 9 + i % 100), (k % 2) * 40.0 + i % 900});
    return a;
}

// What a polyline does on one DC, straight.
void StraightPolyline(HDC hDC, const WorldPoints& aPoints)
{
    LOGBRUSH oBrush{BS_SOLID, 0, 0};
    HPEN hPen = ExtCreatePen(PS_GEOMETRIC | PS_ENDCAP_FLAT | PS_JOIN_BEVEL, 1, &oBrush, 0, nullptr);
    HGDIOBJ hOldPen = SelectObject(hDC, hPen);
    const int nOldMode = SetBkMode(hDC, TRANSPARENT);
    const int nOldRop = SetROP2(hDC, R2_COPYPEN);
    MoveToEx(hDC, static_cast<int>(aPoints[0][0]), static_cast<int>(aPoints[0][1]), nullptr);
    for (size_t k = 1; k < aPoints.size(); ++k)
        LineTo(hDC, static_cast<int>(aPoints[k][0]), static_cast<int>(aPoints[k][1]));
    SetROP2(hDC, nOldRop);
    SetBkMode(hDC, nOldMode);
    SelectObject(hDC, hOldPen);
    DeleteObject(hPen);
}

// What a filled rectangle does on one DC, straight.
void StraightRectangle(HDC hDC, int x, int y)
{
    HBRUSH hBrush = CreateSolidBrush(RGB(0, 0, 255));
    HGDIOBJ hOldBrush = SelectObject(hDC, hBrush);
    HPEN hPen = CreatePen(PS_SOLID, 1, 0);
    HGDIOBJ hOldPen = SelectObject(hDC, hPen);
    const COLORREF nOldColor = SetBkColor(hDC, RGB(0, 0, 255));
    const int nOldMode = SetBkMode(hDC, OPAQUE);
    const int nOldRop = SetROP2(hDC, R2_COPYPEN);
    Rectangle(hDC, x, y - 1, x + 41, y + 30);
    SetROP2(hDC, nOldRop);
    SetBkMode(hDC, nOldMode);
    SetBkColor(hDC, nOldColor);
    SelectObject(hDC, hOldPen);
    DeleteObject(hPen);
    SelectObject(hDC, hOldBrush);
    DeleteObject(hBrush);
}

// What a text does on one DC, straight (the extent measured for alignment).
void StraightText(HDC hDC, HFONT hFont, int x, int y)
{
    HGDIOBJ hOld = SelectObject(hDC, hFont);
    SIZE s;
    GetTextExtentPoint32A(hDC, "Meridoxa 42", 11, &s);
    const COLORREF nOldColor = SetTextColor(hDC, 0);
    const int nOldMode = SetBkMode(hDC, TRANSPARENT);
    const UINT nOldAlign = SetTextAlign(hDC, TA_BOTTOM | TA_LEFT);
    TextOutA(hDC, x, y, "Meridoxa 42", 11);
    SetTextAlign(hDC, nOldAlign);
    SetBkMode(hDC, nOldMode);
    SetTextColor(hDC, nOldColor);
    SelectObject(hDC, hOld);
}

void Report(const char* cWhat, double fOurs, double fStraight)
{
    std::printf("%-34s %8.2f us  straight GDI %8.2f us  ratio %.2f\n", cWhat, fOurs, fStraight, fOurs / fStraight);
}

void Prepare(Graphics& g)
{
    g.SetFillColor(9).SetLineColor(16).SetFillHatch(32).SetStringColor(16);
    g.SetStringFont("Arial", 8.0, 14.0, 0U, 2U);
}

void MemoryDevice(int nPass)
{
    gMemory oMemory(2, 1000, 1000);
    Graphics& g = *oMemory._oGraphics;
    Prepare(g);
    HDC hDC = oMemory.GetMemoryDC();
    std::printf("memory device 1000 x 1000, pass %d\n", nPass);
    Report("  rectangle", MicrosPerOp([&](int i) { g.PaintRectangle(i % 950, i % 960, 40, 30, 1); }, kCount),
           MicrosPerOp([&](int i) { StraightRectangle(hDC, i % 950, i % 960); }, kCount));
    Report("  text", MicrosPerOp([&](int i) { g.PaintString(i % 900, i % 980, "Meridoxa 42"); }, kCount),
           MicrosPerOp([&](int i) { StraightText(hDC, g.State()._pFont.Get(), i % 900, i % 980); }, kCount));
    const std::vector<WorldPoints> aLines = {Zigzag(0), Zigzag(37), Zigzag(421)};
    Report("  polyline, 100 points", MicrosPerOp([&](int i) { g.PaintLineGroup(aLines[i % 3]); }, kPolylines),
           MicrosPerOp([&](int i) { StraightPolyline(hDC, aLines[i % 3]); }, kPolylines));
}

void ScreenWindow(int nPass)
{
    const std::unique_ptr<gTopAppWindow> oWindow = ShownBenchWindow();
    if (!oWindow) return;
    Graphics& g = *oWindow->_oGraphics;
    Prepare(g);
    const SIZE s = oWindow->CanvasSize();
    std::printf("screen window %ld x %ld, pass %d\n", s.cx, s.cy, nPass);
    // Straight: the same calls on the window's DC (taken once) and on the
    // refresh bitmap's DC.
    HDC hWindow = GetDC(oWindow->Handle());
    SetUpwardMapping(hWindow, s.cx, s.cy, 0);
    HDC hBitmap = g.State()._oRefreshCanvas.DC();
    Report("  rectangle", MicrosPerOp([&](int i) { g.PaintRectangle(i % 950, i % 960, 40, 30, 1); }, kCount),
           MicrosPerOp(
               [&](int i) {
                   StraightRectangle(hWindow, i % 950, i % 960);
                   StraightRectangle(hBitmap, i % 950, i % 960);
               },
               kCount));
    Report("  text", MicrosPerOp([&](int i) { g.PaintString(i % 900, i % 980, "Meridoxa 42"); }, kCount),
           MicrosPerOp(
               [&](int i) {
                   StraightText(hWindow, g.State()._pFont.Get(), i % 900, i % 980);
                   StraightText(hBitmap, g.State()._pFont.Get(), i % 900, i % 980);
               },
               kCount));
    const std::vector<WorldPoints> aLines = {Zigzag(0), Zigzag(37), Zigzag(421)};
    Report("  polyline, 100 points", MicrosPerOp([&](int i) { g.PaintLineGroup(aLines[i % 3]); }, kPolylines),
           MicrosPerOp(
               [&](int i) {
                   StraightPolyline(hWindow, aLines[i % 3]);
                   StraightPolyline(hBitmap, aLines[i % 3]);
               },
               kPolylines));
    ReleaseDC(oWindow->Handle(), hWindow);
}

void MetafileDevice(int nPass)
{
    std::printf("metafile device 500 x 500, pass %d\n", nPass);
    gEnhMetaFile oMetafile("bench.emf", {}, {}, "Bench", false);
    Graphics& g = *oMetafile._oGraphics;
    Prepare(g);
    // Straight: the same calls on a plain metafile DC mapped the same way.
    HDC hDC = CreateEnhMetaFileA(nullptr, "bench_straight.emf", nullptr, nullptr);
    SetUpwardMapping(hDC, 500, 500, 0);
    Report("  rectangle", MicrosPerOp([&](int i) { g.PaintRectangle(i % 450, i % 460, 40, 30, 1); }, kCount),
           MicrosPerOp([&](int i) { StraightRectangle(hDC, i % 450, i % 460); }, kCount));
    Report("  text", MicrosPerOp([&](int i) { g.PaintString(i % 400, i % 480, "Meridoxa 42"); }, kCount),
           MicrosPerOp([&](int i) { StraightText(hDC, g.State()._pFont.Get(), i % 400, i % 480); }, kCount));
    DeleteEnhMetaFile(CloseEnhMetaFile(hDC));
    oMetafile.Destroy();
    DeleteFileA("bench.emf");
    DeleteFileA("bench_straight.emf");
}

}  // namespace

int main()
{
    for (int nPass = 1; nPass <= 2; ++nPass) MemoryDevice(nPass);
    for (int nPass = 1; nPass <= 2; ++nPass) MetafileDevice(nPass);
    for (int nPass = 1; nPass <= 2; ++nPass) ScreenWindow(nPass);
    return 0;
}
