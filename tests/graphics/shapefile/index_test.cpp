// The record index of the first pass against what pyshp's reader saw, with
// and without the index file; damaged files; an index file read only as far
// as the main file reaches; and an index without a cap.
#include <gtest/gtest.h>
#include <windows.h>

#include <optional>
#include <string>
#include <vector>

#include "platform/runtime/memory.h"
#include "graphics/shapefile/shapefile_fixture.h"
#include "peak_memory.h"

namespace {

void ExpectIndex(const ShapeFile& oFile, const std::vector<ExpectedEntry>& aExpected)
{
    ASSERT_EQ(oFile.RecCount(), aExpected.size());
    for (size_t i = 0; i < aExpected.size(); ++i) {
        SCOPED_TRACE("entry " + std::to_string(i + 1));
        const ShapeIndexEntry& e = oFile.RecIndex()[i];
        const ExpectedEntry& x = aExpected[i];
        EXPECT_EQ(e.nRecordNumber, x.nRecordNumber);
        EXPECT_EQ(e.nShapeType, x.nShapeType);
        EXPECT_EQ(e.nDataPosition, x.nDataPosition);
        EXPECT_EQ(e.nDataLength, x.nDataLength);
        EXPECT_EQ(e.fXMin, x.aBox[0]);
        EXPECT_EQ(e.fYMin, x.aBox[1]);
        EXPECT_EQ(e.fXMax, x.aBox[2]);
        EXPECT_EQ(e.fYMax, x.aBox[3]);
        EXPECT_EQ(e.nPartCount, x.nPartCount);
        EXPECT_EQ(e.nColor, 0xFFFFFFFFU);
    }
}

}  // namespace

TEST_F(ShapeCanvasTest, IndexHoldsWhatPyshpReads)
{
    MakeCanvas(50, 50);
    const char* aNames[] = {"point",       "pointz",   "pointm",    "multipoint", "multipointz",
                            "multipointm", "polyline", "polylinez", "polylinem",  "polygon",
                            "polygonz",    "polygonm", "nulls",     "multipatch", "squares"};
    for (const std::string cName : aNames) {
        SCOPED_TRACE(cName);
        ShapeFile& o = Open(cName + ".shp");
        ASSERT_TRUE(o.RunShapeFirst(false));
        ExpectIndex(o, ReadExpected(cName));
        EXPECT_FALSE(o.LastFault().has_value());
        EXPECT_EQ(oDevice->nDraws, 0);
    }
    // Without the index file the records are found by walking the main file.
    for (const std::string cName : {"point", "multipoint", "polyline", "polygon", "nulls", "multipatch"}) {
        SCOPED_TRACE(cName + " without .shx");
        ShapeFile& o = Open(cName + "_noshx.shp");
        ASSERT_TRUE(o.RunShapeFirst(false));
        ExpectIndex(o, ReadExpected(cName));
    }
}

