// World coordinates, their conversions and the alignment points.
#include <gtest/gtest.h>

#include "graphics/core/graphics.h"
#include "graphics/test_device.h"
#include "graphics/painter_access.h"

namespace {

TEST(WorldTest, OriginModesMoveTheAnchor)
{
    struct Case {
        uint32_t nMode;
        int32_t x, y;
    };
    // Point (100, 100), box 40 x 20 (and 5 x 5 for the exact halves).
    const Case aCases[] = {
        {0, 100, 100}, {1, 100, 90}, {2, 100, 80},  {3, 80, 80},   {4, 60, 80},  {5, 60, 90},
        {6, 60, 100},  {7, 80, 100}, {8, 100, 100}, {9, 100, 100}, {10, 80, 90}, {11, 100, 100},
    };
    TestDevice oDevice(2, 10, 10);
    Graphics g(oDevice, 10, 10);
    for (const Case& c : aCases) {
        int32_t x = 100, y = 100;
        g.GetOriginPoint(x, y, 40, 20, c.nMode);
        EXPECT_EQ(x, c.x) << "mode " << c.nMode;
        EXPECT_EQ(y, c.y) << "mode " << c.nMode;
    }
    int32_t x = 100, y = 100;
    g.GetOriginPoint(x, y, 5, 5, 10);
    EXPECT_EQ(x, 98) << "100 - 2.5 goes through Long";
    EXPECT_EQ(y, 98);
    // A point in world units moves by the same table, without rounding.
    for (const Case& c : aCases) {
        double wx = 100.25, wy = 100.25;
        g.GetOriginPoint(wx, wy, 40, 20, c.nMode);
        EXPECT_DOUBLE_EQ(wx, c.x + 0.25) << "mode " << c.nMode;
        EXPECT_DOUBLE_EQ(wy, c.y + 0.25) << "mode " << c.nMode;
    }
    double wx = 100, wy = 100;
    g.GetOriginPoint(wx, wy, 5, 5, 10);
    EXPECT_DOUBLE_EQ(wx, 97.5);
    EXPECT_DOUBLE_EQ(wy, 97.5);
}

TEST(WorldTest, OriginPointAngleRotatesTheShift)
{
    struct Case {
        double fAngle;
        uint32_t nMode;
        int32_t x, y;
    };
    // Area 800 x 600, point (100, 100), box 40 x 20.
    const Case aCases[] = {
        {0, 3, 80, 80},  // as GetOriginPoint
        {0, 8, 100, 100},
        {90, 3, 80, 120},    // nDX = Long(dy) = 20, nDY = Long(-dx) = -20
        {90, 6, 100, 140},   // nDX = 0, nDY = -40
        {-90, 6, 100, 140},  // a negative angle counts as its magnitude
        // 30 degrees on 800 x 600 turn by 23.4132 degrees:
        // nDX = Long(40 sin 113.41 - 20 cos 113.41) = 45, nDY = Long(40 cos 113.41 + 20 sin 113.41) = 2
        {30, 4, 55, 98},
        {-30, 4, 55, 103},  // -30 taken as 30 without the correction: nDX 45, nDY -3
    };
    TestDevice oDevice(2, 800, 600);
    Graphics g(oDevice, 800, 600);
    for (const Case& c : aCases) {
        PainterTestAccess::State(g)._fFontAngle = c.fAngle;
        int32_t x = 100, y = 100;
        g.GetOriginPointAngle(x, y, 40, 20, c.nMode);
        EXPECT_EQ(x, c.x) << c.fAngle << "/" << c.nMode;
        EXPECT_EQ(y, c.y) << c.fAngle << "/" << c.nMode;
    }
}

TEST(WorldTest, NewPainterMapsWorldOneToOne)
{
    TestDevice oDevice(2, 200, 100);
    Graphics g(oDevice, 200, 100);
    EXPECT_DOUBLE_EQ(g.GetWorldCoordX(100), 100.0);
    EXPECT_DOUBLE_EQ(g.GetPhysCoordY(20.5), 20.5);
    EXPECT_EQ(g.State()._nOffsetX, 0);
    EXPECT_EQ(g.State()._nOffsetY, 0);
}

TEST(WorldTest, NormalWorldOnAnArea)
{
    TestDevice oDevice(2, 800, 600);
    Graphics g(oDevice, 800, 600);
    g.SetWorldSysNorm(true);
    EXPECT_DOUBLE_EQ(g.State()._fFactorX, 0.8);
    EXPECT_DOUBLE_EQ(g.State()._fFactorY, 0.6);
    EXPECT_EQ(g.State()._nOriginX, 400);
    EXPECT_EQ(g.State()._nOriginY, 300);
    EXPECT_DOUBLE_EQ(g.GetPhysCoordX(500), 800.0);
    EXPECT_DOUBLE_EQ(g.GetPhysCoordY(500), 600.0);
    EXPECT_DOUBLE_EQ(g.GetWorldCoordX(0), -500.0);
    g.SetWorldSysNorm();
    EXPECT_DOUBLE_EQ(g.State()._fFactorX, 0.8);
    EXPECT_EQ(g.State()._nOriginX, 1);
    EXPECT_EQ(g.State()._nOriginY, 1);
}

TEST(WorldTest, FixedAreaAddsItsPositionToTheOffset)
{
    TestDevice oDevice(1, 3000, 4000);
    Graphics g(oDevice, 100U, 150U, 2000, 3000);
    EXPECT_EQ(g.State()._oOrigin.x, 100);
    EXPECT_EQ(g.State()._oOrigin.y, 150);
    EXPECT_EQ(g.State()._nOffsetX, 100);
    EXPECT_EQ(g.State()._nOffsetY, 150);
    g.SetWorldOrigin(10, 20);
    EXPECT_EQ(g.State()._nOffsetX, 110);
    EXPECT_EQ(g.State()._nOffsetY, 170);
    EXPECT_DOUBLE_EQ(g.GetPhysCoordX(0), 10.0);
}

TEST(WorldTest, PointsToWorldUnitsFollowTheResolution)
{
    TestDevice oDevice(2, 100, 100);
    Graphics g(oDevice, 100, 100);
    PainterTestAccess::State(g)._nPixProInchX = 96;
    PainterTestAccess::State(g)._nPixProInchY = 120;
    EXPECT_DOUBLE_EQ(g.GetWorldPointX(72), 96.0);
    EXPECT_DOUBLE_EQ(g.GetWorldPointY(72), 120.0);
    g.SetWorldSystem(2.0, 4.0);
    EXPECT_DOUBLE_EQ(g.GetWorldPointX(72), 48.0);
    EXPECT_DOUBLE_EQ(g.GetWorldPointY(72), 30.0);
    PainterTestAccess::State(g)._nPixProInchX = 0;
    EXPECT_DOUBLE_EQ(g.GetWorldPointX(72), 0.0);
}

}  // namespace
