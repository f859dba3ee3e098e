// The record and box queries of a shapefile: geometry and boxes of single
// records, by entry position or by record number, and the file's box. The
// geometry is decoded by the same bounded decoder as the drawing, so both
// agree about every record.
#include "graphics/shapefile/shapefile.h"

using namespace shapefile;

namespace {

constexpr uint64_t kQueryReadAhead = 64 * 1024;

Value BoxOf(double xMin, double yMin, double xMax, double yMax)
{
    return Array{Value(Array{xMin, yMin}), Value(Array{xMax, yMax})};
}

}  // namespace

bool ShapeFile::ReadyForQuery()
{
    if (_pFileHandle == nullptr) return false;
    return _nRecCount > 0 || RunShapeFirst(false);
}

uint32_t ShapeFile::EntryOfRecNo(int64_t nRecNo)
{
    if (_aEntryOfRecNo.empty()) {
        // Index order, so that a number met twice keeps its first entry.
        for (uint32_t n = 1; n <= _nRecCount; ++n) _aEntryOfRecNo.try_emplace(_pRecIndex[n - 1].nRecordNumber, n);
    }
    if (nRecNo < INT32_MIN || nRecNo > INT32_MAX) return 0;
    const auto it = _aEntryOfRecNo.find(static_cast<int32_t>(nRecNo));
    return it == _aEntryOfRecNo.end() ? 0 : it->second;
}

Value ShapeFile::PointOf(int32_t i) const
{
    return Array{_oDecoder.X(i), _oDecoder.Y(i)};
}

bool ShapeFile::CoordPoint(const uint8_t* pData, std::size_t nLength, Value& aCoord)
{
    aCoord = Value();
    if (!_oDecoder.Decode(kBasePoint, pData, nLength)) return false;
    aCoord = PointOf(0);
    return true;
}

bool ShapeFile::CoordMultiPoint(const uint8_t* pData, std::size_t nLength, Value& aCoord)
{
    aCoord = Value();
    if (!_oDecoder.Decode(kBaseMultiPoint, pData, nLength)) return false;
    Array aPoints(static_cast<std::size_t>(_oDecoder.PointCount()));
    for (int32_t i = 0; i < _oDecoder.PointCount(); ++i) aPoints[static_cast<std::size_t>(i) + 1] = PointOf(i);
    aCoord = aPoints;
    return true;
}

bool ShapeFile::CoordParts(int32_t nBaseType, const uint8_t* pData, std::size_t nLength, Value& aCoord)
{
    aCoord = Value();
    if (!_oDecoder.Decode(nBaseType, pData, nLength)) return false;
    // Every stated part has its place; the decoder leaves out the parts
    // whose range is empty or reversed, which stay empty arrays.
    Array aParts(static_cast<std::size_t>(_oDecoder.StatedPartCount()));
    for (Value& uPart : aParts) uPart = Array(std::size_t{0});
    for (const RecordPart& oPart : _oDecoder.Parts()) {
        Array aPoints(static_cast<std::size_t>(oPart.nCount));
        for (int32_t i = 0; i < oPart.nCount; ++i) aPoints[static_cast<std::size_t>(i) + 1] = PointOf(oPart.nFirst + i);
        aParts[static_cast<std::size_t>(oPart.nIndex) + 1] = aPoints;
    }
    aCoord = aParts;
    return true;
}

bool ShapeFile::CoordPolyLine(const uint8_t* pData, std::size_t nLength, Value& aCoord)
{
    return CoordParts(kBasePolyLine, pData, nLength, aCoord);
}

bool ShapeFile::CoordPolygon(const uint8_t* pData, std::size_t nLength, Value& aCoord)
{
    return CoordParts(kBasePolygon, pData, nLength, aCoord);
}

bool ShapeFile::CoordMultiPatch(const uint8_t* pData, std::size_t nLength, Value& aCoord)
{
    return CoordParts(kBaseMultiPatch, pData, nLength, aCoord);
}

