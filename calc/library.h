#pragma once
// The calls of the geodesy library that the computation and the calculation
// window make. The program talks to the library only through this interface,
// so that a test can put a library of its own in its place.

#include <cstdint>
#include <string>

namespace calc {

class GeodesyLibrary {
public:
    virtual ~GeodesyLibrary() = default;

    virtual void SetEventLoop(std::uint32_t on) = 0;
    virtual void SetLanguage(std::uint16_t language) = 0;
    virtual bool GetEllName(std::uint16_t number, std::string& name) = 0;
    virtual void GetEllSource(std::uint16_t number, double& a, double& b) = 0;
    virtual void GetEllTarget(std::uint16_t number, double& a, double& b) = 0;
    virtual bool SetUserEllSource(std::uint16_t number, double a, double b) = 0;
    virtual bool SetUserEllTarget(std::uint16_t number, double a, double b) = 0;
    virtual bool SetUserRefSys(std::uint16_t number, const double parameters[7]) = 0;
    // UTM east/north on the user ellipsoid to longitude/latitude in degrees.
    virtual bool UtmToGeographic(double east, double north, double& longitude, double& latitude) = 0;

    virtual bool GetTransHelmert(const double* side1, const double* side2, std::uint32_t n, std::uint16_t convention,
                                 double parameters[7], double rotation[9]) = 0;
    virtual bool GetTransMolodensky(const double* side1, const double* side2, std::uint32_t n,
                                    double parameters[7]) = 0;
    virtual bool GetTransOutliers(const double* side1, const double* side2, std::uint32_t n, double* values,
                                  std::uint32_t* indices, std::uint32_t capacity, std::uint32_t& count) = 0;
    virtual bool GetTransResiduals(const double* side1, const double* side2, double* residuals, std::uint32_t n,
                                   std::uint16_t convention, double parameters[7]) = 0;
    virtual bool GetTransResidualMax(const double* residuals, std::uint32_t n, double& value) = 0;
    virtual bool GetTransResidualAverage(const double* residuals, std::uint32_t n, double& value) = 0;
    virtual bool GetTransResidualRms(const double* residuals, std::uint32_t n, double& value) = 0;
    // The text of the last failure.
    virtual std::string GetErrorCode() = 0;
};

// The library in use: orbalith32.dll unless a test put another one in place.
GeodesyLibrary& Library();
// Puts a library in place (nullptr: orbalith32.dll again); returns the previous one.
GeodesyLibrary* SetLibrary(GeodesyLibrary* library);

}  // namespace calc
