// The window protocol that every kit window keeps, run over the four kinds:
// the application windows (top-level and child) and the form windows (form
// and dialog), each with the expectations in which the kinds differ.
#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <vector>

#include "graphics/painter_access.h"
#include "graphics/windows/gformwindow.h"
#include "lib/system.h"
#include "platform/framework/app.h"
#include "platform/framework/toolbar.h"

namespace {

// A kit window that counts its full paints and its timer ticks.
template <class Kit>
class Counting : public Kit {
public:
    using Kit::Kit;
    void Paint() override
    {
        ++nPaints;
        this->_oGraphics->SetFillColor(12).PaintRectangle(0, 0, 40, 40, 0);
    }
    void TimerEvent(uint32_t nInterval) override { aTicks.push_back(nInterval); }
    int nPaints = 0;
    std::vector<uint32_t> aTicks;
};

// The kinds: how each is made and where it differs.
struct TopKind {
    using Kit = Counting<gTopAppWindow>;
    static constexpr bool kForm = false;
    static std::unique_ptr<Kit> Make(Window&) { return std::make_unique<Kit>(nullptr); }
};
struct ChildKind {
    using Kit = Counting<gChildAppWindow>;
    static constexpr bool kForm = false;
    static std::unique_ptr<Kit> Make(Window& oOwner) { return std::make_unique<Kit>(&oOwner); }
};
struct DataKind {
    using Kit = Counting<gDataWindow>;
    static constexpr bool kForm = true;
    static std::unique_ptr<Kit> Make(Window&) { return std::make_unique<Kit>(nullptr, "KIT_FORM"); }
};
struct DialogKind {
    using Kit = Counting<gDialogWindow>;
    static constexpr bool kForm = true;
    static std::unique_ptr<Kit> Make(Window&) { return std::make_unique<Kit>(nullptr, "KIT_FORM", false); }
};

template <class Kind>
class KitWindowTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        oOwner.SetSize({500, 400});
        oOwner.Show();
        oWindow = Kind::Make(oOwner);
        oWindow->SetOrigin({0, 0});
        oWindow->SetSize({300, 200});
        oWindow->Show();
        Settle();
    }
    void TearDown() override { gnPlattformVersion = nSavedVersion; }
    void Settle()
    {
        UpdateWindow(oWindow->Handle());
        ApplicationExec();
    }
    // The window has an update region waiting, that is a repaint was asked for.
    bool RepaintPending() const
    {
        RECT r;
        return GetUpdateRect(oWindow->Handle(), &r, FALSE) != FALSE;
    }
    LRESULT Send(UINT nMessage, WPARAM wParam = 0, LPARAM lParam = 0)
    {
        return SendMessageA(oWindow->Handle(), nMessage, wParam, lParam);
    }
    // Pixels of the drawing area where the window and its refresh bitmap
    // differ, outside the places of the window's child windows (which the
    // window shows over its surface).
    int DifferingPixels()
    {
        const Window& w = *oWindow;
        const PainterState& g = oWindow->_oGraphics->State();
        RECT rClient;
        GetClientRect(w.Handle(), &rClient);
        std::vector<RECT> aChildren;
        for (HWND h = GetWindow(w.Handle(), GW_CHILD); h != nullptr; h = GetWindow(h, GW_HWNDNEXT)) {
            if (!IsWindowVisible(h)) continue;
            RECT r;
            GetWindowRect(h, &r);
            MapWindowPoints(HWND_DESKTOP, w.Handle(), reinterpret_cast<POINT*>(&r), 2);
            aChildren.push_back(r);
        }
        HDC hWindow = GetDC(w.Handle());
        int nDiffer = 0;
        // Client rows from the top; the bitmap's rows are the client's.
        for (int y = rClient.bottom - g._oDim.cy; y < rClient.bottom; ++y) {
            for (int x = 0; x < g._oDim.cx; ++x) {
                const POINT p{x, y};
                if (std::any_of(aChildren.begin(), aChildren.end(), [&](const RECT& r) { return PtInRect(&r, p); }))
                    continue;
                nDiffer += GetPixel(hWindow, x, y) != BitmapPixel(x, y);
            }
        }
        ReleaseDC(w.Handle(), hWindow);
        return nDiffer;
    }
    // The refresh bitmap's pixel under a client pixel (rows from the top).
    COLORREF BitmapPixel(int x, int y) const
    {
        HDC hBitmap = oWindow->_oGraphics->State()._oRefreshCanvas.DC();
        const DeviceUnits oUnits(hBitmap);
        return GetPixel(hBitmap, x, y);
    }

    const unsigned short nSavedVersion = gnPlattformVersion;
    TopAppWindow oOwner;
    std::unique_ptr<typename Kind::Kit> oWindow;
};

