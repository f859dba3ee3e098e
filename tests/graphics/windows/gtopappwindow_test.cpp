// The kit window protocol on a gTopAppWindow under the test display: the
// figure on the window and in its refresh bitmap, exposes served from the
// bitmap, full repaints on a new size and the repaint of kit children. What
// every kit window shares is tested over all kinds in kit_windows_test.cpp.
#include "graphics/windows/gkitwindow.h"

#include <gtest/gtest.h>

#include <functional>

#include "platform/framework/app.h"

namespace {

class PaintingWindow : public gTopAppWindow {
public:
    void Paint() override
    {
        ++nPaints;
        _oGraphics->SetBackgroundColor(14).PaintEraseCanvas();
        _oGraphics->SetLineColor(16).SetFillColor(9).SetFillHatchColor(12).SetFillHatch(5);
        _oGraphics->PaintRectangle(10, 10, 120, 60, 1).PaintRectangleRounded(150, 20, 80, 90, 20, 20, 1);
        _oGraphics->SetLineColor(2).PaintFrameCanvas();
    }
    LRESULT Dispatch(Event& oEvent) override
    {
        if (oEvent.message == WM_ERASEBKGND) ++nErases;
        return gTopAppWindow::Dispatch(oEvent);
    }
    void Expose(ExposeEvent& oEvent) override
    {
        ++nExposes;
        gTopAppWindow::Expose(oEvent);
    }
    int nPaints = 0;
    int nErases = 0;
    int nExposes = 0;
};

class TopAppWindowTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        oWindow.SetSize({300, 200});
        oWindow.Show();
        Settle();
    }
    // Lets the window handle what is waiting (paints included).
    void Settle()
    {
        UpdateWindow(oWindow.Handle());
        ApplicationExec();
    }
    // Pixel (x, y), y upward, of the window's client area.
    COLORREF WindowPixel(int x, int y) const
    {
        HDC hDC = GetDC(oWindow.Handle());
        RECT r;
        GetClientRect(oWindow.Handle(), &r);
        const COLORREF c = GetPixel(hDC, x, r.bottom - 1 - y);
        ReleaseDC(oWindow.Handle(), hDC);
        return c;
    }
    // Number of pixels where the window and its refresh bitmap differ.
    int Differences() const
    {
        const Graphics& g = *oWindow._oGraphics;
        int n = 0;
        for (int y = 0; y < g.State()._oDim.cy; ++y) {
            for (int x = 0; x < g.State()._oDim.cx; ++x)
                n += WindowPixel(x, y) != GetPixel(g.State()._oRefreshCanvas.DC(), x, y);
        }
        return n;
    }
    PaintingWindow oWindow;
};

TEST_F(TopAppWindowTest, TheFigureLandsOnTheSamePixelsInTheWindowAndItsBitmap)
{
    ASSERT_EQ(oWindow.nPaints, 1) << "the first expose paints in full";
    const SIZE s = oWindow.CanvasSize();
    EXPECT_EQ(oWindow._oGraphics->State()._oDim.cx, s.cx);
    EXPECT_EQ(WindowPixel(10, 10), RGB(0, 0, 0)) << "lower-left corner of the rectangle";
    EXPECT_EQ(WindowPixel(0, 0), RGB(0, 160, 0)) << "the frame";
    EXPECT_EQ(WindowPixel(140, 5), RGB(255, 255, 0)) << "background";
    EXPECT_EQ(Differences(), 0);
}

TEST_F(TopAppWindowTest, AFullRepaintNeitherErasesNorExposesTheWindowAgain)
{
    oWindow.nErases = oWindow.nExposes = 0;
    oWindow.PaintNew();
    Settle();
    EXPECT_EQ(oWindow.nPaints, 2);
    EXPECT_EQ(oWindow.nErases, 0);
    EXPECT_EQ(oWindow.nExposes, 0);
    EXPECT_EQ(Differences(), 0);
    // A change of the background colour is no repaint either; an expose from
    // outside still erases.
    oWindow._oGraphics->SetBackgroundColor(2);
    Settle();
    EXPECT_EQ(oWindow.nErases, 0);
    InvalidateRect(oWindow.Handle(), nullptr, TRUE);
    Settle();
    EXPECT_EQ(oWindow.nErases, 1);
    EXPECT_EQ(oWindow.nExposes, 1);
}

TEST_F(TopAppWindowTest, TheKeptWindowDCFollowsEveryChange)
{
    // Each change, then a figure that the window and its bitmap must show alike.
    struct Case {
        const char* cName;
        std::function<void(PaintingWindow&)> fnChange;
    };
    const Case aCases[] = {
        {"a new size",
         [](PaintingWindow& w) {
             w.SetSize({340, 260});
         }},
        {"a clip rectangle", [](PaintingWindow& w) { w._oGraphics->SetClipRegion(30, 20, 60, 40); }},
        {"the whole area again", [](PaintingWindow& w) { w._oGraphics->SetClipRegion(); }},
        {"a world origin", [](PaintingWindow& w) { w._oGraphics->SetWorldOrigin(25, 15); }},
        {"a background colour", [](PaintingWindow& w) { w._oGraphics->SetBackgroundColor(13); }},
        {"a repaint from outside", [](PaintingWindow& w) { InvalidateRect(w.Handle(), nullptr, TRUE); }},
    };
    for (const Case& c : aCases) {
        SCOPED_TRACE(c.cName);
        c.fnChange(oWindow);
        Settle();
        Graphics& g = *oWindow._oGraphics;
        g.SetLineColor(12).SetFillColor(11).SetFillHatch(32).PaintRectangle(5, 5, 150, 100, 1);
        g.SetStringColor(16).PaintString(10, 10, "Kept", 0, 0);
        EXPECT_EQ(Differences(), 0);
    }
}

