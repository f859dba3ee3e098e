#include "graphics/shapefile/recorddecoder.h"

#include <utility>

#include "graphics/shapefile/shapeformat.h"

namespace shapefile {

namespace {

constexpr uint64_t kPointBytes = 16;  // X then Y

}  // namespace

bool RecordDecoder::Fail(std::string what)
{
    damage_ = std::move(what);
    nPoints_ = 0;
    pPoints_ = nullptr;
    parts_.clear();
    return false;
}

double RecordDecoder::X(int32_t i) const
{
    return LittleDouble(pPoints_ + kPointBytes * static_cast<uint32_t>(i));
}

double RecordDecoder::Y(int32_t i) const
{
    return LittleDouble(pPoints_ + kPointBytes * static_cast<uint32_t>(i) + 8);
}

bool RecordDecoder::Decode(int32_t nBaseType, const uint8_t* pData, std::size_t nLength)
{
    damage_.clear();
    parts_.clear();
    nStatedParts_ = 0;
    nPoints_ = 0;
    pPoints_ = nullptr;
    const uint64_t n = nLength;
    if (nBaseType == kBasePoint) {
        if (n < kPointBytes) return Fail("a point needs 16 bytes of data, the record has " + std::to_string(n));
        pPoints_ = pData;
        nPoints_ = 1;
        parts_.push_back({0, 1, 0, 0});
        return true;
    }
    if (nBaseType == kBaseMultiPoint) {
        if (n < 4) return Fail("no point count in the data");
        const int32_t nCount = LittleInt(pData);
        if (nCount < 0) return Fail("negative point count " + std::to_string(nCount));
        if (4 + kPointBytes * static_cast<uint64_t>(nCount) > n) {
            return Fail("point count " + std::to_string(nCount) + " needs more than the " + std::to_string(n) +
                        " bytes of data");
        }
        pPoints_ = pData + 4;
        nPoints_ = nCount;
        if (nCount > 0) parts_.push_back({0, nCount, 0, 0});
        return true;
    }
    if (nBaseType != kBasePolyLine && nBaseType != kBasePolygon && nBaseType != kBaseMultiPatch) {
        return Fail("no geometry of shape type " + std::to_string(nBaseType));
    }
    if (n < 8) return Fail("no part and point count in the data");
    const int32_t nParts = LittleInt(pData), nPoints = LittleInt(pData + 4);
    if (nParts < 0) return Fail("negative part count " + std::to_string(nParts));
    if (nPoints < 0) return Fail("negative point count " + std::to_string(nPoints));
    const uint64_t nPartBytes = (nBaseType == kBaseMultiPatch ? 8 : 4) * static_cast<uint64_t>(nParts);
    if (8 + nPartBytes + kPointBytes * static_cast<uint64_t>(nPoints) > n) {
        return Fail("part count " + std::to_string(nParts) + " and point count " + std::to_string(nPoints) +
                    " need more than the " + std::to_string(n) + " bytes of data");
    }
    nStatedParts_ = nParts;
    nPoints_ = nPoints;
    pPoints_ = pData + 8 + nPartBytes;
    TakeParts(pData + 8, nBaseType == kBaseMultiPatch ? pData + 8 + 4 * static_cast<uint64_t>(nParts) : nullptr);
    return true;
}

void RecordDecoder::TakeParts(const uint8_t* pStarts, const uint8_t* pTypes)
{
    for (int32_t k = 0; k < nStatedParts_; ++k) {
        // A single part holds every point, whatever its start says.
        const int32_t nStart = nStatedParts_ == 1 ? 0 : LittleInt(pStarts + 4 * static_cast<uint32_t>(k));
        const int32_t nEnd = k + 1 < nStatedParts_ ? LittleInt(pStarts + 4 * static_cast<uint32_t>(k + 1)) : nPoints_;
        if (nStart < 0 || nStart >= nEnd || nEnd > nPoints_) continue;
        parts_.push_back(
            {nStart, nEnd - nStart, pTypes != nullptr ? LittleInt(pTypes + 4 * static_cast<uint32_t>(k)) : 0, k});
    }
}

}  // namespace shapefile
