#include "graphics/windows/gcolorwindow.h"

#include <cmath>
#include <string>

#include "graphics/core/colors.h"
#include "graphics/objects/objectrectangle.h"

uint16_t gnCurrentColor = 16;

namespace {

const char kCaption[] = "Color Window - Current color number is ";
const char kBoxLabel[] = "Current Color";

// Halving toward minus infinity.
int32_t Half(int32_t n)
{
    return static_cast<int32_t>(std::floor(n / 2.0));
}

// The cells with their numbers as one drawing: each cell is a rectangle
// filled in its colour and outlined with the painter's pen, each number is
// written as PaintString writes it (centred, transparent, in the painter's
// font and text colour), cell after cell. Font and pen stay selected in every
// DC from the first cell to the last, and a solid fill is the DC's own brush
// in the cell's colour: under Wine selecting a font costs more than all else
// a cell asks for, and a PaintRectangle and a PaintString per cell make and
// select font, pen and brush once more in each DC. Other fill styles draw
// each cell as the painter's rectangle.
class objectColorCells : public objectShape {
public:
    objectColorCells(Graphics& g, const std::vector<gColorWindow::Cell>& aCells)
        : objectShape(*g.State()._oDevice),
          _g(g),
          _aCells(aCells)
    {
    }
    void Draw() override
    {
        std::vector<HDC> aDCs;
        ForEachPass([&](HDC hDC) { aDCs.push_back(hDC); });
        if (aDCs.empty()) return;
        const PainterState& s = State();
        const ShapeFill oFill = ResolveFill(s, 1);
        const bool lSolid = oFill.lFill && oFill.nStyle == 32;
        HPEN hPen = CreatePen(s._nLinePattern, s._nLineWidth, s._nLineColor);
        for (HDC hDC : aDCs) {
            SaveDC(hDC);
            SelectObject(hDC, s._pFont.Get());
            SelectObject(hDC, hPen);
            SelectObject(hDC, GetStockObject(DC_BRUSH));
            SetTextColor(hDC, s._nTextColor);
            SetTextAlign(hDC, TA_BOTTOM | TA_LEFT);
            SetROP2(hDC, s._nRasterMode);
        }
        for (size_t i = 0; i < _aCells.size(); ++i) {
            const gColorWindow::Cell& c = _aCells[i];
            _g.SetFillColor(static_cast<int32_t>(i + 1));
            // With (x, top) as the upper-left corner.
            const int32_t x1 = DevicePosX(c.x), y1 = DevicePosY(c.top - c.height);
            const int32_t x2 = DevicePosX(c.x + c.width), y2 = DevicePosY(c.top);
            if (lSolid && (x1 != x2 || y1 != y2)) {
                for (HDC hDC : aDCs) {
                    SetDCBrushColor(hDC, s._nFillColor);
                    SetBkColor(hDC, s._nFillColor);
                    SetBkMode(hDC, OPAQUE);
                    Rectangle(hDC, x1, y1 - 1, x2 + 1, y2);
                }
            } else {
                objectRectangle oCell(Device(), c.x, c.top, c.width, c.height, 1, 2, 0);
                DrawPart(oCell);
            }
            const std::string cNumber = std::to_string(i + 1);
            SIZE oText{0, 0};
            GetTextExtentPoint32A(aDCs.front(), cNumber.c_str(), static_cast<int>(cNumber.size()), &oText);
            int32_t x = DevicePosX(c.x + Half(c.width - 1)), y = DevicePosY(c.top - Half(c.height - 1));
            s.GetOriginPoint(x, y, oText.cx, oText.cy, 10);
            for (HDC hDC : aDCs) {
                SetBkMode(hDC, TRANSPARENT);
                TextOutA(hDC, x, y, cNumber.c_str(), static_cast<int>(cNumber.size()));
            }
        }
        for (HDC hDC : aDCs) RestoreDC(hDC, -1);
        DeleteObject(hPen);
    }

private:
    Graphics& _g;
    const std::vector<gColorWindow::Cell>& _aCells;
};

}  // namespace

