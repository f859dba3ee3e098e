#include "graphics/core/graphics.h"
#include "graphics/objects/objectcanvas.h"
#include "graphics/objects/objectfilling.h"

Graphics& Graphics::PaintEraseCanvas()
{
    objectEraseCanvas o(*this);
    return DrawShape(o);
}

Graphics& Graphics::PaintFrameCanvas()
{
    objectFrameCanvas o(*this);
    return DrawShape(o);
}

Graphics& Graphics::PaintEraseArea(double x, double y, double w, double h, uint32_t nOrigin)
{
    objectEraseArea o(*this, x, y, w, h, nOrigin);
    return DrawShape(o);
}

Graphics& Graphics::PaintSavedArea(double x, double y, double w, double h, uint32_t nOrigin)
{
    if (_pSaveMemDC == nullptr) return *this;
    objectSavedArea o(*this, x, y, w, h, nOrigin);
    return DrawShape(o);
}

Graphics& Graphics::PaintFloodFill(double x, double y)
{
    if (GetDeviceType() == kDevicePrinter) return *this;
    objectFilling o(*this, x, y);
    return DrawShape(o);
}
