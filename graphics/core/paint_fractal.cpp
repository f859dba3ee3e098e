#include "graphics/core/graphics.h"
#include "graphics/objects/objectfractal.h"

Graphics& Graphics::PaintFractal(double x, double y, double w, double h, uint32_t nOrigin,
                                 FractalParameters* aParameters, bool lInterruptible)
{
    if (_oDevice == nullptr) return *this;
    objectFractal o(*_oDevice, x, y, w, h, static_cast<uint16_t>(nOrigin), aParameters, lInterruptible);
    DrawShape(o);
    // A window that went during an interruptible drawing took its painter
    // along: then nothing may be stored.
    if (const std::optional<FractalZoomWindows> oZoom = o.ZoomWindows()) {
        _r4Top = oZoom->r4Top;
        _r4Bottom = oZoom->r4Bottom;
        _r4Left = oZoom->r4Left;
        _r4Right = oZoom->r4Right;
        _r4TopV = oZoom->r4TopV;
        _r4BottomV = oZoom->r4BottomV;
        _r4LeftV = oZoom->r4LeftV;
        _r4RightV = oZoom->r4RightV;
    }
    return *this;
}
