// The cubic spline of objectSpline: an interpolating or smoothing spline
// through knots given in device units, evaluated column by column.
//
// The curve of interval i (X[i] <= x <= X[i+1], t = x - X[i]) is
// f(x) = a[i] + b[i] t + c[i] t^2 / 2 + d[i] t^3 / 6. A smoothing value S at
// or near 0 interpolates the knots; a larger S looks for the curve of least
// curvature whose weighted squared deviations stay within 1 % of S; a
// negative S (and any two knots) joins the knots by straight segments.
#pragma once

#include <vector>

class SplineCurve {
public:
    // Knots in device units; x must increase strictly. sigma is the
    // tolerance of each knot (device units, > 0).
    void SetKnots(std::vector<double> x, std::vector<double> y, std::vector<double> sigma);

    double KnotX(int i) const { return _aKnotX[i]; }

    // Computes the coefficients for the smoothing value S; returns the value
    // actually used (-1 becomes 10000, a bound above the straight-line
    // deviation is lowered below it).
    double CalculateSpline(double smoothing);

    // f(x) for X[1] <= x <= X[n], rounded to a whole number and held within
    // the 32-bit range.
    long GetCoordinate(double x) const;
    // The same for x that only grow from call to call: the interval nInterval
    // (start with 1) moves on instead of being searched.
    long GetCoordinate(double x, int& nInterval) const;
    // f(x) unrounded, for callers that check the curve itself.
    double Value(double x) const;

private:
    void InitSpline();
    void Substitution(double p);
    void StraightSegments();
    void InterpolatingSpline();
    void Finish(double lambda, double p);
    double WeightedDeviation() const;
    double& M(int row, int col) { return _aMatrix[row * 8 + col]; }
    // f(x) on interval i.
    double ValueOn(int i, double x) const;

    // Arrays are 1-based: entry 0 is unused.
    int _nCount = 0;
    std::vector<double> _aKnotX, _aKnotY, _aWeight;
    std::vector<double> _aCoeffA, _aCoeffB, _aCoeffC, _aCoeffD;
    std::vector<double> _aMatrix;  // rows 1..n, columns 1..7
};
