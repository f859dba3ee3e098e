#pragma once
// objectFileBox: the base of the drawing objects that work with a file over
// a rectangle of the canvas (the file writers, direct pictures, metafile
// playback): reference point and extents in world units (a width or height
// of 0 means the object's default extent), the file, and the origin mode
// that names which point of the rectangle the reference point is.
#include <cstdint>
#include <string>
#include <utility>

#include "graphics/objects/objectshape.h"

class objectFileBox : public objectShape {
public:
    objectFileBox(GraphicsDevice& oDevice, double x, double y, double nWidth, double nHeight, std::string cFile,
                  uint32_t nOrigin)
        : objectShape(oDevice),
          _x(x),
          _y(y),
          _nWidth(nWidth),
          _nHeight(nHeight),
          _cFile(std::move(cFile)),
          _nOrigin(nOrigin)
    {
    }

protected:
    // True when a width or height of 0 asks for the default extent.
    bool DefaultExtent() const { return _nWidth == 0.0 || _nHeight == 0.0; }
    // The rectangle in device pixels (lower-left corner, extents), aligned by
    // the origin mode; the extents are w x h where given (not 0).
    DeviceBox DeviceArea(int32_t w, int32_t h) const
    {
        DeviceBox o{DevicePosX(_x), DevicePosY(_y), w, h};
        AlignOrigin(o.x, o.y, o.w, o.h, _nOrigin);
        return o;
    }
    // The extents in device pixels.
    int32_t ExtentX() const { return DeviceExtentX(_nWidth); }
    int32_t ExtentY() const { return DeviceExtentY(_nHeight); }
    const std::string& File() const { return _cFile; }

private:
    double _x, _y, _nWidth, _nHeight;
    std::string _cFile;
    uint32_t _nOrigin;
};
