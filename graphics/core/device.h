#pragma once
// GraphicsDevice: what a painter needs of the device it draws on. Every device
// of the kit (the g-windows, gMemory, and later the printer and metafile
// devices) implements it and owns one Graphics painter.
#include <windows.h>

#include <cstdint>
#include <vector>

#include "platform/framework/gdi.h"

class objectShape;
struct PainterState;

// Device positions are held within +-kDeviceLimit, far beyond any canvas yet
// small enough that the system's mapping and drawing of a figure there do not
// overflow (Wine's do beyond some 2^27).
constexpr int32_t kDeviceLimit = 1 << 26;
// A sum or product of device coordinates formed in 64 bits, held within
// +-kDeviceLimit as every device position is: a figure far beyond the canvas
// keeps its side instead of wrapping round to the other.
int32_t SaturatedCoordinate(int64_t v);

// A box in device pixels: lower-left corner and extents.
struct DeviceBox {
    int32_t x, y, w, h;
};

// Maps a new DC upward like every device of the kit: logical (0, 0) is the
// lower-left pixel of a drawing area of nWidth x nHeight, and a tool-bar strip
// of nTopSpace rows lies above it (logical y nHeight .. nHeight + nTopSpace - 1).
void SetUpwardMapping(HDC hDC, int32_t nWidth, int32_t nHeight, int32_t nTopSpace);

// Block fills and transfers on upward-mapped DCs work in device units: GDI
// does not agree between systems on which edge of a mirrored logical
// rectangle it leaves out, while the pixels of a box are plain.
//
// The pixels of a box (columns x .. x + w - 1, rows y .. y + h - 1) of an
// upward-mapped DC as a device rectangle; empty when w or h is not positive.
RECT DeviceRect(HDC hDC, const DeviceBox& oBox);
// Fills the box with a solid colour.
void FillBox(HDC hDC, const DeviceBox& oBox, COLORREF nColor);
// Copies the box of hSrc at (nSrcX, nSrcY) onto the same-sized box of hDst;
// between two upward-mapped DCs without switching them to device units.
void CopyBox(HDC hDst, const DeviceBox& oBox, HDC hSrc, int32_t nSrcX, int32_t nSrcY);

// Switches a DC to device units for its lifetime (the clip region stays).
class DeviceUnits {
public:
    explicit DeviceUnits(HDC hDC);
    ~DeviceUnits();
    DeviceUnits(const DeviceUnits&) = delete;
    DeviceUnits& operator=(const DeviceUnits&) = delete;

private:
    HDC _hDC;
    int _nSaved;
};

// Device types; they decide where a drawing object finds its DC. A painter
// that has forgotten its device has none.
enum : int32_t {
    kDeviceNone = -1,
    kDeviceScreen = 0,
    kDevicePrinter = 1,
    kDeviceMemory = 2,
    kDeviceMetafile = 3,
};

class GraphicsDevice {
public:
    virtual ~GraphicsDevice() = default;

    // Size of the canvas in pixels (CANVASAREA's SIZE).
    virtual SIZE CanvasSize() const = 0;
    // Has the drawing object draw itself: a window or printer prepares a DC of
    // its canvas and makes it the object's handle first.
    virtual void Draw(objectShape& oShape) = 0;
    // Gives the device a new background brush of that colour (BACKGROUND).
    virtual void SetBackground(COLORREF nColor) = 0;

    // Height of a tool bar that the device owns at the top of its canvas; 0 when
    // it has none.
    virtual int32_t OwnToolBarHeight() const { return 0; }
    // Shell and scroll windows keep their whole canvas even with a tool bar.
    virtual bool KeepsToolBarSpace() const { return false; }
    // The canvas point that the lower-left pixel of the device's view shows:
    // a scrolled window's offsets, whose DC maps the canvas so shifted.
    virtual POINT ViewOrigin() const { return {0, 0}; }
    // The memory device's DC (_pBitmapDC) and the metafile device's recording
    // DC (_pMetafileDC); NULL on the other devices.
    virtual HDC BitmapDC() const { return nullptr; }
    virtual HDC MetafileDC() const { return nullptr; }
    // The DC of pass 1 or 2 of a drawing for which the device prepared
    // hPrepared (NULL where it prepares none); NULL ends the drawing. By
    // default the prepared DC is the only pass.
    virtual HDC PassDC(int nPass, HDC hPrepared) const { return nPass == 1 ? hPrepared : nullptr; }

    // The mouse pointer the device shows over its canvas; a device without a
    // window only keeps it.
    virtual ::Pointer DevicePointer() const { return _oPointer; }
    virtual void SetDevicePointer(const ::Pointer& oPointer) { _oPointer = oPointer; }

    // The state of the painter bound to the device, which its drawing objects
    // read; NULL while none is bound. Only the painter binds itself.
    const PainterState* Painter() const { return _oPainter; }
    void BindPainter(const PainterState* oPainter) { _oPainter = oPainter; }

    int32_t _nDeviceTyp = kDeviceScreen;

private:
    const PainterState* _oPainter = nullptr;
    ::Pointer _oPointer;
};
