// UTM to geographic coordinates, and geographic to and from cartesian
// coordinates on an ellipsoid.
#pragma once

#include <Eigen/Dense>

#include "platform/geodesy/ellipsoids.h"

namespace geodesy {

// The inverse UTM projection of one ellipsoid (Krueger's series to sixth
// order in the third flattening, after Karney 2011). The constructor fills
// the radius and both coefficient series once; Apply then costs two arc
// tangents of the runtime and a few short series per point.
//
// Accuracy on earth-like ellipsoids: within the zone (up to 3.3 degrees from
// the central meridian) the result agrees with the forward series to 5 nm,
// about the rounding of an east value with its zone (3.7 nm); 10 degrees
// out to 1 mm (tests/platform/geodesy/projection_test.cpp). The series lose
// accuracy with the flattening: about 1 m near the user ellipsoid's limit of
// 1/10.
class UtmInverse {
public:
    explicit UtmInverse(const Ellipsoid& ellipsoid);

    const Ellipsoid& Of() const { return ellipsoid_; }

    // east with the zone in front (32512345.678: zone 32, easting
    // 512345.678), north on the northern hemisphere; longitude and latitude
    // in decimal degrees. Fails for a zone outside 1..60 or a point outside
    // the domain.
    bool Apply(double east, double north, double& longitude, double& latitude) const;

private:
    Ellipsoid ellipsoid_;
    double perRadius_;  // 1 / (k0 times the rectifying radius)
    double pole_;       // northing of the pole
    double beta_[6];    // inverse Krueger series
    double delta_[6];   // conformal to geodetic latitude
};

// Angles in decimal degrees, height and coordinates in metres.
Eigen::Vector3d GeographicToCartesian(double longitude, double latitude, double height, const Ellipsoid& ellipsoid);

// The inverse of GeographicToCartesian by the classical fixed-point
// iteration on the latitude, tan phi = (z + e^2 N(phi) sin phi) / p, started
// from the latitude of the point on the surface, tan phi = z / ((1 - e^2) p). Each step shrinks the error by about e^2
// (1/150 on the earth); the loop ends at a change below 1e-15 rad or after
// ten steps. The height h = p cos phi + z sin phi - a^2 / N has no division
// by cos phi and holds at the poles. Error bound on WGS 84 from 10 km below
// to 1000 km above the ellipsoid: 2 nm in latitude, 4 nm along the parallel,
// 3 nm in height, the rounding of the coordinates to doubles included
// (tests/platform/geodesy/geocentric_test.cpp).
void CartesianToGeographic(const Eigen::Vector3d& x, const Ellipsoid& ellipsoid, double& longitude, double& latitude,
                           double& height);

}  // namespace geodesy
