#include "graphics/core/graphics.h"
#include "graphics/objects/objectstrings.h"

Graphics& Graphics::PaintString(double x, double y, const std::string& cText, uint32_t nOrigin, uint32_t nBackground)
{
    return Paint<objectString>(x, y, cText, static_cast<uint16_t>(nOrigin), static_cast<uint16_t>(nBackground));
}

Graphics& Graphics::PaintStringRing(double x, double y, double fRadius, double fAngle, uint32_t nAlign,
                                    uint32_t nRingMode, const std::string& cText, uint32_t nOrigin)
{
    return Paint<objectStringRing>(x, y, fRadius, fAngle, static_cast<uint16_t>(nAlign),
                                   static_cast<uint16_t>(nRingMode), cText, static_cast<uint16_t>(nOrigin));
}

double Graphics::GetStringWidth(const std::string& cText)
{
    if (_oDevice == nullptr) return 0.0;
    objectString o(*_oDevice, 0.0, 0.0, cText, 0, 10, true);
    DrawShape(o);
    return o._fWeite;
}

double Graphics::GetStringHeight(const std::string& cText)
{
    if (_oDevice == nullptr) return 0.0;
    objectString o(*_oDevice, 0.0, 0.0, cText, 0, 10, true);
    DrawShape(o);
    return o._fHoehe;
}
