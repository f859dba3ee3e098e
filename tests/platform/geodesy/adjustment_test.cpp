#include <random>

#include "tests/platform/geodesy/geodesy_fixture.h"

namespace geodesy_test {
namespace {

using Adjustment = GeodesyTest;

struct Estimate {
    bool ok;
    double p[7];
    double matrix[9];
};

Estimate Helmert(geodesy::GeodesyLibrary& lib, const std::vector<double>& source, const std::vector<double>& target,
                 int convention)
{
    Estimate e{};
    e.ok = lib.gettranshelmert(source.data(), target.data(), static_cast<std::uint32_t>(source.size() / 3),
                               static_cast<std::uint16_t>(convention), e.p, e.matrix) != 0;
    return e;
}

void ExpectParameters(const double* expected, const double* actual, double metres, double arcSeconds, double ppm)
{
    for (int i = 0; i < 3; ++i) {
        EXPECT_NEAR(expected[i], actual[i], metres) << "translation " << i;
        EXPECT_NEAR(expected[3 + i], actual[3 + i], arcSeconds) << "rotation " << i;
    }
    EXPECT_NEAR(expected[6], actual[6], ppm) << "scale";
}

// EPSG Guidance Note 7-2: WGS 72 to WGS 84, seven parameters.
constexpr double kWgs72Point[3] = {3657660.66, 255768.55, 5201382.11};
constexpr double kWgs84Point[3] = {3657660.78, 255778.43, 5201387.75};
constexpr double kPositionVector[7] = {0.0, 0.0, 4.5, 0.0, 0.0, 0.554, 0.219};
constexpr double kCoordinateFrame[7] = {0.0, 0.0, 4.5, 0.0, 0.0, -0.554, 0.219};

TEST_F(Adjustment, PublishedSevenParameterExampleInBothRotationConventions)
{
    struct Case {
        int convention;
        const double* p;
    };
    for (const Case& c : {Case{2, kPositionVector}, Case{1, kCoordinateFrame}}) {
        SCOPED_TRACE(c.convention);
        // The published point: residual against the published result, which
        // is given to the centimetre (its X is 6 mm off the formula's value).
        double residual[3];
        ASSERT_NE(
            lib.gettransresiduals(kWgs72Point, kWgs84Point, residual, 1, static_cast<std::uint16_t>(c.convention), c.p),
            0)
            << Message();
        for (double v : residual) EXPECT_LE(std::abs(v), 0.01);
        // Made-up points moved with the published parameters give them back.
        const std::vector<double> source = RegionPoints(12);
        const Estimate e = Helmert(lib, source, TransformAll(c.convention, c.p, source), c.convention);
        ASSERT_TRUE(e.ok) << Message();
        ExpectParameters(c.p, e.p, 1e-6, 1e-6, 1e-6);
    }
}

TEST_F(Adjustment, PublishedGeocentricTranslationExample)
{
    // EPSG Guidance Note 7-2: ED50 to WGS 84 by geocentric translations.
    const double shift[7] = {84.87, 96.49, 116.95, 0.0, 0.0, 0.0, 0.0};
    const double ed50[3] = {3771793.97, 140253.34, 5124304.35};
    const double wgs84[3] = {3771878.84, 140349.83, 5124421.30};
    double residual[3];
    ASSERT_NE(lib.gettransresiduals(ed50, wgs84, residual, 1, 4, shift), 0) << Message();
    for (double v : residual) EXPECT_LE(std::abs(v), 0.005);

    const std::vector<double> source = RegionPoints(5);
    double p[7] = {9, 9, 9, 9, 9, 9, 9};
    ASSERT_NE(lib.gettransmolodensky(source.data(), TransformAll(4, shift, source).data(), 5, p), 0) << Message();
    ExpectParameters(shift, p, 1e-6, 0.0, 0.0);
}

// Parameter sets from small to large, rotations up to 10 arc-seconds.
constexpr double kParameterSets[][7] = {
    {0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0},
    {0.12, -0.08, 0.05, 0.001, -0.002, 0.003, 0.01},
    {-84.87, -96.49, -116.95, 0.12, 0.31, -0.47, -1.2},
    {598.1, 73.7, 418.2, 0.202, 0.045, -2.455, 6.7},
    {-582.0, -105.0, -414.0, -10.0, 10.0, -10.0, -8.3},
};

TEST_F(Adjustment, NoiseFreePairsGiveTheirParametersBackInEveryConvention)
{
    struct Points {
        int pairs;
        Region region;
    };
    // The fewest pairs; a town of 10 km; a region; the whole earth.
    const Points sets[] = {
        {3, kCentralEurope}, {9, {11.0, 0.12, 50.0, 0.09}}, {9, kCentralEurope}, {12, {-180.0, 360.0, -80.0, 160.0}}};
    for (const Points& set : sets) {
        const std::vector<double> source = RegionPoints(set.pairs, set.region);
        for (int convention = 1; convention <= 3; ++convention) {
            for (const auto& p : kParameterSets) {
                SCOPED_TRACE(::testing::Message() << set.pairs << " pairs over " << set.region.width
                                                  << " degrees, convention " << convention << ", rz " << p[5]);
                const Estimate e = Helmert(lib, source, TransformAll(convention, p, source), convention);
                ASSERT_TRUE(e.ok) << Message();
                ExpectParameters(p, e.p, 1e-6, 1e-6, 1e-6);
                const Mat m = ConventionMatrix(convention, p);
                for (int k = 0; k < 9; ++k) EXPECT_NEAR(m[k / 3][k % 3], e.matrix[k], 1e-12) << "matrix element " << k;
            }
        }
    }
}

TEST_F(Adjustment, MillimetreNoiseKeepsParametersCloseAndShowsInTheStatistics)
{
    constexpr int kPairs = 40;
    constexpr double kSigma = 0.001;
    const std::vector<double> source = RegionPoints(kPairs);
    std::mt19937 random(7);
    std::normal_distribution<double> noise(0.0, kSigma);
    for (int convention = 1; convention <= 4; ++convention) {
        for (const auto& p : kParameterSets) {
            SCOPED_TRACE(::testing::Message() << "convention " << convention << ", rz " << p[5]);
            std::vector<double> target = TransformAll(convention, p, source);
            for (double& x : target) x += noise(random);
            double estimated[7];
            if (convention == 4) {
                ASSERT_NE(lib.gettransmolodensky(source.data(), target.data(), kPairs, estimated), 0) << Message();
                for (int i = 0; i < 7; ++i) EXPECT_NEAR(i < 3 ? p[i] : 0.0, estimated[i], i < 3 ? 0.002 : 0.0) << i;
            } else {
                const Estimate e = Helmert(lib, source, target, convention);
                ASSERT_TRUE(e.ok) << Message();
                std::copy(e.p, e.p + 7, estimated);
                // Rotations of 1e-9 rad move the translations by centimetres at
                // 6400 km from the geocentre.
                ExpectParameters(p, estimated, 0.1, 0.005, 0.01);
            }
            std::vector<double> residuals(3 * kPairs);
            ASSERT_NE(lib.gettransresiduals(source.data(), target.data(), residuals.data(), kPairs,
                                            static_cast<std::uint16_t>(convention), estimated),
                      0)
                << Message();
            double rms = 0.0, average = 0.0, maximum = 0.0;
            ASSERT_NE(lib.gettransresidualrms(residuals.data(), kPairs, &rms), 0);
            ASSERT_NE(lib.gettransresidualaverage(residuals.data(), kPairs, &average), 0);
            ASSERT_NE(lib.gettransresidualmax(residuals.data(), kPairs, &maximum), 0);
            // A 3D length of three coordinates with 1 mm noise: about 1.7 mm.
            EXPECT_GT(rms, 0.5 * std::sqrt(3.0) * kSigma);
            EXPECT_LT(rms, 1.5 * std::sqrt(3.0) * kSigma);
            EXPECT_LE(average, rms);
            EXPECT_GE(maximum, rms);
            EXPECT_LT(maximum, 6.0 * kSigma);
        }
    }
}

TEST_F(Adjustment, ResidualIsTargetMinusTransformedSource)
{
    const std::vector<double> source = RegionPoints(4);
    const double* p = kParameterSets[3];
    for (int convention = 1; convention <= 4; ++convention) {
        std::vector<double> target = TransformAll(convention, p, source);
        target[3] += 0.25;  // pair 2, X
        target[11] -= 0.5;  // pair 4, Z
        std::vector<double> residuals(12);
        ASSERT_NE(lib.gettransresiduals(source.data(), target.data(), residuals.data(), 4,
                                        static_cast<std::uint16_t>(convention), p),
                  0);
        for (int k = 0; k < 12; ++k)
            EXPECT_NEAR(residuals[k], k == 3 ? 0.25 : k == 11 ? -0.5 : 0.0, 1e-8) << convention << ", " << k;
    }
}

TEST_F(Adjustment, StatisticsOverTheLengthsOfTheResiduals)
{
    const double residuals[9] = {3.0, 4.0, 0.0, 0.0, 0.0, 0.0, -1.0, 2.0, -2.0};  // lengths 5, 0, 3
    double value = 0.0;
    ASSERT_NE(lib.gettransresidualmax(residuals, 3, &value), 0);
    EXPECT_DOUBLE_EQ(value, 5.0);
    ASSERT_NE(lib.gettransresidualaverage(residuals, 3, &value), 0);
    EXPECT_DOUBLE_EQ(value, 8.0 / 3.0);
    ASSERT_NE(lib.gettransresidualrms(residuals, 3, &value), 0);
    EXPECT_DOUBLE_EQ(value, std::sqrt(34.0 / 3.0));
}

}  // namespace
}  // namespace geodesy_test
