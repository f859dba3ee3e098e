// The shell window: its surface painted on the client window around the
// documents, the kit window protocol, and the sizing messages passed on to
// its documents.
#include "graphics/windows/gshellwindow.h"

#include <gtest/gtest.h>

#include "graphics/core/colors.h"
#include "graphics/painter_access.h"
#include "platform/framework/app.h"
#include "platform/framework/toolbar.h"

namespace {

class Shell : public gShellWindow {
public:
    void Paint() override
    {
        ++nPaints;
        const SIZE s = _oGraphics->State()._oDim;
        _oGraphics->SetLineColor(12).SetFillColor(12).PaintRectangle(0, 0, s.cx, s.cy, 1);
    }
    LRESULT Dispatch(Event& oEvent) override
    {
        if (oEvent.message == WM_ERASEBKGND) ++nErases;
        return gShellWindow::Dispatch(oEvent);
    }
    int nPaints = 0;
    int nErases = 0;
};

// A document that paints itself blue and records the sizing messages it gets.
class Document : public gChildAppWindow {
public:
    using gChildAppWindow::gChildAppWindow;
    void Paint() override
    {
        const SIZE s = _oGraphics->State()._oDim;
        _oGraphics->SetLineColor(9).SetFillColor(9).PaintRectangle(0, 0, s.cx, s.cy, 1);
    }
    LRESULT Dispatch(Event& oEvent) override
    {
        if (oEvent.message == WM_SIZING) {
            RECT r{};
            GetWindowRect(Handle(), &r);
            lOwnRect = lOwnRect && EqualRect(&r, reinterpret_cast<RECT*>(oEvent.lParam));
            ++nSizings;
        }
        if (oEvent.message == WM_EXITSIZEMOVE) ++nExits;
        return gChildAppWindow::Dispatch(oEvent);
    }
    int nSizings = 0;
    int nExits = 0;
    bool lOwnRect = true;
};

class ShellWindowTest : public ::testing::Test {
protected:
    ShellWindowTest() : oFirst(&oShell), oSecond(&oShell), oBar(oShell)
    {
        oShell.SetSize({700, 500});
        oShell.Show();
        for (Document* d : {&oFirst, &oSecond}) d->Show();
        MoveWindow(oFirst.Handle(), 10, 10, 200, 150, TRUE);
        MoveWindow(oSecond.Handle(), 300, 10, 200, 150, TRUE);
        Settle();
    }
    void Settle()
    {
        for (HWND h : {oShell.Handle(), oShell.ClientHandle(), oFirst.Handle(), oSecond.Handle()}) UpdateWindow(h);
        ApplicationExec();
    }
    // Pixel (x, y) from the top left of a window's client area.
    static COLORREF Pixel(HWND hWnd, int x, int y)
    {
        HDC hDC = GetDC(hWnd);
        const COLORREF c = GetPixel(hDC, x, y);
        ReleaseDC(hWnd, hDC);
        return c;
    }
    void ResetCounts()
    {
        for (Document* d : {&oFirst, &oSecond}) d->nSizings = d->nExits = 0;
    }

