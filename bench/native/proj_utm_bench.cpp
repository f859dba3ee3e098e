// The UTM inverse of geodesy_bench done by PROJ's C API, as a native Linux
// program (Debian's libproj-dev; built and run by scripts/geodesy-bench.sh,
// not by the project's build): the same million points, one proj_trans call
// per point as orbalith32.dll takes one coordtrans3 call per point, and once
// more as one proj_trans_generic call for the whole set. Best of 7 runs.
#include <proj.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <string>
#include <vector>

#include "bench/utm_points.h"

namespace {

constexpr int kRuns = 7;
constexpr double kDegreesPerRadian = 57.295779513082320876;

// The best of kRuns runs of work, in seconds.
template <typename Work>
double BestSeconds(Work&& work)
{
    double best = 1e30;
    for (int run = 0; run < kRuns; ++run) {
        const auto start = std::chrono::steady_clock::now();
        work();
        best = std::min(best, std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count());
    }
    return best;
}

}  // namespace

int main()
{
    using namespace bench;
    PJ_CONTEXT* context = proj_context_create();
    const std::string definition = "+proj=utm +zone=" + std::to_string(kUtmZone) + " +ellps=WGS84";
    PJ* utm = proj_create(context, definition.c_str());
    if (utm == nullptr) {
        std::printf("PROJ does not know %s\n", definition.c_str());
        return 1;
    }
    double sum = 0.0;
    const double perPoint = BestSeconds([&] {
        sum = 0.0;
        for (int i = 0; i < kUtmPoints; ++i) {
            const UtmPoint p = UtmBenchPoint(i);
            sum += proj_trans(utm, PJ_INV, proj_coord(p.easting, p.northing, 0.0, 0.0)).lp.phi;
        }
    });
    std::printf("PROJ %s, UTM inverse, proj_trans per point: %5.2f million points/s (mean latitude %.9f)\n",
                proj_info().version, kUtmPoints / perPoint / 1e6, sum / kUtmPoints * kDegreesPerRadian);

    std::vector<double> x(kUtmPoints), y(kUtmPoints);
    const double whole = BestSeconds([&] {
        for (int i = 0; i < kUtmPoints; ++i) {
            const UtmPoint p = UtmBenchPoint(i);
            x[i] = p.easting;
            y[i] = p.northing;
        }
        proj_trans_generic(utm, PJ_INV, x.data(), sizeof(double), kUtmPoints, y.data(), sizeof(double), kUtmPoints,
                           nullptr, 0, 0, nullptr, 0, 0);
    });
    sum = 0.0;
    for (double phi : y) sum += phi;
    std::printf("PROJ %s, UTM inverse, proj_trans_generic:   %5.2f million points/s (mean latitude %.9f)\n",
                proj_info().version, kUtmPoints / whole / 1e6, sum / kUtmPoints * kDegreesPerRadian);
    proj_destroy(utm);
    proj_context_destroy(context);
    return 0;
}
