// The scroll window: a canvas larger than the window, its own scroll bars,
// scrolling and exposing served from the refresh bitmap.
#include "graphics/windows/gscrollwindow.h"

#include <gtest/gtest.h>

#include <vector>

#include "graphics/core/colors.h"
#include "graphics/windows/gkitbutton.h"
#include "platform/framework/app.h"

namespace {

// Paints the canvas as a checkerboard of 50-pixel squares in changing colours,
// so that every shift shows.
class Board : public gScrollWindow {
public:
    using gScrollWindow::gScrollWindow;
    void Paint() override
    {
        ++nPaints;
        Graphics& g = *_oGraphics;
        for (int x = 0; x < CanvasWidth(); x += 50)
            for (int y = 0; y < CanvasHeight(); y += 50)
                g.SetLineColor((x / 50 + 3 * (y / 50)) % 14 + 1)
                    .SetFillColor((x / 50 + 3 * (y / 50)) % 14 + 1)
                    .PaintRectangle(x, y, 50, 50, 1);
    }
    int nPaints = 0;
};

class ScrollWindowTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        oOwner.SetSize({1400, 1100});
        oOwner.Show();
    }
    // A board with a canvas of w x h whose visible area (without bars) is vw x vh.
    void Make(int w, int h, int vw, int vh, bool lBars) { Make(w, h, vw, vh, lBars, lBars); }
    void Make(int w, int h, int vw, int vh, bool lVertical, bool lHorizontal)
    {
        oWindow = std::make_unique<Board>(&oOwner, w, h);
        oWindow->SetOrigin({0, 0});
        SetVisible(vw, vh, lVertical, lHorizontal);
        oWindow->Show();
        Settle();
    }
    void SetVisible(int vw, int vh, bool lBars) { SetVisible(vw, vh, lBars, lBars); }
    // The window's size for a visible area of vw x vh beside a vertical and
    // under a horizontal bar.
    void SetVisible(int vw, int vh, bool lVertical, bool lHorizontal)
    {
        const int cx = lVertical ? GetSystemMetrics(SM_CXVSCROLL) : 0;
        const int cy = lHorizontal ? GetSystemMetrics(SM_CYHSCROLL) : 0;
        oWindow->SetSize({vw + cx, vh + cy});
    }
    void Settle()
    {
        UpdateWindow(oWindow->Handle());
        ApplicationExec();
    }
    void Scroll(UINT nMessage, WORD nRequest, int nPosition)
    {
        SendMessageA(oWindow->Handle(), nMessage, MAKEWPARAM(nRequest, nPosition), 0);
    }
    POINT Offsets() const
    {
        const PainterState& g = oWindow->_oGraphics->State();
        return {g._nScrollOffsX, g._nScrollOffsY};
    }
    COLORREF WindowPixel(int x, int y) const
    {
        HDC hDC = GetDC(oWindow->Handle());
        RECT r;
        GetClientRect(oWindow->Handle(), &r);
        const COLORREF c = GetPixel(hDC, x, r.bottom - 1 - y);
        ReleaseDC(oWindow->Handle(), hDC);
        return c;
    }
    // The view shows the canvas shifted by the offsets, at a grid of probes.
    void ExpectViewShowsCanvas() const
    {
        const POINT o = Offsets();
        const SIZE v = oWindow->VisibleArea();
        HDC hCanvas = oWindow->_oGraphics->State()._oRefreshCanvas.DC();
        for (int x = 7; x < v.cx; x += 61)
            for (int y = 5; y < v.cy; y += 47)
                EXPECT_EQ(WindowPixel(x, y), GetPixel(hCanvas, x + o.x, y + o.y)) << x << ", " << y;
    }

    // The view shows the canvas shifted by the offsets where it lies under
    // the view, and the background beyond it, at a dense grid of probes.
    void ExpectViewMatchesCanvas() const
    {
        const POINT o = Offsets();
        const SIZE v = oWindow->VisibleArea();
        HDC hCanvas = oWindow->_oGraphics->State()._oRefreshCanvas.DC();
        const COLORREF nBackground = oWindow->_oGraphics->State()._nBackgrColor;
        int nMismatches = 0;
        for (int x = 3; x < v.cx; x += 17) {
            for (int y = 2; y < v.cy; y += 13) {
                const bool lCanvas = x + o.x < oWindow->CanvasWidth() && y + o.y < oWindow->CanvasHeight();
                const COLORREF nExpected = lCanvas ? GetPixel(hCanvas, x + o.x, y + o.y) : nBackground;
                if (WindowPixel(x, y) != nExpected && nMismatches++ < 5)
                    ADD_FAILURE() << "view " << x << ", " << y << (lCanvas ? " on" : " beyond") << " the canvas";
            }
        }
        EXPECT_EQ(nMismatches, 0);
    }

    // A figure over the canvas's top-right corner, drawn outside Paint.
    void PaintOverTheCorner()
    {
        oWindow->_oGraphics->SetLineColor(16).SetFillColor(16).PaintRectangle(oWindow->CanvasWidth() - 30,
                                                                              oWindow->CanvasHeight() - 20, 90, 60, 1);
    }

    // The pixels along the middle of the window's horizontal bar.
    std::vector<COLORREF> BarPixels() const
    {
        SCROLLBARINFO oInfo{};
        oInfo.cbSize = sizeof oInfo;
        GetScrollBarInfo(oWindow->Handle(), OBJID_HSCROLL, &oInfo);
        RECT rWindow;
        GetWindowRect(oWindow->Handle(), &rWindow);
        const RECT& r = oInfo.rcScrollBar;
        HDC hDC = GetWindowDC(oWindow->Handle());
        std::vector<COLORREF> aPixels;
        for (int x = r.left; x < r.right; ++x)
            aPixels.push_back(GetPixel(hDC, x - rWindow.left, (r.top + r.bottom) / 2 - rWindow.top));
        ReleaseDC(oWindow->Handle(), hDC);
        return aPixels;
    }

    TopAppWindow oOwner;
    std::unique_ptr<Board> oWindow;
};

