#include "graphics/objects/objectgradients.h"

#include <cmath>
#include <utility>
#include <vector>

#include "graphics/core/painterstate.h"
#include "graphics/core/kit.h"
#include "graphics/objects/gradientramp.h"
#include "graphics/objects/objectcanvas.h"
#include "platform/runtime/numtext.h"

namespace {

// The bands of one pass: rows or columns of device pixels, converted to
// device rectangles as they come and filled in device units at the end.
class Bands {
public:
    explicit Bands(HDC hDC) : _hDC(hDC) {}
    void Row(int32_t x, int32_t y, int32_t w, COLORREF nColor) { Add({x, y, w, 1}, nColor); }
    void Column(int32_t x, int32_t y, int32_t h, COLORREF nColor) { Add({x, y, 1, h}, nColor); }
    void Fill() const
    {
        const DeviceUnits oUnits(_hDC);
        for (const auto& [r, nColor] : _aBands) {
            const HBRUSH hBrush = CreateSolidBrush(nColor);
            FillRect(_hDC, &r, hBrush);
            DeleteObject(hBrush);
        }
    }

private:
    void Add(const DeviceBox& oBox, COLORREF nColor)
    {
        const RECT r = DeviceRect(_hDC, oBox);
        if (!IsRectEmpty(&r)) _aBands.push_back({r, nColor});
    }
    HDC _hDC;
    std::vector<std::pair<RECT, COLORREF>> _aBands;
};

bool ColumnDirection(uint16_t nDirection)
{
    return nDirection == 2 || nDirection == 3;
}

}  // namespace

objectCanvasGradient::objectCanvasGradient(GraphicsDevice& oDevice, double fIntensity, uint16_t nDirection)
    : objectShape(oDevice),
      _nDirection(nDirection),
      _fIntensity(fIntensity)
{
}

bool objectCanvasGradient::ErasedForWeakIntensity() const
{
    if (ClampGradientIntensity(_fIntensity) >= 0.1) return false;
    objectEraseCanvas oErase(Device());
    DrawPart(oErase);
    return true;
}

objectGradientCanvas::objectGradientCanvas(GraphicsDevice& oDevice, double fIntensity, uint16_t nDirection)
    : objectCanvasGradient(oDevice, fIntensity, nDirection)
{
}

void objectGradientCanvas::Draw()
{
    if (ErasedForWeakIntensity()) return;
    const PainterState& g = State();
    const double fI = ClampGradientIntensity(_fIntensity);
    const double factor = GradientLengthFactor(fI);
    const int32_t x = g._oOrigin.x, y = g._oOrigin.y, w = g._oDim.cx, h = g._oDim.cy;
    const int32_t l = ColumnDirection(_nDirection) ? w : h;
    ForEachPass([&](HDC hDC) {
        GradientRamp oRamp(g._nBackgrColor, g._nGradientColor, l, factor);
        Bands oBands(hDC);
        for (int32_t i = 1; i <= l; ++i) {
            const COLORREF c = oRamp.Band(i);
            switch (_nDirection) {
            case 1: oBands.Row(x, y + i - 1, w, c); break;
            case 0: oBands.Row(x, y + h - i, w, c); break;
            case 3: oBands.Column(x + i - 1, y, h, c); break;
            default: oBands.Column(x + w - i, y, h, c); break;
            }
        }
        oBands.Fill();
    });
}

objectSpotCanvas::objectSpotCanvas(GraphicsDevice& oDevice, double fIntensity, uint16_t nDirection)
    : objectCanvasGradient(oDevice, fIntensity, nDirection)
{
}

void objectSpotCanvas::Draw()
{
    if (ErasedForWeakIntensity()) return;
    const PainterState& g = State();
    const double fI = ClampGradientIntensity(_fIntensity);
    if (_nDirection <= 3) {
        objectGradientCanvas oLinear(Device(), _fIntensity, _nDirection);
        DrawPart(oLinear);
        return;
    }
    const int32_t w = g._oDim.cx, h = g._oDim.cy;
    const HDC hDC = SelectDrawDC(1);
    // A drawing area without height or width has no rows to paint.
    if (hDC == nullptr || w <= 0 || h <= 0) return;

    // One strip of the 2W colours of the ramp and the same reversed, copied
    // shifted into every row: the reversed one for the corners at the highest
    // x. The strips are device-independent pixels (blue in the low byte).
    GradientRamp oRamp(g._nBackgrColor, g._nGradientColor, 2 * w, GradientLengthFactor(fI));
    Strips oStrips{std::vector<uint32_t>(2 * w), std::vector<uint32_t>(2 * w), BITMAPINFO{}};
    for (int32_t i = 1; i <= 2 * w; ++i) {
        const COLORREF c = oRamp.Band(i);
        const uint32_t nPixel = (GetRValue(c) << 16) | (GetGValue(c) << 8) | GetBValue(c);
        oStrips.aForward[i - 1] = nPixel;
        oStrips.aReversed[2 * w - i] = nPixel;
    }
    BITMAPINFOHEADER& oHeader = oStrips.oInfo.bmiHeader;
    oHeader.biSize = sizeof(BITMAPINFOHEADER);
    oHeader.biWidth = 2 * w;
    oHeader.biHeight = 1;
    oHeader.biPlanes = 1;
    oHeader.biBitCount = 32;
    oHeader.biCompression = BI_RGB;

    DrawRows(hDC, oStrips);
    if (const HDC hDC2 = SelectDrawDC(2)) DrawRows(hDC2, oStrips);
}

