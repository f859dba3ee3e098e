#include "graphics/objects/objectellipses.h"

#include <cmath>

#include "graphics/core/painterstate.h"
#include "graphics/core/kit.h"
#include "platform/runtime/numtext.h"

namespace {
// The bounding box of the ellipse in device pixels: even width and height,
// aligned by the origin mode (10, the default, centres it on the point).
RECT EllipseBox(const objectShape& oShape, double x, double y, double rx, double ry, uint32_t nOrigin)
{
    const int32_t w = 2 * oShape.DeviceExtentX(rx), h = 2 * oShape.DeviceExtentY(ry);
    int32_t left = oShape.DevicePosX(x), bottom = oShape.DevicePosY(y);
    oShape.AlignOrigin(left, bottom, w, h, nOrigin);
    return {left, bottom, left + w, bottom + h};
}

// A point 1000 pixels from the centre in the direction of the angle.
POINT Radial(int32_t cx, int32_t cy, double fAngle)
{
    const double a = fAngle / (180.0 / kPi);
    return {cx + Long(1000 * std::sin(a)), cy + Long(1000 * std::cos(a))};
}
}  // namespace

objectEllipse::objectEllipse(GraphicsDevice& oDevice, double x, double y, double rx, double ry, uint32_t nFill,
                             uint32_t nOrigin)
    : objectShape(oDevice),
      _fX(x),
      _fY(y),
      _fRadiusX(rx),
      _fRadiusY(ry),
      _nFill(nFill),
      _nOriginMode(nOrigin)
{
}

void objectEllipse::Draw()
{
    const RECT r = EllipseBox(*this, _fX, _fY, _fRadiusX, _fRadiusY, _nOriginMode);
    const ShapeFill oFill = ResolveFill(State(), _nFill);
    ForEachPass([&](HDC hDC) {
        ClosedShapeTools oTools(hDC, State(), oFill);
        Ellipse(hDC, r.left, r.top, r.right, r.bottom);
    });
}

objectEllipsePart::objectEllipsePart(GraphicsDevice& oDevice, double x, double y, double rx, double ry, double fAngle1,
                                     double fAngle2, uint16_t nKind, uint16_t nFill, uint16_t nOrigin)
    : objectShape(oDevice),
      _fX(x),
      _fY(y),
      _fRadiusX(rx),
      _fRadiusY(ry),
      _fAngle1(fAngle1),
      _fAngle2(fAngle2),
      _nKind(nKind),
      _nFill(nFill),
      _nOriginMode(nOrigin)
{
}

void objectEllipsePart::Draw()
{
    const RECT r = EllipseBox(*this, _fX, _fY, _fRadiusX, _fRadiusY, _nOriginMode);
    const int32_t cx = r.left + ((r.right - r.left) >> 1), cy = r.top + ((r.bottom - r.top) >> 1);
    // The first angle ends the figure, the second starts it.
    const POINT e = Radial(cx, cy, _fAngle1), s = Radial(cx, cy, _fAngle2);
    const ShapeFill oFill = ResolveFill(State(), _nFill);
    ForEachPass([&](HDC hDC) {
        ClosedShapeTools oTools(hDC, State(), oFill);
        if (_nKind == kArc)
            Arc(hDC, r.left, r.top, r.right, r.bottom, s.x, s.y, e.x, e.y);
        else if (_nKind == kPie)
            Pie(hDC, r.left, r.top, r.right, r.bottom, s.x, s.y, e.x, e.y);
        else
            Chord(hDC, r.left, r.top, r.right, r.bottom, s.x, s.y, e.x, e.y);
    });
}