TEST_F(ShapeCanvasTest, DamagedFiles)
{
    // The squares file's six records: squares of 10 x 10 at x = 0, 20, 40,
    // 60, 80 and 90 (y 0 to 10); on a 101 x 11 device square k has its
    // centre at column x + 5, row 5.
    const int aCentres[] = {5, 25, 45, 65, 85, 95};
    const struct {
        const char* cFile;
        bool lResult;
        uint32_t nEntries;    // kept after the pass
        const char* cReason;  // in the fault, "" for none
        uint32_t nFaultEntry;
        std::string cDrawn;  // squares drawn, by position
    } aCases[] = {
        {"cut_inside.shp", false, 0, "short content read", 3, "110000"},
        {"cut_boundary.shp", true, 2, "shorter than its header", 3, "110000"},
        {"header_short.shp", false, 0, "does not fit the file length", 6, "111110"},
        {"damaged.shp", true, 6, "part count 2147483647", 5, "100001"},
        {"negative.shp", true, 4, "shorter than the 44 bytes", 3, "000100"},
        {"shx_header.shp", false, 0, "points into the main file's header", 2, "100000"},
        {"shx_code.shp", true, 6, "", 0, "111111"},
        {"shx_length.shp", true, 6, "need more than the 76 bytes", 2, "101111"},
        {"empty.shp", true, 0, "", 0, "000000"},
    };
    const auto drawn = [&] {
        std::string cDrawn;
        for (int x : aCentres) cDrawn += Pixel(x, 5) == kBlue ? '1' : '0';
        return cDrawn;
    };
    for (const auto& c : aCases) {
        SCOPED_TRACE(c.cFile);
        MakeCanvas(101, 11);
        ShapeFile& o = Open(c.cFile);
        o.SetShapeColorNormal();
        EXPECT_EQ(o.PaintShapeFigures(), c.lResult);
        EXPECT_EQ(o.RecCount(), c.nEntries);
        EXPECT_EQ(o.RecIndex() != nullptr, c.nEntries > 0);
        if (*c.cReason == 0) {
            EXPECT_FALSE(o.LastFault().has_value()) << o.LastFault()->cWhat;
        } else {
            ASSERT_TRUE(o.LastFault().has_value());
            EXPECT_NE(o.LastFault()->cWhat.find(c.cReason), std::string::npos) << o.LastFault()->cWhat;
            EXPECT_EQ(o.LastFault()->nEntry, c.nFaultEntry);
        }
        EXPECT_EQ(drawn(), c.cDrawn);

        // Every later paint (an expose, a resize) shows the same squares; a
        // failed pass gives its fault again.
        const std::optional<ShapeFileFault> oFirst = o.LastFault();
        for (int nPaint = 2; nPaint <= 3; ++nPaint) {
            SCOPED_TRACE("paint " + std::to_string(nPaint));
            Clear();
            EXPECT_EQ(o.PaintShapeFigures(), c.lResult);
            EXPECT_EQ(o.RecCount(), c.nEntries);
            EXPECT_EQ(drawn(), c.cDrawn);
            if (c.lResult) continue;
            ASSERT_TRUE(o.LastFault().has_value());
            EXPECT_EQ(o.LastFault()->cWhat, oFirst->cWhat);
            EXPECT_EQ(o.LastFault()->nEntry, oFirst->nEntry);
            EXPECT_EQ(o.LastFault()->nOffset, oFirst->nOffset);
        }
    }
}

TEST_F(ShapeCanvasTest, DamagedRecordsKeepTheirPositions)
{
    MakeCanvas(101, 11);
    ShapeFile& o = Open("damaged.shp");
    ASSERT_TRUE(o.RunShapeFirst(false));
    const ShapeIndexEntry* e = o.RecIndex();
    // Record 2 has no content: an entry of zeros; record 3 is of type 99: type
    // 0 with its record number; 4 and 5 are indexed but never drawn.
    EXPECT_EQ(e[1].nRecordNumber, 0);
    EXPECT_EQ(e[1].nColor, 0U);
    EXPECT_EQ(e[2].nRecordNumber, 3);
    EXPECT_EQ(e[2].nShapeType, 0);
    EXPECT_EQ(e[2].nColor, 0xFFFFFFFFU);
    EXPECT_EQ(e[3].nShapeType, 5);
    EXPECT_EQ(e[5].nRecordNumber, 6);

    // An index-file length that fits is used; one that does not, the
    // header's; a wrong index file code is a missing index file.
    const std::vector<ExpectedEntry> x = ReadExpected("squares");
    ShapeFile& l = Open("shx_length.shp");
    ASSERT_TRUE(l.RunShapeFirst(false));
    EXPECT_EQ(l.RecIndex()[1].nDataLength, x[1].nDataLength - 16);
    EXPECT_EQ(l.RecIndex()[2].nDataLength, x[2].nDataLength);
    ShapeFile& c = Open("shx_code.shp");
    ASSERT_TRUE(c.RunShapeFirst(false));
    ExpectIndex(c, x);
}