gColorWindow::gColorWindow(Window* oOwner) : gChildAppWindow(oOwner)
{
    SetSize({512, 383});
    ShowCurrentInCaption();
}

void gColorWindow::ShowCurrentInCaption()
{
    SetCaption(kCaption + std::to_string(gnCurrentColor));
}

void gColorWindow::Paint()
{
    if (_oGraphics) Paint(*_oGraphics);
}

void gColorWindow::Paint(Graphics& g)
{
    if (IsIconic()) return;
    const int32_t w = g.GetDeviceWidth(), h = g.GetDeviceHeight();
    g.SetStringFont(32, 6.0, 12.0, 2U, 0U, 0.0);
    g.SetStringShadow(2.0, 7, 7);
    g.SetLineColor(16);
    if (_lCurrentOnly) {
        PaintCurrentBox(g);
        _lCurrentOnly = false;
        return;
    }
    PaintGrid(g, w, h);
    PaintCurrentBox(g);
}

void gColorWindow::PaintGrid(Graphics& g, int32_t nWidth, int32_t nHeight)
{
    if (gaColorArray.empty()) SetColorArray();
    const auto n = static_cast<int32_t>(gaColorArray.size());
    int32_t nColumns = static_cast<int32_t>(std::sqrt(static_cast<double>(n)));
    int32_t nRows = nColumns;
    if (nRows * nColumns < n) ++nRows;
    if (nRows * nColumns < n) ++nColumns;
    const int32_t cw = nWidth / nColumns, ch = nHeight / nRows;
    const int32_t rw = nWidth - cw * nColumns, rh = nHeight - ch * nRows;
    _aCells.clear();
    int32_t nColour = 0, y = nHeight - 1, x = 0, h = 0;
    for (int32_t nRow = 1; nRow <= nRows; ++nRow) {
        h = nRow == nRows ? y : nRow < rh ? ch + 1 : ch;
        x = 0;
        for (int32_t nColumn = 1; nColumn <= nColumns; ++nColumn) {
            if (++nColour > n) break;
            const int32_t w = nColumn == nColumns ? nWidth - x - 1 : nColumn < rw ? cw + 1 : cw;
            _aCells.push_back({x, y, w + 1, h + 1});
            x += w;
        }
        if (nColour > n) break;
        y -= h;
    }
    objectColorCells oCells(g, _aCells);
    g.DrawShape(oCells);
    _nBoxWidth = nWidth - x - 1;
    _nBoxHeight = h;
    _nBoxX = x;
    _nBoxY = y;
}

void gColorWindow::PaintCurrentBox(Graphics& g)
{
    g.SetFillColor(gnCurrentColor).PaintRectangle(_nBoxX, _nBoxY, _nBoxWidth + 1, _nBoxHeight + 1, 1, 2);
    if (_nBoxWidth > g.GetStringWidth(kBoxLabel))
        g.PaintStringShadow(_nBoxX + Half(_nBoxWidth), _nBoxY - Half(_nBoxHeight), kBoxLabel, 10);
}

void gColorWindow::Destroy()
{
    _aCells.clear();
    gChildAppWindow::Destroy();
}

void gColorWindow::MouseButtonUp(MouseEvent& oEvent)
{
    gChildAppWindow::MouseButtonUp(oEvent);
    if (!oEvent.IsLeftButton()) return;
    const int32_t px = oEvent.Position().x, py = oEvent.Position().y;
    for (size_t i = 0; i < _aCells.size(); ++i) {
        const Cell& c = _aCells[i];
        if (px < c.x || px >= c.x + c.width || py <= c.top - c.height || py > c.top) continue;
        const auto nColour = static_cast<uint16_t>(i + 1);
        if (nColour == gnCurrentColor) return;
        gnCurrentColor = nColour;
        ShowCurrentInCaption();
        _lCurrentOnly = true;
        PaintNew();
        ColorChanged(nColour);
        return;
    }
}
