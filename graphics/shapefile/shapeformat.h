#pragma once
// The ESRI shapefile layout as the kit reads it: the 100-byte header of the
// main file (.shp) and of the index file (.shx), the 8-byte record header,
// and the fixed head of each record content. Big-endian fields (file code,
// lengths, record numbers, index entries) go through GChBigEndToL; the
// little-endian fields (shape type, box, counts, coordinates) are plain
// x86 integers and IEEE doubles. Lengths stored as words count 16-bit words.
// The kit reads only the two-dimensional part of a record: Z and M values
// are never read, and no other file of the format family is opened.
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <string>

// The first four bytes of the text as a big-endian signed 32-bit integer
// (00 00 27 0A gives 9994, FF FF FF FF gives -1). A text shorter than four
// bytes gives 0.
int32_t GChBigEndToL(const std::string& cBytes);

namespace shapefile {

constexpr std::size_t kHeaderSize = 100;
constexpr std::size_t kRecordHeaderSize = 8;
constexpr int32_t kFileCode = 9994;

// Raw readers of the format's fields at p (no bounds: callers check them).
inline uint32_t BigEndianWord(const uint8_t* p)
{
    return (uint32_t{p[0]} << 24) | (uint32_t{p[1]} << 16) | (uint32_t{p[2]} << 8) | uint32_t{p[3]};
}
inline int32_t LittleInt(const uint8_t* p)
{
    int32_t n;
    std::memcpy(&n, p, sizeof n);
    return n;
}
inline double LittleDouble(const uint8_t* p)
{
    double f;
    std::memcpy(&f, p, sizeof f);
    return f;
}

// A world box: Xmin, Ymin, Xmax, Ymax.
struct Box {
    double xMin = 0.0, yMin = 0.0, xMax = 0.0, yMax = 0.0;
};

// What the header of a main file says.
struct FileHeader {
    int32_t nFileCode = 0;
    uint64_t nFileLength = 0;  // bytes: the word count (read unsigned) doubled
    int32_t nShapeType = 0;
    Box oBox;
};
// The header fields of the first 100 bytes of a main file.
FileHeader ParseFileHeader(const uint8_t* pHeader);
// The acceptance rule after the file code: a box of finite values with
// Xmin < Xmax and Ymin < Ymax (a NaN or infinite value is refused like a
// degenerate box).
bool IsAcceptableBox(const Box& oBox);

// The base types a record's shape type maps onto.
enum : int32_t {
    kBaseNone = 0,
    kBasePoint = 1,
    kBasePolyLine = 3,
    kBasePolygon = 5,
    kBaseMultiPoint = 8,
    kBaseMultiPatch = 31,
};

// How the first pass reads a record of a base type.
struct BaseTypeInfo {
    int32_t nBaseType;     // kBase...
    uint32_t nDataOffset;  // content offset of the record data (4 points, 36 others)
    uint32_t nFixedHead;   // bytes of content the type needs at least: box (or point) and counts
    bool lPartCount;       // the part count is at content offset 36
    bool lFillColor;       // the record colour is a fill colour (else a line colour)
};
// The base type of a shape type of the file; every value the format does not
// name (the null type 0 included) is kBaseNone with a data offset of 0.
BaseTypeInfo BaseTypeOf(int32_t nShapeType);

// A record's box and part count from its content (at least the type's fixed
// head long): a point's box is the point itself.
Box RecordBox(const BaseTypeInfo& oType, const uint8_t* pContent);
int32_t RecordPartCount(const BaseTypeInfo& oType, const uint8_t* pContent);

}  // namespace shapefile
