#include "graphics/objects/objectcanvas.h"

#include "graphics/core/graphics.h"

namespace {

// The whole drawing area as left, top, right, bottom.
RECT CanvasRect(const Graphics& g) {
  const LONG x = g._oOrigin.x, y = g._oOrigin.y - 1;
  return {x, y, x + g._oDim.cx, y + g._oDim.cy};
}

void FillWithBackground(HDC hDC, const RECT& r, COLORREF nColor) {
  HBRUSH hBrush = CreateSolidBrush(nColor);
  HGDIOBJ hOld = SelectObject(hDC, hBrush);
  FillRect(hDC, &r, hBrush);
  SelectObject(hDC, hOld);
  DeleteObject(hBrush);
}

}  // namespace

void objectEraseCanvas::Draw() {
  const RECT r = CanvasRect(*_oShapeGraphics);
  ForEachPass([&](HDC hDC) { FillWithBackground(hDC, r, _oShapeGraphics->_nBackgrColor); });
}

void objectFrameCanvas::Draw() {
  const Graphics& g = *_oShapeGraphics;
  const RECT r = CanvasRect(g);
  ForEachPass([&](HDC hDC) {
    HGDIOBJ hOldBrush = SelectObject(hDC, GetStockObject(HOLLOW_BRUSH));
    HPEN hPen = CreatePen(g._nLinePattern, g._nLineWidth, g._nLineColor);
    HGDIOBJ hOldPen = SelectObject(hDC, hPen);
    const int nOldMode = SetBkMode(hDC, TRANSPARENT);
    Rectangle(hDC, r.left, r.top, r.right, r.bottom);
    SetBkMode(hDC, nOldMode);
    SelectObject(hDC, hOldPen);
    DeleteObject(hPen);
    SelectObject(hDC, hOldBrush);
  });
}

objectArea::objectArea(Graphics& oGraphics, double x, double y, double w, double h, uint32_t nOrigin)
    : objectShape(oGraphics), _fX(x), _fY(y), _fWidth(w), _fHeight(h), _nOriginMode(static_cast<uint16_t>(nOrigin)) {}

DeviceBox objectArea::DeviceArea() const {
  int32_t x = DevicePosX(_fX), y = DevicePosY(_fY);
  const int32_t w = DeviceExtentX(_fWidth), h = DeviceExtentY(_fHeight);
  AlignOrigin(x, y, w, h, _nOriginMode);
  return {x, y, w, h};
}

void objectEraseArea::Draw() {
  const DeviceBox a = DeviceArea();
  const RECT r{a.x, a.y, a.x + a.w - 1, a.y + a.h - 1};
  ForEachPass([&](HDC hDC) { FillWithBackground(hDC, r, _oShapeGraphics->_nBackgrColor); });
}

void objectSavedArea::Draw() {
  const DeviceBox a = DeviceArea();
  ForEachPass([&](HDC hDC) { BitBlt(hDC, a.x, a.y, a.w, a.h, _oShapeGraphics->_pSaveMemDC, 0, 0, SRCCOPY); });
}
