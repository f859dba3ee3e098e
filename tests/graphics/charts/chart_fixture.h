#pragma once
// The data painters' tests draw on a 400 x 400 memory device with world
// factor 1 (world units are pixels, y upward) and probe its pixels. The
// standard chart has its origin at (100, 100); its x axis maps the values 0
// to 10 onto 200 units (value v at x = 100 + 20 v), its y axis the values 0
// to 100 onto 100 units (value v at y = 100 + v).
#include <windows.h>

#include <algorithm>
#include <utility>
#include <vector>

#include <gtest/gtest.h>

#include "graphics/charts/chart_definition.h"
#include "graphics/core/graphics.h"
#include "graphics/painter_access.h"
#include "graphics/test_device.h"

namespace charttest {

using Elements = std::vector<std::pair<std::size_t, Value>>;

constexpr double kX0 = 100, kY0 = 100;
constexpr COLORREF kWhite = RGB(255, 255, 255);
constexpr COLORREF kRed = RGB(230, 0, 0), kGreen = RGB(0, 180, 0), kBlue = RGB(0, 0, 230), kYellow = RGB(230, 230, 0),
                   kCyan = RGB(0, 200, 200), kMagenta = RGB(200, 0, 200), kOutline = RGB(90, 60, 30);

inline double Px(double v)
{
    return kX0 + 20 * v;
}
inline double Py(double v)
{
    return kY0 + v;
}

inline Value Colour(COLORREF c)
{
    return Value::Color{static_cast<std::uint32_t>(c)};
}

// A chart definition array as the empty chart leaves it: the standard chart
// with the elements given.
inline Array Def(const Elements& elements = {})
{
    Array aDef(59);
    const Elements standard = {{1, 0},
                               {2, 200},
                               {3, 0},
                               {4, 10},
                               {5, 1},
                               {25, 0},
                               {26, 100},
                               {27, 0},
                               {28, 100},
                               {29, 10},
                               {12, Colour(kOutline)}};
    for (const auto& [i, v] : standard) aDef[i] = v;
    for (const auto& [i, v] : elements) aDef[i] = v;
    charts::ValidateChartDefinition(aDef, {0, 0, 0});
    return aDef;
}

class ChartTest : public ::testing::Test {
protected:
    ChartTest() { Clear(); }

    void Clear() { PatBlt(oDevice.DC(), -10, -10, 420, 420, WHITENESS); }
    COLORREF Pixel(double x, double y) const { return oDevice.Pixel(static_cast<int>(x), static_cast<int>(y)); }
    // A pixel of the colour within `r` of (x, y).
    bool ColourNear(double x, double y, COLORREF colour, int r = 1) const
    {
        for (int i = static_cast<int>(x) - r; i <= static_cast<int>(x) + r; ++i)
            for (int j = static_cast<int>(y) - r; j <= static_cast<int>(y) + r; ++j)
                if (oDevice.Pixel(i, j) == colour) return true;
        return false;
    }
    // The box of the pixels of the colour in x1..x2, y1..y2 (empty: left > right).
    RECT Extent(COLORREF colour, int x1 = 0, int y1 = 0, int x2 = 399, int y2 = 399) const
    {
        RECT box{400, 400, -1, -1};
        for (int x = x1; x <= x2; ++x)
            for (int y = y1; y <= y2; ++y)
                if (oDevice.Pixel(x, y) == colour) {
                    box.left = std::min<LONG>(box.left, x);
                    box.right = std::max<LONG>(box.right, x);
                    box.top = std::min<LONG>(box.top, y);
                    box.bottom = std::max<LONG>(box.bottom, y);
                }
        return box;
    }
    int Count(COLORREF colour) const
    {
        int n = 0;
        for (int x = 0; x < 400; ++x)
            for (int y = 0; y < 400; ++y) n += oDevice.Pixel(x, y) == colour;
        return n;
    }
    PainterState& State() { return PainterTestAccess::State(g); }

    TestDevice oDevice{2, 400, 400};
    Graphics g{oDevice, 400, 400};
};

// Two drawings compared pixel by pixel.
inline bool SamePixels(const TestDevice& a, const TestDevice& b, int width = 400, int height = 400)
{
    for (int x = 0; x < width; ++x)
        for (int y = 0; y < height; ++y)
            if (a.Pixel(x, y) != b.Pixel(x, y)) return false;
    return true;
}

}  // namespace charttest
