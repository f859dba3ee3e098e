#include "graphics/windows/gmemory.h"

#include <algorithm>

#include "graphics/images/pictures.h"
#include "graphics/objects/objectshape.h"
#include "platform/runtime/files.h"

namespace {

struct Visitor {
    HDC hScreen;
    int32_t& nWidth;
    int32_t& nHeight;
    bool& lCallers;
    int32_t& nPictureWidth;
    int32_t& nPictureHeight;

    HBITMAP operator()(int32_t nKind) const
    {
        if (nKind != 2) return nullptr;
        if (nWidth == 0) nWidth = 500;
        if (nHeight == 0) nHeight = 500;
        return CreateCompatibleBitmap(hScreen, nWidth, nHeight);
    }
    HBITMAP operator()(const std::string& cName) const
    {
        if (FileExists(cName)) return images::LoadPictureFile(cName, hScreen, nPictureWidth, nPictureHeight);
        return static_cast<HBITMAP>(LoadImageA(GetModuleHandleA(nullptr), cName.c_str(), IMAGE_BITMAP, 0, 0, 0));
    }
    HBITMAP operator()(const ModuleBitmap& oResource) const
    {
        return static_cast<HBITMAP>(LoadImageA(oResource.hModule, oResource.cName.c_str(), IMAGE_BITMAP, 0, 0, 0));
    }
    HBITMAP operator()(HBITMAP hBitmap) const
    {
        lCallers = true;
        return hBitmap;
    }
};

// A context and bitmap of the given size compatible with hFrom, the bitmap
// selected; returns the context and the bitmap it displaced.
HDC NewCanvas(HDC hFrom, int32_t nWidth, int32_t nHeight, HGDIOBJ& hOld)
{
    HDC hDC = CreateCompatibleDC(hFrom);
    hOld = SelectObject(hDC, CreateCompatibleBitmap(hFrom, nWidth, nHeight));
    return hDC;
}

}  // namespace

gMemory::gMemory(const MemorySource& uSource, int32_t nWidth, int32_t nHeight, bool lPaint)
{
    // A negative size counts as none given.
    nWidth = std::max(nWidth, 0);
    nHeight = std::max(nHeight, 0);
    HDC hScreen = GetDC(nullptr);
    bool lCallers = false;
    HBITMAP hSource = std::visit(Visitor{hScreen, nWidth, nHeight, lCallers, _nCanvasWidth, _nCanvasHeight}, uSource);
    if (hSource != nullptr) {
        if (_nCanvasWidth == 0) {
            BITMAP oInfo{};
            GetObjectA(hSource, sizeof oInfo, &oInfo);
            _nCanvasWidth = oInfo.bmWidth;
            _nCanvasHeight = oInfo.bmHeight;
        }
        if (nWidth == 0) nWidth = _nCanvasWidth;
        if (nHeight == 0) nHeight = _nCanvasHeight;
        _pBitmapDC = CreateCompatibleDC(hScreen);
        _pMemoryBmpOld = SelectObject(_pBitmapDC, hSource);
        if (lCallers) {
            // Draw on a copy: the caller's bitmap is never selected again.
            HGDIOBJ hOld;
            HDC hCopy = NewCanvas(hScreen, _nCanvasWidth, _nCanvasHeight, hOld);
            BitBlt(hCopy, 0, 0, _nCanvasWidth, _nCanvasHeight, _pBitmapDC, 0, 0, SRCCOPY);
            SelectObject(_pBitmapDC, _pMemoryBmpOld);
            DeleteDC(_pBitmapDC);
            _pBitmapDC = hCopy;
            _pMemoryBmpOld = hOld;
        }
        if (_nCanvasWidth != nWidth || _nCanvasHeight != nHeight) {
            HGDIOBJ hOld;
            HDC hStretched = NewCanvas(_pBitmapDC, nWidth, nHeight, hOld);
            const int nOldMode = SetStretchBltMode(hStretched, COLORONCOLOR);
            StretchBlt(hStretched, 0, 0, nWidth, nHeight, _pBitmapDC, 0, 0, _nCanvasWidth, _nCanvasHeight, SRCCOPY);
            SetStretchBltMode(hStretched, nOldMode);
            _nCanvasWidth = nWidth;
            _nCanvasHeight = nHeight;
            DeleteObject(SelectObject(_pBitmapDC, _pMemoryBmpOld));
            DeleteDC(_pBitmapDC);
            _pBitmapDC = hStretched;
            _pMemoryBmpOld = hOld;
        }
        SetUpwardMapping(_pBitmapDC, _nCanvasWidth, _nCanvasHeight, 0);
        _nDeviceTyp = kDeviceMemory;
        _oGraphics = std::make_unique<Graphics>(*this, _nCanvasWidth, _nCanvasHeight);
        if (lPaint) PaintNew();
    }
    ReleaseDC(nullptr, hScreen);
}

gMemory::~gMemory()
{
    Destroy();
}

gMemory& gMemory::Destroy()
{
    if (_oGraphics) {
        _oGraphics->Destroy();
        _oGraphics.reset();
    }
    if (_pBitmapDC != nullptr) {
        _pMemoryBmp = static_cast<HBITMAP>(SelectObject(_pBitmapDC, _pMemoryBmpOld));
        DeleteDC(_pBitmapDC);
        DeleteObject(_pMemoryBmp);
        _pBitmapDC = nullptr;
    }
    if (_pHandleBmp != nullptr) {
        DeleteObject(_pHandleBmp);
        _pHandleBmp = nullptr;
    }
    return *this;
}

gMemory& gMemory::PaintNew()
{
    if (_oGraphics && _oGraphics->PrepareAreaPaint()) Paint();
    return *this;
}

void gMemory::Draw(objectShape& oShape)
{
    oShape.Draw();
}

void gMemory::Draw(const std::vector<objectShape*>& aShapes)
{
    objectShape::DrawEach(aShapes);
}

void gMemory::GetMemoryFile(const std::string& cFile)
{
    if (_pBitmapDC != nullptr) _oGraphics->SetBmpCanvasToFile(cFile);
}

HBITMAP gMemory::CopyCanvas() const
{
    HDC hCopy = CreateCompatibleDC(_pBitmapDC);
    HBITMAP hBitmap = CreateCompatibleBitmap(_pBitmapDC, _nCanvasWidth, _nCanvasHeight);
    HGDIOBJ hOld = SelectObject(hCopy, hBitmap);
    SetUpwardMapping(hCopy, _nCanvasWidth, _nCanvasHeight, 0);
    BitBlt(hCopy, 0, 0, _nCanvasWidth, _nCanvasHeight, _pBitmapDC, 0, 0, SRCCOPY);
    SelectObject(hCopy, hOld);
    DeleteDC(hCopy);
    return hBitmap;
}

HBITMAP gMemory::GetMemoryHandle()
{
    if (_pBitmapDC != nullptr && _pHandleBmp == nullptr) _pHandleBmp = CopyCanvas();
    return _pHandleBmp;
}

Bitmap gMemory::GetMemoryObject()
{
    if (_pBitmapDC != nullptr && _oMemoryObject.Handle() == nullptr) _oMemoryObject = Bitmap::Adopt(CopyCanvas());
    return _oMemoryObject;
}
