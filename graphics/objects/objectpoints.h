#pragma once
// Single pixels: objectPoint sets one in the line colour, objectPointGroup
// one per entry (in the colour the entries carry, else the line colour),
// objectPointColor reads one.
#include <windows.h>

#include <cstdint>

#include "graphics/core/figurepoints.h"
#include "graphics/objects/objectshape.h"

class objectPoint : public objectShape {
public:
    objectPoint(GraphicsDevice& oDevice, double x, double y);
    void Draw() override;

private:
    double _fX, _fY;
};

class objectPointGroup : public objectShape {
public:
    objectPointGroup(GraphicsDevice& oDevice, const GroupPoints& aPoints, double fOffsetX = 0.0, double fOffsetY = 0.0);
    void Draw() override;

private:
    const GroupPoints& _aPoints;
    double _fOffsetX, _fOffsetY;
};

class objectPointColor : public objectShape {
public:
    objectPointColor(GraphicsDevice& oDevice, double x, double y);
    // Reads the pixel: from the refresh bitmap on a screen window, else from
    // the device's own DC. Draws nothing.
    void Draw() override;
    // The colour read (red in the low byte), 0xFFFFFFFF before Draw or when
    // no pixel could be read.
    uint32_t GetColor() const { return _nColor; }

private:
    double _fX, _fY;
    uint32_t _nColor = 0xFFFFFFFF;
};

// A group entry in device pixels with the colour in force at it.
struct DeviceGroupPoint {
    POINT oPoint;
    COLORREF nColor;
    bool lColorChange;  // the entry carries a colour of its own
};
// Converts a point or marker group: the world offset is added before the
// scaling; a colour carried by an entry holds for the following entries, the
// entries before the first coloured one take the line colour.
std::vector<DeviceGroupPoint> DeviceGroup(const objectShape& oShape, const PainterState& oState,
                                          const GroupPoints& aPoints, double fOffsetX, double fOffsetY);
