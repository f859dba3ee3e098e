#pragma once
// objectFractal: an escape-time picture of the quadratic complex iteration
// (the Mandelbrot set, or a Julia set when a constant is given) drawn pixel by
// pixel into a rectangle of the device, into the window and its refresh
// bitmap at once. On a screen window it can be interruptible: it then
// dispatches the waiting window messages after every pixel, and a newer
// fractal drawn into the same window stops it.
#include <windows.h>

#include <cstdint>
#include <optional>

#include "graphics/core/figurepoints.h"
#include "graphics/objects/objectshape.h"

// The fractal's zoom windows after a drawing, for the painter to keep in its
// fields of the same names: the window proposed for the next drawing (_r4Top
// ..) and the one of the last drawing (_r4TopV ..).
struct FractalZoomWindows {
    float r4Top, r4Bottom, r4Left, r4Right;
    float r4TopV, r4BottomV, r4LeftV, r4RightV;
};

class objectFractal : public objectShape {
public:
    // aParameters: the caller's parameter array (changed in place: extended to
    // 22 entries, the values used written back), or nullptr for the defaults.
    objectFractal(GraphicsDevice& oDevice, double x, double y, double w, double h, uint16_t nOrigin,
                  FractalParameters* aParameters, bool lInterruptible);
    ~objectFractal() override;
    void Draw() override;
    // The zoom windows after the drawing; none when the window went during it
    // (its painter went along) or no drawing took place.
    const std::optional<FractalZoomWindows>& ZoomWindows() const { return _oZoom; }

    // Stop request, set by a newer fractal in the same window.
    bool _lStop = false;

    // Rows of the process-wide table of interruptible drawings in progress.
    static constexpr int kWindowTableRows = 50;

private:
    // The columns and rows of the w x h rectangle at (x0, y0) that the DCs can
    // show (from the rectangle's lower-left pixel); none when it lies outside.
    struct FractalPart {
        int nFirstColumn = 0, nFirstRow = 0, nColumns = 0, nRows = 0;
    };
    FractalPart VisiblePart(int64_t x0, int64_t y0, int32_t w, int32_t h) const;

    double _fX, _fY, _fWidth, _fHeight;
    uint16_t _nOriginMode;
    FractalParameters _aDefaults;
    FractalParameters* _aParameters;
    bool _lInterruptible;
    std::optional<FractalZoomWindows> _oZoom;
};

// Dispatches the waiting window messages of the thread; a quit message ends
// the program at once.
void ApplicationExecCloseOnQuit();
