// The drawing-object base: the DC of each pass by device type, the 8 x 8
// pattern brush and the fill rules shared by the closed shapes.
#include "graphics/objects/objectshape.h"

#include <gtest/gtest.h>

#include "graphics/core/graphics.h"
#include "graphics/painter_access.h"
#include "graphics/test_device.h"

namespace {

class ProbeShape : public objectShape {
public:
    using objectShape::objectShape;
    void Draw() override {}
};

struct PassCase {
    int32_t nType;
    int nPass;
    enum { kNone, kHandle, kBitmap, kMetafile, kRefresh } eExpected;
};

class MetafileTestDevice : public TestDevice {
public:
    using TestDevice::TestDevice;
    HDC MetafileDC() const override { return hMetafile; }
    HDC hMetafile = nullptr;
};

TEST(ObjectShapeTest, SelectDrawDCByDeviceTypeAndPass)
{
    const PassCase aCases[] = {
        {0, 1, PassCase::kHandle}, {0, 2, PassCase::kRefresh},  {0, 3, PassCase::kNone},   {1, 1, PassCase::kHandle},
        {1, 2, PassCase::kNone},   {1, 3, PassCase::kNone},     {2, 1, PassCase::kBitmap}, {2, 2, PassCase::kNone},
        {2, 3, PassCase::kNone},   {3, 1, PassCase::kMetafile}, {3, 2, PassCase::kNone},   {3, 3, PassCase::kNone},
        {4, 1, PassCase::kNone},   {4, 2, PassCase::kNone},     {-1, 1, PassCase::kNone},
    };
    MetafileTestDevice oDevice(2, 40, 30);
    Graphics g(oDevice, 40, 30);
    HDC hHandle = CreateCompatibleDC(nullptr);
    oDevice.hMetafile = CreateCompatibleDC(nullptr);
    PainterTestAccess::State(g)._oRefreshCanvas = MemoryCanvas(nullptr, CreateBitmap(1, 1, 1, 1, nullptr));
    const HDC hRefresh = g.State()._oRefreshCanvas.DC();
    for (const PassCase& c : aCases) {
        oDevice._nDeviceTyp = c.nType;
        ProbeShape o(oDevice);
        o.SetHandle(hHandle);
        const HDC aExpected[] = {nullptr, hHandle, oDevice.DC(), oDevice.hMetafile, hRefresh};
        EXPECT_EQ(o.SelectDrawDC(c.nPass), aExpected[c.eExpected]) << "type " << c.nType << " pass " << c.nPass;
    }
    DeleteDC(hHandle);
    DeleteDC(oDevice.hMetafile);
}

TEST(ObjectShapeTest, PatternBrushPutsElementOneBottomLeftAndRowEightAtTheTop)
{
    TestDevice oDevice(2, 16, 16);
    Graphics g(oDevice, 16, 16);
    std::array<uint32_t, 64> aPattern;
    for (uint32_t k = 0; k < 64; ++k) aPattern[k] = (k * 3) << 8 | k;  // blue k, green 3k
    HBRUSH hBrush = objectShape::CreateBmpBrush(aPattern);
    ASSERT_NE(hBrush, nullptr);
    {
        DeviceUnits oUnits(oDevice.DC());
        const RECT r{0, 0, 16, 16};
        FillRect(oDevice.DC(), &r, hBrush);
    }
    DeleteObject(hBrush);
    for (int y = 0; y < 8; ++y) {
        for (int x = 0; x < 8; ++x) {
            const uint32_t k = y * 8 + x;
            EXPECT_EQ(oDevice.Pixel(x, y), RGB(0, k * 3, k)) << x << "," << y;
            EXPECT_EQ(oDevice.Pixel(x + 8, y + 8), RGB(0, k * 3, k)) << "repeats at " << x + 8 << "," << y + 8;
        }
    }
}

TEST(ObjectShapeTest, FillFlagAndStyleCodeGiveTheFill)
{
    struct Case {
        uint32_t nFlag;
        int32_t nCode;
        bool lOutline160;
        ShapeFill oExpected;
    };
    const Case aCases[] = {
        {1, 32, true, {true, 32, true}},    {1, 4, true, {true, 4, true}},     {1, 132, true, {true, 4, false}},
        {1, 64, true, {true, 64, true}},    {1, 192, true, {true, 64, false}}, {1, 160, true, {false, 0, false}},
        {1, 160, false, {true, 32, false}}, {0, 32, true, {false, 0, false}},  {2, 32, true, {false, 0, false}},
    };
    TestDevice oDevice(2, 20, 20);
    Graphics g(oDevice, 20, 20);
    for (const Case& c : aCases) {
        g.SetFillHatch(c.nCode);
        const ShapeFill f = ResolveFill(g.State(), c.nFlag, c.lOutline160);
        EXPECT_EQ(f.lFill, c.oExpected.lFill) << c.nFlag << "/" << c.nCode;
        if (f.lFill) {
            EXPECT_EQ(f.nStyle, c.oExpected.nStyle) << c.nCode;
            EXPECT_EQ(f.lOpaque, c.oExpected.lOpaque) << c.nCode;
        }
    }
}

TEST(ObjectShapeTest, WorldToDeviceUsesFactorsAndOffsetOnPositionsOnly)
{
    TestDevice oDevice(2, 100, 100);
    Graphics g(oDevice, 100, 100);
    g.SetWorldSystem(2.5, -0.5).SetWorldOrigin(10, 90);
    ProbeShape o(oDevice);
    EXPECT_EQ(o.DevicePosX(3.0), 18);  // 7.5 rounds to 8, plus 10
    EXPECT_EQ(o.DevicePosY(3.0), 88);  // -1.5 rounds to -2, plus 90
    EXPECT_EQ(o.DeviceExtentX(3.0), 8);
    EXPECT_EQ(o.DeviceExtentY(3.0), -2);
}

}  // namespace
