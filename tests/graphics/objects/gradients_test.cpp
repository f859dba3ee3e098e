// Gradient and spot canvases and the gradient area: the band colours and
// their count, the spot's offsets and mirroring, black-and-white mode.
#include <gtest/gtest.h>

#include <set>

#include "graphics/objects/canvas_fixture.h"
#include "graphics/objects/gradientramp.h"
#include "graphics/painter_access.h"
#include "graphics/test_device.h"

namespace {

TEST(GradientRampTest, IntensityGivesTheRampLength)
{
    const std::pair<double, double> aCases[] = {{0.1, 4.96}, {5, 3.0}, {6, 2.6}, {10, 1.0}, {15, 0.55}, {20, 0.1}};
    for (const auto& [fI, factor] : aCases) EXPECT_NEAR(GradientLengthFactor(fI), factor, 1e-12) << fI;
    EXPECT_EQ(ClampGradientIntensity(25), 20.0);
    EXPECT_EQ(ClampGradientIntensity(-3), 0.0);
}

TEST(GradientRampTest, ChannelsRunTowardTheGradientColourAndStop)
{
    GradientRamp up(RGB(0, 0, 0), RGB(200, 100, 0), 100, 1.0);
    for (int i = 1; i < 50; ++i) up.Band(i);
    EXPECT_EQ(up.Band(50), RGB(100, 50, 0));
    for (int i = 51; i < 100; ++i) up.Band(i);
    EXPECT_EQ(up.Band(100), RGB(200, 100, 0));

    // Falling and unchanged channels; the first band is already one step on.
    GradientRamp down(RGB(200, 80, 30), RGB(0, 80, 30), 10, 0.5);
    EXPECT_EQ(down.Band(1), RGB(160, 80, 30));
    for (int i = 2; i <= 4; ++i) down.Band(i);
    EXPECT_EQ(down.Band(5), RGB(0, 80, 30));
    EXPECT_EQ(down.Band(6), RGB(0, 80, 30));  // frozen at the gradient colour
}

class GradientsTest : public CanvasTest {
protected:
    void Renew()
    {
        CanvasTest::Renew();
        G().SetBackgroundColor(ColorArg::Rgb(0, 0, 0)).SetGradientColor(ColorArg::Rgb(240, 120, 0));
    }
    GradientsTest() { Renew(); }
    std::vector<COLORREF> Row(int y) const
    {
        std::vector<COLORREF> a;
        for (int x = 0; x < kWidth; ++x) a.push_back(Pixel(x, y));
        return a;
    }
    std::vector<COLORREF> Column(int x) const
    {
        std::vector<COLORREF> a;
        for (int y = 0; y < kHeight; ++y) a.push_back(Pixel(x, y));
        return a;
    }
    std::vector<std::vector<COLORREF>> Rows() const
    {
        std::vector<std::vector<COLORREF>> a;
        for (int y = 0; y < kHeight; ++y) a.push_back(Row(y));
        return a;
    }
};

// The colours of bands 1 .. n of a ramp.
std::vector<COLORREF> Ramp(COLORREF bg, COLORREF gr, int l, double factor)
{
    GradientRamp o(bg, gr, l, factor);
    std::vector<COLORREF> a;
    for (int i = 1; i <= l; ++i) a.push_back(o.Band(i));
    return a;
}

TEST_F(GradientsTest, CanvasBandsByDirection)
{
    const COLORREF bg = RGB(0, 0, 0), gr = RGB(240, 120, 0);
    const std::vector<COLORREF> rows = Ramp(bg, gr, kHeight, 1.0), columns = Ramp(bg, gr, kWidth, 1.0);
    for (uint32_t nDirection : {0u, 1u, 2u, 3u}) {
        Renew();
        G().PaintGradientCanvas(10.0, nDirection);
        const bool lRows = nDirection < 2;
        const int l = lRows ? kHeight : kWidth;
        for (int i = 1; i <= l; ++i) {
            // Band 1 lies at the top, the bottom, the right or the left.
            const int at = (nDirection == 0 || nDirection == 2) ? l - i : i - 1;
            const COLORREF expected = (lRows ? rows : columns)[i - 1];
            const std::vector<COLORREF> line = lRows ? Row(at) : Column(at);
            EXPECT_EQ(std::set<COLORREF>(line.begin(), line.end()), std::set<COLORREF>{expected})
                << "direction " << nDirection << " band " << i;
        }
    }
    // Intensity 10 reaches the gradient colour exactly at the far edge.
    EXPECT_EQ(rows.back(), gr);
    EXPECT_NE(rows[kHeight - 2], gr);
}

TEST_F(GradientsTest, DirectionAboveThreePlacesColumnsCountedAsRows)
{
    G().PaintGradientCanvas(10.0, 9);
    const std::vector<COLORREF> rows = Ramp(RGB(0, 0, 0), RGB(240, 120, 0), kHeight, 1.0);
    for (int i = 1; i <= kHeight; ++i) EXPECT_EQ(Pixel(kWidth - i, 5), rows[i - 1]) << i;
    // Columns beyond the band count keep what was there.
    EXPECT_EQ(Pixel(kWidth - kHeight - 1, 5), kWhite);
}

TEST_F(GradientsTest, LowIntensityErasesInTheBackgroundColour)
{
    for (double fI : {0.0, 0.05, -4.0}) {
        Renew();
        G().PaintGradientCanvas(fI, 1).PaintSpotCanvas(fI, 7);
        EXPECT_EQ(std::set<std::vector<COLORREF>>{Row(0)}, std::set<std::vector<COLORREF>>{Row(kHeight - 1)});
        EXPECT_EQ(Pixel(3, 3), RGB(0, 0, 0)) << fI;
    }
    Renew();
    G().PaintGradientArea(10, 10, 20, 10, 0.0, 0, 1);
    EXPECT_EQ(Pixel(15, 15), RGB(0, 0, 0));
    EXPECT_EQ(Pixel(35, 15), kWhite);
}

TEST_F(GradientsTest, SpotWithALinearDirectionIsTheGradientCanvas)
{
    for (uint32_t nDirection : {0u, 1u, 2u, 3u}) {
        Renew();
        G().PaintGradientCanvas(7.5, nDirection);
        const auto canvas = Rows();
        Renew();
        G().PaintSpotCanvas(7.5, nDirection);
        EXPECT_EQ(Rows(), canvas) << nDirection;
    }
}

TEST_F(GradientsTest, SpotCornersAndMirrors)
{
    G().PaintSpotCanvas(15.0, 7);
    const auto topLeft = Rows();
    // The background sits in the top-left corner; the far corner is nearest the
    // gradient colour; colours change along every row and column.
    EXPECT_EQ(topLeft[kHeight - 1][0], Ramp(RGB(0, 0, 0), RGB(240, 120, 0), 2 * kWidth, 0.55)[0]);
    EXPECT_EQ(topLeft[0][kWidth - 1], Ramp(RGB(0, 0, 0), RGB(240, 120, 0), 2 * kWidth, 0.55).back());
    EXPECT_GT(std::set<COLORREF>(topLeft[20].begin(), topLeft[20].end()).size(), 10u);

    // The rows run over H + 1 lines from the corner's side, so a vertical
    // mirror maps row y to row H - y.
    struct Mirror {
        uint32_t nDirection;
        bool lFlipX, lFlipY;
    };
    for (const Mirror& m :
         {Mirror{4, true, false}, Mirror{5, true, true}, Mirror{6, false, true}, Mirror{8, false, false}}) {
        Renew();
        G().PaintSpotCanvas(15.0, m.nDirection);
        int nDiffer = 0;
        for (int y = m.lFlipY ? 1 : 0; y < kHeight; ++y)
            for (int x = 0; x < kWidth; ++x)
                nDiffer += Pixel(x, y) != topLeft[m.lFlipY ? kHeight - y : y][m.lFlipX ? kWidth - 1 - x : x];
        EXPECT_EQ(nDiffer, 0) << "direction " << m.nDirection;
    }
}

TEST_F(GradientsTest, AreaShowsTheCanvasRampOneRowOn)
{
    G().PaintGradientCanvas(8.0, 1);
    const auto canvas = Rows();
    Renew();
    G().PaintGradientArea(10, 10, 20, 15, 8.0, 0, 1);
    for (int y = 0; y < kHeight; ++y)
        for (int x = 0; x < kWidth; ++x) {
            const bool inside = x >= 10 && x < 30 && y >= 10 && y <= 25;
            EXPECT_EQ(Pixel(x, y), inside ? canvas[y - 1][x] : kWhite) << x << "," << y;
        }
    // A rectangle beyond the canvas along the ramp paints nothing.
    Renew();
    G().PaintGradientArea(10, 60, 20, 15, 8.0, 0, 1);
    EXPECT_EQ(PaintedBox(), "none");
}

TEST_F(GradientsTest, BlackAndWhiteModeRunsFromWhiteAtIntensityFive)
{
    G().SetGradientColor(ColorArg::Rgb(0, 0, 0)).SetBackgroundColor(ColorArg::Rgb(10, 20, 30));
    const uint32_t nBackground = G().State()._nBackgrColor;
    G().SetBackgroundColor(ColorArg::Rgb(255, 255, 255)).PaintSpotCanvas(5.0, 4);
    const auto expected = Rows();
    G().SetBackgroundColor(ColorArg::Rgb(10, 20, 30));
    Clear();
    G().SetBlackAndWhite(true);
    PainterTestAccess::State(G())._nBackgrColor = nBackground;
    G().PaintSpotCanvas(15.0, 4);
    EXPECT_EQ(Rows(), expected);
    EXPECT_EQ(G().State()._nBackgrColor, nBackground);
}

TEST_F(GradientsTest, SpotAreaClipsAndRestoresTheClipRectangle)
{
    G().SetClipRegion(2, 3, 50, 40, 0);
    G().PaintSpotArea(10, 10, 20, 15);
    EXPECT_EQ(PaintedBox(), "10,10-29,24");
    EXPECT_EQ(G().State()._nClipX, 2);
    EXPECT_EQ(G().State()._nClipY, 3);
    EXPECT_EQ(G().State()._nClipWidth, 50);
    EXPECT_EQ(G().State()._nClipHeight, 40);
    // With world factors the rectangle is in world units.
    Renew();
    G().SetWorldSystem(2.0, 2.0).PaintSpotArea(5, 5, 10, 5);
    EXPECT_EQ(PaintedBox(), "10,10-29,19");
}

TEST_F(GradientsTest, SpotAreaOnAPainterNeverClippedLeavesItUnclipped)
{
    TestDevice oDevice(kDeviceMemory, kWidth, kHeight);
    Graphics g(oDevice);
    FillBox(oDevice.DC(), {0, 0, kWidth, kHeight}, kWhite);
    ASSERT_EQ(g.State()._hClipRegion.Get(), nullptr);
    g.PaintSpotArea(10, 10, 20, 15);
    g.SetLineColor(12).SetFillColor(12).PaintRectangle(40, 30, 10, 10, 1);
    EXPECT_EQ(oDevice.Pixel(45, 35), RGB(255, 0, 0)) << "drawing after the spot area shows";
    EXPECT_EQ(g.State()._hClipRegion.Get(), nullptr);
}

}  // namespace
