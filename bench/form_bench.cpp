// Form benchmark: the calculation window on the kit's form window, against
// the floor, the same template "dtaCalcPar_vo" on the framework's plain form
// with every control redrawn. Measures per round, each followed by dispatching
// until the queue is empty:
// - full repaint: PaintNew (the window's Paint, then every visible control
//   redrawn);
// - expose: the whole window and its controls invalidated and updated at once,
//   as when it is uncovered; the kit copies its surface back from the refresh
//   bitmap and the controls draw over it;
// - floor: the same invalidation and update of the plain form, which has the
//   face colour erased and every control drawn; its controls carry the same
//   tool tips as the calculation window's.
// The three take turns in passes of a few rounds; prints milliseconds per
// round, the best and the median pass, and their ratios to the floor.
// Needs a display: DISPLAY=... scripts/wine-run.sh ARCH build/ARCH/bench/form_bench.exe
#include <windows.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <functional>
#include <vector>

#include "app/calcwindow/calcwindow.h"
#include "bench/calcwindow_setup.h"
#include "bench/timing.h"
#include "graphics/windows/gkit.h"
#include "platform/framework/app.h"
#include "platform/framework/appwindow.h"

namespace {

constexpr int kRounds = 5;
constexpr int kPasses = 40;
constexpr Dimension kFrameSize{900, 800};
// The whole window and every control, as an uncovering invalidates them.
constexpr UINT kUncover = RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_UPDATENOW;

// The calculation window, counting the runs of its Paint.
class CountingCalcPar : public dtaCalcPar {
public:
    using dtaCalcPar::dtaCalcPar;
    void Paint() override
    {
        ++nPaints;
        dtaCalcPar::Paint();
    }
    int nPaints = 0;
};

// A frame of kFrameSize with a form filling its canvas, on top of the others
// (the calculation window has fitted itself to the frame's first size).
void Place(TopAppWindow& oFrame, Window& oForm)
{
    oFrame.SetSize(kFrameSize);
    oFrame.Show();
    oForm.SetOrigin({0, 0});
    oForm.SetSize(oFrame.CanvasArea().extent);
    oForm.Show();
    ApplicationExec();
}

void Raise(TopAppWindow& oFrame)
{
    SetWindowPos(oFrame.Handle(), HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
    ApplicationExec();
}

// Milliseconds per round of fn, each round followed by dispatching until the
// queue is empty.
double MillisPerRound(const std::function<void()>& fn)
{
    const auto t0 = std::chrono::steady_clock::now();
    for (int i = 0; i < kRounds; ++i) {
        fn();
        ApplicationExec();
    }
    const auto t1 = std::chrono::steady_clock::now();
    return std::chrono::duration<double, std::milli>(t1 - t0).count() / kRounds;
}

}  // namespace

int main()
{
    InitFunction();
    CalcWindowSetup oSetup;

    TopAppWindow oFloorFrame;
    DataWindow oFloor(&oFloorFrame, "dtaCalcPar_vo");
    Place(oFloorFrame, oFloor);
    AddToolTips(oFloor);
    TopAppWindow oFrame;
    CountingCalcPar oWindow(&oFrame);
    Place(oFrame, oWindow);
    if (oWindow._oGraphics->State()._oRefreshCanvas.DC() == nullptr) {
        std::printf("form_bench: no display, nothing measured\n");
        return 1;
    }
    const Dimension s = oWindow.Size();
    std::printf("form_bench: dtaCalcPar_vo, %d x %d pixels, %d passes of %d rounds (target: ratio 1.5)\n", s.width,
                s.height, kPasses, kRounds);

    std::vector<double> aFloor, aRepaint, aExpose;
    int nExposePaints = 0;
    for (int nPass = 1; nPass <= kPasses; ++nPass) {
        Raise(oFloorFrame);
        aFloor.push_back(MillisPerRound([&] { RedrawWindow(oFloor.Handle(), nullptr, nullptr, kUncover); }));
        Raise(oFrame);
        aRepaint.push_back(MillisPerRound([&] { oWindow.PaintNew(); }));
        const int nBefore = oWindow.nPaints;
        aExpose.push_back(MillisPerRound([&] { RedrawWindow(oWindow.Handle(), nullptr, nullptr, kUncover); }));
        nExposePaints += oWindow.nPaints - nBefore;
    }
    const Figure oFloorFigure(aFloor);
    Report("floor: plain form, every control redrawn", oFloorFigure, oFloorFigure);
    Report("full repaint (PaintNew)", Figure(aRepaint), oFloorFigure);
    Report("expose from the refresh bitmap", Figure(aExpose), oFloorFigure);
    std::printf("Paint runs during the exposes: %d (0: every expose came from the bitmap)\n", nExposePaints);

    oWindow.Destroy();
    oFloor.Destroy();
    return 0;
}
