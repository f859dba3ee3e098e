#include "graphics/objects/fractalengine.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <limits>
#include <new>
#include <stdexcept>
#include <utility>

#include "platform/runtime/numtext.h"

namespace {

struct EntryRange {
    bool lWhole;
    double fLow, fHigh, fDefault;
};

// Entries 1 to 22; entry 6's upper bound and default are entry 5's value,
// entries 9 and 10 follow their own rule.
constexpr EntryRange kRanges[kFractalEntries] = {
    {false, -3, 3, 1.1}, {false, -3, 3, -1.1}, {false, -3, 3, 0.5}, {false, -3, 3, -1.5}, {true, 2, 256, 64},
    {true, 1, 256, 64},  {false, 0, 6, 4.0},   {false, -6, 6, 2.0}, {false, -2, 2, 0},    {false, -2, 2, 0},
    {true, 0, 6, 3},     {true, 0, 7, 0},      {true, 0, 4, 1},     {true, 0, 6, 5},      {true, 0, 7, 0},
    {true, 0, 4, 1},     {true, 0, 4, 0},      {true, 0, 4, 0},     {true, 0, 2, 0},      {true, 2, 20, 5},
    {true, 0, 1, 0},     {true, 0, 14, 0},
};

// The value of entry index (0-based) when it is valid.
std::optional<double> ValidEntry(const std::optional<double>& entry, const EntryRange& range)
{
    if (!entry || !std::isfinite(*entry)) return std::nullopt;
    const double v = range.lWhole ? static_cast<double>(Long(*entry)) : *entry;
    if (v < range.fLow || v > range.fHigh) return std::nullopt;
    return v;
}

double Shading(int curve, double t)
{
    switch (curve) {
    case 0: return std::pow(t, 0.125);
    case 1: return std::pow(t, 0.25);
    case 2: return std::sqrt(t);
    case 3: return t;
    default: return t * t;
    }
}

}  // namespace

FractalSettings ValidateFractalParameters(std::vector<std::optional<double>>& entries)
{
    if (entries.size() < kFractalEntries) entries.resize(kFractalEntries);
    double used[kFractalEntries] = {};
    for (size_t i = 0; i < kFractalEntries; ++i) {
        if (i == 8 || i == 9) continue;
        EntryRange range = kRanges[i];
        if (i == 5) range.fHigh = range.fDefault = used[4];
        if (const auto v = ValidEntry(entries[i], range)) {
            used[i] = *v + (i == 5 ? 1 : 0);
        } else {
            used[i] = range.fDefault;
            entries[i] = range.fDefault;
        }
    }

    FractalSettings s;
    const auto re = ValidEntry(entries[8], kRanges[8]);
    const auto im = ValidEntry(entries[9], kRanges[9]);
    s.lJulia = re || im;
    s.fJuliaRe = re.value_or(0.0);
    s.fJuliaIm = im.value_or(0.0);
    if (!re) entries[8] = entries[8] ? std::optional<double>(0.0) : std::nullopt;
    if (!im) entries[9] = (entries[9] && entries[8]) ? std::optional<double>(0.0) : std::nullopt;

    s.fTop = used[0];
    s.fBottom = used[1];
    s.fRight = used[2];
    s.fLeft = used[3];
    if (s.fTop < s.fBottom) std::swap(s.fTop, s.fBottom);
    if (s.fRight < s.fLeft) std::swap(s.fRight, s.fLeft);
    s.nMaxIterations = static_cast<int>(used[4]);
    s.nThresholdDivisor = static_cast<int>(used[5]);
    s.fEscapeLimit = used[6];
    s.fCrossFactor = used[7];
    s.nEscapeMode = static_cast<int>(used[10]);
    s.nEscapeFlags = static_cast<int>(used[11]);
    s.nEscapeCurve = static_cast<int>(used[12]);
    s.nInsideMode = static_cast<int>(used[13]);
    s.nInsideFlags = static_cast<int>(used[14]);
    s.nInsideCurve = static_cast<int>(used[15]);
    s.nPixelOrder = static_cast<int>(used[16]);
    s.nZoomMode = static_cast<int>(used[17]);
    s.nZoomScore = static_cast<int>(used[18]);
    s.nZoomFactor = static_cast<int>(used[19]);
    s.nFrameNext = static_cast<int>(used[20]);
    s.nNorm = static_cast<int>(used[21]);
    return s;
}

