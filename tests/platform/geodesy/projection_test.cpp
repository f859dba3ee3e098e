#include "tests/platform/geodesy/geodesy_fixture.h"

namespace geodesy_test {
namespace {

using Utm = GeodesyTest;

// Forward UTM by Krueger's series to sixth order (Karney 2011, eqs. 7-9,
// 11, 14, 35): the reference the library's inverse is checked against.
void UtmForward(double lonDeg, double latDeg, int zone, Shape shape, double& east, double& north)
{
    const double n = (shape.a - shape.b) / (shape.a + shape.b);
    const double e = std::sqrt(1.0 - shape.b * shape.b / (shape.a * shape.a));
    const double n2 = n * n, n3 = n2 * n, n4 = n3 * n, n5 = n4 * n, n6 = n5 * n;
    const double alpha[6] = {n / 2 - 2 * n2 / 3 + 5 * n3 / 16 + 41 * n4 / 180 - 127 * n5 / 288 + 7891 * n6 / 37800,
                             13 * n2 / 48 - 3 * n3 / 5 + 557 * n4 / 1440 + 281 * n5 / 630 - 1983433 * n6 / 1935360,
                             61 * n3 / 240 - 103 * n4 / 140 + 15061 * n5 / 26880 + 167603 * n6 / 181440,
                             49561 * n4 / 161280 - 179 * n5 / 168 + 6601661 * n6 / 7257600,
                             34729 * n5 / 80640 - 3418889 * n6 / 1995840,
                             212378941 * n6 / 319334400};
    const double radius = 0.9996 * shape.a / (1 + n) * (1 + n2 / 4 + n4 / 64 + n6 / 256);
    const double tau = std::tan(latDeg * kDegree);
    const double sigma = std::sinh(e * std::atanh(e * tau / std::sqrt(1 + tau * tau)));
    const double tauPrime = tau * std::sqrt(1 + sigma * sigma) - sigma * std::sqrt(1 + tau * tau);
    const double lambda = (lonDeg - (6.0 * zone - 183.0)) * kDegree;
    const double xiPrime = std::atan2(tauPrime, std::cos(lambda));
    const double etaPrime = std::asinh(std::sin(lambda) / std::hypot(tauPrime, std::cos(lambda)));
    double xi = xiPrime, eta = etaPrime;
    for (int j = 1; j <= 6; ++j) {
        xi += alpha[j - 1] * std::sin(2 * j * xiPrime) * std::cosh(2 * j * etaPrime);
        eta += alpha[j - 1] * std::cos(2 * j * xiPrime) * std::sinh(2 * j * etaPrime);
    }
    east = zone * 1e6 + 500000.0 + radius * eta;
    north = radius * xi;
}

struct Geographic {
    bool ok;
    double lon;
    double lat;
};

Geographic Inverse(geodesy::GeodesyLibrary& lib, double east, double north, std::uint16_t source = 1000,
                   std::uint16_t target = 1000)
{
    Geographic g{};
    g.ok = lib.coordtrans3(east, north, 3, source, 0, &g.lon, &g.lat, 1, target, 0, 0) != 0;
    return g;
}

TEST_F(Utm, PublishedPoints)
{
    ASSERT_NE(lib.setuserellsource(1000, kWgs84.a, kWgs84.b), 0);
    ASSERT_NE(lib.setuserelltarget(1000, kWgs84.a, kWgs84.b), 0);
    ASSERT_NE(lib.setuserrefsys(1, 0, 0, 0, 0, 0, 0, 0), 0);
    struct Case {
        double east;
        double north;
        double lon;
        double lat;
        double metres;  // published resolution
    };
    // 55 N 12 E in zone 32 (to the millimetre); 33.3 N 44.4 E in zone 38, the
    // GeoConvert example of GeographicLib (to the centimetre).
    const Case cases[] = {{32691875.632, 6098907.825, 12.0, 55.0, 0.001}, {38444140.54, 3684706.36, 44.4, 33.3, 0.01}};
    for (const Case& c : cases) {
        for (std::uint16_t ellipsoid : {std::uint16_t{1000}, std::uint16_t{1}}) {
            SCOPED_TRACE(::testing::Message() << c.east << " on ellipsoid " << ellipsoid);
            const Geographic g = Inverse(lib, c.east, c.north, ellipsoid, ellipsoid);
            ASSERT_TRUE(g.ok) << Message();
            EXPECT_NEAR(g.lat, c.lat, c.metres / 111000.0);
            EXPECT_NEAR(g.lon, c.lon, c.metres / (111000.0 * std::cos(c.lat * kDegree)));
        }
    }
}

TEST_F(Utm, InverseAgreesWithTheForwardSeriesToNanometres)
{
    struct Case {
        double lat;
        double offset;  // degrees from the central meridian
        double metres;  // allowed disagreement
    };
    // Inside the zone to 5 nm; 10 degrees out (only reachable at high
    // latitudes with six easting digits) to 1 mm.
    const Case cases[] = {{0.0, 0.0, 5e-9},   {0.0, 2.9, 5e-9},    {1.0, -3.0, 5e-9},  {30.0, 3.0, 5e-9},
                          {47.5, -1.7, 5e-9}, {55.0, 3.0, 5e-9},   {72.0, -3.0, 5e-9}, {84.0, 3.0, 5e-9},
                          {70.0, 10.0, 1e-3}, {76.0, -10.0, 1e-3}, {84.0, 10.0, 1e-3}, {89.9, 2.0, 5e-9}};
    for (int zone : {1, 32, 60}) {
        for (const Case& c : cases) {
            SCOPED_TRACE(::testing::Message() << "zone " << zone << ", lat " << c.lat << ", offset " << c.offset);
            const double lon = 6.0 * zone - 183.0 + c.offset;
            double east, north;
            UtmForward(lon, c.lat, zone, {6378137.0, 6378137.0 * (1 - 1 / 298.257222101)}, east, north);
            const Geographic g = Inverse(lib, east, north);
            ASSERT_TRUE(g.ok) << Message();
            EXPECT_GT(g.lon, -180.0);
            EXPECT_LE(g.lon, 180.0);
            EXPECT_NEAR(g.lat, c.lat, c.metres / 111000.0);
            EXPECT_NEAR(std::remainder(g.lon - lon, 360.0), 0.0, c.metres / (111000.0 * std::cos(c.lat * kDegree)));
        }
    }
}

TEST_F(Utm, ZonesAndDomainAreChecked)
{
    struct Case {
        double east;
        double north;
        const char* message;
    };
    const Case cases[] = {
        {512345.678, 5000000.0, "zone 0"},
        {61512345.678, 5000000.0, "zone 61"},
        {-1512345.0, 5000000.0, "zones run from 1 to 60"},
        {32512345.678, -1.0, "outside the projection's domain"},
        {32512345.678, 1e7, "outside the projection's domain"},
        {std::nan(""), 5000000.0, "not a finite number"},
        {32512345.678, HUGE_VAL, "not a finite number"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.message);
        double lon = 1.5, lat = 2.5;
        EXPECT_EQ(lib.coordtrans3(c.east, c.north, 3, 1000, 0, &lon, &lat, 1, 1000, 0, 0), 0);
        EXPECT_NE(Message().find(c.message), std::string::npos) << Message();
        EXPECT_EQ(lon, 1.5);
        EXPECT_EQ(lat, 2.5);
    }
    EXPECT_TRUE(Inverse(lib, 1000000.0, 0.0).ok) << "zone 1 at the equator";
    EXPECT_TRUE(Inverse(lib, 60999999.999, 9000000.0).ok) << "zone 60";
}

TEST_F(Utm, EastingsBeyondASmallEllipsoidFail)
{
    // A 1 km ellipsoid: 400 km from the central meridian overflows the
    // series; the call fails instead of answering NaN.
    ASSERT_NE(lib.setuserellsource(1000, 1000.0, 999.0), 0);
    ASSERT_NE(lib.setuserelltarget(1000, 1000.0, 999.0), 0);
    double lon = 1.5, lat = 2.5;
    EXPECT_EQ(lib.coordtrans3(32900000.0, 100.0, 3, 1000, 0, &lon, &lat, 1, 1000, 0, 0), 0);
    EXPECT_NE(Message().find("outside the projection's domain on this ellipsoid"), std::string::npos) << Message();
    EXPECT_EQ(lon, 1.5);
    EXPECT_EQ(lat, 2.5);
    EXPECT_TRUE(Inverse(lib, 32500100.0, 100.0).ok) << Message();  // near its meridian it works
}

TEST_F(Utm, OnlyUtmToGeographicAndReservedArgumentsZero)
{
    double lon, lat;
    EXPECT_EQ(lib.coordtrans3(32512345.0, 5e6, 1, 1000, 0, &lon, &lat, 3, 1000, 0, 0), 0);
    EXPECT_NE(Message().find("system 1 to 3"), std::string::npos) << Message();
    EXPECT_EQ(lib.coordtrans3(32512345.0, 5e6, 3, 1000, 0, &lon, &lat, 1, 1000, 0, 2), 0);
    EXPECT_NE(Message().find("must be 0"), std::string::npos) << Message();
    EXPECT_EQ(lib.coordtrans3(32512345.0, 5e6, 3, 1000, 0, nullptr, &lat, 1, 1000, 0, 0), 0);
    EXPECT_NE(Message().find("null pointer"), std::string::npos) << Message();
    EXPECT_EQ(lib.coordtrans3(32512345.0, 5e6, 3, 22, 0, &lon, &lat, 1, 1000, 0, 0), 0);
    EXPECT_NE(Message().find("no ellipsoid number 22"), std::string::npos) << Message();
}

TEST_F(Utm, UserEllipsoidOfTheSourceSideDrivesTheProjection)
{
    // A point projected on Bessel 1841 comes back only on Bessel.
    const Shape bessel = {6377397.155, 6377397.155 * (1 - 1 / 299.1528128)};
    double east, north;
    UtmForward(13.4, 52.5, 33, bessel, east, north);
    // First on the user ellipsoid as it starts (GRS 1980): a library that
    // kept its series by ellipsoid number would miss the new definition.
    const Geographic onGrs80 = Inverse(lib, east, north);
    ASSERT_TRUE(onGrs80.ok) << Message();
    EXPECT_GT(std::abs(onGrs80.lat - 52.5), 1e-5);
    ASSERT_NE(lib.setuserellsource(1000, bessel.a, bessel.b), 0);
    ASSERT_NE(lib.setuserelltarget(1000, bessel.a, bessel.b), 0);
    const Geographic onBessel = Inverse(lib, east, north);
    ASSERT_TRUE(onBessel.ok) << Message();
    EXPECT_NEAR(onBessel.lat, 52.5, 1e-10);
    EXPECT_NEAR(onBessel.lon, 13.4, 1e-10);
    const Geographic catalogue = Inverse(lib, east, north, 4, 4);  // Bessel 1841 of the catalogue
    EXPECT_NEAR(catalogue.lat, 52.5, 1e-10);
}

TEST_F(Utm, ReferenceSystemShiftsTheResult)
{
    // With a translation between the sides the point moves by it: 100 m
    // north along the local vertical plane moves the latitude by ~0.0009 deg.
    double east, north;
    UtmForward(9.0, 0.0, 32, {6378137.0, 6378137.0 * (1 - 1 / 298.257222101)}, east, north);
    ASSERT_NE(lib.setuserrefsys(4, 0.0, 0.0, 100.0, 0.0, 0.0, 0.0, 0.0), 0);
    const Geographic g = Inverse(lib, east, north);
    ASSERT_TRUE(g.ok) << Message();
    EXPECT_NEAR(g.lon, 9.0, 1e-12);
    EXPECT_NEAR(g.lat * kDegree * 6335439.327, 100.0, 0.01);  // meridian radius of curvature at the equator
}

}  // namespace
}  // namespace geodesy_test
