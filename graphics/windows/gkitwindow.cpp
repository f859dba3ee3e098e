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

// Calls fn(place) with the place in screen pixels of each of a form's shown
// children that has a frame of its own. Such a child (an edit field, a list)
// covers its place and draws all of it itself: the form's drawing and its
// background leave these places out, so that the frames and scroll bars are
// never painted over and never need drawing anew, which under Wine costs as
// much as all other controls of a form together.
template <typename Fn>
void ForEachFramedChild(HWND hForm, Fn fn)
{
    for (HWND hChild = GetWindow(hForm, GW_CHILD); hChild != nullptr; hChild = GetWindow(hChild, GW_HWNDNEXT)) {
        if (!IsWindowVisible(hChild) || !HasFrame(hChild)) continue;
        RECT r{};
        GetWindowRect(hChild, &r);
        fn(r);
    }
}

// The places of the framed children as one region.
HRGN FramedChildrenRegion(HWND hForm)
{
    HRGN hRegion = CreateRectRgn(0, 0, 0, 0);
    ForEachFramedChild(hForm, [&](const RECT& r) {
        HRGN hPlace = CreateRectRgnIndirect(&r);
        CombineRgn(hRegion, hRegion, hPlace, RGN_OR);
        DeleteObject(hPlace);
    });
    return hRegion;
}

// Leaves the framed children's places out of a DC of the form's client area.
void ExcludeFramedChildren(HWND hForm, HDC hDC)
{
    ForEachFramedChild(hForm, [&](RECT r) {
        MapWindowPoints(HWND_DESKTOP, hForm, reinterpret_cast<POINT*>(&r), 2);
        ExcludeClipRect(hDC, r.left, r.top, r.right, r.bottom);
    });
}

void AskForPaintNew(HWND hChild)
{
    SendMessageA(hChild, WM_USER, kGMsgPaintNew, 0);
}

