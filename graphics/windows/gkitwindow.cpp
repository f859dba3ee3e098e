#include "graphics/windows/gkitwindow.h"

#include "graphics/objects/objectshape.h"
#include "platform/framework/controls.h"
#include "platform/framework/toolbar.h"

bool ControlSharesArea(const Window& oControl, const BoundingBox& oArea)
{
    const auto* oKit = dynamic_cast<const gPaintNewTarget*>(&oControl);
    const std::optional<BoundingBox> oPainted = oKit != nullptr ? oKit->PaintedArea() : std::nullopt;
    const Point o = oPainted ? Point{oPainted->Left(), oPainted->Bottom()} : oControl.Origin();
    const Dimension s = oPainted ? Dimension{oPainted->Width(), oPainted->Height()} : oControl.Size();
    const RECT rArea{oArea.Left(), oArea.Bottom(), oArea.Right(), oArea.Top()};
    const RECT rControl{o.x, o.y, o.x + s.width, o.y + s.height};
    RECT rCommon;
    return IntersectRect(&rCommon, &rArea, &rControl) != FALSE;
}

namespace {

constexpr UINT kRedrawChild = RDW_INVALIDATE | RDW_ERASE | RDW_FRAME;

// TRUE when the window has a frame of its own (border, edge, scroll bars).
bool HasFrame(HWND hWindow)
{
    RECT oWindow{}, oClient{};
    GetWindowRect(hWindow, &oWindow);
    GetClientRect(hWindow, &oClient);
    return oWindow.right - oWindow.left != oClient.right || oWindow.bottom - oWindow.top != oClient.bottom;
}

// The places of a form's shown children that have a frame of their own, in
// screen pixels. Such a child (an edit field, a list) covers its place and
// draws all of it itself: the form's drawing leaves these places out, so
// that the frames are never painted over and never need drawing anew, which
// under Wine costs as much as all other controls of a form together.
HRGN FramedChildrenRegion(HWND hForm)
{
    HRGN hRegion = CreateRectRgn(0, 0, 0, 0);
    for (HWND hChild = GetWindow(hForm, GW_CHILD); hChild != nullptr; hChild = GetWindow(hChild, GW_HWNDNEXT)) {
        if (!IsWindowVisible(hChild) || !HasFrame(hChild)) continue;
        RECT r{};
        GetWindowRect(hChild, &r);
        HRGN hPlace = CreateRectRgnIndirect(&r);
        CombineRgn(hRegion, hRegion, hPlace, RGN_OR);
        DeleteObject(hPlace);
    }
    return hRegion;
}

void AskForPaintNew(HWND hChild)
{
    SendMessageA(hChild, WM_USER, kGMsgPaintNew, 0);
}

// A form's child is redrawn with every window it holds (a combo box's edit,
// a spin control's parts), those first. Its frame needs no drawing: the form
// draws around framed children.
void RedrawWithOwnChildren(HWND hChild)
{
    constexpr UINT kRedrawControl = RDW_INVALIDATE | RDW_ERASE;
    for (HWND hInner = GetWindow(hChild, GW_CHILD); hInner != nullptr; hInner = GetWindow(hInner, GW_HWNDNEXT))
        RedrawWindow(hInner, nullptr, nullptr, kRedrawControl);
    RedrawWindow(hChild, nullptr, nullptr, kRedrawControl);
}

// Static texts, check boxes and radio buttons draw their text over the
// background they find.
bool DrawsOverBackground(Window& oChild)
{
    return dynamic_cast<FixedText*>(&oChild) != nullptr || dynamic_cast<RadioButton*>(&oChild) != nullptr ||
           dynamic_cast<CheckBox*>(&oChild) != nullptr;
}

}  // namespace

template <class Base>
HWND gKitWindow<Base>::SurfaceHandle() const
{
    if constexpr (kIsShellBase<Base>) return this->ClientHandle();
    return this->Handle();
}

template <class Base>
void gKitWindow<Base>::MakePainter()
{
    _nDeviceTyp = kDeviceScreen;
    _oGraphics = std::make_unique<Graphics>(*this);
}

template <class Base>
gKitWindow<Base>::~gKitWindow()
{
    gKitWindow::Destroy();
}

template <class Base>
bool gKitWindow<Base>::EndSizeMove()
{
    const bool lRepaint = kIsFormBase<Base> || _lResizeAktiv;
    if (lRepaint) this->Repaint();
    _lResizeAktiv = false;
    return lRepaint;
}

