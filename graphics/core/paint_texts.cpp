#include "graphics/core/graphics.h"
#include "graphics/objects/objectstrings.h"

Graphics& Graphics::PaintString(double x, double y, const std::string& cText, uint32_t nOrigin, uint32_t nBackground)
{
    objectString o(*this, x, y, cText, static_cast<uint16_t>(nOrigin), static_cast<uint16_t>(nBackground));
    return DrawShape(o);
}

Graphics& Graphics::PaintStringRing(double x, double y, double fRadius, double fAngle, uint32_t nAlign,
                                    uint32_t nRingMode, const std::string& cText, uint32_t nOrigin)
{
    objectStringRing o(*this, x, y, fRadius, fAngle, static_cast<uint16_t>(nAlign), static_cast<uint16_t>(nRingMode),
                       cText, static_cast<uint16_t>(nOrigin));
    return DrawShape(o);
}

double Graphics::GetStringWidth(const std::string& cText)
{
    objectString o(*this, 0.0, 0.0, cText, 0, 10, true);
    DrawShape(o);
    return o._fWeite;
}

double Graphics::GetStringHeight(const std::string& cText)
{
    objectString o(*this, 0.0, 0.0, cText, 0, 10, true);
    DrawShape(o);
    return o._fHoehe;
}
