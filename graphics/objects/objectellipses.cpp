#include "graphics/objects/objectellipses.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <vector>

#include "graphics/core/painterstate.h"
#include "graphics/core/kit.h"
#include "platform/runtime/numtext.h"

namespace {
// The bounding box of the ellipse in device pixels: even width and height,
// aligned by the origin mode (10, the default, centres it on the point).
RECT EllipseBox(const objectShape& oShape, double x, double y, double rx, double ry, uint32_t nOrigin)
{
    const int32_t w = SaturatedCoordinate(2 * int64_t{oShape.DeviceExtentX(rx)});
    const int32_t h = SaturatedCoordinate(2 * int64_t{oShape.DeviceExtentY(ry)});
    int32_t left = oShape.DevicePosX(x), bottom = oShape.DevicePosY(y);
    oShape.AlignOrigin(left, bottom, w, h, nOrigin);
    return {left, bottom, SaturatedCoordinate(int64_t{left} + w), SaturatedCoordinate(int64_t{bottom} + h)};
}

// Boxes wider or higher than this are not handed to the system, which works
// through every pixel of an ellipse's outline (Wine then gives up or hangs).
constexpr int64_t kLargestEllipse = int64_t{1} << 20;

// The ellipse of centre (cx, cy) and radii rx, ry (device pixels) as the
// polygon of its rows that lie in the box: up its left flank and down its
// right one, each row's ends held within the box.
std::vector<POINT> EllipseRows(double cx, double cy, double rx, double ry, const objectShape::LogicalBox& b)
{
    std::vector<POINT> aLeft, aRight;
    if (!(rx > 0.0) || !(ry > 0.0) || b.left > b.right) return {};
    const int64_t y0 = std::max<int64_t>(b.bottom, static_cast<int64_t>(std::ceil(std::max(cy - ry, -1e18))));
    const int64_t y1 = std::min<int64_t>(b.top, static_cast<int64_t>(std::floor(std::min(cy + ry, 1e18))));
    for (int64_t y = y0; y <= y1; ++y) {
        const double t = (static_cast<double>(y) - cy) / ry;
        const double d = rx * std::sqrt(std::max(0.0, 1.0 - t * t));
        const auto x = [&](double v) {
            return static_cast<LONG>(std::clamp(v, static_cast<double>(b.left), static_cast<double>(b.right)));
        };
        aLeft.push_back({x(cx - d), static_cast<LONG>(y)});
        aRight.push_back({x(cx + d), static_cast<LONG>(y)});
    }
    aLeft.insert(aLeft.end(), aRight.rbegin(), aRight.rend());
    return aLeft;
}

// A point 1000 pixels from the centre in the direction of the angle.
POINT Radial(int32_t cx, int32_t cy, double fAngle)
{
    const double a = fAngle / (180.0 / kPi);
    return {SaturatedCoordinate(int64_t{cx} + Long(1000 * std::sin(a))),
            SaturatedCoordinate(int64_t{cy} + Long(1000 * std::cos(a)))};
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
    const ShapeFill oFill = ResolveFill(State(), _nFill);
    const int64_t w = 2 * int64_t{DeviceExtentX(_fRadiusX)}, h = 2 * int64_t{DeviceExtentY(_fRadiusY)};
    if (std::llabs(w) <= kLargestEllipse && std::llabs(h) <= kLargestEllipse) {
        const RECT r = EllipseBox(*this, _fX, _fY, _fRadiusX, _fRadiusY, _nOriginMode);
        ForEachPass([&](HDC hDC) {
            ClosedShapeTools oTools(hDC, State(), oFill);
            Ellipse(hDC, r.left, r.top, r.right, r.bottom);
        });
        return;
    }
    // Far larger than any canvas: the part that the DCs can show, as a polygon.
    double dx, dy;
    OriginShift(static_cast<double>(w), static_cast<double>(h), _nOriginMode, dx, dy);
    const PainterState& g = State();
    const double cx = _fX * g._fFactorX + g._nOffsetX - dx + w / 2.0;
    const double cy = _fY * g._fFactorY + g._nOffsetY - dy + h / 2.0;
    const std::vector<POINT> aRows =
        EllipseRows(cx, cy, std::fabs(w / 2.0), std::fabs(h / 2.0), VisibleBox(std::max(State()._nLineWidth, 1) + 1));
    if (aRows.empty()) return;
    ForEachPass([&](HDC hDC) {
        ClosedShapeTools oTools(hDC, State(), oFill);
        Polygon(hDC, aRows.data(), static_cast<int>(aRows.size()));
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
    const int32_t cx = SaturatedCoordinate(r.left + ((int64_t{r.right} - r.left) >> 1));
    const int32_t cy = SaturatedCoordinate(r.top + ((int64_t{r.bottom} - r.top) >> 1));
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
