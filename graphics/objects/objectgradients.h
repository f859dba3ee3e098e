#pragma once
// Colour gradients from the painter's background colour to its gradient
// colour: objectGradientCanvas (linear bands over the whole drawing area),
// objectSpotCanvas (a spot from one corner, or the linear gradient for the
// directions 0 to 3) and objectGradientArea (the part of the canvas-wide
// linear gradient that crosses a rectangle).
//
// Directions: 0 rows from the top, 1 rows from the bottom, 2 columns from the
// right, 3 columns from the left; spots 4 top right, 5 bottom right, 6 bottom
// left, 7 (and above) top left.
#include <windows.h>

#include <cstdint>
#include <vector>

#include "graphics/objects/objectshape.h"

// What the two gradients over the whole canvas share.
class objectCanvasGradient : public objectShape {
protected:
    objectCanvasGradient(GraphicsDevice& oDevice, double fIntensity, uint16_t nDirection);
    // An intensity too weak for a gradient erases the canvas instead: TRUE
    // when it did.
    bool ErasedForWeakIntensity() const;

    uint16_t _nDirection;
    double _fIntensity;
};

class objectGradientCanvas : public objectCanvasGradient {
public:
    objectGradientCanvas(GraphicsDevice& oDevice, double fIntensity = 6.0, uint16_t nDirection = 0);
    void Draw() override;
};

class objectSpotCanvas : public objectCanvasGradient {
public:
    objectSpotCanvas(GraphicsDevice& oDevice, double fIntensity = 6.0, uint16_t nDirection = 7);
    void Draw() override;

private:
    struct Strips {
        std::vector<uint32_t> aForward, aReversed;
        BITMAPINFO oInfo;
    };
    void DrawRows(HDC hDC, const Strips& oStrips) const;
};

class objectGradientArea : public objectShape {
public:
    objectGradientArea(GraphicsDevice& oDevice, double x, double y, double w, double h, uint16_t nOrigin = 0,
                       double fIntensity = 6.0, uint16_t nDirection = 0);
    void Draw() override;

private:
    double _fX, _fY, _fWidth, _fHeight, _fIntensity;
    uint16_t _nDirection;
    uint16_t _nOriginMode;
};
