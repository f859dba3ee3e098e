#include "widgets/progressbar.h"

#include <commctrl.h>

#include <cmath>

namespace widgets {

namespace {

// The state of every progress bar of the process, on the window thread.
UINT_PTR timerId = 0;
bool timeOk = true;
double maximum = 100.0;
DWORD interval = 0;

void CALLBACK TimerProgress(HWND, UINT, UINT_PTR, DWORD)
{
    timeOk = true;
}

void KillProgressTimer()
{
    if (timerId && KillTimer(nullptr, timerId)) timerId = 0;
}

}  // namespace

ProgressBar::ProgressBar(Window& owner, int id, Point origin, Dimension size)
    : ::ProgressBar(owner, id, PROGRESS_CLASSA, WS_VISIBLE, origin, size)
{
}

ProgressBar& ProgressBar::Start()
{
    SetRange(0, 100);
    SetPosition(0);
    return *this;
}

ProgressBar& ProgressBar::SetMax(double newMaximum, DWORD newInterval)
{
    maximum = newMaximum;
    interval = newInterval;
    if (!timerId) timerId = SetTimer(nullptr, 0, interval, TimerProgress);
    return *this;
}

bool ProgressBar::TimeOk()
{
    bool ok = timeOk;
    timeOk = false;
    return ok;
}

ProgressBar& ProgressBar::Update(double value)
{
    double percent = std::floor(value / maximum * 100.0);
    // A maximum of 0 (or a value that is no number) gives no percentage.
    if (maximum == 0.0 || std::isnan(percent)) return *this;
    int position = static_cast<int>(std::fmin(std::fmax(percent, 0.0), 100.0));
    if (position != Position()) SetPosition(position);
    return *this;
}

ProgressBar& ProgressBar::Finish()
{
    KillProgressTimer();
    SetPosition(100);
    timeOk = false;
    return *this;
}

void ProgressBar::Destroy()
{
    ::ProgressBar::Destroy();
    KillProgressTimer();
}

UINT_PTR ProgressBar::TimerId()
{
    return timerId;
}

double ProgressBar::Maximum()
{
    return maximum;
}

DWORD ProgressBar::Interval()
{
    return interval;
}

}  // namespace widgets
