#pragma once
// objectClipRegion: limits all later drawing of the painter to a rectangle.
// It records the rectangle in the painter's clip fields and selects it as the
// clip region of every drawing DC of the device; it draws itself as soon as
// it is made, and the region stays selected after it is gone.
#include "graphics/objects/objectshape.h"

class GraphicsDevice;

class objectClipRegion final : public objectShape {
public:
    // nUnitMode 1: the values are world units; any other: device pixels.
    objectClipRegion(Graphics& oGraphics, double x, double y, double w, double h, uint32_t nUnitMode, uint32_t nOrigin);
    void Draw() override;

private:
    GraphicsDevice* _oClipDevice;
    double _fX, _fY, _fWidth, _fHeight;
    uint32_t _nUnitMode, _nOriginMode;
};
