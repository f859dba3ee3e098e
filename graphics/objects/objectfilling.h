#pragma once
// objectFilling: fills the region of one colour around a seed point with the
// painter's fill brush. On a screen window the fill runs once in the refresh
// bitmap, which holds the whole picture, and the drawing area is then copied
// onto the window.
#include "graphics/objects/objectshape.h"

class objectFilling : public objectShape {
public:
    objectFilling(GraphicsDevice& oDevice, double x, double y);
    void Draw() override;

private:
    double _fX, _fY;
};
