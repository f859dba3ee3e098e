// Drawing one record from its data. Points and multipoints go through the
// painter's point operations (single pixels in the line colour); polylines,
// polygons and multipatches are converted to device points here, by the rule
// of the painter's own drawing objects, and drawn by one device-point object
// per record (per triangle or ring of a multipatch). Parts of fewer than two
// points are not handed to GDI, which would refuse a whole PolyPolygon or
// PolyPolyline call for one of them.
#include "graphics/core/graphics.h"
#include "graphics/shapefile/objectdev.h"
#include "graphics/shapefile/painterfields.h"
#include "graphics/shapefile/shapefile.h"

using namespace shapefile;

POINT ShapeFile::DevicePoint(double x, double y) const
{
    const PainterState& s = PainterFields::Of(*_oPainter);
    return {objectShape::DevicePos(x, s._fFactorX, s._nOffsetX), objectShape::DevicePos(y, s._fFactorY, s._nOffsetY)};
}

bool ShapeFile::DecodeForDrawing(int32_t nBaseType, const uint8_t* pData, std::size_t nLength)
{
    if (_oDecoder.Decode(nBaseType, pData, nLength)) return true;
    NoteDamage(_nDrawEntry, _nDrawOffset, _oDecoder.Damage());
    return false;
}

void ShapeFile::DrawRecord(int32_t nBaseType, const uint8_t* pData, std::size_t nLength)
{
    switch (nBaseType) {
    case kBasePoint: DrawPoint(pData, nLength); break;
    case kBaseMultiPoint: DrawMultiPoint(pData, nLength); break;
    case kBasePolyLine: DrawPolyLine(pData, nLength); break;
    case kBasePolygon: DrawPolygon(pData, nLength); break;
    case kBaseMultiPatch: DrawMultiPatch(pData, nLength); break;
    default: break;
    }
}

ShapeFile& ShapeFile::DrawPoint(const uint8_t* pData, std::size_t nLength)
{
    if (DecodeForDrawing(kBasePoint, pData, nLength)) _oPainter->PaintPoint(_oDecoder.X(0), _oDecoder.Y(0));
    return *this;
}

ShapeFile& ShapeFile::DrawMultiPoint(const uint8_t* pData, std::size_t nLength)
{
    if (!DecodeForDrawing(kBaseMultiPoint, pData, nLength) || _oDecoder.PointCount() == 0) return *this;
    GroupPoints aPoints;
    aPoints.reserve(static_cast<std::size_t>(_oDecoder.PointCount()));
    for (int32_t i = 0; i < _oDecoder.PointCount(); ++i) aPoints.push_back({_oDecoder.X(i), _oDecoder.Y(i), {}});
    _oPainter->PaintPointGroup(aPoints);
    return *this;
}

template <typename Single, typename Group, typename... Fill>
void ShapeFile::DrawParts(int32_t nMinimum, Fill... nFill)
{
    GraphicsDevice* oDevice = PainterFields::Of(*_oPainter)._oDevice;
    if (oDevice == nullptr) return;
    _aDevPoints.clear();
    _aDevCounts.clear();
    for (const RecordPart& oPart : _oDecoder.Parts()) {
        if (oPart.nCount < nMinimum) continue;
        for (int32_t i = oPart.nFirst; i < oPart.nFirst + oPart.nCount; ++i) {
            _aDevPoints.push_back(DevicePoint(_oDecoder.X(i), _oDecoder.Y(i)));
        }
        _aDevCounts.push_back(oPart.nCount);
    }
    if (_aDevCounts.size() == 1) {
        Single oShape(*oDevice, _aDevPoints.data(), _aDevCounts[0], nFill...);
        _oPainter->DrawShape(oShape);
    } else if (_aDevCounts.size() > 1) {
        Group oShape(*oDevice, _aDevPoints.data(), _aDevCounts.data(), static_cast<int32_t>(_aDevCounts.size()),
                     nFill...);
        _oPainter->DrawShape(oShape);
    }
}

ShapeFile& ShapeFile::DrawPolyLine(const uint8_t* pData, std::size_t nLength)
{
    if (DecodeForDrawing(kBasePolyLine, pData, nLength)) DrawParts<objectLineDev, objectLineGroupDev>(2);
    return *this;
}

ShapeFile& ShapeFile::DrawPolygon(const uint8_t* pData, std::size_t nLength)
{
    if (DecodeForDrawing(kBasePolygon, pData, nLength)) {
        DrawParts<objectPolygonDev, objectPolygonGroupDev>(2, _nFillMode);
    }
    return *this;
}

ShapeFile& ShapeFile::DrawMultiPatch(const uint8_t* pData, std::size_t nLength)
{
    GraphicsDevice* oDevice = PainterFields::Of(*_oPainter)._oDevice;
    if (oDevice == nullptr || !DecodeForDrawing(kBaseMultiPatch, pData, nLength)) return *this;
    enum : int32_t { kTriangleStrip = 0, kTriangleFan = 1 };
    for (const RecordPart& oPart : _oDecoder.Parts()) {
        const bool lTriangles = oPart.nType == kTriangleStrip || oPart.nType == kTriangleFan;
        if (oPart.nCount < (lTriangles ? 3 : 2)) continue;
        _aDevPoints.clear();
        for (int32_t i = oPart.nFirst; i < oPart.nFirst + oPart.nCount; ++i) {
            _aDevPoints.push_back(DevicePoint(_oDecoder.X(i), _oDecoder.Y(i)));
        }
        if (!lTriangles) {
            objectPolygonDev oRing(*oDevice, _aDevPoints.data(), oPart.nCount, _nFillMode);
            _oPainter->DrawShape(oRing);
            continue;
        }
        // Strip: points m, m+1, m+2; fan: the first point, m+1, m+2.
        for (int32_t m = 0; m + 2 < oPart.nCount; ++m) {
            const POINT aTriangle[3] = {_aDevPoints[oPart.nType == kTriangleStrip ? m : 0], _aDevPoints[m + 1],
                                        _aDevPoints[m + 2]};
            objectPolygonDev oTriangle(*oDevice, aTriangle, 3, _nFillMode);
            _oPainter->DrawShape(oTriangle);
        }
    }
    return *this;
}
