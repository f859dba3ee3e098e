#include "graphics/core/graphics.h"
#include "graphics/objects/objectcanvas.h"
#include "graphics/objects/objectfilling.h"

Graphics& Graphics::PaintEraseCanvas()
{
    return Paint<objectEraseCanvas>();
}

Graphics& Graphics::PaintFrameCanvas()
{
    return Paint<objectFrameCanvas>();
}

Graphics& Graphics::PaintEraseArea(double x, double y, double w, double h, uint32_t nOrigin)
{
    return Paint<objectEraseArea>(x, y, w, h, nOrigin);
}

Graphics& Graphics::PaintSavedArea(double x, double y, double w, double h, uint32_t nOrigin)
{
    if (_oSaveCanvas.DC() == nullptr) return *this;
    return Paint<objectSavedArea>(x, y, w, h, nOrigin);
}

Graphics& Graphics::PaintFloodFill(double x, double y)
{
    if (GetDeviceType() == kDevicePrinter) return *this;
    return Paint<objectFilling>(x, y);
}
