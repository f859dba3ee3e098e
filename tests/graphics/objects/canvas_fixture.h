#pragma once
// A memory device to draw figures on and read back their pixels, in the
// painter's upward device coordinates.
#include <gtest/gtest.h>
#include <windows.h>

#include <algorithm>
#include <memory>
#include <set>
#include <string>
#include <utility>

#include "graphics/core/graphics.h"
#include "graphics/windows/gmemory.h"

class CanvasTest : public ::testing::Test {
protected:
    static constexpr int kWidth = 64;
    static constexpr int kHeight = 48;
    static constexpr COLORREF kWhite = RGB(255, 255, 255);

    CanvasTest() { Renew(); }

    // A new device with a new painter in its initial state, all white.
    void Renew()
    {
        oMemory = std::make_unique<gMemory>(2, kWidth, kHeight);
        Clear();
    }
    Graphics& G() { return *oMemory->_oGraphics; }

    // Fills the whole canvas white, in device units as the painter does.
    void Clear() { FillBox(ScreenDC(), {0, 0, kWidth, kHeight}, kWhite); }
    HDC ScreenDC() const { return oMemory->GetMemoryDC(); }
    COLORREF Pixel(int x, int y) const { return GetPixel(ScreenDC(), x, y); }

    // Every pixel that is not white.
    std::set<std::pair<int, int>> Painted() const
    {
        std::set<std::pair<int, int>> s;
        for (int y = 0; y < kHeight; ++y)
            for (int x = 0; x < kWidth; ++x)
                if (Pixel(x, y) != kWhite) s.insert({x, y});
        return s;
    }
    // The bounding box of the painted pixels as "left,bottom-right,top" (all
    // inclusive), or "none".
    std::string PaintedBox() const
    {
        const auto s = Painted();
        if (s.empty()) return "none";
        int l = kWidth, b = kHeight, r = -1, t = -1;
        for (const auto& [x, y] : s) {
            l = std::min(l, x);
            r = std::max(r, x);
            b = std::min(b, y);
            t = std::max(t, y);
        }
        return std::to_string(l) + "," + std::to_string(b) + "-" + std::to_string(r) + "," + std::to_string(t);
    }

    // The canvas as text rows from the top, "." white, "#" other, for messages.
    std::string Picture(int l, int b, int r, int t) const
    {
        std::string s;
        for (int y = t; y >= b; --y) {
            for (int x = l; x <= r; ++x) s += Pixel(x, y) == kWhite ? '.' : (Pixel(x, y) == RGB(255, 0, 0) ? '#' : 'o');
            s += '\n';
        }
        return s;
    }

    std::unique_ptr<gMemory> oMemory;
};
