// The record and box queries: every fixture record against what pyshp's
// reader saw, the decoders on hand-made record data, and the failures.
#include <gtest/gtest.h>
#include <windows.h>

#include <cstring>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "graphics/shapefile/shapefile_fixture.h"

namespace {

// The geometry as coords_<name>.txt writes it: base type, part count, the
// point count of each part, then X and Y of every point; a record without
// geometry is "0 0".
using Flat = std::vector<double>;

std::vector<Flat> ReadCoords(const std::string& cName)
{
    std::ifstream f("coords_" + cName + ".txt");
    EXPECT_TRUE(f.good()) << "no coordinates for " << cName;
    std::vector<Flat> a;
    std::string cLine;
    while (std::getline(f, cLine)) {
        std::istringstream s(cLine);
        Flat v;
        for (double d; s >> d;) v.push_back(d);
        a.push_back(v);
    }
    return a;
}

// A point must be {X, Y} and nothing else (no Z, no M).
void AddPoint(Flat& v, const Value& uPoint)
{
    ASSERT_TRUE(uPoint.IsArray());
    const Array& a = uPoint.AsArray();
    ASSERT_EQ(a.Len(), 2U);
    v.push_back(a[1].AsNumber());
    v.push_back(a[2].AsNumber());
}

Flat Flatten(int32_t nType, const Value& aCoord)
{
    Flat v{static_cast<double>(nType)};
    if (aCoord.IsNil()) {
        v.push_back(0);
        return v;
    }
    std::vector<Array> aParts;
    if (nType == 1) {
        aParts.push_back(Array{aCoord});
    } else if (nType == 8) {
        aParts.push_back(aCoord.AsArray());
    } else {
        for (const Value& u : aCoord.AsArray()) aParts.push_back(u.AsArray());
    }
    v.push_back(static_cast<double>(aParts.size()));
    for (const Array& a : aParts) v.push_back(static_cast<double>(a.Len()));
    for (const Array& a : aParts)
        for (const Value& u : a) AddPoint(v, u);
    return v;
}

// {{Xmin, Ymin}, {Xmax, Ymax}} as Xmin, Ymin, Xmax, Ymax.
Flat BoxNumbers(const Value& aBox)
{
    Flat v;
    if (!aBox.IsArray() || aBox.AsArray().Len() != 2) return v;
    for (const Value& u : aBox.AsArray()) AddPoint(v, u);
    return v;
}

// Record data made of 4-byte integers and 8-byte doubles, little-endian.
struct Bytes {
    std::vector<uint8_t> a;
    Bytes& I(std::initializer_list<int32_t> aInts)
    {
        for (int32_t n : aInts) Put(&n, 4);
        return *this;
    }
    Bytes& D(std::initializer_list<double> aDoubles)
    {
        for (double f : aDoubles) Put(&f, 8);
        return *this;
    }
    void Put(const void* p, std::size_t n)
    {
        const auto* b = static_cast<const uint8_t*>(p);
        a.insert(a.end(), b, b + n);
    }
};

}  // namespace

