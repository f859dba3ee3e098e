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

// Process-wide colour table; empty until the first painter fills it, then it
// only grows (Graphics::SetColorCode).
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
