#include "platform/geodesy/projection.h"

#include <cmath>
#include <complex>
#include <numbers>

#include "platform/geodesy/messages.h"

namespace geodesy {

namespace {

constexpr double kDegree = std::numbers::pi / 180.0;
constexpr double kDegreesPerRadian = 180.0 / std::numbers::pi;
constexpr double kScale = 0.9996;           // k0 of UTM
constexpr double kFalseEasting = 500000.0;  // metres
constexpr double kZoneFactor = 1000000.0;   // the zone stands in front of six easting digits

struct Shape {
    double e2;  // first eccentricity squared
    double n;   // third flattening
};

Shape ShapeOf(const Ellipsoid& ellipsoid)
{
    Shape shape;
    shape.e2 = (ellipsoid.a - ellipsoid.b) * (ellipsoid.a + ellipsoid.b) / (ellipsoid.a * ellipsoid.a);
    shape.n = (ellipsoid.a - ellipsoid.b) / (ellipsoid.a + ellipsoid.b);
    return shape;
}

// Rectifying radius A (Karney 2011, eq. 14).
double RectifyingRadius(const Ellipsoid& ellipsoid, double n)
{
    const double n2 = n * n;
    return ellipsoid.a / (1.0 + n) * (1.0 + n2 * (1.0 / 4.0 + n2 * (1.0 / 64.0 + n2 / 256.0)));
}

// Coefficients beta 1..6 of the inverse Krueger series (Karney 2011, eq. 36).
void InverseCoefficients(double n, double beta[6])
{
    const double n2 = n * n, n3 = n2 * n, n4 = n3 * n, n5 = n4 * n, n6 = n5 * n;
    beta[0] = n / 2.0 - 2.0 * n2 / 3.0 + 37.0 * n3 / 96.0 - n4 / 360.0 - 81.0 * n5 / 512.0 + 96199.0 * n6 / 604800.0;
    beta[1] = n2 / 48.0 + n3 / 15.0 - 437.0 * n4 / 1440.0 + 46.0 * n5 / 105.0 - 1118711.0 * n6 / 3870720.0;
    beta[2] = 17.0 * n3 / 480.0 - 37.0 * n4 / 840.0 - 209.0 * n5 / 4480.0 + 5569.0 * n6 / 90720.0;
    beta[3] = 4397.0 * n4 / 161280.0 - 11.0 * n5 / 504.0 - 830251.0 * n6 / 7257600.0;
    beta[4] = 4583.0 * n5 / 161280.0 - 108847.0 * n6 / 3991680.0;
    beta[5] = 20648693.0 * n6 / 638668800.0;
}

// Coefficients delta 1..6 of the series from conformal to geodetic latitude
// (Karney 2011, eq. 26 reversed; good to 1e-17 rad for the earth).
void LatitudeCoefficients(double n, double delta[6])
{
    const double n2 = n * n, n3 = n2 * n, n4 = n3 * n, n5 = n4 * n, n6 = n5 * n;
    delta[0] = 2.0 * n - 2.0 * n2 / 3.0 - 2.0 * n3 + 116.0 * n4 / 45.0 + 26.0 * n5 / 45.0 - 2854.0 * n6 / 675.0;
    delta[1] = 7.0 * n2 / 3.0 - 8.0 * n3 / 5.0 - 227.0 * n4 / 45.0 + 2704.0 * n5 / 315.0 + 2323.0 * n6 / 945.0;
    delta[2] = 56.0 * n3 / 15.0 - 136.0 * n4 / 35.0 - 1262.0 * n5 / 105.0 + 73814.0 * n6 / 2835.0;
    delta[3] = 4279.0 * n4 / 630.0 - 332.0 * n5 / 35.0 - 399572.0 * n6 / 14175.0;
    delta[4] = 4174.0 * n5 / 315.0 - 144838.0 * n6 / 6237.0;
    delta[5] = 601676.0 * n6 / 22275.0;
}

// The product of two numbers of the series: real, or complex without the
// runtime's rules for infinite parts (a call per product; the values here are
// finite).
double Times(double a, double b)
{
    return a * b;
}
std::complex<double> Times(const std::complex<double>& a, const std::complex<double>& b)
{
    return {a.real() * b.real() - a.imag() * b.imag(), a.real() * b.imag() + a.imag() * b.real()};
}

// sum c_j sin(2j z) for j = 1..6 by Clenshaw's recurrence, from sin 2z and
// cos 2z (real or complex z); c_j - b_j+2 is formed beside the product, off
// the chain of dependent steps.
template <typename T>
T SineSeries(const double c[6], const T& sin2, const T& cos2)
{
    const T twiceCos = 2.0 * cos2;
    T next(0.0), nextButOne(0.0);
#pragma GCC unroll 6
    for (int j = 5; j >= 0; --j) {
        const T current = Times(twiceCos, next) + (c[j] - nextButOne);
        nextButOne = next;
        next = current;
    }
    return Times(next, sin2);
}

// c[0] + c[1] z + ... + c[6] z^6 by Estrin's scheme: pairs first, a
// shorter chain of dependent operations than Horner's rule.
double Polynomial(double z, const double (&c)[7])
{
    const double z2 = z * z, z4 = z2 * z2;
    return (c[0] + c[1] * z) + z2 * (c[2] + c[3] * z) + z4 * ((c[4] + c[5] * z) + z2 * c[6]);
}

// Taylor coefficients of sin from y^3 on and of cos from y^4 on, in y^2.
constexpr double kSineTerms[] = {-1.0 / 6.0,        1.0 / 120.0,        -1.0 / 5040.0,         1.0 / 362880.0,
                                 -1.0 / 39916800.0, 1.0 / 6227020800.0, -1.0 / 1307674368000.0};
constexpr double kCosineTerms[] = {1.0 / 24.0,        -1.0 / 720.0,         1.0 / 40320.0,         -1.0 / 3628800.0,
                                   1.0 / 479001600.0, -1.0 / 87178291200.0, 1.0 / 20922789888000.0};

// sin y and cos y for |y| <= pi/4 from z = y^2 by the Taylor series to y^15
// and y^16 (the first left-out term is below 1e-16 of the value); with
// z = -y^2 the same series give sinh y and cosh y.
double SeriesSine(double y, double z)
{
    return y + y * z * Polynomial(z, kSineTerms);
}
double SeriesCosine(double z)
{
    // 1 - z/2 with its rounding error carried into the small terms.
    const double half = 0.5 * z;
    const double w = 1.0 - half;
    return w + (((1.0 - w) - half) + z * z * Polynomial(z, kCosineTerms));
}

// sin x and cos x for 0 <= x <= pi/2 (a little beyond is fine), by the
// series after y = pi/2 - x for x above pi/4 (with pi/2 in two parts, so
// that y is right to rounding). Within 1.5 units in the last place (against
// long double on 2e7 points); the MinGW runtime's sin and cos take many
// times as long together.
void QuadrantSineCosine(double x, double& sine, double& cosine)
{
    constexpr double kHalfPiHigh = 1.5707963267948966;    // pi/2 rounded
    constexpr double kHalfPiLow = 6.123233995736766e-17;  // pi/2 - kHalfPiHigh
    const bool reflected = x > std::numbers::pi / 4.0;
    const double y = reflected ? (kHalfPiHigh - x) + kHalfPiLow : x;
    const double s = SeriesSine(y, y * y);
    const double c = SeriesCosine(y * y);
    sine = reflected ? c : s;
    cosine = reflected ? s : c;
}

}  // namespace

UtmInverse::UtmInverse(const Ellipsoid& ellipsoid) : ellipsoid_(ellipsoid)
{
    const double n = ShapeOf(ellipsoid).n;
    const double radius = kScale * RectifyingRadius(ellipsoid, n);
    perRadius_ = 1.0 / radius;
    pole_ = radius * std::numbers::pi / 2.0;
    InverseCoefficients(n, beta_);
    LatitudeCoefficients(n, delta_);
}

bool UtmInverse::Apply(double east, double north, double& longitude, double& latitude) const
{
    if (!CheckFinite(east, "east") || !CheckFinite(north, "north")) return false;
    const double zone = std::floor(east / kZoneFactor);
    if (zone < 1.0 || zone > 60.0)
        return Fail(Format(Say("The east value %1 holds zone %2; zones run from 1 to 60 and stand in front of the "
                               "six digits of the easting.",
                               "Der Ostwert %1 enth\xE4lt die Zone %2; Zonen reichen von 1 bis 60 und stehen vor den "
                               "sechs Stellen des Ostwerts."),
                           {Number(east), Number(zone)}));
    if (north < 0.0 || north > pole_)
        return Fail(Format(Say("The north value %1 m lies outside the projection's domain (0 to %2 m, northern "
                               "hemisphere).",
                               "Der Nordwert %1 m liegt au\xDF"
                               "erhalb des Bereichs der Abbildung (0 bis %2 m, Nordhalbkugel)."),
                           {Number(north), Number(std::floor(pole_))}));
    const double xi = north * perRadius_;
    const double eta = (east - zone * kZoneFactor - kFalseEasting) * perRadius_;
    // zeta' = zeta - sum beta_j sin(2j zeta) with zeta = xi + i eta. Every
    // sine, cosine and sinh below comes from our series and identities: the
    // runtime's functions would cost more than all the rest.
    double sinXi, cosXi;
    QuadrantSineCosine(xi, sinXi, cosXi);
    // |eta| < 0.08 on the earth (six easting digits); the runtime's sinh
    // only for tiny user ellipsoids.
    const double sinhEta = std::abs(eta) < std::numbers::pi / 4.0 ? SeriesSine(eta, -eta * eta) : std::sinh(eta);
    const double coshEta = std::sqrt(1.0 + sinhEta * sinhEta);
    const std::complex<double> sin2(2.0 * sinXi * cosXi * (1.0 + 2.0 * sinhEta * sinhEta),
                                    (cosXi - sinXi) * (cosXi + sinXi) * 2.0 * sinhEta * coshEta);
    const std::complex<double> cos2((cosXi - sinXi) * (cosXi + sinXi) * (1.0 + 2.0 * sinhEta * sinhEta),
                                    -2.0 * sinXi * cosXi * 2.0 * sinhEta * coshEta);
    const std::complex<double> shift = SineSeries(beta_, sin2, cos2);
    const double d = shift.real(), e = shift.imag();  // small
    const double sinD = SeriesSine(d, d * d), cosD = SeriesCosine(d * d);
    const double sinhE = SeriesSine(e, -e * e), coshE = SeriesCosine(-e * e);
    const double sinXiPrime = sinXi * cosD - cosXi * sinD;
    const double cosXiPrime = cosXi * cosD + sinXi * sinD;
    const double sinhEtaPrime = sinhEta * coshE - coshEta * sinhE;
    // Conformal latitude chi, then the geodetic latitude by its series. With
    // q = sqrt(sinh^2 eta' + cos^2 xi'), tan chi = sin xi' / q and
    // sin^2 xi' + q^2 = cosh^2 eta', so that 2 chi's sine and cosine need no
    // angle: sin 2chi = 2 q sin xi' / cosh^2 eta', cos 2chi = (q^2 - sin^2
    // xi') / cosh^2 eta'.
    const double q2 = sinhEtaPrime * sinhEtaPrime + cosXiPrime * cosXiPrime;
    const double chi = std::atan(sinXiPrime / std::sqrt(q2));
    const double perCosh2 = 1.0 / (1.0 + sinhEtaPrime * sinhEtaPrime);
    const double sin2Chi = 2.0 * std::sqrt(q2) * sinXiPrime * perCosh2;
    const double cos2Chi = (q2 - sinXiPrime * sinXiPrime) * perCosh2;
    latitude = (chi + SineSeries(delta_, sin2Chi, cos2Chi)) * kDegreesPerRadian;
    const double lambda =
        cosXiPrime > 0.0 ? std::atan(sinhEtaPrime / cosXiPrime) : std::atan2(sinhEtaPrime, cosXiPrime);
    const double centralMeridian = 6.0 * zone - 183.0;
    longitude = centralMeridian + lambda * kDegreesPerRadian;
    if (longitude > 180.0)
        longitude -= 360.0;
    else if (longitude <= -180.0)
        longitude += 360.0;
    // On a small user ellipsoid an easting far beyond its size overflows the
    // series.
    if (!std::isfinite(latitude) || !std::isfinite(longitude))
        return Fail(Format(Say("The point %1, %2 lies outside the projection's domain on this ellipsoid.",
                               "Der Punkt %1, %2 liegt au\xDF"
                               "erhalb des Bereichs der Abbildung auf diesem Ellipsoid."),
                           {Number(east), Number(north)}));
    return true;
}

Eigen::Vector3d GeographicToCartesian(double longitude, double latitude, double height, const Ellipsoid& ellipsoid)
{
    const Shape shape = ShapeOf(ellipsoid);
    const double phi = latitude * kDegree;
    const double lambda = longitude * kDegree;
    const double normal = ellipsoid.a / std::sqrt(1.0 - shape.e2 * std::sin(phi) * std::sin(phi));
    return {(normal + height) * std::cos(phi) * std::cos(lambda), (normal + height) * std::cos(phi) * std::sin(lambda),
            ((1.0 - shape.e2) * normal + height) * std::sin(phi)};
}

void CartesianToGeographic(const Eigen::Vector3d& x, const Ellipsoid& ellipsoid, double& longitude, double& latitude,
                           double& height)
{
    const Shape shape = ShapeOf(ellipsoid);
    const double p = std::hypot(x.x(), x.y());
    double phi = std::atan2(x.z(), p * (1.0 - shape.e2));
    for (int i = 0; i < 10; ++i) {
        const double sinPhi = std::sin(phi);
        const double normal = ellipsoid.a / std::sqrt(1.0 - shape.e2 * sinPhi * sinPhi);
        const double next = std::atan2(x.z() + shape.e2 * normal * sinPhi, p);
        const bool done = std::abs(next - phi) < 1e-15;
        phi = next;
        if (done) break;
    }
    const double sinPhi = std::sin(phi);
    height = p * std::cos(phi) + x.z() * sinPhi - ellipsoid.a * std::sqrt(1.0 - shape.e2 * sinPhi * sinPhi);
    latitude = phi / kDegree;
    longitude = std::atan2(x.y(), x.x()) / kDegree;
}

}  // namespace geodesy
