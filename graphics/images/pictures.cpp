#include "graphics/images/pictures.h"

#include <algorithm>
#include <cctype>

#include "graphics/images/bmpwriter.h"
#include "lib/system.h"
#include "platform/runtime/files.h"

namespace images {

namespace {

// The whole file in a moveable global block; NULL when it is missing, empty
// or cannot be held in memory (never a part of it).
HGLOBAL ReadWholeFile(const std::string& cFile)
{
    if (!FileExists(cFile)) return nullptr;
    HANDLE hFile = FOpen(cFile, FO_READ | FO_SHARED);
    if (hFile == F_ERROR) return nullptr;
    HGLOBAL hBlock = nullptr;
    LARGE_INTEGER oSize{};
    if (GetFileSizeEx(hFile, &oSize) && oSize.QuadPart > 0 &&
        static_cast<uint64_t>(oSize.QuadPart) <= static_cast<uint64_t>(SIZE_MAX / 2)) {
        const auto nSize = static_cast<std::size_t>(oSize.QuadPart);
        hBlock = GlobalAlloc(GMEM_MOVEABLE, nSize);
        auto* pBytes = hBlock != nullptr ? static_cast<char*>(GlobalLock(hBlock)) : nullptr;
        bool lOk = pBytes != nullptr;
        for (std::size_t nDone = 0; lOk && nDone < nSize;) {
            const DWORD nChunk = static_cast<DWORD>(std::min<std::size_t>(nSize - nDone, 0x40000000));
            lOk = FRead(hFile, pBytes + nDone, nChunk) == nChunk;
            nDone += nChunk;
        }
        if (pBytes != nullptr) GlobalUnlock(hBlock);
        if (!lOk && hBlock != nullptr) {
            GlobalFree(hBlock);
            hBlock = nullptr;
        }
    }
    FClose(hFile);
    return hBlock;
}

}  // namespace

PictureObject::PictureObject(const std::string& cFile)
{
    HGLOBAL hBlock = ReadWholeFile(cFile);
    if (hBlock == nullptr) return;
    IStream* pStream = nullptr;
    if (FAILED(CreateStreamOnHGlobal(hBlock, TRUE, &pStream))) {
        GlobalFree(hBlock);
        return;
    }
    void* pObject = nullptr;
    if (SUCCEEDED(OleLoadPicture(pStream, 0, FALSE, IID_IPicture, &pObject)) && pObject != nullptr) {
        pPicture_ = static_cast<IPicture*>(pObject);
        pPicture_->get_Width(&nWidth_);
        pPicture_->get_Height(&nHeight_);
    }
    pStream->Release();
}

PictureObject::~PictureObject()
{
    if (pPicture_ != nullptr) pPicture_->Release();
}

bool PictureObject::RenderUpright(HDC hDC, int32_t x, int32_t y, int32_t w, int32_t h) const
{
    // A flipped destination lands a row off on some systems; a flipped
    // source lands exactly on all.
    return pPicture_ != nullptr &&
           SUCCEEDED(pPicture_->Render(hDC, x, y, w, h, 0, nHeight_, nWidth_, -nHeight_, nullptr));
}

HBITMAP LoadPictureFile(const std::string& cFile, HDC hDC, int32_t& nWidth, int32_t& nHeight,
                        const PictureLoaders& oLoaders)
{
    HBITMAP hBitmap = oLoaders.fOle(cFile, nWidth, nHeight, hDC);
    std::string cUpper = cFile;
    std::transform(cUpper.begin(), cUpper.end(), cUpper.begin(),
                   [](unsigned char c) { return static_cast<char>(std::toupper(c)); });
    if (hBitmap == nullptr && cUpper.find(".BMP") != std::string::npos) hBitmap = oLoaders.fApi(cFile, nWidth, nHeight);
    if (hBitmap == nullptr && gnPlattformVersion >= 25) hBitmap = oLoaders.fVo(cFile, nWidth, nHeight, hDC);
    return hBitmap;
}

}  // namespace images