void objectSpotCanvas::DrawRows(HDC hDC, const Strips& oStrips) const
{
    const PainterState& g = State();
    const int32_t x = g._oOrigin.x, y = g._oOrigin.y, w = g._oDim.cx, h = g._oDim.cy;
    // Row i (0 .. H) of the corner's side shows the ramp from strip pixel
    // off(i) on: the lines of equal colour are quarter-ellipse arcs round the
    // corner.
    const bool lFromTop = _nDirection == 5 || _nDirection == 6;
    const bool lReversed = _nDirection == 4 || _nDirection == 5;
    std::vector<std::pair<RECT, int32_t>> aRows;
    aRows.reserve(h + 1);
    for (int32_t i = 0; i <= h; ++i) {
        const int32_t off = w - Long(w * std::cos(GAsin(static_cast<double>(h - i) / h)));
        aRows.push_back({DeviceRect(hDC, {x, lFromTop ? y + h - i : y + i, w, 1}), lReversed ? w - off : off});
    }
    const std::vector<uint32_t>& aStrip = lReversed ? oStrips.aReversed : oStrips.aForward;
    const DeviceUnits oUnits(hDC);
    for (const auto& [r, nSrcX] : aRows)
        StretchDIBits(hDC, r.left, r.top, r.right - r.left, r.bottom - r.top, nSrcX, 0, w, 1, aStrip.data(),
                      &oStrips.oInfo, DIB_RGB_COLORS, SRCCOPY);
}

objectGradientArea::objectGradientArea(GraphicsDevice& oDevice, double x, double y, double w, double h,
                                       uint16_t nOrigin, double fIntensity, uint16_t nDirection)
    : objectShape(oDevice),
      _fX(x),
      _fY(y),
      _fWidth(w),
      _fHeight(h),
      _fIntensity(fIntensity),
      _nDirection(nDirection),
      _nOriginMode(nOrigin)
{
}

void objectGradientArea::Draw()
{
    if (AnyNotANumber({_fX, _fY, _fWidth, _fHeight})) return;
    const PainterState& g = State();
    const double fI = ClampGradientIntensity(_fIntensity);
    if (fI < 0.1) {
        objectEraseArea oErase(Device(), _fX, _fY, _fWidth, _fHeight, _nOriginMode);
        DrawPart(oErase);
        return;
    }
    const double factor = GradientLengthFactor(fI);
    int32_t x = DevicePosX(_fX), y = DevicePosY(_fY);
    const int32_t w = DeviceExtentX(_fWidth), h = DeviceExtentY(_fHeight);
    AlignOrigin(x, y, w, h, _nOriginMode);
    const int32_t ox = g._oOrigin.x, oy = g._oOrigin.y, cw = g._oDim.cx, ch = g._oDim.cy;
    const int32_t l = ColumnDirection(_nDirection) ? cw : ch;
    // The bands of the canvas-wide ramp that cross the rectangle.
    int64_t first, last;
    switch (_nDirection) {
    case 1: first = int64_t{y} - oy, last = int64_t{y} + h - oy; break;
    case 0: first = int64_t{oy} + ch - y - h, last = int64_t{oy} + ch - y; break;
    case 3: first = int64_t{x} - ox, last = int64_t{x} + w - ox; break;
    default: first = int64_t{ox} + cw - x - w, last = int64_t{ox} + cw - x; break;
    }
    const int32_t yAbove = SaturatedCoordinate(int64_t{y} + 1);
    ForEachPass([&](HDC hDC) {
        GradientRamp oRamp(g._nBackgrColor, g._nGradientColor, l, factor);
        Bands oBands(hDC);
        for (int32_t i = 1; i <= l && i <= last; ++i) {
            const COLORREF c = oRamp.Band(i);
            if (i < first) continue;
            // One row above the canvas's band for the row directions; the
            // columns span the rows y + 1 .. y + h.
            switch (_nDirection) {
            case 1: oBands.Row(x, oy + i, w, c); break;
            case 0: oBands.Row(x, oy + ch - i + 1, w, c); break;
            case 3: oBands.Column(ox + i - 1, yAbove, h, c); break;
            default: oBands.Column(ox + cw - i, yAbove, h, c); break;
            }
        }
        oBands.Fill();
    });
}
