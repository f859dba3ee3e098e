// The painter's shapefile operations and its registry of open files: names,
// reopening, closing, refused files, when the registry is created, the
// shortcut that paints a path, and the closing of every file when the
// painter is destroyed.
#include <gtest/gtest.h>
#include <windows.h>

#include <string>
#include <vector>

#include "graphics/shapefile/shapefile_fixture.h"
#include "graphics/shapefile/shapehandle.h"
#include "graphics/windows/gkitwindow.h"
#include "platform/framework/app.h"

namespace {

const ShapeHandle* HandleOf(const Graphics& g)
{
    return static_cast<const ShapeHandle*>(PainterTestAccess::ShapeHandle(g));
}

std::vector<std::string> NamesOf(const Graphics& g)
{
    return HandleOf(g) != nullptr ? HandleOf(g)->Names() : std::vector<std::string>{};
}

// The entry count the file box query gives under a name; -1 when the name
// gives nothing.
int64_t CountOf(Graphics& g, const std::string& cName)
{
    uint32_t nCount = 12345;
    Value aBox;
    g.GetShapeFileBox(cName, nCount, aBox);
    return nCount == 12345 ? int64_t{-1} : int64_t{nCount};
}

}  // namespace

TEST_F(ShapeCanvasTest, NamesReopeningAndClosing)
{
    MakeCanvas(101, 11);
    using Names = std::vector<std::string>;
    const struct Step {
        const char* cWhat;
        bool lClose;
        const char* cName;
        const char* cFile;
        Names aNames;         // registered afterwards
        const char* cLookup;  // a name to query afterwards
        int64_t nCount;       // its entry count, -1 for none
        bool lCurrent;        // a current file afterwards
    } aSteps[] = {
        {"open Roads", false, "Roads", "squares.shp", {"ROADS"}, "roads", 6, true},
        {"ROADS is the same name and keeps its file", false, "ROADS", "point.shp", {"ROADS"}, "Roads", 6, true},
        {"a leading blank makes another name, not another path",
         false,
         " Roads",
         "  polygon.shp ",
         {"ROADS", " ROADS"},
         " roads",
         3,
         true},
        {"a missing file is not registered", false, "gone", "missing.shp", {"ROADS", " ROADS"}, "gone", -1, false},
        {"a refused header is not registered", false, "bad", "shx_code.shx", {"ROADS", " ROADS"}, "bad", -1, false},
        {"closing the first keeps the second", true, "roads", "", {" ROADS"}, " Roads", 3, false},
        {"a closed name gives nothing", true, "roads", "", {" ROADS"}, "Roads", -1, false},
    };
    for (const Step& s : aSteps) {
        SCOPED_TRACE(s.cWhat);
        if (s.lClose) {
            G().SetShapeFileClose(s.cName);
        } else {
            G().SetShapeFileObject(s.cName, s.cFile);
        }
        EXPECT_EQ(NamesOf(G()), s.aNames);
        EXPECT_EQ(HandleOf(G())->Current() != nullptr, s.lCurrent);
        EXPECT_EQ(CountOf(G(), s.cLookup), s.nCount);
    }
    EXPECT_EQ(HandleOf(G())->Find(" ROADS")->FileName(), "polygon.shp");
    // An unregistered name gives shape type -1 and leaves the rest alone.
    int32_t nRecNo = 9, nType = 9, nParts = 9;
    Value aResult = Array{1};
    G().GetShapeFigCoordRec("gone", 1, nRecNo, nType, aResult);
    EXPECT_EQ(nType, -1);
    EXPECT_EQ(nRecNo, 9);
    nType = 9;
    G().GetShapeFigBoxId("gone", 1, nRecNo, nType, aResult, nParts);
    EXPECT_EQ(nType, -1);
    EXPECT_EQ(nParts, 9);
    // The file left open is still paintable.
    G().SetShapeColorNormal(" ROADS").PaintShapeFigures(" ROADS");
    EXPECT_GT(oDevice->nDraws, 0);
}

TEST_F(ShapeCanvasTest, OnlyTheCreatingOperationsMakeARegistry)
{
    MakeCanvas(20, 20);
    G().PaintShapeFigures("x")
        .SetShapeFileClose("x")
        .SetShapeUnselectBox("x")
        .SetShapeUnselectArea("x")
        .SetShapeExtractRec("x", Array{1})
        .SetShapeUnextractRec("x");
    EXPECT_EQ(HandleOf(G()), nullptr);
    G().SetShapeColorRandom("x");
    ASSERT_NE(HandleOf(G()), nullptr);
    EXPECT_TRUE(HandleOf(G())->Names().empty());
    EXPECT_EQ(oDevice->nDraws, 0);
}

