#include "graphics/objects/objectclipregion.h"

#include "graphics/core/graphics.h"
#include "platform/runtime/numtext.h"

objectClipRegion::objectClipRegion(Graphics& oGraphics, double x, double y, double w, double h, uint32_t nUnitMode,
                                   uint32_t nOrigin)
    : objectShape(oGraphics),
      _oClipDevice(oGraphics._oDevice),
      _fX(x),
      _fY(y),
      _fWidth(w),
      _fHeight(h),
      _nUnitMode(nUnitMode),
      _nOriginMode(nOrigin)
{
    _oClipDevice->Draw(*this);
}

void objectClipRegion::Draw()
{
    Graphics& g = *_oShapeGraphics;
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
    g._nClipX = x;
    g._nClipY = y;
    g._nClipWidth = w;
    g._nClipHeight = h;
    // The rectangle in the DC's device units, whose rows run downward from the
    // top of the canvas (tool-bar strip included).
    RECT r;
    if (_oClipDevice->_nDeviceTyp == kDevicePrinter) {
        const int32_t nCanvasHeight = _oClipDevice->CanvasSize().cy;
        r = {x, nCanvasHeight - y - h, x + w, nCanvasHeight - y};
    } else {
        r = {x, g._nMaxHeight - y - h + g._nTopSpace, x + w, g._nMaxHeight - y + g._nTopSpace};
    }
    g.SetClipDevice({r.left, r.top - 1, r.right + 1, r.bottom});
    ForEachPass([&](HDC hDC) { g.SelectClipDevice(hDC); });
}
