#pragma once
// objectSourceBmp: a picture drawn into the painter's canvas. The picture
// comes from a picture file, a bitmap resource of the program or of another
// module, or a bitmap of the caller (which stays untouched); it may be
// turned, mirrored or inverted, drawn at its own size, stretched into a
// rectangle, stretched over the canvas or tiled over it, and drawn with one
// colour left transparent. The picture is loaded anew at every drawing.
//
// Transforms work in the picture's top-down pixel space (column i to the
// right, row j downward, W x H): 1 quarter turn clockwise, (i, j) to
// (H - 1 - j, i); 2 half turn; 3 quarter turn anticlockwise, (i, j) to
// (j, W - 1 - i); 4 mirrored top to bottom; 5 mirrored left to right; 6 to 9
// a plain copy. Codes of 10 and more invert the colours and then act as the
// code mod 10.
#include <windows.h>

#include <cstdint>
#include <string>
#include <variant>

#include "graphics/objects/objectshape.h"
#include "platform/framework/gdi.h"

// A bitmap resource of another module.
struct ModuleBitmap {
    std::string cName;
    HINSTANCE hModule;
};

// The picture to draw: a file name or else a resource name of the program,
// a resource of another module, or a bitmap of the caller; nothing for the
// empty alternative (or a bitmap object without a bitmap).
using PictureSource = std::variant<std::monostate, std::string, ModuleBitmap, Bitmap>;

// A framework bitmap loaded from a BMP file by the platform's loader; it
// holds no bitmap when the file does not load.
class BmpFromFile : public Bitmap {
public:
    explicit BmpFromFile(const std::string& cFile);
};

// Placements of the mode argument; any other value is an origin mode.
constexpr uint32_t kPlaceRestore = 101;  // own size at the world origin
constexpr uint32_t kPlaceRepeat = 102;   // tiled over the canvas from the world origin
constexpr uint32_t kPlaceCanvas = 103;   // stretched over the canvas
// The transparent colour of the picture's top-left pixel (after the transform).
constexpr uint32_t kAutoTransparent = 9999;

class objectSourceBmp : public objectShape {
public:
    objectSourceBmp(GraphicsDevice& oDevice, double x, double y, double nWidth, double nHeight, PictureSource uSource,
                    uint32_t nMode = 0, bool lTransparent = false, uint32_t nColor = kAutoTransparent,
                    uint32_t nTransform = 0);
    void Draw() override;

private:
    double _x, _y, _nWidth, _nHeight;
    PictureSource _uSource;
    uint32_t _nMode;
    uint32_t _nTransform;
    bool _lTransparent;
    uint32_t _nColor;
};
