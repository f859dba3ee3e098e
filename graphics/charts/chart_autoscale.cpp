// Automatic scaling: value range and tick step of a chart axis from the data
// it will show, written into the chart definition array.
#include <algorithm>
#include <cmath>
#include <optional>

#include "graphics/charts/chart_definition.h"
#include "graphics/core/graphics.h"
#include "graphics/core/kit.h"
#include "platform/runtime/numtext.h"

namespace charts {
namespace {

struct Limits {
    double lo;
    double hi;
};

// Widens the limits by a value: a value above hi becomes hi, else one
// below lo becomes lo; the first value seeds both.
void Widen(std::optional<Limits>& limits, double value)
{
    if (!limits)
        limits = Limits{value, value};
    else if (value > limits->hi)
        limits->hi = value;
    else if (value < limits->lo)
        limits->lo = value;
}

// The finite numbers of a list element.
template <typename Visit>
void ForEachNumber(const Value& list, Visit&& visit)
{
    if (!list.IsArray()) return;
    for (const Value& item : list.AsArray())
        if (item.IsNumber() && std::isfinite(item.AsNumber())) visit(item.AsNumber());
}

// The data limits of part k of the entries in a data mode (0 and 3 numbers,
// 2 every number of the lists, 1 and 4 the sums of the lists, whose first
// number seeds the limits); none without a usable value.
std::optional<Limits> DataLimits(const Array& aData, std::size_t k, int mode)
{
    std::optional<Limits> limits;
    for (const Value& entry : aData) {
        if (!entry.IsArray() || entry.AsArray().Len() < k) continue;
        const Value& part = entry.AsArray()[k];
        if (mode == 0 || mode == 3) {
            if (part.IsNumber() && std::isfinite(part.AsNumber())) Widen(limits, part.AsNumber());
        } else if (mode == 2) {
            ForEachNumber(part, [&](double v) { Widen(limits, v); });
        } else {
            std::optional<double> sum;
            ForEachNumber(part, [&](double v) {
                if (!limits && !sum) Widen(limits, v);  // the seed
                sum = sum.value_or(0.0) + v;
            });
            if (sum) Widen(limits, *sum);
        }
    }
    if (limits && mode != 0) {  // zero included
        if (limits->lo > 0.0)
            limits->lo = 0.0;
        else if (limits->hi < 0.0)
            limits->hi = 0.0;
    }
    return limits;
}

double Power(double e)
{
    return std::pow(10.0, e);
}

double Exponent(double x)
{
    return x != 0.0 ? GInteg(std::log10(std::fabs(x))) : 0.0;
}

// Element of aDef as a finite number, else the given default.
double NumberOr(const Array& aDef, std::size_t index, double fallback)
{
    const Value& element = aDef[index];
    return element.IsNumber() && std::isfinite(element.AsNumber()) ? element.AsNumber() : fallback;
}

// Steps 2 to 8 for one axis whose first element is `first` (1 or 25).
void ScaleAxis(Array& aDef, std::size_t first, Limits limits, double n, double* nOrigin)
{
    double lo = limits.lo, hi = limits.hi;
    if (hi == lo) {
        if (lo > 0.0) {
            lo /= 2.0;
            hi *= 2.0;
        } else {
            lo *= 2.0;
            hi /= 2.0;
        }
    }
    const double eHi = Exponent(hi), eLo = Exponent(lo);
    if (((lo > 0.0 && hi > 0.0) || (lo < 0.0 && hi < 0.0)) && lo / hi < 1.0 / n) lo = 0.0;
    lo = lo >= 0.0 ? GInteg(lo / Power(eLo)) * Power(eLo) : Round(lo / Power(eLo) - 0.1, 1) * Power(eLo);
    hi = hi >= 0.0 ? Round(hi / Power(eHi) + 0.1, 1) * Power(eHi) : GInteg(hi / Power(eHi)) * Power(eHi);
    double step = (hi - lo) / n;
    const double eStep = step > 0.0 ? GInteg(std::log10(step)) : 0.0;
    step = Round(step / Power(eStep) + 0.5, 0) * Power(eStep);
    if (lo < 0.0) {
        const double start0 = NumberOr(aDef, first, -100.0);
        const double length = NumberOr(aDef, first + 1, start0 + 200.0) - start0;
        const double start = length / ((std::max(hi, 0.0) - lo) / lo);
        if (nOrigin != nullptr) *nOrigin += start0 - start;
        aDef[first] = start;
        aDef[first + 1] = length - std::fabs(start);
    }
    aDef[first + 2] = lo;
    aDef[first + 3] = hi;
    aDef[first + 4] = step;
}

}  // namespace
}  // namespace charts

Graphics& Graphics::SetAutoScale(Array& aDef, const Value& aData, double nIntervalsX, double nIntervalsY,
                                 const Value& nMode, double* nOriginX, double* nOriginY)
{
    using namespace charts;
    if (!aData.IsArray() || aData.AsArray().Len() == 0) return *this;
    if (aDef.IsNull()) aDef = Array(kChartElements);
    if (aDef.Len() < kChartElements) aDef.Resize(kChartElements);
    const Array& data = aData.AsArray();
    const double modeValue = nMode.IsNumber() ? nMode.AsNumber() : 0.0;
    const bool known = modeValue == 0.0 || modeValue == 1.0 || modeValue == 2.0 || modeValue == 3.0 || modeValue == 4.0;
    // A y axis in an unknown mode takes the limits of the x axis of this
    // call, 0 and 0 when that was not scaled.
    std::optional<Limits> xLimits;
    if (nIntervalsX >= 1.0) {
        xLimits = DataLimits(data, 1, 0);
        if (xLimits) ScaleAxis(aDef, 1, *xLimits, GInteg(nIntervalsX), nOriginX);
    }
    if (nIntervalsY >= 1.0) {
        const std::optional<Limits> yLimits =
            known ? DataLimits(data, 2, static_cast<int>(modeValue)) : xLimits.value_or(Limits{0.0, 0.0});
        if (yLimits) ScaleAxis(aDef, 1 + kYAxis, *yLimits, GInteg(nIntervalsY), nOriginY);
    }
    return *this;
}
