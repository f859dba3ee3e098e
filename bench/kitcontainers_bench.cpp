// Container window benchmark (needs a display):
// - the scroll window: a 4000 x 4000 canvas in an 800 x 600 view, time per
//   scroll step from the scroll message to the copied view, beside the floor
//   of a straight BitBlt of 800 x 600 from a memory DC to the window; also
//   the same pixels copied into a memory bitmap, where the copy is made at
//   once (to a window Wine hands it to the X server), and the drawing of the
//   bar, which a timer does after the steps;
// - the colour window's full paint (411 cells with their numbers, on the
//   window and its refresh bitmap) beside the same GDI calls made straight
//   on both DCs.
// The machine is shared: each figure is the median (and the best) of ten
// batches, the kit's and the straight batches taking turns. Prints
// microseconds per operation and the ratios of the medians.
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <functional>
#include <string>
#include <vector>

#include "bench/timing.h"
#include "graphics/core/colors.h"
#include "graphics/core/device.h"
#include "graphics/windows/gcolorwindow.h"
#include "graphics/windows/gscrollwindow.h"
#include "platform/framework/app.h"

namespace {

// Ten batches of nCount calls of each function, in turns: the median and the
// best microseconds per call of each.
std::vector<Figure> MicrosPerOpOfBatches(const std::vector<std::function<void(int)>>& aFns, int nCount)
{
    std::vector<std::vector<double>> aBatches(aFns.size());
    for (int nBatch = 0; nBatch < 10; ++nBatch)
        for (size_t i = 0; i < aFns.size(); ++i) aBatches[i].push_back(MicrosPerOp(aFns[i], nCount));
    std::vector<Figure> aFigures;
    for (std::vector<double>& a : aBatches) aFigures.emplace_back(std::move(a));
    return aFigures;
}

// The colour grid painted straight: the same rectangles and numbers.
void StraightGrid(HDC hDC, int nWidth, int nHeight)
{
    const int n = static_cast<int>(gaColorArray.size()), nColumns = 20, nRows = 21;
    const int cw = nWidth / nColumns, ch = nHeight / nRows;
    HFONT hFont = CreateFontA(-12, 6, 0, 0, FW_NORMAL, 0, 0, 0, ANSI_CHARSET, 0, 0, 0, 0, "Arial");
    HGDIOBJ hOldFont = SelectObject(hDC, hFont);
    SetBkMode(hDC, TRANSPARENT);
    SetTextAlign(hDC, TA_CENTER | TA_BASELINE);
    for (int i = 0; i < n; ++i) {
        const int x = (i % nColumns) * cw, y = (i / nColumns) * ch;
        HBRUSH hBrush = CreateSolidBrush(ChangeNum2Rgb(i + 1));
        HGDIOBJ hOld = SelectObject(hDC, hBrush);
        Rectangle(hDC, x, y, x + cw + 1, y + ch + 1);
        SelectObject(hDC, hOld);
        DeleteObject(hBrush);
        const std::string cNumber = std::to_string(i + 1);
        TextOutA(hDC, x + cw / 2, y + ch / 2, cNumber.c_str(), static_cast<int>(cNumber.size()));
    }
    SelectObject(hDC, hOldFont);
    DeleteObject(hFont);
}

class Big : public gScrollWindow {
public:
    using gScrollWindow::gScrollWindow;
    void Paint() override
    {
        for (int x = 0; x < 4000; x += 200)
            _oGraphics->SetFillColor(x / 200 % 14 + 1).PaintRectangle(x, 0, 200, 4000, 1);
    }
};

void ScrollBench(Window& oOwner)
{
    Big oView(&oOwner, 4000, 4000);
    oView.SetSize({800 + GetSystemMetrics(SM_CXVSCROLL), 600 + GetSystemMetrics(SM_CYHSCROLL)});
    oView.Show();
    UpdateWindow(oView.Handle());
    ApplicationExec();
    HDC hWindow = GetDC(oView.Handle());
    HDC hMemory = CreateCompatibleDC(hWindow);
    HBITMAP hBitmap = CreateCompatibleBitmap(hWindow, 4000, 600);
    HGDIOBJ hOld = SelectObject(hMemory, hBitmap);
    HDC hRefresh = oView._oGraphics->State()._oRefreshCanvas.DC();
    WindowScrollBar* oBar = oView.HorizontalBar();
    auto step = [&](int i) {
        SendMessageA(oView.Handle(), WM_HSCROLL, MAKEWPARAM(SB_THUMBPOSITION, i % 2 == 0 ? 20 : 70), 0);
        GdiFlush();
    };
    const std::vector<Figure> a =
        MicrosPerOpOfBatches({step,
                              [&](int) {
                                  oView._oGraphics->InternRefresh({0, 0, 800, 600});
                                  GdiFlush();
                              },
                              [&](int i) {
                                  BitBlt(hWindow, 0, 0, 800, 600, hMemory, i % 2 == 0 ? 640 : 2240, 0, SRCCOPY);
                                  GdiFlush();
                              },
                              [&](int i) {
                                  const DeviceUnits oUnits(hRefresh);
                                  BitBlt(hMemory, 0, 0, 800, 600, hRefresh, i % 2 == 0 ? 640 : 2240, 0, SRCCOPY);
                                  GdiFlush();
                              },
                              [&](int) {
                                  oBar->SetThumbPosition(oBar->ThumbPosition());
                                  GdiFlush();
                              }},
                             200);
    SelectObject(hMemory, hOld);
    DeleteObject(hBitmap);
    DeleteDC(hMemory);
    ReleaseDC(oView.Handle(), hWindow);
    std::printf("scroll step, 4000 x 4000 in 800 x 600: median %.1f us (best %.1f); straight BitBlt: median %.1f us "
                "(best %.1f); ratio of the medians %.2f\n",
                a[0].fMedian, a[0].fBest, a[2].fMedian, a[2].fBest, a[0].fMedian / a[2].fMedian);
    std::printf("copy of the view from the refresh bitmap alone: median %.1f us\n", a[1].fMedian);
    std::printf("the same pixels from the refresh bitmap into a memory bitmap: median %.1f us\n", a[3].fMedian);
    std::printf("drawing the bar (once per tick of its timer): median %.1f us\n", a[4].fMedian);
}

void ColourBench(Window& oOwner)
{
    gColorWindow oColours(&oOwner);
    oColours.SetSize({500, 360});
    oColours.Show();
    UpdateWindow(oColours.Handle());
    ApplicationExec();
    HDC hWindow = GetDC(oColours.Handle());
    HDC hBitmap = oColours._oGraphics->State()._oRefreshCanvas.DC();
    const std::vector<Figure> a = MicrosPerOpOfBatches({[&](int) {
                                                            oColours.PaintNew();
                                                            GdiFlush();
                                                        },
                                                        [&](int) {
                                                            StraightGrid(hWindow, 500, 360);
                                                            StraightGrid(hBitmap, 500, 360);
                                                            GdiFlush();
                                                        }},
                                                       10);
    ReleaseDC(oColours.Handle(), hWindow);
    std::printf("colour window full paint: median %.0f us; straight GDI: median %.0f us; ratio %.2f\n", a[0].fMedian,
                a[1].fMedian, a[0].fMedian / a[1].fMedian);
}

}  // namespace

int main()
{
    TopAppWindow oOwner;
    if (oOwner.Handle() == nullptr) {
        std::printf("no display: nothing measured\n");
        return 0;
    }
    oOwner.SetSize({1000, 800});
    oOwner.Show();
    for (int nRound = 0; nRound < 2; ++nRound) {
        ScrollBench(oOwner);
        ColourBench(oOwner);
    }
    return 0;
}
