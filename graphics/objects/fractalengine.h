// The escape-time computation behind objectFractal: the parameter entries,
// the iteration of one point, the pixel colour, the pixel orders and the
// automatic zoom. Nothing here touches a device.
#pragma once

#include <windows.h>

#include <cstdint>
#include <optional>
#include <random>
#include <vector>

// The 22 parameter entries as used for one picture.
struct FractalSettings {
    double fTop = 1.1, fBottom = -1.1, fRight = 0.5, fLeft = -1.5;
    int nMaxIterations = 64;
    int nThresholdDivisor = 64;  // entry 6 as used (a valid entry plus 1)
    double fEscapeLimit = 4.0;
    double fCrossFactor = 2.0;
    bool lJulia = false;
    double fJuliaRe = 0.0, fJuliaIm = 0.0;
    int nEscapeMode = 3, nEscapeFlags = 0, nEscapeCurve = 1;
    int nInsideMode = 5, nInsideFlags = 0, nInsideCurve = 1;
    int nPixelOrder = 0, nZoomMode = 0, nZoomScore = 0, nZoomFactor = 5, nFrameNext = 0;
    int nNorm = 0;
};

constexpr size_t kFractalEntries = 22;

// Checks the entries (index 0 = entry 1; a missing or non-numeric entry is
// std::nullopt) and returns the settings. Invalid entries are replaced in
// place by the value used (std::nullopt for an unset Julia part), valid
// entries stay as given. The array is extended to 22 entries.
FractalSettings ValidateFractalParameters(std::vector<std::optional<double>>& entries);

struct FractalPoint {
    int n = 1;       // iteration count
    double m = 0.0;  // final magnitude by the escape norm
    bool lEscaped = false;
};

FractalPoint IterateFractal(const FractalSettings& settings, double re, double im);

// Colours of escaping and non-escaping points.
class FractalColouring {
public:
    FractalColouring(const FractalSettings& settings, COLORREF lineColor, COLORREF backgroundColor,
                     std::vector<COLORREF> colorTable);
    // The pixel's colour, or nothing when the pixel is left undrawn.
    std::optional<COLORREF> Colour(const FractalPoint& point) const;

private:
    std::optional<COLORREF> Shade(int mode, int flags, int curve, COLORREF base, double t, double k) const;

    FractalSettings _oSettings;
    COLORREF _nBaseEscape, _nBaseInside, _nBackground;
    std::vector<COLORREF> _aTable;
};

// The base colour of a colour mode 3 to 5: the line colour (3, 4) or the
// background colour (5), reduced to its dominant channels unless flag bit 2
// is set, inverted for mode 4.
COLORREF FractalBaseColour(int mode, int flags, COLORREF lineColor, COLORREF backgroundColor);

// The order in which the pixels of a W x H rectangle are drawn: row r
// (from the bottom) and column c for each pixel in turn.
class FractalPixelOrder {
public:
    FractalPixelOrder(int order, int width, int height, unsigned seed);
    // False once every pixel has been handed out, or when the map of the
    // random order (one byte per pixel) could not be allocated.
    bool Next(int& row, int& column);
    bool SpiralNegative() const { return !_lPositive; }

private:
    bool NextSpiral(int& row, int& column);
    // Moves the spiral on over the positions outside the rectangle that lie
    // before its next turn, as if it had walked them.
    void SkipSpiralOutside();
    bool NextRandom(int& row, int& column);

    int _nOrder, _nWidth, _nHeight;
    int _i = 0, _j = 0;
    // spiral
    int64_t _yc, _xc, _nSteps = 0, _nRun = 0, _nInRun = 0;
    bool _lRowMove = true, _lPositive = true;
    // random
    std::vector<unsigned char> _aMap;
    std::mt19937 _oRandom;
    bool _lFailed = false;
};

// A window of the complex plane (top = 0 means none).
struct FractalWindow {
    double fTop = 0.0, fBottom = 0.0, fLeft = 0.0, fRight = 0.0;
};

// Finds the most detailed block of a picture and proposes it as the next window.
class FractalAutoZoom {
public:
    FractalAutoZoom(const FractalSettings& settings, int width, int height);
    void Pixel(int row, int column, const FractalPoint& point, bool spiralNegative);

    struct Result {
        FractalWindow oNext;  // fTop 0: no next window
        bool lFrame = false;  // frame rectangle in picture pixels
        RECT oFrame{};
    };
    Result Finish(const FractalWindow& drawn) const;

private:
    FractalSettings _oSettings;
    int _nWidth, _nHeight, _nBlock;
    int _nLastRow = -1, _nLastCount = 0;
    double _fScore = 0.0, _fBest = 0.0;
    int _nCandX = 0, _nCandY = 0;
};

// Complex coordinate of a pixel column or row: column 0 lies one step left
// of the left bound. A rectangle one pixel wide or high takes the step of a
// two-pixel one instead of dividing by zero.
double FractalCoordinate(double low, double high, double index, int count);
