// Shapefile benchmark: a map of 100,000 polygons (two rings, 21 points each;
// bench/make_bench_shapefile.py writes it) painted through the painter's
// PaintShapeCanvas (outlines) on a 1000 x 1000 memory device and on a screen
// window (two passes: window and refresh bitmap): the open with the first
// paint (reading every record, indexing and drawing) and a repaint from the
// index, best of three. Beside them, for the floor, the same device points
// drawn with straight PolyPolygon calls on the same DCs, pen made once, no
// fill; the reading part of the floor is shapelib's, measured natively by
// shapelib_floor. Then the record queries: the geometry of every entry (its
// floor is the same shapelib read), and the box of every record number
// against the box of every entry.
// Usage: shapefile_bench.exe FILE.shp. Without a display the window part is
// skipped.
#include <windows.h>

#include <cstdio>
#include <memory>
#include <vector>

#include "bench/bench_window.h"
#include "bench/timing.h"
#include "graphics/core/graphics.h"
#include "graphics/objects/objectshape.h"
#include "graphics/shapefile/recorddecoder.h"
#include "graphics/shapefile/shapefile.h"
#include "graphics/windows/gmemory.h"
#include "platform/runtime/files.h"

namespace {

constexpr int kRuns = 3;

// Every record's device points and part counts on a w x h area, mapped as a
// paint maps the file box; read and decoded outside any timing.
struct DevicePolygons {
    std::vector<std::vector<POINT>> aPoints;
    std::vector<std::vector<INT>> aCounts;
};

DevicePolygons Prepare(const ShapeFile& oMap, const std::string& cFile, int32_t w, int32_t h)
{
    DevicePolygons o;
    HANDLE hFile = FOpen(cFile);
    const shapefile::Box b = oMap.FileBox();
    const double fx = (w - 1) / (b.xMax - b.xMin), fy = (h - 1) / (b.yMax - b.yMin);
    const int32_t nOffX = -objectShape::DevicePos(b.xMin, fx, 0), nOffY = -objectShape::DevicePos(b.yMin, fy, 0);
    shapefile::RecordDecoder d;
    std::vector<uint8_t> aData;
    for (uint32_t n = 0; n < oMap.RecCount(); ++n) {
        const ShapeIndexEntry& e = oMap.RecIndex()[n];
        aData.resize(e.nDataLength);
        FSeek(hFile, e.nDataPosition);
        FRead(hFile, aData.data(), e.nDataLength);
        if (!d.Decode(e.nShapeType, aData.data(), aData.size())) continue;
        std::vector<POINT> aPoints;
        std::vector<INT> aCounts;
        for (const shapefile::RecordPart& p : d.Parts()) {
            for (int32_t i = p.nFirst; i < p.nFirst + p.nCount; ++i) {
                aPoints.push_back(
                    {objectShape::DevicePos(d.X(i), fx, nOffX), objectShape::DevicePos(d.Y(i), fy, nOffY)});
            }
            aCounts.push_back(p.nCount);
        }
        o.aPoints.push_back(std::move(aPoints));
        o.aCounts.push_back(std::move(aCounts));
    }
    FClose(hFile);
    return o;
}

// The floor's drawing: one PolyPolygon per record on each DC, pen made
// once, outlines only.
void StraightPolygons(const std::vector<HDC>& aDCs, const DevicePolygons& o)
{
    HPEN hPen = CreatePen(PS_SOLID, 1, RGB(0, 0, 0));
    HGDIOBJ hBrush = GetStockObject(NULL_BRUSH);
    for (HDC hDC : aDCs) {
        HGDIOBJ hOldPen = SelectObject(hDC, hPen), hOldBrush = SelectObject(hDC, hBrush);
        for (size_t i = 0; i < o.aPoints.size(); ++i) {
            PolyPolygon(hDC, o.aPoints[i].data(), o.aCounts[i].data(), static_cast<int>(o.aCounts[i].size()));
        }
        SelectObject(hDC, hOldPen);
        SelectObject(hDC, hOldBrush);
    }
    DeleteObject(hPen);
}

// Open with first paint and repaint through the painter, then the straight
// drawing on the DCs; prints milliseconds.
void Measure(const char* cDevice, Graphics& g, const std::vector<HDC>& aDCs, const std::string& cFile)
{
    g.SetLineColor(16);
    const double fFirst = BestMilliseconds(kRuns, [&] {
        g.SetShapeFileClose(cFile).PaintShapeCanvas(cFile);
        return true;
    });
    const double fRepaint = BestMilliseconds(kRuns, [&] {
        g.PaintShapeFigures(cFile);
        return true;
    });
    uint32_t nCount = 0;
    Value aBox;
    g.GetShapeFileBox(cFile, nCount, aBox);
    ShapeFile oMap("BENCH", g, cFile);
    oMap.ReadFileHeader();
    oMap.RunShapeFirst(false);
    const DevicePolygons oPolygons = Prepare(oMap, cFile, g.GetDeviceWidth(), g.GetDeviceHeight());
    const double fStraight = BestMilliseconds(kRuns, [&] { StraightPolygons(aDCs, oPolygons); });
    g.SetShapeFileClose(cFile);
    std::printf("%s: %u records\n", cDevice, nCount);
    std::printf("  open and first paint   %8.1f ms\n", fFirst);
    std::printf("  repaint from the index %8.1f ms\n", fRepaint);
    std::printf("  straight PolyPolygon   %8.1f ms (drawing part of the floor)\n", fStraight);
}

// The queries on an indexed file: the geometry of every entry, and the box
// of every record number against the box of every entry.
void MeasureQueries(Graphics& g, const std::string& cFile)
{
    uint32_t nCount = 0;
    Value aResult;
    g.SetShapeFileObject("Q", cFile).GetShapeFileBox("Q", nCount, aResult);
    int32_t nAddress = 0, nType = 0, nParts = 0;
    const auto All = [&](auto fQuery) {
        return BestMilliseconds(kRuns, [&] {
            bool lOk = true;
            for (uint32_t n = 1; n <= nCount; ++n) {
                fQuery(n);
                lOk = lOk && nType > 0;
            }
            return lOk;
        });
    };
    const double fCoord = All([&](uint32_t n) { g.GetShapeFigCoordRec("Q", n, nAddress, nType, aResult); });
    const double fBoxRec = All([&](uint32_t n) { g.GetShapeFigBoxRec("Q", n, nAddress, nType, aResult, nParts); });
    // The record numbers pyshp wrote are 1 to the record count.
    const double fBoxId = All([&](uint32_t n) { g.GetShapeFigBoxId("Q", n, nAddress, nType, aResult, nParts); });
    g.SetShapeFileClose("Q");
    std::printf("queries: %u records\n", nCount);
    std::printf("  geometry of every entry    %8.1f ms (floor: shapelib's read of every record)\n", fCoord);
    std::printf("  box of every entry         %8.1f ms\n", fBoxRec);
    std::printf("  box of every record number %8.1f ms\n", fBoxId);
}

}  // namespace

int main(int argc, char** argv)
{
    if (argc < 2) {
        std::printf("usage: shapefile_bench FILE.shp\n");
        return 2;
    }
    const std::string cFile = argv[1];
    {
        gMemory oMemory(2, 1000, 1000);
        Measure("memory device 1000 x 1000", *oMemory._oGraphics, {oMemory.GetMemoryDC()}, cFile);
        MeasureQueries(*oMemory._oGraphics, cFile);
    }
    const std::unique_ptr<gTopAppWindow> oWindow = ShownBenchWindow();
    if (!oWindow) return 0;
    Graphics& g = *oWindow->_oGraphics;
    const SIZE s = oWindow->CanvasSize();
    HDC hWindow = GetDC(oWindow->Handle());
    SetUpwardMapping(hWindow, s.cx, s.cy, 0);
    char cName[64];
    std::snprintf(cName, sizeof cName, "screen window %ld x %ld", s.cx, s.cy);
    Measure(cName, g, {hWindow, g.State()._oRefreshCanvas.DC()}, cFile);
    ReleaseDC(oWindow->Handle(), hWindow);
    return 0;
}
