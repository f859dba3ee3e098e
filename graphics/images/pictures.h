#pragma once
// Pictures through the system's picture objects (OLE): saving a bitmap as a
// file, loading any picture file the system reads, and the plain loader of
// the platform, with the order in which the kit tries the loaders.
//
// Sizes: picture objects measure in HIMETRIC (0.01 mm, 2,540 to the inch);
// the kit turns them into pixels of a context as
// MulDiv(size, LOGPIXELSX or LOGPIXELSY, 2540). The kit never initialises
// COM: the application does so once on its window thread (its start holds
// OLE for the whole run).
#include <windows.h>
#include <ocidl.h>
#include <olectl.h>

#include <cstdint>
#include <string>

// Writes the bitmap with the palette as a BMP file; true on success. The
// system's picture object is asked first; where it reports failure the kit's
// own BMP encoder writes the file. An empty name gives false. The caller
// keeps both handles.
bool SaveImageOle(const std::string& cFile, HBITMAP hBitmap, HPALETTE hPalette);

// Loads a picture file through the picture objects: a bitmap compatible with
// hDC holding the picture upright, nWidth x nHeight pixels of hDC's
// resolution. Without hDC only the size is measured (against the screen) and
// the result is NULL. A file that is missing or no picture gives NULL and
// 0 x 0. The bitmap belongs to the caller.
HBITMAP LoadImageOle(const std::string& cFile, int32_t& nWidth, int32_t& nHeight, HDC hDC = nullptr);
// The platform's image loader: a BMP file at its own size; NULL and 0 x 0
// when it does not read the file.
HBITMAP LoadImageApi(const std::string& cFile, int32_t& nWidth, int32_t& nHeight);
// A loader kept in the order for a newer platform: always NULL and 0 x 0.
HBITMAP LoadImageVo(const std::string& cFile, int32_t& nWidth, int32_t& nHeight, HDC hDC = nullptr);

namespace images {

// The loaders that the fall-back order calls; tests put stand-ins in place.
struct PictureLoaders {
    HBITMAP (*fOle)(const std::string&, int32_t&, int32_t&, HDC) = LoadImageOle;
    HBITMAP (*fApi)(const std::string&, int32_t&, int32_t&) = LoadImageApi;
    HBITMAP (*fVo)(const std::string&, int32_t&, int32_t&, HDC) = LoadImageVo;
};

// A picture file by the fall-back order: the picture objects with hDC; when
// that fails and the upper-cased name holds ".BMP" anywhere, the platform's
// loader; when that fails too and the platform version is 25 or more, the
// placeholder loader. The first bitmap found, with its loader's size.
HBITMAP LoadPictureFile(const std::string& cFile, HDC hDC, int32_t& nWidth, int32_t& nHeight,
                        const PictureLoaders& oLoaders = {});

// A picture object read from a whole file; releases it when it goes.
class PictureObject {
public:
    // Empty when the file is missing, cannot be held in memory or is no
    // picture the system reads. It is loaded without run mode, so that it
    // owns its bitmap and deletes it with itself (under Wine a picture loaded
    // in run mode does not own it: every drawing left a bitmap behind).
    explicit PictureObject(const std::string& cFile);
    ~PictureObject();
    PictureObject(const PictureObject&) = delete;
    PictureObject& operator=(const PictureObject&) = delete;

    explicit operator bool() const { return pPicture_ != nullptr; }
    // HIMETRIC size.
    OLE_XSIZE_HIMETRIC Width() const { return nWidth_; }
    OLE_YSIZE_HIMETRIC Height() const { return nHeight_; }
    // Renders the whole picture upright onto the device rectangle (x, y top-
    // left, w x h) of a DC in device units whose y axis runs downward.
    bool RenderUpright(HDC hDC, int32_t x, int32_t y, int32_t w, int32_t h) const;

private:
    IPicture* pPicture_ = nullptr;
    OLE_XSIZE_HIMETRIC nWidth_ = 0;
    OLE_YSIZE_HIMETRIC nHeight_ = 0;
};

}  // namespace images
