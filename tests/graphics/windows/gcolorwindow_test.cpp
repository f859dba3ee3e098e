// The colour window: the grid of all colour numbers laid out over the canvas,
// picks by the left button, the shared current colour in the caption and a
// pick that repaints only the current-colour box.
#include "graphics/windows/gcolorwindow.h"

#include <gtest/gtest.h>

#include "graphics/core/colors.h"
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