bool SaveImageOle(const std::string& cFile, HBITMAP hBitmap, HPALETTE hPalette)
{
    if (cFile.empty()) return false;
    PICTDESC oDesc{};
    oDesc.cbSizeofstruct = sizeof oDesc;
    oDesc.picType = PICTYPE_BITMAP;
    oDesc.bmp.hbitmap = hBitmap;
    oDesc.bmp.hpal = hPalette;
    void* pObject = nullptr;
    bool lResult = false;
    if (SUCCEEDED(OleCreatePictureIndirect(&oDesc, IID_IPicture, FALSE, &pObject)) && pObject != nullptr) {
        auto* pPicture = static_cast<IPicture*>(pObject);
        IPictureDisp* pDisp = nullptr;
        if (SUCCEEDED(pPicture->QueryInterface(IID_IPictureDisp, reinterpret_cast<void**>(&pDisp)))) {
            const int nWide = MultiByteToWideChar(CP_ACP, 0, cFile.data(), static_cast<int>(cFile.size()), nullptr, 0);
            BSTR cWide = nWide > 0 ? SysAllocStringLen(nullptr, static_cast<UINT>(nWide)) : nullptr;
            if (cWide != nullptr &&
                MultiByteToWideChar(CP_ACP, 0, cFile.data(), static_cast<int>(cFile.size()), cWide, nWide) > 0) {
                lResult = OleSavePictureFile(pDisp, cWide) == S_OK;
            }
            SysFreeString(cWide);
            pDisp->Release();
        }
        pPicture->Release();
    }
    if (lResult) return true;
    // Where the system does not write the file, the kit's encoder does.
    HDC hScreen = GetDC(nullptr);
    HPALETTE hOld = hPalette != nullptr ? SelectPalette(hScreen, hPalette, FALSE) : nullptr;
    lResult = images::WriteBmpFile(cFile, hScreen, hBitmap);
    if (hOld != nullptr) SelectPalette(hScreen, hOld, FALSE);
    ReleaseDC(nullptr, hScreen);
    return lResult;
}

HBITMAP LoadImageOle(const std::string& cFile, int32_t& nWidth, int32_t& nHeight, HDC hDC)
{
    nWidth = 0;
    nHeight = 0;
    const images::PictureObject oPicture(cFile);
    if (!oPicture) return nullptr;
    HDC hMemory = CreateCompatibleDC(hDC);
    nWidth = MulDiv(oPicture.Width(), GetDeviceCaps(hMemory, LOGPIXELSX), 2540);
    nHeight = MulDiv(oPicture.Height(), GetDeviceCaps(hMemory, LOGPIXELSY), 2540);
    HBITMAP hBitmap = nullptr;
    if (hDC != nullptr) {
        hBitmap = CreateCompatibleBitmap(hDC, nWidth, nHeight);
        const HGDIOBJ hOld = hBitmap != nullptr ? SelectObject(hMemory, hBitmap) : nullptr;
        const bool lRendered = hOld != nullptr && oPicture.RenderUpright(hMemory, 0, 0, nWidth, nHeight);
        if (hOld != nullptr) SelectObject(hMemory, hOld);
        if (!lRendered && hBitmap != nullptr) {
            DeleteObject(hBitmap);
            hBitmap = nullptr;
        }
    }
    DeleteDC(hMemory);
    return hBitmap;
}

HBITMAP LoadImageApi(const std::string& cFile, int32_t& nWidth, int32_t& nHeight)
{
    nWidth = 0;
    nHeight = 0;
    auto hBitmap = static_cast<HBITMAP>(LoadImageA(nullptr, cFile.c_str(), IMAGE_BITMAP, 0, 0, LR_LOADFROMFILE));
    BITMAP oBitmap{};
    if (hBitmap != nullptr && GetObjectA(hBitmap, sizeof oBitmap, &oBitmap) != 0) {
        nWidth = oBitmap.bmWidth;
        nHeight = oBitmap.bmHeight;
    }
    return hBitmap;
}

HBITMAP LoadImageVo(const std::string& /*cFile*/, int32_t& nWidth, int32_t& nHeight, HDC /*hDC*/)
{
    nWidth = 0;
    nHeight = 0;
    return nullptr;
}
