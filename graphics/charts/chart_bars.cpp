// The bar, pillar and multi-bar charts: filled rectangles outlined in the
// x axis's label colour (element 12), rising from the origin's y.
#include <algorithm>
#include <cmath>
#include <optional>

#include "graphics/charts/chart_painting.h"
#include "graphics/charts/chart_state.h"
#include "graphics/core/graphics.h"

namespace charts {
namespace {

// Share of the slot that the default bar (or pillar) width takes.
constexpr double kBarShare = 0.6;
// The gap of a multi-bar group, in bar widths per slot.
constexpr double kGroupGap = 1.33333333;

// The width of an entry: its own (element 3) when that is a finite number
// of at least 0, else the default.
double WidthOf(const Value& entry, double fDefault)
{
    const std::optional<double> width = NumberAt(entry, 3);
    return width && std::isfinite(*width) && *width >= 0.0 ? *width : fDefault;
}

// The largest number of values of the entries {x, values}.
std::size_t SeriesCount(const Array& aData)
{
    std::size_t m = 0;
    for (const Value& entry : aData)
        if (const std::optional<Array> values = ListAt(entry, 2)) m = std::max(m, values->Len());
    return m;
}

// A filled and outlined bar; nothing when a corner is not finite.
void PaintBar(Graphics& g, double x1, double y1, double x2, double y2)
{
    if (std::isfinite(x1) && std::isfinite(y1) && std::isfinite(x2) && std::isfinite(y2))
        g.PaintRectangleAligned(x1, y1, x2, y2, 1);
}

}  // namespace
}  // namespace charts

Graphics& Graphics::PaintChartBar(double nX, double nY, const Array& aDef, const Array& aData, const Value& uColor)
{
    const auto axes = charts::AxesOfChart(aDef, nX, nY);
    if (!axes || aData.Len() == 0) return *this;
    const ChartState saved(*this, ChartState::kFillColor | ChartState::kLineColor);
    SetFillColor(charts::ColorOfValue(uColor).value_or(charts::Rgb(_nFillColor)));
    SetLineColor(*charts::ColorOfValue(aDef[12]));
    const double w0 = axes->x.Length() / static_cast<double>(aData.Len()) * charts::kBarShare;
    for (const Value& entry : aData) {
        const auto x = charts::NumberAt(entry, 1), y = charts::NumberAt(entry, 2);
        if (!x || !y) continue;
        const double cx = axes->x.Map(*x), w = charts::WidthOf(entry, w0);
        charts::PaintBar(*this, cx - w / 2, nY, cx + w / 2, axes->y.Map(*y));
    }
    return *this;
}

Graphics& Graphics::PaintChartPillar(double nX, double nY, const Array& aDef, const Array& aData, const Value& aColors)
{
    const auto axes = charts::AxesOfChart(aDef, nX, nY);
    if (!axes || aData.Len() == 0) return *this;
    const ChartState saved(*this, ChartState::kFillColor | ChartState::kLineColor);
    const Value entryFill = Value::Color{_nFillColor};
    const std::vector<ColorArg> colors =
        charts::SeriesColors(aColors, charts::SeriesCount(aData), [&entryFill] { return entryFill; });
    SetLineColor(*charts::ColorOfValue(aDef[12]));
    const double w0 = axes->x.Length() / static_cast<double>(aData.Len()) * charts::kBarShare;
    for (const Value& entry : aData) {
        const auto x = charts::NumberAt(entry, 1);
        const auto values = charts::ListAt(entry, 2);
        if (!x || !values) continue;
        const double cx = axes->x.Map(*x), w = charts::WidthOf(entry, w0);
        double base = nY;
        for (std::size_t j = 1; j <= values->Len(); ++j) {
            const std::optional<double> v = charts::NumberOfItem(*values, j);
            if (!v) continue;
            const double top = axes->y.MapFrom(base, *v);
            SetFillColor(colors[j - 1]);
            charts::PaintBar(*this, cx - w / 2, base, cx + w / 2, top);
            if (std::isfinite(top)) base = top;
        }
    }
    return *this;
}

Graphics& Graphics::PaintChartMultiBar(double nX, double nY, const Array& aDef, const Array& aData,
                                       const Value& aColors, const Value& nOverlap)
{
    const auto axes = charts::AxesOfChart(aDef, nX, nY);
    if (!axes || aData.Len() == 0) return *this;
    const ChartState saved(*this, ChartState::kFillColor | ChartState::kLineColor);
    const double overlap = nOverlap.IsNumber() ? nOverlap.AsNumber() : NAN;
    const double s = overlap >= -1.0 && overlap <= 1.0 ? 1.0 - overlap : 0.0;
    const std::size_t m = charts::SeriesCount(aData);
    const Value entryFill = Value::Color{_nFillColor};
    const std::vector<ColorArg> colors = charts::SeriesColors(aColors, m, [&entryFill] { return entryFill; });
    SetLineColor(*charts::ColorOfValue(aDef[12]));
    const double slot = axes->x.Length() / static_cast<double>(aData.Len());
    const double w0 = slot / ((static_cast<double>(m) - 1.0) * s + 1.0 + charts::kGroupGap);
    for (const Value& entry : aData) {
        const auto x = charts::NumberAt(entry, 1);
        const auto values = charts::ListAt(entry, 2);
        if (!x || !values) continue;
        const double w = charts::WidthOf(entry, w0), k = static_cast<double>(values->Len());
        double bx = axes->x.Map(*x) - (k - 1.0) * w * (s / 2.0);
        for (std::size_t j = 1; j <= values->Len(); ++j, bx += w * s) {
            const std::optional<double> v = charts::NumberOfItem(*values, j);
            if (!v) continue;
            SetFillColor(colors[j - 1]);
            charts::PaintBar(*this, bx - w / 2, nY, bx + w / 2, axes->y.Map(*v));
        }
    }
    return *this;
}