FractalPoint IterateFractal(const FractalSettings& s, double re, double im)
{
    const double qRe = s.lJulia ? s.fJuliaRe : re;
    const double qIm = s.lJulia ? s.fJuliaIm : im;
    const bool logNorm = s.nNorm == 13 || s.nNorm == 14;
    double x = re, y = im, xx = x * x, yy = y * y;
    FractalPoint p;
    p.m = xx + yy;
    p.n = 1;
    while (p.n <= s.nMaxIterations && p.m <= s.fEscapeLimit) {
        const double t = x;
        x = xx - yy + qRe;
        y = s.fCrossFactor * t * y + qIm;
        xx = x * x;
        if (logNorm) xx = std::max(xx, 0.000001);
        yy = y * y;
        switch (s.nNorm) {
        case 1: p.m = xx; break;
        case 2: p.m = yy; break;
        case 3: p.m = std::sqrt(xx) + yy; break;
        case 4: p.m = xx + std::sqrt(yy); break;
        case 5: p.m = std::sqrt(xx) + std::sqrt(yy); break;
        case 6: p.m = std::sqrt(xx + yy); break;
        case 7: p.m = xx * xx + yy; break;
        case 8: p.m = xx + yy * yy; break;
        case 9: p.m = xx * xx + yy * yy; break;
        case 10: p.m = (xx + yy) * (xx + yy); break;
        case 11: p.m = std::sqrt(xx) + yy * yy; break;
        case 12: p.m = xx * xx + std::sqrt(yy); break;
        case 13: p.m = std::fabs(std::log10(xx)) + yy; break;
        case 14: p.m = std::sqrt(std::fabs(std::log10(xx))) + yy; break;
        default: p.m = xx + yy; break;
        }
        ++p.n;
    }
    p.lEscaped = p.n <= s.nMaxIterations;
    return p;
}

COLORREF FractalBaseColour(int mode, int flags, COLORREF lineColor, COLORREF backgroundColor)
{
    const COLORREF c = mode == 5 ? backgroundColor : lineColor;
    int r = GetRValue(c), g = GetGValue(c), b = GetBValue(c);
    if ((flags & 4) == 0) {
        r = (r >= g && r >= b) ? 255 : 0;
        g = (g >= r && g >= b) ? 255 : 0;
        b = (b >= r && b >= g) ? 255 : 0;
    }
    if (mode == 4) {
        r = 255 - r;
        g = 255 - g;
        b = 255 - b;
    }
    return RGB(r, g, b);
}

FractalColouring::FractalColouring(const FractalSettings& settings, COLORREF lineColor, COLORREF backgroundColor,
                                   std::vector<COLORREF> colorTable)
    : _oSettings(settings),
      _nBaseEscape(FractalBaseColour(settings.nEscapeMode, settings.nEscapeFlags, lineColor, backgroundColor)),
      _nBaseInside(FractalBaseColour(settings.nInsideMode, settings.nInsideFlags, lineColor, backgroundColor)),
      _nBackground(backgroundColor),
      _aTable(std::move(colorTable))
{
}

std::optional<COLORREF> FractalColouring::Colour(const FractalPoint& point) const
{
    const FractalSettings& s = _oSettings;
    const double nc = static_cast<double>(_aTable.size());
    if (!point.lEscaped) {
        // An escape limit of 0 keeps only points of magnitude 0: shade them as 0.
        const double ratio = s.fEscapeLimit > 0.0 ? point.m / s.fEscapeLimit : 0.0;
        return Shade(s.nInsideMode, s.nInsideFlags, s.nInsideCurve, _nBaseInside, std::min(1.0, ratio), ratio * nc);
    }
    if (point.n < s.nMaxIterations / s.nThresholdDivisor) return std::nullopt;
    const double ratio = static_cast<double>(point.n) / s.nMaxIterations;
    return Shade(s.nEscapeMode, s.nEscapeFlags, s.nEscapeCurve, _nBaseEscape, ratio, ratio * nc);
}

