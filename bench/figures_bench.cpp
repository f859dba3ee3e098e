// Benchmark of the drawing objects beside straight GDI on a memory device:
// the default fractal on 1000 x 1000 pixels, and 10,000 polylines of 100
// points each (drawn by MoveToEx and LineTo in both). Prints the times in
// milliseconds.
#include <windows.h>

#include <chrono>
#include <cstdio>
#include <functional>

#include "graphics/core/graphics.h"
#include "graphics/objects/fractalengine.h"
#include "graphics/windows/gmemory.h"

namespace {

double Milliseconds(const std::function<void()>& fn)
{
    const auto t0 = std::chrono::steady_clock::now();
    fn();
    return std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - t0).count();
}

// The fractal as plain GDI: the same iteration and colours, one FillRect per
// pixel with a brush made when the colour changes.
void FractalByHand(HDC hDC, int w, int h)
{
    std::vector<std::optional<double>> aEntries(kFractalEntries);
    const FractalSettings s = ValidateFractalParameters(aEntries);
    const FractalColouring oColouring(s, RGB(0, 0, 0), RGB(255, 255, 255), {});
    HBRUSH hBrush = nullptr;
    COLORREF nLast = 0;
    for (int r = 0; r < h; ++r)
        for (int c = 0; c < w; ++c) {
            const auto nColor = oColouring.Colour(IterateFractal(s, FractalCoordinate(s.fLeft, s.fRight, c, w),
                                                                 FractalCoordinate(s.fBottom, s.fTop, r, h)));
            if (!nColor) continue;
            if (hBrush == nullptr || *nColor != nLast) {
                if (hBrush != nullptr) DeleteObject(hBrush);
                hBrush = CreateSolidBrush(*nColor);
                nLast = *nColor;
            }
            const RECT rPixel{c, h - 1 - r, c + 1, h - r};
            FillRect(hDC, &rPixel, hBrush);
        }
    if (hBrush != nullptr) DeleteObject(hBrush);
}

}  // namespace

int main()
{
    constexpr int kSize = 1000, kLines = 10000, kPoints = 100;
    gMemory oMemory(2, kSize, kSize);
    Graphics& g = *oMemory._oGraphics;

    const double fFractal = Milliseconds([&] { g.PaintFractal(0, 0, kSize, kSize); });
    HDC hScreen = GetDC(nullptr);
    HDC hPlain = CreateCompatibleDC(hScreen);
    HBITMAP hBitmap = CreateCompatibleBitmap(hScreen, kSize, kSize);
    ReleaseDC(nullptr, hScreen);
    HGDIOBJ hOld = SelectObject(hPlain, hBitmap);
    const double fFractalGdi = Milliseconds([&] { FractalByHand(hPlain, kSize, kSize); });

    std::vector<WorldPoints> aLines(kLines);
    for (int i = 0; i < kLines; ++i)
        for (int k = 0; k < kPoints; ++k)
            aLines[i].push_back(
                {static_cast<double>((i * 7 + k * 13) % kSize), static_cast<double>((i * 11 + k * 29) % kSize)});
    const double fLines = Milliseconds([&] {
        for (const WorldPoints& a : aLines) g.PaintLineGroup(a);
    });
    const double fLinesGdi = Milliseconds([&] {
        LOGBRUSH oBrush{BS_SOLID, RGB(0, 0, 0), 0};
        for (const WorldPoints& a : aLines) {
            HPEN hPen = ExtCreatePen(PS_GEOMETRIC | PS_ENDCAP_FLAT | PS_JOIN_BEVEL, 1, &oBrush, 0, nullptr);
            HGDIOBJ hOldPen = SelectObject(hPlain, hPen);
            MoveToEx(hPlain, static_cast<int>(a[0][0]), static_cast<int>(a[0][1]), nullptr);
            for (size_t k = 1; k < a.size(); ++k) LineTo(hPlain, static_cast<int>(a[k][0]), static_cast<int>(a[k][1]));
            SelectObject(hPlain, hOldPen);
            DeleteObject(hPen);
        }
    });
    SelectObject(hPlain, hOld);
    DeleteObject(hBitmap);
    DeleteDC(hPlain);

    std::printf("fractal 1000 x 1000: PaintFractal %.0f ms, plain GDI %.0f ms\n", fFractal, fFractalGdi);
    std::printf("10,000 polylines of 100 points: PaintLineGroup %.0f ms, plain GDI %.0f ms\n", fLines, fLinesGdi);
    return 0;
}
