// The painter's font: the LOGFONT built from the font settings, and the text
// shadow's offsets.
#include <gtest/gtest.h>

#include <cstring>

#include "graphics/core/graphics.h"
#include "graphics/test_device.h"
#include "graphics/painter_access.h"

namespace {

TEST(FontTest, SizeModesAndEscapement)
{
    struct Case {
        const char* cName;
        int32_t nW, nH;  // drawing area
        double fWidth, fHeight;
        uint32_t nRespond;
        double fAngle;
        LONG nFontW, nFontH, nEscapement;
    };
    const Case aCases[] = {
        {"mode 0 on 1280 x 960", 1280, 960, 10, 10, 0, 0, 20, 20, 0},
        {"mode 2 in pixels", 1280, 960, 10, 10, 2, 0, 10, 10, 0},
        {"mode 3 thousandths", 500, 2000, 10, 10, 3, 0, 5, 20, 0},
        {"mode 4 of 560", 560, 1120, 10, 10, 4, 0, 10, 20, 0},
        {"mode 1 world units", 100, 100, 10, 10, 1, 0, 25, 5, 0},
        {"unknown mode: system size", 640, 480, 10, 10, 9, 0, 0, 0, 0},
        {"45 on a square area", 600, 600, 10, 10, 0, 45, 11, 11, 450},
        {"45 on an area twice as wide", 1200, 600, 10, 10, 2, 45, 10, 10, 266},
        {"-30 is its magnitude", 600, 600, 10, 10, 2, -30, 10, 10, 300},
        {"90 without correction", 1200, 600, 10, 10, 2, 90, 10, 10, 900},
    };
    for (const Case& c : aCases) {
        TestDevice oDevice(2, c.nW, c.nH);
        Graphics g(oDevice, c.nW, c.nH);
        g.SetWorldSystem(2.5, 0.5);
        g.SetStringFont(std::nullopt, c.fWidth, c.fHeight, 0U, c.nRespond, c.fAngle);
        const LOGFONTA lf = g.StringFontSpec();
        EXPECT_EQ(lf.lfWidth, c.nFontW) << c.cName;
        EXPECT_EQ(lf.lfHeight, -c.nFontH) << c.cName;
        EXPECT_EQ(lf.lfEscapement, c.nEscapement) << c.cName;
        EXPECT_EQ(lf.lfOrientation, c.nEscapement) << c.cName;
        EXPECT_EQ(g.State()._nFontPixHeight, c.nFontH) << c.cName;
    }
}

TEST(FontTest, PointsFollowTheResolution)
{
    TestDevice oDevice(2, 100, 100);
    Graphics g(oDevice, 100, 100);
    PainterTestAccess::State(g)._nPixProInchX = 96;
    PainterTestAccess::State(g)._nPixProInchY = 96;
    g.SetStringFont(std::nullopt, 9.0, 12.0, std::nullopt, 5U);
    EXPECT_EQ(g.State()._nFontPixHeight, 16);
    EXPECT_EQ(g.StringFontSpec().lfWidth, 12);
}

TEST(FontTest, DesignCodes)
{
    struct Case {
        uint32_t nDesign;
        LONG nWeight;
        bool lItalic, lUnderline, lStrikeOut;
    };
    const Case aCases[] = {
        {0, 400, false, false, false}, {1, 300, false, false, false}, {2, 700, false, false, false},
        {12, 700, true, false, false}, {111, 300, true, true, false}, {1102, 700, false, true, true},
        {2000, 400, true, true, true}, {5, 400, false, false, false},
    };
    TestDevice oDevice(2, 100, 100);
    Graphics g(oDevice, 100, 100);
    for (const Case& c : aCases) {
        g.SetStringFont(std::nullopt, std::nullopt, std::nullopt, c.nDesign);
        const LOGFONTA lf = g.StringFontSpec();
        EXPECT_EQ(lf.lfWeight, c.nWeight) << c.nDesign;
        EXPECT_EQ(lf.lfItalic != 0, c.lItalic) << c.nDesign;
        EXPECT_EQ(lf.lfUnderline != 0, c.lUnderline) << c.nDesign;
        EXPECT_EQ(lf.lfStrikeOut != 0, c.lStrikeOut) << c.nDesign;
    }
}

TEST(FontTest, FaceQualityAndKeptSettings)
{
    TestDevice oDevice(2, 640, 480);
    Graphics g(oDevice, 640, 480);
    LOGFONTA lf = g.StringFontSpec();
    EXPECT_EQ(lf.lfPitchAndFamily, 32);
    EXPECT_STREQ(lf.lfFaceName, "");
    EXPECT_EQ(lf.lfQuality, PROOF_QUALITY);
    EXPECT_EQ(lf.lfCharSet, 0);
    EXPECT_EQ(lf.lfClipPrecision, 2);
    g.SetStringFont("Arial", std::nullopt, 20.0);
    lf = g.StringFontSpec();
    EXPECT_STREQ(lf.lfFaceName, "Arial");
    EXPECT_EQ(lf.lfPitchAndFamily, 0);
    EXPECT_EQ(lf.lfHeight, -20);
    EXPECT_EQ(lf.lfWidth, 10) << "the width was kept";
    g.SetStringFont(std::nullopt, std::nullopt, std::nullopt, 2U);
    lf = g.StringFontSpec();
    EXPECT_EQ(lf.lfWeight, 700);
    EXPECT_STREQ(lf.lfFaceName, "Arial");
    EXPECT_EQ(lf.lfHeight, -20);
    const std::pair<uint32_t, BYTE> aQualities[] = {{1, 1}, {3, 3}, {4, 4}, {0, 2}, {7, 2}};
    for (const auto& [nCode, nQuality] : aQualities) {
        g.SetStringFont(std::nullopt, std::nullopt, std::nullopt, std::nullopt, std::nullopt, std::nullopt, nCode);
        EXPECT_EQ(g.StringFontSpec().lfQuality, nQuality) << nCode;
    }
    const BYTE nPrecision = g.StringFontSpec().lfOutPrecision;
    EXPECT_TRUE(nPrecision == 4 || nPrecision == 6 || nPrecision == 7) << int(nPrecision);
    const HFONT hBefore = g.State()._pFont.Get();
    g.SetStringFont(std::nullopt, 12.0);
    EXPECT_NE(g.State()._pFont.Get(), nullptr);
    EXPECT_NE(GetObjectType(g.State()._pFont.Get()), 0U);
    EXPECT_EQ(GetObjectType(hBefore), 0U) << "the previous font was deleted";
}

TEST(FontTest, ShadowOffsets)
{
    struct Case {
        double fDistance;
        uint32_t nDirection;
        double dx, dy;  // shadow copy relative to the given point, in pixels
    };
    // Factors 1.0; 30-pixel font.
    const Case aCases[] = {
        {4.0, 7, 2, -2}, {4.0, 0, 2, -2}, {4.0, 8, 2, -2}, {4.0, 4, -2, -2},      {4.0, 2, -2, -2}, {4.0, 5, -2, 2},
        {4.0, 1, -2, 2}, {4.0, 6, 2, 2},  {4.0, 3, 2, 2},  {-10.0, 7, 1.5, -1.5}, {0.0, 7, 0, 0},
    };
    TestDevice oDevice(2, 640, 480);
    Graphics g(oDevice, 640, 480);
    g.SetStringFont(std::nullopt, 30.0, 30.0, std::nullopt, 2U);
    for (const Case& c : aCases) {
        g.SetStringShadow(c.fDistance, 8, c.nDirection);
        const WorldPoint p = g.ShadowOffset(g.ShadowHalfDistance());
        EXPECT_DOUBLE_EQ(p.x, c.dx) << c.fDistance << "/" << c.nDirection;
        EXPECT_DOUBLE_EQ(p.y, c.dy) << c.fDistance << "/" << c.nDirection;
    }
    g.SetWorldSystem(2.0, 0.5).SetStringShadow(4.0, 8, 7);
    const WorldPoint p = g.ShadowOffset(g.ShadowHalfDistance());
    EXPECT_DOUBLE_EQ(p.x, 1.0) << "world units";
    EXPECT_DOUBLE_EQ(p.y, -4.0);
}

}  // namespace