    Shell oShell;
    Document oFirst;
    Document oSecond;
    ToolBar oBar;
};

TEST_F(ShellWindowTest, TheClientShowsTheSurfaceAroundTheDocuments)
{
    const int nPaints = oShell.nPaints;
    EXPECT_GE(nPaints, 1) << "the first expose paints";
    EXPECT_EQ(Pixel(oShell.ClientHandle(), 600, 300), ChangeNum2Rgb(12));
    RECT r{};
    GetClientRect(oFirst.Handle(), &r);
    EXPECT_EQ(Pixel(oFirst.Handle(), r.right / 2, r.bottom / 2), ChangeNum2Rgb(9)) << "a document keeps its pixels";
    // A spoiled client is served from the refresh bitmap.
    InvalidateRect(oShell.ClientHandle(), nullptr, TRUE);
    Settle();
    EXPECT_EQ(oShell.nPaints, nPaints);
    EXPECT_EQ(Pixel(oShell.ClientHandle(), 600, 300), ChangeNum2Rgb(12));
}

TEST_F(ShellWindowTest, SmallHiddenOrIconicShellsPaintNothing)
{
    ExpectPaintsForAreas(oShell, {{{10, 300}, 0}, {{11, 11}, 1}});
    PainterTestAccess::State(*oShell._oGraphics)._lSizeFromDevice = true;
    oBar.SetButtonStyle(1);
    oShell.SetToolBar(&oBar);
    ASSERT_TRUE(oBar.Flat());
    Settle();
    for (const int nShow : {SW_MINIMIZE, SW_HIDE}) {
        ShowWindow(oShell.Handle(), nShow);
        ValidateRect(oBar.Handle(), nullptr);
        const int nBefore = oShell.nPaints;
        oShell.PaintNew();
        RECT r;
        EXPECT_EQ(oShell.nPaints, nBefore) << nShow;
        EXPECT_FALSE(GetUpdateRect(oBar.Handle(), &r, FALSE)) << "the tool bar is not repainted";
        ShowWindow(oShell.Handle(), SW_RESTORE);
    }
    Settle();
    ValidateRect(oBar.Handle(), nullptr);
    oShell.PaintNew();
    RECT r;
    EXPECT_TRUE(GetUpdateRect(oBar.Handle(), &r, FALSE)) << "a visible shell repaints its flat tool bar";
}

TEST_F(ShellWindowTest, ADragReachesOnlyMaximisedDocumentsAndSuspendsTheClient)
{
    SendMessageA(oShell.ClientHandle(), WM_MDIMAXIMIZE, reinterpret_cast<WPARAM>(oSecond.Handle()), 0);
    ASSERT_TRUE(oSecond.IsZoomed());
    ASSERT_FALSE(oFirst.IsZoomed());
    Settle();
    ResetCounts();
    RECT r{0, 0, 700, 500};
    SendMessageA(oShell.Handle(), WM_SIZING, WMSZ_RIGHT, reinterpret_cast<LPARAM>(&r));
    EXPECT_EQ(oSecond.nSizings, 1);
    EXPECT_TRUE(oSecond.lOwnRect) << "with its own window rectangle";
    EXPECT_EQ(oFirst.nSizings, 0);

    // During the drag the client paints nothing and hands its erase to the frame.
    const int nErases = oShell.nErases, nPaints = oShell.nPaints;
    HDC hDC = GetDC(oShell.ClientHandle());
    EXPECT_EQ(SendMessageA(oShell.ClientHandle(), WM_ERASEBKGND, reinterpret_cast<WPARAM>(hDC), 0), 0);
    ReleaseDC(oShell.ClientHandle(), hDC);
    EXPECT_EQ(oShell.nErases, nErases + 1);
    oShell.SetSize({720, 520});
    Settle();
    EXPECT_EQ(oShell.nPaints, nPaints);

    SendMessageA(oShell.Handle(), WM_EXITSIZEMOVE, 0, 0);
    EXPECT_EQ(oSecond.nExits, 1);
    EXPECT_EQ(oFirst.nExits, 0);
    Settle();
    EXPECT_EQ(oShell.nPaints, nPaints + 1) << "one full repaint at the end";
}

TEST_F(ShellWindowTest, RestoreAndMaximizeReachEveryDocument)
{
    for (const WPARAM nCommand : {SC_RESTORE, SC_MAXIMIZE}) {
        ResetCounts();
        SendMessageA(oShell.Handle(), WM_SYSCOMMAND, nCommand, 0);
        for (const Document* d : {&oFirst, &oSecond}) {
            EXPECT_EQ(d->nSizings, 1) << std::hex << nCommand;
            EXPECT_EQ(d->nExits, 1) << std::hex << nCommand;
        }
    }
    ResetCounts();
    SendMessageA(oShell.Handle(), WM_SYSCOMMAND, SC_MAXIMIZE | 1, 0);
    EXPECT_EQ(oFirst.nSizings, 0);
}

}  // namespace
