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

// Copies an area from the refresh bitmap back onto the window.
class objectRefreshBmp : public objectShape {
public:
    objectRefreshBmp(GraphicsDevice& oDevice, const DeviceBox& oArea) : objectShape(oDevice), _oArea(oArea) {}
    void Draw() override
    {
        const PainterState& g = State();
        if (_oArea.w <= 0 || _oArea.h <= 0 || g._oRefreshCanvas.DC() == nullptr) return;
        CopyBox(SelectDrawDC(1), _oArea, g._oRefreshCanvas.DC(), _oArea.x + g._nScrollOffsX,
                _oArea.y + g._nScrollOffsY);
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
