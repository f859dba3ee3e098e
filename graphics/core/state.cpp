#include "graphics/core/graphics.h"
#include "graphics/objects/objectclipregion.h"

uint32_t Graphics::ColorOf(const ColorArg& uColor, bool lGreyInBw) const
{
    const uint32_t n = ChangeColorArg2Rgb(uColor);
    return lGreyInBw && _lBlackWhite ? ChangeRgb2Gray(n) : n;
}

Graphics& Graphics::SetFillColor(const ColorArg& uColor)
{
    _nFillColor = ColorOf(uColor, true);
    return *this;
}

Graphics& Graphics::SetFillHatchColor(const ColorArg& uColor)
{
    if (!_lBlackWhite) _nFillHatchCol = ColorOf(uColor, false);
    return *this;
}

Graphics& Graphics::SetBackgroundColor(std::optional<ColorArg> uColor)
{
    if (uColor) _nBackgrColor = ChangeColorArg2Rgb(*uColor);
    if (_lBlackWhite) _nBackgrColor = ChangeRgb2Gray(_nBackgrColor);
    if (_oDevice != nullptr) _oDevice->SetBackground(_nBackgrColor);
    if (_oRefreshCanvas.DC() != nullptr) SetBkColor(_oRefreshCanvas.DC(), _nBackgrColor);
    return *this;
}

Graphics& Graphics::SetLineColor(const ColorArg& uColor)
{
    if (!_lBlackWhite) _nLineColor = ColorOf(uColor, false);
    return *this;
}

Graphics& Graphics::SetGradientColor(const ColorArg& uColor)
{
    _nGradientColor = ColorOf(uColor, true);
    return *this;
}

Graphics& Graphics::SetFillPattern(const std::vector<std::vector<ColorArg>>& aPattern)
{
    for (size_t i = 0; i < aPattern.size() && i < 8; ++i) {
        for (size_t j = 0; j < aPattern[i].size() && j < 8; ++j) {
            _aFillPattern[(7 - i) * 8 + j] = ChangeColorArg2Bgr(aPattern[i][j]);
        }
    }
    return *this;
}

Graphics& Graphics::SetFillHatch(int32_t nStyle)
{
    _nFillPattern = nStyle;
    return *this;
}

Graphics& Graphics::SetLinePattern(int32_t nStyle)
{
    _nLinePattern = nStyle;
    return *this;
}

Graphics& Graphics::SetLineWidth(int32_t nWidth)
{
    _nLineWidth = nWidth;
    return *this;
}

Graphics& Graphics::SetLineCap(std::optional<int32_t> nCap)
{
    if (nCap == 1) {
        _nLineCap = PS_GEOMETRIC | PS_ENDCAP_ROUND | PS_JOIN_ROUND;
    } else if (nCap == 2) {
        _nLineCap = PS_GEOMETRIC | PS_ENDCAP_SQUARE | PS_JOIN_BEVEL;
    } else {
        _nLineCap = PS_GEOMETRIC | PS_ENDCAP_FLAT | PS_JOIN_BEVEL;
    }
    return *this;
}

Graphics& Graphics::SetRasterMode(int32_t nMode)
{
    if (!_lBlackWhite) _nRasterMode = nMode;
    return *this;
}

Graphics& Graphics::SetMarkerSize(double fSize)
{
    _fMarkerSize = fSize;
    return *this;
}

Graphics& Graphics::SetMarkerSurface(int32_t nType)
{
    _nMarkerSurf = nType;
    return *this;
}

Graphics& Graphics::SetMarkerLineWidth(int32_t nWidth)
{
    _nMarkerLineWidth = nWidth;
    return *this;
}

Graphics& Graphics::SetBlackAndWhite(bool lOn)
{
    _lBlackWhite = lOn;
    if (!lOn) return *this;
    _nBackgrColor = ChangeNum2Rgb(15);
    _nLineColor = ChangeNum2Rgb(16);
    _nTextColor = ChangeNum2Rgb(16);
    _nShadowColor = ChangeNum2Rgb(7);
    _nFillColor = ChangeNum2Rgb(7);
    _nFillHatchCol = ChangeNum2Rgb(16);
    _nRasterMode = R2_COPYPEN;
    return SetBackgroundColor();
}

bool Graphics::PrepareAreaPaint()
{
    InternSetDevPar();
    if (_oDim.cx <= 10 || _oDim.cy <= 10) return false;
    SetClipRegion(_oOrigin.x, _oOrigin.y, _oDim.cx, _oDim.cy, 0);
    return true;
}

Graphics& Graphics::SetClipRegion()
{
    return SetClipRegion(0, 0, _oDim.cx, _oDim.cy, 0);
}

Graphics& Graphics::SetClipRegion(double x, double y, double w, double h, uint32_t nMode, uint32_t nOrigin)
{
    if (_oDevice == nullptr) return *this;
    objectClipRegion oClip(*_oDevice, x, y, w, h, nMode, nOrigin);
    DrawShape(oClip);
    const objectClipRegion::Clip& c = oClip.Result();
    _nClipX = c.x;
    _nClipY = c.y;
    _nClipWidth = c.w;
    _nClipHeight = c.h;
    _hClipRegion = c.hRegion;
    ++_nClipSerial;
    return *this;
}

void Graphics::SelectClipDevice(HDC hDC, POINT oShift) const
{
    if (_hClipRegion.Get() == nullptr || (oShift.x == 0 && oShift.y == 0)) {
        SelectClipRgn(hDC, _hClipRegion.Get());
        return;
    }
    HRGN hShifted = CreateRectRgn(0, 0, 0, 0);
    CombineRgn(hShifted, _hClipRegion.Get(), nullptr, RGN_COPY);
    OffsetRgn(hShifted, oShift.x, oShift.y);
    SelectClipRgn(hDC, hShifted);
    DeleteObject(hShifted);
}

namespace {

// Takes the clip region out of every drawing DC of the device.
class objectNoClip : public objectShape {
public:
    using objectShape::objectShape;
    void Draw() override
    {
        ForEachPass([](HDC hDC) { SelectClipRgn(hDC, nullptr); });
    }
};

}  // namespace

Graphics& Graphics::InternClearClipRegion()
{
    if (_oDevice == nullptr) return *this;
    objectNoClip oNoClip(*_oDevice);
    DrawShape(oNoClip);
    _nClipX = _nClipY = _nClipWidth = _nClipHeight = 0;
    _hClipRegion.Reset();
    ++_nClipSerial;
    return *this;
}
