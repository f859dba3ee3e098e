// The window's own scroll bars, scroll events and erasing the canvas.
#include <gtest/gtest.h>

#include "platform/framework/app.h"
#include "platform/framework/appwindow.h"

namespace {

class ScrollingWindow : public TopAppWindow {
public:
    void VerticalScroll(ScrollEvent& event) override { scrolls.push_back(event); }
    std::vector<ScrollEvent> scrolls;
};

TEST(ScrollTest, RequestsMoveTheThumbWithinTheRange)
{
    TopAppWindow window;
    WindowScrollBar* bar = window.EnableHorizontalScroll(true);
    ASSERT_NE(bar, nullptr);
    EXPECT_EQ(bar->Range(), std::make_pair(0, 100));
    struct Case {
        int from;
        WORD request;
        WORD track;
        int to;
    };
    const Case cases[] = {
        {50, SB_LINEUP, 0, 49},      {50, SB_LINEDOWN, 0, 51},     {50, SB_PAGEUP, 0, 40},    {50, SB_PAGEDOWN, 0, 60},
        {50, SB_THUMBTRACK, 77, 77}, {50, SB_THUMBPOSITION, 3, 3}, {50, SB_TOP, 0, 0},        {50, SB_BOTTOM, 0, 100},
        {50, SB_ENDSCROLL, 0, 50},   {0, SB_LINEUP, 0, 0},         {95, SB_PAGEDOWN, 0, 100},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.request);
        bar->SetThumbPosition(c.from);
        EXPECT_EQ(bar->PositionAfter(c.request, c.track), c.to);
    }
}

TEST(ScrollTest, OwnBarsMoveAndReportTheirScrolling)
{
    ScrollingWindow window;
    WindowScrollBar* bar = window.EnableVerticalScroll(true);
    bar->SetThumbPosition(100);
    SendMessageA(window.Handle(), WM_VSCROLL, SB_LINEUP, 0);
    SendMessageA(window.Handle(), WM_VSCROLL, SB_ENDSCROLL, 0);
    ASSERT_EQ(window.scrolls.size(), 2u);
    EXPECT_TRUE(window.scrolls[0].IsWindowScroll());
    EXPECT_EQ(window.scrolls[0].Position(), 99);
    EXPECT_EQ(window.scrolls[0].ScrollType(), 1);
    EXPECT_EQ(window.scrolls[1].Position(), 99);
    EXPECT_EQ(window.scrolls[1].ScrollType(), 0);
    EXPECT_EQ(bar->ThumbPosition(), 99);

    EXPECT_EQ(window.EnableVerticalScroll(false), nullptr);
    SendMessageA(window.Handle(), WM_VSCROLL, SB_LINEUP, 0);
    EXPECT_EQ(window.scrolls.size(), 2u);
}

TEST(ScrollTest, CanvasEraseFillsTheCanvasWithTheBackground)
{
    TopAppWindow window;
    window.SetSize({200, 150});
    window.Show();
    ApplicationExec();
    window.SetBackground(Brush(Color(255, 0, 0)));
    window.CanvasErase();
    HDC dc = GetDC(window.Handle());
    EXPECT_EQ(GetPixel(dc, 5, 5), RGB(255, 0, 0));
    ReleaseDC(window.Handle(), dc);
}

}  // namespace
