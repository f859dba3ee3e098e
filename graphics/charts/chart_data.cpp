// The data preparers of the charts: function tables and transformed
// (for example logarithmic) chart data.
#include <cmath>
#include <limits>
#include <new>
#include <vector>

#include "graphics/core/graphics.h"
#include "graphics/core/kit.h"
#include "lib/system.h"

namespace charts {
namespace {

constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();

// The block's result for x as a number; anything else as NaN.
double NumberOf(const Value& bBlock, const Value& x)
{
    const Value result = bBlock.Eval({x});
    return result.IsNumber() ? result.AsNumber() : kNaN;
}

// Element k of entry replaced by the block's result for the same element of
// source; nothing when that is not a number.
void TransformElement(Array& entry, const Array& source, std::size_t k, const Value& bBlock)
{
    if (entry.Len() >= k && source.Len() >= k && source[k].IsNumber()) entry[k] = NumberOf(bBlock, source[k]);
}

// Every item of the list in element 2 of entry, likewise.
void TransformList(Array& entry, const Array& source, const Value& bBlock)
{
    if (entry.Len() < 2 || source.Len() < 2 || !entry[2].IsArray() || !source[2].IsArray()) return;
    Array list = entry[2].AsArray();
    const Array& items = source[2].AsArray();
    for (std::size_t j = 1; j <= list.Len() && j <= items.Len(); ++j)
        if (items[j].IsNumber()) list[j] = NumberOf(bBlock, items[j]);
}

}  // namespace
}  // namespace charts

Array Graphics::SetMathGraphArray(const Value& bFunction, double fStart, double fEnd, const Value& nPoints)
{
    if (!bFunction.IsCodeBlock() || !nPoints.IsNumber() || !(nPoints.AsNumber() >= 1.0)) return Array(0);
    const double count = GInteg(nPoints.AsNumber());
    if (count > static_cast<double>(std::vector<Value>().max_size())) return Array(0);
    const double a = fStart <= fEnd ? fStart : fEnd, b = fStart <= fEnd ? fEnd : fStart;
    try {
        Array table(static_cast<std::size_t>(count));
        const std::size_t n = table.Len();
        const double step = n > 1 ? (b - a) / static_cast<double>(n - 1) : 0.0;
        for (std::size_t i = 1; i <= n; ++i) {
            const double x = a + static_cast<double>(i - 1) * step;
            table[i] = Array{x, charts::NumberOf(bFunction, x)};
        }
        return table;
    } catch (const std::bad_alloc&) {
        return Array(0);
    }
}

Array Graphics::SetLogarithmic(const Value& aData, const Value& bX, const Value& bY, const Value& nMode)
{
    if (!aData.IsArray() || aData.AsArray().Len() == 0) return Array(0);
    const Array& source = aData.AsArray();
    Array copy = AClone2(source);
    const double mode = nMode.IsNumber() ? nMode.AsNumber() : 0.0;
    const bool single = mode == 0.0 || mode == 3.0;
    const bool lists = mode == 1.0 || mode == 2.0 || mode == 4.0;
    for (std::size_t i = 1; i <= source.Len(); ++i) {
        if (!source[i].IsArray() || !copy[i].IsArray()) continue;
        Array entry = copy[i].AsArray();
        const Array& original = source[i].AsArray();
        if (bX.IsCodeBlock()) charts::TransformElement(entry, original, 1, bX);
        if (bY.IsCodeBlock() && single) charts::TransformElement(entry, original, 2, bY);
        if (bY.IsCodeBlock() && lists) charts::TransformList(entry, original, bY);
    }
    return copy;
}