TEST_F(TopAppWindowTest, AnExposeOfTheSameSizeIsServedFromTheBitmap)
{
    // Spoil a part of the window behind the painter's back, then expose it.
    HDC hDC = GetDC(oWindow.Handle());
    const RECT r{20, 20, 200, 120};
    FillRect(hDC, &r, static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH)));
    ReleaseDC(oWindow.Handle(), hDC);
    ASSERT_GT(Differences(), 0);
    InvalidateRect(oWindow.Handle(), &r, FALSE);
    Settle();
    EXPECT_EQ(oWindow.nPaints, 1) << "no full repaint";
    EXPECT_EQ(Differences(), 0);
}

TEST_F(TopAppWindowTest, ANewSizeRepaintsThroughPaintNew)
{
    oWindow.SetSize({360, 240});
    InvalidateRect(oWindow.Handle(), nullptr, FALSE);
    Settle();
    EXPECT_EQ(oWindow.nPaints, 2);
    const SIZE s = oWindow.CanvasSize();
    EXPECT_EQ(oWindow._oGraphics->State()._nRefreshWidth, s.cx);
    EXPECT_EQ(oWindow._oGraphics->State()._nRefreshHeight, s.cy);
    EXPECT_EQ(Differences(), 0);
}

// A kit child window: it counts the repaint requests it gets.
class KitChild : public ChildAppWindow, public gPaintNewTarget {
public:
    explicit KitChild(Window& oOwner) : ChildAppWindow(&oOwner) {}
    LRESULT Dispatch(Event& oEvent) override
    {
        if (oEvent.message == WM_USER && oEvent.wParam == kGMsgPaintNew) ++nRequests;
        return ChildAppWindow::Dispatch(oEvent);
    }
    void PaintNew() override {}
    int nRequests = 0;
};

TEST_F(TopAppWindowTest, VisibleKitChildrenAreAskedToRepaint)
{
    KitChild oShown(oWindow), oHidden(oWindow);
    oShown.SetOrigin({10, 10});
    oShown.SetSize({40, 30});
    oShown.Show();
    oHidden.SetOrigin({100, 10});
    oHidden.SetSize({40, 30});
    oWindow.PaintNew();
    EXPECT_EQ(oShown.nRequests, 1);
    EXPECT_EQ(oHidden.nRequests, 0) << "a hidden child is skipped";
    // An expose asks only the children that share the exposed area.
    const struct {
        BoundingBox oArea;
        int nRequests;
    } aCases[] = {
        {{{20, 20}, {10, 10}}, 1},
        {{{200, 100}, {10, 10}}, 0},
        {{{50, 10}, {10, 10}}, 0},  // touches the child's right edge
    };
    for (const auto& c : aCases) {
        oShown.nRequests = 0;
        ExposeEvent oExpose;
        oExpose.exposedArea = c.oArea;
        oWindow.Expose(oExpose);
        EXPECT_EQ(oShown.nRequests, c.nRequests) << c.oArea.Left() << "," << c.oArea.Bottom();
    }
}

TEST_F(TopAppWindowTest, TheChildWalkEndsAtAChildWithoutFrameworkObject)
{
    KitChild oChild(oWindow);
    oChild.Show();
    HWND hForeign = CreateWindowA("STATIC", "", WS_CHILD | WS_VISIBLE, 0, 0, 10, 10, oWindow.Handle(), nullptr,
                                  GetModuleHandleA(nullptr), nullptr);
    SetWindowPos(hForeign, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
    oWindow.PaintNew();
    EXPECT_EQ(oChild.nRequests, 0);
    DestroyWindow(hForeign);
    oWindow.PaintNew();
    EXPECT_EQ(oChild.nRequests, 1);
}

TEST(ControlSharesAreaTest, HalfOpenRectanglesByIntersectRect)
{
    struct Case {
        BoundingBox oArea;
        bool lShares;
    };
    // The window itself stands in for a control at its origin with its size.
    gTopAppWindow oWindow;
    const Point o = oWindow.Origin();
    const int w = oWindow.Size().width, h = oWindow.Size().height;
    const Case aCases[] = {
        {{{o.x + 10, o.y + 10}, {20, 20}}, true},     {{{o.x + w, o.y}, {20, 20}}, false},  // touches the right edge
        {{{o.x - 20, o.y}, {20, 20}}, false},                                               // touches the left edge
        {{{o.x, o.y + h}, {20, 20}}, false},                                                // touches the upper edge
        {{{o.x, o.y - 20}, {20, 20}}, false},                                               // touches the lower edge
        {{{o.x + w - 1, o.y + h - 1}, {5, 5}}, true}, {{{o.x + 10, o.y + 10}, {0, 20}}, false},
    };
    for (const Case& c : aCases) {
        EXPECT_EQ(ControlSharesArea(oWindow, c.oArea), c.lShares) << c.oArea.Left() << "," << c.oArea.Bottom();
    }
}

}  // namespace