template <class Base>
LRESULT gKitWindow<Base>::Dispatch(Event& oEvent)
{
    if (oEvent.message == WM_DESTROY) ReleasePreparedDC();
    const LRESULT nResult = Base::Dispatch(oEvent);
    switch (oEvent.message) {
    case WM_SIZING: _lResizeAktiv = true; break;
    case WM_EXITSIZEMOVE: EndSizeMove(); break;
    case WM_SYSCOMMAND:
        if (oEvent.wParam == SC_RESTORE || oEvent.wParam == SC_MAXIMIZE) this->Repaint();
        break;
    case WM_TIMER:
        if (oEvent.wParam == 1 && _nTimerInterval > 0) TimerEvent(_nTimerInterval);
        break;
    default: break;
    }
    return nResult;
}

template <class Base>
void gKitWindow<Base>::SetTimer(uint32_t nMilliseconds)
{
    _nTimerInterval = nMilliseconds;
    if (_nTimerInterval > 0) {
        ::SetTimer(this->Handle(), 1, _nTimerInterval, nullptr);
    } else {
        KillTimer(this->Handle(), 1);
    }
}

template <class Base>
void gKitWindow<Base>::Destroy()
{
    ReleasePreparedDC();
    if (_oGraphics) {
        _oGraphics->Destroy();
        _oGraphics.reset();
    }
    if (this->Handle() != nullptr) SetTimer(0);
    Base::Destroy();
}

template <class Base>
void gKitWindow<Base>::RepaintChild(HWND hChild, Window& oChild)
{
    if constexpr (kIsFormBase<Base>) {
        RedrawWithOwnChildren(hChild);
        // A track bar draws its channel anew only on a new size.
        if (dynamic_cast<Slider*>(&oChild) != nullptr) SendMessageA(hChild, WM_SIZE, 0, 0);
    } else if (dynamic_cast<gPaintNewTarget*>(&oChild) != nullptr) {
        AskForPaintNew(hChild);
    } else {
        RedrawWindow(hChild, nullptr, nullptr, kRedrawChild);
    }
}

template <class Base>
void gKitWindow<Base>::ExposeChild(HWND hChild, Window& oChild, const BoundingBox& oArea)
{
    if (!ControlSharesArea(oChild, oArea)) return;
    if constexpr (kIsFormBase<Base>) {
        RedrawWithOwnChildren(hChild);
    } else if (dynamic_cast<gPaintNewTarget*>(&oChild) != nullptr) {
        AskForPaintNew(hChild);
    } else if (DrawsOverBackground(oChild)) {
        const Point o = oChild.Origin();
        const Dimension s = oChild.Size();
        _oGraphics->InternRefresh({o.x, o.y, s.width, s.height});
        RedrawWindow(hChild, nullptr, nullptr, kRedrawChild);
    }
}

template <class Base>
void gKitWindow<Base>::PaintNew()
{
    if (!_oGraphics) return;
    _oGraphics->InternSetDevPar();
    const SIZE oDim = _oGraphics->State()._oDim;
    if (oDim.cx <= 10 || oDim.cy <= 10) return;
    _oGraphics->SetClipRegion(0, 0, oDim.cx, oDim.cy, 0);
    if constexpr (kIsFormBase<Base> || kIsShellBase<Base>) {
        if (this->IsIconic() || (kIsShellBase<Base> && !this->IsVisible())) return;
        if constexpr (kIsFormBase<Base>) PrepareDCAroundFramedChildren();
        Paint();
        if constexpr (kIsFormBase<Base>) ReleasePreparedDC();
    } else {
        if (!this->IsIconic() && this->IsVisible()) Paint();
    }
    this->ForEachChild([this](HWND hChild, Window& oChild) {
        if (oChild.IsVisible()) RepaintChild(hChild, oChild);
    });
    if constexpr (kIsShellBase<Base>) {
        ToolBar* oBar = this->GetToolBar();
        if (oBar != nullptr && oBar->Flat() && oBar->IsVisible()) oBar->Repaint();
    }
}

template <class Base>
bool gKitWindow<Base>::PaintNewIfResized()
{
    const SIZE oCanvas = CanvasSize();
    if (_oGraphics->State()._oRefreshCanvas.DC() != nullptr && oCanvas.cx == _nLastWidth && oCanvas.cy == _nLastHeight)
        return false;
    PaintNew();
    _nLastWidth = oCanvas.cx;
    _nLastHeight = oCanvas.cy;
    return true;
}

