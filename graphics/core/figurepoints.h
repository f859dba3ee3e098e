#pragma once
// Point arrays of the painter's figure operations.
#include <optional>
#include <vector>

#include "graphics/core/colors.h"

// A point array: each entry holds its numbers in world units, {x, y} for a
// vertex; line groups also take {x1, y1, x2, y2} for a separate segment and
// splines {x, y, sigma}. Entries too short for their figure are skipped.
using WorldPoints = std::vector<std::vector<double>>;

// A vertex in world units: the painter's own figures hand their points over
// in one array of these.
struct WorldVertex {
    double x = 0.0;
    double y = 0.0;
};
using WorldVertices = std::vector<WorldVertex>;

// An entry of a point or marker group: a point in world units and, when it
// carries one, the colour that holds from this entry on.
struct GroupPoint {
    double x = 0.0;
    double y = 0.0;
    std::optional<ColorArg> uColor;
};
using GroupPoints = std::vector<GroupPoint>;

// The parameter array of a fractal: 22 entries (std::nullopt where an entry
// is not set); the painter writes the values it used back into it.
using FractalParameters = std::vector<std::optional<double>>;
