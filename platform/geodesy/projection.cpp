#include "platform/geodesy/projection.h"

#include <cmath>
#include <numbers>

#include "platform/geodesy/messages.h"

namespace geodesy {

namespace {

constexpr double kDegree = std::numbers::pi / 180.0;
constexpr double kScale = 0.9996;             // k0 of UTM
constexpr double kFalseEasting = 500000.0;    // metres
constexpr double kZoneFactor = 1000000.0;     // the zone stands in front of six easting digits

struct Shape {
    double e2;  // first eccentricity squared
    double e;
    double n;   // third flattening
};

Shape ShapeOf(const Ellipsoid& ellipsoid)
{
    Shape shape;
    shape.e2 = (ellipsoid.a - ellipsoid.b) * (ellipsoid.a + ellipsoid.b) / (ellipsoid.a * ellipsoid.a);
    shape.e = std::sqrt(shape.e2);
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

// Tangent of the latitude from the tangent of the conformal latitude, by
// Newton's method (Karney 2011, eqs. 7-9, 19-21).
double LatitudeTangent(double conformal, const Shape& shape)
{
    double tau = conformal;
    for (int i = 0; i < 10; ++i) {
        const double root = std::sqrt(1.0 + tau * tau);
        const double sigma = std::sinh(shape.e * std::atanh(shape.e * tau / root));
        const double guess = tau * std::sqrt(1.0 + sigma * sigma) - sigma * root;
        const double step = (conformal - guess) * (1.0 + (1.0 - shape.e2) * tau * tau) /
                            ((1.0 - shape.e2) * root * std::sqrt(1.0 + guess * guess));
        tau += step;
        if (std::abs(step) <= 1e-15 * std::max(1.0, std::abs(tau)))
            break;
    }
    return tau;
}

}  // namespace

bool UtmToGeographic(double east, double north, const Ellipsoid& ellipsoid, double& longitude, double& latitude)
{
    if (!CheckFinite(east, "east") || !CheckFinite(north, "north"))
        return false;
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
    double beta[6];
    InverseCoefficients(shape.n, beta);
    double xiPrime = xi;
    double etaPrime = eta;
    for (int j = 1; j <= 6; ++j) {
        xiPrime -= beta[j - 1] * std::sin(2.0 * j * xi) * std::cosh(2.0 * j * eta);
        etaPrime -= beta[j - 1] * std::cos(2.0 * j * xi) * std::sinh(2.0 * j * eta);
    }
    const double sinhEta = std::sinh(etaPrime);
    const double cosXi = std::cos(xiPrime);
    const double conformal = std::sin(xiPrime) / std::hypot(sinhEta, cosXi);
    latitude = std::atan(LatitudeTangent(conformal, shape)) / kDegree;
    const double centralMeridian = 6.0 * zone - 183.0;
    longitude = std::remainder(centralMeridian + std::atan2(sinhEta, cosXi) / kDegree, 360.0);
    if (longitude == -180.0)
        longitude = 180.0;
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
        if (done)
            break;
    }
    const double sinPhi = std::sin(phi);
    height = p * std::cos(phi) + x.z() * sinPhi - ellipsoid.a * std::sqrt(1.0 - shape.e2 * sinPhi * sinPhi);
    latitude = phi / kDegree;
    longitude = std::atan2(x.y(), x.x()) / kDegree;
}

}  // namespace geodesy
