#include "graphics/objects/splinecurve.h"

#include <algorithm>
#include <cmath>

#include "platform/runtime/numtext.h"

namespace {
bool AllFinite(const std::vector<double>& v)
{
    for (double d : v)
        if (!std::isfinite(d)) return false;
    return true;
}
}  // namespace

void SplineCurve::SetKnots(std::vector<double> x, std::vector<double> y, std::vector<double> sigma)
{
    _nCount = static_cast<int>(x.size());
    const size_t size = x.size() + 1;
    _aKnotX.assign(1, 0.0);
    _aKnotX.insert(_aKnotX.end(), x.begin(), x.end());
    _aKnotY.assign(1, 0.0);
    _aKnotY.insert(_aKnotY.end(), y.begin(), y.end());
    _aWeight.assign(1, 0.0);
    _aWeight.insert(_aWeight.end(), sigma.begin(), sigma.end());
    _aKnotY.resize(size, 0.0);
    _aWeight.resize(size, 30.0);
    _aCoeffA.assign(size, 0.0);
    _aCoeffB.assign(size, 0.0);
    _aCoeffC.assign(size, 0.0);
    _aCoeffD.assign(size, 0.0);
    _aMatrix.assign((size + 1) * 8, 0.0);
}

double SplineCurve::CalculateSpline(double s)
{
    const int n = _nCount;
    if (n < 2) return s;
    if (s == -1.0) s = 10000.0;
    if (n < 3 || s < -0.00001) {
        StraightSegments();
        return s;
    }
    InitSpline();
    if (s <= 0.00001) {
        InterpolatingSpline();
        return s;
    }

    Substitution(0.0);
    double f = WeightedDeviation();
    if (f <= s) s = f - 0.0001;

    double u = 0.0;
    for (int i = 2; i <= n; ++i) {
        const double c0 = _aCoeffC[i - 1], c1 = _aCoeffC[i];
        u += M(i - 1, 4) * (c0 * (c0 + c1) + c1 * c1);
    }
    // Knots (nearly) on one straight line leave no room for smoothing: the
    // interpolating spline is then the straight line itself.
    if (!(s > 0.0) || !(u > 0.0) || !std::isfinite(f)) {
        InterpolatingSpline();
        return s;
    }

    const double e = 1.0 / std::sqrt(s);
    double r = 1.0 / std::sqrt(f);
    double lambda = -(r - e) * f / (6.0 * u * r);
    double lambdaPrev = 0.0, rPrev = r;
    double p = 0.0;
    for (int count = 1;; ++count) {
        if (!std::isfinite(lambda) || lambda <= -1.0) {
            InterpolatingSpline();
            return s;
        }
        p = lambda / (1.0 + lambda);
        Substitution(p);
        f = WeightedDeviation() / ((1.0 + lambda) * (1.0 + lambda));
        if (std::fabs(f - s) <= 0.01 * s || count > 100) break;
        r = 1.0 / std::sqrt(f);
        if (r == rPrev) break;
        const double delta = (lambda - lambdaPrev) / (r - rPrev) * (r - e);
        lambdaPrev = lambda;
        lambda -= delta;
        rPrev = r;
    }
    Finish(lambda, p);
    if (!AllFinite(_aCoeffA) || !AllFinite(_aCoeffB) || !AllFinite(_aCoeffC) || !AllFinite(_aCoeffD))
        InterpolatingSpline();
    return s;
}

void SplineCurve::StraightSegments()
{
    const int n = _nCount;
    for (int i = 1; i < n; ++i) {
        _aCoeffA[i] = _aKnotY[i];
        _aCoeffB[i] = (_aKnotY[i + 1] - _aKnotY[i]) / (_aKnotX[i + 1] - _aKnotX[i]);
        _aCoeffC[i] = 0.0;
        _aCoeffD[i] = 0.0;
    }
    _aCoeffA[n] = _aKnotY[n];
}

void SplineCurve::InterpolatingSpline()
{
    InitSpline();
    Substitution(1.0);
    Finish(0.0, 1.0);
}

double SplineCurve::WeightedDeviation() const
{
    double sum = 0.0;
    for (int i = 1; i <= _nCount; ++i) {
        const double v = _aCoeffA[i] * _aWeight[i];
        sum += v * v;
    }
    return 36.0 * sum;
}

void SplineCurve::Finish(double lambda, double p)
{
    const int n = _nCount;
    const double w = lambda > 0.0 ? 6.0 / (1.0 + lambda) : 0.0;
    for (int i = 1; i <= n; ++i) _aCoeffA[i] = _aKnotY[i] - w * _aWeight[i] * _aWeight[i] * _aCoeffA[i];
    for (int i = 1; i <= n; ++i) _aCoeffC[i] *= 6.0 * p;
    for (int i = 1; i < n; ++i) {
        const double h = M(i, 4);
        _aCoeffD[i] = (_aCoeffC[i + 1] - _aCoeffC[i]) / h;
        _aCoeffB[i] = (_aCoeffA[i + 1] - _aCoeffA[i]) / h - ((_aCoeffC[i] + (_aCoeffD[i] / 3.0) * h) / 2.0) * h;
    }
}

