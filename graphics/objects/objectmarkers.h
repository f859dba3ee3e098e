#pragma once
// Marker symbols of a fixed physical size (the painter's marker size in
// points at the device's pixels per inch), centred on a point:
// objectMarker draws one in the line colour, objectMarkerGroup one per entry
// in the colour the entries carry (else the line colour).
#include <windows.h>

#include <cstdint>

#include "graphics/core/figurepoints.h"
#include "graphics/objects/objectshape.h"

// Half extents of a marker in device pixels, each at least 1: d of the
// circle, e of the square inscribed in it.
struct MarkerExtents {
    int32_t dx, dy, ex, ey;
};
// nScale 2 gives the doubled extents of the arrows.
MarkerExtents MarkerExtentsOf(const PainterState& oState, double nScale = 1.0);

class objectMarker : public objectShape {
public:
    objectMarker(GraphicsDevice& oDevice, double x, double y);
    void Draw() override;

private:
    double _fX, _fY;
};

class objectMarkerGroup : public objectShape {
public:
    objectMarkerGroup(GraphicsDevice& oDevice, const GroupPoints& aPoints, double fOffsetX = 0.0,
                      double fOffsetY = 0.0);
    // Draws marker types 1 to 10; the arrows (11 to 14) only as single markers.
    void Draw() override;

private:
    const GroupPoints& _aPoints;
    double _fOffsetX, _fOffsetY;
};