TEST_F(ScrollWindowTest, ALargeCanvasScrollsByItsBarsWithoutPainting)
{
    Make(1000, 800, 400, 300, true);
    ASSERT_EQ(oWindow->VisibleArea().cx, 400);
    ASSERT_EQ(oWindow->VisibleArea().cy, 300);
    ASSERT_NE(oWindow->HorizontalBar(), nullptr);
    ASSERT_NE(oWindow->VerticalBar(), nullptr);
    EXPECT_EQ(oWindow->HorizontalBar()->ThumbPosition(), 0);
    EXPECT_EQ(oWindow->VerticalBar()->ThumbPosition(), 100);
    EXPECT_EQ(Offsets().x, 0);
    EXPECT_EQ(Offsets().y, 0);
    EXPECT_EQ(oWindow->nPaints, 1);
    ExpectViewShowsCanvas();

    Scroll(WM_HSCROLL, SB_THUMBPOSITION, 50);
    Scroll(WM_VSCROLL, SB_THUMBPOSITION, 25);
    EXPECT_EQ(Offsets().x, 300);
    EXPECT_EQ(Offsets().y, 375);
    EXPECT_EQ(oWindow->nPaints, 1) << "scrolling copies from the refresh bitmap";
    ExpectViewShowsCanvas();

    // The end of a scroll, and a scroll to the position already applied, change nothing.
    Scroll(WM_HSCROLL, SB_ENDSCROLL, 0);
    Scroll(WM_HSCROLL, SB_THUMBPOSITION, 50);
    EXPECT_EQ(Offsets().x, 300);

    // A new full paint shows the same part again.
    oWindow->PaintNew();
    EXPECT_EQ(oWindow->nPaints, 2);
    EXPECT_EQ(Offsets().x, 300);
    ExpectViewShowsCanvas();
}

TEST_F(ScrollWindowTest, TheThumbMovesAtOnceAndIsDrawnSoonAfter)
{
    Make(1000, 800, 400, 300, true);
    std::vector<COLORREF> aDrawn = BarPixels();
    ASSERT_FALSE(aDrawn.empty());
    for (const WORD nRequest : {WORD(SB_THUMBPOSITION), WORD(SB_LINEDOWN), WORD(SB_PAGEUP)}) {
        SCOPED_TRACE(nRequest);
        const int nExpected = nRequest == SB_THUMBPOSITION ? 50 : nRequest == SB_LINEDOWN ? 51 : 41;
        Scroll(WM_HSCROLL, nRequest, 50);
        EXPECT_EQ(oWindow->HorizontalBar()->ThumbPosition(), nExpected);
        EXPECT_EQ(Offsets().x, 6 * nExpected);
        ExpectViewShowsCanvas();
        // The bar shows the new place once the messages that follow are dispatched.
        const std::vector<COLORREF> aBefore = aDrawn;
        for (int i = 0; i < 400 && aDrawn == aBefore; ++i) {
            Sleep(5);
            ApplicationExec();
            aDrawn = BarPixels();
        }
        EXPECT_NE(aDrawn, aBefore);
        // A full redraw of the frame draws the bar the same.
        RedrawWindow(oWindow->Handle(), nullptr, nullptr, RDW_FRAME | RDW_INVALIDATE | RDW_UPDATENOW);
        EXPECT_EQ(BarPixels(), aDrawn);
    }
    EXPECT_EQ(oWindow->nPaints, 1);
}

