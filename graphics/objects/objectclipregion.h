#pragma once
// objectClipRegion: limits all later drawing of the painter to a rectangle.
// It works out the rectangle in device pixels and as a region in the DCs'
// device units, and selects the region as the clip region of every drawing DC
// of the device; the painter keeps both (Result), and the region stays
// selected after the object is gone.
#include "graphics/objects/objectshape.h"

class objectClipRegion final : public objectShape {
public:
    // The clip rectangle in device pixels (lower-left corner and size) and its
    // region.
    struct Clip {
        int32_t x = 0, y = 0, w = 0, h = 0;
        RegionHandle hRegion;
    };

    // nUnitMode 1: the values are world units; any other: device pixels.
    objectClipRegion(GraphicsDevice& oDevice, double x, double y, double w, double h, uint32_t nUnitMode,
                     uint32_t nOrigin);
    void Draw() override;
    const Clip& Result() const { return _oClip; }

private:
    double _fX, _fY, _fWidth, _fHeight;
    uint32_t _nUnitMode, _nOriginMode;
    Clip _oClip;
};
