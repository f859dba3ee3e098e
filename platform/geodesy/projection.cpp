#include "platform/geodesy/projection.h"

#include <cmath>
#include <complex>
#include <numbers>

#include "platform/geodesy/messages.h"

namespace geodesy {

namespace {

constexpr double kDegree = std::numbers::pi / 180.0;
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

// sum c_j sin(2j z) for j = 1..6 by Clenshaw's recurrence, from sin 2z and
// cos 2z (real or complex z).
template <typename T>
T SineSeries(const double c[6], const T& sin2, const T& cos2)
{
    const T twiceCos = 2.0 * cos2;
    T next(0.0), nextButOne(0.0);
    for (int j = 5; j >= 0; --j) {
        const T current = twiceCos * next - nextButOne + c[j];
        nextButOne = next;
        next = current;
    }
    return next * sin2;
}

// sin d and cos d, sinh d and cosh d of a small d (|d| < 0.01) by their
// Taylor series, exact to rounding; the series leave out library calls.
double SmallSin(double d)
{
    const double d2 = d * d;
    return d * (1.0 - d2 / 6.0 * (1.0 - d2 / 20.0 * (1.0 - d2 / 42.0)));
}
double SmallCos(double d)
{
    const double d2 = d * d;
    return 1.0 - d2 / 2.0 * (1.0 - d2 / 12.0 * (1.0 - d2 / 30.0));
}
double SmallSinh(double d)
{
    const double d2 = d * d;
    return d * (1.0 + d2 / 6.0 * (1.0 + d2 / 20.0 * (1.0 + d2 / 42.0)));
}
double SmallCosh(double d)
{
    const double d2 = d * d;
    return 1.0 + d2 / 2.0 * (1.0 + d2 / 12.0 * (1.0 + d2 / 30.0));
}

}  // namespace

bool UtmToGeographic(double east, double north, const Ellipsoid& ellipsoid, double& longitude, double& latitude)
{
    if (!CheckFinite(east, "east") || !CheckFinite(north, "north")) return false;
    const double zone = std::floor(east / kZoneFactor);
    if (zone < 1.0 || zone > 60.0)
        return Fail(Format(Say("The east value %1 holds zone %2; zones run from 1 to 60 and stand in front of the "
                               "six digits of the easting.",
                               "Der Ostwert %1 enth\xE4lt die Zone %2; Zonen reichen von 1 bis 60 und stehen vor den "
                               "sechs Stellen des Ostwerts."),
                           {Number(east), Number(zone)}));
    const Shape shape = ShapeOf(ellipsoid);
    const double radius = kScale * RectifyingRadius(ellipsoid, shape.n);
    const double pole = radius * std::numbers::pi / 2.0;
    if (north < 0.0 || north > pole)
        return Fail(Format(Say("The north value %1 m lies outside the projection's domain (0 to %2 m, northern "
                               "hemisphere).",
                               "Der Nordwert %1 m liegt au\xDF"
                               "erhalb des Bereichs der Abbildung (0 bis %2 m, Nordhalbkugel)."),
                           {Number(north), Number(std::floor(pole))}));
    const double xi = north / radius;
    const double eta = (east - zone * kZoneFactor - kFalseEasting) / radius;
    // zeta' = zeta - sum beta_j sin(2j zeta) with zeta = xi + i eta. The
    // angles of the double and the shifted arguments come from sin xi, cos xi
    // and sinh eta by identities and small-angle series: the math library's
    // functions cost more than all the rest.
    double beta[6];
    InverseCoefficients(shape.n, beta);
    const double sinXi = std::sin(xi), cosXi = std::cos(xi);
    const double sinhEta = std::sinh(eta), coshEta = std::sqrt(1.0 + sinhEta * sinhEta);
    const std::complex<double> sin2(2.0 * sinXi * cosXi * (1.0 + 2.0 * sinhEta * sinhEta),
                                    (cosXi - sinXi) * (cosXi + sinXi) * 2.0 * sinhEta * coshEta);
    const std::complex<double> cos2((cosXi - sinXi) * (cosXi + sinXi) * (1.0 + 2.0 * sinhEta * sinhEta),
                                    -2.0 * sinXi * cosXi * 2.0 * sinhEta * coshEta);
    const std::complex<double> shift = SineSeries(beta, sin2, cos2);
    const double sinXiPrime = sinXi * SmallCos(shift.real()) - cosXi * SmallSin(shift.real());
    const double cosXiPrime = cosXi * SmallCos(shift.real()) + sinXi * SmallSin(shift.real());
    const double sinhEtaPrime = sinhEta * SmallCosh(shift.imag()) - coshEta * SmallSinh(shift.imag());
    // Conformal latitude chi, then the geodetic latitude by its series.
    const double conformal = sinXiPrime / std::sqrt(sinhEtaPrime * sinhEtaPrime + cosXiPrime * cosXiPrime);
    const double chi = std::atan(conformal);
    const double u = std::abs(conformal) > 1.0 ? 1.0 / conformal : conformal;  // tan or cot of chi
    const double sin2Chi = 2.0 * u / (1.0 + u * u);
    const double cos2Chi = (std::abs(conformal) > 1.0 ? u * u - 1.0 : 1.0 - u * u) / (1.0 + u * u);
    double delta[6];
    LatitudeCoefficients(shape.n, delta);
    latitude = (chi + SineSeries(delta, sin2Chi, cos2Chi)) / kDegree;
    const double lambda =
        cosXiPrime > 0.0 ? std::atan(sinhEtaPrime / cosXiPrime) : std::atan2(sinhEtaPrime, cosXiPrime);
    const double centralMeridian = 6.0 * zone - 183.0;
    longitude = centralMeridian + lambda / kDegree;
    if (longitude > 180.0)
        longitude -= 360.0;
    else if (longitude <= -180.0)
        longitude += 360.0;
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
