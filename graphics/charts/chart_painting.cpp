#include "graphics/charts/chart_painting.h"

namespace charts {

std::optional<ChartAxes> AxesOfChart(const Array& aDef, double nX, double nY)
{
    if (!IsValidatedChartDefinition(aDef)) return std::nullopt;
    ChartAxes axes{AxisScale(aDef, 0, nX), AxisScale(aDef, kYAxis, nY)};
    if (!axes.x.HasScale() || !axes.y.HasScale()) return std::nullopt;
    return axes;
}

std::optional<double> NumberAt(const Value& entry, std::size_t k)
{
    if (!entry.IsArray() || entry.AsArray().Len() < k || !entry.AsArray()[k].IsNumber()) return std::nullopt;
    return entry.AsArray()[k].AsNumber();
}

std::optional<Array> ListAt(const Value& entry, std::size_t k)
{
    if (!entry.IsArray() || entry.AsArray().Len() < k || !entry.AsArray()[k].IsArray()) return std::nullopt;
    return entry.AsArray()[k].AsArray();
}

std::optional<double> NumberOfItem(const Array& list, std::size_t j)
{
    if (j > list.Len() || !list[j].IsNumber()) return std::nullopt;
    return list[j].AsNumber();
}

std::vector<ColorArg> SeriesColors(const Value& aColors, std::size_t m, const std::function<Value()>& replacement)
{
    Array colors = aColors.IsArray() && !aColors.AsArray().IsNull() ? aColors.AsArray() : Array(m);
    if (colors.Len() < m) colors.Resize(m);
    std::vector<ColorArg> series;
    series.reserve(m);
    for (std::size_t j = 1; j <= m; ++j) {
        if (!ColorOfValue(colors[j])) colors[j] = replacement();
        series.push_back(*ColorOfValue(colors[j]));
    }
    return series;
}

ColorArg MarkerFillOf(const Array& aDef)
{
    constexpr int32_t kWhite = 15;
    return IsOn(aDef[54]) ? *ColorOfValue(aDef[53]) : ColorArg(kWhite);
}

GroupPoints MarkerPoints(const WorldPoints& points)
{
    GroupPoints markers;
    markers.reserve(points.size());
    for (const std::vector<double>& p : points) markers.push_back({p[0], p[1], std::nullopt});
    return markers;
}

GroupPoints MarkerPoints(const WorldVertices& points)
{
    GroupPoints markers;
    markers.reserve(points.size());
    for (const WorldVertex& p : points) markers.push_back({p.x, p.y, std::nullopt});
    return markers;
}

bool IsOn(const Value& nSwitch)
{
    return nSwitch.IsNumber() && nSwitch.AsNumber() == 1.0;
}

}  // namespace charts
