#pragma once
// gSplitWindow: a split window whose panes are kit windows, which paint
// themselves. The panes are laid out not at every size of a border drag but
// once when it ends, and then repainted; form panes are shown with the split
// window; releasing a splitter bar repaints every pane that can repaint
// itself.
#include <cstdint>

#include "platform/framework/splitwindow.h"

// The kit message by which a split window learns that a splitter bar was
// released: WM_LBUTTONUP with this value in both parameters.
constexpr WPARAM kGMsgSplitRelease = 99;

class gSplitWindow : public SplitWindow {
public:
    // lHorizontalDrag, lVerticalDrag as the framework's split window has them.
    explicit gSplitWindow(Window* oOwner, bool lHorizontalDrag = true, bool lVerticalDrag = true);
    LRESULT Dispatch(Event& oEvent) override;
    // Lays the panes out, except during a border drag.
    void Resize(ResizeEvent& oEvent) override;
    void Show(int nShowState = SW_SHOWNORMAL) override;
    // Tells the window itself, as the kit message.
    void SplitterReleased() override;

private:
    // Repaints each pane that repaints itself; lForms: form panes too.
    void RepaintPanes(bool lForms);

    bool _lResizeAktiv = false;
    uint16_t _nPaneCount = 0;
};
