// The line, spline and scatter charts: the points {x, y} mapped in data
// order and handed to one of the painter's group operations.
#include <algorithm>
#include <cmath>
#include <functional>
#include <optional>

#include "graphics/charts/chart_painting.h"
#include "graphics/charts/chart_state.h"
#include "graphics/core/graphics.h"
#include "graphics/objects/objectlines.h"

namespace charts {
namespace {

// The mapped points of the entries that hold two numbers and map to finite
// positions, in data order.
WorldVertices MappedPoints(const ChartAxes& axes, const Array& aData)
{
    WorldVertices points;
    points.reserve(aData.Len());
    for (const Value& entry : aData) {
        const auto x = NumberAt(entry, 1), y = NumberAt(entry, 2);
        if (!x || !y) continue;
        const double px = axes.x.Map(*x), py = axes.y.Map(*y);
        if (std::isfinite(px) && std::isfinite(py)) points.push_back({px, py});
    }
    return points;
}

// The part the line and spline charts share: the line colour, the curve
// that `curve` draws, and the markers on the points.
void PaintCurve(Graphics& g, const Array& aDef, const WorldVertices& points, const Value& nMarker, const Value& uColor,
                const std::function<void()>& curve)
{
    g.SetLineColor(ColorOfValue(uColor).value_or(Rgb(g.State()._nLineColor)));
    curve();
    if (!IsOn(nMarker)) return;
    g.SetFillColor(MarkerFillOf(aDef));
    g.PaintMarkerGroup(MarkerPoints(points));
}

}  // namespace
}  // namespace charts

Graphics& Graphics::PaintChartLine(double nX, double nY, const Array& aDef, const Array& aData, const Value& nMarker,
                                   const Value& uColor)
{
    const auto axes = charts::AxesOfChart(aDef, nX, nY);
    if (!axes) return *this;
    const WorldVertices points = charts::MappedPoints(*axes, aData);
    if (points.empty()) return *this;
    const ChartState saved(*this, ChartState::kFillColor | ChartState::kLineColor);
    // The polyline through the points, as PaintLineGroup draws it from one
    // entry per point.
    charts::PaintCurve(*this, aDef, points, nMarker, uColor, [&] { Paint<ObjectLinienGroup>(points); });
    return *this;
}

Graphics& Graphics::PaintChartSpline(double nX, double nY, const Array& aDef, const Array& aData, double fSmoothing,
                                     const Value& nMarker, const Value& uColor)
{
    const auto axes = charts::AxesOfChart(aDef, nX, nY);
    if (!axes) return *this;
    WorldVertices points = charts::MappedPoints(*axes, aData);
    if (points.empty()) return *this;
    // The curve runs from left to right when the ends say so.
    if (points.front().x > points.back().x) std::reverse(points.begin(), points.end());
    WorldPoints curve;
    curve.reserve(points.size());
    for (const WorldVertex& p : points) curve.push_back({p.x, p.y});
    const ChartState saved(*this, ChartState::kFillColor | ChartState::kLineColor);
    charts::PaintCurve(*this, aDef, points, nMarker, uColor, [&] { PaintSpline(curve, fSmoothing); });
    return *this;
}

Graphics& Graphics::PaintChartScatter(double nX, double nY, const Array& aDef, const Array& aData)
{
    const auto axes = charts::AxesOfChart(aDef, nX, nY);
    if (!axes) return *this;
    GroupPoints points;
    points.reserve(aData.Len());
    // The colour of a point left out passes to the next point drawn.
    std::optional<ColorArg> carried;
    for (const Value& entry : aData) {
        const auto x = charts::NumberAt(entry, 1), y = charts::NumberAt(entry, 2);
        if (!x || !y) continue;
        if (entry.AsArray().Len() >= 3) {
            if (auto color = charts::ColorOfValue(entry.AsArray()[3])) carried = color;
        }
        const double px = axes->x.Map(*x), py = axes->y.Map(*y);
        if (!std::isfinite(px) || !std::isfinite(py)) continue;
        points.push_back({px, py, carried});
        carried.reset();
    }
    if (points.empty()) return *this;
    if (_nMarkerSurf == 1)
        PaintPointGroup(points);
    else
        PaintMarkerGroup(points);
    return *this;
}
