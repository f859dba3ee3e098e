#include "graphics/images/gifwriter.h"

#include <array>
#include <cstring>

#include "graphics/images/imagefile.h"
#include "platform/runtime/memory.h"

namespace {

// One save at a time, on the window thread.
bool gGifBusy = false;

constexpr int kTableEntries = 256;
constexpr std::size_t kInfoBytes = sizeof(BITMAPINFOHEADER) + kTableEntries * sizeof(RGBQUAD);
constexpr uint16_t kClearCode = 256;
constexpr uint16_t kFirstCode = 258;
constexpr uint16_t kLastCode = 511;
constexpr uint16_t kNoEntry = 0;

// A block of MemAlloc that is freed with its owner.
class MemBlock {
public:
    explicit MemBlock(std::size_t nBytes) : p_(static_cast<uint8_t*>(MemAlloc(nBytes))) {}
    ~MemBlock() { MemFree(p_); }
    MemBlock(const MemBlock&) = delete;
    MemBlock& operator=(const MemBlock&) = delete;
    uint8_t* Get() const { return p_; }

private:
    uint8_t* p_;
};

// The LZW coder and bit packer: codes go out as 9 bits each, least
// significant bit first, into data sub-blocks of up to 255 bytes, collected
// in a growing output buffer.
class GifCoder {
public:
    ~GifCoder() { MemFree(pOutput_); }

    // Codes every row of the 8-bit pixel buffer (rows of nStride bytes, the
    // first nWidth of them pixels) and closes the last sub-block. False when
    // memory runs short.
    bool Compress(const uint8_t* pPixels, int32_t nWidth, int32_t nHeight, std::size_t nStride)
    {
        pOutput_ = static_cast<uint8_t*>(MemAlloc(16));
        pNext_ = static_cast<uint16_t*>(MemAlloc(sizeof(uint16_t) * 512 * 256));
        if (pOutput_ == nullptr || pNext_ == nullptr) {
            MemFree(pNext_);
            return false;
        }
        for (int32_t r = 0; r < nHeight && lOk_; ++r) CodeRow(pPixels + r * nStride, nWidth);
        MemFree(pNext_);
        pNext_ = nullptr;
        // The last data byte, its high bits that no code reaches zero.
        if (nPendingBits_ > 0) PutByte(static_cast<uint8_t>(nPending_));
        return lOk_ && Append(aBlock_.data(), aBlock_[0] + 1u);
    }
    const uint8_t* Output() const { return pOutput_; }
    std::size_t OutputLength() const { return nOutputLength_; }

    // Appends the code as 9 bits, least significant first; every full byte
    // goes into the current sub-block.
    void OutputBits(uint16_t nCode)
    {
        nPending_ |= uint32_t{nCode} << nPendingBits_;
        nPendingBits_ += 9;
        while (nPendingBits_ >= 8) {
            PutByte(static_cast<uint8_t>(nPending_ & (Pow2(8) - 1u)));
            nPending_ >>= 8;
            nPendingBits_ -= 8;
        }
    }

private:
    // Entries are unique, so a lookup of (prefix code, pixel) finds the
    // same code as a scan of the whole strings.
    void ClearTable()
    {
        for (uint16_t i = 0; i < nEntries_; ++i) pNext_[aKeys_[i]] = kNoEntry;
        nEntries_ = 0;
    }
    void CodeRow(const uint8_t* pRow, int32_t nWidth)
    {
        OutputBits(kClearCode);
        ClearTable();
        uint16_t nCurrent = pRow[0];
        for (int32_t i = 1; i < nWidth; ++i) {
            const uint8_t p = pRow[i];
            const uint32_t nKey = uint32_t{nCurrent} * 256 + p;
            if (pNext_[nKey] != kNoEntry) {
                nCurrent = pNext_[nKey];
                continue;
            }
            const auto nCode = static_cast<uint16_t>(kFirstCode + nEntries_);
            pNext_[nKey] = nCode;
            aKeys_[nEntries_++] = nKey;
            OutputBits(nCurrent);
            nCurrent = p;
            if (nCode == kLastCode) {
                OutputBits(kClearCode);
                ClearTable();
            }
        }
        OutputBits(nCurrent);
    }
    // A full sub-block moves to the output only when the next byte comes, so
    // the last one always holds at least one byte.
    void PutByte(uint8_t nByte)
    {
        if (aBlock_[0] == 255) {
            if (!Append(aBlock_.data(), aBlock_.size())) lOk_ = false;
            aBlock_[0] = 0;
        }
        aBlock_[++aBlock_[0]] = nByte;
    }
    bool Append(const uint8_t* pData, std::size_t nBytes)
    {
        if (nOutputLength_ + nBytes > MemSize(pOutput_)) {
            auto* pGrown = static_cast<uint8_t*>(MemRealloc(pOutput_, 2 * (nOutputLength_ + nBytes)));
            if (pGrown == nullptr) return false;
            pOutput_ = pGrown;
        }
        std::memcpy(pOutput_ + nOutputLength_, pData, nBytes);
        nOutputLength_ += nBytes;
        return true;
    }

