#pragma once
// Texts in the painter's font and text colour: objectString (one text at a
// point, aligned by an origin mode, or only measured) and objectStringRing
// (a text set character by character along a circle).
#include <windows.h>

#include <cstdint>
#include <string>

#include "graphics/objects/objectshape.h"

class objectString : public objectShape {
public:
    // nBackground 10 draws transparently, any other value fills the text cell;
    // lMeasure draws nothing and sets _fWeite and _fHoehe instead.
    objectString(GraphicsDevice& oDevice, double x, double y, std::string cText, uint16_t nOrigin = 0,
                 uint16_t nBackground = 10, bool lMeasure = false);
    void Draw() override;

    // Measured width and height in world units.
    double _fWeite = 0.0;
    double _fHoehe = 0.0;

private:
    double _fX, _fY;
    std::string _cText;
    uint16_t _nOriginMode;
    uint16_t _nBackMode;
    bool _lMeasure;
};

class objectStringRing : public objectShape {
public:
    // Ring alignment: the text begins at, ends at or is centred on the angle.
    enum : uint16_t { kBegin = 0, kEnd = 1, kCentre = 2 };
    // nRingMode 3 runs the characters along increasing angles with their
    // baseline on the circle; any other value along decreasing angles, turned
    // by 180 degrees and moved inward by half the height of "A".
    objectStringRing(GraphicsDevice& oDevice, double x, double y, double fRadius, double fAngle,
                     uint16_t nAlign = kCentre, uint16_t nRingMode = 3, std::string cText = {}, uint16_t nOrigin = 10);
    void Draw() override;

    // At most this many characters are set.
    static constexpr size_t kMaxChars = 200;

private:
    double _fX, _fY, _fRadius, _fAngle;
    std::string _cText;
    uint16_t _nOriginMode;
    uint16_t _nAlign;
    uint16_t _nRingMode;
};
