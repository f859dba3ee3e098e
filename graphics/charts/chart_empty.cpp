// The empty chart: plot area, grid, axes with arrows, ticks, labels and
// titles, and the frame, drawn from a validated chart definition array
// through the painter's own operations.
#include <algorithm>
#include <cmath>
#include <vector>

#include "graphics/charts/chart_definition.h"
#include "graphics/charts/chart_state.h"
#include "graphics/core/graphics.h"
#include "graphics/core/kit.h"

namespace charts {
namespace {

// More ticks than a validated step allows (1,000 intervals); a quotient
// beyond it comes only from rounding in a denormal range, whose axis then
// counts as one without a scale.
constexpr double kMaxIntervals = 2000.0;

// One axis of a validated array: its geometry and its ticks. Coordinates
// along the axis are world x on the x axis and world y on the y axis; across
// it the other one.
class Axis {
public:
    Axis(const Array& aDef, std::size_t base, double origin, double across)
        : def_(aDef),
          base_(base),
          scale_(aDef, base, origin),
          across_(across)
    {
        const double length = scale_.Length();
        const double w = std::fabs(Number(5) * scale_.Scale());
        if (!(std::isfinite(w) && w > 0.0 && length / w <= kMaxIntervals)) return;  // no scale: no ticks
        const double a = std::min(Number(1), Number(2));
        const double phase = Whole(8) == 2 ? 0.0 : std::fmod(-a / w, 1.0) * w;
        const int n = static_cast<int>(GInteg(length / w));
        for (int i = 0; i <= n + 1; ++i) {
            const double t = i * w + phase;
            if (t < -1e-6 || t > length + 1e-6) continue;
            positions_.push_back(Near() + scale_.Direction() * t);
            values_.push_back(scale_.ValueAt(t));
        }
    }

    // Element k of this axis (1 to 24).
    const Value& Element(std::size_t k) const { return def_[base_ + k]; }
    double Number(std::size_t k) const { return Element(k).AsNumber(); }
    int Whole(std::size_t k) const { return static_cast<int>(GInteg(Number(k))); }
    bool IsX() const { return base_ == 0; }

    double Origin() const { return scale_.Origin(); }
    double Across() const { return across_; }
    bool Reversed() const { return scale_.Reversed(); }
    double Near() const { return scale_.Near(); }
    double Far() const { return scale_.Far(); }
    double Smaller() const { return std::min(Near(), Far()); }
    double Larger() const { return std::max(Near(), Far()); }
    // The direction of a side across the axis: side 1 of the x axis is
    // towards larger y, side 1 of the y axis towards smaller x.
    double SideSign(int side) const { return (side == 1) == IsX() ? 1.0 : -1.0; }
    // The world x (first) and y of a point given along and across the axis.
    std::pair<double, double> World(double along, double across) const
    {
        return IsX() ? std::pair{along, across} : std::pair{across, along};
    }

    const std::vector<double>& Positions() const { return positions_; }
    const std::vector<double>& Values() const { return values_; }

private:
    const Array& def_;
    std::size_t base_;
    AxisScale scale_;
    double across_;
    std::vector<double> positions_, values_;
};

}  // namespace
}  // namespace charts

// One call of PaintChartEmpty: the painter with its saved state, the array
// and its two axes.
class Graphics::EmptyChart {
public:
    // Saves the painter's colours, line width and font.
    EmptyChart(Graphics& g, double nX, double nY, const Array& aDef)
        : g_(g),
          def_(aDef),
          x_(aDef, 0, nX, nY),
          y_(aDef, charts::kYAxis, nY, nX)
    {
    }
    EmptyChart(const EmptyChart&) = delete;
    EmptyChart& operator=(const EmptyChart&) = delete;

    void Paint()
    {
        if (Whole(54) == 1) {
            g_.SetLineColor(ColorOf(53)).SetFillColor(ColorOf(53));
            PlotArea(1);
            g_.SetFillColor(charts::Rgb(fillColor_)).SetLineColor(charts::Rgb(lineColor_));
        }
        PaintAxis(x_, y_);
        PaintAxis(y_, x_);
        if (Whole(51) == 1) {
            g_.SetLineWidth(Whole(49)).SetLineColor(ColorOf(50));
            PlotArea(0);
        }
    }

private:
    using Axis = charts::Axis;

