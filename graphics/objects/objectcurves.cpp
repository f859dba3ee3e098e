#include "graphics/objects/objectcurves.h"

#include <algorithm>
#include <cstdint>
#include <limits>
#include <new>

#include "graphics/core/painterstate.h"
#include "graphics/objects/objectlines.h"
#include "platform/runtime/numtext.h"

objectSpline::objectSpline(GraphicsDevice& oDevice, const WorldPoints& aPoints, double fSmoothing)
    : objectShape(oDevice),
      _fSmoothing(fSmoothing),
      _aPoints(aPoints)
{
}

void objectSpline::Draw()
{
    const PainterState& g = State();
    // Knots in device units, unrounded; the list ends at the first knot that
    // does not lie strictly right of the one before.
    std::vector<double> x, y, sigma;
    double last = -std::numeric_limits<double>::infinity();
    for (const std::vector<double>& e : _aPoints) {
        if (e.size() < 2) continue;
        const double kx = e[0] * g._fFactorX + g._nOffsetX;
        if (!(kx > last)) break;
        last = kx;
        x.push_back(kx);
        y.push_back(e[1] * g._fFactorY + g._nOffsetY);
        sigma.push_back(e.size() >= 3 && e[2] > 0.0 ? e[2] : 30.0);
    }
    const int n = static_cast<int>(x.size());
    _oCurve.SetKnots(std::move(x), std::move(y), std::move(sigma));
    if (n < 2) return;
    _fSmoothing = _oCurve.CalculateSpline(_fSmoothing);

    // One vertex per device column between the outer knots, but only for the
    // columns the DCs can show, widened by the pen so that wide lines enter
    // from outside as they would.
    const LogicalBox oVisible = VisibleBox(std::max(g._nLineWidth, 1) + 1);
    const int64_t nLeft = oVisible.left, nRight = oVisible.right;
    const double x1 = _oCurve.KnotX(1), xn = _oCurve.KnotX(n);
    std::vector<POINT> aVertices;
    int nInterval = 1;
    auto vertex = [&](int64_t column, double x) {
        if (column >= nLeft && column <= nRight)
            aVertices.push_back({static_cast<LONG>(column), SaturatedCoordinate(_oCurve.GetCoordinate(x, nInterval))});
    };
    vertex(Long(x1), x1);
    const int64_t nFirst = std::max<int64_t>(Long(x1) + 1, nLeft), nLast = std::min<int64_t>(Long(xn) - 1, nRight);
    for (int64_t column = nFirst; column <= nLast; ++column) vertex(column, static_cast<double>(column));
    vertex(Long(xn), xn);
    if (aVertices.empty()) return;

    ForEachPass([&](HDC hDC) {
        ClosedShapeTools oTools(hDC, g, ShapeFill{});
        MoveToEx(hDC, aVertices.front().x, aVertices.front().y, nullptr);
        for (size_t i = 1; i < aVertices.size(); ++i) LineTo(hDC, aVertices[i].x, aVertices[i].y);
    });
}

std::vector<POINT> BezierChain(std::vector<POINT> p, bool lSmooth)
{
    size_t n = p.size();
    if (n < 4) return {};
    n -= (n - 1) % 3;
    p.resize(n);
    if (lSmooth) {
        // 1-based: record[i + 2] = 2 record[i + 1] - record[i] for i = 3, 6, ...
        for (size_t i = 3; i <= n - 3; i += 3) {
            p[i + 1].x = 2 * p[i].x - p[i - 1].x;
            p[i + 1].y = 2 * p[i].y - p[i - 1].y;
        }
        if (p[0].x == p[n - 1].x && p[0].y == p[n - 1].y) {
            p[1].x = 2 * p[0].x - p[n - 2].x;
            p[1].y = 2 * p[0].y - p[n - 2].y;
        }
    }
    return p;
}

objectBezier::objectBezier(GraphicsDevice& oDevice, const WorldPoints& aPoints, bool lSmooth, uint16_t nFill)
    : objectShape(oDevice),
      _aPoints(aPoints),
      _nFill(nFill),
      _lSmooth(lSmooth)
{
}

void objectBezier::Draw()
{
    // A point buffer that cannot be had leaves the figure out.
    std::vector<POINT> aChain;
    try {
        aChain = BezierChain(DeviceVertices(*this, _aPoints), _lSmooth);
    } catch (const std::bad_alloc&) {
        return;
    }
    if (aChain.empty()) return;
    const ShapeFill oFill = ResolveFill(State(), _nFill);
    const DWORD nCount = static_cast<DWORD>(aChain.size());
    ForEachPass([&](HDC hDC) {
        ClosedShapeTools oTools(hDC, State(), oFill);
        if (oFill.lFill) {
            BeginPath(hDC);
            PolyBezier(hDC, aChain.data(), nCount);
            EndPath(hDC);
            StrokeAndFillPath(hDC);
        } else {
            PolyBezier(hDC, aChain.data(), nCount);
        }
    });
}
