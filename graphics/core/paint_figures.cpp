#include "graphics/core/graphics.h"
#include "graphics/objects/objectcurves.h"
#include "graphics/objects/objectellipses.h"
#include "graphics/objects/objectlines.h"
#include "graphics/objects/objectmarkers.h"
#include "graphics/objects/objectpoints.h"

Graphics& Graphics::PaintLine(double x1, double y1, double x2, double y2)
{
    return Paint<objectLine>(x1, y1, x2, y2);
}

Graphics& Graphics::PaintLineGroup(const WorldPoints& aPoints, double fOffsetX, double fOffsetY)
{
    return Paint<ObjectLinienGroup>(aPoints, fOffsetX, fOffsetY);
}

Graphics& Graphics::PaintPolygon(const WorldPoints& aPoints, uint32_t nFill)
{
    return Paint<objectPolygon>(aPoints, static_cast<uint16_t>(nFill));
}

Graphics& Graphics::PaintPoint(double x, double y)
{
    return Paint<objectPoint>(x, y);
}

Graphics& Graphics::PaintPointGroup(const GroupPoints& aPoints, double fOffsetX, double fOffsetY)
{
    return Paint<objectPointGroup>(aPoints, fOffsetX, fOffsetY);
}

uint32_t Graphics::GetPointColor(double x, double y)
{
    if (_oRefreshCanvas.DC() == nullptr || _oDevice == nullptr) return 0xFFFFFFFF;
    objectPointColor o(*_oDevice, x, y);
    DrawShape(o);
    return o.GetColor();
}

Graphics& Graphics::PaintMarker(double x, double y)
{
    return Paint<objectMarker>(x, y);
}

Graphics& Graphics::PaintMarkerGroup(const GroupPoints& aPoints, double fOffsetX, double fOffsetY)
{
    return Paint<objectMarkerGroup>(aPoints, fOffsetX, fOffsetY);
}

Graphics& Graphics::PaintSpline(const WorldPoints& aPoints, double fSmoothing)
{
    return Paint<objectSpline>(aPoints, fSmoothing);
}

Graphics& Graphics::PaintBezier(const WorldPoints& aPoints, bool lSmooth, uint32_t nFill)
{
    return Paint<objectBezier>(aPoints, lSmooth, static_cast<uint16_t>(nFill));
}

Graphics& Graphics::PaintEllipse(double x, double y, double rx, double ry, uint32_t nFill, uint32_t nOrigin)
{
    return Paint<objectEllipse>(x, y, rx, ry, nFill, nOrigin);
}

Graphics& Graphics::PaintEllipseCurve(double x, double y, double rx, double ry, double fAngle1, double fAngle2,
                                      uint32_t nOrigin)
{
    return Paint<objectEllipsePart>(x, y, rx, ry, fAngle1, fAngle2, objectEllipsePart::kArc, 0,
                                    static_cast<uint16_t>(nOrigin));
}

Graphics& Graphics::PaintEllipseSector(double x, double y, double rx, double ry, double fAngle1, double fAngle2,
                                       uint32_t nFill, uint32_t nOrigin)
{
    return Paint<objectEllipsePart>(x, y, rx, ry, fAngle1, fAngle2, objectEllipsePart::kPie,
                                    static_cast<uint16_t>(nFill), static_cast<uint16_t>(nOrigin));
}

Graphics& Graphics::PaintEllipseSegment(double x, double y, double rx, double ry, double fAngle1, double fAngle2,
                                        uint32_t nFill, uint32_t nOrigin)
{
    return Paint<objectEllipsePart>(x, y, rx, ry, fAngle1, fAngle2, objectEllipsePart::kChord,
                                    static_cast<uint16_t>(nFill), static_cast<uint16_t>(nOrigin));
}
