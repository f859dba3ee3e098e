#pragma once
// Conversions of the points of one list to cartesian coordinates. Each works
// on point buffers of triples and reports the 1-based index of the first
// point it cannot convert (0 when it fails before any point).

#include <cstdint>
#include <string>

namespace calc {

struct Ellipsoid {
    double a = 0;  // semi-major axis
    double b = 0;  // semi-minor axis
};

// Semi-axes fit for a conversion: 0 < b <= a.
bool IsUsableEllipsoid(const Ellipsoid& e);

// Packed degrees-minutes-seconds ([-]DDDMMSS.sss) to decimal degrees.
// Minutes and whole seconds above 59 are refused, whatever the sign.
bool PackedToDegrees(double packed, double& degrees);

// Longitude and latitude of every triple from packed angles to degrees; the
// height is copied.
bool Gms2G(const double* input, double* geographic, std::uint32_t n, std::uint32_t& badPoint);

// UTM east and north of every triple to longitude and latitude on the
// ellipsoid, through the geodesy library; the height is copied. A failure
// leaves the library's text in `message`. The library's user ellipsoids
// (number 1000) of both sides are the same afterwards as before.
bool Utm2G(const double* input, double* geographic, const Ellipsoid& ellipsoid, std::uint32_t n,
           std::uint32_t& badPoint, std::string& message);

// Longitude, latitude (degrees) and height to X, Y, Z on the ellipsoid.
bool Blh2Kat(const double* geographic, double* cartesian, const Ellipsoid& ellipsoid, std::uint32_t n,
             std::uint32_t& badPoint);

}  // namespace calc
