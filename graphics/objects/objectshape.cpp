#include "graphics/objects/objectshape.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <limits>

#include "graphics/core/painterstate.h"
#include "platform/runtime/numtext.h"

objectShape::objectShape(GraphicsDevice& oDevice) : _oShapeDevice(&oDevice)
{
}

objectShape::~objectShape() = default;

HDC objectShape::SelectDrawDC(int nPass) const
{
    return _oShapeDevice->PassDC(nPass, _hHandle);
}

void objectShape::DrawEach(const std::vector<objectShape*>& aShapes)
{
    for (objectShape* oShape : aShapes) {
        if (oShape != nullptr) oShape->Draw();
    }
}

void objectShape::DrawPart(objectShape& oPart) const
{
    oPart.SetHandle(_hHandle);
    oPart.Draw();
    oPart.SetHandle(nullptr);
}

HBRUSH objectShape::CreateBmpBrush(const std::array<uint32_t, 64>& aPattern)
{
    struct {
        BITMAPINFOHEADER bmiHeader;
        uint32_t aPixels[64];
    } oImage{};
    oImage.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
    oImage.bmiHeader.biWidth = 8;
    oImage.bmiHeader.biHeight = 8;
    oImage.bmiHeader.biPlanes = 1;
    oImage.bmiHeader.biBitCount = 32;
    oImage.bmiHeader.biCompression = BI_RGB;
    for (int i = 0; i < 64; ++i) oImage.aPixels[i] = aPattern[i];
    return CreateDIBPatternBrushPt(&oImage, DIB_RGB_COLORS);
}

int32_t objectShape::DevicePos(double v, double fFactor, int32_t nOffset)
{
    return SaturatedCoordinate(int64_t{Long(v * fFactor)} + nOffset);
}
int32_t objectShape::DevicePosX(double x) const
{
    return DevicePos(x, State()._fFactorX, State()._nOffsetX);
}
int32_t objectShape::DevicePosY(double y) const
{
    return DevicePos(y, State()._fFactorY, State()._nOffsetY);
}
int32_t objectShape::DeviceExtentX(double w) const
{
    return Long(w * State()._fFactorX);
}
int32_t objectShape::DeviceExtentY(double h) const
{
    return Long(h * State()._fFactorY);
}

bool objectShape::AnyNotANumber(std::initializer_list<double> aValues)
{
    return std::any_of(aValues.begin(), aValues.end(), [](double v) { return std::isnan(v); });
}

void objectShape::AlignOrigin(int32_t& x, int32_t& y, int32_t w, int32_t h, uint32_t nOrigin) const
{
    if (nOrigin != 0) State().GetOriginPoint(x, y, w, h, nOrigin);
}

objectShape::LogicalBox objectShape::VisibleBox(int64_t nMargin) const
{
    LogicalBox b{std::numeric_limits<int64_t>::max(), std::numeric_limits<int64_t>::max(),
                 std::numeric_limits<int64_t>::min(), std::numeric_limits<int64_t>::min()};
    ForEachPass([&](HDC hDC) {
        RECT r;
        if (GetClipBox(hDC, &r) == ERROR) return;
        b.left = std::min<int64_t>(b.left, std::min(r.left, r.right));
        b.right = std::max<int64_t>(b.right, std::max(r.left, r.right));
        b.bottom = std::min<int64_t>(b.bottom, std::min(r.top, r.bottom));
        b.top = std::max<int64_t>(b.top, std::max(r.top, r.bottom));
    });
    if (b.left > b.right) return b;
    return {b.left - nMargin - 1, b.bottom - nMargin - 1, b.right + nMargin + 1, b.top + nMargin + 1};
}

ShapeFill ResolveFill(const PainterState& oState, uint32_t nFillFlag, bool lOutlineCode160)
{
    ShapeFill oFill;
    if (nFillFlag != 1) return oFill;
    const int32_t s = oState._nFillPattern;
    if (s == 160 && lOutlineCode160) return oFill;
    oFill.lFill = true;
    if (s >= 128) {
        oFill.nStyle = s - 128;
    } else {
        oFill.nStyle = s;
        oFill.lOpaque = true;
    }
    return oFill;
}

ClosedShapeTools::ClosedShapeTools(HDC hDC, const PainterState& oState, const ShapeFill& oFill) : _hDC(hDC)
{
    _lOwnBrush = oFill.lFill;
    if (!oFill.lFill) {
        _hBrush = static_cast<HBRUSH>(GetStockObject(HOLLOW_BRUSH));
    } else if (oFill.nStyle == 32) {
        _hBrush = CreateSolidBrush(oState._nFillColor);
    } else if (oFill.nStyle == 64) {
        _hBrush = objectShape::CreateBmpBrush(oState._aFillPattern);
    } else {
        _hBrush = CreateHatchBrush(oFill.nStyle, oState._nFillHatchCol);
    }
    _hOldBrush = SelectObject(hDC, _hBrush);
    _hPen = CreatePen(oState._nLinePattern, oState._nLineWidth, oState._nLineColor);
    _hOldPen = SelectObject(hDC, _hPen);
    if (oFill.lFill && oFill.lOpaque) {
        _nOldBkColor = SetBkColor(hDC, oState._nFillColor);
        _nOldBkMode = SetBkMode(hDC, OPAQUE);
    } else {
        _nOldBkMode = SetBkMode(hDC, TRANSPARENT);
    }
    _nOldRop = SetROP2(hDC, oState._nRasterMode);
}

ClosedShapeTools::~ClosedShapeTools()
{
    SetROP2(_hDC, _nOldRop);
    SetBkMode(_hDC, _nOldBkMode);
    if (_nOldBkColor != CLR_INVALID) SetBkColor(_hDC, _nOldBkColor);
    SelectObject(_hDC, _hOldPen);
    DeleteObject(_hPen);
    SelectObject(_hDC, _hOldBrush);
    if (_lOwnBrush) DeleteObject(_hBrush);
}

LinePenTools::LinePenTools(HDC hDC, const PainterState& oState) : _hDC(hDC)
{
    LOGBRUSH oBrush{BS_SOLID, oState._nLineColor, 0};
    _hPen = ExtCreatePen(static_cast<DWORD>(oState._nLineCap | oState._nLinePattern),
                         static_cast<DWORD>(oState._nLineWidth), &oBrush, 0, nullptr);
    _hOldPen = SelectObject(hDC, _hPen);
    _nOldBkMode = SetBkMode(hDC, TRANSPARENT);
    _nOldRop = SetROP2(hDC, oState._nRasterMode);
}

LinePenTools::~LinePenTools()
{
    SetROP2(_hDC, _nOldRop);
    SetBkMode(_hDC, _nOldBkMode);
    SelectObject(_hDC, _hOldPen);
    DeleteObject(_hPen);
}
