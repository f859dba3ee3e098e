#include <algorithm>
#include <cmath>
#include <cstdint>

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
    if (!std::isfinite(d)) return *this;
    const uint32_t nTextColor = _nTextColor;
    _nTextColor = _nShadowColor;
    // Copies in half-pixel steps from the shadow point toward the text point
    // (step i while d - i / 2 >= 1 / 2 - d), each where both world coordinates
    // have passed into a new whole unit. Copies farther from the text than the
    // drawing area's diagonal are left out.
    const double fReach = std::hypot(_oDim.cx, _oDim.cy);
    const double fFirst = std::ceil(std::max(0.0, 2.0 * d - fReach) * 2.0), fLast = std::floor(4.0 * d - 1.0);
    const int64_t nCopies =
        fLast < fFirst ? 0 : static_cast<int64_t>(std::min(fLast - fFirst + 1.0, 2.0 * fReach + 2.0));
    double fLastX = -1, fLastY = -1;
    for (int64_t k = 0; k < nCopies; ++k) {
        const double i = fFirst + static_cast<double>(k);
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
