// The split and tab windows: panes laid out once at the end of a border drag,
// repaints at a splitter release, and form pages fitted to the tab control's
// display area.
#include <gtest/gtest.h>

#include <windows.h>
#include <commctrl.h>

#include "graphics/windows/gformwindow.h"
#include "graphics/windows/gsplitwindow.h"
#include "graphics/windows/gtabwindow.h"
#include "lib/system.h"
#include "platform/framework/app.h"

namespace {

// A kit window that counts its full repaints.
class KitPage : public gChildAppWindow {
public:
    using gChildAppWindow::gChildAppWindow;
    void PaintNew() override
    {
        ++nPaintNews;
        gChildAppWindow::PaintNew();
    }
    int nPaintNews = 0;
};

// A form that counts the ends of drags it is told of.
class FormPage : public gDataWindow {
public:
    explicit FormPage(Window* oOwner) : gDataWindow(oOwner, "KIT_FORM") {}
    LRESULT Dispatch(Event& oEvent) override
    {
        if (oEvent.message == WM_EXITSIZEMOVE) ++nExits;
        return gDataWindow::Dispatch(oEvent);
    }
    int nExits = 0;
};

// Records the sizes a window is told of and the splitter releases it gets.
template <class Base>
class Recording : public Base {
public:
    using Base::Base;
    LRESULT Dispatch(Event& oEvent) override
    {
        if (oEvent.message == WM_SIZE) aSizes.push_back(oEvent.wParam);
        if (oEvent.message == WM_LBUTTONUP && oEvent.wParam == kGMsgSplitRelease) ++nReleases;
        return Base::Dispatch(oEvent);
    }
    std::vector<WPARAM> aSizes;
    int nReleases = 0;
};

void Settle(const Window& oWindow)
{
    UpdateWindow(oWindow.Handle());
    ApplicationExec();
}

bool RepaintPending(const Window& oWindow)
{
    RECT r;
    return GetUpdateRect(oWindow.Handle(), &r, FALSE) != FALSE;
}

int WidthOf(const Window& oWindow)
{
    RECT r;
    GetWindowRect(oWindow.Handle(), &r);
    return r.right - r.left;
}

// Drags the first splitter bar of a split window a little and lets it go.
void ReleaseSplitter(const Window& oSplit)
{
    for (HWND h = GetWindow(oSplit.Handle(), GW_CHILD); h != nullptr; h = GetWindow(h, GW_HWNDNEXT)) {
        if (dynamic_cast<SplitView*>(ObjectOfWindowHandle(h)) == nullptr) continue;
        SendMessageA(h, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(1, 1));
        SendMessageA(h, WM_LBUTTONUP, 0, MAKELPARAM(6, 1));
        return;
    }
    ADD_FAILURE() << "no splitter bar";
}

class SplitWindowTest : public ::testing::Test {
protected:
    SplitWindowTest() : oSplit(&oOwner), oPane(&oSplit), oForm(&oSplit)
    {
        oOwner.SetSize({700, 500});
        oOwner.Show();
        oSplit.SetLayout({2, 1});
        oSplit.SetPaneClient(&oPane, 1);
        oSplit.SetOrigin({0, 0});
        oSplit.SetSize({400, 300});
        oPane.Show();
    }
    void Drag(Dimension oNewSize)
    {
        SendMessageA(oSplit.Handle(), WM_SIZING, WMSZ_RIGHT, 0);
        oSplit.SetSize(oNewSize);
        oSplit.aSizes.clear();
    }
    TopAppWindow oOwner;
    Recording<gSplitWindow> oSplit;
    KitPage oPane;
    FormPage oForm;
};

TEST_F(SplitWindowTest, ABorderDragLaysThePanesOutOnceAtItsEnd)
{
    const struct {
        bool lMaximised;
        WPARAM nSize;
    } aCases[] = {{false, SIZE_RESTORED}, {true, SIZE_MAXIMIZED}};
    int nWidth = 400;
    for (const auto& c : aCases) {
        SCOPED_TRACE(c.lMaximised);
        oSplit.Show();
        Settle(oSplit);
        const LONG nStyle = GetWindowLongA(oSplit.Handle(), GWL_STYLE);
        SetWindowLongA(oSplit.Handle(), GWL_STYLE, c.lMaximised ? nStyle | WS_MAXIMIZE : nStyle & ~WS_MAXIMIZE);
        const int nPaneWidth = WidthOf(oPane);
        const int nPaints = oPane.nPaintNews;
        nWidth += 100;
        Drag({nWidth, 300});
        EXPECT_EQ(WidthOf(oPane), nPaneWidth) << "no layout during the drag";
        SendMessageA(oSplit.Handle(), WM_EXITSIZEMOVE, 0, 0);
        EXPECT_EQ(oSplit.aSizes, std::vector<WPARAM>{c.nSize});
        EXPECT_GT(WidthOf(oPane), nPaneWidth);
        Settle(oSplit);
        EXPECT_EQ(oPane.nPaintNews, nPaints + 1);
    }
}

TEST_F(SplitWindowTest, AFormPaneIsShownWithTheWindowAndRepaintedAtASplitterRelease)
{
    oSplit.SetPaneClient(&oForm, 2);
    EXPECT_FALSE(oForm.IsVisible());
    oSplit.Show();
    EXPECT_TRUE(oForm.IsVisible());
    Settle(oSplit);
    // The end of a drag that kept the size: the kit pane repaints, the form does not.
    SendMessageA(oSplit.Handle(), WM_SIZING, WMSZ_RIGHT, 0);
    SendMessageA(oSplit.Handle(), WM_EXITSIZEMOVE, 0, 0);
    EXPECT_TRUE(RepaintPending(oPane));
    EXPECT_FALSE(RepaintPending(oForm));
    Settle(oSplit);
    ReleaseSplitter(oSplit);
    EXPECT_EQ(oSplit.nReleases, 1);
    EXPECT_TRUE(RepaintPending(oForm));
    EXPECT_TRUE(RepaintPending(oPane));
}

TEST(PlainSplitWindowTest, ItsSplitterSendsNothing)
{
    TopAppWindow oOwner;
    Recording<SplitWindow> oSplit(&oOwner);
    oSplit.SetLayout({2, 1});
    oSplit.SetSize({300, 200});
    oSplit.Show();
    ReleaseSplitter(oSplit);
    EXPECT_EQ(oSplit.nReleases, 0);
}

class TabWindowTest : public ::testing::Test {
protected:
    TabWindowTest() : oTabs(&oOwner), oForm(&oTabs), oKit(&oTabs)
    {
        oOwner.SetSize({700, 500});
        oOwner.Show();
        oTabs.SetOrigin({0, 0});
        oTabs.SetSize({400, 300});
        oTabs.TabControlOf()->AppendTab("FORM", "Form", &oForm);
        oTabs.TabControlOf()->AppendTab("KIT", "Kit", &oKit);
        oTabs.Show();
        Settle(oTabs);
    }
    ~TabWindowTest() override { gnPlattformVersion = nSavedVersion; }
    // The user clicks the tab.
    void Choose(int nTab)
    {
        HWND hTabs = oTabs.TabControlOf()->Handle();
        RECT r{};
        SendMessageA(hTabs, TCM_GETITEMRECT, nTab, reinterpret_cast<LPARAM>(&r));
        const LPARAM at = MAKELPARAM((r.left + r.right) / 2, (r.top + r.bottom) / 2);
        SendMessageA(hTabs, WM_LBUTTONDOWN, MK_LBUTTON, at);
        SendMessageA(hTabs, WM_LBUTTONUP, 0, at);
    }
    // The form page's rectangle in the tab window's client coordinates.
    RECT PageRect() const
    {
        RECT r{};
        GetWindowRect(oForm.Handle(), &r);
        MapWindowPoints(nullptr, oTabs.Handle(), reinterpret_cast<POINT*>(&r), 2);
        return r;
    }
    // The tab control's display area in the same coordinates, from the control itself.
    RECT DisplayArea() const
    {
        HWND hTabs = oTabs.TabControlOf()->Handle();
        RECT r{};
        GetWindowRect(hTabs, &r);
        SendMessageA(hTabs, TCM_ADJUSTRECT, FALSE, reinterpret_cast<LPARAM>(&r));
        MapWindowPoints(nullptr, oTabs.Handle(), reinterpret_cast<POINT*>(&r), 2);
        return r;
    }

