#include "graphics/objects/objectmarkers.h"

#include <algorithm>
#include <optional>

#include "graphics/core/painterstate.h"
#include "graphics/objects/objectpoints.h"
#include "graphics/objects/objecttools.h"
#include "platform/runtime/numtext.h"

namespace {

void Stroke(HDC hDC, int32_t x1, int32_t y1, int32_t x2, int32_t y2)
{
    MoveToEx(hDC, x1, y1, nullptr);
    LineTo(hDC, x2, y2);
}

// The figure of a marker type at (cx, cy); e holds the extents of the type
// (doubled for the arrows). Type 1 sets one pixel in nPixelColor.
void DrawMarkerFigure(HDC hDC, int32_t nCode, int32_t cx, int32_t cy, const MarkerExtents& e, COLORREF nPixelColor)
{
    switch (nCode) {
    case 1: SetPixelV(hDC, cx, cy, nPixelColor); break;
    case 2:
    case 4:
        Stroke(hDC, cx - e.dx, cy, cx + e.dx, cy);
        Stroke(hDC, cx, cy - e.dy, cx, cy + e.dy);
        if (nCode == 2) break;
        [[fallthrough]];
    case 3:
        Stroke(hDC, cx - e.ex, cy + e.ey, cx + e.ex, cy - e.ey);
        Stroke(hDC, cx + e.ex, cy + e.ey, cx - e.ex, cy - e.ey);
        break;
    case 5:
    case 6: Ellipse(hDC, cx - e.dx, cy - e.dy, cx + e.dx, cy + e.dy); break;
    case 7:
    case 8: Rectangle(hDC, cx - e.ex, cy - e.ey - 1, cx + e.ex + 1, cy + e.ey); break;
    case 9: Stroke(hDC, cx - e.dx, cy, cx + e.dx, cy); break;
    case 10: Stroke(hDC, cx, cy - e.dy, cx, cy + e.dy); break;
    case 11:
    case 12: {
        const int32_t s = nCode == 11 ? -1 : 1;
        Stroke(hDC, cx, cy, cx + s * e.ex, cy + e.ey);
        Stroke(hDC, cx, cy, cx + s * e.ex, cy - e.ey);
        Stroke(hDC, cx, cy, cx + s * e.dx, cy);
        break;
    }
    case 13:
    case 14: {
        const int32_t s = nCode == 13 ? -1 : 1;
        Stroke(hDC, cx, cy, cx - e.ex, cy + s * e.ey);
        Stroke(hDC, cx, cy, cx + e.ex, cy + s * e.ey);
        Stroke(hDC, cx, cy, cx, cy + s * e.dy);
        break;
    }
    default: break;
    }
}

// The brush of types 5 and above: the fill colour for the filled circle and
// square, the hollow stock brush otherwise.
void SelectMarkerBrush(std::optional<SelectedObject>& oBrush, HDC hDC, int32_t nCode, COLORREF nFillColor)
{
    if (nCode == 6 || nCode == 8)
        oBrush.emplace(hDC, CreateSolidBrush(nFillColor));
    else if (nCode >= 5)
        oBrush.emplace(hDC, GetStockObject(HOLLOW_BRUSH), false);
}

}  // namespace

MarkerExtents MarkerExtentsOf(const PainterState& oState, double nScale)
{
    const double half = oState._fMarkerSize / 2.0;
    const double fx = oState._nPixProInchX * half / 72.0;
    const double fy = oState._nPixProInchY * half / 72.0;
    const double gx = fx * 0.707, gy = fy * 0.707;
    return {std::max(Long(fx * nScale), 1), std::max(Long(fy * nScale), 1), std::max(Long(gx * nScale), 1),
            std::max(Long(gy * nScale), 1)};
}

objectMarker::objectMarker(GraphicsDevice& oDevice, double x, double y) : objectShape(oDevice), _fX(x), _fY(y)
{
}

void objectMarker::Draw()
{
    const PainterState& g = State();
    const int32_t cx = DevicePosX(_fX), cy = DevicePosY(_fY);
    const int32_t nCode = g._nMarkerSurf;
    const MarkerExtents e = MarkerExtentsOf(g, nCode >= 11 ? 2.0 : 1.0);
    ForEachPass([&](HDC hDC) {
        std::optional<SelectedObject> oBrush;
        SelectMarkerBrush(oBrush, hDC, nCode, g._nFillColor);
        std::optional<SelectedObject> oPen;
        if (nCode != 1) oPen.emplace(hDC, CreatePen(PS_SOLID, g._nMarkerLineWidth, g._nLineColor));
        RasterModeScope oRop(hDC, g._nRasterMode);
        DrawMarkerFigure(hDC, nCode, cx, cy, e, g._nLineColor);
    });
}

objectMarkerGroup::objectMarkerGroup(GraphicsDevice& oDevice, const GroupPoints& aPoints, double fOffsetX,
                                     double fOffsetY)
    : objectShape(oDevice),
      _aPoints(aPoints),
      _fOffsetX(fOffsetX),
      _fOffsetY(fOffsetY)
{
}

void objectMarkerGroup::Draw()
{
    const PainterState& g = State();
    const std::vector<DeviceGroupPoint> aDevice = DeviceGroup(*this, g, _aPoints, _fOffsetX, _fOffsetY);
    const int32_t nCode = g._nMarkerSurf;
    if (nCode < 1 || nCode > 10) return;
    const MarkerExtents e = MarkerExtentsOf(g);
    ForEachPass([&](HDC hDC) {
        std::optional<SelectedObject> oBrush;
        SelectMarkerBrush(oBrush, hDC, nCode, g._nFillColor);
        RasterModeScope oRop(hDC, g._nRasterMode);
        std::optional<SelectedObject> oPen;
        bool lFirst = true;
        for (const DeviceGroupPoint& p : aDevice) {
            // A pen is made where the colour changes hands; the first entry always
            // brings one.
            if (nCode != 1 && (lFirst || p.lColorChange)) {
                oPen.reset();
                oPen.emplace(hDC, CreatePen(PS_SOLID, g._nMarkerLineWidth, p.nColor));
            }
            lFirst = false;
            DrawMarkerFigure(hDC, nCode, p.oPoint.x, p.oPoint.y, e, p.nColor);
        }
    });
}
