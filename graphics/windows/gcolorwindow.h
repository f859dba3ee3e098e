#pragma once
// gColorWindow: a child window that shows every colour number of gaColorArray
// as a numbered cell of a grid filling the window, with a box of the current
// colour number in the rest of the last row. A left click on a cell makes its
// number the current one, which all colour windows share; the caption shows
// it, and only the box is painted again.
//
// The grid has C columns and R rows, C the integer square root of the number
// of colours N and R × C ≥ N; the cells divide the canvas evenly, the first
// rows and columns taking one pixel of the remainder each, the last row and
// column what is left. Cells are kept in painter coordinates (y upward from
// the bottom row) as {x, top y, width, height}; neighbouring cells share their
// border lines.
#include <cstdint>
#include <vector>

#include "graphics/windows/gkitwindow.h"

// The current colour number of all colour windows; 16 (black) at start.
extern uint16_t gnCurrentColor;

class gColorWindow : public gChildAppWindow {
public:
    explicit gColorWindow(Window* oOwner);
    // Paints through the window's own painter.
    void Paint() override;
    // Paints the grid through another painter (a printer's, say); the cells
    // and the box follow its size.
    void Paint(Graphics& oGraphics);
    void Destroy() override;
    void MouseButtonUp(MouseEvent& oEvent) override;
    // Called after the user picked a new colour number.
    virtual int ColorChanged(int nColour) { return nColour; }

    // A painted cell in painter coordinates: left x, top y, width and height
    // with the border lines.
    struct Cell {
        int32_t x, top, width, height;
    };

protected:
    // The next Paint paints only the current-colour box.
    bool _lCurrentOnly = false;
    // The cells of the last full paint, entry n - 1 for colour number n.
    std::vector<Cell> _aCells;
    int32_t _nBoxX = 0;
    int32_t _nBoxY = 0;
    int32_t _nBoxWidth = 0;
    int32_t _nBoxHeight = 0;

private:
    void ShowCurrentInCaption();
    void PaintGrid(Graphics& g, int32_t nWidth, int32_t nHeight);
    void PaintCurrentBox(Graphics& g);
};
