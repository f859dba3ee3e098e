#include "graphics/objects/objectfractal.h"

#include <algorithm>
#include <cmath>
#include <optional>

#include "graphics/core/colors.h"
#include "graphics/core/painterstate.h"
#include "graphics/objects/fractalengine.h"
#include "platform/runtime/numtext.h"

namespace {

struct WindowTableRow {
    HWND hWnd = nullptr;  // NULL: the row is free
    objectFractal* oFractal = nullptr;
};
WindowTableRow gaFractalWindows[objectFractal::kWindowTableRows];

unsigned SecondsOfDay()
{
    SYSTEMTIME t;
    GetLocalTime(&t);
    return t.wHour * 3600U + t.wMinute * 60U + t.wSecond;
}

// The brush of the colour in hand, made anew only when the colour changes.
class PixelBrush {
public:
    PixelBrush() = default;
    ~PixelBrush()
    {
        if (_hBrush != nullptr) DeleteObject(_hBrush);
    }
    PixelBrush(const PixelBrush&) = delete;
    PixelBrush& operator=(const PixelBrush&) = delete;
    HBRUSH Of(COLORREF nColor)
    {
        if (_hBrush == nullptr || nColor != _nColor) {
            if (_hBrush != nullptr) DeleteObject(_hBrush);
            _hBrush = CreateSolidBrush(nColor);
            _nColor = nColor;
        }
        return _hBrush;
    }

private:
    HBRUSH _hBrush = nullptr;
    COLORREF _nColor = 0;
};

// A device position less the shift of the origin mode, rounded as every
// position (the 32-bit range's rounding no longer matters beyond it).
int64_t ShiftedCorner(int64_t nPos, double fShift)
{
    const double v = static_cast<double>(nPos) - fShift;
    return std::fabs(v) < 2e9 ? int64_t{Long(v)} : static_cast<int64_t>(v);
}

// Frames the proposed next window on the picture with a dotted black line.
void FrameNextWindow(HDC hDC, const RECT& r)
{
    const HPEN hPen = CreatePen(PS_DOT, 1, RGB(0, 0, 0));
    const HGDIOBJ hOldPen = SelectObject(hDC, hPen);
    const HGDIOBJ hOldBrush = SelectObject(hDC, GetStockObject(HOLLOW_BRUSH));
    const COLORREF nOldBk = SetBkColor(hDC, RGB(255, 255, 255));
    Rectangle(hDC, r.left, r.bottom, r.right, r.top);
    SetBkColor(hDC, nOldBk);
    SelectObject(hDC, hOldBrush);
    SelectObject(hDC, hOldPen);
    DeleteObject(hPen);
}

}  // namespace

void ApplicationExecCloseOnQuit()
{
    MSG msg;
    while (PeekMessageA(&msg, nullptr, 0, 0, PM_NOREMOVE)) {
        if (msg.message == WM_QUIT) ExitProcess(static_cast<UINT>(msg.wParam));
        if (GetMessageA(&msg, nullptr, 0, 0) == 0) continue;
        TranslateMessage(&msg);
        DispatchMessageA(&msg);
    }
}

objectFractal::objectFractal(GraphicsDevice& oDevice, double x, double y, double w, double h, uint16_t nOrigin,
                             FractalParameters* aParameters, bool lInterruptible)
    : objectShape(oDevice),
      _fX(x),
      _fY(y),
      _fWidth(w),
      _fHeight(h),
      _nOriginMode(nOrigin),
      _aDefaults(kFractalEntries),
      _aParameters(aParameters != nullptr ? aParameters : &_aDefaults),
      _lInterruptible(lInterruptible && oDevice._nDeviceTyp == kDeviceScreen)
{
    if (_aParameters->size() < kFractalEntries) _aParameters->resize(kFractalEntries);
}

