#pragma once
// The tests' way to put a painter into a state that its operations do not set
// on their own: a resolution, a fixed drawing area, a scroll offset, a zoom
// window of the fractal, a refresh bitmap on a device without one.
#include "graphics/core/graphics.h"

class PainterTestAccess {
public:
    static PainterState& State(Graphics& g) { return g; }
    static ShapeHandleBase* ShapeHandle(const Graphics& g) { return g._oShapeHandle.get(); }
};
