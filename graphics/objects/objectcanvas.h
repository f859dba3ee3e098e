#pragma once
// Objects that clear, frame or restore parts of the drawing area:
// objectEraseCanvas (whole area in the background colour), objectFrameCanvas
// (outline of the whole area with the painter's pen), objectEraseArea (a
// rectangle in the background colour) and objectSavedArea (the saved area
// copied back at a place). None applies the painter's raster mode.
#include "graphics/objects/objectshape.h"

class objectEraseCanvas : public objectShape {
public:
    using objectShape::objectShape;
    void Draw() override;
};

class objectFrameCanvas : public objectShape {
public:
    using objectShape::objectShape;
    void Draw() override;
};

// Common part of the erase and saved area: a rectangle in world units,
// aligned by the origin mode after the conversion to device pixels.
class objectArea : public objectShape {
public:
    objectArea(GraphicsDevice& oDevice, double x, double y, double w, double h, uint32_t nOrigin);

protected:
    // Device position and size of the area; empty when one of its values is
    // not a number.
    DeviceBox DeviceArea() const;

private:
    double _fX, _fY, _fWidth, _fHeight;
    uint16_t _nOriginMode;
};

class objectEraseArea : public objectArea {
public:
    using objectArea::objectArea;
    void Draw() override;
};

class objectSavedArea : public objectArea {
public:
    using objectArea::objectArea;
    void Draw() override;
};
