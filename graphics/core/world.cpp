#include <cmath>

#include "graphics/core/graphics.h"
#include "graphics/core/kit.h"
#include "platform/runtime/numtext.h"

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
    PainterState::GetOriginPoint(x, y, w, h, nOrigin);
    return *this;
}

const Graphics& Graphics::GetOriginPoint(double& x, double& y, double w, double h, uint32_t nOrigin) const
{
    PainterState::GetOriginPoint(x, y, w, h, nOrigin);
    return *this;
}

const Graphics& Graphics::GetOriginPointAngle(int32_t& x, int32_t& y, double w, double h, uint32_t nOrigin) const
{
    PainterState::GetOriginPointAngle(x, y, w, h, nOrigin);
    return *this;
}
