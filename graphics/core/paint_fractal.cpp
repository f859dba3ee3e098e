#include "graphics/core/graphics.h"
#include "graphics/objects/objectfractal.h"

Graphics& Graphics::PaintFractal(double x, double y, double w, double h, uint32_t nOrigin,
                                 FractalParameters* aParameters, bool lInterruptible)
{
    objectFractal o(*this, x, y, w, h, static_cast<uint16_t>(nOrigin), aParameters, lInterruptible);
    return DrawShape(o);
}
