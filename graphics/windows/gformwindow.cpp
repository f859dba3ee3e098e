#include "graphics/windows/gformwindow.h"

#include "graphics/windows/gkitcontrols.h"
#include "lib/system.h"
#include "platform/framework/controls.h"

namespace {

// The kit's answer to a control's colour request (WM_CTLCOLORSTATIC or
// WM_CTLCOLORSCROLLBAR) on a transparent form; nResult is the framework's.
LRESULT AnswerColourRequest(gTransparentForm& oForm, const Window& oWindow, HDC hDC, HWND hControl, LRESULT nResult)
{
    Window* oControl = ObjectOfWindowHandle(hControl);
    Graphics* oGraphics = oForm.FormGraphics();
    if (oControl == nullptr || !oControl->IsVisible() || oGraphics == nullptr) return nResult;
    if (dynamic_cast<FixedImage*>(oControl) != nullptr || dynamic_cast<ScrollBar*>(oControl) != nullptr ||
        dynamic_cast<Slider*>(oControl) != nullptr) {
        if (!oForm._lBackgroundColor) return nResult;
        SetBkColor(hDC, oGraphics->State()._nBackgrColor);
        return reinterpret_cast<LRESULT>(oWindow.Background().Handle());
    }
    if (dynamic_cast<Edit*>(oControl) != nullptr) return nResult;
    SetBkMode(hDC, TRANSPARENT);
    const bool lCheck = dynamic_cast<CheckBox*>(oControl) != nullptr || dynamic_cast<RadioButton*>(oControl) != nullptr;
    if (oGraphics->State()._oRefreshCanvas.DC() != nullptr) {
        const bool lText = dynamic_cast<FixedText*>(oControl) != nullptr;
        // The window copies the background under the control back before the
        // control draws its text.
        if (lText || (lCheck && GetFocus() != hControl)) oForm.RestoreSurfaceUnder(*oControl);
    }
    if (lCheck) DrawDisabledCaption(hDC, hControl);
    return reinterpret_cast<LRESULT>(oForm._pTransBrush);
}

}  // namespace

LRESULT CALLBACK DataWinProc(HWND hWnd, UINT uMsg, WPARAM wParam, LPARAM lParam)
{
    if (hWnd == nullptr) return 0;
    const auto fnClass = reinterpret_cast<WNDPROC>(GetClassLongPtrA(hWnd, GCLP_WNDPROC));
    const LRESULT nResult = CallWindowProcA(fnClass, hWnd, uMsg, wParam, lParam);
    if (uMsg != WM_CTLCOLORSTATIC && uMsg != WM_CTLCOLORSCROLLBAR && uMsg != WM_CTLCOLORBTN) return nResult;
    // A window being made or destroyed has no object yet or any more.
    Window* oWindow = ObjectOfWindowHandle(hWnd);
    auto* oForm = dynamic_cast<gTransparentForm*>(oWindow);
    if (oForm == nullptr || !oForm->_lTransparent) return nResult;
    // A push button keeps the system's colours; only a disabled caption is
    // drawn here.
    if (uMsg == WM_CTLCOLORBTN) {
        DrawDisabledCaption(reinterpret_cast<HDC>(wParam), reinterpret_cast<HWND>(lParam));
        return nResult;
    }
    return AnswerColourRequest(*oForm, *oWindow, reinterpret_cast<HDC>(wParam), reinterpret_cast<HWND>(lParam),
                               nResult);
}

template <class Base>
void gFormWindow<Base>::Install(int nBackgroundColor)
{
    if (this->Handle() != nullptr)
        SetWindowLongPtrA(this->Handle(), GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(DataWinProc));
    this->_oGraphics->SetBackgroundColor(nBackgroundColor);
}

template <class Base>
void gFormWindow<Base>::SetTransparent(bool lTransparent, bool lBackgroundColor)
{
    _lTransparent = lTransparent;
    _lBackgroundColor = lBackgroundColor;
    if (this->IsVisible()) this->Repaint();
}

template <class Base>
void gFormWindow<Base>::RestoreSurfaceUnder(const Window& oControl)
{
    const Point o = oControl.Origin();
    const Dimension s = oControl.Size();
    this->RefreshSurface({o.x, o.y, s.width, s.height});
}

template <class Base>
void gFormWindow<Base>::PostInit()
{
    Base::PostInit();
    if (!VisualStylesInUse()) return;
    this->ForEachChild([](HWND, Window& oChild) {
        if (dynamic_cast<CheckBox*>(&oChild) != nullptr || dynamic_cast<RadioButton*>(&oChild) != nullptr)
            oChild.SetExStyle(WS_EX_TRANSPARENT, true);
    });
}

template <class Base>
void gFormWindow<Base>::CheckChanged(HWND hControl)
{
    Window* oControl = ObjectOfWindowHandle(hControl);
    if (oControl == nullptr || GetFocus() == hControl || !oControl->IsVisible()) return;
    RedrawWindow(hControl, nullptr, nullptr, RDW_INVALIDATE | RDW_FRAME);
}

template <class Base>
LRESULT gFormWindow<Base>::Dispatch(Event& oEvent)
{
    LRESULT nResult = gKitWindow<Base>::Dispatch(oEvent);
    switch (oEvent.message) {
    case WM_SIZING:
        if (gnPlattformVersion >= 27) nResult = 0;
        break;
    case WM_NCACTIVATE:
        if (oEvent.wParam != 0) this->Repaint();
        break;
    case WM_USER:
        if (oEvent.wParam == kGMsgCheckChanged) CheckChanged(reinterpret_cast<HWND>(oEvent.lParam));
        break;
    case WM_ERASEBKGND:
    case WM_PAINT: nResult = 1; break;
    default: break;
    }
    return nResult;
}

template <class Base>
void gFormWindow<Base>::Activate(Event& oEvent)
{
    _lHasFocus = true;
    Base::Activate(oEvent);
}

template <class Base>
void gFormWindow<Base>::Deactivate(Event& oEvent)
{
    _lHasFocus = false;
    Base::Deactivate(oEvent);
}

template <class Base>
void gFormWindow<Base>::Destroy()
{
    // The hollow brush is a stock object: nothing to delete.
    _pTransBrush = nullptr;
    gKitWindow<Base>::Destroy();
}

template class gFormWindow<DataWindow>;
template class gFormWindow<DialogWindow>;

gDataWindow::gDataWindow(Window* oOwner, const std::string& cResourceId, bool /*lExtra*/)
    : gFormWindow(7, oOwner, cResourceId)
{
}

void gDataWindow::DisableScrollBars()
{
    if (Handle() != nullptr) ShowScrollBar(Handle(), SB_BOTH, FALSE);
}

void gDataWindow::PaintNew()
{
    DisableScrollBars();
    gFormWindow::PaintNew();
}

gDialogWindow::gDialogWindow(Window* oOwner, const std::string& cResourceId, bool lModal)
    : gFormWindow(15, oOwner, cResourceId, lModal)
{
}
