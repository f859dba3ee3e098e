#include "graphics/windows/gcolorwindow.h"

#include <cmath>
#include <string>

#include "graphics/core/colors.h"

uint16_t gnCurrentColor = 16;

namespace {

const char kCaption[] = "Color Window - Current color number is ";
const char kBoxLabel[] = "Current Color";

// Halving toward minus infinity.
int32_t Half(int32_t n)
{
    return static_cast<int32_t>(std::floor(n / 2.0));
}

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
            g.SetFillColor(nColour).PaintRectangle(x, y, w + 1, h + 1, 1, 2);
            g.PaintString(x + Half(w), y - Half(h), std::to_string(nColour), 10);
            _aCells.push_back({x, y, w + 1, h + 1});
            x += w;
        }
        if (nColour > n) break;
        y -= h;
    }
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
