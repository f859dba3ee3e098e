#include "graphics/windows/gsplitwindow.h"

#include "graphics/windows/gkitwindow.h"
#include "platform/framework/dialogs.h"

gSplitWindow::gSplitWindow(Window* oOwner, bool lHorizontalDrag, bool lVerticalDrag)
    : SplitWindow(oOwner, lHorizontalDrag, lVerticalDrag)
{
}

void gSplitWindow::Show(int nShowState)
{
    SplitWindow::Show(nShowState);
    _nPaneCount = static_cast<uint16_t>(Layout().width * Layout().height);
    for (int nPane = 1; nPane <= _nPaneCount; ++nPane)
        if (auto* oForm = dynamic_cast<DataWindow*>(GetPaneClient(nPane))) oForm->Show();
}

void gSplitWindow::Resize(ResizeEvent& oEvent)
{
    if (!_lResizeAktiv) SplitWindow::Resize(oEvent);
}

void gSplitWindow::SplitterReleased()
{
    SendMessageA(Handle(), WM_LBUTTONUP, kGMsgSplitRelease, kGMsgSplitRelease);
}

void gSplitWindow::RepaintPanes(bool lForms)
{
    for (int nPane = 1; nPane <= _nPaneCount; ++nPane) {
        Window* oPane = GetPaneClient(nPane);
        if (dynamic_cast<gPaintNewTarget*>(oPane) == nullptr) continue;
        if (lForms || dynamic_cast<DataWindow*>(oPane) == nullptr) oPane->Repaint();
    }
}

LRESULT gSplitWindow::Dispatch(Event& oEvent)
{
    const LRESULT nResult = SplitWindow::Dispatch(oEvent);
    switch (oEvent.message) {
    case WM_SIZING: _lResizeAktiv = true; break;
    case WM_EXITSIZEMOVE:
        if (!_lResizeAktiv) break;
        _lResizeAktiv = false;
        // lParam 0: the layout takes the current client size.
        SendMessageA(Handle(), WM_SIZE, IsZoomed() ? SIZE_MAXIMIZED : SIZE_RESTORED, 0);
        RepaintPanes(false);
        break;
    case WM_LBUTTONUP:
        if (oEvent.wParam == kGMsgSplitRelease && oEvent.lParam == kGMsgSplitRelease) RepaintPanes(true);
        break;
    default: break;
    }
    return nResult;
}