    const unsigned short nSavedVersion = gnPlattformVersion;
    TopAppWindow oOwner;
    Recording<gTabWindow> oTabs;
    FormPage oForm;
    KitPage oKit;
};

TEST_F(TabWindowTest, AChosenFormPageFitsTheDisplayArea)
{
    Choose(1);
    oForm.nExits = 0;
    Choose(0);
    const RECT a = DisplayArea(), p = PageRect();
    // One pixel further left and one pixel less high than the display area.
    EXPECT_EQ(p.left, a.left - 1);
    EXPECT_EQ(p.top, a.top);
    EXPECT_EQ(p.right - p.left, a.right - a.left);
    EXPECT_EQ(p.bottom - p.top, a.bottom - a.top - 1);
    EXPECT_EQ(oForm.nExits, 1) << "the page is told to repaint";
}

TEST_F(TabWindowTest, AChosenKitPageRepaintsInFullUpToPlatformVersion26)
{
    for (const auto& [nVersion, nPaintNews] : {std::pair{26, 1}, std::pair{28, 0}}) {
        gnPlattformVersion = static_cast<unsigned short>(nVersion);
        Choose(0);
        oKit.nPaintNews = 0;
        Choose(1);
        EXPECT_EQ(oKit.nPaintNews, nPaintNews) << nVersion;
    }
}

TEST_F(TabWindowTest, ADragEndsInOneLayoutAndOneFit)
{
    SendMessageA(oTabs.Handle(), WM_SIZING, WMSZ_RIGHT, 0);
    oTabs.SetSize({450, 320});
    oTabs.aSizes.clear();
    oForm.nExits = 0;
    SendMessageA(oTabs.Handle(), WM_EXITSIZEMOVE, 0, 0);
    EXPECT_EQ(oTabs.aSizes, std::vector<WPARAM>{SIZE_RESTORED});
    EXPECT_EQ(oForm.nExits, 1);
    EXPECT_EQ(PageRect().bottom - PageRect().top, DisplayArea().bottom - DisplayArea().top - 1);
}

TEST_F(TabWindowTest, DeactivationAndMinimisingLeaveThePageAlone)
{
    oForm.nExits = 0;
    SendMessageA(oTabs.Handle(), WM_NCACTIVATE, 0, 0);
    SendMessageA(oTabs.Handle(), WM_SYSCOMMAND, SC_MINIMIZE, 0);
    EXPECT_EQ(oForm.nExits, 0);
    SendMessageA(oTabs.Handle(), WM_SYSCOMMAND, SC_RESTORE, 0);
    EXPECT_EQ(oForm.nExits, 1) << "restoring fits the form page";
}

}  // namespace
