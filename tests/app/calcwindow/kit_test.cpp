// The calculation window on the kit's form: its labels lie over the painted
// surface, a border drag of the frame paints it once, and a printed form
// shows the surface.
#include "calcwindow_fixture.h"

#include "app/shell/globals.h"
#include "platform/framework/app.h"
#include "platform/framework/printer.h"

namespace calcwindow_test {
namespace {

// A calculation window that counts its full paints.
class CountingCalcPar : public dtaCalcPar {
public:
    using dtaCalcPar::dtaCalcPar;
    void Paint() override { ++nPaints; }
    int nPaints = 0;
};

// A calculation window that records the methods called by name and paints
// its surface in stripes, so that a corner can tell surface from face.
class NamingCalcPar : public dtaCalcPar {
public:
    using dtaCalcPar::dtaCalcPar;
    void Paint() override
    {
        for (int x = 0; x < 1000; x += 4)
            _oGraphics->SetLineColor(x % 8 == 0 ? 12 : 2)
                .SetFillColor(x % 8 == 0 ? 12 : 2)
                .PaintRectangle(x, 0, 4, 800, 1);
    }
    bool CallByName(std::string_view cName) override
    {
        aCalls.emplace_back(cName);
        return dtaCalcPar::CallByName(cName);
    }
    std::vector<std::string> aCalls;
};

class CalcWindowKitTest : public CalcWindowTest {
protected:
    void Settle()
    {
        for (int i = 0; i < 3; ++i) {
            RedrawWindow(window->Handle(), nullptr, nullptr, RDW_UPDATENOW | RDW_ALLCHILDREN);
            ApplicationExec();
        }
    }
    // A point of the label's empty right end, in the window's client pixels.
    POINT EmptyPartOf(const char* cName) const
    {
        RECT r;
        GetWindowRect(Get(cName)->Handle(), &r);
        MapWindowPoints(HWND_DESKTOP, window->Handle(), reinterpret_cast<POINT*>(&r), 2);
        return {r.right - 2, (r.top + r.bottom) / 2};
    }
    COLORREF Pixel(POINT p) const
    {
        HDC hDC = GetDC(window->Handle());
        const COLORREF c = GetPixel(hDC, p.x, p.y);
        ReleaseDC(window->Handle(), hDC);
        return c;
    }
};

TEST_F(CalcWindowKitTest, LabelsShowThePaintersSurface)
{
    frame->SetSize({900, 700});
    window->SetSize({880, 640});
    Settle();
    const int nHeight = window->CanvasArea().Height();
    HDC hSurface = window->_oGraphics->State()._oRefreshCanvas.DC();
    for (const char* cName : {"Text1", "Text9"}) {
        const POINT p = EmptyPartOf(cName);
        const COLORREF nSurface = GetPixel(hSurface, p.x, nHeight - 1 - p.y);
        EXPECT_NE(nSurface, GetSysColor(COLOR_BTNFACE)) << cName;
        EXPECT_EQ(Pixel(p), nSurface) << cName;
    }
}

TEST_F(CalcWindowKitTest, ABorderDragOfTheFramePaintsOnce)
{
    CountingCalcPar oWindow(frame.get());
    oWindow.SetSize({600, 500});
    oWindow.Show();
    UpdateWindow(oWindow.Handle());
    ApplicationExec();
    const int nBefore = oWindow.nPaints;
    ASSERT_GE(nBefore, 1);
    RECT r{0, 0, 700, 560};
    SendMessageA(oWindow.Handle(), WM_SIZING, WMSZ_BOTTOMRIGHT, reinterpret_cast<LPARAM>(&r));
    for (int n = 0; n < 5; ++n) {
        oWindow.SetSize({610 + 10 * n, 510 + 10 * n});
        UpdateWindow(oWindow.Handle());
        ApplicationExec();
    }
    EXPECT_EQ(oWindow.nPaints, nBefore);
    SendMessageA(oWindow.Handle(), WM_EXITSIZEMOVE, 0, 0);
    UpdateWindow(oWindow.Handle());
    ApplicationExec();
    EXPECT_EQ(oWindow.nPaints, nBefore + 1);
    oWindow.Destroy();
}

TEST_F(CalcWindowKitTest, TheInfoButtonIsACircleOverTheSurfaceAndCallsButInfo)
{
    window->Hide();
    NamingCalcPar oWindow(frame.get());
    oWindow.SetSize({880, 640});
    oWindow.Show();
    for (int i = 0; i < 3; ++i) {
        RedrawWindow(oWindow.Handle(), nullptr, nullptr, RDW_UPDATENOW | RDW_ALLCHILDREN);
        ApplicationExec();
    }
    auto* oInfo = dynamic_cast<gFormPushButton*>(oWindow.GetControl("BUTINFO"));
    ASSERT_NE(oInfo, nullptr);
    EXPECT_EQ(oInfo->FormCode(), 1);
    const Dimension s = oInfo->Size();
    EXPECT_EQ(s.width, s.height);
    RECT r;
    GetWindowRect(oInfo->Handle(), &r);
    MapWindowPoints(HWND_DESKTOP, oWindow.Handle(), reinterpret_cast<POINT*>(&r), 2);
    HDC hDC = GetDC(oWindow.Handle());
    const int nHeight = oWindow.CanvasArea().Height();
    HDC hSurface = oWindow._oGraphics->State()._oRefreshCanvas.DC();
    for (const POINT p : {POINT{r.left, r.top}, POINT{r.right - 1, r.top}, POINT{r.left, r.bottom - 1},
                          POINT{r.right - 1, r.bottom - 1}})
        EXPECT_EQ(GetPixel(hDC, p.x, p.y), GetPixel(hSurface, p.x, nHeight - 1 - p.y)) << p.x << ", " << p.y;
    const COLORREF nCentre = GetPixel(hDC, (r.left + r.right) / 2 - 3, (r.top + r.bottom) / 2);
    EXPECT_NE(nCentre, GetPixel(hSurface, (r.left + r.right) / 2 - 3, nHeight - 1 - (r.top + r.bottom) / 2));
    ReleaseDC(oWindow.Handle(), hDC);

    const LPARAM nCentreAt = MAKELPARAM(s.width / 2, s.height / 2);
    SendMessageA(oInfo->Handle(), WM_LBUTTONDOWN, MK_LBUTTON, nCentreAt);
    SendMessageA(oInfo->Handle(), WM_LBUTTONUP, 0, nCentreAt);
    ApplicationExec();
    EXPECT_EQ(std::count(oWindow.aCalls.begin(), oWindow.aCalls.end(), "BUTINFO"), 1);
    oWindow.Destroy();
}

TEST_F(CalcWindowKitTest, APrintedFormShowsTheSurface)
{
    seam.defaultPrinter = "Laser,winspool,LPT1:";
    // A plain surface in a colour that is not the framework's dialog face.
    const int nGradient = gnGradient;
    const Color oFarbe = gaFarben[3];
    gnGradient = 0;
    gaFarben[3] = Color(200, 120, 40);
    window->PaintNew();
    Settle();
    ASSERT_TRUE(window->Print(PrintingDevice()));
    gnGradient = nGradient;
    gaFarben[3] = oFarbe;
    ASSERT_EQ(seam.printedPages.size(), 1u);
    const auto& page = seam.printedPages[0];
    // The surface colour comes only from the painted surface, between the
    // fields and behind the labels.
    const auto nSurface = std::count(page.pixels.begin(), page.pixels.end(), RGB(200, 120, 40));
    EXPECT_GT(nSurface, static_cast<std::ptrdiff_t>(page.pixels.size() / 10));
}

}  // namespace
}  // namespace calcwindow_test
