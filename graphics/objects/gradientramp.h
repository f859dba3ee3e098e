// The colour ramp of the gradient and spot canvases and the gradient area:
// band by band from the painter's background colour toward its gradient
// colour, reaching it after a ramp length set by the intensity.
#pragma once

#include <windows.h>

// The intensity clamped to 0 .. 20; below 0.1 no gradient is drawn.
double ClampGradientIntensity(double intensity);
// The ramp-length factor of a clamped intensity of at least 0.1:
// 5 - 0.4 fI up to 10, then 1 - 0.09 (fI - 10).
double GradientLengthFactor(double clampedIntensity);

class GradientRamp {
public:
    // bands: the band count L; the gradient colour is reached at band factor * L.
    GradientRamp(COLORREF background, COLORREF gradient, int bands, double factor);

    // The colour of band i (1, 2, ...), computed from the background afresh;
    // a channel stays once it has reached or passed the gradient colour.
    COLORREF Band(int i);

private:
    int _aFrom[3];
    int _aTo[3];
    int _aCurrent[3];
    double _fLength;
};