// An index file far longer than the main file's records need is read only as
// far as they could reach: the squares' index padded with zeros to 1.6 GB
// fails at its seventh entry without the rest being read or held. While
// neither file changes, every later paint draws the six squares again and
// fails the same way, without walking the file again (which, with the index
// file locked, would walk the main file alone and succeed); a new time of
// the index file has it walked again.
TEST_F(ShapeCanvasTest, APaddedIndexFileFailsAtOnceAndOnlyOnce)
{
    MakeCanvas(101, 11);
    ShapeFile& o = Open("shx_padded.shp");
    o.SetShapeColorNormal();
    const SIZE_T nPeak = PeakMemory();
    ASSERT_GT(nPeak, 0U);
    EXPECT_FALSE(o.PaintShapeFigures());
    EXPECT_LT(PeakMemory() - nPeak, SIZE_T{64} << 20) << "the padding is not read";
    ASSERT_TRUE(o.LastFault().has_value());
    const ShapeFileFault oFault = *o.LastFault();
    EXPECT_NE(oFault.cWhat.find("points into the main file's header"), std::string::npos) << oFault.cWhat;
    EXPECT_EQ(oFault.nEntry, 7U);
    EXPECT_EQ(oDevice->nDraws, 6);
    EXPECT_EQ(o.RecCount(), 0U);

    const auto pixels = [&] {
        std::vector<COLORREF> a;
        for (int y = 0; y < 11; ++y)
            for (int x = 0; x < 101; ++x) a.push_back(Pixel(x, y));
        return a;
    };
    const std::vector<COLORREF> aFirst = pixels();
    ASSERT_GT(Count(kBlue), 0);

    HANDLE hLock = CreateFileA("shx_padded.shx", GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr);
    ASSERT_NE(hLock, INVALID_HANDLE_VALUE);
    for (int nPaint = 2; nPaint <= 3; ++nPaint) {
        SCOPED_TRACE("paint " + std::to_string(nPaint));
        Clear();
        EXPECT_FALSE(o.PaintShapeFigures());
        EXPECT_EQ(oDevice->nDraws, 6);
        EXPECT_TRUE(pixels() == aFirst) << "the paint differs from the first";
        EXPECT_EQ(o.RecCount(), 0U) << "not walked again";
        ASSERT_TRUE(o.LastFault().has_value());
        EXPECT_EQ(o.LastFault()->cWhat, oFault.cWhat);
        EXPECT_EQ(o.LastFault()->nEntry, oFault.nEntry);
    }
    CloseHandle(hLock);

    HANDLE hIndex = CreateFileA("shx_padded.shx", FILE_WRITE_ATTRIBUTES, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                                OPEN_EXISTING, 0, nullptr);
    ASSERT_NE(hIndex, INVALID_HANDLE_VALUE);
    FILETIME oTime{};
    GetSystemTimeAsFileTime(&oTime);
    EXPECT_TRUE(SetFileTime(hIndex, nullptr, nullptr, &oTime));
    CloseHandle(hIndex);
    Clear();
    EXPECT_FALSE(o.PaintShapeFigures());
    EXPECT_EQ(oDevice->nDraws, 6) << "a changed index file is walked again";
}

TEST_F(ShapeCanvasTest, LargeIndexHasNoCap)
{
    MakeCanvas(100, 100);
    ShapeFile& o = Open("many_points.shp");
    ASSERT_TRUE(o.RunShapeFirst(false));
    ASSERT_EQ(o.RecCount(), 150000U);
    const ShapeIndexEntry& e = o.RecIndex()[149999];
    EXPECT_EQ(e.nRecordNumber, 150000);
    EXPECT_EQ(e.fXMin, 999.0);
    EXPECT_EQ(e.fYMax, 149.0);

    // The index cannot grow: the pass fails and keeps nothing.
    ShapeFile& f = Open("many_points.shp");
    MemFailNext();
    EXPECT_FALSE(f.RunShapeFirst(false));
    EXPECT_EQ(f.RecCount(), 0U);
    EXPECT_EQ(f.RecIndex(), nullptr);
    ASSERT_TRUE(f.LastFault().has_value());
    EXPECT_NE(f.LastFault()->cWhat.find("out of memory"), std::string::npos);
    EXPECT_TRUE(f.RunShapeFirst(false));
    EXPECT_EQ(f.RecCount(), 150000U);
}
