#pragma once
// Axis-parallel ellipses with the painter's pen and fill: objectEllipse (the
// whole ellipse) and objectEllipsePart (an arc, a pie slice or a chord
// between two angles). Angles are degrees measured in device pixels from the
// direction of increasing y toward increasing x.
#include <windows.h>

#include <cstdint>

#include "graphics/objects/objectshape.h"

class objectEllipse : public objectShape {
public:
    objectEllipse(GraphicsDevice& oDevice, double x, double y, double rx, double ry, uint32_t nFill = 0,
                  uint32_t nOrigin = 10);
    void Draw() override;

private:
    double _fX, _fY, _fRadiusX, _fRadiusY;
    uint32_t _nFill;
    uint32_t _nOriginMode;
};

class objectEllipsePart : public objectShape {
public:
    // Kinds of the part.
    enum : uint16_t { kArc = 0, kChord = 1, kPie = 2 };

    objectEllipsePart(GraphicsDevice& oDevice, double x, double y, double rx, double ry, double fAngle1, double fAngle2,
                      uint16_t nKind = kPie, uint16_t nFill = 0, uint16_t nOrigin = 10);
    void Draw() override;

private:
    double _fX, _fY, _fRadiusX, _fRadiusY, _fAngle1, _fAngle2;
    uint16_t _nKind;
    uint16_t _nFill;
    uint16_t _nOriginMode;
};