void SplineCurve::InitSpline()
{
    const int n = _nCount;
    const std::vector<double>& x = _aKnotX;
    const std::vector<double>& y = _aKnotY;
    const std::vector<double>& sigma = _aWeight;
    std::fill(_aMatrix.begin(), _aMatrix.end(), 0.0);

    M(1, 4) = x[2] - x[1];
    for (int i = 2; i <= n - 1; ++i) {
        const double h0 = x[i] - x[i - 1], h1 = x[i + 1] - x[i];
        M(i, 4) = h1;
        M(i, 1) = sigma[i - 1] / h0;
        M(i, 2) = -sigma[i] / h1 - sigma[i] / h0;
        M(i, 3) = sigma[i + 1] / h1;
    }
    M(n, 1) = 0.0;
    for (int i = 2; i <= n - 1; ++i) M(i, 5) = M(i, 1) * M(i, 1) + M(i, 2) * M(i, 2) + M(i, 3) * M(i, 3);
    for (int i = 3; i <= n - 1; ++i) M(i - 1, 6) = M(i - 1, 2) * M(i, 1) + M(i - 1, 3) * M(i, 2);
    M(n - 1, 6) = 0.0;
    for (int i = 4; i <= n - 1; ++i) M(i - 2, 7) = M(i - 2, 3) * M(i, 1);
    M(n - 2, 7) = 0.0;
    M(n - 1, 7) = 0.0;

    double prev = (y[2] - y[1]) / M(1, 4);
    for (int i = 2; i <= n - 1; ++i) {
        const double diff = (y[i + 1] - y[i]) / M(i, 4);
        _aCoeffD[i] = diff - prev;
        prev = diff;
    }
}

void SplineCurve::Substitution(double p)
{
    const int n = _nCount;
    std::vector<double>& c = _aCoeffC;
    std::vector<double>& a = _aCoeffA;
    const std::vector<double>& d = _aCoeffD;

    const double q = 6.0 * (1.0 - p);
    for (int i = 2; i <= n - 1; ++i) {
        M(i, 1) = q * M(i, 5) + 2.0 * p * (M(i - 1, 4) + M(i, 4));
        M(i, 2) = q * M(i, 6) + p * M(i, 4);
        M(i, 3) = q * M(i, 7);
    }
    if (n >= 4) {
        for (int i = 2; i <= n - 2; ++i) {
            double r = M(i, 2) / M(i, 1);
            M(i + 1, 1) -= r * M(i, 2);
            M(i + 1, 2) -= r * M(i, 3);
            M(i, 2) = r;
            r = M(i, 3) / M(i, 1);
            M(i + 2, 1) -= r * M(i, 3);
            M(i, 3) = r;
        }
        c[1] = 0.0;
        M(1, 3) = 0.0;
        c[2] = d[2];
        for (int i = 2; i <= n - 2; ++i) c[i + 1] = d[i + 1] - M(i, 2) * c[i] - M(i - 1, 3) * c[i - 1];
        c[n] = 0.0;
        c[n - 1] = c[n - 1] / M(n - 1, 1);
        for (int i = n - 2; i >= 2; --i) c[i] = c[i] / M(i, 1) - c[i + 1] * M(i, 2) - c[i + 2] * M(i, 3);
    } else {
        c[1] = 0.0;
        c[2] = d[2] / M(2, 1);
        c[3] = 0.0;
    }
    double prev = 0.0;
    for (int i = 2; i <= n; ++i) {
        a[i] = (c[i] - c[i - 1]) / M(i - 1, 4);
        a[i - 1] = a[i] - prev;
        prev = a[i];
    }
    a[n] = -a[n];
}

double SplineCurve::Value(double x) const
{
    const int n = _nCount;
    if (n < 1) return 0.0;
    if (n == 1) return _aKnotY[1];
    int i = 1;
    while (i < n - 1 && !(_aKnotX[i] <= x && x <= _aKnotX[i + 1])) ++i;
    if (x < _aKnotX[1]) i = 1;
    return ValueOn(i, x);
}

double SplineCurve::ValueOn(int i, double x) const
{
    // At the interval's end its neighbour's value, which the polynomial
    // would give only after cancelling its terms against each other: beside
    // a knot at 1e300 nothing of the value would be left.
    if (x == _aKnotX[i + 1]) return _aCoeffA[i + 1];
    const double t = x - _aKnotX[i];
    return _aCoeffA[i] + t * (_aCoeffB[i] + t * (_aCoeffC[i] + t * _aCoeffD[i] / 3.0) / 2.0);
}

long SplineCurve::GetCoordinate(double x) const
{
    return Long(Value(x));
}

long SplineCurve::GetCoordinate(double x, int& nInterval) const
{
    if (_nCount < 2) return Long(Value(x));
    while (nInterval < _nCount - 1 && x > _aKnotX[nInterval + 1]) ++nInterval;
    return Long(ValueOn(nInterval, x));
}