// A form's child is redrawn with every window it holds (a combo box's edit,
// a spin control's parts), those first. Its frame needs drawing only after
// the form was shown (lFrame): the form draws around framed children, but
// under Wine a child redrawn without its frame then never draws it.
void RedrawWithOwnChildren(HWND hChild, bool lFrame)
{
    const UINT nRedraw = RDW_INVALIDATE | RDW_ERASE | (lFrame ? RDW_FRAME : 0);
    for (HWND hInner = GetWindow(hChild, GW_CHILD); hInner != nullptr; hInner = GetWindow(hInner, GW_HWNDNEXT))
        RedrawWindow(hInner, nullptr, nullptr, nRedraw);
    RedrawWindow(hChild, nullptr, nullptr, nRedraw);
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
    if constexpr (kIsFormBase<Base>) {
        if (oEvent.message == WM_ERASEBKGND) {
            // The framework fills the background of a form around its framed
            // children, on a DC that its sender may go on using.
            const auto hDC = reinterpret_cast<HDC>(oEvent.wParam);
            const int nSaved = SaveDC(hDC);
            ExcludeFramedChildren(SurfaceHandle(), hDC);
            const LRESULT nErased = Base::Dispatch(oEvent);
            RestoreDC(hDC, nSaved);
            return nErased;
        }
    }
    const LRESULT nResult = Base::Dispatch(oEvent);
    switch (oEvent.message) {
    case WM_SIZING: _lResizeAktiv = true; break;
    case WM_SHOWWINDOW:
        if (oEvent.wParam != 0) _lFramesDue = true;
        break;
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
        RedrawWithOwnChildren(hChild, _lFramesDue);
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
        RedrawWithOwnChildren(hChild, _lFramesDue);
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
        if constexpr (kIsFormBase<Base>) {
            const AroundFramedChildren oAround(*this);
            Paint();
        } else {
            Paint();
        }
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
    // A tool bar that came, went or changed its height changes the drawing area.
    const int32_t nTop = KeepsToolBarSpace() ? 0 : OwnToolBarHeight();
    if (_oGraphics->State()._oRefreshCanvas.DC() != nullptr && oCanvas.cx == _nLastWidth &&
        oCanvas.cy == _nLastHeight && nTop == _oGraphics->State()._nTopSpace)
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
    if (_lResizeAktiv || !_oGraphics) return;
    if (PaintNewIfResized()) {
        _lFramesDue = false;
        return;
    }
    const BoundingBox oArea = oEvent.ExposedArea();
    RefreshSurface({oArea.Left(), oArea.Bottom(), oArea.Width(), oArea.Height()});
    this->ForEachChild([&](HWND hChild, Window& oChild) {
        if (oChild.IsVisible()) ExposeChild(hChild, oChild, oArea);
    });
    _lFramesDue = false;
}

template <class Base>
void gKitWindow<Base>::RefreshSurface(const DeviceBox& oArea)
{
    if constexpr (kIsFormBase<Base>) {
        const AroundFramedChildren oAround(*this);
        _oGraphics->InternRefresh(oArea);
    } else {
        _oGraphics->InternRefresh(oArea);
    }
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
    const POINT v = ViewOrigin();
    if (s.cx != p.oCanvas.cx || s.cy != p.oCanvas.cy || nTop != p.nTop) {
        SetUpwardMapping(p.hDC, s.cx, s.cy - nTop, nTop);
        p.oCanvas = s;
        p.nTop = nTop;
        p.oView = {0, 0};
    }
    // A scrolled view maps the canvas shifted by the scroll offsets.
    if (v.x != p.oView.x || v.y != p.oView.y) {
        SetWindowOrgEx(p.hDC, v.x, nTop + v.y, nullptr);
        p.oView = v;
    }
    // The refresh bitmap's DC has the painter's clip region and background
    // colour; the window DC gets them too, the region moved by as much as the
    // window's pixels lie from the bitmap's.
    if (_oGraphics) {
        const PainterState& g = _oGraphics->State();
        const POINT oShift{-v.x, s.cy + v.y - g._nMaxHeight - g._nTopSpace};
        if (!p.lClip || g._nClipSerial != p.nClipSerial || oShift.x != p.oClipShift.x || oShift.y != p.oClipShift.y) {
            _oGraphics->SelectClipDevice(p.hDC, oShift);
            p.lClip = true;
            p.nClipSerial = g._nClipSerial;
            p.oClipShift = oShift;
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
gKitWindow<Base>::AroundFramedChildren::AroundFramedChildren(gKitWindow& oWindow) : _oWindow(oWindow)
{
    HWND hSurface = oWindow.SurfaceHandle();
    if (oWindow._nDrawings > 0 || hSurface == nullptr) return;
    oWindow.ReleasePreparedDC();
    // As GetDC gives it, by the window's clip styles, less the region.
    const auto nStyle = static_cast<DWORD>(GetWindowLongPtrA(hSurface, GWL_STYLE));
    const DWORD nFlags = DCX_CACHE | DCX_EXCLUDERGN | (nStyle & WS_CLIPCHILDREN ? DCX_CLIPCHILDREN : 0) |
                         (nStyle & WS_CLIPSIBLINGS ? DCX_CLIPSIBLINGS : 0);
    oWindow._oPrepared.hDC = GetDCEx(hSurface, FramedChildrenRegion(hSurface), nFlags);
    _lOwn = true;
}

template <class Base>
gKitWindow<Base>::AroundFramedChildren::~AroundFramedChildren()
{
    if (_lOwn) _oWindow.ReleasePreparedDC();
}

template <class Base>
void gKitWindow<Base>::Draw(objectShape& oShape)
{
    // The drawing holds the prepared DC until it returns, also when it
    // dispatches messages on the way.
    struct Holding {
        int& nDrawings;
        explicit Holding(int& n) : nDrawings(++n) {}
        ~Holding() { --nDrawings; }
    } oHolding(_nDrawings);
    oShape.SetHandle(PrepareDC());
    oShape.Draw();
    oShape.SetHandle(nullptr);
}

template <class Base>
int32_t gKitWindow<Base>::OwnToolBarHeight() const
{
    const ToolBar* oBar = this->GetToolBar();
    if (oBar == nullptr || oBar->Handle() == nullptr || oBar->Owner() != this) return 0;
    // Shown on its own, whether the window shows yet or not.
    if ((GetWindowLongA(oBar->Handle(), GWL_STYLE) & WS_VISIBLE) == 0) return 0;
    RECT r{};
    GetWindowRect(oBar->Handle(), &r);
    return r.bottom - r.top;
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
