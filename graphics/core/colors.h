#pragma once
// The kit's colour table and colour arguments.
//
// Colours are named by a colour number, an index into gaColorArray (1-16 the
// base palette with 15 white and 16 black, 17-411 further colours; a number
// out of range means black), or by an explicit colour. The painter stores
// colours as 24-bit values with red in the low byte (RGB order); the pixels of
// the fill pattern hold blue in the low byte (BGR order).
#include <cstdint>
#include <vector>

struct ColorTriple {
    int32_t nRed;
    int32_t nGreen;
    int32_t nBlue;
};

// Process-wide colour table; empty until its first use (a conversion, a new
// colour, a painter) fills it, then it only grows (SetColorCode).
extern std::vector<ColorTriple> gaColorArray;

// Fills the table with its 411 fixed colours.
void SetColorArray();

// A colour argument: a colour number of gaColorArray or an explicit colour
// (the framework's colour object).
class ColorArg {
public:
    ColorArg(int32_t nNumber) : _lNumber(true), _nNumber(nNumber) {}  // NOLINT: a number is a colour argument
    static ColorArg Rgb(int32_t nRed, int32_t nGreen, int32_t nBlue)
    {
        ColorArg u(0);
        u._lNumber = false;
        u._oColor = {nRed, nGreen, nBlue};
        return u;
    }
    bool IsNumber() const { return _lNumber; }
    int32_t Number() const { return _nNumber; }
    const ColorTriple& Color() const { return _oColor; }

private:
    bool _lNumber;
    int32_t _nNumber;
    ColorTriple _oColor{0, 0, 0};
};

// ---- Colour conversions ----
// Appends a colour to gaColorArray and returns its number.
int32_t SetColorCode(int32_t nRed, int32_t nGreen, int32_t nBlue);
uint32_t ChangeNum2Rgb(int32_t nNumber);
uint32_t ChangeNum2Bgr(int32_t nNumber);
uint32_t ChangeColor2Rgb(const ColorTriple& oColor);
uint32_t ChangeColor2Bgr(const ColorTriple& oColor);
ColorTriple ChangeRgb2Color(uint32_t nRgb);
uint32_t ChangeRgb2Invert(uint32_t nRgb);
// Grey of black-and-white mode: a grey stays, other colours weight red by a
// third and blue by a half and go halfway toward white.
uint32_t ChangeRgb2Gray(uint32_t nRgb);
// Number of the nearest table colour (sum of the component differences; the
// lowest number among equals), or 0.
int32_t ChangeRgb2Num(uint32_t nRgb);
// A colour argument by its kind (number or colour) in RGB or BGR order.
uint32_t ChangeColorArg2Rgb(const ColorArg& uColor);
uint32_t ChangeColorArg2Bgr(const ColorArg& uColor);
