#include <cmath>

#include "graphics/core/graphics.h"
#include "graphics/core/kit.h"
#include "platform/runtime/numtext.h"

namespace {

// Shift of the anchor point by the origin mode for a w x h box.
void OriginShift(double w, double h, uint32_t nOrigin, double& dx, double& dy)
{
    dx = 0.0;
    dy = 0.0;
    switch (nOrigin) {
    case 1: dy = h / 2.0; break;
    case 2: dy = h; break;
    case 3:
        dx = w / 2.0;
        dy = h;
        break;
    case 4:
        dx = w;
        dy = h;
        break;
    case 5:
        dx = w;
        dy = h / 2.0;
        break;
    case 6: dx = w; break;
    case 7: dx = w / 2.0; break;
    case 10:
        dx = w / 2.0;
        dy = h / 2.0;
        break;
    default: break;
    }
}

}  // namespace

Graphics& Graphics::SetWorldOrigin(double nX, double nY)
{
    _nOriginX = Long(nX);
    _nOriginY = Long(nY);
    _nOffsetX = _oOrigin.x + _nOriginX;
    _nOffsetY = _oOrigin.y + _nOriginY;
    return *this;
}

Graphics& Graphics::SetWorldSystem(double fX, double fY)
{
    _fFactorX = fX;
    _fFactorY = fY;
    return *this;
}

Graphics& Graphics::SetWorldSysNorm(bool lCentre)
{
    const double w = _oDim.cx, h = _oDim.cy;
    SetWorldSystem(w / 1000.0, h / 1000.0);
    return lCentre ? SetWorldOrigin(w / 2.0, h / 2.0) : SetWorldOrigin(1, 1);
}

double Graphics::GetWorldCoordX(double n) const
{
    return (n - _nOriginX) / _fFactorX;
}
double Graphics::GetWorldCoordY(double n) const
{
    return (n - _nOriginY) / _fFactorY;
}
double Graphics::GetPhysCoordX(double x) const
{
    return x * _fFactorX + _nOriginX;
}
double Graphics::GetPhysCoordY(double y) const
{
    return y * _fFactorY + _nOriginY;
}
double Graphics::GetWorldPointX(double n) const
{
    return (n / _fFactorX) * (_nPixProInchX / 72.0);
}
double Graphics::GetWorldPointY(double n) const
{
    return (n / _fFactorY) * (_nPixProInchY / 72.0);
}

const Graphics& Graphics::GetOriginPoint(int32_t& x, int32_t& y, double w, double h, uint32_t nOrigin) const
{
    double dx, dy;
    OriginShift(w, h, nOrigin, dx, dy);
    x = Long(x - dx);
    y = Long(y - dy);
    return *this;
}

const Graphics& Graphics::GetOriginPointAngle(int32_t& x, int32_t& y, double w, double h, uint32_t nOrigin) const
{
    double dx, dy;
    OriginShift(w, h, nOrigin, dx, dy);
    const double k = 180.0 / kPi;
    double a = _fFontAngle;
    if (a < 0) {
        a = -a;
    } else if (std::floor(std::fmod(a, 90.0)) != 0) {
        const double t = _fFontAngle + 90.0;
        const double s1 = std::sin(t / k), c1 = std::cos(t / k);
        const double g = GAtan2(_oDim.cx, _oDim.cy) * k;
        const double s2 = std::sin(g / k), c2 = std::cos(g / k);
        const double t2 = GAtan2(s1 * s2, c1 * c2) * k;
        a = t2 - 90.0 >= 0 ? t2 - 90.0 : t2 + 270.0;
    }
    const double r = (a + 90.0) / k;
    x -= Long(dx * std::sin(r) - dy * std::cos(r));
    y -= Long(dx * std::cos(r) + dy * std::sin(r));
    return *this;
}
