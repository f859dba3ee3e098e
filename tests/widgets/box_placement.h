// What the placement tests of the message and wait boxes share: owners in
// the middle of the work area, across each of its edges and in a corner, and
// texts short, tall and with a word wider than the screen. A box lies wholly
// inside the work area (so its caption shows) and is centred over its owner,
// over the work area without one, as far as the work area lets it.
#pragma once

#include <windows.h>

#include <functional>
#include <gtest/gtest.h>
#include <memory>
#include <string>

#include "platform/framework/appwindow.h"

namespace box_placement {

inline RECT WorkArea()
{
    RECT area{};
    SystemParametersInfoA(SPI_GETWORKAREA, 0, &area, 0);
    return area;
}

inline RECT ScreenRect(HWND hwnd)
{
    RECT rect{};
    GetWindowRect(hwnd, &rect);
    return rect;
}

// Centred on the axis (by one pixel), or pushed against an edge of the work
// area because the centred place lies beyond it.
inline void ExpectCentredOrAtAnEdge(const char* axis, int low, int high, int centre, int areaLow, int areaHigh)
{
    if (low == areaLow || high == areaHigh) return;
    EXPECT_NEAR((low + high) / 2.0, centre, 1.0) << axis;
}

// Makes a box with the owner (null: none) and the text.
using BoxMaker = std::function<std::unique_ptr<Window>(Window* owner, const std::string& text)>;

inline void ExpectBoxesInsideTheWorkArea(const BoxMaker& make)
{
    const RECT area = WorkArea();
    const struct {
        const char* name;
        bool owned;
        RECT owner;  // screen pixels: left, top, right, bottom
    } owners[] = {
        {"no owner", false, {}},
        {"owner in the middle", true, {area.left + 200, area.top + 150, area.right - 200, area.bottom - 150}},
        {"owner across the left edge", true, {area.left - 300, area.top + 200, area.left + 300, area.top + 600}},
        {"owner across the right edge", true, {area.right - 300, area.top + 200, area.right + 300, area.top + 600}},
        {"owner across the top edge", true, {area.left + 300, area.top - 250, area.left + 900, area.top + 150}},
        {"owner across the bottom edge",
         true,
         {area.left + 300, area.bottom - 150, area.left + 900, area.bottom + 250}},
        {"small owner in the top-left corner", true, {area.left, area.top, area.left + 160, area.top + 120}},
    };
    std::string tall;
    for (int n = 1; n <= 100; ++n) tall += "Line " + std::to_string(n) + "\r\n";
    const struct {
        const char* name;
        std::string text;
    } texts[] = {
        {"short text", "Please wait."},
        {"tall text", tall},
        {"word wider than the screen", "A word " + std::string(400, 'W') + " in a text."},
    };
    for (const auto& o : owners) {
        TopAppWindow owner;
        const RECT& r = o.owner;
        SetWindowPos(owner.Handle(), nullptr, r.left, r.top, r.right - r.left, r.bottom - r.top,
                     SWP_NOZORDER | SWP_NOACTIVATE);
        for (const auto& t : texts) {
            SCOPED_TRACE(std::string(o.name) + ", " + t.name);
            const std::unique_ptr<Window> box = make(o.owned ? &owner : nullptr, t.text);
            ASSERT_TRUE(box->Handle());
            const RECT rect = ScreenRect(box->Handle());
            EXPECT_GE(rect.left, area.left);
            EXPECT_GE(rect.top, area.top);
            EXPECT_LE(rect.right, area.right);
            EXPECT_LE(rect.bottom, area.bottom);
            const RECT centre = o.owned ? ScreenRect(owner.Handle()) : area;
            ExpectCentredOrAtAnEdge("x", rect.left, rect.right, (centre.left + centre.right) / 2, area.left,
                                    area.right);
            ExpectCentredOrAtAnEdge("y", rect.top, rect.bottom, (centre.top + centre.bottom) / 2, area.top,
                                    area.bottom);
        }
    }
}

}  // namespace box_placement