    int Whole(std::size_t i) const { return static_cast<int>(GInteg(def_[i].AsNumber())); }
    static ColorArg ColorOf(const Value& e) { return *charts::ColorOfValue(e); }  // validated
    ColorArg ColorOf(std::size_t i) const { return ColorOf(def_[i]); }

    void PlotArea(uint32_t nFill) { g_.PaintRectangleAligned(x_.Near(), y_.Near(), x_.Far(), y_.Far(), nFill); }

    void Line(const Axis& axis, double along1, double across1, double along2, double across2)
    {
        const auto [x1, y1] = axis.World(along1, across1);
        const auto [x2, y2] = axis.World(along2, across2);
        g_.PaintLine(x1, y1, x2, y2);
    }
    void String(const Axis& axis, double along, double across, const std::string& cText, uint32_t nOrigin)
    {
        const auto [x, y] = axis.World(along, across);
        g_.PaintString(x, y, cText, nOrigin);
    }
    void Font(const Value& size, std::size_t iMode, double fAngle)
    {
        const Value::Dimension dim = charts::SizeOfElement(size);
        g_.SetStringFont(32, dim.width, dim.height, 0, static_cast<uint32_t>(Whole(iMode)), fAngle);
    }

    void Export(const Axis& axis)
    {
        const int mode = Whole(56);
        if (mode == 0) return;
        Array list(0);
        for (std::size_t i = 0; i < axis.Positions().size(); ++i)
            list.Add(mode == 1 ? axis.Positions()[i] - axis.Origin() : axis.Values()[i]);
        Array exported = def_[55].AsArray();  // shares the array's elements
        exported.Add(list);
    }

    void Grid(const Axis& axis, const Axis& other)
    {
        const int grid = Whole(52);
        if (grid == 0) return;
        g_.SetLineColor(ColorOf(57));
        if (grid != (axis.IsX() ? 1 : 2) && grid != 3) return;
        for (double p : axis.Positions())
            if (p != axis.Origin()) Line(axis, p, other.Near(), p, other.Far());
    }

    void Arrow(const Axis& axis)
    {
        int kind = axis.Whole(23);
        if (kind == 0) return;
        if (kind == 1) kind = axis.Reversed() ? 3 : 2;
        const double s = axis.Number(7), c = kind == 2 ? axis.Larger() : axis.Smaller();
        const double g = kind == 2 ? s : -s, across = axis.Across();
        WorldPoints triangle;
        for (const auto& [along, off] : {std::pair{c, -0.75 * s}, {c, 0.75 * s}, {c + 1.5 * g, 0.0}}) {
            const auto [x, y] = axis.World(along, across + off);
            triangle.push_back({x, y});
        }
        g_.SetFillColor(ColorOf(axis.Element(24))).PaintPolygon(triangle, 1);
        g_.SetFillColor(charts::Rgb(fillColor_));
    }

    void PaintAxis(const Axis& axis, const Axis& other)
    {
        if (axis.Whole(20) == 1) return;
        Export(axis);
        Grid(axis, other);
        g_.SetLineColor(ColorOf(axis.Element(22)));
        Line(axis, axis.Near(), axis.Across(), axis.Far(), axis.Across());
        Arrow(axis);

        // Sides: labels follow one-sided tick marks; the automatic title
        // takes the labels' side.
        const int marks = axis.Whole(6), defaultSide = axis.IsX() ? 2 : 1;
        int labelSide = axis.Whole(9);
        if (labelSide != 0 && (marks == 1 || marks == 2)) labelSide = marks;
        if (labelSide == 3) labelSide = defaultSide;
        int titleSide = axis.Whole(16);
        if (titleSide == 4) titleSide = labelSide != 0 ? labelSide : defaultSide;
        const bool opposite = (titleSide == 1 && labelSide == 2) || (titleSide == 2 && labelSide == 1);

        const double s = axis.Number(7);
        if (marks != 0) {
            const double u = marks == 2 ? 0.0 : s, v = marks == 1 ? 0.0 : s;
            for (double p : axis.Positions()) {
                if (axis.Whole(8) == 1 && std::fabs(p - axis.Origin()) < 1.0) continue;
                Line(axis, p, axis.Across() + axis.SideSign(1) * u, p, axis.Across() + axis.SideSign(2) * v);
            }
        }

        const bool across = axis.Whole(10) == 1;
        double widest = 0.0;
        if (labelSide != 0) widest = Labels(axis, labelSide, titleSide != 0 && !opposite && across);
        if (titleSide == 0) return;

        double t = marks != 0 ? s : 0.0;
        if (opposite) {
            t = marks == 3 ? s : 0.0;
        } else if (labelSide != 0) {
            t = s + (across ? widest : g_.GetStringHeight("A"));
        }
        Font(axis.Element(19), 59, axis.IsX() ? 0.0 : 270.0);
        t += g_.GetStringHeight("A") / 4.0;
        Title(axis, titleSide, t);
    }

