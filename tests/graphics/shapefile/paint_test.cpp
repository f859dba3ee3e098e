// Paints on a memory device: the mapping of the selection box onto the
// output area, what each base type draws, the fill styles, the colour modes,
// selection and extraction, and a painter left as it was found.
#include <gtest/gtest.h>

#include <functional>
#include <set>
#include <string>
#include <vector>

#include "graphics/core/colors.h"
#include "graphics/shapefile/shapefile_fixture.h"

TEST_F(ShapeCanvasTest, BoxFillsTheDeviceAndPointsArePixelsInTheLineColour)
{
    // point.shp: (12.5, 3), (100, 50), (0, 0), (75.25, 99.5); box 0..100 x 0..99.5.
    MakeCanvas(800, 600);
    ShapeFile& o = Open("point.shp");
    o.SetShapeColorNormal();  // filling on: points stay pixels in the line colour
    ASSERT_TRUE(o.PaintShapeFigures());
    EXPECT_EQ(Pixel(0, 0), kRed);      // Xmin, Ymin: column 0, row 0
    EXPECT_EQ(Pixel(799, 301), kRed);  // Xmax: the last column; 50 x 599 / 99.5 = 301.0
    EXPECT_EQ(Pixel(601, 599), kRed);  // Ymax: the last row; 75.25 x 7.99 = 601.2
    EXPECT_EQ(Pixel(100, 18), kRed);   // 12.5 x 7.99 = 99.9, 3 x 6.02 = 18.06
    EXPECT_EQ(Count(kRed), 4);
    EXPECT_EQ(Count(kWhite), 800 * 600 - 4);
    // The later paint, from the index, gives the same picture.
    Clear();
    ASSERT_TRUE(o.PaintShapeFigures());
    EXPECT_EQ(Count(kRed), 4);
    EXPECT_EQ(oDevice->nDraws, 4);
}

TEST_F(ShapeCanvasTest, PolygonHoleStaysOpenMultipatchRingsCoverEachOther)
{
    // Outer ring 10..90, inner ring 40..60; on 81 x 81 one world unit is one
    // pixel, world 10 at column 0.
    for (const char* cFile : {"holes.shp", "rings.shp"}) {
        SCOPED_TRACE(cFile);
        MakeCanvas(81, 81);
        ShapeFile& o = Open(cFile);
        o.SetShapeColorNormal();
        ASSERT_TRUE(o.PaintShapeFigures());
        EXPECT_EQ(Pixel(15, 40), kBlue);
        EXPECT_EQ(Pixel(40, 40), std::string(cFile) == "holes.shp" ? kWhite : kBlue);
    }
}

TEST_F(ShapeCanvasTest, MultipatchTriangles)
{
    // Record 1: a strip of 4 points (2 triangles), a fan of 5 (3), a strip of
    // 2 (none); record 2: two rings.
    MakeCanvas(96, 96);
    ShapeFile& o = Open("multipatch.shp");
    o.SetShapeColorNormal().SetShapeExtractRec({1});
    ASSERT_TRUE(o.PaintShapeFigures());
    EXPECT_EQ(oDevice->nDraws, 5);
    EXPECT_EQ(Pixel(2, 5), kBlue);    // strip triangle 0-1-2
    EXPECT_EQ(Pixel(8, 5), kBlue);    // strip triangle 1-2-3
    EXPECT_EQ(Pixel(55, 58), kBlue);  // fan
    EXPECT_EQ(Pixel(45, 45), kWhite);
    EXPECT_EQ(Count(kRed, 85, 85, 95, 95) + Count(kBlue, 85, 85, 95, 95), 0);  // the strip of 2
    Clear();
    o.SetShapeUnextractRec();
    ASSERT_TRUE(o.PaintShapeFigures());
    EXPECT_EQ(oDevice->nDraws, 7);
}

TEST_F(ShapeCanvasTest, FillStyles)
{
    constexpr COLORREF kGreen = RGB(0, 160, 0);
    const struct {
        const char* cCase;
        int32_t nStyle;
        bool lFill;
        bool lFillColour, lHatchColour, lWhite;  // seen between the two rings
    } aCases[] = {
        {"hatch on the fill colour", 2, true, true, true, false},
        {"hatch, transparent", 130, true, false, true, true},
        {"160: solid, transparent", 160, true, true, false, false},
        {"filling off", 2, false, false, false, true},
    };
    for (const auto& c : aCases) {
        SCOPED_TRACE(c.cCase);
        MakeCanvas(81, 81);
        G().SetFillHatch(c.nStyle).SetFillHatchColor(2);
        ShapeFile& o = Open("holes.shp");
        if (c.lFill) {
            o.SetShapeColorNormal();
        } else {
            o.SetShapeColorTrans();
        }
        ASSERT_TRUE(o.PaintShapeFigures());
        EXPECT_EQ(Count(kBlue, 3, 3, 25, 77) > 0, c.lFillColour);
        EXPECT_EQ(Count(kGreen, 3, 3, 25, 77) > 0, c.lHatchColour);
        EXPECT_EQ(Count(kWhite, 3, 3, 25, 77) > 0, c.lWhite);
        EXPECT_EQ(Pixel(0, 40), kRed);  // the outline in the line pen
        EXPECT_EQ(Pixel(40, 40), kWhite);
    }
}

