// The byte layout: the big-endian conversion, the header rule, and the
// bounded decoder, which never reads outside a record's data however its
// counts lie.
#include <gtest/gtest.h>
#include <windows.h>

#include <cmath>
#include <cstring>
#include <limits>
#include <sstream>
#include <string>
#include <vector>

#include "graphics/shapefile/recorddecoder.h"
#include "graphics/shapefile/shapeformat.h"
#include "graphics/shapefile/shapefile_fixture.h"

using namespace shapefile;

namespace {

std::string Bytes(std::initializer_list<int> a)
{
    std::string s;
    for (int b : a) s += static_cast<char>(b);
    return s;
}

void PutBig(std::vector<uint8_t>& a, size_t at, uint32_t n)
{
    for (int i = 0; i < 4; ++i) a[at + i] = static_cast<uint8_t>(n >> (24 - 8 * i));
}
template <typename T>
void PutLittle(std::vector<uint8_t>& a, size_t at, T v)
{
    if (a.size() < at + sizeof v) a.resize(at + sizeof v);
    std::memcpy(a.data() + at, &v, sizeof v);
}

}  // namespace

TEST(ShapeFormat, BigEndianConversion)
{
    const struct {
        std::string cBytes;
        int32_t nExpected;
    } aCases[] = {
        {Bytes({0x00, 0x00, 0x27, 0x0A}), 9994},
        {Bytes({0xFF, 0xFF, 0xFF, 0xFF}), -1},
        {Bytes({0x80, 0x00, 0x00, 0x00}), std::numeric_limits<int32_t>::min()},
        {Bytes({0x7F, 0xFF, 0xFF, 0xFF, 0x01}), std::numeric_limits<int32_t>::max()},
        {Bytes({0x0A, 0x27, 0x00, 0x00}), 170328064},
        {Bytes({0x01, 0x02, 0x03}), 0},
    };
    for (const auto& c : aCases) EXPECT_EQ(GChBigEndToL(c.cBytes), c.nExpected) << c.nExpected;
}

