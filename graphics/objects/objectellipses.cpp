#include "graphics/objects/objectellipses.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <vector>

#include "graphics/core/painterstate.h"
#include "graphics/core/kit.h"
#include "platform/runtime/numtext.h"

namespace {
// The bounding box of the ellipse in device pixels: even width and height,
// aligned by the origin mode (10, the default, centres it on the point).
RECT EllipseBox(const objectShape& oShape, double x, double y, double rx, double ry, uint32_t nOrigin)
{
    const int32_t w = SaturatedCoordinate(2 * int64_t{oShape.DeviceExtentX(rx)});
    const int32_t h = SaturatedCoordinate(2 * int64_t{oShape.DeviceExtentY(ry)});
    int32_t left = oShape.DevicePosX(x), bottom = oShape.DevicePosY(y);
    oShape.AlignOrigin(left, bottom, w, h, nOrigin);
    return {left, bottom, SaturatedCoordinate(int64_t{left} + w), SaturatedCoordinate(int64_t{bottom} + h)};
}

// Boxes wider or higher than this are not handed to the system, which works
// through every pixel of an ellipse's outline (Wine then gives up or hangs).
constexpr int64_t kLargestEllipse = int64_t{1} << 20;

bool FitsTheSystem(const objectShape& oShape, double rx, double ry)
{
    return std::llabs(2 * int64_t{oShape.DeviceExtentX(rx)}) <= kLargestEllipse &&
           std::llabs(2 * int64_t{oShape.DeviceExtentY(ry)}) <= kLargestEllipse;
}

// The offset from the centre toward an angle: 1000 pixels in the direction
// (sin, cos) of the angle, rounded to whole pixels.
POINT RadialStep(double fAngle)
{
    const double a = fAngle / (180.0 / kPi);
    return {Long(1000 * std::sin(a)), Long(1000 * std::cos(a))};
}

constexpr double kTurn = 2 * kPi;

// An angle in radians as its part of a turn, 0 up to kTurn.
double Turned(double t)
{
    return t - kTurn * std::floor(t / kTurn);
}

// A point in device pixels before it is rounded to the pixel grid.
struct Spot {
    double x, y;
};

// An ellipse far larger than any canvas, in device pixels: the box of the
// same origin mode and size as the system would get, unrounded. Its outline
// runs as the system draws that of a box: through the centres of the box's
// outermost pixels, where the box's right column and bottom row (its lowest
// y) are left out; so the outline's centre lies half a pixel left of and
// above the box's centre, and its half axes are half a pixel short.
class HugeEllipse {
public:
    HugeEllipse(const objectShape& oShape, double x, double y, double rx, double ry, uint32_t nOrigin)
    {
        const double w = 2.0 * oShape.DeviceExtentX(rx), h = 2.0 * oShape.DeviceExtentY(ry);
        double dx, dy;
        OriginShift(w, h, nOrigin, dx, dy);
        const PainterState& g = oShape.State();
        centre_ = {x * g._fFactorX + g._nOffsetX - dx + w / 2.0, y * g._fFactorY + g._nOffsetY - dy + h / 2.0};
        cx_ = centre_.x - 0.5;
        cy_ = centre_.y + 0.5;
        a_ = std::fabs(w / 2.0) - 0.5;
        b_ = std::fabs(h / 2.0) - 0.5;
    }

    // False for an empty box and for one at an endless place.
    bool Drawable() const { return a_ > 0.0 && b_ > 0.0 && std::isfinite(cx_) && std::isfinite(cy_); }
    // The centre of the box, where a sector's radii meet.
    Spot Centre() const { return centre_; }
    // The parameter (radians, counter-clockwise from increasing x) of the
    // outline's point in the direction d from the centre.
    double Toward(POINT d) const { return std::atan2(d.y * a_, d.x * b_); }

