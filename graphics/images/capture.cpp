#include "graphics/images/capture.h"

#include <windows.h>

#include "graphics/images/gifwriter.h"
#include "graphics/images/pictures.h"
#include "platform/framework/window.h"

namespace {

enum class Format { kBmp, kGif };

// Copies the window (whole or its client area) into a bitmap and saves it;
// a window without a context, or a bitmap that cannot be made, writes no
// file.
void Capture(const Window& oWindow, const std::string& cFile, bool lWhole, Format eFormat)
{
    HWND hWnd = oWindow.Handle();
    HDC hWindowDC = lWhole ? GetWindowDC(hWnd) : GetDC(hWnd);
    if (hWindowDC == nullptr) return;
    const Dimension oSize = lWhole ? oWindow.Size() : oWindow.CanvasArea().Extent();
    const int w = oSize.Width();
    const int h = oSize.Height();
    HDC hMemory = CreateCompatibleDC(hWindowDC);
    HBITMAP hBitmap = w > 0 && h > 0 ? CreateCompatibleBitmap(hWindowDC, w, h) : nullptr;
    if (hMemory != nullptr && hBitmap != nullptr) {
        const HGDIOBJ hOldBitmap = SelectObject(hMemory, hBitmap);
        if (eFormat == Format::kBmp) {
            const auto hStock = static_cast<HPALETTE>(GetStockObject(DEFAULT_PALETTE));
            const HPALETTE hOldPalette = SelectPalette(hMemory, hStock, FALSE);
            BitBlt(hMemory, 0, 0, w, h, hWindowDC, 0, 0, SRCCOPY);
            SaveImageOle(cFile, hBitmap, hStock);
            SelectPalette(hMemory, hOldPalette, FALSE);
        } else {
            // Upside down, the form the GIF writer expects.
            for (int i = 0; i < h; ++i) BitBlt(hMemory, 0, h - 1 - i, w, 1, hWindowDC, 0, i, SRCCOPY);
            SaveImageGif(cFile, hMemory, hBitmap);
        }
        SelectObject(hMemory, hOldBitmap);
    }
    if (hMemory != nullptr) DeleteDC(hMemory);
    if (hBitmap != nullptr) DeleteObject(hBitmap);
    ReleaseDC(hWnd, hWindowDC);
}

}  // namespace

void SaveWin2Bmp(const Window& oWindow, const std::string& cFile, bool lWhole)
{
    Capture(oWindow, cFile, lWhole, Format::kBmp);
}

void SaveWin2Gif(const Window& oWindow, const std::string& cFile, bool lWhole)
{
    Capture(oWindow, cFile, lWhole, Format::kGif);
}
