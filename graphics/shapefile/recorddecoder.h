#pragma once
// The bounded decoder of a record's data (the bytes from its data position to
// the end of its content; for a point the data start at X, for the other
// types at the count that follows the box). Drawing and the record queries
// read a record only through it.
//
// Nothing is read outside the data: every count is checked against the data
// length before anything is taken from it, so a claimed count of 2^31 - 1
// reads nothing and allocates nothing. A negative count, or counts that need
// more bytes than the data hold, make the record damaged. A single part holds
// every point (its start is not read); of several parts, one whose range (its
// start up to the next part's start, the last one up to the point count) is
// empty, reversed or reaches past the point count is left out.
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

namespace shapefile {

// One part of a decoded record: its points are first .. first + count - 1 of
// the record's points.
struct RecordPart {
    int32_t nFirst;
    int32_t nCount;
    int32_t nType;   // multipatch part type; 0 for the other base types
    int32_t nIndex;  // the part's position in the record, from 0
};

class RecordDecoder {
public:
    // Decodes the data of a record of a base type (kBase...). False when the
    // record is damaged; Damage() then says why. The decoder keeps no copy of
    // the data: the points are read from them while they live.
    bool Decode(int32_t nBaseType, const uint8_t* pData, std::size_t nLength);

    const std::string& Damage() const { return damage_; }
    // The points the counts name; all lie within the data.
    int32_t PointCount() const { return nPoints_; }
    double X(int32_t i) const;
    double Y(int32_t i) const;
    // The parts kept: the whole point list for points and multipoints, each
    // well-formed part of the others in record order.
    const std::vector<RecordPart>& Parts() const { return parts_; }
    // The part count the record states (0 for points and multipoints).
    int32_t StatedPartCount() const { return nStatedParts_; }

private:
    bool Fail(std::string what);
    // Reads the part starts and types and keeps the well-formed parts.
    void TakeParts(const uint8_t* pStarts, const uint8_t* pTypes);

    std::string damage_;
    const uint8_t* pPoints_ = nullptr;
    int32_t nPoints_ = 0;
    int32_t nStatedParts_ = 0;
    std::vector<RecordPart> parts_;
};

}  // namespace shapefile
