// A map on the other devices: on a screen window under the test display the
// window and its refresh bitmap get the same pixels, the wait pointer shows
// while the map draws and the window's own is back after the paint; a
// metafile records one polygon call per record; and a large map painted
// twice leaks no GDI object.
#include <gtest/gtest.h>
#include <windows.h>

#include <memory>

#include "graphics/shapefile/shapefile.h"
#include "graphics/windows/genhmetafile.h"
#include "graphics/windows/gmemory.h"
#include "graphics/windows/gkitwindow.h"
#include "platform/framework/app.h"

namespace {

// A window whose full repaint paints the map, if it has one.
class MapWindow : public gTopAppWindow {
public:
    void Paint() override
    {
        if (oMap) lPainted = oMap->PaintShapeFigures();
    }
    // Notes the pointer shown while the map draws.
    void Draw(objectShape& oShape) override
    {
        hPointerWhileDrawing = GetPointer().Handle();
        gTopAppWindow::Draw(oShape);
    }
    std::unique_ptr<ShapeFile> oMap;
    bool lPainted = false;
    HCURSOR hPointerWhileDrawing = nullptr;
};

// Counts a metafile's polygon records into int[0] and its polypolygon
// records into int[1].
int CALLBACK CountPolygonCalls(HDC, HANDLETABLE*, const ENHMETARECORD* r, int, LPARAM p)
{
    int* a = reinterpret_cast<int*>(p);
    a[0] += r->iType == EMR_POLYGON || r->iType == EMR_POLYGON16;
    a[1] += r->iType == EMR_POLYPOLYGON || r->iType == EMR_POLYPOLYGON16;
    return 1;
}

}  // namespace

TEST(ShapeFileDevices, WindowAndRefreshBitmapAlikePointerBack)
{
    MapWindow oWindow;
    oWindow.SetSize({300, 240});
    oWindow.Show();
    const Pointer oCross = Pointer::System(IDC_CROSS);
    oWindow.SetPointer(oCross);
    Graphics& g = *oWindow._oGraphics;
    g.SetLineColor(ColorArg::Rgb(200, 0, 0)).SetFillColor(ColorArg::Rgb(0, 0, 200)).SetFillHatch(2);
    oWindow.oMap = std::make_unique<ShapeFile>("MAP", g, "polygon.shp");
    ASSERT_TRUE(oWindow.oMap->ReadFileHeader());
    oWindow.oMap->SetShapeColorNormal();
    for (int nPaint = 0; nPaint < 2; ++nPaint) {  // indexing, then from the index
        SCOPED_TRACE(nPaint);
        oWindow.lPainted = false;
        oWindow.PaintNew();
        UpdateWindow(oWindow.Handle());
        ApplicationExec();
        EXPECT_TRUE(oWindow.lPainted);
        EXPECT_EQ(oWindow.hPointerWhileDrawing, LoadCursorA(nullptr, IDC_WAIT));
        EXPECT_EQ(oWindow.GetPointer().Handle(), oCross.Handle());
        // Sample the canvas on a grid in both DCs, in painter coordinates.
        const PainterState& s = g.State();
        HDC hWindow = GetDC(oWindow.Handle());
        SetUpwardMapping(hWindow, s._oDim.cx, s._oDim.cy, oWindow.OwnToolBarHeight());
        int nDiffer = 0, nMap = 0;
        for (int y = 0; y < s._oDim.cy; y += 3) {
            for (int x = 0; x < s._oDim.cx; x += 3) {
                const COLORREF c = GetPixel(hWindow, x, y);
                nDiffer += c != GetPixel(s._oRefreshCanvas.DC(), x, y);
                nMap += c == RGB(200, 0, 0) || c == RGB(0, 0, 200);
            }
        }
        ReleaseDC(oWindow.Handle(), hWindow);
        EXPECT_EQ(nDiffer, 0);
        EXPECT_GT(nMap, 100);
    }
    oWindow.oMap.reset();
    oWindow.Destroy();
}

TEST(ShapeFileDevices, MetafileRecordsOnePolygonCallPerRecord)
{
    // polygon.shp: a polygon with a hole (PolyPolygon) and two squares.
    {
        gEnhMetaFile oMeta("map.emf", {}, {}, "Map");
        ShapeFile oMap("MAP", *oMeta._oGraphics, "polygon.shp");
        ASSERT_TRUE(oMap.ReadFileHeader());
        EXPECT_TRUE(oMap.SetShapeColorNormal().PaintShapeFigures());
        oMeta.Destroy();
    }
    HENHMETAFILE hMeta = GetEnhMetaFileA("map.emf");
    ASSERT_NE(hMeta, nullptr);
    int aCalls[2] = {0, 0};
    EnumEnhMetaFile(nullptr, hMeta, CountPolygonCalls, aCalls, nullptr);
    DeleteEnhMetaFile(hMeta);
    EXPECT_EQ(aCalls[0], 2);
    EXPECT_EQ(aCalls[1], 1);
}

TEST(ShapeFileDevices, LargeMapPaintedTwiceLeaksNoGdiObject)
{
    // 100,000 polygons: each draw makes and deletes a pen and a brush; a leak
    // would exhaust Wine's handle table of about 65,000 objects.
    gMemory oMemory(2, 400, 250);
    Graphics& g = *oMemory._oGraphics;
    ShapeFile oMap("MANY", g, "many_polygons.shp");
    ASSERT_TRUE(oMap.ReadFileHeader());
    oMap.SetShapeColorRandom();
    EXPECT_TRUE(oMap.PaintShapeFigures());
    EXPECT_EQ(oMap.RecCount(), 100000U);
    EXPECT_TRUE(oMap.PaintShapeFigures());
    HPEN hPen = CreatePen(PS_SOLID, 1, RGB(1, 2, 3));
    EXPECT_NE(hPen, nullptr);
    DeleteObject(hPen);
    g.SetFillColor(ColorArg::Rgb(9, 8, 7)).SetFillHatch(32).PaintRectangle(0, 0, 5000, 5000, 1);
    EXPECT_EQ(GetPixel(oMemory.GetMemoryDC(), 200, 100), RGB(9, 8, 7));
}
