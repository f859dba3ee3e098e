#include "graphics/objects/objectgradients.h"

#include <cmath>

#include "graphics/core/graphics.h"
#include "graphics/core/kit.h"
#include "graphics/objects/gradientramp.h"
#include "platform/runtime/numtext.h"

namespace {

// The bands are boxes of device pixels: a row or a column of the canvas.
void FillRow(HDC hDC, int32_t x, int32_t y, int32_t w, COLORREF nColor) { FillBox(hDC, {x, y, w, 1}, nColor); }
void FillColumn(HDC hDC, int32_t x, int32_t y, int32_t h, COLORREF nColor) { FillBox(hDC, {x, y, 1, h}, nColor); }

bool ColumnDirection(uint16_t nDirection) { return nDirection == 2 || nDirection == 3; }

}  // namespace

objectGradientCanvas::objectGradientCanvas(Graphics& oGraphics, double fIntensity, uint16_t nDirection)
    : objectShape(oGraphics), _nDirection(nDirection), _fIntensity(fIntensity) {}

void objectGradientCanvas::Draw() {
  Graphics& g = *_oShapeGraphics;
  const double fI = ClampGradientIntensity(_fIntensity);
  if (fI < 0.1) {
    g.PaintEraseCanvas();
    return;
  }
  const double factor = GradientLengthFactor(fI);
  const int32_t x = g._oOrigin.x, y = g._oOrigin.y, w = g._oDim.cx, h = g._oDim.cy;
  const int32_t l = ColumnDirection(_nDirection) ? w : h;
  ForEachPass([&](HDC hDC) {
    GradientRamp oRamp(g._nBackgrColor, g._nGradientColor, l, factor);
    for (int32_t i = 1; i <= l; ++i) {
      const COLORREF c = oRamp.Band(i);
      switch (_nDirection) {
        case 1:
          FillRow(hDC, x, y + i - 1, w, c);
          break;
        case 0:
          FillRow(hDC, x, y + h - i, w, c);
          break;
        case 3:
          FillColumn(hDC, x + i - 1, y, h, c);
          break;
        default:
          FillColumn(hDC, x + w - i, y, h, c);
          break;
      }
    }
  });
}

objectSpotCanvas::objectSpotCanvas(Graphics& oGraphics, double fIntensity, uint16_t nDirection)
    : objectShape(oGraphics), _nDirection(nDirection), _fIntensity(fIntensity) {}

void objectSpotCanvas::Draw() {
  Graphics& g = *_oShapeGraphics;
  const double fI = ClampGradientIntensity(_fIntensity);
  if (fI < 0.1) {
    g.PaintEraseCanvas();
    return;
  }
  if (_nDirection <= 3) {
    g.PaintGradientCanvas(_fIntensity, _nDirection);
    return;
  }
  const int32_t w = g._oDim.cx, h = g._oDim.cy;
  const HDC hDC = SelectDrawDC(1);
  // A drawing area without height or width has no rows to paint.
  if (hDC == nullptr || w <= 0 || h <= 0) return;

  // One strip of the 2W colours of the ramp (row 0) and the same reversed
  // (row 1), copied shifted into every row: the reversed one for the corners
  // at the highest x.
  const HDC hStrip = CreateCompatibleDC(hDC);
  const HBITMAP hBitmap = CreateCompatibleBitmap(hDC, 2 * w, 2);
  const HGDIOBJ hOld = SelectObject(hStrip, hBitmap);
  GradientRamp oRamp(g._nBackgrColor, g._nGradientColor, 2 * w, GradientLengthFactor(fI));
  for (int32_t i = 1; i <= 2 * w; ++i) {
    const COLORREF c = oRamp.Band(i);
    const HBRUSH hBrush = CreateSolidBrush(c);
    const RECT aPixels[2] = {{i - 1, 0, i, 1}, {2 * w - i, 1, 2 * w - i + 1, 2}};
    for (const RECT& r : aPixels) FillRect(hStrip, &r, hBrush);
    DeleteObject(hBrush);
  }

  DrawRows(hDC, hStrip);
  if (const HDC hDC2 = SelectDrawDC(2)) DrawRows(hDC2, hStrip);

  SelectObject(hStrip, hOld);
  DeleteDC(hStrip);
  DeleteObject(hBitmap);
}