TEST_F(ShapeCanvasTest, ExtractionListThatIsNoArrayIsEmpty)
{
    MakeCanvas(101, 11);
    G().SetShapeFileObject("sq", "squares.shp").SetShapeColorNormal("sq");
    G().SetShapeExtractRec("sq", Value("1,2")).PaintShapeFigures("sq");
    EXPECT_EQ(Count(kBlue), 0) << "nothing extracted";
    G().SetShapeExtractRec("sq", Value(3.0), true).PaintShapeFigures("sq");
    EXPECT_GT(Count(kBlue), 0) << "inverted: everything";
}

TEST_F(ShapeCanvasTest, PaintShapeCanvasKeepsItsRandomColours)
{
    MakeCanvas(101, 11);
    G().PaintShapeCanvas("squares.shp", true);
    EXPECT_EQ(NamesOf(G()), std::vector<std::string>{"SQUARES.SHP"});
    std::vector<COLORREF> aFirst;
    for (int x : {5, 25, 45, 65, 85, 95}) aFirst.push_back(Pixel(x, 5));
    EXPECT_NE(aFirst[0], kWhite) << "filled";
    EXPECT_NE(aFirst[0], kBlue) << "not the painter's fill colour";
    Clear();
    G().PaintShapeCanvas("squares.shp", true);
    std::vector<COLORREF> aSecond;
    for (int x : {5, 25, 45, 65, 85, 95}) aSecond.push_back(Pixel(x, 5));
    EXPECT_EQ(aSecond, aFirst);
    // Without random colours: outlines only.
    Clear();
    G().PaintShapeCanvas("squares.shp");
    EXPECT_EQ(Pixel(5, 5), kWhite);
    EXPECT_GT(Count(kRed), 0);
}

TEST_F(ShapeCanvasTest, DestroyingThePainterClosesEveryFile)
{
    MakeCanvas(20, 20);
    const char* aFiles[] = {"closing1.shp", "closing2.shp"};
    ASSERT_TRUE(CopyFileA("squares.shp", aFiles[0], FALSE));
    ASSERT_TRUE(CopyFileA("polygon.shp", aFiles[1], FALSE));
    G().SetShapeFileObject("one", aFiles[0]).SetShapeFileObject("two", aFiles[1]);
    ASSERT_EQ(NamesOf(G()).size(), 2U);
    for (const char* cFile : aFiles) EXPECT_FALSE(DeleteFileA(cFile)) << cFile << " is open";
    G().Destroy();
    EXPECT_EQ(PainterTestAccess::ShapeHandle(G()), nullptr);
    for (const char* cFile : aFiles) EXPECT_TRUE(DeleteFileA(cFile)) << cFile;
}

TEST(ShapeFileWindow, PaintShapeCanvasComesBackOnExpose)
{
    gTopAppWindow oWindow;
    oWindow.SetSize({300, 240});
    oWindow.Show();
    UpdateWindow(oWindow.Handle());
    ApplicationExec();
    Graphics& g = *oWindow._oGraphics;
    g.SetLineColor(ColorArg::Rgb(200, 0, 0));
    g.PaintShapeCanvas("squares.shp");
    // Spoil the window behind the painter's back, then expose it.
    RECT r;
    GetClientRect(oWindow.Handle(), &r);
    HDC hDC = GetDC(oWindow.Handle());
    FillRect(hDC, &r, static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH)));
    ReleaseDC(oWindow.Handle(), hDC);
    InvalidateRect(oWindow.Handle(), nullptr, FALSE);
    UpdateWindow(oWindow.Handle());
    ApplicationExec();
    const PainterState& s = g.State();
    hDC = GetDC(oWindow.Handle());
    SetUpwardMapping(hDC, s._oDim.cx, s._oDim.cy, oWindow.OwnToolBarHeight());
    int nDiffer = 0, nOutline = 0;
    for (int y = 0; y < s._oDim.cy; y += 3) {
        for (int x = 0; x < s._oDim.cx; x += 3)
            nDiffer += GetPixel(hDC, x, y) != GetPixel(s._oRefreshCanvas.DC(), x, y);
    }
    // The squares' sides cross the middle row.
    for (int x = 0; x < s._oDim.cx; ++x) nOutline += GetPixel(hDC, x, s._oDim.cy / 2) == RGB(200, 0, 0);
    ReleaseDC(oWindow.Handle(), hDC);
    EXPECT_EQ(nDiffer, 0);
    EXPECT_GE(nOutline, 10);
    oWindow.Destroy();
}
