#pragma once
// gMemory: a drawing device on a bitmap in memory that is never shown. It is
// made blank or from a bitmap (a resource of the program or of another
// module, or a bitmap of the caller, which stays untouched), optionally
// stretched to a requested size; it paints through its painter _oGraphics or
// in its Paint hook, and hands out its DC or a copy of its bitmap.
// Its DC is mapped upward: (0, 0) is the bottom-left pixel.
#include <windows.h>

#include <memory>
#include <string>
#include <utility>
#include <variant>
#include <vector>

#include "graphics/core/device.h"
#include "graphics/core/graphics.h"
#include "graphics/images/objectsourcebmp.h"
#include "graphics/windows/gpainted.h"
#include "platform/framework/gdi.h"

// The picture a memory device starts from: the number 2 is a blank canvas
// (any other number none), a text the name of a picture file (read by the
// loaders' fall-back order) or else the program's bitmap resource of that
// name, a ModuleBitmap, or a bitmap handle of the caller.
using MemorySource = std::variant<int32_t, std::string, ModuleBitmap, HBITMAP>;

class gMemory : public GraphicsDevice, public gPaintedOnMaking {
public:
    // nWidth, nHeight: the wanted size; 0 or less takes the picture's own
    // (500 for a blank canvas). lPaint: end with a full repaint (PaintNew),
    // which reaches only gMemory::Paint: a subclass passes false and is made
    // with Painted.
    explicit gMemory(const MemorySource& uSource, int32_t nWidth = 0, int32_t nHeight = 0, bool lPaint = true);
    ~gMemory() override;
    gMemory(const gMemory&) = delete;
    gMemory& operator=(const gMemory&) = delete;

    // The paint hook, empty here; a subclass paints its picture through
    // _oGraphics.
    virtual void Paint() {}
    // Full repaint: device values, clip to the whole drawing area, Paint. A
    // drawing area of 10 pixels or less in either direction is not painted.
    gMemory& PaintNew();
    // Releases the painter, the DC with its bitmap and the handed-out copy;
    // safe to repeat.
    gMemory& Destroy();

    // Handle of a copy of the canvas made at the first call (the device owns
    // it); NULL without bitmap.
    HBITMAP GetMemoryHandle();
    // A framework bitmap holding a copy of the canvas made at the first call;
    // it owns its bitmap. Without bitmap it holds none.
    Bitmap GetMemoryObject();
    HDC GetMemoryDC() const { return _pBitmapDC; }
    // Writes the whole canvas to cFile as a BMP file; nothing without bitmap.
    void GetMemoryFile(const std::string& cFile);

    // GraphicsDevice
    SIZE CanvasSize() const override { return {_nCanvasWidth, _nCanvasHeight}; }
    void Draw(objectShape& oShape) override;
    // Each drawing object of the list in order.
    void Draw(const std::vector<objectShape*>& aShapes);
    void SetBackground(COLORREF nColor) override { _nBackground = nColor; }
    HDC BitmapDC() const override { return _pBitmapDC; }
    // One pass, into the bitmap.
    HDC PassDC(int nPass, HDC /*hPrepared*/) const override { return nPass == 1 ? _pBitmapDC : nullptr; }

    COLORREF Background() const { return _nBackground; }

    std::unique_ptr<Graphics> _oGraphics;

private:
    // A new bitmap with a copy of the whole canvas.
    HBITMAP CopyCanvas() const;

    int32_t _nCanvasWidth = 0;
    int32_t _nCanvasHeight = 0;
    HBITMAP _pMemoryBmp = nullptr;
    HGDIOBJ _pMemoryBmpOld = nullptr;
    HBITMAP _pHandleBmp = nullptr;
    Bitmap _oMemoryObject;
    HDC _pBitmapDC = nullptr;
    COLORREF _nBackground = RGB(255, 255, 255);
};
