// The conversions between geographic and cartesian coordinates, called
// directly (the library's exports reach them only inside a datum change):
// published points both ways, and the inverse against a long double forward
// conversion.
#include <cmath>
#include <numbers>

#include <gtest/gtest.h>

#include "platform/geodesy/projection.h"

namespace geodesy_test {
namespace {

using geodesy::Ellipsoid;

constexpr Ellipsoid kWgs84 = {6378137.0, 6378137.0 * (1.0 - 1.0 / 298.257223563)};
constexpr Ellipsoid kWgs72 = {6378135.0, 6378135.0 * (1.0 - 1.0 / 298.26)};
constexpr double kMetresPerDegree = 111000.0;  // along a meridian, close enough for tolerances

double Degrees(double degrees, double minutes, double seconds)
{
    return degrees + minutes / 60.0 + seconds / 3600.0;
}

TEST(Geocentric, PublishedPointsBothWays)
{
    struct Case {
        const char* source;
        Ellipsoid ellipsoid;
        double lat, lon, h;  // degrees, metres
        double x, y, z;      // metres
        double angleMetres;  // the published angles' resolution on the ground
        double metres;       // the published coordinates' and height's resolution
    };
    const Case cases[] = {
        {"EPSG Guidance Note 7-2, geographic/geocentric conversions (9602)", kWgs84, Degrees(53, 48, 33.820),
         Degrees(2, 7, 46.380), 73.0, 3771793.968, 140253.342, 5124304.349, 0.016, 0.05},
        {"EPSG Guidance Note 7-2, geocentric translations (9603), WGS 72 side", kWgs72, 55.0, 4.0, 0.0, 3657660.66,
         255768.55, 5201382.11, 1e-6, 0.005},
        {"GeographicLib CartConvert example", kWgs84, 33.3, 44.4, 6000.0, 3816209.60, 3737108.55, 3485109.57, 1e-6,
         0.005},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.source);
        const Eigen::Vector3d x = geodesy::GeographicToCartesian(c.lon, c.lat, c.h, c.ellipsoid);
        const double forwardTolerance = c.angleMetres + c.metres;
        EXPECT_NEAR(x.x(), c.x, forwardTolerance);
        EXPECT_NEAR(x.y(), c.y, forwardTolerance);
        EXPECT_NEAR(x.z(), c.z, forwardTolerance);

        double lon, lat, h;
        const Eigen::Vector3d published(c.x, c.y, c.z);
        geodesy::CartesianToGeographic(published, c.ellipsoid, lon, lat, h);
        const double inverseMetres = c.angleMetres + c.metres;
        EXPECT_NEAR(lat, c.lat, inverseMetres / kMetresPerDegree);
        EXPECT_NEAR(lon, c.lon, inverseMetres / (kMetresPerDegree * std::cos(c.lat * std::numbers::pi / 180.0)));
        EXPECT_NEAR(h, c.h, c.metres + 0.01);
        // And back to the published coordinates to the nanometre.
        const Eigen::Vector3d back = geodesy::GeographicToCartesian(lon, lat, h, c.ellipsoid);
        EXPECT_LT((back - published).norm(), 5e-9);
    }
}

// The inverse of coordinates computed in long double from exact angles and
// heights: the bound written beside CartesianToGeographic, the rounding of
// the coordinates to double included.
TEST(Geocentric, InverseWithinItsBoundFromPoleToPole)
{
    using Long = long double;
    const Long pi = 3.141592653589793238462643383279502884L;
    const Long a = kWgs84.a, b = kWgs84.b, e2 = (a - b) * (a + b) / (a * a);
    const double lats[] = {-90.0, -89.999999, -60.0, -45.0, -0.001, 0.0, 1e-9, 30.0, 53.8, 89.9, 90.0};
    const double lons[] = {-179.9, -90.0, 0.0, 12.5, 180.0};
    const double heights[] = {-10000.0, -50.0, 0.0, 73.0, 8848.0, 100000.0, 1e6};
    for (double latDeg : lats) {
        for (double lonDeg : lons) {
            for (double h : heights) {
                SCOPED_TRACE(::testing::Message() << "lat " << latDeg << ", lon " << lonDeg << ", h " << h);
                const Long lat = latDeg * pi / 180, lon = lonDeg * pi / 180;
                const Long n = a / std::sqrt(1 - e2 * std::sin(lat) * std::sin(lat));
                const Eigen::Vector3d x(static_cast<double>((n + h) * std::cos(lat) * std::cos(lon)),
                                        static_cast<double>((n + h) * std::cos(lat) * std::sin(lon)),
                                        static_cast<double>((n * (1 - e2) + h) * std::sin(lat)));
                double lonOut, latOut, hOut;
                geodesy::CartesianToGeographic(x, kWgs84, lonOut, latOut, hOut);
                const double metresPerRadian = static_cast<double>(n) + h;
                EXPECT_LT(std::abs(latOut - latDeg) * std::numbers::pi / 180.0 * metresPerRadian, 2e-9);
                EXPECT_LT(std::abs(hOut - h), 3e-9);
                const double parallel = metresPerRadian * std::cos(latDeg * std::numbers::pi / 180.0);
                EXPECT_LT(std::abs(std::remainder(lonOut - lonDeg, 360.0)) * std::numbers::pi / 180.0 * parallel, 4e-9);
            }
        }
    }
}

}  // namespace
}  // namespace geodesy_test
