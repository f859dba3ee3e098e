#pragma once
// Helpers of the image tests: bitmaps of known pixels, whole files as bytes,
// and expected pixels written beside a picture for the native readers
// (check_pictures.py), which decode the picture independently and compare.
#include <windows.h>

#include <cstdint>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "graphics/core/device.h"

namespace imagetest {

inline std::vector<uint8_t> ReadBytes(const std::string& cFile)
{
    std::ifstream oIn(cFile, std::ios::binary);
    return {std::istreambuf_iterator<char>(oIn), std::istreambuf_iterator<char>()};
}

inline void WriteBytes(const std::string& cFile, const std::vector<uint8_t>& aBytes)
{
    std::ofstream oOut(cFile, std::ios::binary | std::ios::trunc);
    oOut.write(reinterpret_cast<const char*>(aBytes.data()), static_cast<std::streamsize>(aBytes.size()));
}

// A memory DC compatible with the screen holding a bitmap; deselects and
// deletes both when it goes.
class BitmapDC {
public:
    explicit BitmapDC(HBITMAP hBitmap) : hBitmap_(hBitmap)
    {
        HDC hScreen = GetDC(nullptr);
        hDC_ = CreateCompatibleDC(hScreen);
        ReleaseDC(nullptr, hScreen);
        hOld_ = SelectObject(hDC_, hBitmap_);
    }
    // A screen-compatible bitmap of w x h.
    BitmapDC(int w, int h) : BitmapDC(ScreenBitmap(w, h)) {}
    ~BitmapDC()
    {
        SelectObject(hDC_, hOld_);
        DeleteDC(hDC_);
        DeleteObject(hBitmap_);
    }
    BitmapDC(const BitmapDC&) = delete;
    BitmapDC& operator=(const BitmapDC&) = delete;
    HDC DC() const { return hDC_; }
    HBITMAP Bitmap() const { return hBitmap_; }
    static HBITMAP ScreenBitmap(int w, int h)
    {
        HDC hScreen = GetDC(nullptr);
        HBITMAP hBitmap = CreateCompatibleBitmap(hScreen, w, h);
        ReleaseDC(nullptr, hScreen);
        return hBitmap;
    }

private:
    HBITMAP hBitmap_;
    HDC hDC_;
    HGDIOBJ hOld_;
};

// An 8-bit DIB section, rows stored bottom-up; *pBits receives its pixels.
inline HBITMAP IndexedBitmap(int w, int h, const std::vector<RGBQUAD>& aColors, uint8_t** pBits)
{
    struct {
        BITMAPINFOHEADER oHeader;
        RGBQUAD aTable[256];
    } oInfo{};
    oInfo.oHeader = {sizeof(BITMAPINFOHEADER), w, h, 1, 8, BI_RGB, 0, 0, 0, 0, 0};
    for (std::size_t i = 0; i < aColors.size() && i < 256; ++i) oInfo.aTable[i] = aColors[i];
    void* pVoid = nullptr;
    HBITMAP hBitmap =
        CreateDIBSection(nullptr, reinterpret_cast<BITMAPINFO*>(&oInfo), DIB_RGB_COLORS, &pVoid, nullptr, 0);
    *pBits = static_cast<uint8_t*>(pVoid);
    return hBitmap;
}

inline std::size_t Stride8(int w)
{
    return (static_cast<std::size_t>(w) + 3) / 4 * 4;
}

// The pixels of a DC's w x h area as R, G, B bytes, top row first, read in
// device units.
inline std::vector<uint8_t> RgbOf(HDC hDC, int w, int h)
{
    std::vector<uint8_t> a;
    a.reserve(static_cast<std::size_t>(w) * h * 3);
    DeviceUnits oUnits(hDC);
    for (int y = 0; y < h; ++y) {
        for (int x = 0; x < w; ++x) {
            const COLORREF c = GetPixel(hDC, x, y);
            a.insert(a.end(), {GetRValue(c), GetGValue(c), GetBValue(c)});
        }
    }
    return a;
}

}  // namespace imagetest
