#include "graphics/core/graphics.h"
#include "graphics/objects/objectcurves.h"
#include "graphics/objects/objectellipses.h"
#include "graphics/objects/objectlines.h"
#include "graphics/objects/objectmarkers.h"
#include "graphics/objects/objectpoints.h"

Graphics& Graphics::PaintLine(double x1, double y1, double x2, double y2)
{
    objectLine o(*this, x1, y1, x2, y2);
    return DrawShape(o);
}

Graphics& Graphics::PaintLineGroup(const WorldPoints& aPoints, double fOffsetX, double fOffsetY)
{
    ObjectLinienGroup o(*this, aPoints, fOffsetX, fOffsetY);
    return DrawShape(o);
}

Graphics& Graphics::PaintPolygon(const WorldPoints& aPoints, uint32_t nFill)
{
    objectPolygon o(*this, aPoints, static_cast<uint16_t>(nFill));
    return DrawShape(o);
}

Graphics& Graphics::PaintPoint(double x, double y)
{
    objectPoint o(*this, x, y);
    return DrawShape(o);
}

Graphics& Graphics::PaintPointGroup(const GroupPoints& aPoints, double fOffsetX, double fOffsetY)
{
    objectPointGroup o(*this, aPoints, fOffsetX, fOffsetY);
    return DrawShape(o);
}

uint32_t Graphics::GetPointColor(double x, double y)
{
    if (_pRefreshMemDC == nullptr) return 0xFFFFFFFF;
    objectPointColor o(*this, x, y);
    DrawShape(o);
    return o.GetColor();
}

Graphics& Graphics::PaintMarker(double x, double y)
{
    objectMarker o(*this, x, y);
    return DrawShape(o);
}

Graphics& Graphics::PaintMarkerGroup(const GroupPoints& aPoints, double fOffsetX, double fOffsetY)
{
    objectMarkerGroup o(*this, aPoints, fOffsetX, fOffsetY);
    return DrawShape(o);
}

Graphics& Graphics::PaintSpline(const WorldPoints& aPoints, double fSmoothing)
{
    objectSpline o(*this, aPoints, fSmoothing);
    return DrawShape(o);
}

Graphics& Graphics::PaintBezier(const WorldPoints& aPoints, bool lSmooth, uint32_t nFill)
{
    objectBezier o(*this, aPoints, lSmooth, static_cast<uint16_t>(nFill));
    return DrawShape(o);
}

Graphics& Graphics::PaintEllipse(double x, double y, double rx, double ry, uint32_t nFill, uint32_t nOrigin)
{
    objectEllipse o(*this, x, y, rx, ry, nFill, nOrigin);
    return DrawShape(o);
}

Graphics& Graphics::PaintEllipseCurve(double x, double y, double rx, double ry, double fAngle1, double fAngle2,
                                      uint32_t nOrigin)
{
    objectEllipsePart o(*this, x, y, rx, ry, fAngle1, fAngle2, objectEllipsePart::kArc, 0,
                        static_cast<uint16_t>(nOrigin));
    return DrawShape(o);
}

Graphics& Graphics::PaintEllipseSector(double x, double y, double rx, double ry, double fAngle1, double fAngle2,
                                       uint32_t nFill, uint32_t nOrigin)
{
    objectEllipsePart o(*this, x, y, rx, ry, fAngle1, fAngle2, objectEllipsePart::kPie, static_cast<uint16_t>(nFill),
                        static_cast<uint16_t>(nOrigin));
    return DrawShape(o);
}

Graphics& Graphics::PaintEllipseSegment(double x, double y, double rx, double ry, double fAngle1, double fAngle2,
                                        uint32_t nFill, uint32_t nOrigin)
{
    objectEllipsePart o(*this, x, y, rx, ry, fAngle1, fAngle2, objectEllipsePart::kChord, static_cast<uint16_t>(nFill),
                        static_cast<uint16_t>(nOrigin));
    return DrawShape(o);
}
