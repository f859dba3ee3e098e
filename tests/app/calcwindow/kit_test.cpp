// The calculation window on the kit's form: its labels lie over the painted
// surface, a border drag of the frame paints it once, and a printed form
// shows the surface.
#include "calcwindow_fixture.h"

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
    static constexpr COLORREF kSilver = RGB(192, 192, 192);
};

TEST_F(CalcWindowKitTest, LabelsShowThePaintersSurface)
{
    frame->SetSize({900, 700});
    window->SetSize({880, 640});
    Settle();
    ASSERT_NE(GetSysColor(COLOR_BTNFACE), kSilver);
    for (const char* cName : {"Text1", "Text9"}) EXPECT_EQ(Pixel(EmptyPartOf(cName)), kSilver) << cName;
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

TEST_F(CalcWindowKitTest, APrintedFormShowsTheSurface)
{
    seam.defaultPrinter = "Laser,winspool,LPT1:";
    Settle();
    ASSERT_TRUE(window->Print(PrintingDevice()));
    ASSERT_EQ(seam.printedPages.size(), 1u);
    const auto& page = seam.printedPages[0];
    // The framework's dialog face is not silver: silver comes only from the
    // painted surface, between the fields and behind the labels.
    const auto nSilver = std::count(page.pixels.begin(), page.pixels.end(), kSilver);
    EXPECT_GT(nSilver, static_cast<std::ptrdiff_t>(page.pixels.size() / 10));
}

}  // namespace
}  // namespace calcwindow_test
