#include "graphics/core/graphics.h"
#include "graphics/objects/objectrectangle.h"

Graphics& Graphics::PaintRectangle(double x, double y, double w, double h, uint32_t nFill, uint32_t nOrigin)
{
    return Paint<objectRectangle>(x, y, w, h, nFill, nOrigin, 0);
}

Graphics& Graphics::PaintRectangleAligned(double x1, double y1, double x2, double y2, uint32_t nFill, uint32_t nOrigin)
{
    return Paint<objectRectangle>(x1, y1, x2, y2, nFill, nOrigin, 1);
}

Graphics& Graphics::PaintRectangleRounded(double x, double y, double w, double h, double fCornerW, double fCornerH,
                                          uint32_t nFill, uint32_t nOrigin)
{
    return Paint<objectRectangleRounded>(x, y, w, h, fCornerW, fCornerH, nFill, nOrigin);
}
