#include "graphics/charts/chart_definition.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <string>

#include "graphics/core/kit.h"
#include "platform/runtime/numtext.h"
#include "platform/runtime/strings.h"

namespace charts {
namespace {

constexpr double kLimit = 1e9;  // positions, values and the label gap
constexpr double kNone = std::numeric_limits<double>::quiet_NaN();

bool IsFinite(const Value& v)
{
    return v.IsNumber() && std::isfinite(v.AsNumber());
}

// Each check replaces an invalid element by its default and answers the
// element's value as it then stands.

double CheckNumber(Array& aDef, std::size_t i, double lo, double hi, double fallback)
{
    Value& e = aDef[i];
    if (!(IsFinite(e) && e.AsNumber() >= lo && e.AsNumber() <= hi)) e = fallback;
    return e.AsNumber();
}

// A whole number: its integer part in lo..hi and not `excluded`.
double CheckWhole(Array& aDef, std::size_t i, double lo, double hi, double fallback, double excluded = kNone)
{
    Value& e = aDef[i];
    const double whole = IsFinite(e) ? GInteg(e.AsNumber()) : kNone;
    if (!(whole >= lo && whole <= hi && whole != excluded)) e = fallback;
    return GInteg(e.AsNumber());
}

void CheckColor(Array& aDef, std::size_t i, const Value& fallback)
{
    if (!IsFinite(aDef[i]) && !aDef[i].IsColor()) aDef[i] = fallback;
}

void CheckSize(Array& aDef, std::size_t i, Value::Dimension fallback)
{
    const Value& e = aDef[i];
    const auto inRange = [](double n) { return n >= 2.0 && n <= 50.0; };
    const bool valid = IsFinite(e)       ? inRange(GInteg(e.AsNumber()))
                       : e.IsDimension() ? inRange(e.AsDimension().width) && inRange(e.AsDimension().height)
                                         : false;
    if (!valid) aDef[i] = fallback;
}

// Elements 1 to 24 of the axis whose elements start after `base` (0 or 24).
void ValidateAxis(Array& aDef, std::size_t base, const CurrentColors& colors)
{
    const auto at = [base](std::size_t k) { return base + k; };
    const bool yAxis = base == kYAxis;
    const double p1 = CheckNumber(aDef, at(1), -kLimit, kLimit, -100.0);
    const double p2 = CheckNumber(aDef, at(2), -kLimit, kLimit, p1 + 200.0);
    const double nearEnd = std::min(p1, p2), farEnd = std::max(p1, p2);
    const double e3 = CheckNumber(aDef, at(3), -kLimit, kLimit, nearEnd);
    const double e4 = CheckNumber(aDef, at(4), -kLimit, kLimit, farEnd);
    const double range = std::fabs(e4 - e3);
    CheckNumber(aDef, at(5), range / 1000.0, range, range / 10.0);
    CheckWhole(aDef, at(6), 0, 3, yAxis ? 1 : 2);
    CheckNumber(aDef, at(7), 0, 1000, 10);
    CheckWhole(aDef, at(8), 0, 2, 0);
    CheckWhole(aDef, at(9), 0, 3, 3);
    CheckWhole(aDef, at(10), 0, 1, 0);
    if (!aDef[at(11)].IsCodeBlock()) aDef[at(11)] = DefaultLabelFormat();
    CheckColor(aDef, at(12), Value::Color{colors.text});
    CheckSize(aDef, at(13), {6, 9});
    CheckNumber(aDef, at(14), -kLimit, kLimit, 0);
    if (!aDef[at(15)].IsText()) aDef[at(15)] = "";
    const double titled = aDef[at(15)].AsText().empty() ? 0 : 4;
    const double side = CheckWhole(aDef, at(16), 0, 4, titled, 3);
    const double place = CheckWhole(aDef, at(17), 0, 4, titled);
    if (side == 0 || place == 0) aDef[at(16)] = aDef[at(17)] = 0;
    CheckColor(aDef, at(18), Value::Color{colors.text});
    CheckSize(aDef, at(19), {8, 12});
    CheckWhole(aDef, at(20), 0, 1, 0);
    aDef[at(21)] = p1 > p2 ? 1 : 0;
    CheckColor(aDef, at(22), Value::Color{colors.line});
    CheckWhole(aDef, at(23), 0, 3, 0);
    CheckColor(aDef, at(24), 2);  // colour number 2
}

}  // namespace

void ValidateChartDefinition(Array& aDef, const CurrentColors& colors)
{
    if (aDef.IsNull()) aDef = Array(kChartElements);
    if (aDef.Len() < kChartElements) aDef.Resize(kChartElements);
    ValidateAxis(aDef, 0, colors);
    ValidateAxis(aDef, kYAxis, colors);
    CheckWhole(aDef, 49, 0, 50, 1);
    CheckColor(aDef, 50, Value::Color{colors.line});
    CheckWhole(aDef, 51, 0, 1, 0);
    CheckWhole(aDef, 52, 0, 3, 0);
    CheckColor(aDef, 53, Value::Color{colors.fill});
    CheckWhole(aDef, 54, 0, 1, 0);
    aDef[55] = Array(0);
    CheckWhole(aDef, 56, 0, 2, 0);
    CheckColor(aDef, 57, Value::Color{colors.line});
    CheckWhole(aDef, 58, 4, 5, 4);
    CheckWhole(aDef, 59, 4, 5, 4);
}

bool IsValidatedChartDefinition(const Array& aDef)
{
    if (aDef.Len() < kChartElements) return false;
    for (std::size_t base : {std::size_t{0}, kYAxis}) {
        for (std::size_t k = 1; k <= 4; ++k)
            if (!IsFinite(aDef[base + k])) return false;
        const Value& reversed = aDef[base + 21];
        if (!reversed.IsNumber() || (reversed.AsNumber() != 0.0 && reversed.AsNumber() != 1.0)) return false;
    }
    return ColorOfValue(aDef[12]) && ColorOfValue(aDef[53]) && aDef[54].IsNumber();
}

AxisScale::AxisScale(const Array& aDef, std::size_t base, double origin) : origin_(origin)
{
    const double p1 = aDef[base + 1].AsNumber(), p2 = aDef[base + 2].AsNumber();
    a_ = std::min(p1, p2);
    b_ = std::max(p1, p2);
    d_ = aDef[base + 21].AsNumber() == 1.0 ? -1.0 : 1.0;
    v0_ = aDef[base + 3].AsNumber();
    k_ = (b_ - a_) / (aDef[base + 4].AsNumber() - v0_);
}

std::optional<ColorArg> ColorOfValue(const Value& v)
{
    if (v.IsColor()) return Rgb(v.AsColor().rgb);
    if (!IsFinite(v)) return std::nullopt;
    const double n = std::clamp(GInteg(v.AsNumber()), -2147483648.0, 2147483647.0);
    return ColorArg(static_cast<std::int32_t>(n));
}

ColorArg Rgb(std::uint32_t rgb)
{
    return ColorArg::Rgb(rgb & 0xFF, (rgb >> 8) & 0xFF, (rgb >> 16) & 0xFF);
}

void ValidateLegendDefinition(Array& aDef, const CurrentColors& colors)
{
    if (aDef.Len() < kLegendElements) aDef.Resize(kLegendElements);
    CheckWhole(aDef, 1, 1, 10, 5);
    CheckSize(aDef, 2, {6, 9});
    CheckWhole(aDef, 3, 0, 50, 1);
    CheckColor(aDef, 4, Value::Color{colors.line});
    CheckWhole(aDef, 5, 0, 1, 0);
    CheckColor(aDef, 6, Value::Color{colors.fill});
    CheckWhole(aDef, 7, 0, 1, 0);
}

Value::Dimension SizeOfElement(const Value& e)
{
    if (e.IsDimension()) return e.AsDimension();
    const int n = static_cast<int>(GInteg(e.AsNumber()));  // validated: 2 to 50
    return {n, n};
}

Value DefaultLabelFormat()
{
    return Value::CodeBlock([](const std::vector<Value>& arguments) -> Value {
        if (arguments.empty() || !IsFinite(arguments[0])) return "";
        // Wide enough for every double: never asterisks.
        return AllTrim(Str(arguments[0].AsNumber(), 400, 0));
    });
}

}  // namespace charts
