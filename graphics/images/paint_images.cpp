// The painter's picture operations: each makes one drawing object and has
// the device draw it.
#include "graphics/core/graphics.h"
#include "graphics/images/objectfiles.h"
#include "graphics/images/objectplayback.h"
#include "graphics/images/objectsourcebmp.h"

Graphics& Graphics::SetBmpCanvasToFile(const std::string& cFile)
{
    return SetBmpAreaToFile(0, 0, 0, 0, cFile);
}

Graphics& Graphics::SetBmpAreaToFile(double x, double y, double w, double h, const std::string& cFile, uint32_t nOrigin)
{
    if (GetDeviceType() == kDevicePrinter) return *this;
    return Paint<objectBmpFile>(x, y, w, h, cFile, nOrigin);
}

Graphics& Graphics::SetImgCanvasToFile(const std::string& cFile)
{
    return SetImgAreaToFile(0, 0, 0, 0, cFile);
}

Graphics& Graphics::SetImgAreaToFile(double x, double y, double w, double h, const std::string& cFile, uint32_t nOrigin)
{
    if (GetDeviceType() == kDevicePrinter) return *this;
    return Paint<objectImgFile>(x, y, w, h, cFile, nOrigin);
}

Graphics& Graphics::SetGifCanvasToFile(const std::string& cFile)
{
    return SetGifAreaToFile(0, 0, 0, 0, cFile);
}

Graphics& Graphics::SetGifAreaToFile(double x, double y, double w, double h, const std::string& cFile, uint32_t nOrigin)
{
    if (GetDeviceType() == kDevicePrinter) return *this;
    return Paint<objectGifFile>(x, y, w, h, cFile, nOrigin);
}

Graphics& Graphics::PaintBmpCanvas(const PictureSource& uSource, bool lTransparent, uint32_t nColor,
                                   uint32_t nTransform)
{
    return Paint<objectSourceBmp>(0, 0, 0, 0, uSource, kPlaceCanvas, lTransparent, nColor, nTransform);
}

Graphics& Graphics::PaintBmpRepeat(const PictureSource& uSource, bool lTransparent, uint32_t nColor,
                                   uint32_t nTransform)
{
    return Paint<objectSourceBmp>(0, 0, 0, 0, uSource, kPlaceRepeat, lTransparent, nColor, nTransform);
}

Graphics& Graphics::PaintBmpRestore(const PictureSource& uSource, bool lTransparent, uint32_t nColor,
                                    uint32_t nTransform)
{
    return Paint<objectSourceBmp>(0, 0, 0, 0, uSource, kPlaceRestore, lTransparent, nColor, nTransform);
}

Graphics& Graphics::PaintBmpOriginal(double x, double y, const PictureSource& uSource, uint32_t nOrigin,
                                     bool lTransparent, uint32_t nColor, uint32_t nTransform)
{
    return Paint<objectSourceBmp>(x, y, 0, 0, uSource, nOrigin, lTransparent, nColor, nTransform);
}

Graphics& Graphics::PaintBmpStretched(double x, double y, double w, double h, const PictureSource& uSource,
                                      uint32_t nOrigin, bool lTransparent, uint32_t nColor, uint32_t nTransform)
{
    return Paint<objectSourceBmp>(x, y, w, h, uSource, nOrigin, lTransparent, nColor, nTransform);
}

Graphics& Graphics::PaintBmpDirect(double x, double y, double w, double h, const std::string& cFile, uint32_t nOrigin)
{
    return Paint<objectDirectBmp>(x, y, w, h, cFile, nOrigin);
}

Graphics& Graphics::PaintEnhMetaArea(double x, double y, double w, double h, const std::string& cFile, uint32_t nOrigin)
{
    return Paint<objectEnhMeta>(x, y, w, h, cFile, nOrigin);
}

Graphics& Graphics::PaintEnhMetaCanvas(const std::string& cFile)
{
    return PaintEnhMetaArea(0, 0, 0, 0, cFile);
}
