#include "graphics/windows/gscrollwindow.h"

#include <algorithm>

#include "platform/framework/toolbar.h"
#include "platform/runtime/numtext.h"

namespace {

// The timer that draws the bars after scrolling; id 1 is the kit's SetTimer.
constexpr UINT_PTR kBarTimer = 2;

}  // namespace

gScrollWindow::gScrollWindow(Window* oOwner, std::optional<int32_t> nCanvasWidth, std::optional<int32_t> nCanvasHeight)
    : gKitWindow(oOwner)
{
    const SIZE v = VisibleArea();
    _nCanvasWidth = nCanvasWidth.value_or(v.cx);
    _nCanvasHeight = nCanvasHeight.value_or(v.cy);
    // The painter draws on the whole canvas, whatever part of it shows.
    _oGraphics.reset();
    _oGraphics = std::make_unique<Graphics>(*this, _nCanvasWidth, _nCanvasHeight);
}

SIZE gScrollWindow::VisibleArea() const
{
    const BoundingBox a = GetToolBar() != nullptr ? GetToolBar()->ClientArea() : CanvasArea();
    return {a.Width(), a.Height()};
}

void gScrollWindow::Destroy()
{
    _oHScrollBar = nullptr;
    _oVScrollBar = nullptr;
    gKitWindow::Destroy();
}

LRESULT gScrollWindow::Dispatch(Event& oEvent)
{
    // Under Wine drawing a bar takes 4 ms or more, a hundred times the copy of
    // the view, and the framework would draw it before the view moves. The bar is
    // drawn by a timer instead: at most once per tick, however many requests
    // came in between.
    if (oEvent.message == WM_TIMER && oEvent.wParam == kBarTimer) {
        KillTimer(Handle(), kBarTimer);
        _lBarsPending = false;
        for (WindowScrollBar* oBar : {_oHScrollBar, _oVScrollBar})
            if (oBar != nullptr) oBar->SetThumbPosition(oBar->ThumbPosition());
        return 0;
    }
    const bool lHorizontal = oEvent.message == WM_HSCROLL;
    WindowScrollBar* oBar = lHorizontal ? _oHScrollBar : oEvent.message == WM_VSCROLL ? _oVScrollBar : nullptr;
    if (oBar == nullptr || oEvent.lParam != 0) return gKitWindow::Dispatch(oEvent);
    ScrollEvent oScroll;
    static_cast<Event&>(oScroll) = oEvent;
    oScroll.windowScroll = true;
    oScroll.scrollType = LOWORD(oEvent.wParam) == SB_ENDSCROLL ? 0 : 1;
    oScroll.position = oBar->PositionAfter(LOWORD(oEvent.wParam), HIWORD(oEvent.wParam));
    SetScrollPos(Handle(), lHorizontal ? SB_HORZ : SB_VERT, oScroll.position, FALSE);
    if (!_lBarsPending) _lBarsPending = ::SetTimer(Handle(), kBarTimer, USER_TIMER_MINIMUM, nullptr) != 0;
    if (lHorizontal)
        HorizontalScroll(oScroll);
    else
        VerticalScroll(oScroll);
    return 0;
}

void gScrollWindow::Resize(ResizeEvent& oEvent)
{
    gKitWindow::Resize(oEvent);
    ToggleScrollBars();
}

void gScrollWindow::ToggleScrollBars()
{
    if (!_oGraphics) return;
    const SIZE v = VisibleArea();
    const PainterState& g = _oGraphics->State();
    if (_nCanvasWidth > v.cx) {
        if (_oHScrollBar == nullptr) {
            _oHScrollBar = EnableHorizontalScroll(true);
            _oHScrollBar->SetThumbPosition(0);
        }
        _oHScrollBar->Show();
    } else if (_oHScrollBar != nullptr) {
        _oHScrollBar = EnableHorizontalScroll(false);
        _oGraphics->SetScrollOffset(0, g._nScrollOffsY);
    }
    if (_nCanvasHeight > v.cy) {
        if (_oVScrollBar == nullptr) {
            _oVScrollBar = EnableVerticalScroll(true);
            _oVScrollBar->SetThumbPosition(100);
        }
        _oVScrollBar->Show();
    } else if (_oVScrollBar != nullptr) {
        _oVScrollBar = EnableVerticalScroll(false);
        _oGraphics->SetScrollOffset(g._nScrollOffsX, 0);
    }
}

POINT gScrollWindow::ViewOrigin() const
{
    if (!_oGraphics) return {0, 0};
    return {_oGraphics->State()._nScrollOffsX, _oGraphics->State()._nScrollOffsY};
}

void gScrollWindow::EraseBeyondCanvas()
{
    const SIZE v = VisibleArea();
    const POINT o = ViewOrigin();
    RECT rClient{};
    GetClientRect(Handle(), &rClient);
    // The canvas's columns and its top row in the client area (rows from the
    // top, the view's bottom row the client's).
    const int32_t nRight = _nCanvasWidth - o.x, nTop = rClient.bottom - (_nCanvasHeight - o.y);
    const RECT aBeyond[] = {{nRight, rClient.bottom - v.cy, v.cx, rClient.bottom},
                            {0, rClient.bottom - v.cy, std::min<int32_t>(nRight, v.cx), nTop}};
    HDC hDC = GetDC(Handle());
    for (const RECT& r : aBeyond)
        if (r.right > r.left && r.bottom > r.top) FillRect(hDC, &r, Background().Handle());
    ReleaseDC(Handle(), hDC);
}

