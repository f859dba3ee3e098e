#include "graphics/windows/gshellwindow.h"

LRESULT CALLBACK ShellWinProc(HWND hWnd, UINT uMsg, WPARAM wParam, LPARAM lParam)
{
    if (hWnd == nullptr) return 0;
    auto* oShell = dynamic_cast<gShellWindow*>(ObjectOfWindowHandle(GetParent(hWnd)));
    // A frame being made or destroyed has no object: the class procedure serves.
    if (oShell != nullptr && uMsg == WM_ERASEBKGND) {
        if (oShell->ResizeAktiv()) SendMessageA(oShell->Handle(), WM_ERASEBKGND, wParam, lParam);
        return 0;
    }
    if (oShell != nullptr && uMsg == WM_PAINT) {
        // During a drag the area is only validated: a region left invalid
        // would bring WM_PAINT back at once for as long as the drag lasts.
        // The end of the drag paints the whole client area.
        if (oShell->ResizeAktiv()) {
            ValidateRect(hWnd, nullptr);
            return 0;
        }
        PAINTSTRUCT ps;
        BeginPaint(hWnd, &ps);
        oShell->InternRefresh();
        EndPaint(hWnd, &ps);
        return 0;
    }
    const auto fnClass = reinterpret_cast<WNDPROC>(GetClassLongPtrA(hWnd, GCLP_WNDPROC));
    return CallWindowProcA(fnClass, hWnd, uMsg, wParam, lParam);
}

gShellWindow::gShellWindow(Window* oOwner) : gKitWindow(oOwner)
{
    if (ClientHandle() != nullptr)
        SetWindowLongPtrA(ClientHandle(), GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(ShellWinProc));
    _oGraphics->SetBackgroundColor(7);
}

void gShellWindow::InternRefresh()
{
    if (!_oGraphics || PaintNewIfResized()) return;
    const SIZE s = CanvasSize();
    _oGraphics->InternRefresh({0, 0, s.cx, s.cy});
}

void gShellWindow::SendToDocuments(bool lAll, bool lSizing, bool lExit)
{
    for (Window* oDocument : Documents()) {
        if (dynamic_cast<gPaintNewTarget*>(oDocument) == nullptr || (!lAll && !oDocument->IsZoomed())) continue;
        if (lSizing) {
            RECT r{};
            GetWindowRect(oDocument->Handle(), &r);
            SendMessageA(oDocument->Handle(), WM_SIZING, WMSZ_BOTTOMRIGHT, reinterpret_cast<LPARAM>(&r));
        }
        if (lExit) SendMessageA(oDocument->Handle(), WM_EXITSIZEMOVE, 0, 0);
    }
}

LRESULT gShellWindow::Dispatch(Event& oEvent)
{
    const bool lDragged = ResizeAktiv();
    const LRESULT nResult = gKitWindow::Dispatch(oEvent);
    switch (oEvent.message) {
    case WM_SIZING: SendToDocuments(false, true, false); break;
    case WM_EXITSIZEMOVE:
        // The surface lies on the client window, which the frame's repaint
        // does not reach.
        if (lDragged) InvalidateRect(ClientHandle(), nullptr, FALSE);
        SendToDocuments(false, false, true);
        break;
    case WM_SYSCOMMAND:
        if (oEvent.wParam == SC_RESTORE || oEvent.wParam == SC_MAXIMIZE) SendToDocuments(true, true, true);
        break;
    default: break;
    }
    return nResult;
}
