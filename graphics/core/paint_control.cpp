#include <algorithm>
#include <cmath>

#include "graphics/core/graphics.h"
#include "graphics/core/kit.h"
#include "platform/runtime/numtext.h"

namespace {

// The points of a star round (cx, cy): nPoints corners, alternately at the
// outer and the inner radius, the first straight above the centre.
WorldPoints Star(double cx, double cy, double fOuter, double fInner, int nPoints)
{
    WorldPoints aPoints;
    const double fStep = 360.0 / nPoints * kPi / 180.0;
    for (int i = 0; i < nPoints; ++i) {
        const double r = i % 2 == 0 ? fOuter : fInner;
        aPoints.push_back({cx + std::sin(i * fStep) * r, cy + std::cos(i * fStep) * r});
    }
    return aPoints;
}

}  // namespace

Graphics& Graphics::PaintControl(const DeviceBox& oControl, uint32_t nForm, uint32_t nFill)
{
    if (GetDeviceType() != kDeviceScreen) return *this;
    const int32_t nOriginX = _nOriginX, nOriginY = _nOriginY, nOffsetX = _nOffsetX, nOffsetY = _nOffsetY;
    const double fFactorX = _fFactorX, fFactorY = _fFactorY;
    _nOriginX = _nOriginY = 0;
    _nOffsetX = _oOrigin.x;
    _nOffsetY = _oOrigin.y;
    _fFactorX = _fFactorY = 1.0;
    const int32_t w = oControl.w, h = oControl.h;
    const int32_t cx = oControl.x + static_cast<int32_t>(std::floor(w / 2.0));
    const int32_t cy = oControl.y + static_cast<int32_t>(std::floor(h / 2.0));
    const double fSin45 = std::sin(45.0 * kPi / 180.0), fCos30 = std::cos(30.0 * kPi / 180.0);
    switch (nForm) {
    case 0: {
        const int32_t r = Long(std::min(w, h) / 2.0);
        PaintRectangleRounded(cx, cy, Long((w - r) + r / fSin45), Long((h - r) + r / fSin45), r, r, nFill, 10);
        break;
    }
    case 1: PaintEllipse(cx, cy, Long((w / 2.0) / fSin45), Long((h / 2.0) / fSin45), nFill, 10); break;
    case 2: {
        const int32_t r = Long(std::max(w / 2.0, h / 2.0) / fSin45);
        PaintEllipse(cx, cy, r, r, nFill, 10);
        break;
    }
    case 3:
    case 4: {
        const double r1 = Long(std::max(w, h)) * fCos30;
        PaintPolygon(Star(cx, cy, r1, r1 / 2.0 / fCos30, nForm == 3 ? 12 : 24), nFill);
        break;
    }
    default: break;
    }
    _nOriginX = nOriginX;
    _nOriginY = nOriginY;
    _nOffsetX = nOffsetX;
    _nOffsetY = nOffsetY;
    _fFactorX = fFactorX;
    _fFactorY = fFactorY;
    return *this;
}