void gScrollWindow::ShowView()
{
    const SIZE v = VisibleArea();
    _oGraphics->InternRefresh({0, 0, v.cx, v.cy});
}

void gScrollWindow::HorizontalScroll(ScrollEvent& oEvent)
{
    gKitWindow::HorizontalScroll(oEvent);
    if (!oEvent.IsWindowScroll() || oEvent.ScrollType() == 0 || !_oGraphics) return;
    const int32_t p = oEvent.Position();
    if (p == _nScrollPosX) return;
    const SIZE v = VisibleArea();
    _oGraphics->SetScrollOffset(Long((_nCanvasWidth - v.cx) * p / 100.0), _oGraphics->State()._nScrollOffsY);
    ShowView();
    _nScrollPosX = p;
}

void gScrollWindow::VerticalScroll(ScrollEvent& oEvent)
{
    gKitWindow::VerticalScroll(oEvent);
    if (!oEvent.IsWindowScroll() || oEvent.ScrollType() == 0 || !_oGraphics) return;
    const int32_t p = 100 - oEvent.Position();
    if (p == _nScrollPosY) return;
    const SIZE v = VisibleArea();
    _oGraphics->SetScrollOffset(_oGraphics->State()._nScrollOffsX, Long((_nCanvasHeight - v.cy) * p / 100.0));
    ShowView();
    _nScrollPosY = p;
}

void gScrollWindow::ClipToCanvas()
{
    // Beyond the canvas there is no refresh bitmap to keep a figure: the
    // window shows the background there.
    _oGraphics->SetClipRegion(0, 0, _nCanvasWidth, _nCanvasHeight, 0);
}

void gScrollWindow::Expose(ExposeEvent& oEvent)
{
    ChildAppWindow::Expose(oEvent);
    if (ResizeAktiv() || !_oGraphics) return;
    if (_oGraphics->State()._oRefreshCanvas.DC() == nullptr || !_lPainted) {
        // Marked painted only when it was: a first expose too small to paint
        // would leave an empty canvas to copy from.
        _lPainted = RepaintCanvas({}, {});
        return;
    }
    const SIZE v = VisibleArea();
    int32_t nOffsX = _oGraphics->State()._nScrollOffsX, nOffsY = _oGraphics->State()._nScrollOffsY;
    // A window grown beyond the canvas on one side keeps that bar's thumb and offset.
    if (_oHScrollBar != nullptr && _nCanvasWidth - v.cx > 0) {
        int32_t t = Long(nOffsX * 100.0 / (_nCanvasWidth - v.cx));
        if (t > 100) {
            t = 100;
            nOffsX = _nCanvasWidth - v.cx;
        }
        _oHScrollBar->SetThumbPosition(t);
    }
    if (_oVScrollBar != nullptr && _nCanvasHeight - v.cy > 0) {
        int32_t t = Long(100.0 - nOffsY * 100.0 / (_nCanvasHeight - v.cy));
        if (t <= 0) {
            t = 0;
            nOffsY = _nCanvasHeight - v.cy;
        }
        _oVScrollBar->SetThumbPosition(t);
    }
    _oGraphics->SetScrollOffset(nOffsX, nOffsY);
    ClipToCanvas();
    const BoundingBox a = oEvent.ExposedArea();
    _oGraphics->InternRefresh({a.Left(), a.Bottom(), a.Width(), a.Height()});
    EraseBeyondCanvas();
}

void gScrollWindow::PaintNew(std::optional<int32_t> nCanvasWidth, std::optional<int32_t> nCanvasHeight)
{
    RepaintCanvas(nCanvasWidth, nCanvasHeight);
}

bool gScrollWindow::RepaintCanvas(std::optional<int32_t> nCanvasWidth, std::optional<int32_t> nCanvasHeight)
{
    if (!_oGraphics) return false;
    const SIZE v = VisibleArea();
    if (v.cx <= 10 || v.cy <= 10) return false;
    const PainterState& g = _oGraphics->State();
    const bool lScrolled = g._nScrollOffsX > 0 || g._nScrollOffsY > 0;
    bool lChanged = false;
    if (nCanvasWidth && *nCanvasWidth > 0 && *nCanvasWidth != _nCanvasWidth) {
        _nCanvasWidth = *nCanvasWidth;
        lChanged = true;
    }
    if (nCanvasHeight && *nCanvasHeight > 0 && *nCanvasHeight != _nCanvasHeight) {
        _nCanvasHeight = *nCanvasHeight;
        lChanged = true;
    }
    _oGraphics->SetDrawingArea(_nCanvasWidth, _nCanvasHeight);
    if (lChanged) {
        ToggleScrollBars();
        if (_oHScrollBar != nullptr) _oHScrollBar->SetThumbPosition(0);
        if (_oVScrollBar != nullptr) _oVScrollBar->SetThumbPosition(100);
        _oGraphics->SetScrollOffset(0, 0);
        _nScrollPosX = 0;
        _nScrollPosY = 0;
    }
    _oGraphics->InternSetDevPar();
    // Clipped once the painter has the canvas's height, by which it counts
    // the region's rows; so from the first paint on.
    ClipToCanvas();
    if (IsIconic() || !IsVisible()) return false;
    Paint();
    if (lScrolled) ShowView();
    EraseBeyondCanvas();
    return true;
}