TEST_F(ShapeCanvasTest, QueriesReturnWhatPyshpReads)
{
    MakeCanvas(20, 20);
    for (const std::string cName :
         {"point", "pointz", "pointm", "multipoint", "multipointz", "multipointm", "polyline", "polylinez", "polylinem",
          "polygon", "polygonz", "polygonm", "nulls", "multipatch", "rings"}) {
        SCOPED_TRACE(cName);
        const std::vector<ExpectedEntry> aExpected = ReadExpected(cName);
        const std::vector<Flat> aCoords = ReadCoords(cName);
        ASSERT_EQ(aCoords.size(), aExpected.size());
        ShapeFile& o = Open(cName + ".shp");
        EXPECT_EQ(o.RecCount(), 0U);
        uint32_t nCount = 0;
        Value aBox;
        o.GetShapeFileBox(nCount, aBox);
        EXPECT_EQ(nCount, aExpected.size()) << "the first query builds the index";
        EXPECT_EQ(BoxNumbers(aBox), (Flat{o.FileBox().xMin, o.FileBox().yMin, o.FileBox().xMax, o.FileBox().yMax}));
        for (int32_t n = 1; n <= static_cast<int32_t>(aExpected.size()); ++n) {
            SCOPED_TRACE("entry " + std::to_string(n));
            const ExpectedEntry& x = aExpected[static_cast<std::size_t>(n) - 1];
            const Flat xBox = x.nShapeType == 0 ? Flat{} : Flat{x.aBox[0], x.aBox[1], x.aBox[2], x.aBox[3]};
            int32_t nRecNo = -5, nEntry = -5, nType = -5, nParts = -7;
            Value aCoord;
            o.GetShapeFigCoordRec(n, nRecNo, nType, aCoord);
            EXPECT_EQ(nRecNo, x.nRecordNumber);
            EXPECT_EQ(Flatten(nType, aCoord), aCoords[static_cast<std::size_t>(n) - 1]);
            o.GetShapeFigCoordId(x.nRecordNumber, nEntry, nType, aCoord);
            EXPECT_EQ(nEntry, n);
            EXPECT_EQ(Flatten(nType, aCoord), aCoords[static_cast<std::size_t>(n) - 1]);
            o.GetShapeFigBoxRec(n, nRecNo, nType, aBox, nParts);
            EXPECT_EQ(nRecNo, x.nRecordNumber);
            EXPECT_EQ(nType, x.nShapeType);
            EXPECT_EQ(BoxNumbers(aBox), xBox);
            EXPECT_EQ(aBox.IsNil(), x.nShapeType == 0);
            EXPECT_EQ(nParts, x.nPartCount);
            nParts = -7;
            o.GetShapeFigBoxId(x.nRecordNumber, nEntry, nType, aBox, nParts);
            EXPECT_EQ(nEntry, n);
            EXPECT_EQ(nType, x.nShapeType);
            EXPECT_EQ(BoxNumbers(aBox), xBox);
            // A record without geometry leaves the caller's part count.
            EXPECT_EQ(nParts, x.nShapeType == 0 ? -7 : x.nPartCount);
        }
        EXPECT_FALSE(o.LastFault().has_value());
        EXPECT_EQ(oDevice->nDraws, 0);
    }
}

// The start of a single part is not read: a square whose one part says it
// starts at its fourth point is drawn and returned whole.
TEST_F(ShapeCanvasTest, ASinglePartHoldsEveryPointWhateverItsStart)
{
    MakeCanvas(101, 11);
    ShapeFile& o = Open("single_start.shp");
    int32_t nRecNo = 0, nType = 0;
    Value aCoord;
    o.GetShapeFigCoordRec(1, nRecNo, nType, aCoord);
    EXPECT_EQ(Flatten(nType, aCoord), (Flat{5, 1, 5, 0, 0, 0, 10, 10, 10, 10, 0, 0, 0}));
    o.SetShapeColorNormal();
    EXPECT_TRUE(o.PaintShapeFigures());
    EXPECT_EQ(Pixel(5, 5), kBlue) << "the square is filled";
}

