#include "graphics/objects/objectclipregion.h"

#include "graphics/core/painterstate.h"
#include "platform/runtime/numtext.h"

objectClipRegion::objectClipRegion(GraphicsDevice& oDevice, double x, double y, double w, double h, uint32_t nUnitMode,
                                   uint32_t nOrigin)
    : objectShape(oDevice),
      _fX(x),
      _fY(y),
      _fWidth(w),
      _fHeight(h),
      _nUnitMode(nUnitMode),
      _nOriginMode(nOrigin)
{
}

void objectClipRegion::Draw()
{
    const PainterState& g = State();
    int32_t x, y, w, h;
    if (_nUnitMode == 1) {
        x = DevicePosX(_fX);
        y = DevicePosY(_fY);
        w = DeviceExtentX(_fWidth);
        h = DeviceExtentY(_fHeight);
    } else {
        x = Long(_fX);
        y = Long(_fY);
        w = Long(_fWidth);
        h = Long(_fHeight);
    }
    AlignOrigin(x, y, w, h, _nOriginMode);
    // The rectangle in the DC's device units, whose rows run downward from the
    // top of the canvas (tool-bar strip included).
    RECT r;
    if (Device()._nDeviceTyp == kDevicePrinter) {
        const int32_t nCanvasHeight = Device().CanvasSize().cy;
        r = {x, nCanvasHeight - y - h, x + w, nCanvasHeight - y};
    } else {
        r = {x, g._nMaxHeight - y - h + g._nTopSpace, x + w, g._nMaxHeight - y + g._nTopSpace};
    }
    _oClip = {x, y, w, h, RegionHandle(CreateRectRgn(r.left, r.top - 1, r.right + 1, r.bottom))};
    if (_oClip.hRegion.Get() == nullptr) return;
    ForEachPass([&](HDC hDC) { SelectClipRgn(hDC, _oClip.hRegion.Get()); });
}
