// The colour window: the grid of all colour numbers laid out over the canvas,
// picks by the left button, the shared current colour in the caption and a
// pick that repaints only the current-colour box.
#include "graphics/windows/gcolorwindow.h"

#include <gtest/gtest.h>

#include "graphics/core/colors.h"
#include "graphics/windows/gmemory.h"
#include "platform/framework/app.h"

namespace {

class ColourWindow : public gColorWindow {
public:
    using gColorWindow::_aCells;
    using gColorWindow::_lCurrentOnly;
    using gColorWindow::_nBoxHeight;
    using gColorWindow::_nBoxWidth;
    using gColorWindow::_nBoxX;
    using gColorWindow::_nBoxY;
    using gColorWindow::Cell;
    using gColorWindow::gColorWindow;
    int ColorChanged(int nColour) override
    {
        aChanged.push_back(nColour);
        return nColour;
    }
    std::vector<int> aChanged;
};

class ColourWindowTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        gnCurrentColor = 16;
        if (gaColorArray.empty()) SetColorArray();
        oOwner.SetSize({700, 600});
        oOwner.Show();
        oWindow = std::make_unique<ColourWindow>(&oOwner);
        oWindow->SetOrigin({0, 0});
        oWindow->SetSize({500, 360});
        oWindow->Show();
        Settle();
    }
    void Settle()
    {
        UpdateWindow(oWindow->Handle());
        ApplicationExec();
    }
    // A release of a mouse button at canvas pixel (x, y), y upward.
    void Release(UINT nMessage, int x, int y)
    {
        RECT r;
        GetClientRect(oWindow->Handle(), &r);
        SendMessageA(oWindow->Handle(), nMessage, 0, MAKELPARAM(x, r.bottom - 1 - y));
    }
    COLORREF BitmapPixel(int x, int y) const
    {
        return GetPixel(oWindow->_oGraphics->State()._oRefreshCanvas.DC(), x, y);
    }

    TopAppWindow oOwner;
    std::unique_ptr<ColourWindow> oWindow;
};

TEST_F(ColourWindowTest, TheGridOf411ColoursFillsTheCanvas)
{
    const auto& c = oWindow->_aCells;
    ASSERT_EQ(c.size(), 411U);
    // 20 columns of 25 pixels, the last one 24 (each cell with its right border line).
    for (int nColumn = 0; nColumn < 20; ++nColumn) {
        SCOPED_TRACE(nColumn);
        EXPECT_EQ(c[nColumn].x, 25 * nColumn);
        EXPECT_EQ(c[nColumn].width, nColumn == 19 ? 25 : 26);
    }
    // Rows 1 and 2 of 18 pixels, the others of 17, from the top row down.
    const struct {
        int nRow, nTop, nHeight;
    } aRows[] = {{1, 359, 18}, {2, 341, 18}, {3, 323, 17}, {20, 34, 17}, {21, 17, 17}};
    for (const auto& r : aRows) {
        SCOPED_TRACE(r.nRow);
        const auto& oCell = c[static_cast<size_t>((r.nRow - 1) * 20)];
        EXPECT_EQ(oCell.top, r.nTop);
        EXPECT_EQ(oCell.height, r.nHeight + 1);
    }
    EXPECT_EQ(c[400].x, 0) << "colour 401 begins the last row";
    EXPECT_EQ(c[410].x, 250) << "colour 411 is its eleventh cell";
    EXPECT_EQ(oWindow->_nBoxX, 275);
    EXPECT_EQ(oWindow->_nBoxWidth, 224);
    EXPECT_EQ(oWindow->_nBoxY, 17);
    EXPECT_EQ(oWindow->_nBoxHeight, 17);
    // The cell of colour 12 is filled with it.
    EXPECT_EQ(BitmapPixel(c[11].x + 3, c[11].top - 3), ChangeNum2Rgb(12));
}

// The grid as the painter's own operations draw it cell by cell: a filled
// rectangle and the centred number, then the current-colour box.
void PaintCellByCell(Graphics& g, const std::vector<ColourWindow::Cell>& aCells, const ColourWindow& oWindow)
{
    g.SetStringFont(32, 6.0, 12.0, 2U, 0U, 0.0);
    g.SetStringShadow(2.0, 7, 7);
    g.SetLineColor(16);
    for (size_t i = 0; i < aCells.size(); ++i) {
        const ColourWindow::Cell& c = aCells[i];
        const int w = c.width - 1, h = c.height - 1;
        g.SetFillColor(static_cast<int>(i + 1)).PaintRectangle(c.x, c.top, c.width, c.height, 1, 2);
        g.PaintString(c.x + w / 2, c.top - h / 2, std::to_string(i + 1), 10);
    }
    g.SetFillColor(gnCurrentColor)
        .PaintRectangle(oWindow._nBoxX, oWindow._nBoxY, oWindow._nBoxWidth + 1, oWindow._nBoxHeight + 1, 1, 2);
    g.PaintStringShadow(oWindow._nBoxX + oWindow._nBoxWidth / 2, oWindow._nBoxY - oWindow._nBoxHeight / 2,
                        "Current Color", 10);
}

