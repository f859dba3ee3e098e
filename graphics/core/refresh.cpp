#include "graphics/core/graphics.h"
#include "graphics/objects/objectshape.h"
#include "platform/runtime/numtext.h"

namespace {

// Makes the refresh bitmap of a screen window: compatible with the window's
// DC, mapped upward like the window, filled with the background colour.
class objectRefreshBmpGen : public objectShape {
public:
    using objectShape::objectShape;
    void Draw() override
    {
        Graphics& g = *_oShapeGraphics;
        const int32_t w = g._oDim.cx, h = g._oDim.cy, x0 = g._oOrigin.x, y0 = g._oOrigin.y, t = g._nTopSpace;
        HDC hDC = SelectDrawDC(1);
        g._pRefreshMemDC = CreateCompatibleDC(hDC);
        SetUpwardMapping(g._pRefreshMemDC, w, h, t);
        g._pRefreshBmp = CreateCompatibleBitmap(hDC, x0 + w, y0 + h + t);
        g._pRefreshBmpOld = SelectObject(g._pRefreshMemDC, g._pRefreshBmp);
        FillBox(g._pRefreshMemDC, {x0, y0, w - x0, h - y0}, g._nBackgrColor);
    }
};

// Copies an area from the refresh bitmap back onto the window.
class objectRefreshBmp : public objectShape {
public:
    objectRefreshBmp(Graphics& oGraphics, const DeviceBox& oArea) : objectShape(oGraphics), _oArea(oArea) {}
    void Draw() override
    {
        const Graphics& g = *_oShapeGraphics;
        if (_oArea.w <= 0 || _oArea.h <= 0 || g._pRefreshMemDC == nullptr) return;
        CopyBox(SelectDrawDC(1), _oArea, g._pRefreshMemDC, _oArea.x + g._nScrollOffsX, _oArea.y + g._nScrollOffsY);
    }

private:
    DeviceBox _oArea;
};

// Selects the displaced bitmap back, deletes the bitmap and the DC, clears
// all three.
template <typename Old>
void FreeMemoryBitmap(HDC& hDC, HBITMAP& hBitmap, Old& hOld)
{
    SelectObject(hDC, hOld);
    DeleteObject(hBitmap);
    DeleteDC(hDC);
    hOld = nullptr;
    hDC = nullptr;
    hBitmap = nullptr;
}

}  // namespace

Graphics& Graphics::InternGenRefreshBmp()
{
    if (_pRefreshMemDC != nullptr) InternFreeRefreshBmp();
    objectRefreshBmpGen oGen(*this);
    return DrawShape(oGen);
}

Graphics& Graphics::InternFreeRefreshBmp()
{
    FreeMemoryBitmap(_pRefreshMemDC, _pRefreshBmp, _pRefreshBmpOld);
    return *this;
}

Graphics& Graphics::InternRefresh(const DeviceBox& oArea)
{
    objectRefreshBmp oRefresh(*this, oArea);
    return DrawShape(oRefresh);
}

Graphics& Graphics::SetSaveArea(double x, double y, double w, double h, uint32_t nOrigin)
{
    if (_pRefreshMemDC == nullptr) return *this;
    if (_pSaveMemDC != nullptr) InternFreeSavedBmp();
    int32_t nX = Long(x * _fFactorX) + _nOffsetX, nY = Long(y * _fFactorY) + _nOffsetY;
    const int32_t nW = Long(w * _fFactorX), nH = Long(h * _fFactorY);
    if (nOrigin > 0) GetOriginPoint(nX, nY, nW, nH, nOrigin);
    _pSaveMemDC = CreateCompatibleDC(_pRefreshMemDC);
    _pSaveBmp = CreateCompatibleBitmap(_pRefreshMemDC, nW, nH);
    if (_pSaveBmp == nullptr) _pSaveBmp = CreateBitmap(nW, nH, 1, 1, nullptr);
    _pSaveBmpOld = static_cast<HBITMAP>(SelectObject(_pSaveMemDC, _pSaveBmp));
    // Stored top row first, in the saved DC's plain rows.
    CopyBox(_pSaveMemDC, {0, 0, nW, nH}, _pRefreshMemDC, nX, nY);
    return *this;
}

Graphics& Graphics::InternFreeSavedBmp()
{
    FreeMemoryBitmap(_pSaveMemDC, _pSaveBmp, _pSaveBmpOld);
    return *this;
}
