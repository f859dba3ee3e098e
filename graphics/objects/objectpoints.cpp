#include "graphics/objects/objectpoints.h"

#include "graphics/core/painterstate.h"
#include "graphics/objects/objecttools.h"

objectPoint::objectPoint(GraphicsDevice& oDevice, double x, double y) : objectShape(oDevice), _fX(x), _fY(y)
{
}

void objectPoint::Draw()
{
    const int32_t x = DevicePosX(_fX), y = DevicePosY(_fY);
    const COLORREF nColor = State()._nLineColor;
    ForEachPass([&](HDC hDC) {
        RasterModeScope oRop(hDC, State()._nRasterMode);
        SetPixelV(hDC, x, y, nColor);
    });
}

std::vector<DeviceGroupPoint> DeviceGroup(const objectShape& oShape, const PainterState& oState,
                                          const GroupPoints& aPoints, double fOffsetX, double fOffsetY)
{
    std::vector<DeviceGroupPoint> aDevice;
    aDevice.reserve(aPoints.size());
    COLORREF nColor = oState._nLineColor;
    for (const GroupPoint& e : aPoints) {
        if (e.uColor) nColor = ChangeColorArg2Rgb(*e.uColor);
        aDevice.push_back(
            {{oShape.DevicePosX(e.x + fOffsetX), oShape.DevicePosY(e.y + fOffsetY)}, nColor, e.uColor.has_value()});
    }
    return aDevice;
}

objectPointGroup::objectPointGroup(GraphicsDevice& oDevice, const GroupPoints& aPoints, double fOffsetX,
                                   double fOffsetY)
    : objectShape(oDevice),
      _aPoints(aPoints),
      _fOffsetX(fOffsetX),
      _fOffsetY(fOffsetY)
{
}

void objectPointGroup::Draw()
{
    const std::vector<DeviceGroupPoint> aDevice = DeviceGroup(*this, State(), _aPoints, _fOffsetX, _fOffsetY);
    ForEachPass([&](HDC hDC) {
        RasterModeScope oRop(hDC, State()._nRasterMode);
        for (const DeviceGroupPoint& p : aDevice) SetPixelV(hDC, p.oPoint.x, p.oPoint.y, p.nColor);
    });
}

objectPointColor::objectPointColor(GraphicsDevice& oDevice, double x, double y) : objectShape(oDevice), _fX(x), _fY(y)
{
}

void objectPointColor::Draw()
{
    const int32_t x = DevicePosX(_fX), y = DevicePosY(_fY);
    const int nPass = Device()._nDeviceTyp == kDeviceScreen ? 2 : 1;
    const HDC hDC = SelectDrawDC(nPass);
    _nColor = hDC == nullptr ? CLR_INVALID : GetPixel(hDC, x, y);
}
