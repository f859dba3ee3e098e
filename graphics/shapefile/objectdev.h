#pragma once
// Drawing objects for points that are already device points: the shapefile
// painter converts a record's world coordinates itself and hands the buffer
// over. They apply no world-to-device mapping and no origin mode, and they
// do not own their buffers: the creator keeps the point and count blocks
// alive while the object draws and frees them afterwards.
//
// The polygon classes draw with the painter's pen and, with the fill mode 1,
// the brush of its fill style, where style code 160 is a solid fill on a
// transparent background; the line classes draw with the painter's geometric
// line pen and take no fill mode, as lines are never filled. Each draws in every pass of its device (window and refresh
// bitmap on a screen window).
#include <windows.h>

#include <cstdint>

#include "graphics/objects/objectshape.h"

// One closed polygon (Polygon).
class objectPolygonDev : public objectShape {
public:
    objectPolygonDev(GraphicsDevice& oDevice, const POINT* pPoints, int32_t nPointCount, uint16_t nFillMode = 0);
    void Draw() override;

private:
    const POINT* _pPoints;
    int32_t _nPointCount;
    uint16_t _nFillMode;
};

// Several closed polygons in one call (PolyPolygon); with the DC's polygon
// fill mode a ring inside another is a hole.
class objectPolygonGroupDev : public objectShape {
public:
    objectPolygonGroupDev(GraphicsDevice& oDevice, const POINT* pPoints, const int32_t* pCounts, int32_t nPartCount,
                          uint16_t nFillMode = 0);
    void Draw() override;

private:
    const POINT* _pPoints;
    const int32_t* _pCounts;
    int32_t _nPartCount;
    uint16_t _nFillMode;
};

// One open polyline (Polyline).
class objectLineDev : public objectShape {
public:
    objectLineDev(GraphicsDevice& oDevice, const POINT* pPoints, int32_t nPointCount);
    void Draw() override;

private:
    const POINT* _pPoints;
    int32_t _nPointCount;
};

// Several open polylines in one call (PolyPolyline).
class objectLineGroupDev : public objectShape {
public:
    objectLineGroupDev(GraphicsDevice& oDevice, const POINT* pPoints, const int32_t* pCounts, uint32_t nPartCount);
    void Draw() override;

private:
    const POINT* _pPoints;
    const int32_t* _pCounts;
    uint32_t _nPartCount;
};
