#include <cmath>

#include "graphics/core/graphics.h"

Graphics& Graphics::PaintStringShadow(double x, double y, const std::string& cText, uint32_t nOrigin)
{
    const WorldPoint oOffset = ShadowOffset(ShadowHalfDistance());
    const uint32_t nTextColor = _nTextColor;
    _nTextColor = _nShadowColor;
    PaintString(x + oOffset.x, y + oOffset.y, cText, nOrigin, 10);
    _nTextColor = nTextColor;
    return PaintString(x - oOffset.x, y - oOffset.y, cText, nOrigin, 10);
}

Graphics& Graphics::PaintString3D(double x, double y, const std::string& cText, uint32_t nOrigin)
{
    const double d = ShadowHalfDistance();
    const uint32_t nTextColor = _nTextColor;
    _nTextColor = _nShadowColor;
    // Copies in half-pixel steps from the shadow point toward the text point,
    // each where both world coordinates have passed into a new whole unit.
    double fLastX = -1, fLastY = -1;
    for (int i = 0; d - 0.5 * i >= 0.5 - d; ++i) {
        const WorldPoint oOffset = ShadowOffset(d - 0.5 * i);
        const double fX = x + oOffset.x, fY = y + oOffset.y;
        if (std::floor(fX) != fLastX && std::floor(fY) != fLastY) {
            PaintString(fX, fY, cText, nOrigin, 10);
            fLastX = std::floor(fX);
            fLastY = std::floor(fY);
        }
    }
    _nTextColor = nTextColor;
    const WorldPoint oOffset = ShadowOffset(d);
    return PaintString(x - oOffset.x, y - oOffset.y, cText, nOrigin, 10);
}
