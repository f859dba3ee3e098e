// The exported functions of orbalith32.dll (see orbalith32.h): they check
// their arguments, do the computation and leave a message on every failure.
#include <algorithm>
#include <optional>
#include <string>
#include <vector>

#include "platform/geodesy/adjustment.h"
#include "platform/geodesy/ellipsoids.h"
#include "platform/geodesy/message_pump.h"
#include "platform/geodesy/messages.h"
#include "platform/geodesy/orbalith32.h"
#include "platform/geodesy/projection.h"

using namespace geodesy;

namespace {

constexpr std::uint16_t kGeographic = 1;
constexpr std::uint16_t kUtm = 3;

// The convention of the last successful estimation; the outlier search
// repeats that adjustment.
std::optional<Convention> lastModel;

// The user reference system between the two sides of coordtrans3.
Transformation userReferenceSystem;

// The UTM inverse of the last source ellipsoid: its series are filled once
// per ellipsoid, not per point.
std::optional<UtmInverse> lastUtmInverse;

const UtmInverse& UtmInverseOf(const Ellipsoid& ellipsoid)
{
    if (!lastUtmInverse || lastUtmInverse->Of().a != ellipsoid.a || lastUtmInverse->Of().b != ellipsoid.b)
        lastUtmInverse.emplace(ellipsoid);
    return *lastUtmInverse;
}

Logic Result(bool ok)
{
    return ok ? 1 : 0;
}

bool EstimateAndKeep(const PointPairs& pairs, Convention convention, Transformation& result)
{
    if (!CheckPairs(pairs, kMinimumPairs) || !EstimateTransformation(pairs, convention, result)) return false;
    lastModel = convention;
    return true;
}

bool GetEllipsoid(std::uint16_t number, Side side, double* a, double* b)
{
    Ellipsoid ellipsoid;
    if (!CheckPointer(a, "a") || !CheckPointer(b, "b") || !FindEllipsoid(number, side, ellipsoid)) return false;
    *a = ellipsoid.a;
    *b = ellipsoid.b;
    return true;
}

bool HandOut(const char** target, const char* text)
{
    if (!CheckPointer(target, "text")) return false;
    *target = text;
    return true;
}

bool CheckReserved(std::uint16_t value, const char* name)
{
    if (value == 0) return true;
    return Fail(Format(Say("The argument %1 must be 0, not %2.", "Das Argument %1 muss 0 sein, nicht %2."),
                       {name, std::to_string(value)}));
}

// UTM on the source side's ellipsoid to geographic coordinates on the target
// side's, through the user reference system when the two differ.
bool UtmToGeographicOnSides(double east, double north, std::uint16_t ellipsoidIn, std::uint16_t ellipsoidOut,
                            double& longitude, double& latitude)
{
    Ellipsoid source;
    Ellipsoid target;
    if (!FindEllipsoid(ellipsoidIn, Side::Source, source) || !FindEllipsoid(ellipsoidOut, Side::Target, target) ||
        !UtmInverseOf(source).Apply(east, north, longitude, latitude))
        return false;
    const bool sameDatum = source.a == target.a && source.b == target.b && userReferenceSystem.t.isZero(0.0) &&
                           userReferenceSystem.r.isZero(0.0) && userReferenceSystem.s == 0.0;
    if (!sameDatum) {
        double height;
        const Eigen::Vector3d x = GeographicToCartesian(longitude, latitude, 0.0, source);
        CartesianToGeographic(userReferenceSystem.Apply(x), target, longitude, latitude, height);
    }
    return true;
}

const char* Disclaimer()
{
    return Say("Orbalith geodesy library\r\n"
               "Version 1.0\r\n"
               "Orbalith computes datum transformation parameters by least squares from the point pairs it is "
               "given. The results depend on the quality and distribution of these points. Check every result "
               "before you use it; Orbalith comes without any warranty.",
               "Orbalith Geod\xE4sie-Bibliothek\r\n"
               "Version 1.0\r\n"
               "Orbalith berechnet Parameter von Datums\xFC"
               "bergangen nach kleinsten Quadraten aus den \xFC"
               "bergebenen Punktpaaren. Die Ergebnisse h\xE4ngen von Qualit\xE4t und Verteilung dieser Punkte ab. "
               "Pr\xFC"
               "fen Sie jedes Ergebnis vor seiner Verwendung; Orbalith wird ohne jede Gew\xE4hrleistung geliefert.");
}

Logic ComputeStatistic(const double* residuals, std::uint32_t n, double* result, geodesy::Statistic statistic)
{
    ClearError();
    return Result(CheckPointer(residuals, "residuals") && CheckPointer(result, "result") &&
                  ResidualStatistic(residuals, n, statistic, *result));
}

}  // namespace

