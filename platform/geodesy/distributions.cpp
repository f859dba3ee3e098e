#include "platform/geodesy/distributions.h"

#include <cmath>
#include <limits>
#include <numbers>

namespace geodesy {

namespace {

constexpr double kInfinity = std::numeric_limits<double>::infinity();

// The continued fraction of the incomplete beta function I_x(a, b),
// evaluated by the modified Lentz method; it converges quickly for
// x < (a + 1) / (a + b + 2).
double BetaFraction(double a, double b, double x)
{
    constexpr double kTiny = 1e-300;
    auto guard = [](double v) { return std::abs(v) < kTiny ? kTiny : v; };
    double c = 1.0;
    double d = 1.0 / guard(1.0 - (a + b) * x / (a + 1.0));
    double h = d;
    for (int m = 1; m <= 100000; ++m) {
        const double m2 = 2.0 * m;
        double term = m * (b - m) * x / ((a - 1.0 + m2) * (a + m2));
        d = 1.0 / guard(1.0 + term * d);
        c = guard(1.0 + term / c);
        h *= d * c;
        term = -(a + m) * (a + b + m) * x / ((a + m2) * (a + 1.0 + m2));
        d = 1.0 / guard(1.0 + term * d);
        c = guard(1.0 + term / c);
        const double step = d * c;
        h *= step;
        if (std::abs(step - 1.0) < 1e-16) break;
    }
    return h;
}

// ln I_x(a, b) for x in [0, 1], y = 1 - x given separately so that neither
// loses digits near 0 or 1.
double LogIncompleteBeta(double a, double b, double x, double y)
{
    if (x <= 0.0) return -kInfinity;
    if (y <= 0.0) return 0.0;
    const double logBeta = std::lgamma(a) + std::lgamma(b) - std::lgamma(a + b);
    if (x < (a + 1.0) / (a + b + 2.0))
        return a * std::log(x) + b * std::log(y) - std::log(a) - logBeta + std::log(BetaFraction(a, b, x));
    const double complement =
        b * std::log(y) + a * std::log(x) - std::log(b) - logBeta + std::log(BetaFraction(b, a, y));
    return std::log1p(-std::exp(complement));
}

// The x >= 0 where a decreasing logarithmic tail reaches `target`: Newton
// steps on ln P, kept inside a bracket that halves when a step leaves it.
// logDensity is ln(-d P / dx).
template <class Tail, class Density>
double InvertTail(double target, Tail logTail, Density logDensity)
{
    if (!(target < 0.0)) return 0.0;
    if (target == -kInfinity) return kInfinity;
    double low = 0.0;
    double high = 1.0;
    while (logTail(high) > target) {
        low = high;
        high *= 2.0;
        if (high > 1e300) return kInfinity;
    }
    double x = 0.5 * (low + high);
    for (int i = 0; i < 200; ++i) {
        const double value = logTail(x);
        if (value > target)
            low = x;
        else
            high = x;
        // d ln P / dx = -density / P
        const double slope = -std::exp(logDensity(x) - value);
        double next = x - (value - target) / slope;
        if (!(next > low && next < high)) next = 0.5 * (low + high);
        if (std::abs(next - x) <= 1e-15 * x || high - low <= 1e-15 * high) return next;
        x = next;
    }
    return x;
}

}  // namespace

double LogNormalTail(double z)
{
    const double x = z / std::numbers::sqrt2;
    if (x < 14.0) return std::log(std::erfc(x));
    // erfc(x) = exp(-x^2) / (x sqrt(pi)) (1 - 1/(2x^2) + 3/(4x^4) - ...),
    // relative error below 1e-10 from x = 14 on.
    const double u = 1.0 / (2.0 * x * x);
    const double series = 1.0 - u * (1.0 - 3.0 * u * (1.0 - 5.0 * u * (1.0 - 7.0 * u)));
    return -x * x - std::log(x * std::sqrt(std::numbers::pi)) + std::log(series);
}

double LogStudentTail(double t, double nu)
{
    const double t2 = t * t;
    return LogIncompleteBeta(0.5 * nu, 0.5, nu / (nu + t2), t2 / (nu + t2));
}

double NormalQuantile(double logTail)
{
    // two-sided density: 2 phi(z)
    return InvertTail(logTail, LogNormalTail,
                      [](double z) { return std::log(2.0 / std::sqrt(2.0 * std::numbers::pi)) - 0.5 * z * z; });
}

double StudentQuantile(double logTail, double nu)
{
    const double logScale =
        std::lgamma(0.5 * (nu + 1.0)) - std::lgamma(0.5 * nu) - 0.5 * std::log(nu * std::numbers::pi);
    return InvertTail(
        logTail, [nu](double t) { return LogStudentTail(t, nu); },
        [nu, logScale](double t) { return std::log(2.0) + logScale - 0.5 * (nu + 1.0) * std::log1p(t * t / nu); });
}

}  // namespace geodesy
