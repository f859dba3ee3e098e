#include "graphics/objects/objectshape.h"

#include "graphics/core/graphics.h"
#include "platform/runtime/numtext.h"

objectShape::objectShape(Graphics& oGraphics) : _oShapeGraphics(&oGraphics)
{
}

objectShape::~objectShape()
{
    _oShapeGraphics = nullptr;
}

HDC objectShape::SelectDrawDC(int nPass) const
{
    const GraphicsDevice* oDevice = _oShapeGraphics->_oDevice;
    if (oDevice == nullptr) return nullptr;
    const int32_t t = oDevice->_nDeviceTyp;
    if (nPass == 1) {
        switch (t) {
        case kDeviceScreen:
        case kDevicePrinter: return _hHandle;
        case kDeviceMemory: return oDevice->BitmapDC();
        case kDeviceMetafile: return oDevice->MetafileDC();
        default: return nullptr;
        }
    }
    if (nPass == 2 && t == kDeviceScreen) return _oShapeGraphics->_pRefreshMemDC;
    return nullptr;
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

int32_t objectShape::DevicePosX(double x) const
{
    return Long(x * _oShapeGraphics->_fFactorX) + _oShapeGraphics->_nOffsetX;
}
int32_t objectShape::DevicePosY(double y) const
{
    return Long(y * _oShapeGraphics->_fFactorY) + _oShapeGraphics->_nOffsetY;
}
int32_t objectShape::DeviceExtentX(double w) const
{
    return Long(w * _oShapeGraphics->_fFactorX);
}
int32_t objectShape::DeviceExtentY(double h) const
{
    return Long(h * _oShapeGraphics->_fFactorY);
}

void objectShape::AlignOrigin(int32_t& x, int32_t& y, int32_t w, int32_t h, uint32_t nOrigin) const
{
    if (nOrigin != 0) _oShapeGraphics->GetOriginPoint(x, y, w, h, nOrigin);
}

ShapeFill ResolveFill(const Graphics& oGraphics, uint32_t nFillFlag, bool lOutlineCode160)
{
    ShapeFill oFill;
    if (nFillFlag != 1) return oFill;
    const int32_t s = oGraphics._nFillPattern;
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

ClosedShapeTools::ClosedShapeTools(HDC hDC, const Graphics& oGraphics, const ShapeFill& oFill) : _hDC(hDC)
{
    _lOwnBrush = oFill.lFill;
    if (!oFill.lFill) {
        _hBrush = static_cast<HBRUSH>(GetStockObject(HOLLOW_BRUSH));
    } else if (oFill.nStyle == 32) {
        _hBrush = CreateSolidBrush(oGraphics._nFillColor);
    } else if (oFill.nStyle == 64) {
        _hBrush = objectShape::CreateBmpBrush(oGraphics._aFillPattern);
    } else {
        _hBrush = CreateHatchBrush(oFill.nStyle, oGraphics._nFillHatchCol);
    }
    _hOldBrush = SelectObject(hDC, _hBrush);
    _hPen = CreatePen(oGraphics._nLinePattern, oGraphics._nLineWidth, oGraphics._nLineColor);
    _hOldPen = SelectObject(hDC, _hPen);
    if (oFill.lFill && oFill.lOpaque) {
        _nOldBkColor = SetBkColor(hDC, oGraphics._nFillColor);
        _nOldBkMode = SetBkMode(hDC, OPAQUE);
    } else {
        _nOldBkMode = SetBkMode(hDC, TRANSPARENT);
    }
    _nOldRop = SetROP2(hDC, oGraphics._nRasterMode);
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

LinePenTools::LinePenTools(HDC hDC, const Graphics& oGraphics) : _hDC(hDC)
{
    LOGBRUSH oBrush{BS_SOLID, oGraphics._nLineColor, 0};
    _hPen = ExtCreatePen(static_cast<DWORD>(oGraphics._nLineCap | oGraphics._nLinePattern),
                         static_cast<DWORD>(oGraphics._nLineWidth), &oBrush, 0, nullptr);
    _hOldPen = SelectObject(hDC, _hPen);
    _nOldBkMode = SetBkMode(hDC, TRANSPARENT);
    _nOldRop = SetROP2(hDC, oGraphics._nRasterMode);
}

LinePenTools::~LinePenTools()
{
    SetROP2(_hDC, _nOldRop);
    SetBkMode(_hDC, _nOldBkMode);
    SelectObject(_hDC, _hOldPen);
    DeleteObject(_hPen);
}
