#pragma once
// Axis-parallel rectangles with the painter's pen and fill: objectRectangle
// (plain: position and extents; aligned: two corners in any order) and
// objectRectangleRounded (rounded corners).
#include "graphics/objects/objectshape.h"

class objectRectangle : public objectShape {
public:
    objectRectangle(GraphicsDevice& oDevice, double a, double b, double c, double d, uint32_t nFill, uint32_t nOrigin,
                    uint32_t nAligned);
    void Draw() override;

private:
    double _fX1, _fY1, _fX2, _fY2;
    uint16_t _nFill, _nOriginMode, _nAligned;
};

class objectRectangleRounded : public objectShape {
public:
    objectRectangleRounded(GraphicsDevice& oDevice, double x, double y, double w, double h, double fCornerW,
                           double fCornerH, uint32_t nFill, uint32_t nOrigin);
    void Draw() override;

private:
    double _fX, _fY, _fWidth, _fHeight, _fCornerWidth, _fCornerHeight;
    uint16_t _nFill, _nOriginMode;
};