TEST_F(ScrollWindowTest, OnlyANewPositiveCanvasSizeResetsTheScrollState)
{
    Make(1000, 800, 400, 300, true);
    Scroll(WM_HSCROLL, SB_THUMBPOSITION, 50);
    for (const int nWidth : {0, -5, 1000}) {
        oWindow->PaintNew(nWidth, {});
        EXPECT_EQ(oWindow->CanvasWidth(), 1000) << nWidth;
        EXPECT_EQ(Offsets().x, 300) << nWidth;
    }
    oWindow->PaintNew(1500, {});
    EXPECT_EQ(oWindow->CanvasWidth(), 1500);
    EXPECT_EQ(Offsets().x, 0);
    EXPECT_EQ(oWindow->HorizontalBar()->ThumbPosition(), 0);
    EXPECT_EQ(oWindow->VerticalBar()->ThumbPosition(), 100);
}

TEST_F(ScrollWindowTest, AWindowLargerThanItsCanvasHasNoBarsAndShowsTheCanvasInItsCorner)
{
    Make(1000, 800, 400, 300, true);
    Scroll(WM_HSCROLL, SB_THUMBPOSITION, 50);
    SetVisible(1200, 900, false);
    Settle();
    EXPECT_EQ(oWindow->HorizontalBar(), nullptr);
    EXPECT_EQ(oWindow->VerticalBar(), nullptr);
    EXPECT_EQ(Offsets().x, 0);
    EXPECT_EQ(Offsets().y, 0);
    oWindow->PaintNew();
    EXPECT_EQ(WindowPixel(10, 10), ChangeNum2Rgb(1)) << "the canvas is shown after painting";
    EXPECT_EQ(WindowPixel(1100, 10), oWindow->_oGraphics->State()._nBackgrColor) << "the background beyond it";
}

// Canvases smaller, as large as and larger than the 400 x 300 view in each
// direction: the view shows the canvas from its lower-left corner (shifted by
// the offsets) and the background beyond it, on the first show, after a full
// repaint, after an expose, and at every scroll position, where a figure
// drawn outside the window's Paint lands in the window as in the bitmap, and
// nothing of one reaching beyond the canvas shows beyond it.
TEST_F(ScrollWindowTest, TheViewShowsTheCanvasAtItsPlaceWhateverTheirSizes)
{
    const SIZE aCanvases[] = {{200, 150}, {1000, 200}, {200, 800}, {400, 300}, {1000, 800}};
    for (const SIZE c : aCanvases) {
        SCOPED_TRACE(testing::Message() << "canvas " << c.cx << " x " << c.cy);
        Make(c.cx, c.cy, 400, 300, c.cy > 300, c.cx > 400);
        ASSERT_EQ(oWindow->VisibleArea().cx, 400);
        ASSERT_EQ(oWindow->VisibleArea().cy, 300);
        {
            SCOPED_TRACE("first show");
            ExpectViewMatchesCanvas();
            PaintOverTheCorner();
            ExpectViewMatchesCanvas();
        }
        {
            SCOPED_TRACE("full repaint");
            oWindow->PaintNew();
            ExpectViewMatchesCanvas();
        }
        {
            SCOPED_TRACE("expose");
            InvalidateRect(oWindow->Handle(), nullptr, TRUE);
            Settle();
            ExpectViewMatchesCanvas();
            PaintOverTheCorner();
            ExpectViewMatchesCanvas();
        }
        for (const int nPosition : {30, 100}) {
            SCOPED_TRACE(testing::Message() << "scrolled to " << nPosition);
            if (oWindow->HorizontalBar() != nullptr) Scroll(WM_HSCROLL, SB_THUMBPOSITION, nPosition);
            if (oWindow->VerticalBar() != nullptr) Scroll(WM_VSCROLL, SB_THUMBPOSITION, 100 - nPosition);
            const POINT o = Offsets();
            oWindow->_oGraphics->SetLineColor(16).SetFillColor(16).PaintRectangle(o.x + 40, o.y + 30, 60, 45, 1);
            PaintOverTheCorner();
            ExpectViewMatchesCanvas();
            EXPECT_EQ(WindowPixel(70, 50), ChangeNum2Rgb(16)) << "the figure where the view shows it";
        }
    }
}