using Kinds = ::testing::Types<TopKind, ChildKind, DataKind, DialogKind>;
class KindNames {
public:
    template <class T>
    static std::string GetName(int)
    {
        if (std::is_same_v<T, TopKind>) return "Top";
        if (std::is_same_v<T, ChildKind>) return "Child";
        if (std::is_same_v<T, DataKind>) return "Data";
        return "Dialog";
    }
};
TYPED_TEST_SUITE(KitWindowTest, Kinds, KindNames);

TYPED_TEST(KitWindowTest, TheFirstExposePaintsAndTheNextCopiesFromTheBitmap)
{
    auto& w = *this->oWindow;
    ASSERT_EQ(w.nPaints, 1);
    const RECT r{5, 5, 60, 40};
    InvalidateRect(w.Handle(), &r, TRUE);
    this->Settle();
    EXPECT_EQ(w.nPaints, 1);
    EXPECT_FALSE(this->RepaintPending());
}

TYPED_TEST(KitWindowTest, OnlyAreasWiderAndHigherThanTenArePainted)
{
    ExpectPaintsForAreas(*this->oWindow, {{{10, 300}, 0}, {{300, 10}, 0}, {{11, 11}, 1}});
}

TYPED_TEST(KitWindowTest, AHiddenWindowPaintsOnlyWhenItIsAForm)
{
    auto& w = *this->oWindow;
    w.Hide();
    w.PaintNew();
    EXPECT_EQ(w.nPaints, TypeParam::kForm ? 2 : 1);
}

TYPED_TEST(KitWindowTest, AnIconicWindowIsNotPainted)
{
    if constexpr (std::is_same_v<TypeParam, ChildKind>) GTEST_SKIP() << "a child window is never iconic here";
    auto& w = *this->oWindow;
    ShowWindow(w.Handle(), SW_MINIMIZE);
    ASSERT_TRUE(w.IsIconic());
    const int nBefore = w.nPaints;
    w.PaintNew();
    EXPECT_EQ(w.nPaints, nBefore);
}

TYPED_TEST(KitWindowTest, ADragPaintsOnceAndAPlainMoveRepaintsOnlyForms)
{
    auto& w = *this->oWindow;
    RECT r{0, 0, 320, 220};
    this->Send(WM_SIZING, WMSZ_RIGHT, reinterpret_cast<LPARAM>(&r));
    w.SetSize({320, 220});
    InvalidateRect(w.Handle(), nullptr, FALSE);
    this->Settle();
    EXPECT_EQ(w.nPaints, 1) << "nothing during the drag";
    this->Send(WM_EXITSIZEMOVE);
    this->Settle();
    EXPECT_EQ(w.nPaints, 2) << "one full repaint at its end";
    this->Send(WM_EXITSIZEMOVE);
    EXPECT_EQ(this->RepaintPending(), TypeParam::kForm);
    this->Settle();
    EXPECT_EQ(w.nPaints, 2) << "the size is the same: served from the bitmap";
}

TYPED_TEST(KitWindowTest, RestoreAndMaximizeRepaintWhenComparedInFull)
{
    const struct {
        WPARAM nCommand;
        bool lRepaint;
    } aCases[] = {{SC_RESTORE, true}, {SC_RESTORE | 1, false}};
    for (const auto& c : aCases) {
        this->Settle();
        this->Send(WM_SYSCOMMAND, c.nCommand);
        EXPECT_EQ(this->RepaintPending(), c.lRepaint) << std::hex << c.nCommand;
    }
}

TYPED_TEST(KitWindowTest, TheTimerTicksOnlyWhileItRuns)
{
    auto& w = *this->oWindow;
    w.SetTimer(500);
    this->Send(WM_TIMER, 1);
    this->Send(WM_TIMER, 2);
    w.SetTimer(0);
    this->Send(WM_TIMER, 1);
    EXPECT_EQ(w.aTicks, std::vector<uint32_t>{500});
}

