// The chart definition array of the axis charts: 59 elements, 1 to 24 the
// x axis, 25 to 48 the y axis in the same layout (element k + 24 means for
// the y axis what element k means for the x axis), 49 to 59 the chart as a
// whole. The empty chart validates it in place before it draws; the chart
// painters then read it as it was left.
#pragma once

#include <cstddef>
#include <cstdint>

#include "platform/runtime/value.h"

namespace charts {

constexpr std::size_t kChartElements = 59;
constexpr std::size_t kYAxis = 24;

// The painter's colours (COLORREFs) at the time of the call: the defaults of
// the colour elements are colours made from them.
struct CurrentColors {
    std::uint32_t text;
    std::uint32_t line;
    std::uint32_t fill;
};

// Brings aDef into a valid state in place: a null array becomes a new one,
// a shorter one grows to 59 elements; every element that is empty, of the
// wrong kind, out of its range or a number that is not finite is replaced by
// its default, valid elements stay exactly as given; element 21 (45) is set
// to the axis's reversal and element 55 to a new empty array. A real number
// in a whole-number element is judged by its integer part.
void ValidateChartDefinition(Array& aDef, const CurrentColors& colors);

// The default label format: the value rounded to no decimals, halves away
// from zero, without blanks ("-12" for -12.4), however many digits it needs;
// an argument that is not a number gives an empty text.
Value DefaultLabelFormat();

}  // namespace charts