void objectSpotCanvas::DrawRows(HDC hDC, HDC hStrip) const {
  const Graphics& g = *_oShapeGraphics;
  const int32_t x = g._oOrigin.x, y = g._oOrigin.y, w = g._oDim.cx, h = g._oDim.cy;
  // Row i (0 .. H) of the corner's side shows the ramp from strip pixel
  // off(i) on: the lines of equal colour are quarter-ellipse arcs round the
  // corner. The corners at the highest x read the reversed strip.
  for (int32_t i = 0; i <= h; ++i) {
    const int32_t off = w - Long(w * std::cos(GAsin(static_cast<double>(h - i) / h)));
    switch (_nDirection) {
      case 6:
        CopyBox(hDC, {x, y + h - i, w, 1}, hStrip, off, 0);
        break;
      case 4:
        CopyBox(hDC, {x, y + i, w, 1}, hStrip, w - off, 1);
        break;
      case 5:
        CopyBox(hDC, {x, y + h - i, w, 1}, hStrip, w - off, 1);
        break;
      default:
        CopyBox(hDC, {x, y + i, w, 1}, hStrip, off, 0);
        break;
    }
  }
}

objectGradientArea::objectGradientArea(Graphics& oGraphics, double x, double y, double w, double h, uint16_t nOrigin,
                                       double fIntensity, uint16_t nDirection)
    : objectShape(oGraphics),
      _fX(x),
      _fY(y),
      _fWidth(w),
      _fHeight(h),
      _fIntensity(fIntensity),
      _nDirection(nDirection),
      _nOriginMode(nOrigin) {}

void objectGradientArea::Draw() {
  Graphics& g = *_oShapeGraphics;
  const double fI = ClampGradientIntensity(_fIntensity);
  if (fI < 0.1) {
    g.PaintEraseArea(_fX, _fY, _fWidth, _fHeight, _nOriginMode);
    return;
  }
  const double factor = GradientLengthFactor(fI);
  int32_t x = DevicePosX(_fX), y = DevicePosY(_fY);
  const int32_t w = DeviceExtentX(_fWidth), h = DeviceExtentY(_fHeight);
  AlignOrigin(x, y, w, h, _nOriginMode);
  const int32_t ox = g._oOrigin.x, oy = g._oOrigin.y, cw = g._oDim.cx, ch = g._oDim.cy;
  const int32_t l = ColumnDirection(_nDirection) ? cw : ch;
  // The bands of the canvas-wide ramp that cross the rectangle.
  int32_t first, last;
  switch (_nDirection) {
    case 1:
      first = y - oy, last = y + h - oy;
      break;
    case 0:
      first = oy + ch - y - h, last = oy + ch - y;
      break;
    case 3:
      first = x - ox, last = x + w - ox;
      break;
    default:
      first = ox + cw - x - w, last = ox + cw - x;
      break;
  }
  ForEachPass([&](HDC hDC) {
    GradientRamp oRamp(g._nBackgrColor, g._nGradientColor, l, factor);
    for (int32_t i = 1; i <= l && i <= last; ++i) {
      const COLORREF c = oRamp.Band(i);
      if (i < first) continue;
      // One row above the canvas's band for the row directions; the
      // columns span the rows y + 1 .. y + h.
      switch (_nDirection) {
        case 1:
          FillRow(hDC, x, oy + i, w, c);
          break;
        case 0:
          FillRow(hDC, x, oy + ch - i + 1, w, c);
          break;
        case 3:
          FillColumn(hDC, ox + i - 1, y + 1, h, c);
          break;
        default:
          FillColumn(hDC, ox + cw - i, y + 1, h, c);
          break;
      }
    }
  });
}
