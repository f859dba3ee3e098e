#include "lib/placement.h"

#include <windows.h>

#include <algorithm>
#include <cmath>
#include <gtest/gtest.h>
#include <optional>

#include "platform/framework/appwindow.h"

namespace {

struct PlaceCase {
    const char* what;
    int x, y;
    std::optional<int> width, height;
    bool fromTop;
    // Expected origin and size; -1 stands for "area less the window's extent".
    // The system keeps a captioned window at least as wide as its minimum
    // tracking width.
    int ex, ey, ew, eh;
};

TEST(FenAufFenPositionieren, KeepsTheWindowInsideTheScreen)
{
    const int screenW = GetMonitorWidth();
    const int screenH = GetMonitorHeight();
    ASSERT_EQ(screenW, GetFirstMonitorWidth());  // one monitor here
    ASSERT_EQ(screenH, GetFirstMonitorHeight());
    const PlaceCase cases[] = {
        {"inside", 40, 30, 300, 200, false, 40, 30, 300, 200},
        {"left of the screen", -20, 30, 300, 200, false, 0, 30, 300, 200},
        {"right of the screen", 5000, 30, 300, 200, false, -1, 30, 300, 200},
        {"too narrow and too high", 40, 30, 50, 5000, false, 40, 0, 100, screenH},
        {"wider than the screen", 40, 30, 5000, 200, false, 0, 30, screenW, 200},
        {"from the top", 40, 0, 300, 200, true, 40, -1, 300, 200},
        {"size kept", 40, 30, std::nullopt, std::nullopt, false, 40, 30, 300, 200},
    };
    TopAppWindow window;
    for (const auto& c : cases) {
        window.SetSize(Dimension(300, 200));
        FenAufFenPositionieren(window, c.x, c.y, c.width, c.height, c.fromTop);
        const Dimension size = window.Size();
        EXPECT_EQ(size, Dimension(std::max(c.ew, GetSystemMetrics(SM_CXMINTRACK)), c.eh)) << c.what;
        const Point origin = window.Origin();
        EXPECT_EQ(origin.x, c.ex < 0 ? screenW - size.width : c.ex) << c.what;
        EXPECT_EQ(origin.y, c.ey < 0 ? screenH - size.height : c.ey) << c.what;
    }
}

TEST(FenAufFenPositionieren, PlacesInsideTheOwnersCanvas)
{
    TopAppWindow owner;
    owner.SetSize(Dimension(640, 480));
    TopAppWindow window(&owner);
    const BoundingBox canvas = owner.CanvasArea();
    FenAufFenPositionieren(window, 5000, 5000, 200, 150);
    EXPECT_EQ(window.Size(), Dimension(200, 150));
    EXPECT_EQ(window.Origin(), Point(canvas.Width() - 200, canvas.Height() - 150));
}

TEST(FenAufFenZentrieren, CentresOnTheOwnerOrTheScreen)
{
    const int caption = GetSystemMetrics(SM_CYCAPTION);
    TopAppWindow owner;
    owner.SetSize(Dimension(1000, 800));
    TopAppWindow owned(&owner);
    owned.SetSize(Dimension(400, 300));
    owner.SetOrigin(Point(70, 90));
    FenAufFenZentrieren(owned);
    // Measured from the lower-left corner of the owner's canvas.
    RECT canvas{};
    GetClientRect(owner.Handle(), &canvas);
    POINT corner{0, canvas.bottom};
    ClientToScreen(owner.Handle(), &corner);
    EXPECT_EQ(owned.Origin(),
              Point(corner.x + 500 - 200, GetSystemMetrics(SM_CYSCREEN) - corner.y +
                                              static_cast<int>(std::lround((800 - caption) / 2.0)) - 150));

    TopAppWindow alone;
    alone.SetSize(Dimension(400, 300));
    FenAufFenZentrieren(alone);
    EXPECT_EQ(alone.Origin(), Point(GetFirstMonitorWidth() / 2 - 200,
                                    static_cast<int>(std::lround((GetFirstMonitorHeight() - caption) / 2.0)) - 150));
}

TEST(FenZentrieren, CentresOnThePrimaryMonitorInScreenCoordinates)
{
    TopAppWindow window;
    window.SetSize(Dimension(401, 301));
    FenZentrieren(window);
    RECT rect{};
    GetWindowRect(window.Handle(), &rect);
    EXPECT_EQ(rect.left, GetFirstMonitorWidth() / 2 - 200);
    EXPECT_EQ(rect.top, GetFirstMonitorHeight() / 2 - 150);
    EXPECT_EQ(rect.right - rect.left, 401);
    EXPECT_EQ(rect.bottom - rect.top, 301);
}

TEST(CentreInWorkArea, CentresOverTheOwnerOrTheWorkAreaAndStaysInside)
{
    const RECT area = GetWorkArea();
    TopAppWindow owner;
    SetWindowPos(owner.Handle(), nullptr, area.left + 100, area.top + 100, 600, 400, SWP_NOZORDER | SWP_NOACTIVATE);
    TopAppWindow box(&owner);
    const auto place = [&box](int width, int height) {
        SetWindowPos(box.Handle(), nullptr, 0, 0, width, height, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
        CentreInWorkArea(box);
        RECT rect{};
        GetWindowRect(box.Handle(), &rect);
        return rect;
    };
    RECT rect = place(200, 100);
    EXPECT_EQ(rect.left, area.left + 300);
    EXPECT_EQ(rect.top, area.top + 250);
    // Centred on the owner, the box would lie above and left of the area.
    rect = place(600, 700);
    EXPECT_EQ(rect.left, area.left + 100);
    EXPECT_EQ(rect.top, area.top);
    // Larger than the area: its top-left corner, with the caption, inside.
    const int width = area.right - area.left, height = area.bottom - area.top;
    rect = place(width + 20, height + 20);
    EXPECT_EQ(rect.left, area.left);
    EXPECT_EQ(rect.top, area.top);
    // A minimised owner: over the middle of the work area.
    ShowWindow(owner.Handle(), SW_SHOWMINNOACTIVE);
    ASSERT_TRUE(IsIconic(owner.Handle()));
    rect = place(200, 100);
    EXPECT_EQ(rect.left, area.left + width / 2 - 100);
    EXPECT_EQ(rect.top, area.top + height / 2 - 50);
}

}  // namespace
