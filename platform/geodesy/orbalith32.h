// The geodesy library orbalith32.dll as its callers see it: the function
// types of its exports and a loader that resolves them by name.
//
// The library computes the parameters of a three-dimensional datum
// transformation from identical points, the residuals and outliers of that
// adjustment, and converts UTM coordinates to geographic ones. It is loaded
// by name (LoadLibraryA/GetProcAddress) and never linked. Every function
// uses __stdcall with an undecorated name and returns a logic value
// (nonzero = success). After a failure geterrorcode gives a text that says
// what was wrong (which pair, which value), in German after setlanguage(1),
// in English otherwise. Strings the library hands out are its own; they stay
// valid until the next call into the library. Null pointers and numbers that
// are not finite are refused with a message.
//
// Point buffers are n consecutive triples of doubles (X, Y, Z in metres for
// cartesian buffers), pair k at elements 3(k-1) .. 3(k-1)+2; the source
// buffer is side 1, the target buffer side 2.
//
// Units: translations in metres, rotations in arc-seconds, scale in parts per
// million (ppm), in every convention. Parameter sets are seven doubles in the
// order tx, ty, tz, rx, ry, rz, scale.
//
// Conventions, with X the source and X' the target cartesian coordinates, T
// the translations, s the scale in ppm times 1e-6 and rx, ry, rz the
// rotations in radians:
//   1  Coordinate Frame Rotation (EPSG method 9607):
//        X' = T + (1 + s) * R_cf * X,
//        R_cf = [[1, rz, -ry], [-rz, 1, rx], [ry, -rx, 1]]
//   2  Position Vector transformation (EPSG method 9606): as 1 with
//        R_pv = transpose(R_cf)
//   3  European standard after ISO 19111: position-vector rotation sign with
//        the scale as a matrix term, no product of scale and rotation:
//        X' = T + (I + s*I + Omega_pv) * X, Omega_pv = R_pv - I
//   4  Molodensky, three translations: X' = T + X
// The rotation matrix of gettranshelmert is the matrix of the convention
// without the scale (R_cf, R_pv, or I + Omega_pv), row by row.
//
// Estimation: least squares over all 3n coordinates with equal weights, on
// centroid-reduced coordinates, iterated (Gauss-Newton) until the parameters
// no longer change; noise-free pairs give their parameter set back. Fewer
// than 3 pairs, (nearly) coincident or collinear points on either side,
// numbers that are not finite and a solution that does not converge fail
// with a message. Molodensky: the mean of the coordinate differences.
//
// Residuals: v = X' - f(X) per pair (target minus transformed source), in
// metres, in the convention given. Statistics over the 3D lengths |v|:
// maximum, average, root mean square.
//
// Outliers (data snooping): on the adjustment of the last successful
// gettranshelmert or gettransmolodensky (its convention), each pair is
// tested with the externally studentized residuals of its coordinates,
// t_k = |v_k| / (s_i * sqrt(q_k)), where q_k is the diagonal element of
// Qvv = I - A (A'A)^-1 A' and s_i the unit weight standard deviation without
// the pair: s_i^2 = (sum(v^2) - v_i' Q_ii^+ v_i) / (3n - u - r_i), with
// u = 7 (3 for Molodensky), Q_ii the pair's 3 x 3 block of Qvv and r_i its
// rank (3 as a rule). The pair's largest t_k follows Student's t
// distribution with 3n - u - r_i degrees of freedom; the pair is an outlier
// when it exceeds the t quantile of the two-sided error probability that
// 3.0 (or the limit passed, when greater than 0) has in the normal
// distribution, 0.27 % for 3.0. With many pairs this is the normal test of
// the standardized residual against 3.0. An outlier's value is its largest
// t_k on the normal scale (the normal quantile of the same probability), so
// every value exceeds the limit. Outliers come in decreasing order of their
// value, at most m of them. With fewer pairs than OutliersTestable asks, or
// with s0 below 0.1 micrometre (rounding, not measurement), there are none.
//
// UTM (coordtrans3 from system 3 to system 1): the easting carries the zone
// in front, "8/7 digits": 32512345.678 is zone 32, easting 512345.678; the
// northing is northern-hemisphere; k0 = 0.9996, false easting 500,000 m.
// The inverse transverse Mercator uses Krueger's series to sixth order
// (Karney 2011), accurate to a few nanometres within the zone. A zone
// outside 1 to 60 or a point outside the projection's domain fails.
// Ellipsoid 1000 is the user ellipsoid of the side (source for the input,
// target for the output), initially GRS 1980. When the two ellipsoids
// differ or the user reference system is not zero, the point goes through
// cartesian coordinates (height 0) and the user reference system.
//
// Ellipsoids: a catalogue of common reference ellipsoids numbered from 1
// without gaps (EPSG names and defining values), and 1000, the user
// ellipsoid, one per side.
#pragma once

#include <cstdint>
#include <string>

#include <windows.h>

