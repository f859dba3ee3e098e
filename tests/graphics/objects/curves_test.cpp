// Spline and Bezier curves: the spline's interpolation, straight segments and
// smoothing bound, its drawing per device column, and the Bezier chain.
#include <gtest/gtest.h>

#include <chrono>
#include <cmath>
#include <vector>

#include "graphics/allocation_limit.h"
#include "graphics/objects/canvas_fixture.h"
#include "graphics/objects/objectcurves.h"
#include "graphics/objects/splinecurve.h"

namespace {

SplineCurve Curve(std::vector<double> x, std::vector<double> y, double fSmoothing, std::vector<double> sigma = {})
{
    sigma.resize(x.size(), 30.0);
    SplineCurve o;
    o.SetKnots(std::move(x), std::move(y), std::move(sigma));
    o.CalculateSpline(fSmoothing);
    return o;
}

double Deviation(const SplineCurve& o, const std::vector<double>& x, const std::vector<double>& y,
                 const std::vector<double>& sigma)
{
    double sum = 0.0;
    for (size_t i = 0; i < x.size(); ++i) sum += std::pow((y[i] - o.Value(x[i])) / sigma[i], 2);
    return sum;
}

TEST(SplineCurveTest, InterpolatesWithStraightEnds)
{
    const SplineCurve o = Curve({10, 20, 30}, {10, 30, 10}, 0.0);
    EXPECT_EQ(o.GetCoordinate(10), 10);
    EXPECT_EQ(o.GetCoordinate(20), 30);
    EXPECT_EQ(o.GetCoordinate(30), 10);
    // Natural spline of three knots: symmetric, above the chords between them.
    EXPECT_NEAR(o.Value(15), o.Value(25), 1e-9);
    EXPECT_GT(o.Value(15), 20.0);
    // Zero second derivative at the ends: the curve leaves the end knots straight.
    EXPECT_NEAR(o.Value(10.5) - o.Value(10), o.Value(11) - o.Value(10.5), 0.01);
}

TEST(SplineCurveTest, NegativeSmoothingAndTwoKnotsGiveStraightSegments)
{
    const SplineCurve straight = Curve({10, 20, 30}, {10, 30, 10}, -5.0);
    EXPECT_DOUBLE_EQ(straight.Value(15), 20.0);
    EXPECT_DOUBLE_EQ(straight.Value(25), 20.0);
    const SplineCurve two = Curve({0, 10}, {0, 5}, 3.0);
    EXPECT_DOUBLE_EQ(two.Value(4), 2.0);
}

TEST(SplineCurveTest, SmoothingKeepsTheWeightedDeviationWithinTheBound)
{
    const std::vector<double> x{0, 10, 20, 30, 40, 50, 60}, y{0, 8, 3, 12, 6, 15, 9}, sigma{2, 2, 2, 2, 2, 2, 2};
    for (double s : {0.5, 2.0, 5.0}) {
        SplineCurve o;
        o.SetKnots(x, y, sigma);
        EXPECT_DOUBLE_EQ(o.CalculateSpline(s), s);
        EXPECT_NEAR(Deviation(o, x, y, sigma), s, 0.01 * s) << "bound " << s;
    }
}

TEST(SplineCurveTest, BoundAboveTheStraightLineDeviationGivesTheLine)
{
    // The least-squares line through the knots is y = 50 / 3.
    SplineCurve o;
    o.SetKnots({10, 20, 30}, {10, 30, 10}, {30, 30, 30});
    const double used = o.CalculateSpline(1e6);
    EXPECT_LT(used, 1.0);
    for (double x : {10.0, 20.0, 30.0}) EXPECT_NEAR(o.Value(x), 50.0 / 3.0, 0.2);
    // -1 stands for 10000, which is still above that deviation.
    SplineCurve minusOne;
    minusOne.SetKnots({10, 20, 30}, {10, 30, 10}, {30, 30, 30});
    EXPECT_DOUBLE_EQ(minusOne.CalculateSpline(-1.0), used);
}

TEST(SplineCurveTest, CollinearKnotsWithSmoothingGiveTheirLine)
{
    for (double s : {1.0, 10000.0}) {
        const SplineCurve o = Curve({0, 10, 20, 30}, {5, 10, 15, 20}, s);
        for (double x : {0.0, 5.0, 15.0, 30.0}) {
            ASSERT_TRUE(std::isfinite(o.Value(x)));
            EXPECT_NEAR(o.Value(x), 5.0 + x / 2.0, 1e-6);
        }
    }
}

using CurvesTest = CanvasTest;

TEST_F(CurvesTest, SplineDrawsOneVertexPerColumnThroughItsKnots)
{
    G().PaintSpline({{10, 10}, {20, 30}, {30, 10}});
    for (const auto& [x, y] : std::vector<std::pair<int, int>>{{10, 10}, {20, 30}})
        EXPECT_NE(Pixel(x, y), kWhite) << x << "," << y;
    const auto painted = Painted();
    for (int x = 10; x <= 29; ++x) {
        bool lColumn = false;
        for (const auto& p : painted) lColumn |= p.first == x;
        EXPECT_TRUE(lColumn) << "column " << x;
    }
    EXPECT_EQ(PaintedBox().substr(0, 3), "10,");
}

TEST_F(CurvesTest, SplineKnotsMustIncreaseInDeviceUnits)
{
    struct Case {
        const char* cName;
        WorldPoints aPoints;
        const char* cBox;
    };
    const Case aCases[] = {
        {"second knot not right of the first", {{10, 10}, {10, 20}, {30, 10}}, "none"},
        {"a knot going back cuts the list there", {{10, 10}, {20, 20}, {15, 40}, {40, 40}}, "10,10-19,19"},
        {"a first knot left of the canvas is kept", {{-10, 0}, {10, 20}}, "0,10-9,19"},
        {"malformed entries are skipped", {{10, 10}, {5}, {20, 20}}, "10,10-19,19"},
    };
    for (const Case& c : aCases) {
        Renew();
        G().PaintSpline(c.aPoints, -1.0);
        EXPECT_EQ(PaintedBox(), c.cBox) << c.cName;
    }
}

TEST_F(CurvesTest, SplineOverAWideSpanEvaluatesOnlyTheVisibleColumns)
{
    // A billion columns between the outer knots, 64 of them on the canvas.
    const auto tStart = std::chrono::steady_clock::now();
    G().PaintSpline({{1, 10}, {5e8, 30}, {1e9, 10}});
    const double fSeconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - tStart).count();
    EXPECT_LT(fSeconds, 5.0);
    EXPECT_EQ(PaintedBox(), "1,10-63,10");
}

