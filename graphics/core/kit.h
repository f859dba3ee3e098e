#pragma once
// Small functions the kit's painter, drawing objects and windows share.

constexpr double kPi = 3.141592653589793;

// Integer part of x, truncated toward zero.
double GInteg(double x);
// Angle of the point (x, y) in radians, -pi <= result < pi (y = 0 with x < 0
// gives -pi).
double GAtan2(double y, double x);
// Arc sine of x (-1 to 1) in radians.
double GAsin(double x);