    uint8_t* pOutput_ = nullptr;
    std::size_t nOutputLength_ = 0;
    std::array<uint8_t, 256> aBlock_{};
    uint32_t nPending_ = 0;  // bits not yet in a byte, the oldest lowest
    uint32_t nPendingBits_ = 0;
    bool lOk_ = true;
    uint16_t* pNext_ = nullptr;
    std::array<uint32_t, kLastCode - kFirstCode + 1> aKeys_{};
    uint16_t nEntries_ = 0;
};

// The pixels of the bitmap as 8-bit indices, bottom row first, with their
// 256 colours.
struct IndexedPixels {
    std::array<RGBQUAD, kTableEntries> aColors{};
    uint8_t* pPixels = nullptr;
    std::size_t nStride = 0;
    ~IndexedPixels() { MemFree(pPixels); }
};

bool ReadIndexed(HDC hDC, HBITMAP hBitmap, const BITMAP& oBitmap, IndexedPixels& oOut)
{
    MemBlock oInfo(kInfoBytes);
    if (oInfo.Get() == nullptr) return false;
    auto* pInfo = reinterpret_cast<BITMAPINFO*>(oInfo.Get());
    BITMAPINFOHEADER& oHeader = pInfo->bmiHeader;
    oHeader.biSize = sizeof(BITMAPINFOHEADER);
    oHeader.biWidth = oBitmap.bmWidth;
    oHeader.biHeight = oBitmap.bmHeight;
    oHeader.biPlanes = 1;
    oHeader.biBitCount = 8;
    oHeader.biCompression = BI_RGB;
    oOut.nStride = (static_cast<std::size_t>(oBitmap.bmWidth) + 3) / 4 * 4;
    const std::size_t nImage = oOut.nStride * static_cast<std::size_t>(oBitmap.bmHeight);
    const bool lEightBit = oBitmap.bmBitsPixel == 8 && oBitmap.bmPlanes == 1;
    HDC hSource = hDC;
    HBITMAP hSourceBmp = hBitmap;
    HDC hConvert = nullptr;
    HBITMAP hSection = nullptr;
    HGDIOBJ hOld = nullptr;
    bool lOk = true;
    if (lEightBit) {
        lOk = GetDIBits(hDC, hBitmap, 0, static_cast<UINT>(oBitmap.bmHeight), nullptr, pInfo, DIB_RGB_COLORS) != 0;
    } else {
        HDC hDisplay = CreateDCA("DISPLAY", nullptr, nullptr, nullptr);
        hConvert = CreateCompatibleDC(hDisplay);
        DeleteDC(hDisplay);
        FillHalftonePal(pInfo);
        void* pBits = nullptr;
        hSection = CreateDIBSection(hConvert, pInfo, DIB_RGB_COLORS, &pBits, nullptr, 0);
        lOk = hConvert != nullptr && hSection != nullptr;
        if (lOk) {
            hOld = SelectObject(hConvert, hSection);
            lOk = BitBlt(hConvert, 0, 0, oBitmap.bmWidth, oBitmap.bmHeight, hDC, 0, 0, SRCCOPY) != 0;
        }
        hSource = hConvert;
        hSourceBmp = hSection;
    }
    if (lOk) {
        oHeader.biSizeImage = static_cast<DWORD>(nImage);
        oOut.pPixels = static_cast<uint8_t*>(MemAlloc(nImage));
        lOk = oOut.pPixels != nullptr && GetDIBits(hSource, hSourceBmp, 0, static_cast<UINT>(oBitmap.bmHeight),
                                                   oOut.pPixels, pInfo, DIB_RGB_COLORS) == oBitmap.bmHeight;
    }
    if (lOk) std::memcpy(oOut.aColors.data(), pInfo->bmiColors, sizeof oOut.aColors);
    if (hOld != nullptr) SelectObject(hConvert, hOld);
    if (hConvert != nullptr) DeleteDC(hConvert);
    if (hSection != nullptr) DeleteObject(hSection);
    return lOk;
}

void PutWord(uint8_t* p, int32_t n)
{
    p[0] = static_cast<uint8_t>(n & 0xFF);
    p[1] = static_cast<uint8_t>((n >> 8) & 0xFF);
}

bool Save(const std::string& cFile, HDC hDC, HBITMAP hBitmap)
{
    BITMAP oBitmap{};
    if (GetObjectA(hBitmap, sizeof oBitmap, &oBitmap) == 0) return false;
    if (oBitmap.bmWidth < 1 || oBitmap.bmHeight < 1 || oBitmap.bmWidth > 0xFFFF || oBitmap.bmHeight > 0xFFFF) {
        return false;
    }
    IndexedPixels oPixels;
    if (!ReadIndexed(hDC, hBitmap, oBitmap, oPixels)) return false;

    uint8_t aHead[13 + 3 * kTableEntries + 10 + 1] = {'G', 'I', 'F', '8', '7', 'a'};
    PutWord(aHead + 6, oBitmap.bmWidth);
    PutWord(aHead + 8, oBitmap.bmHeight);
    aHead[10] = 0xF7;
    for (int i = 0; i < kTableEntries; ++i) {
        aHead[13 + 3 * i] = oPixels.aColors[i].rgbRed;
        aHead[14 + 3 * i] = oPixels.aColors[i].rgbGreen;
        aHead[15 + 3 * i] = oPixels.aColors[i].rgbBlue;
    }
    uint8_t* pImage = aHead + 13 + 3 * kTableEntries;
    pImage[0] = 0x2C;
    PutWord(pImage + 5, oBitmap.bmWidth);
    PutWord(pImage + 7, oBitmap.bmHeight);
    pImage[9] = 0x07;
    pImage[10] = 8;

    GifCoder oCoder;
    if (!oCoder.Compress(oPixels.pPixels, oBitmap.bmWidth, oBitmap.bmHeight, oPixels.nStride)) return false;
    static constexpr uint8_t aTail[] = {0x00, 0x3B};
    return images::WriteWholeFile(
        cFile, {{aHead, sizeof aHead}, {oCoder.Output(), oCoder.OutputLength()}, {aTail, sizeof aTail}});
}

}  // namespace