objectFractal::FractalPart objectFractal::VisiblePart(int64_t x0, int64_t y0, int32_t w, int32_t h) const
{
    const LogicalBox b = VisibleBox();
    const int64_t c0 = std::max<int64_t>(0, b.left - x0), c1 = std::min<int64_t>(w, b.right - x0 + 1);
    const int64_t r0 = std::max<int64_t>(0, b.bottom - y0), r1 = std::min<int64_t>(h, b.top - y0 + 1);
    if (c1 <= c0 || r1 <= r0) return {};
    return {static_cast<int>(c0), static_cast<int>(r0), static_cast<int>(c1 - c0), static_cast<int>(r1 - r0)};
}

objectFractal::~objectFractal()
{
    for (WindowTableRow& row : gaFractalWindows)
        if (row.oFractal == this) row = {};
}

void objectFractal::Draw()
{
    const PainterState& g = State();
    _oZoom = FractalZoomWindows{g._r4Top,  g._r4Bottom,  g._r4Left,  g._r4Right,
                                g._r4TopV, g._r4BottomV, g._r4LeftV, g._r4RightV};
    FractalZoomWindows& z = *_oZoom;

    // 1. Registration: a newer drawing into the same window stops the older.
    HWND hWnd = nullptr;
    WindowTableRow* oRow = nullptr;
    if (_lInterruptible) {
        hWnd = WindowFromDC(Handle());
        for (WindowTableRow& row : gaFractalWindows)
            if (row.hWnd != nullptr && row.hWnd == hWnd) row.oFractal->_lStop = true;
        for (WindowTableRow& row : gaFractalWindows)
            if (row.hWnd == nullptr) {
                row = {hWnd, this};
                oRow = &row;
                break;
            }
    }
    auto unregister = [&] {
        if (oRow != nullptr) oRow->hWnd = nullptr;
    };

    // 2.-3. Colours and parameters.
    std::vector<COLORREF> aTable;
    aTable.reserve(gaColorArray.size());
    for (const ColorTriple& c : gaColorArray) aTable.push_back(RGB(c.nRed, c.nGreen, c.nBlue));
    const FractalSettings s = ValidateFractalParameters(*_aParameters);

    // 4. The device rectangle, its corner in 64 bits: only its pixels on the
    // canvas are drawn, however far off the corner lies.
    const int32_t w = DeviceExtentX(_fWidth), h = DeviceExtentY(_fHeight);
    double dx = 0.0, dy = 0.0;
    OriginShift(w, h, _nOriginMode, dx, dy);
    const int64_t x0 = ShiftedCorner(int64_t{Long(_fX * g._fFactorX)} + g._nOffsetX, dx);
    const int64_t y0 = ShiftedCorner(int64_t{Long(_fY * g._fFactorY)} + g._nOffsetY, dy);

    // 5.-6. Base colours and the window of the complex plane.
    const FractalColouring oColouring(s, g._nLineColor, g._nBackgrColor, std::move(aTable));
    FractalWindow oWindow{s.fTop, s.fBottom, s.fLeft, s.fRight};
    if ((s.nZoomMode == 2 || s.nZoomMode == 3) && z.r4Top != 0.0F)
        oWindow = {z.r4Top, z.r4Bottom, z.r4Left, z.r4Right};
    else if (s.nZoomMode == 4 && z.r4TopV != 0.0F)
        oWindow = {z.r4TopV, z.r4BottomV, z.r4LeftV, z.r4RightV};
    z.r4TopV = static_cast<float>(oWindow.fTop);
    z.r4BottomV = static_cast<float>(oWindow.fBottom);
    z.r4LeftV = static_cast<float>(oWindow.fLeft);
    z.r4RightV = static_cast<float>(oWindow.fRight);
    if (w <= 0 || h <= 0) {
        unregister();
        return;
    }

    // 7.-9. DCs, zoom and pixel order. Only the columns and rows that the DCs
    // can show are worked through; the mapping to the complex plane and the
    // zoom keep the rectangle's full size.
    HDC hDC1 = SelectDrawDC(1);
    const HDC hDC2 = SelectDrawDC(2);
    if (hDC1 == nullptr) {
        unregister();
        return;
    }
    const FractalPart oPart = VisiblePart(x0, y0, w, h);
    if (oPart.nColumns <= 0 || oPart.nRows <= 0) {
        unregister();
        return;
    }
    const bool lZoom = s.nZoomMode == 1 || s.nZoomMode == 3;
    FractalAutoZoom oZoom(s, w, h);
    FractalPixelOrder oOrder(s.nPixelOrder, oPart.nColumns, oPart.nRows, SecondsOfDay());
    const SIZE oDimAtStart = g._oDim;
    const int nOldRop = SetROP2(hDC1, g._nRasterMode);
    if (hDC2 != nullptr) SetROP2(hDC2, g._nRasterMode);

    // 10. The pixels.
    PixelBrush oBrush;
    int r = 0, c = 0;
    while (!_lStop && oOrder.Next(r, c)) {
        r += oPart.nFirstRow;
        c += oPart.nFirstColumn;
        const FractalPoint p = IterateFractal(s, FractalCoordinate(oWindow.fLeft, oWindow.fRight, c, w),
                                              FractalCoordinate(oWindow.fBottom, oWindow.fTop, r, h));
        if (lZoom && s.nPixelOrder != 4) oZoom.Pixel(r, c, p, oOrder.SpiralNegative());
        const std::optional<COLORREF> nColor = oColouring.Colour(p);
        if (!nColor) continue;
        const HBRUSH hBrush = oBrush.Of(*nColor);
        if (_lInterruptible) {
            ApplicationExecCloseOnQuit();
            // The window may have gone while its messages ran: then neither it nor
            // its painter may be touched again.
            if (!IsWindow(hWnd) || Device().Painter() == nullptr) {
                _oZoom.reset();
                unregister();
                return;
            }
            // A repaint that ran meanwhile (a new size, a new refresh bitmap)
            // draws the window anew; this drawing's DCs and mapping are stale.
            const SIZE oDim = State()._oDim;
            if (SelectDrawDC(2) != hDC2 || oDim.cx != oDimAtStart.cx || oDim.cy != oDimAtStart.cy) {
                _oZoom.reset();
                unregister();
                return;
            }
            hDC1 = SelectDrawDC(1);
        }
        const int32_t x = SaturatedCoordinate(x0 + c), y = SaturatedCoordinate(y0 + r);
        const RECT rPixel{x, y, x + 1, y - 1};
        FillRect(hDC1, &rPixel, hBrush);
        if (hDC2 != nullptr) FillRect(hDC2, &rPixel, hBrush);
    }

    // 12. The next zoom window.
    if (lZoom) {
        const FractalAutoZoom::Result oNext = oZoom.Finish(oWindow);
        z.r4Top = static_cast<float>(oNext.oNext.fTop);
        if (oNext.oNext.fTop != 0.0) {
            z.r4Bottom = static_cast<float>(oNext.oNext.fBottom);
            z.r4Right = static_cast<float>(oNext.oNext.fRight);
            z.r4Left = static_cast<float>(oNext.oNext.fLeft);
        }
        if (oNext.lFrame) {
            const RECT rFrame{SaturatedCoordinate(oNext.oFrame.left + x0), SaturatedCoordinate(oNext.oFrame.top + y0),
                              SaturatedCoordinate(oNext.oFrame.right + x0),
                              SaturatedCoordinate(oNext.oFrame.bottom + y0)};
            FrameNextWindow(hDC1, rFrame);
            if (hDC2 != nullptr) FrameNextWindow(hDC2, rFrame);
        }
    }

    // 13.-15.
    SetROP2(hDC1, nOldRop);
    if (hDC2 != nullptr) SetROP2(hDC2, nOldRop);
    unregister();
}