bool ShapeFile::ReadCoord(uint32_t nEntry, Value& aCoord)
{
    const ShapeIndexEntry& oEntry = _pRecIndex[nEntry - 1];
    // Queries in file order read ahead through one window; a record outside
    // it is read afresh.
    if (!_oQueryWindow) _oQueryWindow.emplace(_pFileHandle, _nFileSize);
    uint64_t nGot;
    const uint8_t* pData = _oQueryWindow->Bytes(oEntry.nDataPosition, oEntry.nDataLength, kQueryReadAhead, nGot);
    if (nGot < oEntry.nDataLength) {
        return Fail(nEntry, oEntry.nDataPosition,
                    "short data read: " + std::to_string(nGot) + " of " + std::to_string(oEntry.nDataLength) +
                        " bytes");
    }
    bool lDecoded = false;
    switch (oEntry.nShapeType) {
    case kBasePoint: lDecoded = CoordPoint(pData, oEntry.nDataLength, aCoord); break;
    case kBaseMultiPoint: lDecoded = CoordMultiPoint(pData, oEntry.nDataLength, aCoord); break;
    case kBasePolyLine: lDecoded = CoordPolyLine(pData, oEntry.nDataLength, aCoord); break;
    case kBasePolygon: lDecoded = CoordPolygon(pData, oEntry.nDataLength, aCoord); break;
    case kBaseMultiPatch: lDecoded = CoordMultiPatch(pData, oEntry.nDataLength, aCoord); break;
    default: break;
    }
    if (!lDecoded) NoteDamage(nEntry, oEntry.nDataPosition, _oDecoder.Damage());
    return lDecoded;
}

ShapeFile& ShapeFile::GetShapeFigCoordRec(int64_t nEntry, int32_t& nRecNo, int32_t& nType, Value& aCoord)
{
    if (ReadyForQuery() && nEntry >= 1 && nEntry <= _nRecCount) {
        const ShapeIndexEntry& oEntry = _pRecIndex[nEntry - 1];
        nType = oEntry.nShapeType;
        nRecNo = oEntry.nRecordNumber;
        aCoord = Value();
        if (nType == kBaseNone || ReadCoord(static_cast<uint32_t>(nEntry), aCoord)) return *this;
    }
    nType = -1;
    nRecNo = 0;
    aCoord = Value();
    return *this;
}

ShapeFile& ShapeFile::GetShapeFigCoordId(int64_t nRecNo, int32_t& nEntry, int32_t& nType, Value& aCoord)
{
    const uint32_t n = ReadyForQuery() ? EntryOfRecNo(nRecNo) : 0;
    if (n > 0) {
        nType = _pRecIndex[n - 1].nShapeType;
        nEntry = static_cast<int32_t>(n);
        aCoord = Value();
        if (nType == kBaseNone || ReadCoord(n, aCoord)) return *this;
    }
    nType = -1;
    nEntry = 0;
    aCoord = Value();
    return *this;
}

ShapeFile& ShapeFile::GetShapeFigBoxRec(int64_t nEntry, int32_t& nRecNo, int32_t& nType, Value& aBox, int32_t& nParts)
{
    aBox = Value();
    if (ReadyForQuery() && nEntry >= 1 && nEntry <= _nRecCount) {
        const ShapeIndexEntry& oEntry = _pRecIndex[nEntry - 1];
        nType = oEntry.nShapeType;
        nRecNo = oEntry.nRecordNumber;
        nParts = oEntry.nPartCount;
        if (nType != kBaseNone) aBox = BoxOf(oEntry.fXMin, oEntry.fYMin, oEntry.fXMax, oEntry.fYMax);
        return *this;
    }
    nType = -1;
    nRecNo = 0;
    return *this;
}

ShapeFile& ShapeFile::GetShapeFigBoxId(int64_t nRecNo, int32_t& nEntry, int32_t& nType, Value& aBox, int32_t& nParts)
{
    aBox = Value();
    const uint32_t n = ReadyForQuery() ? EntryOfRecNo(nRecNo) : 0;
    if (n > 0) {
        const ShapeIndexEntry& oEntry = _pRecIndex[n - 1];
        nType = oEntry.nShapeType;
        nEntry = static_cast<int32_t>(n);
        if (nType != kBaseNone) {
            aBox = BoxOf(oEntry.fXMin, oEntry.fYMin, oEntry.fXMax, oEntry.fYMax);
            nParts = oEntry.nPartCount;
        }
        return *this;
    }
    nType = -1;
    nEntry = 0;
    return *this;
}

ShapeFile& ShapeFile::GetShapeFileBox(uint32_t& nCount, Value& aBox)
{
    if (ReadyForQuery()) {
        nCount = _nRecCount;
        aBox = BoxOf(_r8FileXMin, _r8FileYMin, _r8FileXMax, _r8FileYMax);
    } else {
        nCount = 0;
        aBox = Value();
    }
    return *this;
}
