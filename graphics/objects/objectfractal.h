#pragma once
// objectFractal: an escape-time picture of the quadratic complex iteration
// (the Mandelbrot set, or a Julia set when a constant is given) drawn pixel by
// pixel into a rectangle of the device, into the window and its refresh
// bitmap at once. On a screen window it can be interruptible: it then
// dispatches the waiting window messages after every pixel, and a newer
// fractal drawn into the same window stops it.
#include <windows.h>

#include <cstdint>

#include "graphics/core/figurepoints.h"
#include "graphics/objects/objectshape.h"

class objectFractal : public objectShape {
public:
    // aParameters: the caller's parameter array (changed in place: extended to
    // 22 entries, the values used written back), or nullptr for the defaults.
    objectFractal(Graphics& oGraphics, double x, double y, double w, double h, uint16_t nOrigin,
                  FractalParameters* aParameters, bool lInterruptible);
    ~objectFractal() override;
    void Draw() override;

    // Stop request, set by a newer fractal in the same window.
    bool _lStop = false;

    // Rows of the process-wide table of interruptible drawings in progress.
    static constexpr int kWindowTableRows = 50;

private:
    double _fX, _fY, _fWidth, _fHeight;
    uint16_t _nOriginMode;
    FractalParameters _aDefaults;
    FractalParameters* _aParameters;
    bool _lInterruptible;
};

// Dispatches the waiting window messages of the thread; a quit message ends
// the program at once.
void ApplicationExecCloseOnQuit();
