// The catalogue of reference ellipsoids (numbered from 1 without gaps) and
// the user ellipsoid 1000 of each side.
#pragma once

#include <cstdint>

namespace geodesy {

struct Ellipsoid {
    double a;  // semi-major axis, metres
    double b;  // semi-minor axis, metres
};

enum class Side { Source, Target };

constexpr std::uint16_t kUserEllipsoid = 1000;

// The name of ellipsoid n in the current language; fails for an unknown n.
bool EllipsoidName(std::uint16_t number, const char*& name);

// The semi-axes of ellipsoid n of a side (1000: that side's user ellipsoid).
bool FindEllipsoid(std::uint16_t number, Side side, Ellipsoid& ellipsoid);

// Defines the user ellipsoid of a side; fails for a number other than 1000
// or semi-axes that define no ellipsoid.
bool SetUserEllipsoid(std::uint16_t number, Side side, double a, double b);

}  // namespace geodesy
