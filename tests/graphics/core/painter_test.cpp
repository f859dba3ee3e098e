// The painter's binding to its device and its drawing state.
#include <gtest/gtest.h>

#include "graphics/core/graphics.h"
#include "graphics/core/kit.h"
#include "lib/placement.h"
#include "graphics/test_device.h"
#include "graphics/painter_access.h"

namespace {

TEST(PainterTest, DefaultsAfterInit)
{
    TestDevice oDevice(2, 50, 40);
    Graphics g(oDevice, 50, 40);
    EXPECT_EQ(g.State()._nTextColor, 0U);
    EXPECT_EQ(g.State()._nLineColor, 0U);
    EXPECT_EQ(g.State()._nFillHatchCol, 0U);
    EXPECT_EQ(g.State()._nGradientColor, 0U);
    EXPECT_EQ(g.State()._nBackgrColor, 0xFFFFFFU);
    EXPECT_EQ(g.State()._nFillColor, 0xFFFFFFU);
    EXPECT_EQ(g.State()._nShadowColor, 0x808080U);
    for (uint32_t n : g.State()._aFillPattern) EXPECT_EQ(n, 0xFFFFFFU);
    EXPECT_EQ(g.State()._nFillPattern, 32);
    EXPECT_EQ(g.State()._nLineCap, 0x11200);
    EXPECT_EQ(g.State()._nRasterMode, 13);
    EXPECT_EQ(g.State()._nLineWidth, 1);
    EXPECT_EQ(g.State()._nMarkerSurf, 5);
    EXPECT_DOUBLE_EQ(g.State()._fMarkerSize, 5.67);
    EXPECT_DOUBLE_EQ(g.State()._fShadowDistance, 4.0);
    EXPECT_EQ(g.State()._nShadowDirection, 7U);
    EXPECT_NE(g.State()._pFont.Get(), nullptr);
    EXPECT_GT(g.State()._nPixProInchX, 0U) << "read from the device's DC";
    EXPECT_EQ(oDevice.nBackground, 0xFFFFFFU) << "the device got the background brush";
}

TEST(PainterTest, BindingToTheDevice)
{
    struct Case {
        const char* cName;
        int32_t nType, nCanvasW, nCanvasH, nToolBar;
        bool lKeep;
        int32_t nMaxW, nMaxH, nTopSpace;
        bool lRefresh;
    };
    const Case aCases[] = {
        {"window", 0, 640, 480, 0, false, 640, 480, 0, true},
        {"window with tool bar", 0, 640, 480, 28, false, 640, 452, 28, true},
        {"shell window with tool bar", 0, 640, 480, 28, true, 640, 480, 0, true},
        {"memory device with a tool bar", 2, 640, 480, 28, false, 640, 480, 0, false},
        {"tool bar higher than the canvas", 0, 640, 20, 28, false, 640, 0, 28, true},
    };
    for (const Case& c : aCases) {
        TestDevice oDevice(c.nType, c.nCanvasW, c.nCanvasH, c.nToolBar);
        oDevice.lKeepsToolBarSpace = c.lKeep;
        Graphics g(oDevice);
        EXPECT_EQ(g.State()._nMaxWidth, c.nMaxW) << c.cName;
        EXPECT_EQ(g.State()._nMaxHeight, c.nMaxH) << c.cName;
        EXPECT_EQ(g.State()._oDim.cy, c.nMaxH) << c.cName;
        EXPECT_EQ(g.State()._nTopSpace, c.nTopSpace) << c.cName;
        EXPECT_EQ(g.State()._oRefreshCanvas.DC() != nullptr, c.lRefresh) << c.cName;
        if (c.lRefresh) {
            EXPECT_EQ(g.State()._nRefreshWidth, c.nMaxW) << c.cName;
            EXPECT_EQ(g.State()._nRefreshHeight, c.nMaxH) << c.cName;
            BITMAP b{};
            GetObjectA(g.State()._oRefreshCanvas.Bitmap(), sizeof b, &b);
            EXPECT_EQ(b.bmWidth, c.nMaxW) << c.cName;
            EXPECT_EQ(b.bmHeight, c.nMaxH + c.nTopSpace) << c.cName;
            POINT oWindowOrg;
            GetWindowOrgEx(g.State()._oRefreshCanvas.DC(), &oWindowOrg);
            EXPECT_EQ(oWindowOrg.y, c.nTopSpace) << c.cName;
        }
        if (c.nType == kDeviceScreen) {
            EXPECT_EQ(g.State()._nSurfaceWidth, GetMonitorWidth()) << c.cName;
        } else {
            EXPECT_EQ(g.State()._nSurfaceWidth, c.nCanvasW) << c.cName;
        }
    }
}

TEST(PainterTest, RefreshBitmapStaysWhileTheSizeStaysAndIsRenewedWhenItChanges)
{
    TestDevice oDevice(0, 40, 30);
    Graphics g(oDevice);
    SetPixelV(g.State()._oRefreshCanvas.DC(), 5, 5, RGB(255, 0, 0));
    const HBITMAP hFirst = g.State()._oRefreshCanvas.Bitmap();
    g.InternSetDevPar();
    EXPECT_EQ(g.State()._oRefreshCanvas.Bitmap(), hFirst);
    EXPECT_EQ(GetPixel(g.State()._oRefreshCanvas.DC(), 5, 5), RGB(255, 0, 0));
    PainterTestAccess::State(g)._lSizeFromDevice = false;
    PainterTestAccess::State(g)._nWidth = 50;
    PainterTestAccess::State(g)._nHeight = 30;
    g.SetBackgroundColor(2);
    g.InternSetDevPar();
    EXPECT_EQ(g.State()._nRefreshWidth, 50);
    EXPECT_EQ(GetPixel(g.State()._oRefreshCanvas.DC(), 5, 5), RGB(0, 160, 0)) << "new bitmap in the background colour";
    EXPECT_EQ(GetPixel(g.State()._oRefreshCanvas.DC(), 49, 29), RGB(0, 160, 0));
    EXPECT_EQ(GetPixel(g.State()._oRefreshCanvas.DC(), 0, 0), RGB(0, 160, 0));
}

TEST(PainterTest, DestroyReleasesAndCanBeRepeated)
{
    TestDevice oDevice(0, 40, 30);
    Graphics g(oDevice);
    g.SetSaveArea(0, 0, 10, 10);
    ASSERT_NE(g.State()._oSaveCanvas.DC(), nullptr);
    g.Destroy();
    EXPECT_EQ(g.State()._oRefreshCanvas.DC(), nullptr);
    EXPECT_EQ(g.State()._oSaveCanvas.DC(), nullptr);
    EXPECT_EQ(g.State()._pFont.Get(), nullptr);
    EXPECT_EQ(g.State()._oDevice, nullptr);
    g.Destroy();
}

TEST(PainterTest, BlackAndWhiteModeLocksLinesAndGreysFills)
{
    TestDevice oDevice(2, 40, 30);
    Graphics g(oDevice, 40, 30);
    g.SetLineColor(4).SetFillColor(2).SetRasterMode(7).SetStringColor(12);
    g.SetBlackAndWhite();
    EXPECT_EQ(g.State()._nBackgrColor, 0xFFFFFFU);
    EXPECT_EQ(g.State()._nLineColor, 0U);
    EXPECT_EQ(g.State()._nTextColor, 0U);
    EXPECT_EQ(g.State()._nFillColor, 0xC0C0C0U);
    EXPECT_EQ(g.State()._nShadowColor, 0xC0C0C0U);
    EXPECT_EQ(g.State()._nRasterMode, 13);
    g.SetLineColor(4).SetFillHatchColor(4).SetRasterMode(7).SetStringColor(4);
    EXPECT_EQ(g.State()._nLineColor, 0U);
    EXPECT_EQ(g.State()._nFillHatchCol, 0U);
    EXPECT_EQ(g.State()._nRasterMode, 13);
    EXPECT_EQ(g.State()._nTextColor, 0U);
    g.SetFillColor(4).SetGradientColor(4).SetBackgroundColor(4);
    const uint32_t nGrey = ChangeRgb2Gray(ChangeNum2Rgb(4));
    EXPECT_EQ(g.State()._nFillColor, nGrey);
    EXPECT_EQ(g.State()._nGradientColor, nGrey);
    EXPECT_EQ(g.State()._nBackgrColor, nGrey);
    EXPECT_EQ(oDevice.nBackground, nGrey);
    g.SetStringShadow(2.0, 4, 3);
    EXPECT_DOUBLE_EQ(g.State()._fShadowDistance, 2.0);
    EXPECT_EQ(g.State()._nShadowDirection, 3U);
    EXPECT_EQ(g.State()._nShadowColor, 0xC0C0C0U);
    g.SetBlackAndWhite(false);
    EXPECT_EQ(g.State()._nFillColor, nGrey) << "switching off restores nothing";
    g.SetLineColor(4);
    EXPECT_EQ(g.State()._nLineColor, 0x0000A0U);
}

TEST(PainterTest, BackgroundWithoutColourIsAppliedAgain)
{
    TestDevice oDevice(0, 40, 30);
    Graphics g(oDevice);
    g.SetBackgroundColor(ColorArg::Rgb(1, 2, 3));
    const int nSets = oDevice.nBackgroundSets;
    g.SetBackgroundColor();
    EXPECT_EQ(g.State()._nBackgrColor, 0x030201U);
    EXPECT_EQ(oDevice.nBackgroundSets, nSets + 1);
    EXPECT_EQ(GetBkColor(g.State()._oRefreshCanvas.DC()), 0x030201U);
}

TEST(PainterTest, LineCapCodes)
{
    const std::pair<std::optional<int32_t>, int32_t> aCases[] = {
        {1, 0x10000}, {2, 0x11100}, {0, 0x11200}, {3, 0x11200}, {std::nullopt, 0x11200},
    };
    TestDevice oDevice(2, 10, 10);
    Graphics g(oDevice, 10, 10);
    for (const auto& [nCap, nStored] : aCases) {
        g.SetLineCap(nCap);
        EXPECT_EQ(g.State()._nLineCap, nStored);
    }
}

TEST(PainterTest, FillPatternRowsLandTopRowFirstAndExtraEntriesAreIgnored)
{
    TestDevice oDevice(2, 10, 10);
    Graphics g(oDevice, 10, 10);
    g.SetFillPattern({{12, 9}, {10, ColorArg::Rgb(1, 2, 3)}});
    std::array<uint32_t, 64> aExpected;
    aExpected.fill(0xFFFFFF);
    aExpected[56] = 0xFF0000;  // red in blue-low order
    aExpected[57] = 0x0000FF;
    aExpected[48] = 0x00FF00;
    aExpected[49] = 0x010203;
    EXPECT_EQ(g.State()._aFillPattern, aExpected);
    // Nine rows of nine: the ninth value of each row and the ninth row are left out.
    g.SetFillPattern(std::vector<std::vector<ColorArg>>(9, std::vector<ColorArg>(9, 16)));
    for (uint32_t n : g.State()._aFillPattern) EXPECT_EQ(n, 0U);
}

TEST(PainterTest, KitFunctions)
{
    EXPECT_DOUBLE_EQ(GAtan2(1.0, 1.0), kPi / 4);
    EXPECT_DOUBLE_EQ(GAtan2(1.0, -1.0), 3 * kPi / 4);
    EXPECT_DOUBLE_EQ(GAtan2(-1.0, -1.0), -3 * kPi / 4);
    EXPECT_DOUBLE_EQ(GAtan2(0.0, -1.0), -kPi);
    EXPECT_DOUBLE_EQ(GAtan2(0.0, 0.0), 0.0);
    EXPECT_DOUBLE_EQ(GAtan2(-2.0, 0.0), -kPi / 2);
    EXPECT_DOUBLE_EQ(GAtan2(2.0, 0.0), kPi / 2);
    EXPECT_DOUBLE_EQ(GAsin(0.5), kPi / 6);
    EXPECT_DOUBLE_EQ(GAsin(1.0), kPi / 2);
    EXPECT_DOUBLE_EQ(GAsin(-1.0), -kPi / 2);
    EXPECT_EQ(GInteg(5), 5);
    EXPECT_EQ(GInteg(2.7), 2);
    EXPECT_EQ(GInteg(-2.7), -2);
    EXPECT_EQ(GInteg(-0.25), 0);
}

}  // namespace
