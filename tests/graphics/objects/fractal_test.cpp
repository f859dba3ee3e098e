// Fractals: the parameter array written back, the iteration and colours,
// every pixel order covering every pixel once, the automatic zoom, and
// drawing on a memory device.
#include <gtest/gtest.h>

#include <chrono>
#include <limits>
#include <map>
#include <set>
#include <string>
#include <utility>
#include <vector>

#include "graphics/objects/canvas_fixture.h"
#include "graphics/objects/fractalengine.h"
#include "graphics/painter_access.h"

namespace {

using Entries = std::vector<std::optional<double>>;

TEST(FractalParametersTest, DefaultsAreWrittenBack)
{
    Entries a{1.1, -1.1, 0.5, -1.5, 300};
    FractalSettings s = ValidateFractalParameters(a);
    ASSERT_EQ(a.size(), 22u);
    const Entries expected{1.1, -1.1, 0.5, -1.5, 64, 64, 4.0, 2.0, std::nullopt, std::nullopt, 3, 0, 1, 5,
                           0,   1,    0,   0,    0,  5,  0,   0};
    EXPECT_EQ(a, expected);
    EXPECT_FALSE(s.lJulia);
    EXPECT_EQ(s.nMaxIterations, 64);
    EXPECT_EQ(s.nThresholdDivisor, 64);

    Entries b(22);
    b[21] = 15;
    b[5] = 1;
    b[4] = 64.4;  // a whole entry counts as whole, and stays as given
    s = ValidateFractalParameters(b);
    EXPECT_EQ(b[21], 0.0);
    EXPECT_EQ(b[4], 64.4);
    EXPECT_EQ(b[5], 1.0);
    EXPECT_EQ(s.nThresholdDivisor, 2);  // a valid entry 6 is used plus one
}

TEST(FractalParametersTest, JuliaConstantAndSwappedBounds)
{
    struct Case {
        std::optional<double> e9, e10;
        bool lJulia;
        double re, im;
        std::optional<double> back9, back10;
    };
    const Case aCases[] = {
        {0.3, std::nullopt, true, 0.3, 0.0, 0.3, std::nullopt},
        {0.3, 5.0, true, 0.3, 0.0, 0.3, 0.0},
        {5.0, std::nullopt, false, 0.0, 0.0, 0.0, std::nullopt},
        {5.0, 7.0, false, 0.0, 0.0, 0.0, 0.0},
        {std::nullopt, 0.5, true, 0.0, 0.5, std::nullopt, 0.5},
        {std::nullopt, 7.0, false, 0.0, 0.0, std::nullopt, std::nullopt},
    };
    for (const Case& c : aCases) {
        Entries a(22);
        a[8] = c.e9;
        a[9] = c.e10;
        const FractalSettings s = ValidateFractalParameters(a);
        EXPECT_EQ(s.lJulia, c.lJulia);
        EXPECT_EQ(s.fJuliaRe, c.re);
        EXPECT_EQ(s.fJuliaIm, c.im);
        EXPECT_EQ(a[8], c.back9);
        EXPECT_EQ(a[9], c.back10);
    }
    Entries swapped{-1.0, 1.0, -1.0, 0.5};
    const FractalSettings s = ValidateFractalParameters(swapped);
    EXPECT_EQ(s.fTop, 1.0);
    EXPECT_EQ(s.fBottom, -1.0);
    EXPECT_EQ(s.fRight, 0.5);
    EXPECT_EQ(s.fLeft, -1.0);
    EXPECT_EQ(swapped[0], -1.0);  // the exchange is not written back
}

TEST(FractalIterationTest, EscapeCountsAndNorms)
{
    FractalSettings s;
    const FractalPoint inside = IterateFractal(s, 0.0, 0.0);
    EXPECT_FALSE(inside.lEscaped);
    EXPECT_EQ(inside.n, 65);
    const FractalPoint out = IterateFractal(s, 2.0, 0.0);  // 2 -> 6
    EXPECT_TRUE(out.lEscaped);
    EXPECT_EQ(out.n, 2);
    EXPECT_EQ(out.m, 36.0);
    s.nNorm = 6;  // sqrt(X + Y)
    EXPECT_EQ(IterateFractal(s, 2.0, 0.0).m, 6.0);
    s.nNorm = 13;  // |log10 X| + Y, with X at least 1e-6
    EXPECT_TRUE(std::isfinite(IterateFractal(s, 0.0, 0.0).m));
    s = FractalSettings{};
    s.lJulia = true;
    s.fJuliaRe = 0.3;
    EXPECT_NE(IterateFractal(s, 0.0, 0.0).n, inside.n);
}

TEST(FractalColourTest, BaseColoursAndShades)
{
    const std::tuple<int, int, COLORREF, COLORREF> aBases[] = {
        {3, 0, RGB(0, 0, 0), RGB(255, 0, 0)},      {3, 0, RGB(128, 128, 128), RGB(255, 0, 0)},
        {3, 0, RGB(200, 200, 0), RGB(255, 0, 0)},  {3, 0, RGB(255, 255, 0), RGB(255, 255, 0)},
        {3, 4, RGB(10, 20, 30), RGB(10, 20, 30)},  {4, 4, RGB(10, 20, 30), RGB(245, 235, 225)},
        {4, 0, RGB(0, 10, 200), RGB(255, 255, 0)},
    };
    for (const auto& [mode, flags, line, expected] : aBases)
        EXPECT_EQ(FractalBaseColour(mode, flags, line, RGB(1, 2, 3)), expected) << mode << "/" << flags;
    EXPECT_EQ(FractalBaseColour(5, 4, RGB(0, 0, 0), RGB(1, 2, 3)), RGB(1, 2, 3));

    FractalSettings s;
    const std::vector<COLORREF> table{RGB(1, 1, 1), RGB(2, 2, 2), RGB(3, 3, 3), RGB(4, 4, 4)};
    // Default: escaping points lightened from pure red by (n / 64)^0.25.
    FractalColouring o(s, RGB(0, 0, 0), RGB(255, 255, 255), table);
    const int g16 = static_cast<int>(std::lround(std::pow(16.0 / 64.0, 0.25) * 255));
    EXPECT_EQ(o.Colour({16, 9.0, true}), RGB(255, g16, g16));
    s.nEscapeMode = 6;
    s.nInsideMode = 0;
    FractalColouring table6(s, RGB(0, 0, 0), RGB(255, 255, 255), table);
    EXPECT_EQ(table6.Colour({1, 9.0, true}), table.front());
    EXPECT_EQ(table6.Colour({64, 9.0, true}), table.back());
    EXPECT_EQ(table6.Colour({65, 1.0, false}), std::nullopt);
    // Below the threshold N div e6 escaping points are left out.
    s.nThresholdDivisor = 2;
    FractalColouring threshold(s, RGB(0, 0, 0), RGB(255, 255, 255), table);
    EXPECT_EQ(threshold.Colour({31, 9.0, true}), std::nullopt);
    EXPECT_NE(threshold.Colour({32, 9.0, true}), std::nullopt);
    // An escape limit of 0 shades the points that stay without dividing by 0.
    s = FractalSettings{};
    s.fEscapeLimit = 0.0;
    FractalColouring zero(s, RGB(0, 0, 0), RGB(0, 255, 0), table);
    EXPECT_EQ(zero.Colour({65, 0.0, false}), RGB(0, 255, 0));
}

TEST(FractalPixelOrderTest, EveryOrderCoversEveryPixelOnce)
{
    const std::pair<int, int> aSizes[] = {{1, 1}, {1, 7}, {7, 1}, {8, 8}, {7, 5}, {30, 3}, {3, 30}, {16, 9}};
    for (int nOrder = 0; nOrder <= 4; ++nOrder)
        for (const auto& [w, h] : aSizes) {
            FractalPixelOrder o(nOrder, w, h, 1234);
            std::set<std::pair<int, int>> seen;
            int r = 0, c = 0, n = 0;
            while (o.Next(r, c)) {
                ++n;
                ASSERT_TRUE(r >= 0 && r < h && c >= 0 && c < w) << nOrder << ": " << r << "," << c;
                seen.insert({r, c});
            }
            EXPECT_EQ(n, w * h) << "order " << nOrder << " " << w << "x" << h;
            EXPECT_EQ(seen.size(), static_cast<size_t>(w * h)) << "order " << nOrder << " " << w << "x" << h;
        }
}

TEST(FractalPixelOrderTest, InterlacedRowsAndTheSpiralStart)
{
    FractalPixelOrder interlaced(2, 1, 8, 0);
    std::vector<int> rows;
    int r = 0, c = 0;
    while (interlaced.Next(r, c)) rows.push_back(r);
    EXPECT_EQ(rows, (std::vector<int>{0, 6, 2, 4, 3, 5, 1, 7}));

    // From the centre: one row on, one column on, two rows back, two columns back.
    FractalPixelOrder spiral(3, 9, 9, 0);
    std::vector<std::pair<int, int>> path;
    for (int i = 0; i < 7 && spiral.Next(r, c); ++i) path.push_back({r, c});
    EXPECT_EQ(path, (std::vector<std::pair<int, int>>{{4, 4}, {5, 4}, {5, 5}, {4, 5}, {3, 5}, {3, 4}, {3, 3}}));
}

TEST(FractalPixelOrderTest, TheSpiralOfALongThinRectangleCoversItQuickly)
{
    const auto tStart = std::chrono::steady_clock::now();
    for (const auto& [w, h] : {std::pair{1, 20000}, std::pair{20000, 1}, std::pair{2, 20001}}) {
        SCOPED_TRACE(std::to_string(w) + "x" + std::to_string(h));
        FractalPixelOrder o(3, w, h, 0);
        std::vector<bool> aSeen(static_cast<size_t>(w) * h);
        int r = 0, c = 0, n = 0;
        while (o.Next(r, c)) {
            ++n;
            ASSERT_TRUE(r >= 0 && r < h && c >= 0 && c < w) << r << "," << c;
            ASSERT_FALSE(aSeen[static_cast<size_t>(r) * w + c]) << r << "," << c;
            aSeen[static_cast<size_t>(r) * w + c] = true;
        }
        EXPECT_EQ(n, w * h);
    }
    EXPECT_LT(std::chrono::duration<double>(std::chrono::steady_clock::now() - tStart).count(), 5.0);
}

TEST(FractalPixelOrderTest, TheSpiralOfARectangleIsThatOfASquareAroundIt)
{
    // The path from the centre is the same for every size; a rectangle sees
    // the part of it that falls inside.
    constexpr int kSide = 64;
    for (const auto& [w, h] : {std::pair{3, 30}, std::pair{30, 3}, std::pair{7, 12}}) {
        SCOPED_TRACE(std::to_string(w) + "x" + std::to_string(h));
        const int dy = (kSide / 2 - 1) - (h / 2 - 1), dx = kSide / 2 - w / 2;
        FractalPixelOrder oSquare(3, kSide, kSide, 0), oRect(3, w, h, 0);
        std::vector<std::pair<int, int>> aExpected, aPath;
        int r = 0, c = 0;
        while (oSquare.Next(r, c))
            if (r - dy >= 0 && r - dy < h && c - dx >= 0 && c - dx < w) aExpected.push_back({r - dy, c - dx});
        while (oRect.Next(r, c)) aPath.push_back({r, c});
        EXPECT_EQ(aPath, aExpected);
    }
}

TEST(FractalPixelOrderTest, ARandomOrderBeyondTheAddressSpaceDrawsNothing)
{
    int r = 0, c = 0;
    FractalPixelOrder oHuge(4, std::numeric_limits<int>::max(), std::numeric_limits<int>::max(), 0);
    EXPECT_FALSE(oHuge.Next(r, c));
    if constexpr (sizeof(size_t) == 4) {
        // 65536 x 65537 pixels: 2^32 + 65536, which a 32-bit product wraps to 65536.
        FractalPixelOrder oWrapping(4, 65536, 65537, 0);
        EXPECT_FALSE(oWrapping.Next(r, c));
    }
}

class FractalTest : public CanvasTest {
protected:
    std::map<std::pair<int, int>, COLORREF> Picture() const
    {
        std::map<std::pair<int, int>, COLORREF> m;
        for (const auto& p : Painted()) m[p] = Pixel(p.first, p.second);
        return m;
    }
    std::map<std::pair<int, int>, COLORREF> Draw(Entries a)
    {
        Renew();
        G().PaintFractal(5, 5, 40, 30, 0, &a, false);
        return Picture();
    }
};

TEST_F(FractalTest, DefaultPictureFillsItsRectangle)
{
    const COLORREF kGreen = RGB(0, 255, 0);
    FillBox(ScreenDC(), {0, 0, kWidth, kHeight}, kGreen);
    G().PaintFractal(5, 5, 40, 30);
    // Every pixel of the rectangle takes a red or white shade, nothing else
    // changes.
    for (int y = 0; y < kHeight; ++y)
        for (int x = 0; x < kWidth; ++x)
            EXPECT_EQ(Pixel(x, y) == kGreen, x < 5 || x >= 45 || y < 5 || y >= 35) << x << "," << y;
    EXPECT_EQ(G().State()._r4TopV, 1.1F);
    EXPECT_EQ(G().State()._r4LeftV, -1.5F);
}

TEST_F(FractalTest, PixelOrdersDrawTheSamePicture)
{
    Entries a(22);
    const auto reference = Draw(a);
    for (int nOrder = 1; nOrder <= 4; ++nOrder) {
        a = Entries(22);
        a[16] = nOrder;
        EXPECT_EQ(Draw(a), reference) << "order " << nOrder;
    }
    EXPECT_EQ(Draw({-1.1, 1.1, -1.5, 0.5}), reference);  // swapped bounds
}

TEST_F(FractalTest, ColourModeZeroDrawsNothingAndDegenerateSizesDrawSafely)
{
    Entries a(22);
    a[10] = 0;
    a[13] = 0;
    EXPECT_TRUE(Draw(a).empty());
    Renew();
    G().PaintFractal(5, 5, 1, 30).PaintFractal(10, 5, 30, 1).PaintFractal(20, 20, 0, 5);
    EXPECT_EQ(Painted().size(), 30u + 30u);
    a = Entries(22);
    a[6] = 0.0;  // escape limit 0
    EXPECT_EQ(Draw(a).size(), 40u * 30u);
}

TEST_F(FractalTest, ZoomProposesEverSmallerWindowsAndStartsAgain)
{
    Entries a(22);
    a[17] = 3;
    double height = 2.2;
    bool lRestarted = false;
    for (int i = 0; i < 12 && !lRestarted; ++i) {
        G().PaintFractal(5, 5, 40, 30, 0, &a, false);
        const double drawn = G().State()._r4TopV - G().State()._r4BottomV;
        if (i > 0 && drawn > height) lRestarted = true;
        EXPECT_TRUE(i == 0 || lRestarted || std::fabs(height / drawn - 5.0) < 0.5) << i << ": " << height / drawn;
        height = drawn;
    }
    EXPECT_TRUE(lRestarted);
}

TEST_F(FractalTest, ZoomModesProposeDrawAndRepeatWindows)
{
    const float kNext[4] = {0.5F, 0.25F, -0.75F, -0.5F};  // top, bottom, left, right
    struct Case {
        int nMode;
        bool lDrawsProposed;  // draws the painter's proposed window
        bool lProposes;       // leaves a new proposal
    };
    const Case aCases[] = {{0, false, false}, {1, false, true}, {2, true, false}, {3, true, true}};
    for (const Case& c : aCases) {
        Renew();
        Graphics& g = G();
        PainterTestAccess::State(g)._r4Top = kNext[0], PainterTestAccess::State(g)._r4Bottom = kNext[1],
        PainterTestAccess::State(g)._r4Left = kNext[2], PainterTestAccess::State(g)._r4Right = kNext[3];
        Entries a(22);
        a[17] = c.nMode;
        g.PaintFractal(5, 5, 40, 30, 0, &a, false);
        EXPECT_EQ(g.State()._r4TopV, c.lDrawsProposed ? kNext[0] : 1.1F) << c.nMode;
        EXPECT_EQ(g.State()._r4LeftV, c.lDrawsProposed ? kNext[2] : -1.5F) << c.nMode;
        EXPECT_EQ(g.State()._r4Top != kNext[0], c.lProposes) << c.nMode;
    }
    // Mode 4 draws the window drawn last once more.
    Graphics& g = G();
    const float top = g.State()._r4TopV, left = g.State()._r4LeftV;
    Entries a(22);
    a[17] = 4;
    g.PaintFractal(5, 5, 40, 30, 0, &a, false);
    EXPECT_EQ(g.State()._r4TopV, top);
    EXPECT_EQ(g.State()._r4LeftV, left);
}

TEST_F(FractalTest, TheNextWindowIsFramedOnThePicture)
{
    Entries a(22);
    a[17] = 1;
    const auto plain = Draw(a);
    a[20] = 1;
    const auto framed = Draw(a);
    int nFrame = 0;
    for (const auto& [p, c] : framed) {
        const auto it = plain.find(p);
        if (it != plain.end() && it->second == c) continue;
        ++nFrame;
        EXPECT_TRUE(c == RGB(0, 0, 0) || c == kWhite) << p.first << "," << p.second;
    }
    EXPECT_GT(nFrame, 10);
}

TEST_F(FractalTest, OnlyThePartOnTheCanvasIsWorkedThrough)
{
    // The same picture as a whole on a canvas of its size and as its part on
    // the small canvas.
    gMemory oLarge(2, 200, 150);
    oLarge._oGraphics->PaintFractal(0, 0, 200, 150);
    G().PaintFractal(-60, -40, 200, 150);
    for (int y = 0; y < kHeight; ++y)
        for (int x = 0; x < kWidth; ++x)
            ASSERT_EQ(Pixel(x, y), GetPixel(oLarge.GetMemoryDC(), x + 60, y + 40)) << x << "," << y;
    // A rectangle of a billion pixels a side, in every pixel order: its corner
    // on the canvas is drawn and the call returns.
    const COLORREF kGreen = RGB(0, 255, 0);
    for (int nOrder = 0; nOrder <= 4; ++nOrder) {
        Renew();
        FillBox(ScreenDC(), {0, 0, kWidth, kHeight}, kGreen);
        Entries a(22);
        a[16] = nOrder;
        G().PaintFractal(-1e9 + 32, -1e9 + 24, 1e9, 1e9, 0, &a, false);
        for (int y = 0; y < kHeight; ++y)
            for (int x = 0; x < kWidth; ++x)
                ASSERT_EQ(Pixel(x, y) == kGreen, x >= 32 || y >= 24) << "order " << nOrder << ": " << x << "," << y;
    }
}

TEST_F(FractalTest, InterruptibleOnAMemoryDeviceDispatchesNothing)
{
    PostThreadMessageA(GetCurrentThreadId(), WM_USER + 7, 0, 0);
    G().PaintFractal(5, 5, 10, 10, 0, nullptr, true);
    MSG msg;
    EXPECT_TRUE(PeekMessageA(&msg, nullptr, WM_USER + 7, WM_USER + 7, PM_REMOVE));
}

}  // namespace
