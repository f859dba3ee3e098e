// The legend: for each entry {text, colour, pattern} a short line in the
// series' colour and pattern and its text, optionally in a framed and/or
// filled box. Its measures follow the text line height lh (three quarters
// of the height of "A" in the legend font) through the unit u = lh / 2:
// lines are 8u long, texts start 9u from the lines' start, rows are 3u
// apart, and a frame keeps a margin of u.
#include <algorithm>
#include <cmath>

#include "graphics/charts/chart_definition.h"
#include "graphics/charts/chart_painting.h"
#include "graphics/charts/chart_state.h"
#include "graphics/core/graphics.h"
#include "graphics/core/kit.h"

namespace charts {
namespace {

// The text of a legend entry of the right shape: an array holding a text
// and a colour.
const std::string* TextOfEntry(const Value& entry)
{
    if (!entry.IsArray() || entry.AsArray().Len() < 2) return nullptr;
    const Array& e = entry.AsArray();
    return e[1].IsText() && ColorOfValue(e[2]) ? &e[1].AsText() : nullptr;
}

}  // namespace
}  // namespace charts

Graphics& Graphics::PaintChartLegend(double nX, double nY, Array& aDef, const Array& aEntries, const Value& nOrigin)
{
    Array def = aDef.IsNull() ? Array(charts::kLegendElements) : aDef;
    charts::ValidateLegendDefinition(def, {_nTextColor, _nLineColor, _nFillColor});
    const auto whole = [&def](std::size_t i) { return static_cast<int32_t>(GInteg(def[i].AsNumber())); };
    const bool framed = whole(5) == 1, filled = whole(7) == 1;
    if (!std::isfinite(nX) || !std::isfinite(nY)) return *this;

    const ChartState saved(*this, ChartState::kTextColor | ChartState::kLineColor | ChartState::kLineWidth |
                                      ChartState::kLinePattern | ChartState::kFont);
    const Value::Dimension size = charts::SizeOfElement(def[2]);
    SetStringFont(32, size.width, size.height, 0, 4, 0.0);
    double widest = 0.0;
    for (const Value& entry : aEntries)
        if (const std::string* text = charts::TextOfEntry(entry)) widest = std::max(widest, GetStringWidth(*text));
    const double lh = GetStringHeight("A") * 0.75, u = lh / 2.0;
    const double n = static_cast<double>(aEntries.Len());
    const double boxWidth = (framed ? 11.0 : 9.0) * u + widest;
    const double boxHeight = (framed ? 2.0 * u : 0.0) + (n - 1.0) * u + n * lh;

    double x = nX, y = nY;
    if (nOrigin.IsNumber() && nOrigin.AsNumber() >= 1.0 && nOrigin.AsNumber() <= 4294967295.0)
        GetOriginPoint(x, y, boxWidth, boxHeight, static_cast<uint32_t>(GInteg(nOrigin.AsNumber())));
    const double x1 = framed ? x + u : x, y1 = framed ? y + u : y;

    if (framed || filled) {
        if (framed) SetLineWidth(whole(3)).SetLineColor(*charts::ColorOfValue(def[4]));
        if (filled) SetFillColor(*charts::ColorOfValue(def[6]));
        if (filled && !framed) SetLineColor(*charts::ColorOfValue(def[6]));
        PaintRectangle(x, y, boxWidth, boxHeight, filled ? 1 : 0);
        _nLineWidth = saved.LineWidth();
        _nLineColor = saved.LineColor();
    }

    const double width = std::max(def[1].AsNumber() / 10.0 * lh * _fFactorY, 1.0);
    SetLineWidth(static_cast<int32_t>(std::min(width, 2147483647.0)));
    SetStringColor(ColorArg::Rgb(0, 0, 0));
    double lineY = y1 + u;
    for (std::size_t i = aEntries.Len(); i >= 1; --i, lineY += 3.0 * u) {
        const std::string* text = charts::TextOfEntry(aEntries[i]);
        if (text == nullptr) continue;
        const Array& entry = aEntries[i].AsArray();
        SetLineColor(*charts::ColorOfValue(entry[2]));
        if (entry.Len() > 2 && entry[3].IsNumber() && std::isfinite(entry[3].AsNumber()))
            _nLinePattern = static_cast<int32_t>(std::clamp(entry[3].AsNumber(), -2147483648.0, 2147483647.0));
        PaintLine(x1, lineY, x1 + 8.0 * u, lineY);
        PaintString(x1 + 9.0 * u, lineY, *text, 1);
    }
    return *this;
}