TEST_F(ShapeCanvasTest, DecodersOnRecordData)
{
    MakeCanvas(20, 20);
    ShapeFile& o = Open("point.shp");
    using Coord = bool (ShapeFile::*)(const uint8_t*, std::size_t, Value&);
    struct Case {
        const char* cWhat;
        Coord fDecode;
        int32_t nType;  // how the result is flattened
        Bytes oData;
        bool lOk;
        Flat aExpected;
    };
    const Case aCases[] = {
        {"point", &ShapeFile::CoordPoint, 1, Bytes().D({1.5, -2}), true, {1, 1, 1, 1.5, -2}},
        {"point short", &ShapeFile::CoordPoint, 1, Bytes().D({1.5}), false, {}},
        {"multipoint of three",
         &ShapeFile::CoordMultiPoint,
         8,
         Bytes().I({3}).D({1, 2, 3, 4, 5, 6}),
         true,
         {8, 1, 3, 1, 2, 3, 4, 5, 6}},
        {"multipoint of none", &ShapeFile::CoordMultiPoint, 8, Bytes().I({0}), true, {8, 1, 0}},
        {"polygon rings of 5 and 4",
         &ShapeFile::CoordPolygon,
         5,
         Bytes().I({2, 9, 0, 5}).D({0, 0, 0, 9, 9, 9, 9, 0, 0, 0, 1, 1, 1, 2, 2, 2, 1, 1}),
         true,
         {5, 2, 5, 4, 0, 0, 0, 9, 9, 9, 9, 0, 0, 0, 1, 1, 1, 2, 2, 2, 1, 1}},
        // The points follow the part starts and the part types: byte 33.
        {"multipatch of 3 parts",
         &ShapeFile::CoordMultiPatch,
         31,
         Bytes().I({3, 4, 0, 1, 2, 0, 1, 5}).D({1, 2, 3, 4, 5, 6, 7, 8}),
         true,
         {31, 3, 1, 1, 2, 1, 2, 3, 4, 5, 6, 7, 8}},
        {"polyline with a reversed part",
         &ShapeFile::CoordPolyLine,
         3,
         Bytes().I({3, 4, 0, 3, 1}).D({1, 1, 2, 2, 3, 3, 4, 4}),
         true,
         {3, 3, 3, 0, 3, 1, 1, 2, 2, 3, 3, 2, 2, 3, 3, 4, 4}},
        {"polyline of no parts", &ShapeFile::CoordPolyLine, 3, Bytes().I({0, 0}), true, {3, 0}},
        {"polygon claiming 1000 points", &ShapeFile::CoordPolygon, 5, Bytes().I({1, 1000, 0}).D({1, 1}), false, {}},
        {"polygon with a negative part count", &ShapeFile::CoordPolygon, 5, Bytes().I({-1, 1, 0}).D({1, 1}), false, {}},
    };
    for (const Case& c : aCases) {
        SCOPED_TRACE(c.cWhat);
        Value aCoord = Array{1};
        EXPECT_EQ((o.*c.fDecode)(c.oData.a.data(), c.oData.a.size(), aCoord), c.lOk);
        if (c.lOk) {
            EXPECT_EQ(Flatten(c.nType, aCoord), c.aExpected);
        } else {
            EXPECT_TRUE(aCoord.IsNil());
        }
    }
}

TEST_F(ShapeCanvasTest, QueriesFail)
{
    MakeCanvas(20, 20);
    struct Case {
        const char* cWhat;
        const char* cFile;
        bool lById;
        int64_t nKey;
        bool lBoxFails;  // the box comes from the index: a damaged record has one
    };
    const Case aCases[] = {
        {"entry 0", "squares.shp", false, 0, true},
        {"entry -1", "squares.shp", false, -1, true},
        {"entry count + 1", "squares.shp", false, 7, true},
        {"unknown record number", "squares.shp", true, 99, true},
        {"record number beyond 32 bits", "squares.shp", true, 4294967297LL, true},
        {"negative part count", "negative.shp", false, 1, false},
        {"negative point count, by number", "negative.shp", true, 2, false},
        {"point count beyond the data", "damaged.shp", false, 4, false},
        {"missing file", "missing.shp", false, 1, true},
    };
    for (const Case& c : aCases) {
        SCOPED_TRACE(c.cWhat);
        oShape = std::make_unique<ShapeFile>(c.cFile, G(), c.cFile);
        ShapeFile& o = *oShape;
        o.ReadFileHeader();
        int32_t nAddress = 5, nType = 5, nParts = 77;
        Value aResult = Array{1};
        if (c.lById) {
            o.GetShapeFigCoordId(c.nKey, nAddress, nType, aResult);
        } else {
            o.GetShapeFigCoordRec(c.nKey, nAddress, nType, aResult);
        }
        EXPECT_EQ(nType, -1);
        EXPECT_EQ(nAddress, 0);
        EXPECT_TRUE(aResult.IsNil());
        if (!c.lBoxFails) {
            ASSERT_TRUE(o.LastFault().has_value());
            EXPECT_EQ(o.LastFault()->nEntry, static_cast<uint32_t>(c.nKey)) << "the numbers equal the positions";
            EXPECT_NE(o.LastFault()->cWhat.find("damaged record"), std::string::npos) << o.LastFault()->cWhat;
            continue;
        }
        nAddress = nType = 5;
        aResult = Array{1};
        if (c.lById) {
            o.GetShapeFigBoxId(c.nKey, nAddress, nType, aResult, nParts);
        } else {
            o.GetShapeFigBoxRec(c.nKey, nAddress, nType, aResult, nParts);
        }
        EXPECT_EQ(nType, -1);
        EXPECT_EQ(nAddress, 0);
        EXPECT_TRUE(aResult.IsNil());
        EXPECT_EQ(nParts, 77);
    }
}