bool SaveImageGif(const std::string& cFile, HDC hDC, HBITMAP hBitmap)
{
    if (gGifBusy) return false;
    gGifBusy = true;
    const bool lResult = Save(cFile, hDC, hBitmap);
    gGifBusy = false;
    return lResult;
}

void FillHalftonePal(BITMAPINFO* pInfo)
{
    std::array<PALETTEENTRY, kTableEntries> aStock{};
    const UINT nStock =
        GetPaletteEntries(static_cast<HPALETTE>(GetStockObject(DEFAULT_PALETTE)), 0, kTableEntries, aStock.data());
    RGBQUAD* pColors = pInfo->bmiColors;
    std::memset(pColors, 0, kTableEntries * sizeof(RGBQUAD));
    int n = 0;
    for (UINT i = 0; i < nStock && n < kTableEntries; ++i, ++n) {
        pColors[n] = RGBQUAD{aStock[i].peBlue, aStock[i].peGreen, aStock[i].peRed, 0};
    }
    for (int r = 0; r < 6; ++r) {
        for (int g = 0; g < 6; ++g) {
            for (int b = 0; b < 6 && n < kTableEntries; ++b, ++n) {
                pColors[n] =
                    RGBQUAD{static_cast<BYTE>(b * 0x33), static_cast<BYTE>(g * 0x33), static_cast<BYTE>(r * 0x33), 0};
            }
        }
    }
}

uint16_t Pow2(uint32_t n)
{
    static const std::array<uint16_t, 9> aPowers = [] {
        std::array<uint16_t, 9> a{};
        for (uint32_t i = 0; i < a.size(); ++i) a[i] = static_cast<uint16_t>(1u << i);
        return a;
    }();
    return n < aPowers.size() ? aPowers[n] : 0;
}

namespace images {

void SetGifWriterBusy(bool lBusy)
{
    gGifBusy = lBusy;
}

}  // namespace images