TEST(ShapeFormat, HeaderRule)
{
    const double kNaN = std::numeric_limits<double>::quiet_NaN(), kInf = std::numeric_limits<double>::infinity();
    const struct {
        const char* cCase;
        size_t nSize;
        uint32_t nCode;
        double aBox[4];
        bool lAccepted;
    } aCases[] = {
        {"valid, no records", 100, 9994, {0, 0, 10, 5}, true},
        {"99 bytes", 99, 9994, {0, 0, 10, 5}, false},
        {"file code little-endian", 100, 0x0A270000, {0, 0, 10, 5}, false},
        {"points on a vertical line", 100, 9994, {3, 0, 3, 5}, false},
        {"points on a horizontal line", 100, 9994, {0, 2, 10, 2}, false},
        {"inverted box", 100, 9994, {10, 0, 0, 5}, false},
        {"NaN", 100, 9994, {kNaN, 0, 10, 5}, false},
        {"infinite Ymax", 100, 9994, {0, 0, 10, kInf}, false},
        {"infinite Xmin", 100, 9994, {-kInf, 0, 10, 5}, false},
    };
    for (const auto& c : aCases) {
        SCOPED_TRACE(c.cCase);
        std::vector<uint8_t> a(100, 0xAB);  // version, Z and M ranges hold anything
        PutBig(a, 0, c.nCode);
        PutBig(a, 24, 0x80000000);  // a word count read unsigned
        PutLittle<int32_t>(a, 32, 15);
        for (int i = 0; i < 4; ++i) PutLittle(a, 36 + 8 * i, c.aBox[i]);
        a.resize(c.nSize);
        const std::string cFile = "header.shp";
        HANDLE h = CreateFileA(cFile.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
        DWORD n;
        WriteFile(h, a.data(), static_cast<DWORD>(a.size()), &n, nullptr);
        CloseHandle(h);
        TestDevice oDevice(kDeviceMemory, 10, 10);
        Graphics g(oDevice);
        ShapeFile oFile("HEADER", g, cFile);
        EXPECT_EQ(oFile.ReadFileHeader(), c.lAccepted);
        if (c.nCode == 9994 && c.nSize == 100) {
            EXPECT_EQ(oFile.FileLength(), uint64_t{1} << 32);
            EXPECT_EQ(oFile.ShapeType(), 15);
        }
    }
    TestDevice oDevice(kDeviceMemory, 10, 10);
    Graphics g(oDevice);
    EXPECT_FALSE(ShapeFile("MISSING", g, "no such file.shp").ReadFileHeader());
}

// Record data placed at the very end of a committed page that is followed by
// a page without access: any read past the data faults the test.
class GuardedData {
public:
    GuardedData()
    {
        SYSTEM_INFO si;
        GetSystemInfo(&si);
        nPage_ = si.dwPageSize;
        pBase_ = static_cast<uint8_t*>(VirtualAlloc(nullptr, 2 * nPage_, MEM_RESERVE | MEM_COMMIT, PAGE_READWRITE));
        DWORD nOld;
        VirtualProtect(pBase_ + nPage_, nPage_, PAGE_NOACCESS, &nOld);
    }
    ~GuardedData() { VirtualFree(pBase_, 0, MEM_RELEASE); }
    const uint8_t* Place(const std::vector<uint8_t>& a)
    {
        uint8_t* p = pBase_ + nPage_ - a.size();
        std::memcpy(p, a.data(), a.size());
        return p;
    }

private:
    size_t nPage_;
    uint8_t* pBase_;
};

namespace {

// Polygon-like data: part count, point count, part starts, [part types],
// and nPointsStored points (i, 2i).
std::vector<uint8_t> PolyData(int32_t nParts, int32_t nPoints, std::vector<int32_t> aStarts,
                              std::vector<int32_t> aTypes, int nPointsStored)
{
    std::vector<uint8_t> a;
    PutLittle(a, 0, nParts);
    PutLittle(a, 4, nPoints);
    size_t at = 8;
    for (int32_t n : aStarts) PutLittle(a, (at += 4) - 4, n);
    for (int32_t n : aTypes) PutLittle(a, (at += 4) - 4, n);
    for (int i = 0; i < nPointsStored; ++i) {
        PutLittle(a, (at += 8) - 8, double(i));
        PutLittle(a, (at += 8) - 8, 2.0 * i);
    }
    a.resize(at);
    return a;
}

std::vector<uint8_t> MultiPointData(int32_t nCount, int nStored)
{
    std::vector<uint8_t> a;
    PutLittle(a, 0, nCount);
    for (int i = 0; i < nStored; ++i) {
        PutLittle(a, 4 + 16 * i, double(i));
        PutLittle(a, 12 + 16 * i, 1.0);
    }
    a.resize(4 + 16 * nStored);
    return a;
}

std::string PartsText(const RecordDecoder& d)
{
    std::ostringstream s;
    for (const RecordPart& p : d.Parts()) {
        if (s.tellp() > 0) s << ' ';
        s << p.nFirst << '+' << p.nCount;
        if (p.nType != 0) s << 't' << p.nType;
    }
    return s.str();
}

}  // namespace

TEST(ShapeFormat, DecoderReadsNothingOutsideTheData)
{
    const struct {
        const char* cCase;
        int32_t nBaseType;
        std::vector<uint8_t> aData;
        bool lOk;
        int32_t nPoints;
        std::string cParts;  // first+count per kept part
    } aCases[] = {
        {"point", kBasePoint, std::vector<uint8_t>(16, 0), true, 1, "0+1"},
        {"point one byte short", kBasePoint, std::vector<uint8_t>(15, 0), false, 0, ""},
        {"no data", kBasePolygon, {}, false, 0, ""},
        {"counts cut", kBasePolygon, std::vector<uint8_t>(7, 0), false, 0, ""},
        {"multipoint of 3", kBaseMultiPoint, MultiPointData(3, 3), true, 3, "0+3"},
        {"multipoint claims 4 of 3", kBaseMultiPoint, MultiPointData(4, 3), false, 0, ""},
        {"multipoint negative", kBaseMultiPoint, MultiPointData(-1, 0), false, 0, ""},
        {"polygon of two parts", kBasePolygon, PolyData(2, 9, {0, 5}, {}, 9), true, 9, "0+5 5+4"},
        {"1,000,000 points claimed for 5", kBasePolygon, PolyData(1, 1000000, {0}, {}, 5), false, 0, ""},
        {"part count 2^31 - 1", kBasePolyLine, PolyData(0x7FFFFFFF, 5, {0}, {}, 5), false, 0, ""},
        {"negative part count", kBasePolyLine, PolyData(-1, 5, {}, {}, 5), false, 0, ""},
        {"negative point count", kBasePolygon, PolyData(1, -5, {0}, {}, 5), false, 0, ""},
        {"decreasing starts", kBasePolygon, PolyData(2, 10, {5, 0}, {}, 10), true, 10, "0+10"},
        {"single part starting at 3", kBasePolygon, PolyData(1, 5, {3}, {}, 5), true, 5, "0+5"},
        {"single part starting past the points", kBasePolyLine, PolyData(1, 4, {9}, {}, 4), true, 4, "0+4"},
        {"start past the points", kBasePolygon, PolyData(2, 6, {0, 9}, {}, 6), true, 6, ""},
        {"negative start", kBasePolygon, PolyData(2, 6, {-3, 2}, {}, 6), true, 6, "2+4"},
        {"empty part", kBasePolygon, PolyData(3, 6, {0, 0, 3}, {}, 6), true, 6, "0+3 3+3"},
        {"no parts", kBasePolyLine, PolyData(0, 0, {}, {}, 0), true, 0, ""},
        {"multipatch types", kBaseMultiPatch, PolyData(2, 7, {0, 4}, {0, 3}, 7), true, 7, "0+4 4+3t3"},
        {"multipatch types cut", kBaseMultiPatch, PolyData(2, 7, {0, 4}, {0}, 7), false, 0, ""},
        {"null type", kBaseNone, std::vector<uint8_t>(40, 0), false, 0, ""},
    };
    GuardedData oGuard;
    for (const auto& c : aCases) {
        SCOPED_TRACE(c.cCase);
        const uint8_t* p = oGuard.Place(c.aData);
        RecordDecoder d;
        EXPECT_EQ(d.Decode(c.nBaseType, p, c.aData.size()), c.lOk) << d.Damage();
        EXPECT_EQ(d.Damage().empty(), c.lOk);
        EXPECT_EQ(d.PointCount(), c.nPoints);
        EXPECT_EQ(PartsText(d), c.cParts);
        // Every point it names can be read.
        for (int32_t i = 0; i < d.PointCount(); ++i) EXPECT_TRUE(std::isfinite(d.X(i) + d.Y(i)));
    }
}

TEST_F(ShapeCanvasTest, DamagedRecordDataDrawNothing)
{
    MakeCanvas(20, 20);
    Open("holes.shp");
    GuardedData oGuard;
    const std::vector<uint8_t> aData = PolyData(0x7FFFFFFF, 1000000, {0}, {}, 2);
    oShape->DrawPolygon(oGuard.Place(aData), aData.size());
    oShape->DrawMultiPatch(oGuard.Place(aData), aData.size());
    oShape->DrawPolyLine(oGuard.Place(aData), aData.size());
    EXPECT_EQ(oDevice->nDraws, 0);
    ASSERT_TRUE(oShape->LastFault().has_value());
    EXPECT_NE(oShape->LastFault()->cWhat.find("part count 2147483647"), std::string::npos)
        << oShape->LastFault()->cWhat;
}