std::optional<COLORREF> FractalColouring::Shade(int mode, int flags, int curve, COLORREF base, double t, double k) const
{
    switch (mode) {
    case 0: return std::nullopt;
    case 1: return RGB(0, 0, 0);
    case 2: return _nBackground;
    case 6: {
        if (_aTable.empty()) return std::nullopt;
        const long n = static_cast<long>(_aTable.size());
        const long index = std::clamp(static_cast<long>(std::trunc(k)), 1L, n);
        return _aTable[index - 1];
    }
    default: break;
    }
    double shade = Shading(curve, t);
    if (flags & 2) shade = 1.0 - shade;
    int ch[3] = {GetRValue(base), GetGValue(base), GetBValue(base)};
    for (int& c : ch)
        c = (flags & 1) ? c - static_cast<int>(Long(shade * c)) : c + static_cast<int>(Long(shade * (255 - c)));
    return RGB(std::clamp(ch[0], 0, 255), std::clamp(ch[1], 0, 255), std::clamp(ch[2], 0, 255));
}

FractalPixelOrder::FractalPixelOrder(int order, int width, int height, unsigned seed)
    : _nOrder(order),
      _nWidth(std::max(width, 0)),
      _nHeight(std::max(height, 0)),
      _yc(_nHeight / 2 - 1),
      _xc(_nWidth / 2),
      _oRandom(seed)
{
    if (_nOrder == 4 && _nWidth > 0 && _nHeight > 0) {
        const uint64_t nPixels = static_cast<uint64_t>(_nWidth) * static_cast<uint64_t>(_nHeight);
        try {
            if (nPixels > std::numeric_limits<size_t>::max()) throw std::bad_alloc();
            _aMap.assign(static_cast<size_t>(nPixels), 0);
        } catch (const std::bad_alloc&) {
            _lFailed = true;
        } catch (const std::length_error&) {
            _lFailed = true;
        }
    }
}

bool FractalPixelOrder::Next(int& row, int& column)
{
    if (_lFailed || _i >= _nHeight || _nWidth <= 0) return false;
    const int h = _nHeight;
    bool ok = true;
    switch (_nOrder) {
    case 1:
        row = h - 1 - _i;
        column = _j;
        break;
    case 2:
        column = _j;
        if (_i <= (h - 1) / 2)
            row = (_i % 2 == 0) ? _i : h - 1 - _i + (h % 2);
        else
            row = (_i % 2 == 0) ? h - 1 - _i + (h % 2) : _i;
        break;
    case 3: ok = NextSpiral(row, column); break;
    case 4: ok = NextRandom(row, column); break;
    default:
        row = _i;
        column = _j;
        break;
    }
    if (++_j >= _nWidth) {
        _j = 0;
        ++_i;
    }
    return ok;
}

bool FractalPixelOrder::NextSpiral(int& row, int& column)
{
    // The spiral covers a square around the centre; it is bounded by the
    // larger side, so a position inside is always found. Stretches outside
    // the rectangle are skipped, not walked: a long thin rectangle would
    // otherwise cost the square of its length.
    for (;;) {
        SkipSpiralOutside();
        const int step = _lPositive ? 1 : -1;
        if (_lRowMove)
            _yc += step;
        else
            _xc += step;
        const int64_t r = _yc, c = _xc;
        if (_nRun == 0) {
            _nRun = 1;
        } else if (_nSteps / _nRun > _nRun) {
            ++_nRun;
            _nInRun = 0;
            _lPositive = !_lPositive;
            _lRowMove = true;
        }
        if (++_nInRun == _nRun + 1) _lRowMove = false;
        ++_nSteps;
        if (r >= 0 && r < _nHeight && c >= 0 && c < _nWidth) {
            row = static_cast<int>(r);
            column = static_cast<int>(c);
            return true;
        }
    }
}

