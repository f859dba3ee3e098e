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
    // top of the canvas (tool-bar strip included): exactly the pixels of the
    // box, so that nothing is drawn beyond it.
    const int64_t nBottomRow = Device()._nDeviceTyp == kDevicePrinter ? int64_t{Device().CanvasSize().cy}
                                                                      : int64_t{g._nMaxHeight} + g._nTopSpace;
    const RECT r{x, SaturatedCoordinate(nBottomRow - y - h), SaturatedCoordinate(int64_t{x} + w),
                 SaturatedCoordinate(nBottomRow - y)};
    _oClip = {x, y, w, h, RegionHandle(CreateRectRgn(r.left, r.top, r.right, r.bottom))};
    if (_oClip.hRegion.Get() == nullptr) return;
    ForEachPass([&](HDC hDC) { SelectClipRgn(hDC, _oClip.hRegion.Get()); });
}
