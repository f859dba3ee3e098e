#pragma once
// The painter fields a shapefile paint sets itself: the world-to-device
// mapping that fits the selection box into the output area, and the record
// colours of the per-record colour modes. The paint keeps and restores them.
#include "graphics/core/graphics.h"

namespace shapefile {

class PainterFields {
public:
    static PainterState& Of(Graphics& g) { return g; }
};

}  // namespace shapefile