void FractalPixelOrder::SkipSpiralOutside()
{
    if (_nRun == 0) return;
    // The direction holds for the next k moves: the run turns after the move
    // that finds _nSteps at _nRun (_nRun + 1), the row moves end after the one
    // that brings _nInRun to _nRun + 1. The k - 1 moves before change nothing
    // but position and counters.
    int64_t k = std::max<int64_t>(_nRun * (_nRun + 1) - _nSteps + 1, 1);
    if (_lRowMove) k = std::min<int64_t>(k, _nRun + 1 - _nInRun);
    const int64_t d = _lPositive ? 1 : -1;
    int64_t& p = _lRowMove ? _yc : _xc;
    const int64_t n = _lRowMove ? _nHeight : _nWidth;
    const int64_t q = _lRowMove ? _xc : _yc, nq = _lRowMove ? _nWidth : _nHeight;
    int64_t m = k - 1;
    if (q >= 0 && q < nq) {
        // The first move j >= 1 that lands inside, if any.
        const int64_t j = d > 0 ? std::max<int64_t>(1, -p) : std::max<int64_t>(1, p - n + 1);
        if (d > 0 ? j <= n - 1 - p : j <= p) m = std::min(m, j - 1);
    }
    if (m <= 0) return;
    p += d * m;
    _nSteps += m;
    _nInRun += m;
}

bool FractalPixelOrder::NextRandom(int& row, int& column)
{
    const int h = _nHeight;
    const int c = _j;
    std::uniform_real_distribution<double> uniform(0.0, 1.0);
    const int start = std::min(static_cast<int>(uniform(_oRandom) * h) + 1, h);
    unsigned char* map = &_aMap[static_cast<size_t>(c) * h];
    int found = 0;
    for (int k = start; k <= h && !found; ++k)
        if (!map[k - 1]) found = k;
    for (int k = start - 1; k >= 1 && !found; --k)
        if (!map[k - 1]) found = k;
    if (!found) return false;
    map[found - 1] = 1;
    row = found % h;
    column = c;
    return true;
}

double FractalCoordinate(double low, double high, double index, int count)
{
    const int steps = count > 1 ? count - 1 : 1;
    return low + (index - 1) * (high - low) / steps;
}

FractalAutoZoom::FractalAutoZoom(const FractalSettings& settings, int width, int height)
    : _oSettings(settings),
      _nWidth(width),
      _nHeight(height),
      _nBlock(width / settings.nZoomFactor)
{
}

void FractalAutoZoom::Pixel(int row, int column, const FractalPoint& point, bool spiralNegative)
{
    const int b = _nBlock;
    if (row != _nLastRow) {
        _fScore = 0.0;
        _nLastRow = row;
    } else if (column == _nWidth - 1 || column == 0 || (b != 0 && column % b == 0)) {
        if (_fScore > _fBest) {
            if (spiralNegative)
                _nCandX = column + b / 2;
            else
                _nCandX = column == 0 ? _nWidth - 1 - b / 2 : column - b / 2;
            _nCandY = row;
            _fBest = _fScore;
        }
        _fScore = 0.0;
    }
    if (point.n != _nLastCount && point.lEscaped) {
        switch (_oSettings.nZoomScore) {
        case 1: _fScore += point.n; break;
        case 2: _fScore += std::abs(_nLastCount - point.n); break;
        default: _fScore += 1.0; break;
        }
        _nLastCount = point.n;
    }
}

FractalAutoZoom::Result FractalAutoZoom::Finish(const FractalWindow& w) const
{
    const int width = _nWidth, height = _nHeight;
    int b = _nBlock;
    double cx = _nCandX, cy = _nCandY;
    if (_nCandX == 0 && _nCandY == 0) {
        b = width / 2;
        cx = width / 2.0;
        cy = height / 2.0;
    }
    const int bh = static_cast<int>(Long(static_cast<double>(height) / width * b));
    const double re = FractalCoordinate(w.fLeft, w.fRight, cx, width);
    const double im = FractalCoordinate(w.fBottom, w.fTop, cy, height);
    const double dr = static_cast<double>(b) / width * (w.fRight - w.fLeft) / 2.0;
    const double di = static_cast<double>(bh) / height * (w.fTop - w.fBottom) / 2.0;

    Result result;
    if ((w.fTop - w.fBottom) - 2.0 * di < 0.00001) return result;
    result.oNext = {im + di, im - di, re - dr, re + dr};
    if (_oSettings.nFrameNext == 1) {
        result.lFrame = true;
        const int left = static_cast<int>(Long(cx - b / 2.0));
        const int bottom = static_cast<int>(Long(cy - bh / 2.0));
        result.oFrame = {std::max(left, 0), std::min(bottom + bh, height - 1), std::min(left + b, width - 1),
                         std::max(bottom, 0)};
    }
    return result;
}
