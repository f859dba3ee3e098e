// The chart definition array of the axis charts: 59 elements, 1 to 24 the
// x axis, 25 to 48 the y axis in the same layout (element k + 24 means for
// the y axis what element k means for the x axis), 49 to 59 the chart as a
// whole. The empty chart validates it in place before it draws; the chart
// painters then read it as it was left.
#pragma once

#include <cmath>
#include <cstddef>
#include <cstdint>
#include <optional>

#include "graphics/core/colors.h"
#include "platform/runtime/value.h"

namespace charts {

constexpr std::size_t kChartElements = 59;
constexpr std::size_t kYAxis = 24;
constexpr std::size_t kLegendElements = 7;

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

// True when aDef is as the empty chart leaves it, as far as the data
// painters read it: 59 elements, finite numbers in elements 1 to 4 and 25 to
// 28, 0 or 1 in 21 and 45, colours in 12 and 53 and a number in 54. The
// painters draw nothing from any other array.
bool IsValidatedChartDefinition(const Array& aDef);

// The mapping of one axis of a validated array. With a and b the smaller
// and larger of elements 1 and 2 (positions relative to the origin), v0 and
// v1 elements 3 and 4 (the values drawn at the two ends) and d = -1 for a
// reversed axis (element 21 is 1), else +1, the value v lies at
//     origin + d ((v - v0) k + a),  k = (b - a) / (v1 - v0),
// along the axis (world x on the x axis, world y on the y axis).
class AxisScale {
public:
    // base: 0 for the x axis, kYAxis for the y axis.
    AxisScale(const Array& aDef, std::size_t base, double origin);

    // False when the axis has no scale: equal values at its ends, zero
    // length, or a scale beyond the doubles.
    bool HasScale() const { return std::isfinite(k_) && k_ != 0.0; }
    // The world coordinate of v, measured from the origin or from `from`.
    double Map(double v) const { return MapFrom(origin_, v); }
    double MapFrom(double from, double v) const { return from + d_ * ((v - v0_) * k_ + a_); }
    // The value at the distance t along the axis from its near end.
    double ValueAt(double t) const { return t / k_ + v0_; }

    double Origin() const { return origin_; }
    double Length() const { return b_ - a_; }
    double Scale() const { return k_; }
    bool Reversed() const { return d_ < 0; }
    double Direction() const { return d_; }
    // The ends of the axis line in world units: the one of element 1 or 2
    // nearer the origin's side (a) and the other one (b).
    double Near() const { return origin_ + d_ * a_; }
    double Far() const { return origin_ + d_ * b_; }

private:
    double origin_, a_, b_, d_, v0_, k_;
};

// A colour argument of the caller: a colour object, or a finite number as a
// colour number; nothing for any other value.
std::optional<ColorArg> ColorOfValue(const Value& v);
// A colour stored by the painter (RGB order) as a colour argument.
ColorArg Rgb(std::uint32_t rgb);

// The legend definition array of seven elements, completed in place like the
// chart definition array: a shorter array grows to 7, each invalid element is
// replaced by its default (the frame colour made from colors.line, the fill
// colour from colors.fill), valid elements stay as given.
void ValidateLegendDefinition(Array& aDef, const CurrentColors& colors);
// A validated size element (a number or a dimension) as width and height.
Value::Dimension SizeOfElement(const Value& e);

// The default label format: the value rounded to no decimals, halves away
// from zero, without blanks ("-12" for -12.4), however many digits it needs;
// an argument that is not a number gives an empty text.
Value DefaultLabelFormat();

}  // namespace charts