TEST_F(ShapeCanvasTest, QueryOfAFileShortenedAfterIndexing)
{
    MakeCanvas(20, 20);
    ASSERT_TRUE(CopyFileA("squares.shp", "shortened.shp", FALSE));
    ShapeFile& o = Open("shortened.shp");
    int32_t nRecNo = 0, nType = 0, nParts = 0;
    Value aCoord;
    o.GetShapeFigBoxRec(6, nRecNo, nType, aCoord, nParts);
    ASSERT_EQ(nType, 5);
    // Another handle cuts the last record's data short.
    HANDLE h = CreateFileA("shortened.shp", GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_EXISTING,
                           0, nullptr);
    ASSERT_NE(h, INVALID_HANDLE_VALUE);
    LARGE_INTEGER nEnd;
    nEnd.QuadPart = o.RecIndex()[5].nDataPosition + 20;
    ASSERT_TRUE(SetFilePointerEx(h, nEnd, nullptr, FILE_BEGIN) && SetEndOfFile(h));
    CloseHandle(h);
    o.GetShapeFigCoordRec(6, nRecNo, nType, aCoord);
    EXPECT_EQ(nType, -1);
    EXPECT_EQ(nRecNo, 0);
    EXPECT_TRUE(aCoord.IsNil());
    ASSERT_TRUE(o.LastFault().has_value());
    EXPECT_EQ(o.LastFault()->nEntry, 6U);
    o.GetShapeFigCoordRec(5, nRecNo, nType, aCoord);
    EXPECT_EQ(nType, 5) << "the records before it still read";
}

TEST_F(ShapeCanvasTest, FileBoxAndRepeatedRecordNumbers)
{
    MakeCanvas(20, 20);
    ShapeFile& o = Open("duplicates.shp");
    o.SetShapeSelectBox(0, 0, 5, 5);
    uint32_t nCount = 0;
    Value aBox;
    o.GetShapeFileBox(nCount, aBox);
    EXPECT_EQ(nCount, 6U);
    EXPECT_EQ(BoxNumbers(aBox), (Flat{0, 0, 100, 10})) << "the header box, not the selection box";
    int32_t nEntry = 0, nType = 0, nParts = 0, nRecNo = 0;
    Value aCoord;
    o.GetShapeFigCoordId(2, nEntry, nType, aCoord);
    EXPECT_EQ(nEntry, 2);
    o.GetShapeFigBoxId(2, nEntry, nType, aBox, nParts);
    EXPECT_EQ(nEntry, 2);
    EXPECT_EQ(BoxNumbers(aBox), (Flat{20, 0, 30, 10}));
    o.GetShapeFigBoxRec(4, nRecNo, nType, aBox, nParts);
    EXPECT_EQ(nRecNo, 2);
}