template <class Base>
void gKitWindow<Base>::Expose(ExposeEvent& oEvent)
{
    Base::Expose(oEvent);
    if (_lResizeAktiv || !_oGraphics || PaintNewIfResized()) return;
    const BoundingBox oArea = oEvent.ExposedArea();
    if constexpr (kIsFormBase<Base>) PrepareDCAroundFramedChildren();
    _oGraphics->InternRefresh({oArea.Left(), oArea.Bottom(), oArea.Width(), oArea.Height()});
    if constexpr (kIsFormBase<Base>) ReleasePreparedDC();
    this->ForEachChild([&](HWND hChild, Window& oChild) {
        if (oChild.IsVisible()) ExposeChild(hChild, oChild, oArea);
    });
}

template <class Base>
SIZE gKitWindow<Base>::CanvasSize() const
{
    RECT r{};
    GetClientRect(SurfaceHandle(), &r);
    return {r.right, r.bottom};
}

template <class Base>
HDC gKitWindow<Base>::PrepareDC()
{
    PreparedDC& p = _oPrepared;
    if (SurfaceHandle() == nullptr) return nullptr;
    if (p.hDC == nullptr) {
        p = PreparedDC{};
        p.hDC = GetDC(SurfaceHandle());
        if (p.hDC == nullptr) return nullptr;
    }
    const SIZE s = CanvasSize();
    const int32_t nTop = OwnToolBarHeight();
    if (s.cx != p.oCanvas.cx || s.cy != p.oCanvas.cy || nTop != p.nTop) {
        SetUpwardMapping(p.hDC, s.cx, s.cy - nTop, nTop);
        p.oCanvas = s;
        p.nTop = nTop;
    }
    // The refresh bitmap's DC has the painter's clip region and background
    // colour; the window DC gets them too.
    if (_oGraphics) {
        const PainterState& g = _oGraphics->State();
        if (g._hClipRegion.Get() != p.hClip) {
            _oGraphics->SelectClipDevice(p.hDC);
            p.hClip = g._hClipRegion.Get();
        }
        if (g._nBackgrColor != p.nBackground) {
            SetBkColor(p.hDC, g._nBackgrColor);
            p.nBackground = g._nBackgrColor;
        }
    }
    return p.hDC;
}

template <class Base>
void gKitWindow<Base>::ReleasePreparedDC()
{
    if (_oPrepared.hDC != nullptr && SurfaceHandle() != nullptr) ReleaseDC(SurfaceHandle(), _oPrepared.hDC);
    _oPrepared = PreparedDC{};
}

template <class Base>
void gKitWindow<Base>::PrepareDCAroundFramedChildren()
{
    ReleasePreparedDC();
    HWND hSurface = SurfaceHandle();
    if (hSurface == nullptr) return;
    // As GetDC gives it, by the window's clip styles, less the region.
    const auto nStyle = static_cast<DWORD>(GetWindowLongPtrA(hSurface, GWL_STYLE));
    const DWORD nFlags = DCX_CACHE | DCX_EXCLUDERGN | (nStyle & WS_CLIPCHILDREN ? DCX_CLIPCHILDREN : 0) |
                         (nStyle & WS_CLIPSIBLINGS ? DCX_CLIPSIBLINGS : 0);
    _oPrepared.hDC = GetDCEx(hSurface, FramedChildrenRegion(hSurface), nFlags);
}

template <class Base>
void gKitWindow<Base>::Draw(objectShape& oShape)
{
    oShape.SetHandle(PrepareDC());
    oShape.Draw();
    oShape.SetHandle(nullptr);
}

template <class Base>
HDC gKitWindow<Base>::PassDC(int nPass, HDC hPrepared) const
{
    if (nPass == 1) return hPrepared;
    return nPass == 2 && Painter() != nullptr ? Painter()->_oRefreshCanvas.DC() : nullptr;
}

template <class Base>
void gKitWindow<Base>::SetBackground(COLORREF nColor)
{
    // The painter hands over the brush for later erases; the framework's
    // SetBackground would repaint the whole window besides, so the window gets
    // back the update region it had before.
    if (this->Handle() == nullptr) {
        Base::SetBackground(Brush(Color::FromColorRef(nColor)));
        return;
    }
    HRGN hPending = CreateRectRgn(0, 0, 0, 0);
    const int nPending = GetUpdateRgn(this->Handle(), hPending, FALSE);
    Base::SetBackground(Brush(Color::FromColorRef(nColor)));
    ValidateRect(this->Handle(), nullptr);
    if (nPending != NULLREGION && nPending != ERROR) InvalidateRgn(this->Handle(), hPending, TRUE);
    DeleteObject(hPending);
}

template class gKitWindow<TopAppWindow>;
template class gKitWindow<ShellWindow>;
template class gKitWindow<ChildAppWindow>;
template class gKitWindow<DataWindow>;
template class gKitWindow<DialogWindow>;
