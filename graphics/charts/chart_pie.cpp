// The pie chart: one filled sector per slice {value, label, colour,
// exploded}, sized by the slice's share of the total in whole degrees, with
// a label that may show the slice's percentage ("%") or value ("#").
//
// Angles are degrees clockwise from world +y (90 is +x), as the ellipse
// sector takes them: the point at angle a and distance d from (cx, cy) is
// (cx + d sin a, cy + d cos a).
#include <cmath>
#include <optional>
#include <string>
#include <vector>

#include "graphics/charts/chart_painting.h"
#include "graphics/charts/chart_state.h"
#include "graphics/core/graphics.h"
#include "graphics/core/kit.h"
#include "platform/runtime/numtext.h"
#include "platform/runtime/strings.h"

namespace charts {
namespace {

constexpr double kDegree = kPi / 180.0;
// An exploded slice moves out by a fifth of the radius.
constexpr double kExplode = 5.0;
// The label point lies at r / 1.25 for a placeholder alone, else at
// r / 1.05.
constexpr double kPlaceholderDivisor = 1.25;
constexpr double kLabelDivisor = 1.05;

enum class LabelMode { kNone, kPercent, kValue };

struct Slice {
    double value;
    std::string label;
    ColorArg color;
    bool exploded;
    double start = 0.0, end = 0.0;  // degrees
    double percent = 0.0;
};

// Completes the slice arrays in place to four elements and reads them; an
// entry that is not an array is no slice.
std::vector<Slice> CompleteSlices(const Array& aSlices, std::uint32_t fill, LabelMode& mode)
{
    std::vector<Slice> slices;
    for (const Value& entry : aSlices) {
        if (!entry.IsArray() || entry.AsArray().IsNull()) continue;
        Array slice = entry.AsArray();
        if (slice.Len() < 4) slice.Resize(4);
        if (!slice[2].IsText()) slice[2] = "";
        if (!ColorOfValue(slice[3])) slice[3] = Value::Color{fill};
        if (!slice[4].IsLogic()) slice[4] = false;
        const std::string& label = slice[2].AsText();
        if (mode == LabelMode::kNone && label.find('%') != std::string::npos) mode = LabelMode::kPercent;
        if (mode == LabelMode::kNone && label.find('#') != std::string::npos) mode = LabelMode::kValue;
        slices.push_back(
            {slice[1].IsNumber() ? slice[1].AsNumber() : 0.0, label, *ColorOfValue(slice[3]), slice[4].AsLogic()});
    }
    return slices;
}

// Whole-degree angles, the last slice taking the rest up to 360, and whole
// percentages adding up to 100.
void Share(std::vector<Slice>& slices, double total)
{
    double end = 0.0, percents = 0.0;
    for (Slice& s : slices) {
        s.start = end;
        s.end = end = end + Round(s.value / total * 360.0, 0);
        s.percent = Round(s.value / total * 100.0, 0);
        percents += s.percent;
    }
    slices.back().end = 360.0;
    slices.back().percent = 100.0 - (percents - slices.back().percent);
}

std::string LabelText(const Slice& s, LabelMode mode)
{
    if (mode == LabelMode::kPercent) return ReplaceAll(s.label, "%", LTrim(Str(s.percent, 3, 0)) + "%");
    if (mode == LabelMode::kValue) return ReplaceAll(s.label, "#", Str(s.value));
    return s.label;
}

}  // namespace
}  // namespace charts

Graphics& Graphics::PaintChartPie(double nX, double nY, double fRadius, const Array& aSlices, const Value& nOutline,
                                  const Value& uTextColor)
{
    using charts::LabelMode;
    const bool outline = charts::IsOn(nOutline);
    const ChartState saved(*this, ChartState::kTextColor | ChartState::kFillColor | ChartState::kLineColor |
                                      ChartState::kFont);
    LabelMode mode = LabelMode::kNone;
    std::vector<charts::Slice> slices = charts::CompleteSlices(aSlices, _nFillColor, mode);
    double total = 0.0;
    for (const charts::Slice& s : slices) total += s.value;
    const bool placed = std::isfinite(nX) && std::isfinite(nY) && std::isfinite(fRadius) && fRadius > 0.0;
    if (slices.empty() || !std::isfinite(total) || total == 0.0 || !placed) return *this;
    charts::Share(slices, total);

    const double r = fRadius, fontWidth = r / 20.0, fontHeight = fontWidth * 1.5;
    const std::optional<ColorArg> textColor = charts::ColorOfValue(uTextColor);
    const double areaW = _oDim.cx, areaH = _oDim.cy;
    for (const charts::Slice& s : slices) {
        if (!(std::isfinite(s.start) && std::isfinite(s.end) && s.start < s.end)) continue;
        SetFillColor(s.color);
        if (!outline) SetLineColor(s.color);
        // The middle direction, stretched as the drawing area is.
        const double middle = (s.start + s.end) / 2.0;
        const double phi =
            GAtan2(areaH * std::sin(middle * charts::kDegree), areaW * std::cos(middle * charts::kDegree));
        const double shift = s.exploded ? r / charts::kExplode : 0.0;
        const double sx = nX + shift * std::sin(phi), sy = nY + shift * std::cos(phi);
        PaintEllipseSector(sx, sy, r, r, s.start, s.end, 1, 10);
        if (s.label.empty()) continue;

        const bool alone =
            (mode == LabelMode::kPercent && s.label == "%") || (mode == LabelMode::kValue && s.label == "#");
        const double distance = r / (alone ? charts::kPlaceholderDivisor : charts::kLabelDivisor);
        double angle = middle - 90.0;
        if (angle < 0.0) angle += 360.0;
        uint32_t origin = 5;  // the label ends at its point
        if (alone) {
            angle = 0.0;
            origin = 10;
        } else if (angle > 90.0 && angle < 270.0) {
            angle = std::fmod(angle + 180.0, 360.0);
            origin = 1;  // the label starts at its point
        }
        _nTextColor = textColor ? ChangeColorArg2Rgb(*textColor) : ChangeRgb2Invert(_nFillColor);
        SetStringFont(32, fontWidth, fontHeight, 0, 1, -angle);
        PaintString(sx + distance * std::sin(phi), sy + distance * std::cos(phi), charts::LabelText(s, mode), origin);
    }
    return *this;
}
