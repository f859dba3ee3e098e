// A progress bar that shows a long loop's progress in percent, updated at
// most once per timer interval: Start, SetMax (starts the timer), then in
// the loop TimeOk and, when it answers true, Update, and at the end Finish.
// The timer ticks arrive while window messages are dispatched, so the loop
// must dispatch them. Timer, flag, maximum and interval exist once in the
// process: all progress bars share them.
#pragma once

#include <windows.h>

#include "platform/framework/controls.h"

namespace widgets {

class ProgressBar : public ::ProgressBar {
public:
    // A progress bar of a dialog template.
    using ::ProgressBar::ProgressBar;
    // A new progress bar at a place of the owner's canvas.
    ProgressBar(Window& owner, int id, Point origin, Dimension size);

    // Range 0 to 100, position 0.
    ProgressBar& Start();
    // The value that means 100 percent and the timer interval in
    // milliseconds; starts the timer when none runs (a running one keeps
    // its interval).
    ProgressBar& SetMax(double maximum = 100.0, DWORD interval = 25);
    // True, once, when a tick came since the last true answer.
    bool TimeOk();
    // Shows value / maximum in whole percent (cut, within 0 to 100) when that
    // differs from the position shown; with a maximum of 0 the position stays.
    ProgressBar& Update(double value);
    // Stops the timer and shows 100.
    ProgressBar& Finish();
    // Ends the bar's window and stops the timer.
    void Destroy() override;

    // The running timer (0: none), the maximum and the interval last set.
    static UINT_PTR TimerId();
    static double Maximum();
    static DWORD Interval();
};

}  // namespace widgets
