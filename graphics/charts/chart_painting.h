// What the data painters of the charts share: the two axes of the chart
// definition array, the reading of data entries and the series colours.
#pragma once

#include <cstddef>
#include <functional>
#include <optional>
#include <vector>

#include "graphics/charts/chart_definition.h"
#include "graphics/core/colors.h"
#include "graphics/core/figurepoints.h"
#include "platform/runtime/value.h"

namespace charts {

// The x and y axis of a chart whose origin is (nX, nY).
struct ChartAxes {
    AxisScale x, y;
};

// The axes of aDef, or nothing when aDef has not been validated by the
// empty chart or an axis has no scale: the data painters then draw nothing.
std::optional<ChartAxes> AxesOfChart(const Array& aDef, double nX, double nY);

// Element k of a data entry: a number when the entry is an array holding a
// number there, a list when it holds an array there; nothing otherwise.
std::optional<double> NumberAt(const Value& entry, std::size_t k);
std::optional<Array> ListAt(const Value& entry, std::size_t k);
// The item j of a value list as a number, or nothing.
std::optional<double> NumberOfItem(const Array& list, std::size_t j);

// The colours of m series from the caller's colour array: anything but an
// array stands for an array of the call's own; an array shorter than m grows
// to m in place, and each of its entries 1 to m that is no colour is
// replaced there by the value `replacement` gives (asked in series order).
std::vector<ColorArg> SeriesColors(const Value& aColors, std::size_t m, const std::function<Value()>& replacement);

// The markers' fill colour of the line, spline and integral charts: the
// plot area's colour (element 53) when the plot area is filled (element 54
// is 1), else white.
ColorArg MarkerFillOf(const Array& aDef);
// The points as markers without colours of their own.
GroupPoints MarkerPoints(const WorldPoints& points);
GroupPoints MarkerPoints(const WorldVertices& points);

// True for the number 1 alone (not a logic value): a painter's switch.
bool IsOn(const Value& nSwitch);

}  // namespace charts