// A new canvas size, smaller or larger than the last and than the 400 x 300
// view: the view shows the whole new canvas, and a figure reaching beyond it
// shows only on it.
TEST_F(ScrollWindowTest, ANewCanvasSizeIsShownWholeAndClippedToIt)
{
    const struct {
        SIZE oFrom, oTo;
    } aCases[] = {
        {{200, 150}, {300, 250}}, {{300, 250}, {150, 100}}, {{1000, 800}, {350, 280}}, {{200, 150}, {1000, 800}}};
    for (const auto& c : aCases) {
        SCOPED_TRACE(testing::Message() << "canvas " << c.oFrom.cx << " x " << c.oFrom.cy << " to " << c.oTo.cx << " x "
                                        << c.oTo.cy);
        Make(c.oFrom.cx, c.oFrom.cy, 400, 300, c.oFrom.cy > 300, c.oFrom.cx > 400);
        oWindow->PaintNew(c.oTo.cx, c.oTo.cy);
        Settle();
        ExpectViewMatchesCanvas();
        PaintOverTheCorner();
        ExpectViewMatchesCanvas();
    }
}

TEST_F(ScrollWindowTest, ATransparentButtonShowsTheCanvasBehindItWhenScrolled)
{
    Make(1000, 800, 400, 300, true);
    Scroll(WM_HSCROLL, SB_THUMBPOSITION, 50);
    Scroll(WM_VSCROLL, SB_THUMBPOSITION, 25);
    const POINT o = Offsets();
    gTransPushButton oButton(*oWindow, 330, {33, 47}, {70, 30}, "", "", 5);
    oButton.Show();
    Settle();
    RedrawWindow(oButton.Handle(), nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
    HDC hCanvas = oWindow->_oGraphics->State()._oRefreshCanvas.DC();
    HDC hButton = GetDC(oButton.Handle());
    int nChecked = 0;
    // The button's client pixel (x, y) from its top lies at view (33 + x,
    // 47 + 29 - y), y upward.
    for (int y = 5; y < 25; y += 3)
        for (int x = 5; x < 65; x += 3, ++nChecked)
            ASSERT_EQ(GetPixel(hButton, x, y), GetPixel(hCanvas, 33 + x + o.x, 47 + 29 - y + o.y)) << x << ", " << y;
    ReleaseDC(oButton.Handle(), hButton);
    EXPECT_GT(nChecked, 100);
}

TEST_F(ScrollWindowTest, ACanvasAsWideAsTheViewHasNoBar)
{
    Make(400, 200, 400, 300, false);
    EXPECT_EQ(oWindow->HorizontalBar(), nullptr);
    EXPECT_EQ(oWindow->VerticalBar(), nullptr);
}

TEST_F(ScrollWindowTest, AGrownViewKeepsItsOffsetWithinTheCanvas)
{
    Make(1000, 800, 400, 300, true);
    Scroll(WM_HSCROLL, SB_THUMBPOSITION, 50);
    ASSERT_EQ(Offsets().x, 300);
    SetVisible(800, 300, true);
    InvalidateRect(oWindow->Handle(), nullptr, FALSE);
    Settle();
    ASSERT_EQ(oWindow->VisibleArea().cx, 800);
    EXPECT_EQ(oWindow->HorizontalBar()->ThumbPosition(), 100);
    EXPECT_EQ(Offsets().x, 200);
    ExpectViewShowsCanvas();
}

TEST_F(ScrollWindowTest, AFirstExposeTooSmallToPaintLeavesTheNextToPaint)
{
    Make(1000, 800, 10, 300, false);
    EXPECT_EQ(oWindow->nPaints, 0);
    SetVisible(400, 300, true);
    InvalidateRect(oWindow->Handle(), nullptr, FALSE);
    Settle();
    EXPECT_EQ(oWindow->nPaints, 1);
    ExpectViewShowsCanvas();
}

}  // namespace
