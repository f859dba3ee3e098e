// Benchmark of the data painters of the charts on a 1000 x 1000 memory
// device: a line chart and a scatter chart with markers of 100,000 points
// each, and an integral chart of 100,000 points with 3 series given in
// decreasing x (so every level is sorted). Beside each, its floor: the
// painter's own group operation (PaintLineGroup, PaintMarkerGroup, three
// PaintPolygon calls) given the points already mapped. Prints the best of
// five runs (two for the integral chart, whose polygons take seconds under
// Wine) in milliseconds and the ratio chart / floor; the line chart and its
// floor take turns in 21 rounds, with the best and the median of each.
#include <windows.h>

#include <cmath>
#include <cstdio>
#include <vector>

#include "bench/timing.h"
#include "graphics/charts/chart_definition.h"
#include "graphics/core/graphics.h"
#include "graphics/windows/gmemory.h"

namespace {

constexpr int kSize = 1000, kPoints = 100000, kSeries = 3, kRuns = 5, kPolygonRuns = 2, kLineRounds = 21;
constexpr double kX0 = 50, kY0 = 50;

// x values 0 to kPoints on 900 units, y values 0 to 1000 on 900 units.
Array ChartDefinition()
{
    Array aDef(59);
    for (const auto& [i, v] : std::vector<std::pair<std::size_t, double>>{
             {1, 0}, {2, 900}, {3, 0}, {4, kPoints}, {25, 0}, {26, 900}, {27, 0}, {28, 1000}})
        aDef[i] = v;
    charts::ValidateChartDefinition(aDef, {0, 0, 0});
    return aDef;
}

double Px(double x)
{
    return kX0 + x * 900.0 / kPoints;
}
double Py(double y)
{
    return kY0 + y * 0.9;
}

// A wavy value of point i.
double Wave(int i, int series = 0)
{
    return 150 + 100 * std::sin(i * 0.001 + series) + 40 * std::sin(i * 0.37 + series);
}

void Report(const char* what, double chart, double floor)
{
    std::printf("%-30s chart %9.1f ms   floor %9.1f ms   ratio %.2f\n", what, chart, floor, chart / floor);
}

}  // namespace

int main()
{
    gMemory oMemory(2, kSize, kSize);
    Graphics& g = *oMemory._oGraphics;
    g.SetMarkerSurface(6).SetMarkerSize(4).SetMarkerLineWidth(1);
    const Array aDef = ChartDefinition();

    Array points(kPoints);
    WorldPoints mapped;
    GroupPoints markers;
    for (int i = 0; i < kPoints; ++i) {
        points[i + 1] = Array{i, Wave(i)};
        mapped.push_back({Px(i), Py(Wave(i))});
        markers.push_back({Px(i), Py(Wave(i)), std::nullopt});
    }
    // The line chart and its floor take turns, so that both see the same
    // load of the shared machine.
    std::vector<double> line, lineFloor;
    for (int i = 0; i < kLineRounds; ++i) {
        line.push_back(BestMilliseconds(1, [&] { g.PaintChartLine(kX0, kY0, aDef, points, 0, 2); }));
        lineFloor.push_back(BestMilliseconds(1, [&] { g.SetLineColor(2).PaintLineGroup(mapped); }));
    }
    Report("line, 100,000 points", Figure(line), Figure(lineFloor));

    const double scatter = BestMilliseconds(kRuns, [&] { g.PaintChartScatter(kX0, kY0, aDef, points); });
    const double scatterFloor = BestMilliseconds(kRuns, [&] { g.PaintMarkerGroup(markers); });
    Report("scatter with markers", scatter, scatterFloor);

    // Decreasing x; the levels of the floor are the sums, in increasing x.
    Array data(kPoints);
    std::vector<WorldPoints> levels(kSeries);
    for (int i = 0; i < kPoints; ++i) {
        const int x = kPoints - 1 - i;
        data[i + 1] = Array{x, Array{Wave(x, 0), Wave(x, 1), Wave(x, 2)}};
    }
    for (int k = 0; k < kSeries; ++k) {
        for (int x = 0; x < kPoints; ++x) {
            double sum = 0;
            for (int j = 0; j < kSeries - k; ++j) sum += Wave(x, j);
            levels[k].push_back({Px(x), Py(sum)});
        }
        levels[k].push_back({Px(kPoints - 1), kY0});
        levels[k].push_back({Px(0), kY0});
        levels[k].push_back(levels[k].front());
    }
    const Array colours{3, 4, 5};
    const double integral = BestMilliseconds(kRuns, [&] { g.PaintChartIntegral(kX0, kY0, aDef, data, colours, 0, 0); });
    const double integralFloor = BestMilliseconds(kPolygonRuns, [&] {
        for (int k = 0; k < kSeries; ++k) g.SetLineColor(3 + k).SetFillColor(3 + k).PaintPolygon(levels[k], 1);
    });
    Report("integral, 3 series, sorted", integral, integralFloor);
    return 0;
}
