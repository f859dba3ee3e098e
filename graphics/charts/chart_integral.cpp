// The integral chart, a stacked area chart: level k is the polygon from the
// origin's y up to the sum of the first m - k + 1 series, painted over the
// levels before it, so each series shows as a band in its own colour.
#include <algorithm>
#include <cmath>
#include <cstdint>
#include <optional>
#include <vector>

#include "graphics/charts/chart_painting.h"
#include "graphics/charts/chart_state.h"
#include "graphics/core/graphics.h"
#include "graphics/core/kit.h"
#include "platform/runtime/system.h"

namespace charts {
namespace {

// The entries {x, values} of the data: x and the value list, which the
// chart pads with zeros.
struct Column {
    double x;
    Array values;
};

std::vector<Column> ColumnsOf(const Array& aData)
{
    std::vector<Column> columns;
    columns.reserve(aData.Len());
    for (const Value& entry : aData) {
        const auto x = NumberAt(entry, 1);
        auto values = ListAt(entry, 2);
        if (x && values && !values->IsNull()) columns.push_back({*x, std::move(*values)});
    }
    return columns;
}

// A random colour number of the colour table: the generator is seeded with
// the time of day at the first one of a call.
class RandomColors {
public:
    Value Next()
    {
        if (!seeded_) RandomSeed(static_cast<std::uint32_t>(Seconds()));
        seeded_ = true;
        const double count = static_cast<double>(gaColorArray.size());
        return std::max(1.0, GInteg(Random() * count));
    }

private:
    bool seeded_ = false;
};

// The points of one level, from the smallest to the largest x value: sorted
// (equal positions in data order) only when they are not in order already.
void OrderLevel(std::vector<WorldPoint>& level, bool reversed)
{
    const auto before = [reversed](const WorldPoint& a, const WorldPoint& b) {
        return reversed ? a.x > b.x : a.x < b.x;
    };
    if (!std::is_sorted(level.begin(), level.end(), before)) std::stable_sort(level.begin(), level.end(), before);
}

}  // namespace
}  // namespace charts

Graphics& Graphics::PaintChartIntegral(double nX, double nY, const Array& aDef, Array& aData, const Value& aColors,
                                       const Value& nOutline, const Value& nMarker)
{
    const auto axes = charts::AxesOfChart(aDef, nX, nY);
    if (!axes) return *this;
    std::vector<charts::Column> columns = charts::ColumnsOf(aData);
    std::size_t m = 0;
    for (const charts::Column& c : columns) m = std::max(m, c.values.Len());
    if (m == 0) return *this;
    for (charts::Column& c : columns)
        while (c.values.Len() < m) c.values.Add(0);
    charts::RandomColors random;
    const std::vector<ColorArg> colors = charts::SeriesColors(aColors, m, [&random] { return random.Next(); });

    const ChartState saved(*this, ChartState::kFillColor | ChartState::kLineColor | ChartState::kLineWidth |
                                      ChartState::kLinePattern);
    // The running sums; a value that is not a number counts as 0.
    const auto valueOf = [](const charts::Column& c, std::size_t j) {
        return charts::NumberOfItem(c.values, j).value_or(0.0);
    };
    std::vector<double> sums(columns.size(), 0.0);
    for (std::size_t i = 0; i < columns.size(); ++i)
        for (std::size_t j = 1; j <= m; ++j) sums[i] += valueOf(columns[i], j);

    std::vector<WorldPoint> level;
    level.reserve(columns.size());
    WorldPoints polygon;
    polygon.reserve(columns.size() + 3);
    for (std::size_t k = 1; k <= m; ++k) {
        level.clear();
        for (std::size_t i = 0; i < columns.size(); ++i) {
            const double px = axes->x.Map(columns[i].x), py = axes->y.Map(sums[i]);
            if (std::isfinite(px) && std::isfinite(py)) level.push_back({px, py});
            sums[i] -= valueOf(columns[i], m - k + 1);
        }
        if (level.empty()) continue;
        charts::OrderLevel(level, axes->x.Reversed());

        polygon.clear();
        for (const WorldPoint& p : level) polygon.push_back({p.x, p.y});
        polygon.push_back({level.back().x, nY});
        polygon.push_back({level.front().x, nY});
        polygon.push_back({level.front().x, level.front().y});
        SetLineColor(colors[k - 1]).SetFillColor(colors[k - 1]);
        PaintPolygon(polygon, 1);
        polygon.resize(level.size());  // the level's upper edge

        if (charts::IsOn(nOutline)) {
            SetLineColor(charts::Rgb(saved.LineColor())).SetLineWidth(1).SetLinePattern(0);
            PaintLineGroup(polygon);
        }
        if (charts::IsOn(nMarker)) {
            SetFillColor(charts::MarkerFillOf(aDef)).PaintMarkerGroup(charts::MarkerPoints(polygon));
        }
    }
    return *this;
}
