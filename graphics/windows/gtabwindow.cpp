#include "graphics/windows/gtabwindow.h"

#include <commctrl.h>

#include "graphics/windows/gformwindow.h"
#include "lib/system.h"

gTabWindow::gTabWindow(Window* oOwner) : ChildAppWindow(oOwner)
{
    if (Handle() == nullptr) return;
    _oTabControl = AddControl<TabControl>(100, Point(0, 0), Dimension(1, 1), WS_CHILD);
    _oTabControl->SetHyperLabel({"TABCONTROL", "", "", ""});
    _oTabControl->Show();
    _oTabControl->SetOwnerAlignment(Control::kFollowOwnerSize);
}

Window* gTabWindow::Page() const
{
    return _oTabControl != nullptr ? _oTabControl->SelectedTabPage() : nullptr;
}

bool gTabWindow::PageRepaints() const
{
    return dynamic_cast<gPaintNewTarget*>(Page()) != nullptr;
}

bool gTabWindow::PageIsForm() const
{
    return dynamic_cast<gDataWindow*>(Page()) != nullptr;
}

void gTabWindow::FitOrRepaintPage()
{
    if (PageIsForm())
        GDataWinTab();
    else
        Page()->Repaint();
}

void gTabWindow::GDataWinTab()
{
    Window* oPage = Page();
    if (oPage == nullptr || oPage->Handle() == nullptr) return;
    RECT r{};
    GetWindowRect(_oTabControl->Handle(), &r);
    SendMessageA(_oTabControl->Handle(), TCM_ADJUSTRECT, FALSE, reinterpret_cast<LPARAM>(&r));
    MapWindowPoints(nullptr, GetParent(_oTabControl->Handle()), reinterpret_cast<POINT*>(&r), 2);
    SetWindowPos(oPage->Handle(), nullptr, r.left - 1, r.top, r.right - r.left, r.bottom - r.top - 1,
                 SWP_NOZORDER | SWP_NOACTIVATE);
    SendMessageA(oPage->Handle(), WM_EXITSIZEMOVE, 0, 0);
}

LRESULT gTabWindow::Dispatch(Event& oEvent)
{
    const LRESULT nResult = ChildAppWindow::Dispatch(oEvent);
    switch (oEvent.message) {
    case WM_SIZING: _lResizeAktiv = true; break;
    case WM_EXITSIZEMOVE:
        if (!_lResizeAktiv) break;
        _lResizeAktiv = false;
        // lParam 0: the layout takes the current client size.
        if (_oTabControl != nullptr)
            SendMessageA(GetParent(_oTabControl->Handle()), WM_SIZE, IsZoomed() ? SIZE_MAXIMIZED : SIZE_RESTORED, 0);
        if (PageIsForm())
            GDataWinTab();
        else
            Repaint();
        break;
    case WM_NCACTIVATE:
        if (oEvent.wParam != 0 && PageRepaints()) Update();
        break;
    case WM_SYSCOMMAND:
        if ((oEvent.wParam == SC_MAXIMIZE || oEvent.wParam == SC_RESTORE) && PageRepaints()) FitOrRepaintPage();
        break;
    default: break;
    }
    return nResult;
}

void gTabWindow::Resize(ResizeEvent& oEvent)
{
    if (_lResizeAktiv) return;
    ChildAppWindow::Resize(oEvent);
    if (!IsVisible()) return;
    if (PageRepaints()) {
        if (IsZoomed()) {
            if (PageIsForm()) GDataWinTab();
        } else if (gnPlattformVersion <= 26) {
            _oTabControl->SelectTab(_oTabControl->SelectedTab());
            Page()->Repaint();
        }
    } else if (IsZoomed() && dynamic_cast<DataWindow*>(Page()) != nullptr) {
        GDataWinTab();
    }
}

void gTabWindow::Expose(ExposeEvent& oEvent)
{
    if (_lResizeAktiv) return;
    ChildAppWindow::Expose(oEvent);
    if (IsVisible() && PageRepaints()) Page()->Repaint();
}

void gTabWindow::Show(int nShowState)
{
    ChildAppWindow::Show(nShowState);
    if (PageRepaints()) Update();
}

void gTabWindow::TabSelect(ControlEvent& oEvent)
{
    ChildAppWindow::TabSelect(oEvent);
    if (PageIsForm()) {
        GDataWinTab();
    } else if (PageRepaints() && gnPlattformVersion <= 26) {
        dynamic_cast<gPaintNewTarget*>(Page())->PaintNew();
    }
}

void gTabWindow::Destroy()
{
    if (_oTabControl != nullptr) {
        _oTabControl->Destroy();
        _oTabControl = nullptr;
    }
    ChildAppWindow::Destroy();
}
