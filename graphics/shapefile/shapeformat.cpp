#include "graphics/shapefile/shapeformat.h"

#include <cmath>

int32_t GChBigEndToL(const std::string& cBytes)
{
    if (cBytes.size() < 4) return 0;
    return static_cast<int32_t>(shapefile::BigEndianWord(reinterpret_cast<const uint8_t*>(cBytes.data())));
}

namespace shapefile {

FileHeader ParseFileHeader(const uint8_t* pHeader)
{
    FileHeader o;
    o.nFileCode = static_cast<int32_t>(BigEndianWord(pHeader));
    o.nFileLength = uint64_t{BigEndianWord(pHeader + 24)} * 2;
    o.nShapeType = LittleInt(pHeader + 32);
    o.oBox = {LittleDouble(pHeader + 36), LittleDouble(pHeader + 44), LittleDouble(pHeader + 52),
              LittleDouble(pHeader + 60)};
    return o;
}

bool IsAcceptableBox(const Box& oBox)
{
    // Comparisons with NaN are false; an infinite bound makes no finite scale.
    return std::isfinite(oBox.xMin) && std::isfinite(oBox.yMin) && std::isfinite(oBox.xMax) &&
           std::isfinite(oBox.yMax) && oBox.xMin < oBox.xMax && oBox.yMin < oBox.yMax;
}

BaseTypeInfo BaseTypeOf(int32_t nShapeType)
{
    switch (nShapeType) {
    case 1:
    case 11:
    case 21: return {kBasePoint, 4, 20, false, false};
    case 8:
    case 18:
    case 28: return {kBaseMultiPoint, 36, 40, false, false};
    case 3:
    case 13:
    case 23: return {kBasePolyLine, 36, 44, true, false};
    case 5:
    case 15:
    case 25: return {kBasePolygon, 36, 44, true, true};
    case 31: return {kBaseMultiPatch, 36, 44, true, true};
    default: return {kBaseNone, 0, 4, false, false};
    }
}

Box RecordBox(const BaseTypeInfo& oType, const uint8_t* pContent)
{
    if (oType.nBaseType == kBasePoint) {
        const double x = LittleDouble(pContent + 4), y = LittleDouble(pContent + 12);
        return {x, y, x, y};
    }
    return {LittleDouble(pContent + 4), LittleDouble(pContent + 12), LittleDouble(pContent + 20),
            LittleDouble(pContent + 28)};
}

int32_t RecordPartCount(const BaseTypeInfo& oType, const uint8_t* pContent)
{
    return oType.lPartCount ? LittleInt(pContent + 36) : 0;
}

}  // namespace shapefile
