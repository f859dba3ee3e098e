// UTM to geographic coordinates, and geographic to and from cartesian
// coordinates on an ellipsoid.
#pragma once

#include <Eigen/Dense>

#include "platform/geodesy/ellipsoids.h"

namespace geodesy {

// east with the zone in front (32512345.678: zone 32, easting 512345.678),
// north on the northern hemisphere; longitude and latitude in decimal
// degrees. Fails for a zone outside 1..60 or a point outside the domain.
bool UtmToGeographic(double east, double north, const Ellipsoid& ellipsoid, double& longitude, double& latitude);

// Angles in decimal degrees, height and coordinates in metres.
Eigen::Vector3d GeographicToCartesian(double longitude, double latitude, double height, const Ellipsoid& ellipsoid);
void CartesianToGeographic(const Eigen::Vector3d& x, const Ellipsoid& ellipsoid, double& longitude, double& latitude,
                           double& height);

}  // namespace geodesy
