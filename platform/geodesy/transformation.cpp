#include "platform/geodesy/transformation.h"

#include <cmath>
#include <numbers>

#include "platform/geodesy/messages.h"

namespace geodesy {

namespace {

constexpr double kArcSecond = std::numbers::pi / (180.0 * 3600.0);
constexpr double kPpm = 1e-6;

}  // namespace

bool ToConvention(std::uint16_t code, std::uint16_t last, Convention& convention)
{
    if (code < 1 || code > last)
        return Fail(Format(Say("The convention %1 is unknown; allowed are 1 to %2.",
                               "Die Konvention %1 ist unbekannt; erlaubt sind 1 bis %2."),
                           {std::to_string(code), std::to_string(last)}));
    convention = static_cast<Convention>(code);
    return true;
}

Eigen::Vector3d Transformation::Linear(const Eigen::Vector3d& x) const
{
    switch (convention) {
    case Convention::CoordinateFrame: return (1.0 + s) * (x - r.cross(x));
    case Convention::PositionVector: return (1.0 + s) * (x + r.cross(x));
    case Convention::Iso19111: return (1.0 + s) * x + r.cross(x);
    case Convention::Molodensky: break;
    }
    return x;
}

Eigen::Matrix3d Transformation::RotationMatrix() const
{
    Eigen::Matrix3d omega;  // omega * x = r x x
    omega << 0.0, -r.z(), r.y(), r.z(), 0.0, -r.x(), -r.y(), r.x(), 0.0;
    switch (convention) {
    case Convention::CoordinateFrame: return Eigen::Matrix3d::Identity() - omega;
    case Convention::PositionVector:
    case Convention::Iso19111: return Eigen::Matrix3d::Identity() + omega;
    case Convention::Molodensky: break;
    }
    return Eigen::Matrix3d::Identity();
}

bool FromParameters(Convention convention, const double* parameters, Transformation& transformation)
{
    static const char* const kNames[7] = {"tx", "ty", "tz", "rx", "ry", "rz", "scale"};
    const int used = convention == Convention::Molodensky ? 3 : 7;
    for (int i = 0; i < used; ++i)
        if (!CheckFinite(parameters[i], kNames[i])) return false;
    transformation = Transformation();
    transformation.convention = convention;
    transformation.t = Eigen::Vector3d(parameters[0], parameters[1], parameters[2]);
    if (convention != Convention::Molodensky) {
        transformation.r = Eigen::Vector3d(parameters[3], parameters[4], parameters[5]) * kArcSecond;
        transformation.s = parameters[6] * kPpm;
    }
    return true;
}

void ToParameters(const Transformation& transformation, double* parameters)
{
    for (int i = 0; i < 3; ++i) {
        parameters[i] = transformation.t[i];
        parameters[3 + i] = transformation.r[i] / kArcSecond;
    }
    parameters[6] = transformation.s / kPpm;
}

}  // namespace geodesy
