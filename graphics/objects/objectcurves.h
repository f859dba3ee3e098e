#pragma once
// Smooth curves from a point array: objectSpline (the graph of a cubic
// spline through or near the points, one vertex per device column) and
// objectBezier (a chain of cubic Bezier segments, optionally with smoothed
// joints and filled).
#include <windows.h>

#include <cstdint>
#include <vector>

#include "graphics/core/figurepoints.h"
#include "graphics/objects/objectshape.h"
#include "graphics/objects/splinecurve.h"

class objectSpline : public objectShape {
public:
    // fSmoothing: 0 interpolates, a positive value bounds the weighted squared
    // deviations, a negative one joins the points by straight segments, -1
    // stands for 10000.
    objectSpline(GraphicsDevice& oDevice, const WorldPoints& aPoints, double fSmoothing = 0.0);
    void Draw() override;

private:
    double _fSmoothing;
    const WorldPoints& _aPoints;
    SplineCurve _oCurve;
};

class objectBezier : public objectShape {
public:
    objectBezier(GraphicsDevice& oDevice, const WorldPoints& aPoints, bool lSmooth = false, uint16_t nFill = 0);
    void Draw() override;

private:
    const WorldPoints& _aPoints;
    uint16_t _nFill;
    bool _lSmooth;
};

// The device points that PolyBezier gets: cut to 3k + 1 points (none when
// fewer than four); with lSmooth each control point after an inner joint
// mirrors the one before it, and a closed chain also mirrors its first
// control point through its start.
std::vector<POINT> BezierChain(std::vector<POINT> aPoints, bool lSmooth);
