#include "graphics/core/kit.h"

#include <cmath>

double GInteg(double x)
{
    return x >= 0 ? std::floor(x) : std::ceil(x);
}

double GAtan2(double y, double x)
{
    if (x > 0.0) return std::atan(y / x);
    if (x < 0.0) return y > 0.0 ? std::atan(y / x) + kPi : std::atan(y / x) - kPi;
    if (y > 0.0) return kPi / 2;
    if (y < 0.0) return -kPi / 2;
    return 0.0;
}

double GAsin(double x)
{
    if (x == 1.0) return kPi / 2;
    if (x == -1.0) return -kPi / 2;
    return std::atan(x / std::sqrt(1.0 - x * x));
}