extern "C" {

Logic __stdcall seteventloop(std::uint32_t on)
{
    MessagePump::SetEnabled(on != 0);
    return 1;
}

Logic __stdcall gettranshelmert(const double* source, const double* target, std::uint32_t n, std::uint16_t convention,
                                double* parameters, double* matrix)
{
    ClearError();
    Convention chosen;
    Transformation result;
    if (!CheckPointer(parameters, "parameters") || !CheckPointer(matrix, "matrix") ||
        !ToConvention(convention, 3, chosen) || !EstimateAndKeep({source, target, n}, chosen, result))
        return 0;
    ToParameters(result, parameters);
    Eigen::Map<Eigen::Matrix<double, 3, 3, Eigen::RowMajor>> rows(matrix);
    rows = result.RotationMatrix();
    return 1;
}

Logic __stdcall gettransmolodensky(const double* source, const double* target, std::uint32_t n, double* parameters)
{
    ClearError();
    Transformation result;
    if (!CheckPointer(parameters, "parameters") ||
        !EstimateAndKeep({source, target, n}, Convention::Molodensky, result))
        return 0;
    ToParameters(result, parameters);
    return 1;
}

Logic __stdcall gettransoutliers(const double* source, const double* target, std::uint32_t n, double* values,
                                 std::uint32_t* pairs, std::uint32_t m, std::uint32_t* count, double limit)
{
    ClearError();
    if (!CheckPointer(values, "values") || !CheckPointer(pairs, "pairs") || !CheckPointer(count, "count")) return 0;
    *count = 0;
    if (!lastModel)
        return Result(Fail(Say("There is no adjustment to test yet: compute the parameters first.",
                               "Es gibt noch keine Ausgleichung zum Testen: berechnen Sie zuerst die Parameter.")));
    const PointPairs points{source, target, n};
    std::vector<Outlier> outliers;
    if (!CheckPairs(points, kMinimumPairs) || !FindOutliers(points, *lastModel, limit, outliers)) return 0;
    const std::size_t reported = std::min<std::size_t>(outliers.size(), m);
    for (std::size_t i = 0; i < reported; ++i) {
        values[i] = outliers[i].value;
        pairs[i] = outliers[i].pair;
    }
    *count = static_cast<std::uint32_t>(reported);
    return 1;
}

Logic __stdcall gettransresiduals(const double* source, const double* target, double* residuals, std::uint32_t n,
                                  std::uint16_t convention, const double* parameters)
{
    ClearError();
    Convention chosen;
    Transformation transformation;
    const PointPairs points{source, target, n};
    if (!CheckPointer(residuals, "residuals") || !CheckPointer(parameters, "parameters") ||
        !ToConvention(convention, 4, chosen) || !FromParameters(chosen, parameters, transformation) ||
        !CheckPairs(points, 1))
        return 0;
    ComputeResiduals(points, transformation, residuals);
    return 1;
}

Logic __stdcall gettransresidualmax(const double* residuals, std::uint32_t n, double* result)
{
    return ComputeStatistic(residuals, n, result, geodesy::Statistic::Maximum);
}

Logic __stdcall gettransresidualaverage(const double* residuals, std::uint32_t n, double* result)
{
    return ComputeStatistic(residuals, n, result, geodesy::Statistic::Average);
}

Logic __stdcall gettransresidualrms(const double* residuals, std::uint32_t n, double* result)
{
    return ComputeStatistic(residuals, n, result, geodesy::Statistic::Rms);
}

Logic __stdcall geterrorcode(const char** text)
{
    // Leaves the message of the last failure in place.
    if (text == nullptr) return 0;
    *text = ErrorText();
    return 1;
}

Logic __stdcall setuserellsource(std::uint16_t number, double a, double b)
{
    ClearError();
    return Result(SetUserEllipsoid(number, Side::Source, a, b));
}

Logic __stdcall setuserelltarget(std::uint16_t number, double a, double b)
{
    ClearError();
    return Result(SetUserEllipsoid(number, Side::Target, a, b));
}

Logic __stdcall setuserrefsys(std::uint16_t convention, double tx, double ty, double tz, double rx, double ry,
                              double rz, double scale)
{
    ClearError();
    const double parameters[7] = {tx, ty, tz, rx, ry, rz, scale};
    Convention chosen;
    Transformation system;
    if (!ToConvention(convention, 4, chosen) || !FromParameters(chosen, parameters, system)) return 0;
    userReferenceSystem = system;
    return 1;
}

Logic __stdcall coordtrans3(double xIn, double yIn, std::uint16_t systemIn, std::uint16_t ellipsoidIn,
                            std::uint16_t reservedIn, double* xOut, double* yOut, std::uint16_t systemOut,
                            std::uint16_t ellipsoidOut, std::uint16_t reservedOut, std::uint16_t reserved)
{
    ClearError();
    if (!CheckPointer(xOut, "x") || !CheckPointer(yOut, "y") || !CheckReserved(reservedIn, "5") ||
        !CheckReserved(reservedOut, "10") || !CheckReserved(reserved, "11"))
        return 0;
    if (systemIn != kUtm || systemOut != kGeographic)
        return Result(Fail(Format(Say("The conversion from coordinate system %1 to %2 is not available; there is "
                                      "UTM (3) to geographic (1).",
                                      "Die Umrechnung von Koordinatensystem %1 nach %2 gibt es nicht; es gibt UTM "
                                      "(3) nach geographisch (1)."),
                                  {std::to_string(systemIn), std::to_string(systemOut)})));
    double longitude;
    double latitude;
    if (!UtmToGeographicOnSides(xIn, yIn, ellipsoidIn, ellipsoidOut, longitude, latitude)) return 0;
    *xOut = longitude;
    *yOut = latitude;
    return 1;
}

Logic __stdcall getellname(std::uint16_t number, const char** name)
{
    ClearError();
    const char* text = "";
    if (!CheckPointer(name, "name")) return 0;
    const bool ok = EllipsoidName(number, text);
    *name = text;
    return Result(ok);
}

Logic __stdcall getellsource(std::uint16_t number, double* a, double* b)
{
    ClearError();
    return Result(GetEllipsoid(number, Side::Source, a, b));
}

Logic __stdcall getelltarget(std::uint16_t number, double* a, double* b)
{
    ClearError();
    return Result(GetEllipsoid(number, Side::Target, a, b));
}

Logic __stdcall setlanguage(std::uint16_t language)
{
    SetGerman(language == 1);
    return 1;
}

Logic __stdcall setmultithreading(std::int32_t)
{
    return 1;
}

Logic __stdcall setstaticuse(std::int32_t)
{
    return 1;
}

Logic __stdcall setstringallocate(std::int32_t)
{
    return 1;
}

Logic __stdcall getdllversion(const char** text)
{
    ClearError();
    return Result(HandOut(text, "1.0"));
}

Logic __stdcall getdisclaimer(const char** text)
{
    ClearError();
    return Result(HandOut(text, Disclaimer()));
}

}  // extern "C"
