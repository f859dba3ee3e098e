#include "graphics/core/graphics.h"

#include <algorithm>

#include "graphics/core/kit.h"
#include "lib/placement.h"
#include "graphics/objects/objectshape.h"

namespace {

// Reads the resolution of the device's drawing DC.
class objectDeviceValues : public objectShape {
public:
    using objectShape::objectShape;
    void Draw() override
    {
        HDC hDC = SelectDrawDC(1);
        _nPixProInchX = static_cast<uint32_t>(GetDeviceCaps(hDC, LOGPIXELSX));
        _nPixProInchY = static_cast<uint32_t>(GetDeviceCaps(hDC, LOGPIXELSY));
    }
    uint32_t _nPixProInchX = 0;
    uint32_t _nPixProInchY = 0;
};

}  // namespace

Graphics::Graphics(GraphicsDevice& oDevice)
{
    Init(oDevice, true);
}

Graphics::Graphics(GraphicsDevice& oDevice, int32_t nWidth, int32_t nHeight)
{
    _nWidth = nWidth;
    _nHeight = nHeight;
    Init(oDevice, false);
}

Graphics::Graphics(GraphicsDevice& oDevice, uint32_t nPosX, uint32_t nPosY, int32_t nWidth, int32_t nHeight)
{
    _nPosX = nPosX;
    _nPosY = nPosY;
    _nWidth = nWidth;
    _nHeight = nHeight;
    Init(oDevice, false);
}

Graphics::~Graphics()
{
    Destroy();
}

void Graphics::Init(GraphicsDevice& oDevice, bool lSizeFromDevice)
{
    _lSizeFromDevice = lSizeFromDevice;
    _oDevice = &oDevice;
    oDevice.BindPainter(this);
    _nRefreshWidth = 0;
    _nRefreshHeight = 0;
    _nBackgrColor = ChangeNum2Rgb(15);
    _nLineColor = ChangeNum2Rgb(16);
    _nTextColor = ChangeNum2Rgb(16);
    _nShadowColor = ChangeNum2Rgb(8);
    _nGradientColor = ChangeNum2Rgb(16);
    _nFillColor = ChangeNum2Rgb(15);
    _nFillHatchCol = ChangeNum2Rgb(16);
    _nFillPattern = 32;
    _nLinePattern = 0;
    _nLineCap = PS_GEOMETRIC | PS_ENDCAP_FLAT | PS_JOIN_BEVEL;
    _nRasterMode = R2_COPYPEN;
    _nLineWidth = 1;
    _lBlackWhite = false;
    _fFactorX = 1.0;
    _fFactorY = 1.0;
    _nOriginX = 0;
    _nOriginY = 0;
    _fShadowDistance = 4.0;
    _nShadowDirection = 7;
    _nMarkerLineWidth = 1;
    _nMarkerSurf = 5;
    _fMarkerSize = 5.67;
    _r4Top = 0.0F;
    _r4TopV = 0.0F;
    _aFillPattern.fill(ChangeNum2Bgr(15));
    InternSetDevPar();
    SetStringFont(32, 10.0, 10.0, 0U, 0U, 0.0);
}

Graphics& Graphics::Destroy()
{
    _oRefreshCanvas.Reset();
    _oSaveCanvas.Reset();
    _pFont.Reset();
    _hClipRegion.Reset();
    if (_oShapeHandle != nullptr) {
        _oShapeHandle->Destroy();
        _oShapeHandle.reset();
    }
    if (_oDevice != nullptr) _oDevice->BindPainter(nullptr);
    _oDevice = nullptr;
    _oDim = {0, 0};
    _oOrigin = {0, 0};
    return *this;
}

Graphics& Graphics::InternSetDevPar()
{
    if (_oDevice == nullptr) return *this;
    _nTopSpace = 0;
    SIZE s = _oDevice->CanvasSize();
    const int32_t nType = _oDevice->_nDeviceTyp;
    if (nType == kDeviceScreen && !_oDevice->KeepsToolBarSpace()) {
        _nTopSpace = _oDevice->OwnToolBarHeight();
        s.cy -= _nTopSpace;
    }
    if (_lSizeFromDevice) {
        _nMaxWidth = s.cx;
        _nMaxHeight = s.cy;
        _oOrigin = {0, 0};
    } else {
        _nMaxWidth = _nWidth;
        _nMaxHeight = _nHeight;
        _oOrigin = {static_cast<LONG>(_nPosX), static_cast<LONG>(_nPosY)};
    }
    _nMaxWidth = std::max(_nMaxWidth, 0);
    _nMaxHeight = std::max(_nMaxHeight, 0);
    _oDim = {_nMaxWidth, _nMaxHeight};
    if (nType == kDeviceScreen) {
        _nSurfaceWidth = GetMonitorWidth();
        _nSurfaceHeight = GetMonitorHeight();
    } else {
        _nSurfaceWidth = s.cx;
        _nSurfaceHeight = s.cy;
    }
    _nOffsetX = _oOrigin.x + _nOriginX;
    _nOffsetY = _oOrigin.y + _nOriginY;
    if (nType == kDeviceScreen && (_nRefreshWidth != _nMaxWidth || _nRefreshHeight != _nMaxHeight)) {
        InternGenRefreshBmp();
        _nRefreshWidth = _nMaxWidth;
        _nRefreshHeight = _nMaxHeight;
    }
    SetBackgroundColor();
    InternGetDevValues();
    return *this;
}

Graphics& Graphics::InternGetDevValues()
{
    if (_oDevice == nullptr) return *this;
    objectDeviceValues oValues(*_oDevice);
    DrawShape(oValues);
    _nPixProInchX = oValues._nPixProInchX;
    _nPixProInchY = oValues._nPixProInchY;
    return *this;
}

int32_t Graphics::GetDeviceType() const
{
    return _oDevice != nullptr ? _oDevice->_nDeviceTyp : kDeviceNone;
}

Graphics& Graphics::DrawShape(objectShape& oShape)
{
    if (_oDevice != nullptr) _oDevice->Draw(oShape);
    return *this;
}