    // Draws the tick labels on the side; answers the widest label when asked
    // to measure them (else 0).
    double Labels(const Axis& axis, int side, bool measure)
    {
        // Origin modes by axis, side and orientation (along, across).
        static constexpr uint32_t kModes[2][2][2] = {{{7, 1}, {3, 5}}, {{7, 5}, {3, 1}}};
        const int across = axis.Whole(10);
        const uint32_t nOrigin = kModes[axis.IsX() ? 0 : 1][side - 1][across];
        Font(axis.Element(13), 58, (across == 1) == axis.IsX() ? 270.0 : 0.0);
        g_.SetStringColor(ColorOf(axis.Element(12)));
        const double gap = std::fabs(axis.Number(14)), offset = axis.Across() + axis.SideSign(side) * axis.Number(7);
        const Value& format = axis.Element(11);
        double widest = 0.0;
        for (std::size_t i = 0; i < axis.Positions().size(); ++i) {
            const double p = axis.Positions()[i];
            if (gap > 0.0 && std::fabs(p - axis.Origin()) < gap) continue;
            const Value label = format.Eval({axis.Values()[i]});
            if (!label.IsText()) continue;
            String(axis, p, offset, label.AsText(), nOrigin);
            if (measure) widest = std::max(widest, g_.GetStringWidth(label.AsText()));
        }
        g_.SetStringColor(charts::Rgb(textColor_));
        return widest;
    }

    void Title(const Axis& axis, int side, double t)
    {
        // Place along the axis: 1 the end with smaller coordinate, 2 the
        // middle, 3 the end with larger coordinate; origin modes by side.
        static constexpr uint32_t kModes[3][2] = {{0, 2}, {7, 3}, {6, 4}};
        int place = axis.Whole(17);
        if (place == 4) place = axis.Reversed() == axis.IsX() ? 1 : 2;
        const int slot = place == 3 ? 1 : (place == 1) == axis.IsX() ? 0 : 2;
        const double along = slot == 0 ? axis.Smaller() : slot == 2 ? axis.Larger() : (axis.Near() + axis.Far()) / 2;
        g_.SetStringColor(ColorOf(axis.Element(18)));
        String(axis, along, axis.Across() + axis.SideSign(side) * t, axis.Element(15).AsText(), kModes[slot][side - 1]);
        g_.SetStringColor(charts::Rgb(textColor_));
    }

    Graphics& g_;
    const Array& def_;
    Axis x_, y_;
    // Puts the colours, line width and font back; the chart's last font goes
    // with its handle.
    const ChartState saved_{g_, ChartState::kFillColor | ChartState::kLineColor | ChartState::kTextColor |
                                    ChartState::kLineWidth | ChartState::kFont};
    const uint32_t textColor_ = saved_.TextColor(), fillColor_ = saved_.FillColor(), lineColor_ = saved_.LineColor();
};

Graphics& Graphics::PaintChartEmpty(double nX, double nY, Array& aDef)
{
    charts::ValidateChartDefinition(aDef, {_nTextColor, _nLineColor, _nFillColor});
    EmptyChart(*this, nX, nY, aDef).Paint();
    return *this;
}
