#include "graphics/windows/gtopappwindow.h"

#include "graphics/objects/objectshape.h"
#include "platform/framework/controls.h"

bool ControlSharesArea(const Window& oControl, const BoundingBox& oArea)
{
    const Point o = oControl.Origin();
    const Dimension s = oControl.Size();
    const RECT rArea{oArea.Left(), oArea.Bottom(), oArea.Right(), oArea.Top()};
    const RECT rControl{o.x, o.y, o.x + s.width, o.y + s.height};
    RECT rCommon;
    return IntersectRect(&rCommon, &rArea, &rControl) != FALSE;
}

gTopAppWindow::gTopAppWindow(Window* oOwner) : TopAppWindow(oOwner)
{
    _nDeviceTyp = kDeviceScreen;
    _oGraphics = std::make_unique<Graphics>(*this);
}

gTopAppWindow::~gTopAppWindow()
{
    gTopAppWindow::Destroy();
}

LRESULT gTopAppWindow::Dispatch(Event& oEvent)
{
    if (oEvent.message == WM_DESTROY) ReleasePreparedDC();
    const LRESULT nResult = TopAppWindow::Dispatch(oEvent);
    switch (oEvent.message) {
    case WM_SIZING: _lResizeAktiv = true; break;
    case WM_EXITSIZEMOVE:
        if (_lResizeAktiv) Repaint();
        _lResizeAktiv = false;
        break;
    case WM_SYSCOMMAND:
        if (oEvent.wParam == SC_RESTORE || oEvent.wParam == SC_MAXIMIZE) Repaint();
        break;
    case WM_TIMER:
        if (oEvent.wParam == 1 && _nTimerInterval > 0) TimerEvent(_nTimerInterval);
        break;
    default: break;
    }
    return nResult;
}

void gTopAppWindow::SetTimer(uint32_t nMilliseconds)
{
    _nTimerInterval = nMilliseconds;
    if (_nTimerInterval > 0) {
        ::SetTimer(Handle(), 1, _nTimerInterval, nullptr);
    } else {
        KillTimer(Handle(), 1);
    }
}

void gTopAppWindow::Destroy()
{
    ReleasePreparedDC();
    if (_oGraphics) {
        _oGraphics->Destroy();
        _oGraphics.reset();
    }
    if (Handle() != nullptr) SetTimer(0);
    TopAppWindow::Destroy();
}

template <typename Fn>
void gTopAppWindow::ForEachVisibleChild(Fn fn)
{
    for (HWND hChild = GetWindow(Handle(), GW_CHILD); hChild != nullptr; hChild = GetWindow(hChild, GW_HWNDNEXT)) {
        Window* oChild = ObjectOfWindowHandle(hChild);
        if (oChild == nullptr) break;
        if (oChild->IsVisible()) fn(hChild, *oChild);
    }
}

void gTopAppWindow::PaintNew()
{
    if (!_oGraphics) return;
    _oGraphics->InternSetDevPar();
    const SIZE oDim = _oGraphics->State()._oDim;
    if (oDim.cx <= 10 || oDim.cy <= 10) return;
    _oGraphics->SetClipRegion(0, 0, oDim.cx, oDim.cy, 0);
    if (!IsIconic() && IsVisible()) Paint();
    ForEachVisibleChild([](HWND hChild, Window& oChild) {
        if (dynamic_cast<gPaintNewTarget*>(&oChild) != nullptr) {
            SendMessageA(hChild, WM_USER, kGMsgPaintNew, 0);
        } else {
            RedrawWindow(hChild, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_FRAME);
        }
    });
}

void gTopAppWindow::Expose(ExposeEvent& oEvent)
{
    TopAppWindow::Expose(oEvent);
    if (_lResizeAktiv || !_oGraphics) return;
    const BoundingBox oCanvas = CanvasArea();
    const int32_t w = oCanvas.Width(), h = oCanvas.Height();
    if (_oGraphics->State()._oRefreshCanvas.DC() == nullptr || w != _nLastWidth || h != _nLastHeight) {
        PaintNew();
        _nLastWidth = w;
        _nLastHeight = h;
        return;
    }
    const BoundingBox oArea = oEvent.ExposedArea();
    _oGraphics->InternRefresh({oArea.Left(), oArea.Bottom(), oArea.Width(), oArea.Height()});
    ForEachVisibleChild([&](HWND hChild, Window& oChild) {
        if (!ControlSharesArea(oChild, oArea)) return;
        if (dynamic_cast<gPaintNewTarget*>(&oChild) != nullptr) {
            SendMessageA(hChild, WM_USER, kGMsgPaintNew, 0);
        } else if (dynamic_cast<FixedText*>(&oChild) != nullptr || dynamic_cast<RadioButton*>(&oChild) != nullptr ||
                   dynamic_cast<CheckBox*>(&oChild) != nullptr) {
            const Point o = oChild.Origin();
            const Dimension s = oChild.Size();
            _oGraphics->InternRefresh({o.x, o.y, s.width, s.height});
            RedrawWindow(hChild, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_FRAME);
        }
    });
}

SIZE gTopAppWindow::CanvasSize() const
{
    const BoundingBox oCanvas = CanvasArea();
    return {oCanvas.Width(), oCanvas.Height()};
}

HDC gTopAppWindow::PrepareDC()
{
    PreparedDC& p = _oPrepared;
    if (Handle() == nullptr) return nullptr;
    if (p.hDC == nullptr) {
        p = PreparedDC{};
        p.hDC = GetDC(Handle());
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

void gTopAppWindow::ReleasePreparedDC()
{
    if (_oPrepared.hDC != nullptr && Handle() != nullptr) ReleaseDC(Handle(), _oPrepared.hDC);
    _oPrepared = PreparedDC{};
}

void gTopAppWindow::Draw(objectShape& oShape)
{
    oShape.SetHandle(PrepareDC());
    oShape.Draw();
    oShape.SetHandle(nullptr);
}

HDC gTopAppWindow::PassDC(int nPass, HDC hPrepared) const
{
    if (nPass == 1) return hPrepared;
    return nPass == 2 && Painter() != nullptr ? Painter()->_oRefreshCanvas.DC() : nullptr;
}

void gTopAppWindow::SetBackground(COLORREF nColor)
{
    // The painter hands over the brush for later erases; the framework's
    // SetBackground would repaint the whole window besides, so the window gets
    // back the update region it had before.
    if (Handle() == nullptr) {
        TopAppWindow::SetBackground(Brush(Color::FromColorRef(nColor)));
        return;
    }
    HRGN hPending = CreateRectRgn(0, 0, 0, 0);
    const int nPending = GetUpdateRgn(Handle(), hPending, FALSE);
    TopAppWindow::SetBackground(Brush(Color::FromColorRef(nColor)));
    ValidateRect(Handle(), nullptr);
    if (nPending != NULLREGION && nPending != ERROR) InvalidateRgn(Handle(), hPending, TRUE);
    DeleteObject(hPending);
}
