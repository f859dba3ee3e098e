#pragma once
// gTabWindow: a child window covered by one tab control whose pages are kit
// windows. A form page (gDataWindow) is fitted exactly into the control's
// display area, one pixel further left and one pixel less high, whenever it
// is chosen or the window changes size; during a border drag the window does
// no page work and catches up once when the drag ends. Pages are added with
// the tab control's own operations.
#include "platform/framework/appwindow.h"
#include "platform/framework/controls.h"

class gTabWindow : public ChildAppWindow {
public:
    explicit gTabWindow(Window* oOwner);
    void Destroy() override;
    LRESULT Dispatch(Event& oEvent) override;
    void Expose(ExposeEvent& oEvent) override;
    // Fits the chosen page into the tab control's display area.
    void GDataWinTab();
    void Resize(ResizeEvent& oEvent) override;
    void Show(int nShowState = SW_SHOWNORMAL) override;
    void TabSelect(ControlEvent& oEvent) override;

    TabControl* TabControlOf() const { return _oTabControl; }

private:
    Window* Page() const;
    // The page repaints itself on request.
    bool PageRepaints() const;
    bool PageIsForm() const;
    // Fits a form page, repaints any other.
    void FitOrRepaintPage();

    bool _lResizeAktiv = false;
    TabControl* _oTabControl = nullptr;
};
