#include "graphics/shapefile/objectdev.h"

objectPolygonDev::objectPolygonDev(GraphicsDevice& oDevice, const POINT* pPoints, int32_t nPointCount,
                                   uint16_t nFillMode)
    : objectShape(oDevice),
      _pPoints(pPoints),
      _nPointCount(nPointCount),
      _nFillMode(nFillMode)
{
}

void objectPolygonDev::Draw()
{
    const ShapeFill oFill = ResolveFill(State(), _nFillMode, false);
    ForEachPass([&](HDC hDC) {
        ClosedShapeTools oTools(hDC, State(), oFill);
        Polygon(hDC, _pPoints, _nPointCount);
    });
}

objectPolygonGroupDev::objectPolygonGroupDev(GraphicsDevice& oDevice, const POINT* pPoints, const int32_t* pCounts,
                                             int32_t nPartCount, uint16_t nFillMode)
    : objectShape(oDevice),
      _pPoints(pPoints),
      _pCounts(pCounts),
      _nPartCount(nPartCount),
      _nFillMode(nFillMode)
{
}

void objectPolygonGroupDev::Draw()
{
    const ShapeFill oFill = ResolveFill(State(), _nFillMode, false);
    ForEachPass([&](HDC hDC) {
        ClosedShapeTools oTools(hDC, State(), oFill);
        PolyPolygon(hDC, _pPoints, reinterpret_cast<const INT*>(_pCounts), _nPartCount);
    });
}

objectLineDev::objectLineDev(GraphicsDevice& oDevice, const POINT* pPoints, int32_t nPointCount)
    : objectShape(oDevice),
      _pPoints(pPoints),
      _nPointCount(nPointCount)
{
}

void objectLineDev::Draw()
{
    ForEachPass([&](HDC hDC) {
        LinePenTools oTools(hDC, State());
        Polyline(hDC, _pPoints, _nPointCount);
    });
}

objectLineGroupDev::objectLineGroupDev(GraphicsDevice& oDevice, const POINT* pPoints, const int32_t* pCounts,
                                       uint32_t nPartCount)
    : objectShape(oDevice),
      _pPoints(pPoints),
      _pCounts(pCounts),
      _nPartCount(nPartCount)
{
}

void objectLineGroupDev::Draw()
{
    ForEachPass([&](HDC hDC) {
        LinePenTools oTools(hDC, State());
        PolyPolyline(hDC, _pPoints, reinterpret_cast<const DWORD*>(_pCounts), _nPartCount);
    });
}