    // The outline from the parameter t0 counter-clockwise over fSpan radians,
    // through its points on every column and row of the box b (both flanks)
    // and at the ends of its axes. Between two neighbours the outline crosses
    // no column or row of the box: within the box it moves less than a pixel
    // each way, beyond it keeps to one side of each of the box's edges, so
    // straight lines between the points cover the box as the outline does.
    std::vector<Spot> Outline(double t0, double fSpan, const objectShape::LogicalBox& b) const
    {
        std::vector<double> aParts{0.0, fSpan};
        const auto add = [&](double t) {
            const double u = Turned(t - t0);
            if (u < fSpan) aParts.push_back(u);
        };
        for (int i = 0; i < 4; ++i) add(i * kPi / 2.0);
        // The parameters where cos t (on a column) or sin t (on a row) is c.
        const auto across = [&](int64_t nLow, int64_t nHigh, double fCentre, double fRadius, bool lRow) {
            const double fLast = std::min(static_cast<double>(nHigh), std::floor(fCentre + fRadius));
            for (double v = std::max(static_cast<double>(nLow), std::ceil(fCentre - fRadius)); v <= fLast; ++v) {
                const double c = std::clamp((v - fCentre) / fRadius, -1.0, 1.0);
                const double s = std::sqrt((1.0 - c) * (1.0 + c));
                for (const double f : {s, -s}) add(lRow ? std::atan2(c, f) : std::atan2(f, c));
            }
        };
        across(b.left, b.right, cx_, a_, false);
        across(b.bottom, b.top, cy_, b_, true);
        std::sort(aParts.begin(), aParts.end());
        std::vector<Spot> aSpots;
        aSpots.reserve(aParts.size());
        for (const double u : aParts) aSpots.push_back({cx_ + a_ * std::cos(t0 + u), cy_ + b_ * std::sin(t0 + u)});
        return aSpots;
    }

private:
    Spot centre_;
    double cx_, cy_, a_, b_;
};

// The part of the device that a huge figure is cut to: what its DCs show,
// widened beyond the reach of the pen.
objectShape::LogicalBox ShownBox(const objectShape& oShape)
{
    return oShape.VisibleBox(std::max(oShape.State()._nLineWidth, 1) + 1);
}

POINT Rounded(const Spot& p)
{
    return {static_cast<LONG>(std::lround(p.x)), static_cast<LONG>(std::lround(p.y))};
}

// The part of a closed polygon that lies in the box, cut edge after edge of
// the box (Sutherland and Hodgman). Where the polygon leaves the box, the
// part runs along the box's edges, which the DCs do not show.
std::vector<POINT> ClipToBox(std::vector<Spot> aPolygon, const objectShape::LogicalBox& b)
{
    const struct {
        bool lRow;
        double fBound, fInward;
    } aEdges[] = {{false, static_cast<double>(b.left), 1.0},
                  {false, static_cast<double>(b.right), -1.0},
                  {true, static_cast<double>(b.bottom), 1.0},
                  {true, static_cast<double>(b.top), -1.0}};
    for (const auto& e : aEdges) {
        const auto inside = [&](const Spot& p) { return ((e.lRow ? p.y : p.x) - e.fBound) * e.fInward; };
        std::vector<Spot> aKept;
        for (size_t i = 0; i < aPolygon.size(); ++i) {
            const Spot& p = aPolygon[(i + aPolygon.size() - 1) % aPolygon.size()];
            const Spot& q = aPolygon[i];
            const double dp = inside(p), dq = inside(q);
            if ((dp < 0.0) != (dq < 0.0)) {
                const double f = dp / (dp - dq);
                aKept.push_back({p.x + (q.x - p.x) * f, p.y + (q.y - p.y) * f});
            }
            if (dq >= 0.0) aKept.push_back(q);
        }
        aPolygon = std::move(aKept);
    }
    std::vector<POINT> aPoints;
    aPoints.reserve(aPolygon.size());
    for (const Spot& p : aPolygon) aPoints.push_back(Rounded(p));
    return aPoints;
}

// How far beyond the shown box a closed figure is cut: its straight edges (a
// sector's radii, a segment's chord) end so far off that rounding their ends
// to whole pixels turns them by less than a thousandth of a pixel across the
// box.
constexpr int64_t kStraightReach = int64_t{1} << 13;

// Fills and outlines the part of the closed polygon that the DCs show; the
// polygon follows the outline as it crosses the box b (HugeEllipse::Outline).
void DrawClippedPolygon(const objectShape& oShape, const ShapeFill& oFill, const std::vector<Spot>& aPolygon,
                        const objectShape::LogicalBox& b)
{
    const std::vector<POINT> aPoints = ClipToBox(aPolygon, {b.left - kStraightReach, b.bottom - kStraightReach,
                                                            b.right + kStraightReach, b.top + kStraightReach});
    if (aPoints.size() < 3) return;
    oShape.ForEachPass([&](HDC hDC) {
        ClosedShapeTools oTools(hDC, oShape.State(), oFill);
        Polygon(hDC, aPoints.data(), static_cast<int>(aPoints.size()));
    });
}

// Draws the stretches of the open line that lie in the box widened by a
// pixel. A line between neighbouring points of an outline that leaves the box
// lies beyond it (see HugeEllipse::Outline), so nothing shown is left out.
void DrawClippedLine(const objectShape& oShape, const std::vector<Spot>& aLine, const objectShape::LogicalBox& b)
{
    std::vector<POINT> aPoints;
    std::vector<DWORD> aCounts;
    DWORD nRun = 0;
    const auto endRun = [&] {
        if (nRun == 1) aPoints.pop_back();
        if (nRun > 1) aCounts.push_back(nRun);
        nRun = 0;
    };
    for (const Spot& p : aLine) {
        if (p.x < b.left - 1.0 || p.x > b.right + 1.0 || p.y < b.bottom - 1.0 || p.y > b.top + 1.0) {
            endRun();
            continue;
        }
        aPoints.push_back(Rounded(p));
        ++nRun;
    }
    endRun();
    if (aCounts.empty()) return;
    oShape.ForEachPass([&](HDC hDC) {
        ClosedShapeTools oTools(hDC, oShape.State(), ShapeFill{});
        PolyPolyline(hDC, aPoints.data(), aCounts.data(), static_cast<DWORD>(aCounts.size()));
    });
}
}  // namespace