TEST_F(ShapeCanvasTest, ColourArrayAndRandomColours)
{
    // Six squares in a row (see DamagedFiles); square k's centre at column
    // x + 5, row 5.
    const int aCentres[] = {5, 25, 45, 65, 85, 95};
    MakeCanvas(101, 11);
    ShapeFile& o = Open("squares.shp");
    o.SetShapeColorArray(Array{0x00FF00, "not a number", 0x0000FF});
    ASSERT_TRUE(o.PaintShapeFigures());
    const COLORREF aArray[] = {RGB(0, 255, 0), 0, RGB(255, 0, 0), 0, 0, 0};
    for (int k = 0; k < 6; ++k) EXPECT_EQ(Pixel(aCentres[k], 5), aArray[k]) << k;
    // A value that is not an array keeps the colours.
    o.SetShapeColorArray(Value(5));
    Clear();
    ASSERT_TRUE(o.PaintShapeFigures());
    EXPECT_EQ(Pixel(aCentres[0], 5), aArray[0]);

    // Random colours from a first paint: assigned to every record, also to
    // those outside the selection box, and kept across mode switches until
    // normal colours reset them.
    ShapeFile& r = Open("squares.shp");
    r.SetShapeColorRandom().SetShapeSelectBox(0, 0, 30, 10);
    Clear();
    ASSERT_TRUE(r.PaintShapeFigures());
    EXPECT_EQ(oDevice->nDraws, 2);
    std::vector<uint32_t> aRandom;
    for (uint32_t n = 0; n < r.RecCount(); ++n) aRandom.push_back(r.RecIndex()[n].nColor);
    ASSERT_EQ(aRandom.size(), 6U);
    std::set<uint32_t> aTable;
    for (int32_t n = 1; n < static_cast<int32_t>(gaColorArray.size()); ++n) aTable.insert(ChangeNum2Rgb(n));
    r.SetShapeUnselectBox();
    for (auto fnMode : std::vector<std::function<void()>>{[&] { r.SetShapeColorArray(Array{0x00FF00}); },
                                                          [&] { r.SetShapeColorRandom(); }}) {
        fnMode();
        Clear();
        ASSERT_TRUE(r.PaintShapeFigures());
        for (int k = 0; k < 6; ++k) {
            EXPECT_EQ(r.RecIndex()[k].nColor, aRandom[k]);
            EXPECT_EQ(Pixel(aCentres[k], 5), aRandom[k]) << k;
            EXPECT_EQ(aTable.count(aRandom[k]), 1U) << k;
        }
    }
    r.SetShapeColorTrans();
    Clear();
    ASSERT_TRUE(r.PaintShapeFigures());
    EXPECT_EQ(Pixel(aCentres[0], 5), kWhite);
    EXPECT_EQ(Pixel(0, 5), kRed);
    r.SetShapeColorNormal();
    for (uint32_t n = 0; n < r.RecCount(); ++n) EXPECT_EQ(r.RecIndex()[n].nColor, 0xFFFFFFFFU);
    r.SetShapeColorRandom();
    ASSERT_TRUE(r.PaintShapeFigures());
    for (uint32_t n = 0; n < r.RecCount(); ++n) EXPECT_NE(r.RecIndex()[n].nColor, 0xFFFFFFFFU);
}

TEST_F(ShapeCanvasTest, SelectionBoxAndOutputArea)
{
    MakeCanvas(300, 100);
    ShapeFile& o = Open("squares.shp");
    o.SetShapeColorNormal();
    // A box that contains the file switches no test on: all six are drawn.
    o.SetShapeSelectBox(-10, -10, 110, 20);
    ASSERT_TRUE(o.PaintShapeFigures());
    EXPECT_EQ(oDevice->nDraws, 6);
    // Half the file's width, centred: the squares at 0, 80 and 90 lie wholly
    // outside; the one at 20 crosses the edge and is drawn whole, clipped to
    // the area (columns 10 to 209, factor 199 / 50).
    o.SetShapeSelectBox(25, 0, 75, 10).SetShapeSelectArea(10, 20, 200, 40);
    Clear();
    ASSERT_TRUE(o.PaintShapeFigures());
    EXPECT_EQ(oDevice->nDraws, 3 + 2);  // three records; the clip set and set back
    EXPECT_EQ(Pixel(15, 40), kBlue);
    EXPECT_EQ(Count(kWhite, 0, 0, 9, 99), 1000);
    EXPECT_EQ(Count(kWhite, 0, 0, 299, 19), 6000);
    EXPECT_EQ(Count(kWhite, 210, 0, 299, 99), 9000);
    // Without the box the area is not clipped; the box stays in force until
    // it is dropped.
    o.SetShapeUnselectBox().SetShapeSelectArea(10, 20, 200, 40);
    Clear();
    ASSERT_TRUE(o.PaintShapeFigures());
    EXPECT_EQ(oDevice->nDraws, 6);
    // A box given with x2 < x1 is kept as given: it passes records reaching
    // from 30 or less to 20 or more, and mirrors the map.
    o.SetShapeSelectBox(30, 0, 20, 10).SetShapeUnselectArea();
    EXPECT_TRUE(o.TestSelection(20, 0, 30, 10));
    EXPECT_FALSE(o.TestSelection(22, 0, 28, 10));
    EXPECT_TRUE(o.TestSelection(0, 0, 30, 10));
}

