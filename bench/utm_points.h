// The point set of the UTM inverse benchmarks: a million points of zone 32 on
// WGS 84 along a line across the zone (easting 200 to 800 km, northing 5000
// to 5400 km). geodesy_bench runs it through orbalith32.dll and
// native/proj_utm_bench through PROJ, so that both convert the same points.
#pragma once

namespace bench {

constexpr int kUtmPoints = 1000000;
constexpr int kUtmZone = 32;

struct UtmPoint {
    double easting;   // metres, without the zone
    double northing;  // metres
};

inline UtmPoint UtmBenchPoint(int i)
{
    return {200000.0 + 0.6 * i, 5000000.0 + 0.4 * i};
}

}  // namespace bench
