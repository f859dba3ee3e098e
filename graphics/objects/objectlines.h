#pragma once
// Straight-line figures in the painter's line colour: objectLine (one
// segment), ObjectLinienGroup (a running polyline through {x, y} entries and a
// separate segment for each {x1, y1, x2, y2} entry, after a world offset) and
// objectPolygon (closed, outlined and optionally filled).
#include <windows.h>

#include <cstdint>
#include <vector>

#include "graphics/core/figurepoints.h"
#include "graphics/objects/objectshape.h"

class objectLine : public objectShape {
public:
    objectLine(GraphicsDevice& oDevice, double x1, double y1, double x2, double y2);
    void Draw() override;

private:
    double _fX1, _fY1, _fX2, _fY2;
};

class ObjectLinienGroup : public objectShape {
public:
    ObjectLinienGroup(GraphicsDevice& oDevice, const WorldPoints& aPoints, double fOffsetX = 0.0,
                      double fOffsetY = 0.0);
    // One running polyline through the vertices: the painter's charts hand
    // over their points this way, all in one array.
    ObjectLinienGroup(GraphicsDevice& oDevice, const WorldVertices& aPath);
    void Draw() override;

private:
    const WorldPoints* _pPoints = nullptr;
    const WorldVertices* _pPath = nullptr;
    double _fOffsetX = 0.0, _fOffsetY = 0.0;
};

class objectPolygon : public objectShape {
public:
    objectPolygon(GraphicsDevice& oDevice, const WorldPoints& aPoints, uint16_t nFill = 0);
    void Draw() override;

private:
    const WorldPoints& _aPoints;
    uint16_t _nFill;
};

// The device points of the vertices (entries of at least two numbers), each
// world value shifted by the offset before the scaling.
std::vector<POINT> DeviceVertices(const objectShape& oShape, const WorldPoints& aPoints, double fOffsetX = 0.0,
                                  double fOffsetY = 0.0);
