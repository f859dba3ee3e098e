// Throughput of orbalith32.dll for the largest lists the program accepts:
// Helmert estimation, outliers, residuals and statistics for 30,000 pairs,
// and the UTM inverse of the point set that native/proj_utm_bench gives PROJ.
#include <cmath>
#include <cstdio>
#include <vector>

#include "bench/timing.h"
#include "bench/utm_points.h"
#include "platform/geodesy/orbalith32.h"

namespace {

constexpr std::uint32_t kPairs = 30000;
constexpr int kRuns = 7;

}  // namespace

int main()
{
    geodesy::GeodesyLibrary lib;
    if (!lib.Load(MDX_PROGRAM_DIR "/orbalith32.dll")) {
        std::printf("%s\n", lib.Error().c_str());
        return 1;
    }
    // Points over 700 km, moved by a seven-parameter set, with some noise.
    std::vector<double> source, target;
    unsigned seed = 1;
    auto noise = [&] {
        seed = seed * 1103515245u + 12345u;
        return (static_cast<double>(seed >> 8 & 0xFFFF) / 65535.0 - 0.5) * 0.004;
    };
    const double rad = 3.14159265358979323846 / 180.0;
    for (std::uint32_t i = 0; i < kPairs; ++i) {
        const double lon = (6.0 + 9.0 * std::fmod(i * 0.618034, 1.0)) * rad;
        const double lat = (47.0 + 8.0 * std::fmod(i * 0.414214, 1.0)) * rad;
        const double n = 6378137.0 / std::sqrt(1.0 - 0.00669438 * std::sin(lat) * std::sin(lat));
        const double x[3] = {n * std::cos(lat) * std::cos(lon), n * std::cos(lat) * std::sin(lon),
                             n * 0.99330562 * std::sin(lat)};
        source.insert(source.end(), x, x + 3);
        const double s = 1.0 + 6.7e-6, rx = 0.202 * rad / 3600, ry = 0.045 * rad / 3600, rz = -2.455 * rad / 3600;
        target.push_back(598.1 + s * (x[0] + rz * x[1] - ry * x[2]) + noise());
        target.push_back(73.7 + s * (-rz * x[0] + x[1] + rx * x[2]) + noise());
        target.push_back(418.2 + s * (ry * x[0] - rx * x[1] + x[2]) + noise());
    }
    double p[7], matrix[9], statistic;
    std::vector<double> values(kPairs / 3), residuals(3 * kPairs);
    std::vector<std::uint32_t> pairs(kPairs / 3);
    std::uint32_t count = 0;
    auto helmert = [&] { return lib.gettranshelmert(source.data(), target.data(), kPairs, 1, p, matrix) != 0; };
    auto outliers = [&] {
        return lib.gettransoutliers(source.data(), target.data(), kPairs, values.data(), pairs.data(), kPairs / 3,
                                    &count, 0.0) != 0;
    };
    auto residualsAndStatistics = [&] {
        return lib.gettransresiduals(source.data(), target.data(), residuals.data(), kPairs, 1, p) != 0 &&
               lib.gettransresidualmax(residuals.data(), kPairs, &statistic) != 0 &&
               lib.gettransresidualaverage(residuals.data(), kPairs, &statistic) != 0 &&
               lib.gettransresidualrms(residuals.data(), kPairs, &statistic) != 0;
    };
    std::printf("pairs: %u (a time of -1 means a call failed)\n", kPairs);
    std::printf("Helmert estimation:         %8.2f ms\n", BestMilliseconds(kRuns, helmert));
    std::printf("outliers:                   %8.2f ms (%u found)\n", BestMilliseconds(kRuns, outliers), count);
    std::printf("residuals and statistics:   %8.2f ms\n", BestMilliseconds(kRuns, residualsAndStatistics));
    std::printf("whole chain:                %8.2f ms\n",
                BestMilliseconds(kRuns, [&] { return helmert() && outliers() && residualsAndStatistics(); }));

    // WGS 84 (ellipsoid 1) on both sides.
    using bench::kUtmPoints;
    double lon = 0.0, lat = 0.0, sum = 0.0;
    const double ms = BestMilliseconds(kRuns, [&] {
        sum = 0.0;
        for (int i = 0; i < kUtmPoints; ++i) {
            const bench::UtmPoint p = bench::UtmBenchPoint(i);
            const double east = bench::kUtmZone * 1e6 + p.easting;
            if (lib.coordtrans3(east, p.northing, 3, 1, 0, &lon, &lat, 1, 1, 0, 0) == 0) return false;
            sum += lat;
        }
        return true;
    });
    std::printf("UTM inverse:                %8.2f million points/s (mean latitude %.9f)\n", kUtmPoints / ms / 1000.0,
                sum / kUtmPoints);
    return 0;
}
