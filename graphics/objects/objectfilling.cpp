#include "graphics/objects/objectfilling.h"

#include "graphics/core/painterstate.h"

objectFilling::objectFilling(GraphicsDevice& oDevice, double x, double y) : objectShape(oDevice), _fX(x), _fY(y)
{
}

void objectFilling::Draw()
{
    const PainterState& g = State();
    const int32_t x = DevicePosX(_fX), y = DevicePosY(_fY);
    // No fill flag here, and code 160 is a transparent solid fill.
    const ShapeFill oFill = ResolveFill(g, 1, false);
    HDC hFill = SelectDrawDC(Device()._nDeviceTyp == kDeviceScreen ? 2 : 1);
    if (hFill == nullptr) return;
    {
        ClosedShapeTools oTools(hFill, g, oFill);
        // Only the brush matters for the fill: the pen of the tools draws nothing.
        // The fill runs in device units, which every system's flood fill takes.
        POINT p{x, y};
        LPtoDP(hFill, &p, 1);
        DeviceUnits oUnits(hFill);
        const COLORREF c = GetPixel(hFill, p.x, p.y);
        ExtFloodFill(hFill, p.x, p.y, c, FLOODFILLSURFACE);
    }
    HDC hWindow = SelectDrawDC(1);
    if (hWindow != nullptr && hWindow != hFill) {
        CopyBox(hWindow, {g._oOrigin.x, g._oOrigin.y, g._oDim.cx, g._oDim.cy}, hFill, g._oOrigin.x, g._oOrigin.y);
    }
}
