#include "graphics/objects/objectrectangle.h"

#include <algorithm>

#include "graphics/core/painterstate.h"
#include "platform/runtime/numtext.h"

objectRectangle::objectRectangle(GraphicsDevice& oDevice, double a, double b, double c, double d, uint32_t nFill,
                                 uint32_t nOrigin, uint32_t nAligned)
    : objectShape(oDevice),
      _fX1(a),
      _fY1(b),
      _fX2(c),
      _fY2(d),
      _nFill(static_cast<uint16_t>(nFill)),
      _nOriginMode(static_cast<uint16_t>(nOrigin)),
      _nAligned(static_cast<uint16_t>(nAligned))
{
}

void objectRectangle::Draw()
{
    if (AnyNotANumber({_fX1, _fY1, _fX2, _fY2})) return;
    const PainterState& g = State();
    double x1, y1, x2, y2;
    if (_nAligned == 1) {
        x1 = std::min(_fX1, _fX2);
        y1 = std::min(_fY1, _fY2);
        x2 = std::max(_fX1, _fX2);
        y2 = std::max(_fY1, _fY2);
    } else {
        x1 = _fX1;
        y1 = _fY1;
        x2 = _fX1 + _fX2;
        y2 = _fY1 + _fY2;
    }
    if (_nOriginMode != 0) {
        // The shift works on the world values; they become pixels once.
        const double w = _nAligned == 1 ? x2 - x1 : _fX2, h = _nAligned == 1 ? y2 - y1 : _fY2;
        double dx, dy;
        OriginShift(w, h, _nOriginMode, dx, dy);
        x1 -= dx;
        y1 -= dy;
        x2 = x1 + w;
        y2 = y1 + h;
    }
    const int32_t dx1 = DevicePosX(x1), dy1 = DevicePosY(y1);
    const int32_t dx2 = DevicePosX(x2), dy2 = DevicePosY(y2);
    if (dx1 == dx2 && dy1 == dy2) {
        ForEachPass([&](HDC hDC) {
            const int nOldRop = SetROP2(hDC, g._nRasterMode);
            SetPixelV(hDC, dx1, dy1, g._nLineColor);
            SetROP2(hDC, nOldRop);
        });
        return;
    }
    const ShapeFill oFill = ResolveFill(g, _nFill);
    ForEachPass([&](HDC hDC) {
        ClosedShapeTools oTools(hDC, g, oFill);
        Rectangle(hDC, dx1, SaturatedCoordinate(int64_t{dy1} - 1), SaturatedCoordinate(int64_t{dx2} + 1), dy2);
    });
}

objectRectangleRounded::objectRectangleRounded(GraphicsDevice& oDevice, double x, double y, double w, double h,
                                               double fCornerW, double fCornerH, uint32_t nFill, uint32_t nOrigin)
    : objectShape(oDevice),
      _fX(x),
      _fY(y),
      _fWidth(w),
      _fHeight(h),
      _fCornerWidth(fCornerW),
      _fCornerHeight(fCornerH),
      _nFill(static_cast<uint16_t>(nFill)),
      _nOriginMode(static_cast<uint16_t>(nOrigin))
{
}

void objectRectangleRounded::Draw()
{
    if (AnyNotANumber({_fX, _fY, _fWidth, _fHeight, _fCornerWidth, _fCornerHeight})) return;
    const PainterState& g = State();
    if (_nOriginMode != 0) {
        double dx, dy;
        OriginShift(_fWidth, _fHeight, _nOriginMode, dx, dy);
        _fX -= dx;
        _fY -= dy;
    }
    const int32_t x = DevicePosX(_fX), y = DevicePosY(_fY);
    const int32_t w = DeviceExtentX(_fWidth), h = DeviceExtentY(_fHeight);
    const int32_t cw = DeviceExtentX(_fCornerWidth), ch = DeviceExtentY(_fCornerHeight);
    const ShapeFill oFill = ResolveFill(g, _nFill);
    ForEachPass([&](HDC hDC) {
        ClosedShapeTools oTools(hDC, g, oFill);
        RoundRect(hDC, x, SaturatedCoordinate(int64_t{y} - 1), SaturatedCoordinate(int64_t{x} + w + 1),
                  SaturatedCoordinate(int64_t{y} + h), cw, ch);
    });
}