objectEllipse::objectEllipse(GraphicsDevice& oDevice, double x, double y, double rx, double ry, uint32_t nFill,
                             uint32_t nOrigin)
    : objectShape(oDevice),
      _fX(x),
      _fY(y),
      _fRadiusX(rx),
      _fRadiusY(ry),
      _nFill(nFill),
      _nOriginMode(nOrigin)
{
}

void objectEllipse::Draw()
{
    if (AnyNotANumber({_fX, _fY, _fRadiusX, _fRadiusY})) return;
    const ShapeFill oFill = ResolveFill(State(), _nFill);
    if (FitsTheSystem(*this, _fRadiusX, _fRadiusY)) {
        const RECT r = EllipseBox(*this, _fX, _fY, _fRadiusX, _fRadiusY, _nOriginMode);
        ForEachPass([&](HDC hDC) {
            ClosedShapeTools oTools(hDC, State(), oFill);
            Ellipse(hDC, r.left, r.top, r.right, r.bottom);
        });
        return;
    }
    // Far larger than any canvas: the part that the DCs can show, as a polygon.
    const HugeEllipse oEllipse(*this, _fX, _fY, _fRadiusX, _fRadiusY, _nOriginMode);
    if (!oEllipse.Drawable()) return;
    const LogicalBox b = ShownBox(*this);
    DrawClippedPolygon(*this, oFill, oEllipse.Outline(0.0, kTurn, b), b);
}

objectEllipsePart::objectEllipsePart(GraphicsDevice& oDevice, double x, double y, double rx, double ry, double fAngle1,
                                     double fAngle2, uint16_t nKind, uint16_t nFill, uint16_t nOrigin)
    : objectShape(oDevice),
      _fX(x),
      _fY(y),
      _fRadiusX(rx),
      _fRadiusY(ry),
      _fAngle1(fAngle1),
      _fAngle2(fAngle2),
      _nKind(nKind),
      _nFill(nFill),
      _nOriginMode(nOrigin)
{
}

void objectEllipsePart::Draw()
{
    if (AnyNotANumber({_fX, _fY, _fRadiusX, _fRadiusY, _fAngle1, _fAngle2})) return;
    // The first angle ends the figure, the second starts it.
    const POINT e = RadialStep(_fAngle1), s = RadialStep(_fAngle2);
    const ShapeFill oFill = ResolveFill(State(), _nFill);
    if (FitsTheSystem(*this, _fRadiusX, _fRadiusY)) {
        const RECT r = EllipseBox(*this, _fX, _fY, _fRadiusX, _fRadiusY, _nOriginMode);
        const int64_t cx = r.left + ((int64_t{r.right} - r.left) >> 1);
        const int64_t cy = r.top + ((int64_t{r.bottom} - r.top) >> 1);
        const int32_t xs = SaturatedCoordinate(cx + s.x), ys = SaturatedCoordinate(cy + s.y);
        const int32_t xe = SaturatedCoordinate(cx + e.x), ye = SaturatedCoordinate(cy + e.y);
        ForEachPass([&](HDC hDC) {
            ClosedShapeTools oTools(hDC, State(), oFill);
            if (_nKind == kArc)
                Arc(hDC, r.left, r.top, r.right, r.bottom, xs, ys, xe, ye);
            else if (_nKind == kPie)
                Pie(hDC, r.left, r.top, r.right, r.bottom, xs, ys, xe, ye);
            else
                Chord(hDC, r.left, r.top, r.right, r.bottom, xs, ys, xe, ye);
        });
        return;
    }
    // Far larger than any canvas: the part that the DCs can show. The system
    // runs from the start radial to the end radial counter-clockwise on the
    // screen, round the whole ellipse when the two are the same.
    const HugeEllipse oEllipse(*this, _fX, _fY, _fRadiusX, _fRadiusY, _nOriginMode);
    if (!oEllipse.Drawable()) return;
    const double t0 = oEllipse.Toward(s);
    const double fSpan = s.x == e.x && s.y == e.y ? kTurn : Turned(oEllipse.Toward(e) - t0);
    const LogicalBox b = ShownBox(*this);
    std::vector<Spot> aOutline = oEllipse.Outline(t0, fSpan, b);
    if (_nKind == kArc) {
        DrawClippedLine(*this, aOutline, b);
        return;
    }
    if (_nKind == kPie) aOutline.insert(aOutline.begin(), oEllipse.Centre());
    DrawClippedPolygon(*this, oFill, aOutline, b);
}
