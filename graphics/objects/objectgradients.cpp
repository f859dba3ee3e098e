#include "graphics/objects/objectgradients.h"

#include <cmath>

#include "graphics/core/graphics.h"
#include "graphics/core/kit.h"
#include "graphics/objects/gradientramp.h"
#include "platform/runtime/numtext.h"

namespace {

void FillBand(HDC hDC, int32_t left, int32_t top, int32_t right, int32_t bottom, COLORREF nColor) {
  RECT r;
  SetRect(&r, left, top, right, bottom);
  const HBRUSH hBrush = CreateSolidBrush(nColor);
  FillRect(hDC, &r, hBrush);
  DeleteObject(hBrush);
}

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
  const int32_t x = g._oOrigin.x, y = g._oOrigin.y - 1, w = g._oDim.cx, h = g._oDim.cy;
  const int32_t l = ColumnDirection(_nDirection) ? w : h;
  ForEachPass([&](HDC hDC) {
    GradientRamp oRamp(g._nBackgrColor, g._nGradientColor, l, factor);
    for (int32_t i = 1; i <= l; ++i) {
      const COLORREF c = oRamp.Band(i);
      switch (_nDirection) {
        case 1: FillBand(hDC, x, y + i - 1, x + w, y + i, c); break;
        case 0: FillBand(hDC, x, y + h - i, x + w, y + h - i + 1, c); break;
        case 3: FillBand(hDC, x + i - 1, y, x + i, y + h, c); break;
        default: FillBand(hDC, x + w - i, y, x + w - i + 1, y + h, c); break;
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

  // One strip of 2W colours, copied shifted (and for the right-hand corners
  // mirrored) into every row.
  const HDC hStrip = CreateCompatibleDC(hDC);
  const HBITMAP hBitmap = CreateCompatibleBitmap(hDC, 2 * w, 1);
  const HGDIOBJ hOld = SelectObject(hStrip, hBitmap);
  GradientRamp oRamp(g._nBackgrColor, g._nGradientColor, 2 * w, GradientLengthFactor(fI));
  for (int32_t i = 1; i <= 2 * w; ++i) FillBand(hStrip, i - 1, 0, i, 1, oRamp.Band(i));

  DrawRows(hDC, hStrip);
  if (const HDC hDC2 = SelectDrawDC(2)) DrawRows(hDC2, hStrip);

  SelectObject(hStrip, hOld);
  DeleteDC(hStrip);
  DeleteObject(hBitmap);
}

void objectSpotCanvas::DrawRows(HDC hDC, HDC hStrip) const {
  const Graphics& g = *_oShapeGraphics;
  const int32_t x = g._oOrigin.x, y = g._oOrigin.y - 1, w = g._oDim.cx, h = g._oDim.cy;
  for (int32_t i = 0; i <= h; ++i) {
    // The lines of equal colour are quarter-ellipse arcs round the corner.
    const int32_t off = w - Long(w * std::cos(GAsin(static_cast<double>(h - i) / h)));
    switch (_nDirection) {
      case 6: BitBlt(hDC, x, y + h - i, w, 1, hStrip, off, 0, SRCCOPY); break;
      case 4: StretchBlt(hDC, x, y + i, w, 1, hStrip, w + off, 0, -w, 1, SRCCOPY); break;
      case 5: StretchBlt(hDC, x, y + h - i, w, 1, hStrip, w + off, 0, -w, 1, SRCCOPY); break;
      default: BitBlt(hDC, x, y + i, w, 1, hStrip, off, 0, SRCCOPY); break;
    }
  }
}

objectGradientArea::objectGradientArea(Graphics& oGraphics, double x, double y, double w, double h,
                                       uint16_t nOrigin, double fIntensity, uint16_t nDirection)
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
    case 1: first = y - oy, last = y + h - oy; break;
    case 0: first = oy + ch - y - h, last = oy + ch - y; break;
    case 3: first = x - ox, last = x + w - ox; break;
    default: first = ox + cw - x - w, last = ox + cw - x; break;
  }
  ForEachPass([&](HDC hDC) {
    GradientRamp oRamp(g._nBackgrColor, g._nGradientColor, l, factor);
    for (int32_t i = 1; i <= l && i <= last; ++i) {
      const COLORREF c = oRamp.Band(i);
      if (i < first) continue;
      switch (_nDirection) {
        case 1: FillBand(hDC, x, oy + i - 1, x + w, oy + i, c); break;
        case 0: FillBand(hDC, x, oy + ch - i, x + w, oy + ch - i + 1, c); break;
        case 3: FillBand(hDC, ox + i - 1, y, ox + i, y + h, c); break;
        default: FillBand(hDC, ox + cw - i, y, ox + cw - i + 1, y + h, c); break;
      }
    }
  });
}
