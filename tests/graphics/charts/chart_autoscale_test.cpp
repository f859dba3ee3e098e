// Automatic scaling of chart axes from their data.
#include <array>
#include <cmath>
#include <limits>

#include <gtest/gtest.h>

#include "graphics/core/graphics.h"
#include "graphics/test_device.h"

namespace {

constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();
constexpr double kInf = std::numeric_limits<double>::infinity();

// Elements 1-5 (or 25-29) of one axis.
using Axis = std::array<double, 5>;
constexpr Axis kUnchanged = {-100.0, 100.0, -100.0, 100.0, 20.0};

// A chart definition array as validation leaves it for these elements.
Array ValidatedDef()
{
    Array aDef(59);
    for (std::size_t i = 0; i < 5; ++i) aDef[1 + i] = aDef[25 + i] = kUnchanged[i];
    return aDef;
}

// Entries {x, y} from pairs.
Array Points(std::initializer_list<std::pair<double, double>> points)
{
    Array data(0);
    for (const auto& [x, y] : points) data.Add(Array{x, y});
    return data;
}

class AutoScale : public ::testing::Test {
protected:
    TestDevice oDevice{2, 40, 40};
    Graphics g{oDevice, 40, 40};
};

TEST_F(AutoScale, WorkedExamplesAndEdgeCases)
{
    struct Case {
        const char* what;
        Value data;
        double nX, nY;
        Value mode;
        Axis x, y;
        double originX, originY;  // after the call; both start at 0 and 5
    };
    const double start = 200.0 / (16.8 / -3.8);  // the first worked example
    const double startMode2 = 200.0 / (7.2 / -3.1);
    const Case cases[] = {
        {"worked example, x from -3.7 to 12.4",
         Points({{-3.7, 1.0}, {12.4, 1.0}, {5.0, 1.0}}),
         5,
         0,
         0,
         {start, 200.0 + start, -3.8, 13.0, 4.0},
         kUnchanged,
         -100.0 - start,
         5.0},
        {"worked example, y from 23 to 87",
         Points({{0.0, 23.0}, {1.0, 87.0}, {2.0, 50.0}}),
         0,
         4,
         0,
         kUnchanged,
         {-100.0, 100.0, 20.0, 88.0, 20.0},
         0.0,
         5.0},
        {"all y equal 5, three intervals",
         Points({{0.0, 5.0}, {1.0, 5.0}}),
         0,
         3,
         0,
         kUnchanged,
         {-100.0, 100.0, 0.0, 11.0, 4.0},
         0.0,
         5.0},
        {"all y equal 5, four intervals",
         Points({{0.0, 5.0}, {1.0, 5.0}}),
         0,
         4,
         0,
         kUnchanged,
         {-100.0, 100.0, 2.0, 11.0, 3.0},
         0.0,
         5.0},
        {"all zeros",
         Points({{0.0, 0.0}, {0.0, 0.0}}),
         4,
         4,
         0,
         {-100.0, 100.0, 0.0, 0.1, 0.1},
         {-100.0, 100.0, 0.0, 0.1, 0.1},
         0.0,
         5.0},
        {"wholly negative",
         Points({{0.0, -50.0}, {1.0, -10.0}}),
         0,
         4,
         0,
         kUnchanged,
         {-200.0, 0.0, -51.0, -10.0, 20.0},
         0.0,
         5.0 + 100.0},
        {"a step of 1 from a range of 1.4 (mode 3 includes zero)",
         Points({{0.0, 0.5}, {1.0, 1.3}}),
         0,
         4,
         3,
         kUnchanged,
         {-100.0, 100.0, 0.0, 1.4, 1.0},
         0.0,
         5.0},
        {"one interval: the step exceeds the range",
         Points({{0.0, 1.0}, {10.0, 1.0}}),
         1,
         0,
         0,
         {-100.0, 100.0, 0.0, 11.0, 20.0},
         kUnchanged,
         0.0,
         5.0},
        {"a power of ten at the top",
         Points({{100.0, 1.0}, {1000.0, 1.0}}),
         9,
         0,
         0,
         {-100.0, 100.0, 0.0, 1100.0, 200.0},
         kUnchanged,
         0.0,
         5.0},
        {"mode 1 sums, seeded by the first number",
         Array{Array{1.0, Array{2.0, 3.0}}, Array{2.0, Array{4.0, -1.0}}},
         0,
         5,
         1,
         kUnchanged,
         {-100.0, 100.0, 0.0, 5.1, 2.0},
         0.0,
         5.0},
        {"mode 2, every number",
         Array{Array{1.0, Array{2.0, -3.0}}, Array{2.0, Array{4.0, 1.0}}},
         0,
         7,
         2,
         kUnchanged,
         {startMode2, 200.0 + startMode2, -3.1, 4.1, 2.0},
         0.0,
         5.0 - 100.0 - startMode2},
        {"entries without their parts and values that are not finite are skipped",
         Array{Array{1.0, 5.0}, Array{"x"}, Array{2.0}, 7.0, Array{3.0, kNaN}, Array{kInf, 9.0}, Array{kNaN, -kInf}},
         3,
         4,
         0,
         {-100.0, 100.0, 1.0, 3.1, 1.0},
         {-100.0, 100.0, 5.0, 9.1, 2.0},
         0.0,
         5.0},
        {"no usable entry: both axes stay", Array{Array{"a", "b"}, Array{}}, 5, 5, 0, kUnchanged, kUnchanged, 0.0, 5.0},
        {"empty data", Array(0), 5, 5, 0, kUnchanged, kUnchanged, 0.0, 5.0},
        {"data not an array", Value(3.0), 5, 5, 0, kUnchanged, kUnchanged, 0.0, 5.0},
        {"no intervals: nothing", Points({{1.0, 1.0}}), 0, -2, 0, kUnchanged, kUnchanged, 0.0, 5.0},
        {"intervals not a number", Points({{1.0, 1.0}}), kNaN, kNaN, 0, kUnchanged, kUnchanged, 0.0, 5.0},
        {"an unknown mode takes the x limits for y",
         Points({{0.0, 500.0}, {10.0, 600.0}}),
         5,
         5,
         7,
         {-100.0, 100.0, 0.0, 11.0, 3.0},
         {-100.0, 100.0, 0.0, 11.0, 3.0},
         0.0,
         5.0},
        {"a mode that is not a number counts as 0",
         Points({{0.0, 23.0}, {1.0, 87.0}}),
         0,
         4,
         "a",
         kUnchanged,
         {-100.0, 100.0, 20.0, 88.0, 20.0},
         0.0,
         5.0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        Array aDef = ValidatedDef();
        double originX = 0.0, originY = 5.0;
        EXPECT_EQ(&g.SetAutoScale(aDef, c.data, c.nX, c.nY, c.mode, &originX, &originY), &g);
        ASSERT_EQ(aDef.Len(), 59U);
        for (std::size_t i = 0; i < 5; ++i) {
            SCOPED_TRACE(::testing::Message() << "element " << i + 1);
            EXPECT_NEAR(aDef[1 + i].AsNumber(), c.x[i], 1e-9);
            EXPECT_NEAR(aDef[25 + i].AsNumber(), c.y[i], 1e-9);
        }
        EXPECT_NEAR(originX, c.originX, 1e-9);
        EXPECT_NEAR(originY, c.originY, 1e-9);
    }
}

TEST_F(AutoScale, ShortOrMissingDefinitionAndOriginAsNil)
{
    // A 10-element array grows; element 1 holding a text counts as -100 and
    // element 2 missing as element 1 + 200 for the shift of a negative axis.
    Array aDef{"start"};
    aDef.Resize(10);
    double originX = 1.0;
    g.SetAutoScale(aDef, Points({{-5.0, 0.0}, {5.0, 0.0}}), 5, 0, 0, &originX, nullptr);
    ASSERT_EQ(aDef.Len(), 59U);
    EXPECT_NEAR(aDef[1].AsNumber(), -100.0, 1e-9);
    EXPECT_NEAR(aDef[2].AsNumber(), 100.0, 1e-9);
    EXPECT_NEAR(aDef[3].AsNumber(), -5.1, 1e-9);
    EXPECT_NEAR(aDef[4].AsNumber(), 5.1, 1e-9);
    EXPECT_NEAR(originX, 1.0, 1e-9);
    EXPECT_TRUE(aDef[25].IsNil());

    // Without an origin the axis still moves; a null array becomes a new one.
    Array none;
    g.SetAutoScale(none, Points({{-3.7, 0.0}, {12.4, 0.0}}), 5, 0);
    ASSERT_EQ(none.Len(), 59U);
    EXPECT_NEAR(none[1].AsNumber(), 200.0 / (16.8 / -3.8), 1e-9);
    EXPECT_NEAR(none[5].AsNumber(), 4.0, 1e-9);
}

}  // namespace
