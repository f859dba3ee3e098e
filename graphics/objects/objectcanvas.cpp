#include "graphics/objects/objectcanvas.h"

#include "graphics/core/painterstate.h"

namespace {

// The whole drawing area.
DeviceBox CanvasBox(const PainterState& g)
{
    return {g._oOrigin.x, g._oOrigin.y, g._oDim.cx, g._oDim.cy};
}

}  // namespace

void objectEraseCanvas::Draw()
{
    const DeviceBox b = CanvasBox(State());
    ForEachPass([&](HDC hDC) { FillBox(hDC, b, State()._nBackgrColor); });
}

void objectFrameCanvas::Draw()
{
    const PainterState& g = State();
    const DeviceBox b = CanvasBox(g);
    ForEachPass([&](HDC hDC) {
        HGDIOBJ hOldBrush = SelectObject(hDC, GetStockObject(HOLLOW_BRUSH));
        HPEN hPen = CreatePen(g._nLinePattern, g._nLineWidth, g._nLineColor);
        HGDIOBJ hOldPen = SelectObject(hDC, hPen);
        const int nOldMode = SetBkMode(hDC, TRANSPARENT);
        // Covers the columns x .. x + w - 1 and the rows y .. y + h - 1.
        Rectangle(hDC, b.x, b.y - 1, b.x + b.w, b.y - 1 + b.h);
        SetBkMode(hDC, nOldMode);
        SelectObject(hDC, hOldPen);
        DeleteObject(hPen);
        SelectObject(hDC, hOldBrush);
    });
}

objectArea::objectArea(GraphicsDevice& oDevice, double x, double y, double w, double h, uint32_t nOrigin)
    : objectShape(oDevice),
      _fX(x),
      _fY(y),
      _fWidth(w),
      _fHeight(h),
      _nOriginMode(static_cast<uint16_t>(nOrigin))
{
}

DeviceBox objectArea::DeviceArea() const
{
    if (AnyNotANumber({_fX, _fY, _fWidth, _fHeight})) return {0, 0, 0, 0};
    int32_t x = DevicePosX(_fX), y = DevicePosY(_fY);
    const int32_t w = DeviceExtentX(_fWidth), h = DeviceExtentY(_fHeight);
    AlignOrigin(x, y, w, h, _nOriginMode);
    return {x, y, w, h};
}

void objectEraseArea::Draw()
{
    // One pixel short of the area's extents in each direction.
    const DeviceBox a = DeviceArea();
    const DeviceBox b{a.x, a.y, SaturatedCoordinate(int64_t{a.w} - 1), SaturatedCoordinate(int64_t{a.h} - 1)};
    ForEachPass([&](HDC hDC) { FillBox(hDC, b, State()._nBackgrColor); });
}

void objectSavedArea::Draw()
{
    // The saved picture is stored top row first; its lower-left corner lands on
    // the area's lower-left corner.
    const DeviceBox a = DeviceArea();
    BITMAP oSaved{};
    GetObjectA(State()._oSaveCanvas.Bitmap(), sizeof oSaved, &oSaved);
    ForEachPass([&](HDC hDC) { CopyBox(hDC, a, State()._oSaveCanvas.DC(), 0, oSaved.bmHeight - a.h); });
}
