#include "graphics/objects/gradientramp.h"

#include <algorithm>

#include "platform/runtime/numtext.h"

double ClampGradientIntensity(double intensity)
{
    return std::clamp(intensity, 0.0, 20.0);
}

double GradientLengthFactor(double fI)
{
    return fI <= 10.0 ? 5.0 - fI * 0.4 : 1.0 - (fI - 10.0) * 0.09;
}

GradientRamp::GradientRamp(COLORREF background, COLORREF gradient, int bands, double factor)
    : _aFrom{GetRValue(background), GetGValue(background), GetBValue(background)},
      _aTo{GetRValue(gradient), GetGValue(gradient), GetBValue(gradient)},
      _aCurrent{_aFrom[0], _aFrom[1], _aFrom[2]},
      _fLength(factor * bands)
{
}

COLORREF GradientRamp::Band(int i)
{
    for (int k = 0; k < 3; ++k) {
        const int from = _aFrom[k], to = _aTo[k], cur = _aCurrent[k];
        if (from == to || (from < to && cur >= to) || (from > to && cur <= to)) continue;
        const double t = 1.0 - (_fLength - i) / _fLength;
        _aCurrent[k] = std::clamp(from + static_cast<int>(Long((to - from) * t)), 0, 255);
    }
    return RGB(_aCurrent[0], _aCurrent[1], _aCurrent[2]);
}