TYPED_TEST(KitWindowTest, FormsAnswerErasingAndPaintingWithOne)
{
    this->Settle();
    HDC hDC = GetDC(this->oWindow->Handle());
    const LRESULT nErase = this->Send(WM_ERASEBKGND, reinterpret_cast<WPARAM>(hDC));
    ReleaseDC(this->oWindow->Handle(), hDC);
    const LRESULT nPaint = this->Send(WM_PAINT);
    if (TypeParam::kForm) {
        EXPECT_EQ(nErase, 1);
        EXPECT_EQ(nPaint, 1);
    } else {
        EXPECT_EQ(nPaint, 0);
    }
}

TYPED_TEST(KitWindowTest, TheDrawingAreaLiesBelowTheToolBarAndFollowsIt)
{
    auto& w = *this->oWindow;
    const PainterState& g = w._oGraphics->State();
    ToolBar oBar(w);
    for (int i = 0; i < 3; ++i) oBar.AppendItem(STD_FILENEW + i, 200 + i);
    // The drawing area lies below the bar as it shows now: a figure over the
    // whole area lands there, in the window as in the bitmap.
    const auto ExpectBelowTheBar = [&](const char* cMoment) {
        SCOPED_TRACE(cMoment);
        RECT rBar;
        GetWindowRect(oBar.Handle(), &rBar);
        const int nBar = oBar.IsVisible() ? rBar.bottom - rBar.top : 0;
        EXPECT_EQ(g._nTopSpace, nBar);
        EXPECT_EQ(g._oDim.cy, w.CanvasArea().Height() - nBar);
        w._oGraphics->SetLineColor(9).SetFillColor(9).PaintRectangle(0, 0, g._oDim.cx, g._oDim.cy, 1);
        EXPECT_EQ(this->BitmapPixel(50, nBar), RGB(0, 0, 255)) << "the drawing area's top row";
        if (nBar > 0) {
            EXPECT_NE(this->BitmapPixel(50, nBar - 1), RGB(0, 0, 255)) << "the bar's strip";
        }
        EXPECT_EQ(this->DifferingPixels(), 0);
        // Nothing of the figure is left for the next moment.
        w._oGraphics->PaintEraseCanvas();
    };
    w.SetToolBar(&oBar);
    this->Settle();
    ASSERT_GT(oBar.Size().height, 10);
    ExpectBelowTheBar("the bar set");

    // The window repaints its surface (Paint) over the canvas as the bar
    // goes, comes back and changes its height.
    oBar.Hide();
    this->Settle();
    ExpectBelowTheBar("the bar hidden");
    oBar.Show();
    this->Settle();
    ExpectBelowTheBar("the bar shown again");
    const int nBefore = oBar.Size().height;
    SendMessageA(oBar.Handle(), TB_SETBUTTONSIZE, 0, MAKELPARAM(40, 40));
    oBar.Layout();
    this->Settle();
    ASSERT_NE(oBar.Size().height, nBefore);
    ExpectBelowTheBar("a higher bar");
}

// A timer that invalidates a small area of the window every millisecond.
HWND ghExposed = nullptr;
void CALLBACK ExposeSmallArea(HWND, UINT, UINT_PTR, DWORD)
{
    const RECT r{20, 20, 30, 30};
    InvalidateRect(ghExposed, &r, TRUE);
}

TYPED_TEST(KitWindowTest, ADrawingThatDispatchesMessagesKeepsItsDC)
{
    auto& w = *this->oWindow;
    ghExposed = w.Handle();
    const UINT_PTR nTimer = SetTimer(nullptr, 0, 1, ExposeSmallArea);
    // 2,400 pixels, each followed by the waiting messages: the exposes come
    // in between.
    w._oGraphics->PaintFractal(30, 60, 60, 40, 0, nullptr, true);
    KillTimer(nullptr, nTimer);
    this->Settle();
    EXPECT_EQ(this->DifferingPixels(), 0);
}

TYPED_TEST(KitWindowTest, FormsAnswerSizingWithZeroFromPlatformVersion27)
{
    RECT r{0, 0, 300, 200};
    gnPlattformVersion = 26;  // the framework's answer
    const LRESULT nFramework = this->Send(WM_SIZING, WMSZ_RIGHT, reinterpret_cast<LPARAM>(&r));
    for (unsigned short nVersion : {27, 28}) {
        gnPlattformVersion = nVersion;
        const LRESULT nResult = this->Send(WM_SIZING, WMSZ_RIGHT, reinterpret_cast<LPARAM>(&r));
        EXPECT_EQ(nResult, TypeParam::kForm ? 0 : nFramework) << nVersion;
    }
    this->Send(WM_EXITSIZEMOVE);
}

}  // namespace
