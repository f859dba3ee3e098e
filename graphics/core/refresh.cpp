#include <algorithm>

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
        const PainterState& g = State();
        const int32_t w = g._oDim.cx, h = g._oDim.cy, x0 = g._oOrigin.x, y0 = g._oOrigin.y, t = g._nTopSpace;
        HDC hDC = SelectDrawDC(1);
        _oCanvas = MemoryCanvas(hDC, CreateCompatibleBitmap(hDC, x0 + w, y0 + h + t));
        SetUpwardMapping(_oCanvas.DC(), w, h, t);
        FillBox(_oCanvas.DC(), {x0, y0, w - x0, h - y0}, g._nBackgrColor);
    }
    MemoryCanvas _oCanvas;
};

// Copies an area of the window's view from the refresh bitmap back onto the
// window: the part of it that lies on the drawing area, from the canvas
// position that the view shows there.
class objectRefreshBmp : public objectShape {
public:
    objectRefreshBmp(GraphicsDevice& oDevice, const DeviceBox& oArea) : objectShape(oDevice), _oArea(oArea) {}
    void Draw() override
    {
        const PainterState& g = State();
        if (_oArea.w <= 0 || _oArea.h <= 0 || g._oRefreshCanvas.DC() == nullptr) return;
        const int64_t x = int64_t{_oArea.x} + g._nScrollOffsX, y = int64_t{_oArea.y} + g._nScrollOffsY;
        const int64_t x0 = std::max<int64_t>(x, g._oOrigin.x), y0 = std::max<int64_t>(y, g._oOrigin.y);
        const int64_t x1 = std::min<int64_t>(x + _oArea.w, int64_t{g._oOrigin.x} + g._oDim.cx);
        const int64_t y1 = std::min<int64_t>(y + _oArea.h, int64_t{g._oOrigin.y} + g._oDim.cy);
        if (x1 <= x0 || y1 <= y0) return;
        // The window's DC maps the canvas as its view shows it.
        const POINT v = Device().ViewOrigin();
        const DeviceBox oSource{static_cast<int32_t>(x0), static_cast<int32_t>(y0), static_cast<int32_t>(x1 - x0),
                                static_cast<int32_t>(y1 - y0)};
        const DeviceBox oTarget{static_cast<int32_t>(x0 - g._nScrollOffsX + v.x),
                                static_cast<int32_t>(y0 - g._nScrollOffsY + v.y), oSource.w, oSource.h};
        CopyBox(SelectDrawDC(1), oTarget, g._oRefreshCanvas.DC(), oSource.x, oSource.y);
    }

private:
    DeviceBox _oArea;
};

}  // namespace

Graphics& Graphics::InternGenRefreshBmp()
{
    InternFreeRefreshBmp();
    if (_oDevice == nullptr) return *this;
    objectRefreshBmpGen oGen(*_oDevice);
    DrawShape(oGen);
    _oRefreshCanvas = std::move(oGen._oCanvas);
    return *this;
}

Graphics& Graphics::InternFreeRefreshBmp()
{
    _oRefreshCanvas.Reset();
    return *this;
}

Graphics& Graphics::InternRefresh(const DeviceBox& oArea)
{
    return Paint<objectRefreshBmp>(oArea);
}

Graphics& Graphics::SetScrollOffset(int32_t nX, int32_t nY)
{
    _nScrollOffsX = nX;
    _nScrollOffsY = nY;
    return *this;
}

Graphics& Graphics::SetDrawingArea(int32_t nWidth, int32_t nHeight)
{
    _nWidth = nWidth;
    _nHeight = nHeight;
    return *this;
}

Graphics& Graphics::SetSaveArea(double x, double y, double w, double h, uint32_t nOrigin)
{
    const HDC hRefresh = _oRefreshCanvas.DC();
    if (hRefresh == nullptr) return *this;
    InternFreeSavedBmp();
    int32_t nX = Long(x * _fFactorX) + _nOffsetX, nY = Long(y * _fFactorY) + _nOffsetY;
    const int32_t nW = Long(w * _fFactorX), nH = Long(h * _fFactorY);
    if (nOrigin > 0) GetOriginPoint(nX, nY, nW, nH, nOrigin);
    HBITMAP hBitmap = CreateCompatibleBitmap(hRefresh, nW, nH);
    if (hBitmap == nullptr) hBitmap = CreateBitmap(nW, nH, 1, 1, nullptr);
    _oSaveCanvas = MemoryCanvas(hRefresh, hBitmap);
    // Stored top row first, in the saved DC's plain rows.
    CopyBox(_oSaveCanvas.DC(), {0, 0, nW, nH}, hRefresh, nX, nY);
    return *this;
}

Graphics& Graphics::InternFreeSavedBmp()
{
    _oSaveCanvas.Reset();
    return *this;
}