TEST_F(CurvesTest, AKnotFarAboveTheCanvasKeepsBothStrokesAbove)
{
    // Straight segments up to a knot at y 1e300 and down again: both run up
    // beyond the top, none below the outer knots.
    G().PaintSpline({{5, 10}, {20, 1e300}, {40, 10}}, -5.0);
    for (int x = 0; x < kWidth; ++x)
        for (int y = 0; y < 9; ++y) EXPECT_EQ(Pixel(x, y), kWhite) << x << "," << y;
    EXPECT_NE(Pixel(5, 30), kWhite) << "the stroke up";
    EXPECT_NE(Pixel(40, 30), kWhite) << "the stroke back down";
}

TEST_F(CurvesTest, SplineSigmaZeroCountsAsThirty)
{
    G().PaintSpline({{10, 10, 0}, {20, 30, -4}, {30, 10, 0}, {40, 25, 0}}, 2.0);
    const auto withZero = Painted();
    Renew();
    G().PaintSpline({{10, 10, 30}, {20, 30, 30}, {30, 10, 30}, {40, 25, 30}}, 2.0);
    EXPECT_EQ(Painted(), withZero);
}

TEST_F(CurvesTest, ABezierWithoutRoomForItsPointsIsLeftOut)
{
    // 100,000 points: the device points take 800 KB, more than may be had.
    WorldPoints aPoints;
    for (int i = 0; i < 100000; ++i) aPoints.push_back({static_cast<double>(i % 60), static_cast<double>(i % 40)});
    {
        const AllocationLimit oLimit(400000);
        EXPECT_NO_THROW(G().PaintBezier(aPoints, false, 1));
    }
    EXPECT_EQ(PaintedBox(), "none");
    G().PaintBezier({{5, 5}, {10, 40}, {30, 40}, {40, 5}});
    EXPECT_NE(PaintedBox(), "none") << "the next curve is drawn";
}

TEST(BezierChainTest, CutToThreeKPlusOnePoints)
{
    auto points = [](size_t n) {
        std::vector<POINT> p;
        for (size_t i = 0; i < n; ++i) p.push_back({static_cast<LONG>(i * 10), static_cast<LONG>(i % 2)});
        return p;
    };
    const std::pair<size_t, size_t> aCases[] = {{3, 0}, {4, 4}, {5, 4}, {6, 4}, {7, 7}, {9, 7}, {10, 10}};
    for (const auto& [n, expected] : aCases) EXPECT_EQ(BezierChain(points(n), false).size(), expected) << n;
}

TEST(BezierChainTest, SmoothingMirrorsTheControlPointsThroughTheJoints)
{
    const std::vector<POINT> open{{0, 0}, {5, 10}, {10, 10}, {20, 0}, {99, 99}, {30, 10}, {40, 0}};
    std::vector<POINT> c = BezierChain(open, true);
    EXPECT_EQ(c[4].x, 30);  // 2 * point 4 - point 3
    EXPECT_EQ(c[4].y, -10);
    EXPECT_EQ(c[1].x, 5);  // not closed: the first control point stays

    const std::vector<POINT> closed{{0, 0}, {99, 99}, {10, 10}, {20, 0}, {25, 5}, {10, -10}, {0, 0}};
    c = BezierChain(closed, true);
    EXPECT_EQ(c[1].x, -10);  // 2 * point 1 - point 6
    EXPECT_EQ(c[1].y, 10);
}

TEST_F(CurvesTest, BezierFilledAndOutlined)
{
    const WorldPoints aLoop{{10, 10}, {10, 40}, {50, 40}, {50, 10}};
    G().SetLineColor(ColorArg::Rgb(255, 0, 0)).SetFillColor(ColorArg::Rgb(0, 0, 255)).SetFillHatch(32);
    G().PaintBezier(aLoop, false, 1);
    EXPECT_EQ(Pixel(30, 25), RGB(0, 0, 255));
    EXPECT_EQ(Pixel(10, 10), RGB(255, 0, 0));
    Clear();
    G().SetFillHatch(160).PaintBezier(aLoop, false, 1);
    EXPECT_EQ(Pixel(30, 25), kWhite);
    EXPECT_EQ(Pixel(10, 10), RGB(255, 0, 0));
    Clear();
    G().PaintBezier({{10, 10}, {10, 40}, {50, 40}});
    EXPECT_EQ(PaintedBox(), "none");
}

}  // namespace
