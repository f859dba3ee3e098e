// A datum transformation in one of the four conventions, and the conversion
// between its inner units (radians, plain scale) and the parameter sets the
// callers pass (metres, arc-seconds, ppm).
#pragma once

#include <cstdint>

#include <Eigen/Dense>

#include "platform/geodesy/orbalith32.h"

namespace geodesy {

// Accepts the codes first..last; fails with a message otherwise.
bool ToConvention(std::uint16_t code, std::uint16_t last, Convention& convention);

struct Transformation {
    Convention convention = Convention::Molodensky;
    Eigen::Vector3d t = Eigen::Vector3d::Zero();  // metres
    Eigen::Vector3d r = Eigen::Vector3d::Zero();  // radians
    double s = 0.0;                               // scale - 1, plain number

    // The transformation without its translation.
    Eigen::Vector3d Linear(const Eigen::Vector3d& x) const;
    Eigen::Vector3d Apply(const Eigen::Vector3d& x) const { return t + Linear(x); }
    // The matrix of the convention without the scale.
    Eigen::Matrix3d RotationMatrix() const;
};

// From a caller's parameter set tx, ty, tz, rx, ry, rz, scale; the rotations
// and the scale of a Molodensky set are ignored. Fails on a value that is not
// finite.
bool FromParameters(Convention convention, const double* parameters, Transformation& transformation);
void ToParameters(const Transformation& transformation, double* parameters);

}  // namespace geodesy
