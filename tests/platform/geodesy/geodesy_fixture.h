// A fresh copy of orbalith32.dll per test (its state goes with the unload),
// and plain reference formulas that the tests check the library against.
#pragma once

#include <array>
#include <cmath>
#include <numbers>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "platform/geodesy/orbalith32.h"

namespace geodesy_test {

using Vec = std::array<double, 3>;
using Mat = std::array<Vec, 3>;

constexpr double kDegree = std::numbers::pi / 180.0;
constexpr double kArcSecond = kDegree / 3600.0;

struct Shape {
    double a;
    double b;
};
constexpr Shape kWgs84 = {6378137.0, 6378137.0 * (1.0 - 1.0 / 298.257223563)};

class GeodesyTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(lib.Load(MDX_PROGRAM_DIR "/orbalith32.dll")) << lib.Error();
        lib.setlanguage(2);
    }

    // The message of the last failure.
    std::string Message()
    {
        const char* text = nullptr;
        EXPECT_NE(lib.geterrorcode(&text), 0);
        return text != nullptr ? text : "";
    }

    geodesy::GeodesyLibrary lib;
};

inline Vec Multiply(const Mat& m, const Vec& x)
{
    Vec y{};
    for (int i = 0; i < 3; ++i) y[i] = m[i][0] * x[0] + m[i][1] * x[1] + m[i][2] * x[2];
    return y;
}

// The matrix of a convention without the scale, written out as documented.
inline Mat ConventionMatrix(int convention, const double* p)
{
    const double rx = p[3] * kArcSecond, ry = p[4] * kArcSecond, rz = p[5] * kArcSecond;
    const Mat frame = {Vec{1.0, rz, -ry}, Vec{-rz, 1.0, rx}, Vec{ry, -rx, 1.0}};
    if (convention == 1) return frame;
    if (convention == 4) return {Vec{1.0, 0.0, 0.0}, Vec{0.0, 1.0, 0.0}, Vec{0.0, 0.0, 1.0}};
    Mat vector{};
    for (int i = 0; i < 3; ++i)
        for (int j = 0; j < 3; ++j) vector[i][j] = frame[j][i];
    return vector;
}

// X' of a convention 1-4 from a parameter set (m, arc-seconds, ppm).
inline Vec Transform(int convention, const double* p, const Vec& x)
{
    const double s = convention == 4 ? 0.0 : p[6] * 1e-6;
    const Vec rotated = Multiply(ConventionMatrix(convention, p), x);
    Vec y{};
    for (int i = 0; i < 3; ++i) {
        // Convention 3 adds the scale as a matrix term: (I + sI + Omega) x.
        const double linear = convention == 3 ? rotated[i] + s * x[i] : (1.0 + s) * rotated[i];
        y[i] = p[i] + linear;
    }
    return y;
}

inline Vec GeographicToCartesian(double lonDeg, double latDeg, double h, Shape e = kWgs84)
{
    const double e2 = 1.0 - (e.b * e.b) / (e.a * e.a);
    const double lat = latDeg * kDegree, lon = lonDeg * kDegree;
    const double n = e.a / std::sqrt(1.0 - e2 * std::sin(lat) * std::sin(lat));
    return {(n + h) * std::cos(lat) * std::cos(lon), (n + h) * std::cos(lat) * std::sin(lon),
            (n * (1.0 - e2) + h) * std::sin(lat)};
}

// A region in degrees: west and south edges and extents.
struct Region {
    double west;
    double width;
    double south;
    double height;
};
constexpr Region kCentralEurope = {6.0, 9.0, 47.0, 8.0};  // about 700 km

// A spread of points over a region, flattened into triples.
inline std::vector<double> RegionPoints(int n, Region region = kCentralEurope)
{
    std::vector<double> points;
    for (int i = 0; i < n; ++i) {
        const double lon = region.west + region.width * std::fmod(i * 0.618034, 1.0);
        const double lat = region.south + region.height * std::fmod(i * 0.414214 + 0.3, 1.0);
        const double h = 100.0 + 900.0 * std::fmod(i * 0.732051, 1.0);
        const Vec x = GeographicToCartesian(lon, lat, h);
        points.insert(points.end(), x.begin(), x.end());
    }
    return points;
}

inline std::vector<double> TransformAll(int convention, const double* p, const std::vector<double>& source)
{
    std::vector<double> target(source.size());
    for (std::size_t i = 0; i < source.size(); i += 3) {
        const Vec y = Transform(convention, p, {source[i], source[i + 1], source[i + 2]});
        std::copy(y.begin(), y.end(), target.begin() + static_cast<std::ptrdiff_t>(i));
    }
    return target;
}

}  // namespace geodesy_test
