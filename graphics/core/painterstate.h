#pragma once
// PainterState: the whole drawing state of a painter (Graphics) as one value:
// colours, pen, fill, font, world coordinate system, drawing area, clip
// rectangle, marker and shadow settings, refresh bitmap and saved area. The
// painter alone changes it; drawing objects read it through their device.
//
// MemoryCanvas, FontHandle and RegionHandle own the painter's GDI objects, so
// that releasing them is a reset.
#include <windows.h>

#include <array>
#include <cstdint>
#include <string>
#include <variant>

#include "platform/framework/gdi.h"

class GraphicsDevice;

// Font face: a number is the Windows pitch-and-family value, a text the face
// name.
using FontFace = std::variant<int32_t, std::string>;

// A memory DC with a bitmap selected into it; deselects the bitmap and deletes
// both when it goes.
class MemoryCanvas {
public:
    MemoryCanvas() = default;
    // A DC compatible with hCompatible holding hBitmap, which it takes over.
    MemoryCanvas(HDC hCompatible, HBITMAP hBitmap);
    ~MemoryCanvas();
    MemoryCanvas(MemoryCanvas&& o) noexcept;
    MemoryCanvas& operator=(MemoryCanvas&& o) noexcept;

    HDC DC() const { return hDC_; }
    HBITMAP Bitmap() const { return hBitmap_; }
    void Reset();

private:
    HDC hDC_ = nullptr;
    HBITMAP hBitmap_ = nullptr;
    HGDIOBJ hOld_ = nullptr;
};

// A GDI object of one kind that the holder owns.
template <typename Handle>
class OwnedGdiObject {
public:
    OwnedGdiObject() = default;
    explicit OwnedGdiObject(Handle h) : handle_(h, true) {}
    Handle Get() const { return static_cast<Handle>(handle_.Get()); }
    void Reset() { handle_ = GdiHandle(); }

private:
    GdiHandle handle_;
};
using FontHandle = OwnedGdiObject<HFONT>;
using RegionHandle = OwnedGdiObject<HRGN>;

// Shift of the anchor point of a w x h box by the origin mode: the anchor
// less the shift is the lower-left corner.
void OriginShift(double w, double h, uint32_t nOrigin, double& dx, double& dy);

struct PainterState {
    // Moves the device point (x, y) so that it becomes the lower-left corner of
    // a w x h box whose point of the origin mode was given.
    void GetOriginPoint(int32_t& x, int32_t& y, double w, double h, uint32_t nOrigin) const;
    // The same shift for a point in world units, without rounding.
    void GetOriginPoint(double& x, double& y, double w, double h, uint32_t nOrigin) const;
    // The same shift rotated by the text angle.
    void GetOriginPointAngle(int32_t& x, int32_t& y, double w, double h, uint32_t nOrigin) const;

    int32_t _nSurfaceWidth = 0;
    int32_t _nSurfaceHeight = 0;
    uint32_t _nShadowDirection = 0;
    uint32_t _nShadowColor = 0;
    int32_t _nFontPixHeight = 0;
    int32_t _nRefreshWidth = 0;
    int32_t _nRefreshHeight = 0;
    double _fShadowDistance = 0.0;
    double _fFontWidth = 0.0;
    double _fFontHeight = 0.0;
    FontFace _uFontFace = 32;
    bool _lSizeFromDevice = true;
    GraphicsDevice* _oDevice = nullptr;
    POINT _oOrigin{0, 0};
    SIZE _oDim{0, 0};
    uint32_t _nBackgrColor = 0;
    uint32_t _nTextColor = 0;
    uint32_t _nLineColor = 0;
    uint32_t _nFillColor = 0;
    uint32_t _nFillHatchCol = 0;
    uint32_t _nGradientColor = 0;
    uint32_t _nPosX = 0;
    uint32_t _nPosY = 0;
    uint32_t _nFontDesign = 0;
    uint32_t _nFontQuality = 0;
    uint32_t _nFontRespond = 0;
    uint32_t _nPixProInchX = 0;
    uint32_t _nPixProInchY = 0;
    // Clip rectangle; signed, so that a clip position left of or below the
    // canvas is kept and restored as it was.
    int32_t _nClipX = 0;
    int32_t _nClipY = 0;
    int32_t _nClipWidth = 0;
    int32_t _nClipHeight = 0;
    // The clip region in the DCs' device units; none until the first clip.
    RegionHandle _hClipRegion;
    // Counts the clip regions set, so that a DC kept from drawing to drawing
    // knows when its region is out of date.
    uint32_t _nClipSerial = 0;
    int32_t _nOriginX = 0;
    int32_t _nOriginY = 0;
    int32_t _nOffsetX = 0;
    int32_t _nOffsetY = 0;
    int32_t _nFillPattern = 0;
    int32_t _nLineWidth = 0;
    int32_t _nLinePattern = 0;
    int32_t _nLineCap = 0;
    int32_t _nRasterMode = 0;
    int32_t _nScrollOffsX = 0;
    int32_t _nScrollOffsY = 0;
    int32_t _nMarkerSurf = 0;
    int32_t _nMarkerLineWidth = 0;
    int32_t _nWidth = 0;
    int32_t _nHeight = 0;
    int32_t _nMaxWidth = 0;
    int32_t _nMaxHeight = 0;
    int32_t _nTopSpace = 0;
    double _fFactorX = 0.0;
    double _fFactorY = 0.0;
    double _fFontAngle = 0.0;
    double _fMarkerSize = 0.0;
    bool _lBlackWhite = false;
    // The refresh bitmap of a screen window (_pRefreshMemDC, _pRefreshBmp,
    // _pRefreshBmpOld).
    MemoryCanvas _oRefreshCanvas;
    // The saved area (_pSaveMemDC, _pSaveBmp, _pSaveBmpOld).
    MemoryCanvas _oSaveCanvas;
    FontHandle _pFont;
    std::array<uint32_t, 64> _aFillPattern{};
    // The fractal's zoom windows: the one proposed for the next drawing and the
    // one of the last drawing.
    float _r4Top = 0.0F, _r4Bottom = 0.0F, _r4Left = 0.0F, _r4Right = 0.0F;
    float _r4TopV = 0.0F, _r4BottomV = 0.0F, _r4LeftV = 0.0F, _r4RightV = 0.0F;
};
