#include "calc/conversions.h"

#include <cmath>

#include "calc/library.h"
#include "calc/pump.h"

namespace calc {

namespace {

constexpr std::uint16_t kUserEllipsoid = 1000;
constexpr double kPi = 3.141592653589793;

// The library's user ellipsoids of both sides, read when made and set back
// when it ends: the conversion borrows them, the window keeps its own there.
class UserEllipsoidsKept {
public:
    explicit UserEllipsoidsKept(const geodesy::GeodesyFunctions& library) : library_(library)
    {
        source_ = library_.getellsource(kUserEllipsoid, &sourceA_, &sourceB_);
        target_ = library_.getelltarget(kUserEllipsoid, &targetA_, &targetB_);
    }
    ~UserEllipsoidsKept()
    {
        if (source_) library_.setuserellsource(kUserEllipsoid, sourceA_, sourceB_);
        if (target_) library_.setuserelltarget(kUserEllipsoid, targetA_, targetB_);
    }
    UserEllipsoidsKept(const UserEllipsoidsKept&) = delete;
    UserEllipsoidsKept& operator=(const UserEllipsoidsKept&) = delete;

private:
    const geodesy::GeodesyFunctions& library_;
    bool source_, target_;
    double sourceA_ = 0, sourceB_ = 0, targetA_ = 0, targetB_ = 0;
};

}  // namespace

bool IsUsableEllipsoid(const Ellipsoid& e)
{
    return e.b > 0 && e.b <= e.a && std::isfinite(e.a);
}

bool PackedToDegrees(double packed, double& degrees)
{
    const double v = std::fabs(packed);
    const double s = std::trunc(v);
    const double m = std::trunc(v / 100.0);
    const double d = std::trunc(v / 10000.0);
    if (m - 100 * d > 59 || s - 100 * m > 59) return false;
    const double value = d + (std::fmod(m, 100.0) * 60 + std::fmod(v, 100.0)) / 3600;
    degrees = packed < 0 ? -value : value;
    return true;
}

bool Gms2G(const double* input, double* geographic, std::uint32_t n, std::uint32_t& badPoint)
{
    for (std::uint32_t k = 0; k < n; ++k) {
        const double* in = input + 3 * k;
        double* out = geographic + 3 * k;
        for (int angle = 0; angle < 2; ++angle) {
            VoEventLoop();
            if (!PackedToDegrees(in[angle], out[angle])) {
                badPoint = k + 1;
                return false;
            }
        }
        out[2] = in[2];
    }
    badPoint = 0;
    return true;
}

bool Utm2G(const double* input, double* geographic, const Ellipsoid& ellipsoid, std::uint32_t n,
           std::uint32_t& badPoint, std::string& message)
{
    const geodesy::GeodesyFunctions& library = Library();
    message.clear();
    badPoint = 0;
    const UserEllipsoidsKept kept(library);
    if (!library.setuserellsource(kUserEllipsoid, ellipsoid.a, ellipsoid.b) ||
        !library.setuserelltarget(kUserEllipsoid, ellipsoid.a, ellipsoid.b) ||
        !library.setuserrefsys(1, 0, 0, 0, 0, 0, 0, 0)) {
        message = LibraryMessage();
        return false;
    }
    for (std::uint32_t k = 0; k < n; ++k) {
        VoEventLoop();
        const double* in = input + 3 * k;
        double* out = geographic + 3 * k;
        double longitude = 0, latitude = 0;
        if (!library.coordtrans3(in[0], in[1], 3, kUserEllipsoid, 0, &longitude, &latitude, 1, kUserEllipsoid, 0, 0)) {
            message = LibraryMessage();
            badPoint = k + 1;
            return false;
        }
        out[0] = longitude;
        out[1] = latitude;
        out[2] = in[2];
    }
    return true;
}

bool Blh2Kat(const double* geographic, double* cartesian, const Ellipsoid& ellipsoid, std::uint32_t n,
             std::uint32_t& badPoint)
{
    const double a = ellipsoid.a, b = ellipsoid.b;
    const double e2 = (a * a - b * b) / (a * a);
    const double degree = 180.0 / kPi;
    for (std::uint32_t k = 0; k < n; ++k) {
        VoEventLoop();
        const double* in = geographic + 3 * k;
        const double longitude = in[0], latitude = in[1], h = in[2];
        if (!(longitude >= -180.0 && longitude <= 180.0 && latitude >= -90.0 && latitude <= 90.0)) {
            badPoint = k + 1;
            return false;
        }
        const double l = longitude / degree, p = latitude / degree;
        const double sinB = std::sin(p);
        const double nRadius = a / std::sqrt(1 - e2 * sinB * sinB);
        double* out = cartesian + 3 * k;
        out[0] = (nRadius + h) * std::cos(p) * std::cos(l);
        out[1] = (nRadius + h) * std::cos(p) * std::sin(l);
        out[2] = ((1 - e2) * nRadius + h) * sinB;
    }
    badPoint = 0;
    return true;
}

}  // namespace calc
