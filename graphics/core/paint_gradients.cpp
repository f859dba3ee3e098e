#include "graphics/core/graphics.h"
#include "graphics/objects/objectgradients.h"

// Black-and-white mode: the gradient runs from white at intensity 5; the
// painter's background colour comes back when the drawing is done.
class Graphics::BlackWhiteGradient {
public:
    BlackWhiteGradient(Graphics& g, double& fIntensity) : _g(g), _nSaved(g._nBackgrColor)
    {
        if (!g._lBlackWhite) return;
        fIntensity = 5.0;
        g._nBackgrColor = RGB(255, 255, 255);
    }
    ~BlackWhiteGradient() { _g._nBackgrColor = _nSaved; }
    BlackWhiteGradient(const BlackWhiteGradient&) = delete;
    BlackWhiteGradient& operator=(const BlackWhiteGradient&) = delete;

private:
    Graphics& _g;
    uint32_t _nSaved;
};

Graphics& Graphics::PaintGradientCanvas(double fIntensity, uint32_t nDirection)
{
    const BlackWhiteGradient oMode(*this, fIntensity);
    return Paint<objectGradientCanvas>(fIntensity, static_cast<uint16_t>(nDirection));
}

Graphics& Graphics::PaintSpotCanvas(double fIntensity, uint32_t nDirection)
{
    const BlackWhiteGradient oMode(*this, fIntensity);
    return Paint<objectSpotCanvas>(fIntensity, static_cast<uint16_t>(nDirection));
}

Graphics& Graphics::PaintGradientArea(double x, double y, double w, double h, double fIntensity, uint32_t nOrigin,
                                      uint32_t nDirection)
{
    const BlackWhiteGradient oMode(*this, fIntensity);
    return Paint<objectGradientArea>(x, y, w, h, static_cast<uint16_t>(nOrigin), fIntensity,
                                     static_cast<uint16_t>(nDirection));
}

Graphics& Graphics::PaintSpotArea(double x, double y, double w, double h, double fIntensity, uint32_t nOrigin,
                                  uint32_t nDirection)
{
    const bool lClipped = _hClipRegion.Get() != nullptr;
    const int32_t nClipX = _nClipX, nClipY = _nClipY, nClipWidth = _nClipWidth, nClipHeight = _nClipHeight;
    const uint32_t nUnits = (_fFactorX != 1.0 || _fFactorY != 1.0) ? 1 : 0;
    SetClipRegion(x, y, w, h, nUnits, nOrigin);
    PaintSpotCanvas(fIntensity, nDirection);
    // A painter that was never clipped is left without a clip again.
    if (!lClipped) return InternClearClipRegion();
    return SetClipRegion(nClipX, nClipY, nClipWidth, nClipHeight, 0);
}
