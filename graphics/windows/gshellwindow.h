#pragma once
// gShellWindow: the kit's frame with document windows. Its painter draws on
// the client window that holds the documents: the client's DCs clip the
// documents, so what Paint draws shows around them and never over them. The
// client's own procedure (ShellWinProc) paints from the refresh bitmap and
// never erases; during a border drag it paints nothing and hands its erase
// to the frame. The frame passes the sizing messages on to its maximised
// documents (all of them on maximise and restore), so that they follow the
// frame with one repaint at the end.
#include "graphics/windows/gkitwindow.h"

// The window procedure of a shell window's client window.
LRESULT CALLBACK ShellWinProc(HWND hWnd, UINT uMsg, WPARAM wParam, LPARAM lParam);

class gShellWindow : public gKitWindow<ShellWindow> {
public:
    explicit gShellWindow(Window* oOwner = nullptr);
    LRESULT Dispatch(Event& oEvent) override;
    // Paints the whole client area from the refresh bitmap, or in full when
    // the size changed or there is no bitmap.
    void InternRefresh();
    bool KeepsToolBarSpace() const override { return true; }
    using gKitWindow::ResizeAktiv;

private:
    // Sends the document windows that repaint themselves (lAll: maximised or
    // not) the start and the end of a drag.
    void SendToDocuments(bool lAll, bool lSizing, bool lExit);
};
