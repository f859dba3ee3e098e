// Split windows: panes in a grid, splitter bars dragged by the mouse.
#include <gtest/gtest.h>

#include "platform/framework/splitwindow.h"

namespace {

RECT RectIn(HWND window, HWND parent)
{
    RECT rect{};
    GetWindowRect(window, &rect);
    MapWindowPoints(nullptr, parent, reinterpret_cast<POINT*>(&rect), 2);
    return rect;
}

class SplitTest : public ::testing::Test {
protected:
    SplitTest() : split(&frame), left(&split), right(&split)
    {
        frame.SetSize({600, 400});
        frame.Show();
        split.SetLayout({2, 1});
        split.SetPaneClient(&left, 1);
        split.SetPaneClient(&right, 2);
        MoveWindow(split.Handle(), 0, 0, 400, 200, TRUE);
        split.Show();
    }
    struct Split : SplitWindow {
        using SplitWindow::SplitWindow;
        void SplitterReleased() override { ++releases; }
        int releases = 0;
    };
    TopAppWindow frame;
    Split split;
    ChildAppWindow left;
    ChildAppWindow right;
};

TEST_F(SplitTest, PanesShareTheCanvasAcrossTheBar)
{
    EXPECT_EQ(split.Layout(), Dimension(2, 1));
    EXPECT_EQ(split.GetPaneClient(1), &left);
    EXPECT_EQ(split.GetPaneClient(3), nullptr);
    int width = split.CanvasArea().Width();
    RECT first = RectIn(left.Handle(), split.Handle());
    RECT second = RectIn(right.Handle(), split.Handle());
    EXPECT_EQ(first.left, 0);
    EXPECT_EQ(first.right, width / 2 - SplitWindow::kBarSize / 2);
    EXPECT_EQ(second.left, width / 2 + SplitWindow::kBarSize / 2);
    EXPECT_EQ(second.right, width);
    EXPECT_EQ(first.bottom - first.top, split.CanvasArea().Height());
}

TEST_F(SplitTest, DraggingTheBarResizesThePanesAndReportsTheRelease)
{
    HWND bar = GetWindow(split.Handle(), GW_CHILD);
    while (bar && (ObjectOfWindowHandle(bar) == &left || ObjectOfWindowHandle(bar) == &right))
        bar = GetWindow(bar, GW_HWNDNEXT);
    ASSERT_NE(dynamic_cast<SplitView*>(ObjectOfWindowHandle(bar)), nullptr);

    // Press on the bar, release it 100 pixels from the split window's left edge.
    POINT to{100, 10};
    MapWindowPoints(split.Handle(), bar, &to, 1);
    SendMessageA(bar, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(1, 10));
    SendMessageA(bar, WM_LBUTTONUP, 0, MAKELPARAM(to.x, to.y));
    EXPECT_EQ(split.releases, 1);
    EXPECT_EQ(RectIn(left.Handle(), split.Handle()).right, 100 - SplitWindow::kBarSize / 2);
    EXPECT_EQ(RectIn(bar, split.Handle()).left, 100 - SplitWindow::kBarSize / 2);

    // A bar is never dragged past the window's edge.
    to = {-50, 10};
    MapWindowPoints(split.Handle(), bar, &to, 1);
    SendMessageA(bar, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(1, 10));
    SendMessageA(bar, WM_LBUTTONUP, 0, MAKELPARAM(static_cast<WORD>(to.x), to.y));
    EXPECT_GE(RectIn(left.Handle(), split.Handle()).right, 0);
    EXPECT_GE(RectIn(bar, split.Handle()).left, 0);
}

TEST(SplitWindowTest, BarsThatMayNotBeDraggedStay)
{
    TopAppWindow frame;
    SplitWindow split(&frame, true, false);
    split.SetLayout({1, 2});
    MoveWindow(split.Handle(), 0, 0, 300, 300, TRUE);
    HWND bar = GetWindow(split.Handle(), GW_CHILD);
    RECT before = RectIn(bar, split.Handle());
    SendMessageA(bar, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(10, 1));
    SendMessageA(bar, WM_LBUTTONUP, 0, MAKELPARAM(10, 60));
    RECT after = RectIn(bar, split.Handle());
    EXPECT_EQ(after.top, before.top);
}

}  // namespace
