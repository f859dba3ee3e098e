#include <algorithm>
#include <random>

#include "tests/platform/geodesy/geodesy_fixture.h"

namespace geodesy_test {
namespace {

using Outliers = GeodesyTest;

constexpr double kParameters[7] = {-84.87, -96.49, -116.95, 0.12, 0.31, -0.47, -1.2};

// Pairs with millimetre noise in the target, made with a convention.
std::vector<double> NoisyTarget(int convention, const std::vector<double>& source, unsigned seed)
{
    std::vector<double> target = TransformAll(convention, kParameters, source);
    std::mt19937 random(seed);
    std::normal_distribution<double> noise(0.0, 0.001);
    for (double& x : target) x += noise(random);
    return target;
}

struct Found {
    bool ok;
    std::uint32_t count;
    std::vector<std::uint32_t> pairs;
    std::vector<double> values;
};

class OutlierSearch {
public:
    OutlierSearch(geodesy::GeodesyLibrary& lib, int convention) : lib_(lib), convention_(convention) {}

    // Estimates in the convention, then looks for at most m outliers.
    Found Run(const std::vector<double>& source, const std::vector<double>& target, std::uint32_t m, double limit = 0.0)
    {
        const auto n = static_cast<std::uint32_t>(source.size() / 3);
        double p[7], matrix[9];
        const bool estimated = convention_ == 4
                                   ? lib_.gettransmolodensky(source.data(), target.data(), n, p) != 0
                                   : lib_.gettranshelmert(source.data(), target.data(), n,
                                                          static_cast<std::uint16_t>(convention_), p, matrix) != 0;
        Found found{estimated, 0, std::vector<std::uint32_t>(m + 1, 0), std::vector<double>(m + 1, 0.0)};
        if (estimated)
            found.ok = lib_.gettransoutliers(source.data(), target.data(), n, found.values.data(), found.pairs.data(),
                                             m, &found.count, limit) != 0;
        return found;
    }

private:
    geodesy::GeodesyLibrary& lib_;
    int convention_;
};

TEST_F(Outliers, OnePairMovedByThirtyCentimetresIsTheFirstOutlierInEveryConvention)
{
    const std::vector<double> source = RegionPoints(9);
    for (int convention = 1; convention <= 4; ++convention) {
        SCOPED_TRACE(convention);
        OutlierSearch search(lib, convention);
        std::vector<double> target = NoisyTarget(convention, source, 11);
        const std::vector<double> good(target.begin(), target.begin() + 24);
        const std::vector<double> goodSource(source.begin(), source.begin() + 24);
        const Found clean = search.Run(goodSource, good, 3);
        ASSERT_TRUE(clean.ok) << Message();
        EXPECT_EQ(clean.count, 0u);

        target[3 * 4 + 1] += 0.3;  // pair 5, Y
        const Found found = search.Run(source, target, 3);
        ASSERT_TRUE(found.ok) << Message();
        ASSERT_GE(found.count, 1u);
        EXPECT_EQ(found.pairs[0], 5u);
        EXPECT_GT(found.values[0], 3.0);
        for (std::uint32_t i = 1; i < found.count; ++i) EXPECT_LE(found.values[i], found.values[0]);
        EXPECT_EQ(found.pairs[found.count], 0u) << "no entry beyond the count";
    }
}

TEST_F(Outliers, LargestFirstAtMostMAndTheLimitArgument)
{
    const std::vector<double> source = RegionPoints(20);
    std::vector<double> target = NoisyTarget(1, source, 5);
    target[3 * 6 + 2] += 0.4;   // pair 7, Z
    target[3 * 15 + 0] -= 0.5;  // pair 16, X
    OutlierSearch search(lib, 1);

    const Found both = search.Run(source, target, 5);
    ASSERT_TRUE(both.ok) << Message();
    ASSERT_EQ(both.count, 2u);
    EXPECT_EQ(both.pairs[0], 16u);
    EXPECT_EQ(both.pairs[1], 7u);
    EXPECT_GT(both.values[0], both.values[1]);

    const Found one = search.Run(source, target, 1);
    ASSERT_TRUE(one.ok);
    ASSERT_EQ(one.count, 1u);
    EXPECT_EQ(one.pairs[0], 16u);

    // A limit above both values finds none; a low one finds more than 3.0 does.
    EXPECT_EQ(search.Run(source, target, 5, both.values[0] + 0.1).count, 0u);
    EXPECT_EQ(search.Run(source, target, 5, both.values[1] - 0.01).count, 2u);
    EXPECT_EQ(search.Run(source, target, 5, both.values[1] + 0.01).count, 1u);
}

// Small networks find a gross error exactly when there is one: each pair is
// tested against sigma0 of the others and Student's t quantile. Three Helmert
// pairs leave no degree of freedom for that test.
TEST_F(Outliers, SmallNetworksFindAGrossErrorExactlyWhenThereIsOne)
{
    for (int convention = 1; convention <= 4; ++convention) {
        for (std::uint32_t n : {3u, 4u, 5u, 6u, 9u, 20u}) {
            for (double error : {0.0, 100.0, 0.05}) {
                SCOPED_TRACE(::testing::Message()
                             << "convention " << convention << ", " << n << " pairs, error " << error << " m");
                const std::vector<double> source = RegionPoints(static_cast<int>(n));
                std::vector<double> target = NoisyTarget(convention, source, 100 + n);
                const std::uint32_t bad = n / 2 + 1;
                target[3 * (bad - 1) + bad % 3] += error;
                const Found found = OutlierSearch(lib, convention).Run(source, target, std::max(3u, n / 3));
                ASSERT_TRUE(found.ok) << Message();
                const bool testable = geodesy::OutliersTestable(n, static_cast<geodesy::Convention>(convention));
                EXPECT_EQ(testable, n >= (convention == 4 ? 3u : 4u));
                if (error == 0.0 || !testable) {
                    EXPECT_EQ(found.count, 0u);
                    continue;
                }
                ASSERT_EQ(found.count, 1u);
                EXPECT_EQ(found.pairs[0], bad);
                EXPECT_GT(found.values[0], 3.0);
            }
        }
    }
}

TEST_F(Outliers, NoiseFreePairsHaveNone)
{
    const std::vector<double> source = RegionPoints(10);
    const Found found = OutlierSearch(lib, 2).Run(source, TransformAll(2, kParameters, source), 3);
    ASSERT_TRUE(found.ok) << Message();
    EXPECT_EQ(found.count, 0u);
}

TEST_F(Outliers, NeedAPreviousAdjustment)
{
    const std::vector<double> source = RegionPoints(5);
    const std::vector<double> target = TransformAll(1, kParameters, source);
    double values[3];
    std::uint32_t pairs[3];
    std::uint32_t count = 7;
    EXPECT_EQ(lib.gettransoutliers(source.data(), target.data(), 5, values, pairs, 3, &count, 0.0), 0);
    EXPECT_EQ(count, 0u);
    EXPECT_NE(Message().find("compute the parameters first"), std::string::npos);
}

}  // namespace
}  // namespace geodesy_test
