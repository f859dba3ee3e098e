#pragma once
// The tests' way to put a painter into a state that its operations do not set
// on their own: a resolution, a fixed drawing area, a scroll offset, a zoom
// window of the fractal, a refresh bitmap on a device without one.
#include <gtest/gtest.h>

#include <initializer_list>
#include <utility>

#include "graphics/core/graphics.h"

class PainterTestAccess {
public:
    static PainterState& State(Graphics& g) { return g; }
    static ShapeHandleBase* ShapeHandle(const Graphics& g) { return g._oShapeHandle.get(); }
};

// A full repaint of a kit window with the painter's area set to each size in
// turn: as many runs of the window's Paint (counted in its nPaints) as given.
template <class KitWindow>
void ExpectPaintsForAreas(KitWindow& w, std::initializer_list<std::pair<Dimension, int>> aCases)
{
    for (const auto& [oSize, nPaints] : aCases) {
        PainterState& g = PainterTestAccess::State(*w._oGraphics);
        g._lSizeFromDevice = false;
        g._nWidth = oSize.width;
        g._nHeight = oSize.height;
        const int nBefore = w.nPaints;
        w.PaintNew();
        EXPECT_EQ(w.nPaints - nBefore, nPaints) << oSize.width << " x " << oSize.height;
    }
}
