#include "graphics/objects/objectlines.h"

#include "graphics/core/painterstate.h"

objectLine::objectLine(GraphicsDevice& oDevice, double x1, double y1, double x2, double y2)
    : objectShape(oDevice),
      _fX1(x1),
      _fY1(y1),
      _fX2(x2),
      _fY2(y2)
{
}

void objectLine::Draw()
{
    if (AnyNotANumber({_fX1, _fY1, _fX2, _fY2})) return;
    const POINT a{DevicePosX(_fX1), DevicePosY(_fY1)};
    const POINT b{DevicePosX(_fX2), DevicePosY(_fY2)};
    ForEachPass([&](HDC hDC) {
        LinePenTools oTools(hDC, State());
        MoveToEx(hDC, a.x, a.y, nullptr);
        LineTo(hDC, b.x, b.y);
    });
}

ObjectLinienGroup::ObjectLinienGroup(GraphicsDevice& oDevice, const WorldPoints& aPoints, double fOffsetX,
                                     double fOffsetY)
    : objectShape(oDevice),
      _pPoints(&aPoints),
      _fOffsetX(fOffsetX),
      _fOffsetY(fOffsetY)
{
}

ObjectLinienGroup::ObjectLinienGroup(GraphicsDevice& oDevice, const WorldVertices& aPath)
    : objectShape(oDevice),
      _pPath(&aPath)
{
}

void ObjectLinienGroup::Draw()
{
    if (_pPath != nullptr) {
        // The same line, vertex after vertex from the first.
        ForEachPass([&](HDC hDC) {
            LinePenTools oTools(hDC, State());
            bool lFirst = true;
            for (const WorldVertex& v : *_pPath) {
                const int32_t x = DevicePosX(v.x), y = DevicePosY(v.y);
                if (lFirst)
                    MoveToEx(hDC, x, y, nullptr);
                else
                    LineTo(hDC, x, y);
                lFirst = false;
            }
        });
        return;
    }
    // A vertex {x, y} continues the polyline from the current position; a
    // segment {x1, y1, x2, y2, ...} stands alone. Entries of one or three
    // numbers are no figure and are skipped.
    struct Step {
        bool lSegment;
        POINT a, b;
    };
    std::vector<Step> aSteps;
    aSteps.reserve(_pPoints->size());
    auto toDevice = [&](double x, double y) { return POINT{DevicePosX(x + _fOffsetX), DevicePosY(y + _fOffsetY)}; };
    for (const std::vector<double>& e : *_pPoints) {
        if (e.size() >= 4)
            aSteps.push_back({true, toDevice(e[0], e[1]), toDevice(e[2], e[3])});
        else if (e.size() == 2)
            aSteps.push_back({false, toDevice(e[0], e[1]), {}});
    }
    ForEachPass([&](HDC hDC) {
        LinePenTools oTools(hDC, State());
        bool lFirst = true;
        for (const Step& s : aSteps) {
            if (s.lSegment) {
                MoveToEx(hDC, s.a.x, s.a.y, nullptr);
                LineTo(hDC, s.b.x, s.b.y);
            } else if (lFirst) {
                MoveToEx(hDC, s.a.x, s.a.y, nullptr);
            } else {
                LineTo(hDC, s.a.x, s.a.y);
            }
            lFirst = false;
        }
    });
}

std::vector<POINT> DeviceVertices(const objectShape& oShape, const WorldPoints& aPoints, double fOffsetX,
                                  double fOffsetY)
{
    std::vector<POINT> aDevice;
    aDevice.reserve(aPoints.size() + 1);
    for (const std::vector<double>& e : aPoints)
        if (e.size() >= 2) aDevice.push_back({oShape.DevicePosX(e[0] + fOffsetX), oShape.DevicePosY(e[1] + fOffsetY)});
    return aDevice;
}

objectPolygon::objectPolygon(GraphicsDevice& oDevice, const WorldPoints& aPoints, uint16_t nFill)
    : objectShape(oDevice),
      _aPoints(aPoints),
      _nFill(nFill)
{
}

void objectPolygon::Draw()
{
    std::vector<POINT> aVertices = DeviceVertices(*this, _aPoints);
    if (aVertices.empty()) return;
    const POINT first = aVertices.front(), last = aVertices.back();
    if (first.x != last.x || first.y != last.y) aVertices.push_back(first);
    // The polygon knows no "outline only" code: 160 fills solid.
    const ShapeFill oFill = ResolveFill(State(), _nFill, false);
    ForEachPass([&](HDC hDC) {
        ClosedShapeTools oTools(hDC, State(), oFill);
        Polygon(hDC, aVertices.data(), static_cast<int>(aVertices.size()));
    });
}
