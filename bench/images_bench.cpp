// Benchmark of the picture files and picture drawing on memory devices:
// the GIF writer against the BMP writer on a 1280 x 1024 canvas, once with
// screen-like content (gradient, texts, rectangles) and once with noise,
// and a quarter turn of a 1000 x 1000 picture against the same drawing
// without a transform. Best of three, in milliseconds.
// Run: DISPLAY=... scripts/wine-run.sh ARCH build/ARCH/bench/images_bench.exe
#include <windows.h>

#include <cstdint>
#include <cstdio>
#include <vector>

#include "bench/timing.h"
#include "graphics/core/graphics.h"
#include "graphics/images/gifwriter.h"
#include "graphics/windows/gmemory.h"

namespace {

void ScreenLike(Graphics& g)
{
    g.SetGradientColor(ColorArg::Rgb(40, 90, 160)).PaintGradientCanvas(6.0, 0);
    g.SetFillColor(ColorArg::Rgb(240, 240, 230)).SetFillHatch(32).SetLineColor(ColorArg::Rgb(0, 0, 0));
    for (int i = 0; i < 40; ++i) g.PaintRectangle(20 + (i % 8) * 150, 20 + (i / 8) * 190, 130, 160, 1);
    for (int i = 0; i < 200; ++i) g.PaintString(30 + (i % 8) * 150, 40 + (i / 8) * 38, "Helmert 7 parameters");
}

void Noise(HDC hDC, int w, int h)
{
    BITMAPINFO oInfo{};
    oInfo.bmiHeader = {sizeof(BITMAPINFOHEADER), w, h, 1, 32, BI_RGB, 0, 0, 0, 0, 0};
    std::vector<uint32_t> aPixels(static_cast<std::size_t>(w) * h);
    uint32_t n = 1;
    for (uint32_t& p : aPixels) p = (n = n * 1664525u + 1013904223u) >> 8;
    DeviceUnits oUnits(hDC);
    SetDIBitsToDevice(hDC, 0, 0, w, h, 0, 0, 0, h, aPixels.data(), &oInfo, DIB_RGB_COLORS);
}

}  // namespace

int main()
{
    constexpr int kW = 1280, kH = 1024, kTurn = 1000;
    gMemory oCanvas(2, kW, kH);
    Graphics& g = *oCanvas._oGraphics;
    ScreenLike(g);
    const double fGifScreen = BestMilliseconds(3, [&] { g.SetGifCanvasToFile("bench_screen.gif"); });
    const double fBmpScreen = BestMilliseconds(3, [&] { g.SetBmpCanvasToFile("bench_screen.bmp"); });
    Noise(oCanvas.GetMemoryDC(), kW, kH);
    const double fGifNoise = BestMilliseconds(3, [&] { g.SetGifCanvasToFile("bench_noise.gif"); });
    const double fBmpNoise = BestMilliseconds(3, [&] { g.SetBmpCanvasToFile("bench_noise.bmp"); });
    std::printf("GIF, screen-like 1280 x 1024: %.1f ms (BMP %.1f ms, ratio %.2f)\n", fGifScreen, fBmpScreen,
                fGifScreen / fBmpScreen);
    std::printf("GIF, noise 1280 x 1024: %.1f ms (BMP %.1f ms, ratio %.2f)\n", fGifNoise, fBmpNoise,
                fGifNoise / fBmpNoise);

    // The coder alone: the same noise as 8-bit indices, without the colour
    // reduction.
    {
        struct {
            BITMAPINFOHEADER h;
            RGBQUAD c[256];
        } oInfo{};
        oInfo.h = {sizeof(BITMAPINFOHEADER), kW, kH, 1, 8, BI_RGB, 0, 0, 0, 0, 0};
        void* pBits = nullptr;
        HBITMAP hDib =
            CreateDIBSection(nullptr, reinterpret_cast<BITMAPINFO*>(&oInfo), DIB_RGB_COLORS, &pBits, nullptr, 0);
        uint32_t n = 1;
        for (int i = 0; i < kW * kH; ++i)
            static_cast<uint8_t*>(pBits)[i] = static_cast<uint8_t>((n = n * 1664525u + 1013904223u) >> 24);
        HDC hDC = CreateCompatibleDC(nullptr);
        const HGDIOBJ hOld = SelectObject(hDC, hDib);
        const double f8 = BestMilliseconds(3, [&] { SaveImageGif("bench_indexed.gif", hDC, hDib); });
        std::printf("GIF, noise of 8-bit indices (no colour reduction): %.1f ms\n", f8);
        SelectObject(hDC, hOld);
        DeleteDC(hDC);
        DeleteObject(hDib);
        DeleteFileA("bench_indexed.gif");
    }
    gMemory oPicture(2, kTurn, kTurn);
    Noise(oPicture.GetMemoryDC(), kTurn, kTurn);
    const Bitmap oSource = oPicture.GetMemoryObject();
    gMemory oTarget(2, kTurn, kTurn);
    const double fPlain = BestMilliseconds(3, [&] { oTarget._oGraphics->PaintBmpRestore(oSource); });
    const double fTurn = BestMilliseconds(3, [&] { oTarget._oGraphics->PaintBmpRestore(oSource, false, 9999, 1); });
    std::printf("quarter turn 1000 x 1000: %.1f ms (no transform %.1f ms, ratio %.2f)\n", fTurn, fPlain,
                fTurn / fPlain);
    DeleteFileA("bench_screen.gif");
    DeleteFileA("bench_screen.bmp");
    DeleteFileA("bench_noise.gif");
    DeleteFileA("bench_noise.bmp");
    return 0;
}
