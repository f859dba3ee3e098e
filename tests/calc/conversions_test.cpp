#include "calc/conversions.h"

#include <gtest/gtest.h>

#include <cmath>
#include <vector>

#include "calc/library.h"

namespace {

const calc::Ellipsoid kGrs80{6378137.0, 6356752.314140356};
const calc::Ellipsoid kWgs84{6378137.0, 6356752.314245179};

TEST(PackedAngles, ConvertAndRefuseBadMinutesOrSeconds)
{
    struct Case {
        double packed;
        bool ok;
        double degrees;
    };
    const Case cases[] = {
        {503020.5, true, 50.50569444444444},
        {-503020.5, true, -50.50569444444444},
        {0, true, 0},
        {1000000, true, 100},
        {535959.999, true, 53.99999972222222},
        {506000, false, 0},
        {503060, false, 0},
        {-506500, false, 0},
        {-503075.5, false, 0},
    };
    for (const Case& c : cases) {
        double degrees = 0;
        EXPECT_EQ(calc::PackedToDegrees(c.packed, degrees), c.ok) << c.packed;
        if (c.ok) {
            EXPECT_NEAR(degrees, c.degrees, 1e-12) << c.packed;
        }
    }
}

TEST(PackedAngles, ListKeepsHeightsAndReportsTheFirstBadPoint)
{
    std::vector<double> input{20746.38, 534833.82, 73.0, 83000, 503020.5, -5};
    std::vector<double> geo(6, 0);
    std::uint32_t bad = 9;
    ASSERT_TRUE(calc::Gms2G(input.data(), geo.data(), 2, bad));
    EXPECT_EQ(bad, 0u);
    EXPECT_NEAR(geo[0], 2.12955, 1e-12);
    EXPECT_NEAR(geo[1], 53.80939444444444, 1e-12);
    EXPECT_EQ(geo[2], 73.0);
    EXPECT_EQ(geo[5], -5.0);

    input[4] = 506000;  // 60 minutes in the second point's latitude
    EXPECT_FALSE(calc::Gms2G(input.data(), geo.data(), 2, bad));
    EXPECT_EQ(bad, 2u);
}

// Published example of the geographic-to-cartesian conversion on WGS 84.
TEST(Cartesian, PublishedExampleAndSpecialPoints)
{
    const double a = kWgs84.a, b = kWgs84.b;
    std::vector<double> geo{2.12955, 53.80939444444444, 73.0, 0, 0, 0, 90, 0, 0, 0, 90, 10, 180, -90, 0};
    std::vector<double> cart(geo.size());
    std::uint32_t bad = 9;
    ASSERT_TRUE(calc::Blh2Kat(geo.data(), cart.data(), kWgs84, 5, bad));
    EXPECT_EQ(bad, 0u);
    EXPECT_NEAR(cart[0], 3771793.968, 0.001);
    EXPECT_NEAR(cart[1], 140253.342, 0.001);
    EXPECT_NEAR(cart[2], 5124304.349, 0.001);
    EXPECT_NEAR(cart[3], a, 1e-6);
    EXPECT_NEAR(cart[6], 0, 1e-6);
    EXPECT_NEAR(cart[7], a, 1e-6);
    EXPECT_NEAR(cart[11], b + 10, 1e-6);
    EXPECT_NEAR(cart[14], -b, 1e-6);

    std::vector<double> sphere{33, 47, 0};
    ASSERT_TRUE(calc::Blh2Kat(sphere.data(), cart.data(), {6371000, 6371000}, 1, bad));
    EXPECT_NEAR(std::sqrt(cart[0] * cart[0] + cart[1] * cart[1] + cart[2] * cart[2]), 6371000, 1e-6);
}

TEST(Cartesian, RefusesTheFirstPointOutOfRange)
{
    std::vector<double> cart(12);
    std::uint32_t bad = 0;
    std::vector<double> lon{0, 0, 0, 180.0000001, 0, 0, 200, 0, 0};
    EXPECT_FALSE(calc::Blh2Kat(lon.data(), cart.data(), kGrs80, 3, bad));
    EXPECT_EQ(bad, 2u);
    std::vector<double> lat{0, -90.5, 0};
    EXPECT_FALSE(calc::Blh2Kat(lat.data(), cart.data(), kGrs80, 1, bad));
    EXPECT_EQ(bad, 1u);
}

TEST(Ellipsoids, UsableOnlyWithPositiveOrderedAxes)
{
    EXPECT_TRUE(calc::IsUsableEllipsoid(kGrs80));
    EXPECT_TRUE(calc::IsUsableEllipsoid({6371000, 6371000}));
    EXPECT_FALSE(calc::IsUsableEllipsoid({6356752, 6378137}));
    EXPECT_FALSE(calc::IsUsableEllipsoid({6378137, 0}));
    EXPECT_FALSE(calc::IsUsableEllipsoid({0, 0}));
    EXPECT_FALSE(calc::IsUsableEllipsoid({-6378137, -6378137}));
}

// Through the real library: zone 32, central meridian 9 degrees.
TEST(Utm, ConvertsThroughTheLibrary)
{
    std::vector<double> input{32500000, 0, 12, 32500000, 5761038.212466544, 100};
    std::vector<double> geo(6);
    std::uint32_t bad = 9;
    std::string message = "old";
    ASSERT_TRUE(calc::Utm2G(input.data(), geo.data(), kGrs80, 2, bad, message)) << message;
    EXPECT_EQ(bad, 0u);
    EXPECT_EQ(message, "");
    EXPECT_NEAR(geo[0], 9, 1e-9);
    EXPECT_NEAR(geo[1], 0, 1e-9);
    EXPECT_EQ(geo[2], 12);
    EXPECT_NEAR(geo[3], 9, 1e-9);
    EXPECT_NEAR(geo[4], 52, 1e-8);
    EXPECT_EQ(geo[5], 100);

    input[3] = 99500000;  // zone 99 does not exist
    EXPECT_FALSE(calc::Utm2G(input.data(), geo.data(), kGrs80, 2, bad, message));
    EXPECT_EQ(bad, 2u);
    EXPECT_FALSE(message.empty());
}

// The conversion borrows the library's user ellipsoids and gives them back,
// after a success and after a failure.
TEST(Utm, KeepsTheUserEllipsoidsOfBothSides)
{
    const geodesy::GeodesyFunctions& library = calc::Library();
    const calc::Ellipsoid bessel{6377397.155, 6356078.963}, hayford{6378388.0, 6356911.946};
    const calc::Ellipsoid wgs84{6378137.0, 6356752.314245};
    for (double northing : {5761038.0, 99999999.0}) {
        SCOPED_TRACE(northing);
        ASSERT_TRUE(library.setuserellsource(1000, bessel.a, bessel.b));
        ASSERT_TRUE(library.setuserelltarget(1000, hayford.a, hayford.b));
        std::vector<double> input{32500000, northing, 0};
        std::vector<double> geo(3);
        std::uint32_t bad = 0;
        std::string message;
        calc::Utm2G(input.data(), geo.data(), wgs84, 1, bad, message);
        double a = 0, b = 0;
        ASSERT_TRUE(library.getellsource(1000, &a, &b));
        EXPECT_EQ(a, bessel.a);
        EXPECT_EQ(b, bessel.b);
        ASSERT_TRUE(library.getelltarget(1000, &a, &b));
        EXPECT_EQ(a, hayford.a);
        EXPECT_EQ(b, hayford.b);
    }
}

geodesy::Logic __stdcall RefuseEllipsoid(std::uint16_t, double, double)
{
    return 0;
}

TEST(Utm, AFailedSetUpReportsPointZeroAndWritesNothing)
{
    geodesy::GeodesyFunctions failing = calc::Library();
    failing.setuserellsource = RefuseEllipsoid;
    const geodesy::GeodesyFunctions* previous = calc::SetLibrary(&failing);
    std::vector<double> input{32500000, 0, 12};
    std::vector<double> geo{-1, -1, -1};
    std::uint32_t bad = 9;
    std::string message;
    EXPECT_FALSE(calc::Utm2G(input.data(), geo.data(), kGrs80, 1, bad, message));
    EXPECT_EQ(bad, 0u);
    EXPECT_EQ(geo, (std::vector<double>{-1, -1, -1}));
    calc::SetLibrary(previous);
}

}  // namespace