namespace geodesy {

// Logic result of every export: nonzero = success.
using Logic = std::int32_t;

// The four conventions above by their codes.
enum class Convention : std::uint16_t { CoordinateFrame = 1, PositionVector = 2, Iso19111 = 3, Molodensky = 4 };

// Pairs the outlier test needs: testing a pair against the others leaves
// 3n - u - 3 degrees of freedom, at least one. Helmert needs 4 pairs.
constexpr std::uint32_t MinimumOutlierPairs(Convention convention)
{
    return convention == Convention::Molodensky ? 3 : 4;
}
constexpr bool OutliersTestable(std::uint32_t n, Convention convention)
{
    return n >= MinimumOutlierPairs(convention);
}

// seteventloop(on): while on, long loops (over 10,000 pairs) dispatch waiting
// window messages now and then.
using SetEventLoopFn = Logic(__stdcall*)(std::uint32_t on);

// gettranshelmert(source, target, n, convention 1-3, parameters[7], matrix[9])
using GetTransHelmertFn = Logic(__stdcall*)(const double* source, const double* target, std::uint32_t n,
                                            std::uint16_t convention, double* parameters, double* matrix);

// gettransmolodensky(source, target, n, parameters[7]): the translations in
// elements 1-3; elements 4-7 are set to 0.
using GetTransMolodenskyFn = Logic(__stdcall*)(const double* source, const double* target, std::uint32_t n,
                                               double* parameters);

// gettransoutliers(source, target, n, values[m], pairs[m], m, count, limit):
// pairs are numbered from 1; limit <= 0 means 3.0.
using GetTransOutliersFn = Logic(__stdcall*)(const double* source, const double* target, std::uint32_t n,
                                             double* values, std::uint32_t* pairs, std::uint32_t m,
                                             std::uint32_t* count, double limit);

// gettransresiduals(source, target, residuals[3n], n, convention 1-4, parameters[7])
using GetTransResidualsFn = Logic(__stdcall*)(const double* source, const double* target, double* residuals,
                                              std::uint32_t n, std::uint16_t convention, const double* parameters);

// gettransresidualmax / ...average / ...rms(residuals[3n], n, result)
using GetTransResidualStatFn = Logic(__stdcall*)(const double* residuals, std::uint32_t n, double* result);

// geterrorcode, getdllversion, getdisclaimer: a text owned by the library.
using GetTextFn = Logic(__stdcall*)(const char** text);

// setuserellsource / setuserelltarget(1000, a, b): semi-axes in metres.
using SetUserEllFn = Logic(__stdcall*)(std::uint16_t number, double a, double b);

// setuserrefsys(convention 1-4, tx, ty, tz, rx, ry, rz, scale) in the units above.
using SetUserRefSysFn = Logic(__stdcall*)(std::uint16_t convention, double tx, double ty, double tz, double rx,
                                          double ry, double rz, double scale);

// coordtrans3(x, y, system, ellipsoid, 0, out x, out y, system, ellipsoid, 0, 0):
// system 3 (UTM east with zone, north) to system 1 (longitude, latitude in
// decimal degrees); the zero arguments are reserved and must be 0.
using CoordTrans3Fn = Logic(__stdcall*)(double xIn, double yIn, std::uint16_t systemIn, std::uint16_t ellipsoidIn,
                                        std::uint16_t reservedIn, double* xOut, double* yOut, std::uint16_t systemOut,
                                        std::uint16_t ellipsoidOut, std::uint16_t reservedOut, std::uint16_t reserved);

// getellname(number, name): FALSE after the last catalogue number.
using GetEllNameFn = Logic(__stdcall*)(std::uint16_t number, const char** name);

// getellsource / getelltarget(number, a, b): semi-axes in metres.
using GetEllFn = Logic(__stdcall*)(std::uint16_t number, double* a, double* b);

// setlanguage(1 German, else English)
using SetLanguageFn = Logic(__stdcall*)(std::uint16_t language);

// setmultithreading, setstaticuse, setstringallocate: accepted, no effect.
using SetSwitchFn = Logic(__stdcall*)(std::int32_t value);

// The exports of the library, each resolved by name.
struct GeodesyFunctions {
    SetEventLoopFn seteventloop = nullptr;
    GetTransHelmertFn gettranshelmert = nullptr;
    GetTransMolodenskyFn gettransmolodensky = nullptr;
    GetTransOutliersFn gettransoutliers = nullptr;
    GetTransResidualsFn gettransresiduals = nullptr;
    GetTransResidualStatFn gettransresidualmax = nullptr;
    GetTransResidualStatFn gettransresidualaverage = nullptr;
    GetTransResidualStatFn gettransresidualrms = nullptr;
    GetTextFn geterrorcode = nullptr;
    SetUserEllFn setuserellsource = nullptr;
    SetUserEllFn setuserelltarget = nullptr;
    SetUserRefSysFn setuserrefsys = nullptr;
    CoordTrans3Fn coordtrans3 = nullptr;
    GetEllNameFn getellname = nullptr;
    GetEllFn getellsource = nullptr;
    GetEllFn getelltarget = nullptr;
    SetLanguageFn setlanguage = nullptr;
    SetSwitchFn setmultithreading = nullptr;
    SetSwitchFn setstaticuse = nullptr;
    SetSwitchFn setstringallocate = nullptr;
    GetTextFn getdllversion = nullptr;
    GetTextFn getdisclaimer = nullptr;
};

// Loads orbalith32.dll and resolves every export by name.
class GeodesyLibrary : public GeodesyFunctions {
public:
    GeodesyLibrary() = default;
    ~GeodesyLibrary();
    GeodesyLibrary(const GeodesyLibrary&) = delete;
    GeodesyLibrary& operator=(const GeodesyLibrary&) = delete;

    // Loads the library (by default found the way Windows searches for a
    // DLL, the program's own folder first). FALSE when it cannot be loaded or
    // an export is missing; Error() then names the file or the export.
    bool Load(const std::string& path = "orbalith32.dll");
    void Unload();
    bool IsLoaded() const { return module_ != nullptr; }
    const std::string& Error() const { return error_; }

private:
    HMODULE module_ = nullptr;
    std::string error_;
};

}  // namespace geodesy