TEST_F(ShapeCanvasTest, ExtractionList)
{
    // diagonal.shp: points (10i, 10i), i = 0..5, on a 51 x 51 device.
    const struct {
        bool lInvert;
        std::string cDrawn;
    } aCases[] = {{false, "010010"}, {true, "101101"}};
    for (const auto& c : aCases) {
        MakeCanvas(51, 51);
        ShapeFile& o = Open("diagonal.shp");
        o.SetShapeExtractRec({2, 5, "5", 2.5}, c.lInvert);
        for (int nPaint = 0; nPaint < 2; ++nPaint) {  // first pass, then from the index
            Clear();
            ASSERT_TRUE(o.PaintShapeFigures());
            std::string cDrawn;
            for (int i = 0; i < 6; ++i) cDrawn += Pixel(10 * i, 10 * i) == kRed ? '1' : '0';
            EXPECT_EQ(cDrawn, c.cDrawn) << c.lInvert << nPaint;
        }
    }
}

TEST_F(ShapeCanvasTest, NothingToDraw)
{
    const struct {
        const char* cCase;
        const char* cFile;
        std::function<void(ShapeFile&)> fnSet;
    } aCases[] = {
        {"box of zero width", "squares.shp", [](ShapeFile& o) { o.SetShapeSelectBox(5, 0, 5, 10); }},
        {"box of zero height", "squares.shp", [](ShapeFile& o) { o.SetShapeSelectBox(0, 3, 100, 3); }},
        {"area under a pixel", "squares.shp", [](ShapeFile& o) { o.SetShapeSelectArea(0, 0, 0.5, 40); }},
        {"file without records", "empty.shp", [](ShapeFile&) {}},
    };
    for (const auto& c : aCases) {
        SCOPED_TRACE(c.cCase);
        MakeCanvas(60, 60);
        ShapeFile& o = Open(c.cFile);
        o.SetShapeColorNormal();
        c.fnSet(o);
        EXPECT_TRUE(o.PaintShapeFigures());
        EXPECT_EQ(oDevice->nDraws, 0);
        EXPECT_EQ(Count(kWhite), 3600);
    }
}

TEST_F(ShapeCanvasTest, PainterIsLeftAsItWas)
{
    const struct {
        const char* cCase;
        const char* cFile;
        std::function<void(ShapeFile&)> fnSet;
        bool lResult;
    } aCases[] = {
        {"first paint", "squares.shp", [](ShapeFile&) {}, true},
        {"later paint, random colours", "squares.shp",
         [](ShapeFile& o) {
             o.PaintShapeFigures();
             o.SetShapeColorRandom();
         },
         true},
        {"area and box: clipped", "squares.shp",
         [](ShapeFile& o) { o.SetShapeSelectBox(20, 0, 60, 10).SetShapeSelectArea(5, 5, 40, 30); }, true},
        {"failing pass with colours", "cut_inside.shp", [](ShapeFile& o) { o.SetShapeColorArray(Array{255}); }, false},
    };
    for (const auto& c : aCases) {
        SCOPED_TRACE(c.cCase);
        MakeCanvas(60, 60);
        G().SetClipRegion(3, 4, 50, 40).SetWorldSystem(2.5, 0.5).SetWorldOrigin(7, 9);
        ShapeFile& o = Open(c.cFile);
        c.fnSet(o);
        const PainterState& s = PainterTestAccess::State(G());
        const auto fnSnapshot = [&] {
            return std::vector<double>{s._fFactorX,           s._fFactorY,           double(s._nOffsetX),
                                       double(s._nOffsetY),   double(s._nOriginX),   double(s._nOriginY),
                                       double(s._nLineColor), double(s._nFillColor), double(s._nClipX),
                                       double(s._nClipY),     double(s._nClipWidth), double(s._nClipHeight)};
        };
        const std::vector<double> aBefore = fnSnapshot();
        // What the clip lets through, before and after.
        const auto fnClipped = [&] {
            Clear();
            G().PaintRectangle(-100, -100, 1000, 1000, 1);
            return Count(kWhite);
        };
        const int nClipped = fnClipped();
        Clear();
        EXPECT_EQ(o.PaintShapeFigures(), c.lResult);
        EXPECT_GT(oDevice->nDraws, 0);
        EXPECT_EQ(fnSnapshot(), aBefore);
        EXPECT_EQ(fnClipped(), nClipped);
    }
}