TEST_F(ColourWindowTest, TheGridLooksAsDrawnCellByCell)
{
    // The painter's solid fill, and a hatch.
    for (const int32_t nFillStyle : {32, 2}) {
        SCOPED_TRACE(nFillStyle);
        gMemory oReference(2, 500, 360);
        oReference._oGraphics->SetFillHatch(nFillStyle);
        PaintCellByCell(*oReference._oGraphics, oWindow->_aCells, *oWindow);
        HDC hReference = oReference.GetMemoryDC();
        // Through another painter, on the window and in its refresh bitmap.
        gMemory oOther(2, 500, 360);
        oOther._oGraphics->SetFillHatch(nFillStyle);
        oWindow->Paint(*oOther._oGraphics);
        oWindow->_oGraphics->SetFillHatch(nFillStyle);
        oWindow->PaintNew();
        HDC hWindow = GetDC(oWindow->Handle());
        int nDifferent[3] = {0, 0, 0};
        for (int y = 0; y < 360; ++y)
            for (int x = 0; x < 500; ++x) {
                const COLORREF c = GetPixel(hReference, x, y);
                nDifferent[0] += GetPixel(oOther.GetMemoryDC(), x, y) != c ? 1 : 0;
                nDifferent[1] += BitmapPixel(x, y) != c ? 1 : 0;
                nDifferent[2] += GetPixel(hWindow, x, 359 - y) != c ? 1 : 0;
            }
        ReleaseDC(oWindow->Handle(), hWindow);
        EXPECT_EQ(nDifferent[0], 0) << "another painter";
        EXPECT_EQ(nDifferent[1], 0) << "the refresh bitmap";
        EXPECT_EQ(nDifferent[2], 0) << "the window";
    }
}

TEST_F(ColourWindowTest, ASquareTableLeavesNoRoomForTheBox)
{
    const std::vector<ColorTriple> aSaved = gaColorArray;
    gaColorArray.resize(16);
    oWindow->PaintNew();
    gaColorArray = aSaved;
    EXPECT_EQ(oWindow->_aCells.size(), 16U);
    EXPECT_EQ(oWindow->_nBoxX, 499);
    EXPECT_EQ(oWindow->_nBoxY, 0);
    EXPECT_EQ(oWindow->_nBoxWidth, 0);
}

TEST_F(ColourWindowTest, PicksFollowTheCellsAndTheCurrentColour)
{
    EXPECT_EQ(oWindow->Caption(), "Color Window - Current color number is 16");
    const struct {
        UINT nMessage;
        int x, y;
        int nCurrent;  // the current colour afterwards
        const char* cWhat;
    } aCases[] = {
        {WM_LBUTTONUP, 25, 350, 1, "the border line between cells 1 and 2"},
        {WM_LBUTTONUP, 10, 350, 1, "the current colour again"},
        {WM_RBUTTONUP, 160, 350, 1, "the right button"},
        {WM_LBUTTONUP, 300, 5, 1, "the current-colour box"},
        {WM_LBUTTONUP, 160, 350, 7, "colour 7"},
    };
    std::vector<int> aExpected;
    for (const auto& c : aCases) {
        SCOPED_TRACE(c.cWhat);
        const bool lChange = c.nCurrent != gnCurrentColor;
        Release(c.nMessage, c.x, c.y);
        if (lChange) aExpected.push_back(c.nCurrent);
        EXPECT_EQ(gnCurrentColor, c.nCurrent);
        EXPECT_EQ(oWindow->aChanged, aExpected);
        EXPECT_EQ(oWindow->Caption(), "Color Window - Current color number is " + std::to_string(c.nCurrent));
    }
}

TEST_F(ColourWindowTest, APickRepaintsOnlyTheBox)
{
    // A mark in the grid that only a full repaint would paint over.
    const auto& oCell = oWindow->_aCells[4];
    HDC hBitmap = oWindow->_oGraphics->State()._oRefreshCanvas.DC();
    SetPixel(hBitmap, oCell.x + 2, oCell.top - 2, RGB(1, 2, 3));
    const std::vector<ColourWindow::Cell> aCellsBefore = oWindow->_aCells;
    Release(WM_LBUTTONUP, 160, 350);
    EXPECT_EQ(GetPixel(hBitmap, oCell.x + 2, oCell.top - 2), RGB(1, 2, 3)) << "the grid was not painted again";
    EXPECT_EQ(BitmapPixel(oWindow->_nBoxX + 3, oWindow->_nBoxY - 3), ChangeNum2Rgb(7)) << "the box shows colour 7";
    EXPECT_FALSE(oWindow->_lCurrentOnly);
    EXPECT_EQ(oWindow->_aCells.size(), aCellsBefore.size());
}

}  // namespace
