#include "graphics/images/bmpwriter.h"

#include <cmath>
#include <cstdint>
#include <cstring>

#include "graphics/images/imagefile.h"
#include "platform/runtime/memory.h"

namespace images {

namespace {

constexpr std::size_t kFileHeaderBytes = 14;

// Frees a block of MemAlloc with its holder.
struct MemHolder {
    void* p;
    explicit MemHolder(std::size_t nBytes) : p(MemAlloc(nBytes)) {}
    ~MemHolder() { MemFree(p); }
    MemHolder(const MemHolder&) = delete;
    MemHolder& operator=(const MemHolder&) = delete;
};

void PutDword(uint8_t* p, uint32_t n)
{
    for (int i = 0; i < 4; ++i) p[i] = static_cast<uint8_t>(n >> (8 * i));
}

}  // namespace

bool WriteBmpFile(const std::string& cFile, HDC hDC, HBITMAP hBitmap)
{
    BITMAP oBitmap{};
    if (GetObjectA(hBitmap, sizeof oBitmap, &oBitmap) == 0) return false;
    BITMAPINFOHEADER oHeader{};
    oHeader.biSize = sizeof(BITMAPINFOHEADER);
    oHeader.biWidth = oBitmap.bmWidth;
    oHeader.biHeight = oBitmap.bmHeight;
    oHeader.biPlanes = 1;
    oHeader.biBitCount = static_cast<WORD>(oBitmap.bmPlanes * oBitmap.bmBitsPixel);
    if (oHeader.biBitCount == 16 || oHeader.biBitCount == 32) oHeader.biBitCount = 24;
    oHeader.biCompression = BI_RGB;
    const uint32_t nColors =
        oHeader.biBitCount <= 8 ? static_cast<uint32_t>(std::pow(2.0, oHeader.biBitCount) + 0.05) : 0;
    const std::size_t nInfoBytes = sizeof(BITMAPINFOHEADER) + 4 * std::size_t{nColors};

    MemHolder oInfo(nInfoBytes);
    if (oInfo.p == nullptr) return false;
    auto* pInfo = static_cast<BITMAPINFO*>(oInfo.p);
    pInfo->bmiHeader = oHeader;
    const UINT nRows = static_cast<UINT>(oBitmap.bmHeight);
    if (GetDIBits(hDC, hBitmap, 0, nRows, nullptr, pInfo, DIB_RGB_COLORS) == 0) return false;
    if (pInfo->bmiHeader.biSizeImage == 0) {
        pInfo->bmiHeader.biSizeImage =
            static_cast<DWORD>((oBitmap.bmWidth * std::size_t{oHeader.biBitCount} + 31) / 32 * 4 * nRows);
    }
    const std::size_t nImageBytes = pInfo->bmiHeader.biSizeImage;
    MemHolder oImage(nImageBytes);
    if (oImage.p == nullptr) return false;
    if (GetDIBits(hDC, hBitmap, 0, nRows, oImage.p, pInfo, DIB_RGB_COLORS) != static_cast<int>(nRows)) return false;

    uint8_t aFileHeader[kFileHeaderBytes] = {'B', 'M'};
    PutDword(aFileHeader + 2, static_cast<uint32_t>(kFileHeaderBytes + nInfoBytes + nImageBytes));
    PutDword(aFileHeader + 10, static_cast<uint32_t>(kFileHeaderBytes + nInfoBytes));
    return WriteWholeFile(cFile, {{aFileHeader, sizeof aFileHeader}, {oInfo.p, nInfoBytes}, {oImage.p, nImageBytes}});
}

}  // namespace images
